// Combo boxes and date-time pickers. A combo box keeps its own text; the skin draws its frame and
// drop-down button over it from the "ComboButton" element (its Style: 0 the "SunkEdge" frame with a
// separate button, 1 a flat frame with the button alone, 2 the whole combo in one piece, as the skin
// load combines frame and button), and skins the drop-down list's scroll bar. A date-time picker gets
// a flat border and a skinned drop-down button window laid over the system's (TArrowButton).
//
// Frames of the combo strips: 1 normal, 2 pressed, 3 disabled, 4 mouse over or focused. The skin
// keeps a mirrored copy of the button strip for right-to-left combos (left scroll bar); a mirrored
// strip holds its frames in reverse order, so the mirror of frame F is frame Count + 1 - F there.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

class TSkinScrollbarH;
class TComboxScrollBar;
class TSkinDateTime;

class TSkinComBox : public TSkinControl {
  DECLARE_CLASS(TSkinComBox, TSkinControl)

 public:
  explicit TSkinComBox(TComponent* AOwner);
  ~TSkinComBox() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  LONG_PTR FStyle = 0;  // read at each paint
  LONG_PTR FExStyle = 0;
  HWND FList = nullptr;
  HWND FEditWnd = nullptr;  // the combo's first child (its edit), subclassed by FindBtn
  bool FDropped = false;
  TSkinScrollbarH* FListBars = nullptr;  // the list of a simple combo box (owned)
  TComboxScrollBar* FListBar = nullptr;  // the drop-down list (owned)
  COMBOBOXINFO FInfo{};
  RECT FButtonRect{0, 0, 0, 0};  // the button last drawn, for mouse-over tracking
  // Draws a plain border and the "ComboxArrow" glyph instead of the skinned frame. "Has a border"
  // means here: not a framework control whose "BorderStyle" reads bsNone.
  bool FPlain = false;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) override;
  void Unsubclass() override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  // The flat variant ("ComboButton" Style 1).
  void DrawControl1(HDC DC, const RECT& Rect);

  void SkinDropList();
  void DeleteDropList();
  void FindBtn();

  // The frame for the combo's state.
  int ComboFrame(bool Focused, bool Enabled) const;
  int FlatFrame(bool Focused, bool Enabled) const;

 private:
  static LRESULT CALLBACK ButtonProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT EditMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void ReleaseEdit();
  bool ReadInfo();
  bool HasBorder() const;
  std::unique_ptr<TWndProcThunk> FEditThunk;
  WNDPROC FEditOldProc = nullptr;
  bool FEditUnicode = false;
};

// The skinned drop-down button laid over a date-time picker's own.
class TArrowButton : public TWinControl {
  DECLARE_CLASS(TArrowButton, TWinControl)

 public:
  explicit TArrowButton(TComponent* AOwner);

  int FArrowSize = 0;
  TControl* FControl = nullptr;  // the picker
  TSkinDateTime* FOwnerSkin = nullptr;
  HWND FHandle = nullptr;  // the picker's window
  int FState = 0;          // bit 0: the mouse is over the button

  void Attach(TSkinDateTime* OwnerSkin, TControl* Control);
  void Attach(TSkinDateTime* OwnerSkin, HWND Picker);
  void MoveArrow(const RECT& Rect);
  void Paint();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  bool PickerEnabled() const;
  void SetHot(bool Hot);
  bool FClipAdded = false;  // the picker got the clip-children style from us
  friend class TSkinDateTime;
};

class TSkinDateTime : public TSkinControl {
  DECLARE_CLASS(TSkinDateTime, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinDateTime() override;

  std::unique_ptr<TArrowButton> FArrow;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) override;
  void Unsubclass() override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;

 private:
  void DropArrow();
};
