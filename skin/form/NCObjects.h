// Clickable things in a skinned window's non-client area: the caption buttons drawn from the skin's
// caption-button records, and the buttons of the skinned menu bar. Each knows its rectangle in window
// coordinates (origin at the window's top-left corner) and its visual state; the owning form skin
// object keeps the one that is hot or pressed in FHotObject.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/Object.h"

class TRuzIzivForm;
class TDataSkinSysButton;
class TSkinData;
class TMenuItem;

// Values of TNCObject::FState, which are also the frame a caption button shows.
enum : int { kNCNormal = 1, kNCPressed = 2, kNCHot = 3 };

class TNCObject : public TObject {
  DECLARE_CLASS(TNCObject, TObject)

 public:
  explicit TNCObject(TRuzIzivForm* Form) : FForm(Form) {}
  // Leaves the form's FHotObject cleared when it pointed here, so no stale object is ever reached.
  ~TNCObject() override;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Draw() {}

  TRuzIzivForm* FForm;
  RECT FRect{0, 0, 0, 0};
  std::uint8_t FVisible = 0;
  int FState = kNCNormal;
  std::uint8_t FEnabled = 1;
};

// A caption button: one caption-button record of the skin (not owned; the skin data keeps it until
// the next load, and the form rebuilds its buttons on every skin change).
class TWinSysButton : public TNCObject {
  DECLARE_CLASS(TWinSysButton, TNCObject)

 public:
  TWinSysButton(TRuzIzivForm* Form, TDataSkinSysButton* Data) : TNCObject(Form), FData(Data) {}

  void Draw() override;

  int Action() const;
  // Icon buttons show the window's icon instead of a skin bitmap.
  bool IsIcon() const {
    const int Code = Action();
    return Code == 3 || Code == 11;
  }
  // Frames in the strip (at least 1) and the size of one frame; an icon button has the small-icon
  // size.
  int FrameCount() const;
  SIZE FrameSize() const;
  // Nothing to draw: no bitmap (icon buttons always have their icon).
  bool Empty() const;

  TDataSkinSysButton* FData;
};

// A button of the skinned menu bar: one top-level item of the window's menu.
class TMenuBtn : public TNCObject {
  DECLARE_CLASS(TMenuBtn, TNCObject)

 public:
  TMenuBtn(TRuzIzivForm* Form, TSkinData* SkinData, int Index)
      : TNCObject(Form), FSkinData(SkinData), FIndex(Index) {}

  // Repaints the button alone over the bar's background: framed while hot or pressed.
  void Draw() override;

  TMenuItem* FItem = nullptr;  // not owned
  TSkinData* FSkinData;
  int FIndex;
  WideString FCaption;
  std::uint8_t FItemEnabled = 1;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
};
