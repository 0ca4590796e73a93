// Scroll-bar overlays, the skin objects that own them, and the combo list's bar.
#include "skin/controls/SkinScrollbars.h"

#include <algorithm>
#include <initializer_list>
#include <memory>

#include "framework/core/TypInfo.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinPaint.h"

namespace {

constexpr TColor kKeyColor = 0xFF00FF;

bool HasScrollSkin(TSkinData* Data) {
  return Data && Data->Scrollbar && Data->Scrollbar->Bitmap && !Data->Scrollbar->Bitmap->Empty();
}

// A rectangle along the bar from A to B, Cross wide across it.
RECT Along(bool Vertical, int A, int B, int Cross) {
  return Vertical ? RECT{0, A, Cross, B} : RECT{A, 0, B, Cross};
}

void DrawElementRect(HDC DC, const RECT& R, TDataSkinObject* Element, int Frame, int FrameCount, int Trans,
                     int Tile) {
  if (!Element || !Element->Bitmap || Element->Bitmap->Empty()) return;
  DrawRect2(DC, R, Element->Bitmap.get(), Element->Margins, Frame, std::max(FrameCount, 1),
            Trans == 1 ? 1 : 0, Tile, 0);
}

// A frame of the 23-frame "Scrollbar" strip stretched over R with magenta transparent.
void DrawStripPart(HDC DC, const RECT& R, TDataSkinObject* Strip, int Frame) {
  if (R.right <= R.left || R.bottom <= R.top) return;
  const int Count = std::max(Strip->FrameCount, 1);
  const int FrameW = Strip->Bitmap->Width() / Count;
  if (FrameW <= 0) return;
  const int Index = std::clamp(Frame, 1, Count);
  TBitmap Part(R.right - R.left, R.bottom - R.top);
  HDC PartDC = Part.Canvas()->Handle();
  SetStretchBltMode(PartDC, COLORONCOLOR);
  StretchBlt(PartDC, 0, 0, R.right - R.left, R.bottom - R.top, Strip->Bitmap->Canvas()->Handle(),
             (Index - 1) * FrameW, 0, FrameW, Strip->Bitmap->Height(), SRCCOPY);
  DrawTranmap(DC, R, &Part, kKeyColor);
}

bool WindowVisible(HWND Wnd) {
  return Wnd && (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

using TOverlay = std::unique_ptr<TWScrollbar>;

// The overlay bars of a control whose window has just been given back (Status and WasActive as the
// unsubclassing left them). Over a destroyed window they are hidden at once, so that they do not stay
// behind over nothing, and go with their object; over a live window that was skinned they go now.
void ReleaseOverlays(int Status, bool WasActive, std::initializer_list<TOverlay*> Bars) {
  for (TOverlay* Bar : Bars) {
    if (!*Bar) continue;
    if (Status == kControlDestroyed)
      (*Bar)->HideScrollbar();
    else if (WasActive)
      Bar->reset();
  }
}

}  // namespace

int ScrollBarThickness(TSkinData* Data, int ArrowSize) {
  if (!HasScrollSkin(Data)) return 0;
  const int Height = Data->Scrollbar->Bitmap->Height();
  return std::abs(Height - ArrowSize) > 2 ? ArrowSize : Height;
}

std::unique_ptr<TBitmap> PaintScrollBarImage(TSkinData* Data, const TScrollBarLook& Look) {
  if (!HasScrollSkin(Data) || Look.Length <= 0 || Look.Cross <= 0) return nullptr;
  const bool V = Look.Vertical;
  const int W = V ? Look.Cross : Look.Length;
  const int H = V ? Look.Length : Look.Cross;
  auto Work = std::make_unique<TBitmap>();
  try {
    Work->SetSize(W, H);
  } catch (...) {
    return nullptr;  // no surface, no paint
  }
  if (Work->Empty()) return nullptr;
  HDC DC = Work->Canvas()->Handle();
  SetStretchBltMode(DC, COLORONCOLOR);
  FillColor(DC, RECT{0, 0, W, H}, Data->Colors[csButtonFace]);

  const int T = Look.Thickness;
  int A = Look.ArrowSize;
  const int Len = Look.Length;

  // Track between the arrows.
  TDataSkinObject* Track = V ? Data->VertScroll.get() : Data->HorzScroll.get();
  const int TrackTile = Data->HorzScroll ? Data->HorzScroll->Tile : 0;
  if (Track)
    DrawElementRect(DC, Along(V, A, Len - A, T), Track, Look.Enabled ? 1 : 3, 4, Track->Trans, TrackTile);

  // Arrows: half the bar each when it is shorter than two.
  if (Len < 2 * A) A = Len / 2;
  int First = V ? 9 : 1;
  int Second = V ? 13 : 5;
  if (Look.HotPart == kPartFirstArrow) First += Look.Pressed ? 1 : 3;
  if (Look.HotPart == kPartSecondArrow) Second += Look.Pressed ? 1 : 3;
  TDataSkinObject* Strip = Data->Scrollbar.get();
  DrawStripPart(DC, Along(V, 0, A, T), Strip, First);
  DrawStripPart(DC, Along(V, Len - A, Len, T), Strip, Second);

  // Thumb and grip, only on an enabled bar.
  if (Look.Enabled) {
    const bool ThumbPressed = Look.HotPart == kPartThumb && Look.Pressed;
    const bool ThumbHot = Look.HotPart == kPartThumb && !Look.Pressed;
    const int Start = Look.ThumbStart;
    const int End = Look.ThumbEnd;
    TDataSkinObject* Thumb = V ? Data->VertScrollThumb.get() : Data->HorzScrollThumb.get();
    TDataSkinObject* ThumbLook = Data->HorzScrollThumb ? Data->HorzScrollThumb.get() : Thumb;
    if (Thumb && ThumbLook && Start <= Len && End <= Len && End > Start)
      DrawElementRect(DC, Along(V, Start, End, T), Thumb,
                      ThumbPressed ? 2
                      : ThumbHot   ? 3
                                   : 1,
                      ThumbLook->FrameCount, ThumbLook->Trans, 0);
    // The grip needs a pixel of thumb on each side.
    const int G = Strip->Bitmap->Height();
    const int L = End - Start;
    if (G + 2 <= L) {
      const int GripStart = Start + (L - G) / 2;
      if (GripStart >= 0 && GripStart + G <= Len)
        DrawStripPart(DC, Along(V, GripStart, GripStart + G, T), Strip,
                      (V ? 20 : 17) + (ThumbPressed ? 1
                                       : ThumbHot   ? 2
                                                    : 0));
    }
  }
  return Work;
}

// ---------------------------------------------------------------------------------------------------
// TWScrollbar

TWScrollbar::TWScrollbar(TComponent* AOwner) : TWinControl(AOwner) {
  FVisible = false;
  FTabStop = false;
  FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

TWScrollbar::~TWScrollbar() = default;

TSkinData* TWScrollbar::SkinData() const {
  return FOwnerSkin ? FOwnerSkin->FSkinData : nullptr;
}

void TWScrollbar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = FParentWnd;
}

void TWScrollbar::Attach(TSkinControl* OwnerSkin, TWinControl* Control, int Kind) {
  FOwnerSkin = OwnerSkin;
  FTargetControl = Control;
  FKind = static_cast<std::uint8_t>(Kind);
  FTarget = Control ? Control->WindowHandle() : nullptr;
  if (OwnerSkin) SetColor(OwnerSkin->GetParentColor(OwnerSkin->SchemeColor(csButtonFace)));
  if (Kind == 2)
    FOrientation = LowerCase(GetProperty(Control, "Kind")) == "sbhorizontal" ? 0 : 1;
  else
    FOrientation = Kind;
  FParentWnd = FTarget ? GetParent(FTarget) : nullptr;
  if (OwnerSkin && OwnerSkin->FSkinData) SetTag(OwnerSkin->FSkinData->DisableTag);
  SetPosition();
}

void TWScrollbar::AttachHwnd(TSkinControl* OwnerSkin, HWND Handle, int Kind) {
  FOwnerSkin = OwnerSkin;
  FTargetControl = nullptr;
  FKind = static_cast<std::uint8_t>(Kind);
  FTarget = Handle;
  if (OwnerSkin) SetColor(OwnerSkin->SchemeColor(csButtonFace));
  FOrientation = Kind == 2 ? 1 : Kind;
  FParentWnd = Handle ? GetParent(Handle) : nullptr;
  if (OwnerSkin && OwnerSkin->FSkinData) SetTag(OwnerSkin->FSkinData->DisableTag);
  SetPosition();
}

bool TWScrollbar::GetBarInfo(SCROLLBARINFO& Info) {
  Info = SCROLLBARINFO{};
  Info.cbSize = sizeof Info;
  if (!FTarget || !IsWindow(FTarget)) return false;
  if (FKind == 2) return GetControlInfo2(Info);
  return pGetScrollBarInfo && pGetScrollBarInfo(FTarget, FKind == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &Info);
}

bool TWScrollbar::GetControlInfo(SCROLLBARINFO& Info) {
  if (FKind != 2 || !FTargetControl || !FTarget) return false;
  RECT Client;
  GetClientRect(FTarget, &Client);
  MapWindowPoints(FTarget, HWND_DESKTOP, reinterpret_cast<POINT*>(&Client), 2);
  Info.rcScrollBar = Client;
  FLength = FOrientation == 0 ? Client.right - Client.left : Client.bottom - Client.top;
  const int Position = GetIntProperty(FTargetControl, "Position");
  const int Min = GetIntProperty(FTargetControl, "Min");
  const int Max = GetIntProperty(FTargetControl, "Max");
  const int Page = GetIntProperty(FTargetControl, "PageSize");
  const int A = FArrowSize;
  const int R = Max - Min;
  int Start = A;
  int Length = A;
  if (R != 0) {
    if (Page > 0) {
      Length = MulDiv(FLength - 2 * A, Page - 1, R);
      Start = A + MulDiv(FLength - 2 * A, Position - Min, R);
    } else {
      Start = A + MulDiv(FLength - 3 * A, Position - Min, R);
    }
  }
  if (Position == Min) Start = A;
  Info.xyThumbTop = Start;
  Info.xyThumbBottom = Start + Length;
  if (!FTargetControl->Enabled()) Info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (!FTargetControl->Visible()) Info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  return true;
}

bool TWScrollbar::GetControlInfo2(SCROLLBARINFO& Info) {
  if (FKind != 2 || !FTargetControl || !FTarget) return false;
  Info.rcScrollBar = FTargetControl->BoundsRect();
  FLength = FOrientation == 0 ? FTargetControl->Width() : FTargetControl->Height();
  SCROLLINFO Scroll{};
  Scroll.cbSize = sizeof Scroll;
  Scroll.fMask = SIF_ALL;
  if (!GetScrollInfo(FTarget, SB_CTL, &Scroll)) return false;
  const int A = FArrowSize;
  int R = Scroll.nMax - Scroll.nMin;
  if (R == 0) R = 9999999;
  const int Offset = Scroll.nPos - Scroll.nMin;
  int Start = A;
  int Length = A;
  if (Scroll.nPage > 0) {
    Length = MulDiv(FLength - 2 * A, static_cast<int>(Scroll.nPage) - 1, R);
    Start = A + MulDiv(FLength - 2 * A, Offset, R);
    if (Length < 8) {
      Length = 8;
      Start = A + MulDiv(FLength - 2 * A - 8, Offset, R);
    }
  } else {
    Start = A + MulDiv(FLength - 3 * A, Offset, R);
  }
  if (Scroll.nPos == Scroll.nMin) Start = A;
  Info.xyThumbTop = Start;
  Info.xyThumbBottom = Start + Length;
  if (!IsWindowEnabled(FTarget)) Info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (!WindowVisible(FTarget)) Info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  return true;
}

void TWScrollbar::SetPosition(HWND) {
  SCROLLBARINFO Info;
  if (!GetBarInfo(Info) || !WindowVisible(FTarget) || (Info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    HideScrollbar();
    return;
  }
  const RECT Bar = Info.rcScrollBar;
  const int W = Bar.right - Bar.left;
  const int H = Bar.bottom - Bar.top;
  if (W <= 0 || H <= 0) {
    HideScrollbar();
    return;
  }
  FLength = FOrientation == 0 ? W : H;
  POINT At{Bar.left, Bar.top};
  if (FKind == 2) {
    FBarRect = RECT{0, 0, W, H};
  } else {
    FBarOrigin = At;
    FBarRect = Bar;
    MapWindowPoints(HWND_DESKTOP, FTarget, reinterpret_cast<POINT*>(&FBarRect), 2);
    if (FParentWnd) ::ScreenToClient(FParentWnd, &At);
  }
  try {
    HandleNeeded();
  } catch (...) {
    return;  // no window for the overlay: the system's bar stays as it is
  }
  HWND Self = WindowHandle();
  if (!Self) return;
  FShown = true;
  FVisible = true;
  // Already in place, shown and just above the target: moving it again would only invalidate the
  // target's frame, whose repaint calls us again.
  RECT Now;
  GetWindowRect(Self, &Now);
  if (FParentWnd) MapWindowPoints(HWND_DESKTOP, FParentWnd, reinterpret_cast<POINT*>(&Now), 2);
  if (IsWindowVisible(Self) && GetWindow(Self, GW_HWNDNEXT) == FTarget && Now.left == At.x &&
      Now.top == At.y && Now.right - Now.left == W && Now.bottom - Now.top == H)
    return;
  HWND Before = GetWindow(FTarget, GW_HWNDPREV);
  UINT Flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (Before == Self) Flags |= SWP_NOZORDER;
  SetWindowPos(Self, Before && Before != Self ? Before : HWND_TOP, At.x, At.y, W, H, Flags);
  MoveWindow(Self, At.x, At.y, W, H, TRUE);
}

void TWScrollbar::HideScrollbar() {
  if (HWND Self = WindowHandle()) ShowWindow(Self, SW_HIDE);
  FShown = false;
  FVisible = false;
}

int TWScrollbar::GetScrollPos(POINT Point) const {
  const int A = FOrientation == 0 ? Point.x : Point.y;
  if (A < FArrowSize) return kPartFirstArrow;
  if (A < FThumbStart) return kPartPageBefore;
  if (A < FThumbEnd) return kPartThumb;
  if (A < FLength - FArrowSize) return kPartPageAfter;
  return kPartSecondArrow;
}

int TWScrollbar::GetThumb() {
  POINT Cursor;
  GetCursorPos(&Cursor);
  const int L = FThumbEnd - FThumbStart;
  const int Moved = FOrientation == 0 ? Cursor.x - FPressPoint.x : Cursor.y - FPressPoint.y;
  int Start = FPressThumbTop + Moved;
  Start = std::min(Start, FLength - FArrowSize - L);
  Start = std::max(Start, FArrowSize);
  FThumbStart = Start;
  FThumbEnd = Start + L;
  return Start;
}

void TWScrollbar::SetHotPart(int Part) {
  if (FHotPart == Part) return;
  FHotPart = Part;
  Repaint();
}

void TWScrollbar::Repaint() {
  if (!WindowHandle() || !FShown) return;
  Paint();
}

void TWScrollbar::Paint() {
  HWND Self = WindowHandle();
  TSkinData* Data = SkinData();
  if (!Self || !HasScrollSkin(Data)) return;
  SCROLLBARINFO Info;
  if (!GetBarInfo(Info) || (Info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  const bool Enabled = (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
  const int W = Info.rcScrollBar.right - Info.rcScrollBar.left;
  const int H = Info.rcScrollBar.bottom - Info.rcScrollBar.top;
  RECT Client;
  GetClientRect(Self, &Client);
  if (W < 0 || H < 0 || W > Client.right || H > Client.bottom) return;
  const bool Vertical = FOrientation == 1;
  FLength = Vertical ? H : W;

  TScrollBarLook Look;
  Look.Vertical = Vertical;
  Look.Enabled = Enabled;
  Look.Length = FLength;
  Look.Thickness = ScrollBarThickness(Data, FArrowSize);
  Look.Cross = FKind == 2 ? Look.Thickness : (Vertical ? W : H);
  Look.ArrowSize = FArrowSize;
  if (FPressed && FHotPart == kPartThumb && FKind != 2) {
    GetThumb();
  } else {
    FThumbStart = Info.xyThumbTop;
    FThumbEnd = Info.xyThumbBottom;
  }
  Look.ThumbStart = FThumbStart;
  Look.ThumbEnd = FThumbEnd;
  Look.HotPart = FHotPart;
  Look.Pressed = FPressed;
  auto Work = PaintScrollBarImage(Data, Look);
  if (!Work) return;
  TClientDC DC(Self);
  if (!DC) return;
  if (FKind == 2) {
    SetStretchBltMode(DC.Get(), COLORONCOLOR);
    StretchBlt(DC.Get(), 0, 0, Client.right, Client.bottom, Work->Canvas()->Handle(), 0, 0, Work->Width(),
               Work->Height(), SRCCOPY);
  } else {
    BitBlt(DC.Get(), 0, 0, Work->Width(), Work->Height(), Work->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
}

void TWScrollbar::MouseDown(TMessage& Message) {
  POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  GetCursorPos(&FPressPoint);
  SCROLLBARINFO Info;
  if (GetBarInfo(Info)) {
    FPressThumbTop = Info.xyThumbTop;
    FThumbStart = Info.xyThumbTop;
    FThumbEnd = Info.xyThumbBottom;
    // The bar's place on the screen now (the form may have moved since it was placed).
    if (FKind != 2) FBarOrigin = POINT{Info.rcScrollBar.left, Info.rcScrollBar.top};
  }
  FHotPart = GetScrollPos(P);
  FPressed = true;
  Repaint();
  ReleaseCapture();
  HWND Target = FTarget;
  if (FKind == 2) {
    SendMessageW(Target, WM_LBUTTONDOWN, MK_LBUTTON, Message.LParam);
  } else {
    const POINT Screen{P.x + FBarOrigin.x, P.y + FBarOrigin.y};
    SendMessageW(Target, WM_NCLBUTTONDOWN, FKind == 0 ? HTHSCROLL : HTVSCROLL,
                 MAKELPARAM(Screen.x, Screen.y));
  }
  // The system's tracking ran inside that call.
  FPressed = false;
  ReleaseCapture();
  if (FKind == 2) Repaint();
}

void TWScrollbar::MouseUp(TMessage& Message) {
  FPressed = false;
  ReleaseCapture();
  if (FKind == 2) {
    PostMessageW(FTarget, WM_LBUTTONUP, 0, Message.LParam);
    Repaint();
  } else {
    const POINT Screen{static_cast<short>(LOWORD(Message.LParam)) + FBarOrigin.x,
                       static_cast<short>(HIWORD(Message.LParam)) + FBarOrigin.y};
    PostMessageW(FTarget, WM_NCLBUTTONUP, FKind == 0 ? HTHSCROLL : HTVSCROLL, MAKELPARAM(Screen.x, Screen.y));
  }
}

void TWScrollbar::WndProc(TMessage& Message) {
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
      case WM_MOUSEMOVE: {
        const POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
        SetHotPart(GetScrollPos(P));
        DoTrackMouse(WindowHandle());
        break;
      }
      case WM_MOUSELEAVE:
        if (!FPressed) SetHotPart(kPartNone);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        MouseDown(Message);
        return;
      case WM_LBUTTONUP:
        MouseUp(Message);
        return;
    }
  } catch (...) {
    // The overlay only mirrors the bar: a failure here leaves the message to the default handling.
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TSkinScrollbar

TSkinScrollbar::~TSkinScrollbar() {
  // The window is given back before the overlays go: destroying them sends the window messages that
  // must not reach an object half taken apart.
  Unhook();
  FHorzBar.reset();
  FVertBar.reset();
}

void TSkinScrollbar::InitScrollbar(TControl* Control, TSkinData* SkinData, TCanvas* Canvas,
                                   TRuzIzivForm* FormSkin) {
  if (FInited || !Control) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FControl = Control;
  auto* Win = dynamic_cast<TWinControl*>(Control);
  if (Win) {
    try {
      FHandle = Win->Handle();
    } catch (...) {
      FHandle = nullptr;
    }
  }
  FUnicode = FHandle && IsWindowUnicode(FHandle);
  AttachForm(FormSkin);
  FDrawBorder = LowerCase(GetProperty(Control, "BorderStyle")) != "bsnone";
  if (SameText(Control->ClassName(), "TImageScrollBox") || FNoMouseDown == 1) FDrawBorder = false;
  if (const TPropInfo* Fixed = GetPropInfo(Control, "FixedColor"); Fixed && Fixed->IsOrdinal()) {
    FSavedColor = static_cast<TColor>(GetIntProperty(Control, "FixedColor"));
    FSetColor = true;
    FFixedColorSet = true;
  }
  if (const TPropInfo* Text = GetPropInfo(Control, "FixedTextColor"); Text && Text->IsOrdinal()) {
    FSavedFixedTextColor = static_cast<TColor>(GetIntProperty(Control, "FixedTextColor"));
    FFixedTextColorSet = true;
  }
  SetFixedColors();
  FHorzBar = std::make_unique<TWScrollbar>(nullptr);
  FVertBar = std::make_unique<TWScrollbar>(nullptr);
  FHorzBar->Attach(this, Win, 0);
  FVertBar->Attach(this, Win, 1);
  const bool Enabled = Control->Enabled();
  for (TWScrollbar* Bar : {FHorzBar.get(), FVertBar.get()}) {
    if (HWND W = Bar->WindowHandle()) EnableWindow(W, Enabled);
    if (!Control->Visible()) Bar->HideScrollbar();
  }
  HookControl(Control);
  FInited = true;
  FStatus = kControlInited;
}

void TSkinScrollbar::DrawBorder(HDC DC, const RECT& Rect) {
  if (!DC) return;
  RECT R = Rect;
  TGdiBrush Shadow(CreateSolidBrush(ColorToRGB(SchemeColor(csButtonShadow))));
  FrameRect(DC, &R, Shadow.Get());
  InflateRect(&R, -1, -1);
  TGdiBrush Face(CreateSolidBrush(ColorToRGB(SchemeColor(csButtonFace))));
  FrameRect(DC, &R, Face.Get());
}

bool TSkinScrollbar::BeforeProc(TMessage& Message) {
  if (Message.Msg == WM_NCPAINT && FDrawBorder) {
    Default(Message);
    if (HWND Wnd = LiveHandle()) {
      RECT R;
      GetWindowRect(Wnd, &R);
      OffsetRect(&R, -R.left, -R.top);
      TWholeWindowDC WindowDC(Wnd);
      DrawBorder(WindowDC.Get(), R);
    }
    return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinScrollbar::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      FScrollFlag = true;
      if (FHorzBar) FHorzBar->SetPosition();
      if (FVertBar) FVertBar->SetPosition();
      return;
    case WM_HSCROLL:
      if (FHorzBar) FHorzBar->SetHotPart(LOWORD(Message.WParam));
      return;
    case WM_VSCROLL:
      if (FVertBar) FVertBar->SetHotPart(LOWORD(Message.WParam));
      return;
    case WM_MOUSEWHEEL:
      for (TWScrollbar* Bar : {FHorzBar.get(), FVertBar.get()})
        if (Bar && Bar->FShown) Bar->Repaint();
      return;
    case CM_VISIBLECHANGED:
      for (TWScrollbar* Bar : {FHorzBar.get(), FVertBar.get()}) {
        if (!Bar) continue;
        if (Message.WParam)
          Bar->SetPosition();
        else
          Bar->HideScrollbar();
      }
      return;
    case CM_ENABLEDCHANGED:
      for (TWScrollbar* Bar : {FHorzBar.get(), FVertBar.get()})
        if (Bar && Bar->WindowHandle() && FControl) EnableWindow(Bar->WindowHandle(), FControl->Enabled());
      return;
    case CM_RECREATEWND:
      if (FFormSkin && FFormSkin->FHandle)
        PostMessageW(FFormSkin->FHandle, WM_SKIN_RECREATED, reinterpret_cast<WPARAM>(FHandle), 0);
      return;
    case WM_SKIN_PAINTNC:
      if (Message.LParam == kSkinMarker) {
        if (Message.WParam && LiveHandle()) {
          RECT R;
          GetWindowRect(FHandle, &R);
          OffsetRect(&R, -R.left, -R.top);
          DrawBorder(reinterpret_cast<HDC>(Message.WParam), R);
        }
        Message.Result = kSkinMarker;
        return;
      }
      break;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinScrollbar::DrawControl(HDC DC, const RECT&) {
  HWND Wnd = LiveHandle();
  if (!Wnd) return;
  const LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  if (FHorzBar) {
    if (FHorzBar->FShown)
      FHorzBar->Repaint();
    else if (Style & WS_HSCROLL)
      FHorzBar->SetPosition();
  }
  if (FVertBar) {
    if (FVertBar->FShown)
      FVertBar->Repaint();
    else if (Style & WS_VSCROLL)
      FVertBar->SetPosition();
  }
  if (DC && FHorzBar && FVertBar && FHorzBar->FShown && FVertBar->FShown) {
    const RECT Corner{FVertBar->FBarRect.left + 2, FHorzBar->FBarRect.top + 2, FVertBar->FBarRect.right + 2,
                      FHorzBar->FBarRect.bottom + 2};
    FillBG(DC, Corner);
  }
}

void TSkinScrollbar::SetFixedColors() {
  if (!FControl) return;
  if (FFixedColorSet)
    SetProperty(FControl, "FixedColor", IntToStr(static_cast<std::int32_t>(SchemeColor(csButtonFace))));
  if (FFixedTextColorSet)
    SetProperty(FControl, "FixedTextColor", IntToStr(static_cast<std::int32_t>(SchemeColor(csButtonText))));
}

void TSkinScrollbar::SkinChange() {
  if (FFixedColorSet || FFixedTextColorSet)
    SetFixedColors();
  else if (FSetColor && FControl)
    FControl->SetColor(SchemeColor(csButtonFace));
  Invalidate();
}

void TSkinScrollbar::Unsubclass() {
  if (FFixedColorSet) {
    // The saved colour is the grid's fixed colour, not its Color.
    if (FControl && FStatus != kControlDestroyed)
      SetProperty(FControl, "FixedColor", IntToStr(static_cast<std::int32_t>(FSavedColor)));
    FFixedColorSet = false;
    FSetColor = false;
  }
  if (FFixedTextColorSet) {
    if (FControl && FStatus != kControlDestroyed)
      SetProperty(FControl, "FixedTextColor", IntToStr(static_cast<std::int32_t>(FSavedFixedTextColor)));
    FFixedTextColorSet = false;
  }
  const bool WasActive = FActive;
  TSkinControl::Unsubclass();
  ReleaseOverlays(FStatus, WasActive, {&FHorzBar, &FVertBar});
}

// ---------------------------------------------------------------------------------------------------
// TSkinScrollbarH

TSkinScrollbarH::~TSkinScrollbarH() {
  // The window is given back before the overlays go: destroying them sends the window messages that
  // must not reach an object half taken apart.
  Unhook();
  FHorzBar.reset();
  FVertBar.reset();
}

void TSkinScrollbarH::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  if (FInited || !Handle || !IsWindow(Handle)) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FHandle = Handle;
  FEnabled = true;
  AttachForm(FormSkin);
  FHorzBar = std::make_unique<TWScrollbar>(nullptr);
  FVertBar = std::make_unique<TWScrollbar>(nullptr);
  FHorzBar->AttachHwnd(this, Handle, 0);
  FVertBar->AttachHwnd(this, Handle, 1);
  // Hooked with the calls that match the window, so that it gets exactly its procedure back (a Unicode
  // window hooked through the 8-bit calls stays an 8-bit window after it is given back).
  FUnicode = IsWindowUnicode(Handle) != FALSE;
  HookWindow(Handle, FUnicode);
  FInited = true;
  FStatus = kControlInited;
}

bool TSkinScrollbarH::BeforeProc(TMessage& Message) {
  return TSkinControl::BeforeProc(Message);
}

void TSkinScrollbarH::AfterProc(TMessage& Message) {
  HWND Wnd = LiveHandle();
  if (Wnd && !WindowVisible(Wnd)) {
    // Both overlays go with a hidden window.
    if (FVertBar) FVertBar->HideScrollbar();
    if (FHorzBar) FHorzBar->HideScrollbar();
  }
  switch (Message.Msg) {
    case WM_SIZE:
      if (FHorzBar) FHorzBar->SetPosition();
      if (FVertBar) FVertBar->SetPosition();
      Invalidate();
      return;
    case WM_NCPAINT:
      // Bars and corner are painted at once, without invalidating the client: a window that updates
      // its scroll bars while it paints (an edit does) would otherwise repaint itself without end.
      if (FHorzBar) FHorzBar->SetPosition();
      if (FVertBar) FVertBar->SetPosition();
      PaintControl(nullptr);
      return;
    case WM_HSCROLL:
      if (FHorzBar) FHorzBar->SetHotPart(LOWORD(Message.WParam));
      return;
    case WM_VSCROLL:
      if (FVertBar) FVertBar->SetHotPart(LOWORD(Message.WParam));
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinScrollbarH::DrawControl(HDC DC, const RECT&) {
  for (TWScrollbar* Bar : {FHorzBar.get(), FVertBar.get()})
    if (Bar && Bar->FShown) Bar->Repaint();
  if (DC && FHorzBar && FVertBar && FHorzBar->FShown && FVertBar->FShown) {
    const RECT Corner{FVertBar->FBarRect.left, FHorzBar->FBarRect.top, FVertBar->FBarRect.right + 2,
                      FHorzBar->FBarRect.bottom + 2};
    FillBG(DC, Corner);
  }
}

void TSkinScrollbarH::Unsubclass() {
  const bool WasActive = FActive;
  TSkinControl::Unsubclass();
  ReleaseOverlays(FStatus, WasActive, {&FHorzBar, &FVertBar});
}

// ---------------------------------------------------------------------------------------------------
// TSkinScControl

TSkinScControl::~TSkinScControl() {
  // The window is given back before the overlays go: destroying them sends the window messages that
  // must not reach an object half taken apart.
  Unhook();
  FBar.reset();
}

void TSkinScControl::InitScrollbar(TControl* Control, TSkinData* SkinData, TCanvas* Canvas,
                                   TRuzIzivForm* FormSkin) {
  if (FInited || !Control) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FControl = Control;
  auto* Win = dynamic_cast<TWinControl*>(Control);
  if (Win) {
    try {
      FHandle = Win->Handle();
    } catch (...) {
      FHandle = nullptr;
    }
  }
  FUnicode = FHandle && IsWindowUnicode(FHandle);
  AttachForm(FormSkin);
  FBar = std::make_unique<TWScrollbar>(nullptr);
  SetProperty(FBar.get(), "ShowHint", GetProperty(Control, "ShowHint"));
  SetProperty(FBar.get(), "Hint", String(Utf16ToUtf8(GetStringProp(Control, "Hint"))));
  FBar->Attach(this, Win, 2);
  if (!Control->Visible()) FBar->HideScrollbar();
  HookControl(Control);
  FInited = true;
  FStatus = kControlInited;
}

bool TSkinScControl::BeforeProc(TMessage& Message) {
  return TSkinControl::BeforeProc(Message);
}

void TSkinScControl::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (FBar) FBar->SetPosition();
      return;
    case WM_NCPAINT:
      // The control's window may have been re-created.
      if (auto* Win = WinControl(); Win && Win->WindowHandle()) FHandle = Win->WindowHandle();
      if (FBar) {
        FBar->FTarget = FHandle;
        FBar->SetPosition();
      }
      return;
    case SBM_SETSCROLLINFO:
    case CN_BASE + WM_VSCROLL:
    case CN_BASE + WM_HSCROLL:
      if (FBar) FBar->Repaint();
      return;
    case CM_VISIBLECHANGED:
      if (FBar) {
        if (Message.WParam)
          FBar->SetPosition();
        else
          FBar->HideScrollbar();
      }
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinScControl::DrawControl(HDC, const RECT&) {
  if (FBar) FBar->Repaint();
}

void TSkinScControl::Unsubclass() {
  const bool WasActive = FActive;
  TSkinControl::Unsubclass();
  ReleaseOverlays(FStatus, WasActive, {&FBar});
}

// ---------------------------------------------------------------------------------------------------
// TComboxScrollBar

TComboxScrollBar::TComboxScrollBar(TComponent* AOwner) : TSkinControl(AOwner) {
  FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

bool TComboxScrollBar::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCPAINT:
      return true;  // the system paints, the skin paints over it afterwards
    case WM_NCMOUSEMOVE:
      if (Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL) return false;
      break;
    case WM_NCLBUTTONDOWN:
      if (NCLButtonDown(Message)) return false;
      break;
  }
  return TSkinControl::BeforeProc(Message);
}

void TComboxScrollBar::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case 0x1AE:  // the list starts tracking
      PaintControl(nullptr);
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TComboxScrollBar::DrawControl(HDC DC, const RECT& Rect) {
  PaintScrollbar(DC, Rect, true);
}

void TComboxScrollBar::PaintScrollbar(HDC DC, const RECT&, bool Vertical) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !HasScrollSkin(FSkinData)) return;
  SCROLLBARINFO Info{};
  Info.cbSize = sizeof Info;
  if (!pGetScrollBarInfo || !pGetScrollBarInfo(Wnd, Vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &Info)) return;
  if (Info.rgstate[0] & STATE_SYSTEM_INVISIBLE) return;
  RECT Window;
  GetWindowRect(Wnd, &Window);
  const int W = Info.rcScrollBar.right - Info.rcScrollBar.left;
  const int H = Info.rcScrollBar.bottom - Info.rcScrollBar.top;
  if (W <= 0 || H <= 0) return;
  // The bar's own length: a list with a border has a bar shorter than the window.
  FLength = Vertical ? H : W;
  TScrollBarLook Look;
  Look.Vertical = Vertical;
  Look.Enabled = (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
  Look.Length = FLength;
  Look.Cross = Vertical ? W : H;
  Look.Thickness = ScrollBarThickness(FSkinData, FArrowSize);
  Look.ArrowSize = FArrowSize;
  Look.ThumbStart = Info.xyThumbTop;
  Look.ThumbEnd = Info.xyThumbBottom;
  Look.HotPart = FHotPart;
  Look.Pressed = FPressed;
  auto Work = PaintScrollBarImage(FSkinData, Look);
  if (!Work) return;
  BitBlt(DC, Info.rcScrollBar.left - Window.left, Info.rcScrollBar.top - Window.top, W, H,
         Work->Canvas()->Handle(), 0, 0, SRCCOPY);
}

int TComboxScrollBar::DragPosition(int Offset, int Track, int ThumbLength, const SCROLLINFO& Info) {
  const int Min = Info.nMin;
  const int Max = Info.nMax;
  const int Page = static_cast<int>(Info.nPage);
  Offset = std::max(Offset, 0);
  int Position;
  if (Page > 0) {
    if (Offset > Track - ThumbLength) Offset = Track - ThumbLength + 1;
    const int Span = Track - ThumbLength;
    Position = Span > 0 ? Min + MulDiv(Offset, Max - Min - Page, Span) : Min;
    if (Position >= Max - Page) Position = Max - Page + 1;
  } else {
    Offset = std::min(Offset, Track - ThumbLength);
    Position = Track > 0 ? Min + MulDiv(Offset, Max - Min, Track) : Min;
    Position = std::min(Position, Max);
  }
  return std::max(Position, Min);
}

bool TComboxScrollBar::NCLButtonDown(TMessage& Message) {
  HWND Wnd = LiveHandle();
  if (!Wnd || Message.WParam != HTVSCROLL || !pGetScrollBarInfo) return false;
  SCROLLBARINFO Bar{};
  Bar.cbSize = sizeof Bar;
  if (!pGetScrollBarInfo(Wnd, OBJID_VSCROLL, &Bar)) return false;
  const POINT Press{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  const int At = Press.y - Bar.rcScrollBar.top;
  if (At < Bar.xyThumbTop || At >= Bar.xyThumbBottom) return false;  // arrows and track: the system's

  SetCapture(Wnd);
  POINT Start;
  GetCursorPos(&Start);
  SCROLLINFO Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = SIF_ALL;
  GetScrollInfo(Wnd, SB_VERT, &Info);
  const int A = FArrowSize;
  const int Offset0 = Bar.xyThumbTop - A;
  const int Track = (Bar.rcScrollBar.bottom - Bar.rcScrollBar.top) - 2 * A;
  const int L = Bar.xyThumbBottom - Bar.xyThumbTop;
  int Position = Info.nPos;

  // Waits for messages; ends on a button-up, or as soon as another window takes the capture.
  MSG Msg;
  while (GetCapture() == Wnd) {
    if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (Msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(Msg.wParam));
      break;
    }
    if (Msg.message == WM_MOUSEMOVE || Msg.message == WM_NCMOUSEMOVE) {
      DispatchMessageW(&Msg);
      if (!IsWindow(Wnd) || FStatus == kControlDestroyed) return true;
      POINT Cursor;
      GetCursorPos(&Cursor);
      const int NewPosition = DragPosition(Offset0 + (Cursor.y - Start.y), Track, L, Info);
      if (NewPosition != Position) {
        Position = NewPosition;
        // Lists that read the tracking position from the bar rather than from the notification take
        // it from here, since no system tracking is running.
        SetScrollPos(Wnd, SB_VERT, Position, FALSE);
        SendMessageW(Wnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, Position), 0);
      }
      continue;
    }
    if (Msg.message == WM_LBUTTONUP || Msg.message == WM_NCLBUTTONUP) {
      SetScrollPos(Wnd, SB_VERT, Position, FALSE);
      SendMessageW(Wnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Position), 0);
      PostMessageW(Wnd, WM_VSCROLL, SB_ENDSCROLL, 0);
      break;
    }
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
    if (!IsWindow(Wnd) || FStatus == kControlDestroyed) return true;
  }
  if (GetCapture() == Wnd) ReleaseCapture();
  return true;
}
