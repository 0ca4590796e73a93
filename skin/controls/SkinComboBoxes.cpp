// Combo boxes (frame and drop-down button over the system's), their lists' scroll bars, and the
// date-time picker's border and drop-down button.
#include "skin/controls/SkinComboBoxes.h"

#include <algorithm>

#include "framework/core/TypInfo.h"
#include "skin/controls/SkinDrawUtil.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinPaint.h"

using skinctl::FrameColor;
using skinctl::HasImage;
using skinctl::StyleOf;

namespace {

constexpr TColor kWhite = 0xFFFFFF;

// Frame F of a strip of Count frames, or its mirror in the mirrored strip.
int StripFrame(int Frame, int Count, bool Mirrored) {
  Count = std::max(Count, 1);
  Frame = std::clamp(Frame, 1, Count);
  return Mirrored ? Count + 1 - Frame : Frame;
}

bool Disabled(LONG_PTR Style) {
  return (Style & WS_DISABLED) != 0;
}

POINT PointOf(LPARAM LParam) {
  return POINT{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TSkinComBox

TSkinComBox::TSkinComBox(TComponent* AOwner) : TSkinControl(AOwner) {
  FInfo.cbSize = sizeof FInfo;
  FPlain = false;
}

TSkinComBox::~TSkinComBox() {
  ReleaseEdit();
  // The combo's window first, then the list objects (their windows are not ours to message).
  Unhook();
  delete FListBar;
  delete FListBars;
}

void TSkinComBox::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent) return;
  if (AComponent == reinterpret_cast<TComponent*>(FListBar)) FListBar = nullptr;
  if (AComponent == reinterpret_cast<TComponent*>(FListBars)) FListBars = nullptr;
}

bool TSkinComBox::ReadInfo() {
  FInfo = COMBOBOXINFO{};
  FInfo.cbSize = sizeof FInfo;
  HWND Wnd = LiveHandle();
  return Wnd && pGetComboBoxInfo && pGetComboBoxInfo(Wnd, &FInfo);
}

void TSkinComBox::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  HWND Wnd = LiveHandle();
  if (!Wnd) return;
  FStyle = GetWindowLongEx(Wnd, GWL_STYLE);
  FExStyle = GetWindowLongEx(Wnd, GWL_EXSTYLE);
  if ((FStyle & 3) != CBS_SIMPLE) {
    SkinDropList();
    if (!FUnicode) FindBtn();
    return;
  }
  // A simple combo box's list is a child window with ordinary scroll bars.
  if (!ReadInfo() || !FInfo.hwndList) return;
  FList = FInfo.hwndList;
  const bool Popup = (StyleOf(FList) & WS_POPUP) != 0;
  const HWND Parent = GetParent(FList);
  if (Popup || !Parent || Parent == GetDesktopWindow()) return;
  auto* Bars = new TSkinScrollbarH(this);
  Bars->Inithwnd(FList, FSkinData, FCanvas, FFormSkin);
  FListBars = Bars;
}

void TSkinComBox::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  if (FInited) return;
  TSkinControl::Inithwnd(Handle, SkinData, Canvas, FormSkin);
  HWND Wnd = LiveHandle();
  if (!Wnd || !FInited) return;
  FStyle = GetWindowLongEx(Wnd, GWL_STYLE);
  FExStyle = GetWindowLongEx(Wnd, GWL_EXSTYLE);
  if ((FStyle & 3) != CBS_SIMPLE && !FUnicode) FindBtn();
}

void TSkinComBox::SkinDropList() {
  if ((FStyle & 3) == CBS_SIMPLE || FListBar) return;
  if (!ReadInfo() || !FInfo.hwndList) return;
  FList = FInfo.hwndList;
  auto* Bar = new TComboxScrollBar(this);
  Bar->Inithwnd(FList, FSkinData, FCanvas, FFormSkin);
  FListBar = Bar;
}

void TSkinComBox::DeleteDropList() {
  if (!FListBar) return;
  TComboxScrollBar* Bar = FListBar;
  FListBar = nullptr;
  Bar->Unsubclass();
  delete Bar;
}

