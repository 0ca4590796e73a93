// Skinned scroll bars. A window with standard (non-client) scroll bars, or a scroll-bar control, gets
// a small child window of ours, TWScrollbar, laid exactly over the system's bar; the skin is painted
// there, and a press on it is handed back to the real window as a press on its bar, so the system's
// own tracking loop, auto-repeat and scroll notifications do the work while the overlay mirrors
// their state. A combo box's drop-down list is painted directly in its non-client area instead, with
// a thumb-drag loop of its own (TComboxScrollBar).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/controls/SkinControl.h"

class TSkinData;

// Parts of a bar, numbered as the system's scroll request codes.
enum : int {
  kPartNone = -1,
  kPartFirstArrow = 0,
  kPartSecondArrow = 1,
  kPartPageBefore = 2,
  kPartPageAfter = 3,
  kPartThumb = 5,
};

// Everything one bar image needs; Length and Cross are the work surface's extents along and across
// the bar, Thickness the skin's cross extent drawn within it.
struct TScrollBarLook {
  bool Vertical = false;
  bool Enabled = true;
  int Length = 0;
  int Cross = 0;
  int Thickness = 0;
  int ArrowSize = 0;
  int ThumbStart = 0;
  int ThumbEnd = 0;
  int HotPart = kPartNone;
  bool Pressed = false;
};
// The skin's cross extent of a bar: the "Scrollbar" strip's height, or ArrowSize when they differ by
// more than 2. 0 without a "Scrollbar" element.
int ScrollBarThickness(TSkinData* Data, int ArrowSize);
// Paints the track, arrows, thumb and grip into a new work bitmap (Length x Cross, or Cross x Length
// when vertical); none without a "Scrollbar" element or when the surface cannot be made.
std::unique_ptr<TBitmap> PaintScrollBarImage(TSkinData* Data, const TScrollBarLook& Look);

// TWScrollbar: the overlay window over one bar.
class TWScrollbar : public TWinControl {
  DECLARE_CLASS(TWScrollbar, TWinControl)

 public:
  explicit TWScrollbar(TComponent* AOwner);
  ~TWScrollbar() override;

  int FLength = 0;
  int FThumbStart = 0;
  int FThumbEnd = 0;
  POINT FBarOrigin{0, 0};
  POINT FPressPoint{0, 0};
  int FPressThumbTop = 0;
  int FOrientation = 0;  // 0 horizontal, 1 vertical
  bool FPressed = false;
  int FHotPart = kPartNone;
  int FArrowSize = 0;
  HWND FTarget = nullptr;
  TWinControl* FTargetControl = nullptr;
  TSkinControl* FOwnerSkin = nullptr;
  std::uint8_t FKind = 0;  // 0 horizontal non-client bar, 1 vertical non-client bar, 2 scroll-bar control
  RECT FBarRect{0, 0, 0, 0};
  bool FShown = false;

  void Attach(TSkinControl* OwnerSkin, TWinControl* Control, int Kind);
  void AttachHwnd(TSkinControl* OwnerSkin, HWND Handle, int Kind);
  void SetPosition(HWND Handle = nullptr);
  void HideScrollbar();
  int GetScrollPos(POINT Point) const;
  bool GetControlInfo(SCROLLBARINFO& Info);
  bool GetControlInfo2(SCROLLBARINFO& Info);
  int GetThumb();
  void Paint();
  // Fresh information about the covered bar, by kind.
  bool GetBarInfo(SCROLLBARINFO& Info);
  void SetHotPart(int Part);
  void Repaint() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  void MouseDown(TMessage& Message);
  void MouseUp(TMessage& Message);
  TSkinData* SkinData() const;
  HWND FParentWnd = nullptr;
};

// Framework controls with scroll bars (memos, list boxes, grids, ...).
class TSkinScrollbar : public TSkinControl {
  DECLARE_CLASS(TSkinScrollbar, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  std::unique_ptr<TWScrollbar> FHorzBar;
  std::unique_ptr<TWScrollbar> FVertBar;
  bool FDrawBorder = false;

  virtual void InitScrollbar(TControl* Control, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin);
  void DrawBorder(HDC DC, const RECT& Rect);
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void Unsubclass() override;
  void SkinChange() override;

 protected:
  bool FFixedColorSet = false;  // "FixedColor" replaced (kept in FSavedColor)
  // "FixedTextColor" replaced too (kept here), so that the fixed cells' text reads on the skin's face.
  bool FFixedTextColorSet = false;
  TColor FSavedFixedTextColor = 0;

 private:
  // A grid's fixed cells in the skin's face and button-text colours.
  void SetFixedColors();
};

// Bare windows with scroll bars.
class TSkinScrollbarH : public TSkinControl {
  DECLARE_CLASS(TSkinScrollbarH, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;

  std::unique_ptr<TWScrollbar> FHorzBar;
  std::unique_ptr<TWScrollbar> FVertBar;

  void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) override;
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void Unsubclass() override;
};

// Scroll-bar controls.
class TSkinScControl : public TSkinControl {
  DECLARE_CLASS(TSkinScControl, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;

  std::unique_ptr<TWScrollbar> FBar;

  virtual void InitScrollbar(TControl* Control, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin);
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void Unsubclass() override;
};

// A combo box's drop-down list: its vertical bar painted in place, its thumb dragged by our loop.
class TComboxScrollBar : public TSkinControl {
  DECLARE_CLASS(TComboxScrollBar, TSkinControl)

 public:
  explicit TComboxScrollBar(TComponent* AOwner);

  int FArrowSize = 0;
  // Kept as the bar's own copies; nothing changes them, so the list's bar shows no part hot.
  int FLength = 0;
  int FThumbStart = 0;
  int FThumbEnd = 0;
  int FHotPart = kPartNone;
  bool FPressed = false;

  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void PaintScrollbar(HDC DC, const RECT& Rect, bool Vertical);
  bool NCLButtonDown(TMessage& Message);
  // The list position for a thumb offset (from the track start) during a drag.
  static int DragPosition(int Offset, int Track, int ThumbLength, const SCROLLINFO& Info);
};