void TSkinComBox::FindBtn() {
  HWND Wnd = LiveHandle();
  if (!Wnd || FEditThunk) return;
  HWND Child = GetWindow(Wnd, GW_CHILD);
  if (!Child) return;
  FEditThunk = std::make_unique<TWndProcThunk>(this, &TSkinComBox::ButtonProc);
  if (!FEditThunk->Proc()) {
    FEditThunk.reset();
    return;
  }
  FEditWnd = Child;
  FEditUnicode = IsWindowUnicode(Child) != FALSE;
  const auto Thunk = reinterpret_cast<LONG_PTR>(FEditThunk->Proc());
  FEditOldProc = reinterpret_cast<WNDPROC>(FEditUnicode ? SetWindowLongPtrW(Child, GWLP_WNDPROC, Thunk)
                                                        : SetWindowLongPtrA(Child, GWLP_WNDPROC, Thunk));
}

void TSkinComBox::ReleaseEdit() {
  // When someone subclassed the edit after us, our procedure stays in their chain as a forwarder.
  TWndProcThunk::GiveBack(FEditThunk, FEditWnd, FEditOldProc, FEditUnicode);
  FEditWnd = nullptr;
  FEditOldProc = nullptr;
}

LRESULT CALLBACK TSkinComBox::ButtonProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return reinterpret_cast<TSkinComBox*>(Self)->EditMessage(Msg, WParam, LParam);
}

LRESULT TSkinComBox::EditMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  HWND Child = FEditWnd;
  const WNDPROC Old = FEditOldProc;
  const bool Unicode = FEditUnicode;
  const LRESULT Result = Unicode ? CallWindowProcW(Old, Child, Msg, WParam, LParam)
                                 : CallWindowProcA(Old, Child, Msg, WParam, LParam);
  try {
    switch (Msg) {
      case WM_NCDESTROY:
        // The edit is gone: nothing to give back, and the thunk is not called again.
        FEditThunk.reset();
        FEditWnd = nullptr;
        FEditOldProc = nullptr;
        break;
      case WM_PAINT:
        if (FActive) PaintControl(nullptr);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (FActive) {
          FState.Include(scDown);
          Invalidate();
        }
        break;
      case WM_LBUTTONUP:
        if (FActive) {
          FState.Exclude(scDown);
          Invalidate();
        }
        break;
    }
  } catch (...) {
    // The edit has had its message; the skin keeps its last image.
  }
  return Result;
}

void TSkinComBox::Unsubclass() {
  if (!FActive) return;
  TSkinControl::Unsubclass();
  ReleaseEdit();
  DeleteDropList();
  if (FListBars) {
    TSkinScrollbarH* Bars = FListBars;
    FListBars = nullptr;
    Bars->Unsubclass();
    delete Bars;
  }
}

void TSkinComBox::AfterProc(TMessage& Message) {
  HWND Wnd = LiveHandle();
  switch (Message.Msg) {
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Invalidate();
      return;
    case WM_MOUSEMOVE: {
      const bool Enabled = !Disabled(StyleOf(Wnd));
      const POINT P = PointOf(Message.LParam);
      const bool OverButton = PtInRect(&FButtonRect, P) != FALSE;
      if (FState.Contains(scMouseIn)) {
        if (!OverButton && Enabled) {
          FState.Exclude(scMouseIn);
          Invalidate();
        }
      } else if (OverButton && Enabled) {
        FState.Include(scMouseIn);
        Invalidate();
      }
      if (Wnd) DoTrackMouse(Wnd);
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FState.Include(scDown);
      Invalidate();
      return;
    case WM_LBUTTONUP:
      FState.Exclude(scDown);
      Invalidate();
      return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      FState.Exclude(scMouseIn);
      Invalidate();
      return;
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == CBN_DROPDOWN) FDropped = true;
      if (HIWORD(Message.WParam) == CBN_CLOSEUP) FDropped = false;
      return;
  }
  TSkinControl::AfterProc(Message);
}

int TSkinComBox::ComboFrame(bool Focused, bool Enabled) const {
  int Frame = Focused ? 4 : 1;
  if (FState.Contains(scDown))
    Frame = 2;
  else if (FState.Contains(scMouseIn))
    Frame = 4;
  if (!Enabled) Frame = 3;
  return Frame;
}

int TSkinComBox::FlatFrame(bool Focused, bool Enabled) const {
  int Frame = Enabled ? 1 : 3;
  if (Focused) Frame = 4;
  if (FState.Contains(scDown))
    Frame = 2;
  else if (FState.Contains(scMouseIn))
    Frame = 4;
  return Frame;
}

bool TSkinComBox::HasBorder() const {
  if (!FControl) return true;
  const String Border = LowerCase(GetProperty(FControl, "BorderStyle"));
  return Border != "bsnone";
}

void TSkinComBox::DrawControl(HDC DC, const RECT& Rect) {
  TSkinData* Data = FSkinData;
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !Data || !HasImage(Data->ComboButton.get())) return;
  FStyle = GetWindowLongEx(Wnd, GWL_STYLE);
  FExStyle = GetWindowLongEx(Wnd, GWL_EXSTYLE);
  if (!ReadInfo()) return;
  FButtonRect = FInfo.rcButton;
  if (FInfo.stateButton & STATE_SYSTEM_INVISIBLE) return;
  TDataSkinBorder* Button = Data->ComboButton.get();
  if (Button->Style == 1) {
    DrawControl1(DC, Rect);
    return;
  }
  const HWND Focus = GetFocus();
  const bool Focused = Focus && (Focus == Wnd || IsChild(Wnd, Focus));
  const bool Enabled = !Disabled(FStyle);
  const int Frame = ComboFrame(Focused, Enabled);
  const int A = GetSystemMetrics(SM_CXHSCROLL);
  const bool LeftButton = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;

  if (FPlain) {
    if (HasBorder()) {
      FrameColor(DC, Rect, SchemeColor(csButtonShadow));
      RECT Inner = Rect;
      InflateRect(&Inner, -1, -1);
      FrameColor(DC, Inner, kWhite);
    }
    const RECT Glyph = FInfo.rcButton;
    FillBG(DC, Glyph);
    if (TDataSkinObject* Arrow = Data->ComboxArrow.get(); HasImage(Arrow))
      DrawSkinMap1(DC, Glyph, Arrow->Bitmap.get(), Frame, std::max(Arrow->FrameCount, 1));
    return;
  }

  if (Button->Style == 2) {
    // One piece; a right-to-left combo takes the mirrored piece the skin keeps as "SunkEdge".
    TDataSkinObject* Source = LeftButton ? Data->SunkEdge.get() : Button;
    if (!HasImage(Source)) return;
    const int Count = std::max(Source->FrameCount, 1);
    DrawRect2(DC, Rect, Source->Bitmap.get(), Source->Margins, StripFrame(Frame, Count, LeftButton), Count, 1,
              Source->Tile, 0);
    return;
  }

  // Separate frame and button, the text area left to the combo.
  const RECT Text = LeftButton ? RECT{Rect.left + A + 4, Rect.top + 2, Rect.right - 2, Rect.bottom - 2}
                               : RECT{Rect.left + 2, Rect.top + 2, Rect.right - A - 4, Rect.bottom - 2};
  const RECT ButtonArea = LeftButton ? RECT{Rect.left, Rect.top, Rect.left + A + 2, Rect.bottom}
                                     : RECT{Rect.right - A - 2, Rect.top, Rect.right, Rect.bottom};
  RECT GlyphArea = ButtonArea;
  if (LeftButton)
    GlyphArea.left += 2;
  else
    GlyphArea.right -= 2;
  const int Saved = SaveDC(DC);
  ExcludeClipRect(DC, Text.left, Text.top, Text.right, Text.bottom);
  if (TDataSkinObject* Edge = Data->SunkEdge.get(); HasImage(Edge))
    DrawSkinMap(DC, Rect, Edge, Frame, std::max(Edge->FrameCount, 1));
  const bool Mirrored = LeftButton && Button->Bitmap2 && !Button->Bitmap2->Empty();
  TBitmap* Strip = Mirrored ? Button->Bitmap2.get() : Button->Bitmap.get();
  const int Count = std::max(Button->FrameCount, 1);
  DrawSkinMap2(DC, ButtonArea, Strip, StripFrame(Frame, Count, Mirrored), Count);
  FButtonRect = ButtonArea;
  if (TDataSkinObject* Extra = Data->ExtraImages.get(); HasImage(Extra)) {
    const int ExtraCount = std::max(Extra->FrameCount, 1);
    const int W = Extra->Bitmap->Width() / ExtraCount;
    const int H = Extra->Bitmap->Height();
    const int X = GlyphArea.left + (GlyphArea.right - GlyphArea.left - W) / 2;
    const int Y = GlyphArea.top + (GlyphArea.bottom - GlyphArea.top - H) / 2;
    DrawSkinMap1(DC, RECT{X, Y, X + W, Y + H}, Extra->Bitmap.get(), std::min(Frame, ExtraCount), ExtraCount);
  }
  RestoreDC(DC, Saved);
}

void TSkinComBox::DrawControl1(HDC DC, const RECT& Rect) {
  TDataSkinBorder* Button = FSkinData ? FSkinData->ComboButton.get() : nullptr;
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !HasImage(Button)) return;
  const HWND Focus = GetFocus();
  const bool Focused = Focus && (Focus == Wnd || IsChild(Wnd, Focus));
  const int Frame = FlatFrame(Focused, !Disabled(FStyle));
  const bool LeftButton = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  HBRUSH Current = static_cast<HBRUSH>(GetCurrentObject(DC, OBJ_BRUSH));
  RECT R = Rect;
  InflateRect(&R, -1, -1);
  FrameRect(DC, &R, Current);
  InflateRect(&R, -1, -1);
  const int Thumb = GetSystemMetrics(SM_CYVTHUMB);
  const RECT Column = LeftButton ? RECT{R.left, R.top, R.left + Thumb, R.bottom}
                                 : RECT{R.right - Thumb, R.top, R.right, R.bottom};
  FillRect(DC, &Column, Current);
  FrameColor(DC, Rect, SchemeColor(csButtonShadow));
  // The button: one strip frame wide and at most the strip high, in the middle of the column.
  const int Count = std::max(Button->FrameCount, 1);
  const int FrameW = Button->Bitmap->Width() / Count;
  const int ColumnW = Column.right - Column.left;
  const int ColumnH = Column.bottom - Column.top;
  const int W = std::min(ColumnW, FrameW);
  const int H = std::min(ColumnH, Button->Bitmap->Height());
  RECT Area{Column.left + (ColumnW - W) / 2, Column.top + (ColumnH - H) / 2, 0, 0};
  Area.right = Area.left + W;
  Area.bottom = Area.top + H;
  FButtonRect = Area;
  DrawSkinMap1(DC, Area, Button->Bitmap.get(), std::min(Frame, Count), Count);
}

// ---------------------------------------------------------------------------------------------------
// TArrowButton

TArrowButton::TArrowButton(TComponent* AOwner) : TWinControl(AOwner) {
  FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
  FTabStop = false;
}

void TArrowButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
  Params.Style |= WS_CHILD | WS_VISIBLE;
  Params.WndParent = FHandle;
}

void TArrowButton::Attach(TSkinDateTime* OwnerSkin, TControl* Control) {
  FControl = Control;
  auto* Win = dynamic_cast<TWinControl*>(Control);
  Attach(OwnerSkin, Win ? Win->WindowHandle() : nullptr);
}

void TArrowButton::Attach(TSkinDateTime* OwnerSkin, HWND Picker) {
  FOwnerSkin = OwnerSkin;
  FHandle = Picker;
  if (!Picker || !IsWindow(Picker)) return;
  RECT R;
  GetWindowRect(Picker, &R);
  const int W = R.right - R.left;
  const int H = R.bottom - R.top;
  const bool LeftButton = (GetWindowLongPtrW(Picker, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  if (OwnerSkin && OwnerSkin->FSkinData) SetTag(OwnerSkin->FSkinData->DisableTag);
  SetBounds(LeftButton ? 2 : W - FArrowSize - 4, 0, FArrowSize, std::max(H - 4, 0));
  const LONG_PTR Style = GetWindowLongPtrW(Picker, GWL_STYLE);
  if (!(Style & WS_CLIPCHILDREN)) {
    SetWindowLongPtrW(Picker, GWL_STYLE, Style | WS_CLIPCHILDREN);
    FClipAdded = true;
  }
  HandleNeeded();
}

void TArrowButton::MoveArrow(const RECT& Rect) {
  HWND Self = WindowHandle();
  if (!Self || !FHandle) return;
  const bool LeftButton = (GetWindowLongPtrW(FHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const int Left = LeftButton ? 2 : static_cast<int>(Rect.right) - FArrowSize - 4;
  const int Height = std::max(static_cast<int>(Rect.bottom - Rect.top) - 4, 0);
  RECT Now;
  GetWindowRect(Self, &Now);
  MapWindowPoints(HWND_DESKTOP, FHandle, reinterpret_cast<POINT*>(&Now), 2);
  if (Now.left == Left && Now.top == 0 && Now.bottom - Now.top == Height) return;
  SetWindowPos(Self, nullptr, Left, 0, FArrowSize, Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TArrowButton::PickerEnabled() const {
  return FHandle && IsWindowEnabled(FHandle);
}

void TArrowButton::SetHot(bool Hot) {
  const int State = Hot ? (FState | 1) : (FState & ~1);
  if (State == FState) return;
  FState = State;
  Paint();
}

void TArrowButton::Paint() {
  HWND Self = WindowHandle();
  if (!Self || !FHandle || !FOwnerSkin) return;
  RECT Picker;
  GetWindowRect(FHandle, &Picker);
  RECT Client;
  GetClientRect(Self, &Client);
  const RECT Face{0, 0, Client.right, std::max(static_cast<int>(Picker.bottom - Picker.top) - 4, 0)};
  TClientDC SelfDC(Self);
  const HDC DC = SelfDC.Get();
  if (!DC) return;
  FillColor(DC, Face, FOwnerSkin->SchemeColor(csButtonFace));
  TSkinData* Data = FOwnerSkin->FSkinData;
  TDataSkinObject* Arrow = Data ? Data->ComboxArrow.get() : nullptr;
  if (!HasImage(Arrow) || Face.right <= 0 || Face.bottom <= 0) return;
  const int Count = std::max(Arrow->FrameCount, 1);
  const int FrameW = Arrow->Bitmap->Width() / Count;
  if (FrameW <= 0) return;
  const int Frame = std::min((FState & 1) ? 4 : 1, Count);
  SetStretchBltMode(DC, COLORONCOLOR);
  StretchBlt(DC, 0, 0, Face.right, Face.bottom, Arrow->Bitmap->Canvas()->Handle(), (Frame - 1) * FrameW, 0,
             FrameW, Arrow->Bitmap->Height(), SRCCOPY);
}

void TArrowButton::WndProc(TMessage& Message) {
  try {
    switch (Message.Msg) {
      case WM_PAINT: {
        PAINTSTRUCT Ps;
        if (BeginPaint(WindowHandle(), &Ps)) EndPaint(WindowHandle(), &Ps);
        Paint();
        return;
      }
      case WM_ERASEBKGND:
        Message.Result = 1;
        return;
      case CM_MOUSEENTER:
        if (PickerEnabled()) SetHot(true);
        break;
      case CM_MOUSELEAVE:
        if (PickerEnabled()) SetHot(false);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        // The picker opens its drop-down from a click at the same place of its own button.
        const POINT P = PointOf(Message.LParam);
        const LPARAM At = MAKELPARAM(P.x + Left(), P.y + Top());
        if (FHandle) {
          PostMessageW(FHandle, WM_LBUTTONDOWN, MK_LBUTTON, At);
          PostMessageW(FHandle, WM_LBUTTONUP, 0, At);
        }
        Paint();
        return;
      }
      case WM_LBUTTONUP:
        if (FHandle && IsWindow(FHandle)) ::SetFocus(FHandle);
        return;
    }
  } catch (...) {
    // The button only stands in for the picker's: a failure leaves the message to the default path.
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TSkinDateTime

TSkinDateTime::~TSkinDateTime() {
  // The picker's window goes back before the button is destroyed (destroying a child messages it).
  Unhook();
  DropArrow();
}

void TSkinDateTime::DropArrow() {
  if (!FArrow) return;
  if (FArrow->FClipAdded && FStatus != kControlDestroyed && FHandle && IsWindow(FHandle)) {
    const LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    SetWindowLongPtrW(FHandle, GWL_STYLE, Style & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  }
  FArrow.reset();
}

void TSkinDateTime::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  if (!LiveHandle()) return;
  FArrow = std::make_unique<TArrowButton>(nullptr);
  try {
    FArrow->Attach(this, FControl);
  } catch (...) {
    FArrow.reset();  // no window for the button: the picker keeps its own
  }
}

void TSkinDateTime::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  if (FInited) return;
  TSkinControl::Inithwnd(Handle, SkinData, Canvas, FormSkin);
  if (!LiveHandle() || !FInited) return;
  FArrow = std::make_unique<TArrowButton>(nullptr);
  try {
    FArrow->Attach(this, Handle);
  } catch (...) {
    FArrow.reset();
  }
}

void TSkinDateTime::Unsubclass() {
  if (!FActive) return;
  TSkinControl::Unsubclass();
  // The picker shows its own button again.
  if (FStatus != kControlDestroyed) DropArrow();
}

void TSkinDateTime::AfterProc(TMessage& Message) {
  if (Message.Msg == WM_SIZE && FArrow) {
    FArrow->Repaint();
    return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinDateTime::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC) return;
  if (FArrow) FArrow->MoveArrow(Rect);
  RECT Client;
  GetClientRect(Wnd, &Client);
  if (Client.right >= Rect.right - Rect.left || Client.bottom >= Rect.bottom - Rect.top) return;
  FrameColor(DC, Rect, SchemeColor(csButtonShadow));
  RECT Inner = Rect;
  InflateRect(&Inner, -1, -1);
  FrameColor(DC, Inner, kWhite);
}
