#include "framework/win/controls/Controls.h"

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/ControlHints.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "framework/core/ScopedFlag.h"
#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/controls/WindowClass.h"
#include "framework/win/graphics/Colors.h"

namespace {

// The control whose window is being created on this thread: its first message attaches it.
thread_local TWinControl* g_creating = nullptr;
// How deep this thread is in framework window procedures; DCs lent to canvases outside a paint cycle
// are given back when the outermost one returns.
thread_local int g_dispatchDepth = 0;

bool IsButtonDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN || Msg == WM_LBUTTONDBLCLK ||
         Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT Msg) {
  return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP;
}

// Client mouse messages that a parent hands on to a windowless child (the wheel goes to the focus).
bool IsClientMouseMessage(UINT Msg) {
  return Msg == WM_MOUSEMOVE || IsButtonDown(Msg) || IsButtonUp(Msg);
}

}  // namespace

TOwnerDrawState OwnerDrawState(UINT ItemState) {
  TOwnerDrawState State;
  const struct {
    UINT Bit;
    TOwnerDrawStateFlag Flag;
  } Map[] = {{ODS_SELECTED, odSelected},
             {ODS_GRAYED, odGrayed},
             {ODS_DISABLED, odDisabled},
             {ODS_CHECKED, odChecked},
             {ODS_FOCUS, odFocused},
             {ODS_DEFAULT, odDefault},
             {ODS_HOTLIGHT, odHotLight},
             {ODS_INACTIVE, odInactive},
             {ODS_NOACCEL, odNoAccel},
             {ODS_NOFOCUSRECT, odNoFocusRect},
             {ODS_COMBOBOXEDIT, odComboBoxEdit}};
  for (const auto& Entry : Map)
    if (ItemState & Entry.Bit) State.Include(Entry.Flag);
  return State;
}

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState State;
  if (Keys & MK_SHIFT) State.Include(ssShift);
  if (Keys & MK_CONTROL) State.Include(ssCtrl);
  if (Keys & MK_LBUTTON) State.Include(ssLeft);
  if (Keys & MK_RBUTTON) State.Include(ssRight);
  if (Keys & MK_MBUTTON) State.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) State.Include(ssAlt);
  return State;
}

// ---------------------------------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* Owner) : TComponent(Owner), FFont(std::make_unique<TFont>()) {
  WindowProc = TWndMethod::Bind<&TControl::WndProc>(this);
  FFont->OnChange = TNotifyEvent::Bind<&TControl::FontChange>(this);
}

void TControl::Publish(TPublisher<TControl>& P) {
  P.Int("Left", &TControl::Left, &TControl::SetLeft);
  P.Int("Top", &TControl::Top, &TControl::SetTop);
  P.Int("Width", &TControl::Width, &TControl::SetWidth);
  P.Int("Height", &TControl::Height, &TControl::SetHeight);
  P.Enum("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
  P.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  P.Color("Color", &TControl::Color, &TControl::SetColor);
  P.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
  P.Obj("Font", &TControl::Font, &TControl::SetFont);
  P.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(1);
  P.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(1);
  P.Bool("Visible", &TControl::Visible, &TControl::SetVisible).Default(1);
  P.Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode).Default(bdLeftToRight);
  PublishPopupMenu(P);
  P.Str("Hint", &TControl::Hint, &TControl::SetHint);
  P.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(0);
  P.Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(1);
  P.Event("OnClick", &TControl::OnClick);
  P.Event("OnDblClick", &TControl::OnDblClick);
  P.Event("OnMouseDown", &TControl::OnMouseDown);
  P.Event("OnMouseUp", &TControl::OnMouseUp);
  P.Event("OnMouseMove", &TControl::OnMouseMove);
}

TComponent* TControl::GetParentComponent() const {
  return FParent;
}

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* Parent = dynamic_cast<TWinControl*>(Value)) SetParent(Parent);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FAlign != alNone) RequestAlign();
}

POINT TControl::ClientOrigin() const {
  if (auto* Win = dynamic_cast<const TWinControl*>(this); Win && Win->FHandle) {
    POINT Origin{0, 0};
    ::ClientToScreen(Win->FHandle, &Origin);
    return Origin;
  }
  POINT Origin{FLeft, FTop};
  if (FParent) {
    const POINT ParentOrigin = FParent->ClientOrigin();
    Origin.x += ParentOrigin.x;
    Origin.y += ParentOrigin.y;
  }
  return Origin;
}

POINT TControl::ClientToScreen(POINT Point) const {
  const POINT Origin = ClientOrigin();
  return {Point.x + Origin.x, Point.y + Origin.y};
}

POINT TControl::ScreenToClient(POINT Point) const {
  const POINT Origin = ClientOrigin();
  return {Point.x - Origin.x, Point.y - Origin.y};
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent && !FParent->FAligning) FParent->Realign();
}

void TControl::SetParentColor(bool Value) {
  FParentColor = Value;
  if (Value) TakeParentColor();
}

void TControl::TakeParentColor() {
  if (!FParentColor || !FParent || FColor == FParent->FColor) return;
  FColor = FParent->FColor;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::SetShowHint(bool Value) {
  FParentShowHint = false;
  if (FShowHint == Value) return;
  FShowHint = Value;
  if (auto* Win = dynamic_cast<TWinControl*>(this))
    for (TControl* Child : Win->FControls) Child->TakeParentShowHint();
}

void TControl::SetParentShowHint(bool Value) {
  FParentShowHint = Value;
  if (Value) TakeParentShowHint();
}

void TControl::TakeParentShowHint() {
  if (!FParentShowHint || !FParent || FShowHint == FParent->FShowHint) return;
  FShowHint = FParent->FShowHint;
  if (auto* Win = dynamic_cast<TWinControl*>(this))
    for (TControl* Child : Win->FControls) Child->TakeParentShowHint();
}

void TControl::SetParentFont(bool V) {
  FParentFont = V;
  if (V && FParent) {
    FTakingParentFont = true;
    FFont->Assign(FParent->Font());
    FTakingParentFont = false;
  }
}

void TControl::FontChange(TObject*) {
  // A font set on the control itself ends following the parent.
  if (!FTakingParentFont) FParentFont = false;
  FontChanged();
}

void TControl::FontChanged() {
  Perform(CM_FONTCHANGED);
  Invalidate();
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT Msg, WPARAM Wparam, LPARAM Lparam) {
  TMessage Message{Msg, Wparam, Lparam, 0};
  if (WindowProc)
    WindowProc(Message);
  else
    WndProc(Message);
  return Message.Result;
}

void TControl::SetParent(TWinControl* Parent) {
  if (Parent == FParent) return;
  if (Parent == this) throw std::invalid_argument("A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  if (Parent) {
    Parent->InsertControl(this);
    if (FParentFont) SetParentFont(true);
    TakeParentColor();
    TakeParentShowHint();
    if (FAlign != alNone) RequestAlign();
  }
}

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
  FLeft = Left;
  FTop = Top;
  FWidth = std::max(Width, 0);
  FHeight = std::max(Height, 0);
  BoundsChanged();
}

void TControl::BoundsChanged() {
  if (FAlign != alNone) RequestAlign();
  if (FParent) FParent->ControlBoundsChanged(this);
}

void TControl::SetClientSize(int Width, int Height) {
  const RECT Client = ClientRect();
  SetBounds(FLeft, FTop, FWidth + Width - Client.right, FHeight + Height - Client.bottom);
}

void TControl::SetVisible(bool V) {
  if (FVisible == V) return;
  FVisible = V;
  if (auto* Win = dynamic_cast<TWinControl*>(this)) Win->UpdateVisibility();
  Perform(CM_VISIBLECHANGED, V ? 1 : 0);
  if (FAlign != alNone) RequestAlign();
  if (FParent) FParent->ControlBoundsChanged(this);
}

void TControl::SetEnabled(bool V) {
  if (FEnabled == V) return;
  FEnabled = V;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const String& V) {
  if (GetText() == V) return;
  FText = V;
  if (auto* Win = dynamic_cast<TWinControl*>(this); Win && Win->HandleAllocated()) {
    // Through the message method, so that whoever sits in front of it sees the new text.
    const std::wstring Wide = Utf8ToWide(V);
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide.c_str()));
  }
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

String TControl::GetText() const {
  return FText;
}

void TControl::SetColor(TColor V) {
  if (FColor == V) return;
  FColor = V;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::SetBiDiMode(TBiDiMode V) {
  if (FBiDiMode == V) return;
  FBiDiMode = V;
  Perform(CM_BIDIMODECHANGED);
  Invalidate();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseMessage(TMessage& Message) {
  const int X = GET_X_LPARAM(Message.LParam), Y = GET_Y_LPARAM(Message.LParam);
  const TShiftState Shift = KeysToShiftState(Message.WParam);
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(Shift, X, Y);
      break;
    case WM_LBUTTONDBLCLK:
      if (FControlStyle.Contains(csDoubleClicks)) {
        DblClick();
        MouseDown(mbLeft, Shift + ssDouble, X, Y);
        break;
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      if (FControlStyle.Contains(csClickEvents)) FClicking = true;
      MouseDown(mbLeft, Shift, X, Y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(mbRight, Shift, X, Y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(mbMiddle, Shift, X, Y);
      break;
    case WM_LBUTTONUP: {
      const bool WasClicking = FClicking;
      FClicking = false;
      MouseUp(mbLeft, Shift, X, Y);
      const RECT Client = ClientRect();
      if (WasClicking && X >= 0 && Y >= 0 && X < Client.right && Y < Client.bottom) Click();
      break;
    }
    case WM_RBUTTONUP:
      MouseUp(mbRight, Shift, X, Y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, Shift, X, Y);
      break;
  }
}

void TControl::NoticeMouseEnter() {
  // A window notices the mouse coming itself; a windowless control is told by its parent.
  if (FMouseInControl) return;
  auto* Win = dynamic_cast<TWinControl*>(this);
  if (!Win || !Win->HandleAllocated()) return;
  FMouseInControl = true;
  TRACKMOUSEEVENT Track{};
  Track.cbSize = sizeof Track;
  Track.dwFlags = TME_LEAVE;
  Track.hwndTrack = Win->WindowHandle();
  TrackMouseEvent(&Track);
  Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      NoticeMouseEnter();
      break;
    case WM_MOUSELEAVE:
      if (FMouseInControl) {
        FMouseInControl = false;
        Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
      }
      break;
    case CM_PARENTCOLORCHANGED:
      TakeParentColor();
      return;
    case CM_MOUSEENTER:
      if (Message.LParam == reinterpret_cast<LPARAM>(this)) HintMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      HintMouseLeave(this);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
      CancelHint();
      break;
    case WM_CANCELMODE:
      FClicking = false;
      break;
  }
  if (IsClientMouseMessage(Message.Msg)) MouseMessage(Message);
  DefaultHandler(Message);
}

void TControl::DefaultHandler(TMessage&) {}

// ---------------------------------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* Owner) : TControl(Owner) {}

TWinControl::~TWinControl() {
  // Owned helpers (such as a skin object sitting in front of WindowProc) go while the window and
  // this object are whole, so that they can give back what they replaced.
  DestroyComponents();
  // Children still in the list are not owned elsewhere any more: they go with their parent.
  while (!FControls.empty()) {
    TControl* Child = FControls.back();
    RemoveControl(Child);
    delete Child;
  }
  DestroyHandle();
}

HBRUSH TWinControl::ColorBrush() {
  if (!FBrush || FBrushColor != FColor) {
    FBrush.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    FBrushColor = FColor;
  }
  return FBrush.Get();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (!FHandle) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  if (FParent) {
    FParent->HandleNeeded();  // creating the parent creates this window too
    if (FHandle) return;
  }
  CreateWnd();
  CreateChildren();
}

void TWinControl::CreateChildren() {
  for (TControl* Child : FControls)
    if (auto* Win = dynamic_cast<TWinControl*>(Child)) Win->CreateHandle();
  // New child windows go to the bottom; stack them so that the last in the list is on top.
  for (TControl* Child : FControls)
    if (auto* Win = dynamic_cast<TWinControl*>(Child); Win && Win->FHandle)
      SetWindowPos(Win->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = Utf8ToWide(FText);
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FVisible) Params.Style |= WS_VISIBLE;
  if (!FEnabled) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  if (UseRightToLeftReading()) Params.ExStyle |= WS_EX_RTLREADING;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = FParent ? FParent->FHandle : nullptr;
  Params.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  if ((Params.Style & WS_CHILD) && !Params.WndParent) throw std::logic_error("Control has no parent window");
  FDefWndProc = RegisterControlClass(Params);
  TWinControl* Outer = g_creating;
  g_creating = this;
  HWND Wnd = CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                             Params.Style, Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  g_creating = Outer;
  if (!Wnd) throw std::runtime_error("Error creating window");
  if (!FHandle) {  // a class that sent nothing during creation
    FHandle = Wnd;
    AttachControl(Wnd, this);
  }
  UpdateBounds();
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), FALSE);
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), TRUE);
  TControl::FontChanged();
  // Children that follow this font take the change.
  for (TControl* Child : FControls)
    if (Child->FParentFont) Child->SetParentFont(true);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  for (TControl* Child : FControls)
    if (Child->Owner() == Root) Proc(Child);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  FText = GetText();
  ::DestroyWindow(FHandle);
  if (FHandle) {  // WM_NCDESTROY did not come through (window owned by another thread)
    DetachControl(FHandle);
    FHandle = nullptr;
  }
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND);
}

void TWinControl::InsertControl(TControl* Control) {
  if (!Control || Control->FParent == this) return;
  FControls.push_back(Control);
  Control->FParent = this;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), 1);
  if (auto* Win = dynamic_cast<TWinControl*>(Control)) {
    if (FHandle) {
      Win->CreateHandle();
      SetWindowPos(Win->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  } else {
    Control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* Control) {
  auto It = std::find(FControls.begin(), FControls.end(), Control);
  if (It == FControls.end()) return;
  if (auto* Win = dynamic_cast<TWinControl*>(Control)) Win->DestroyHandle();  // a child window needs a parent
  if (FCaptureControl == Control) {
    FCaptureControl = nullptr;
    if (FHandle && GetCapture() == FHandle) ReleaseCapture();
  }
  if (FMouseControl == Control) FMouseControl = nullptr;
  const bool Windowless = !dynamic_cast<TWinControl*>(Control);
  const RECT Area = Control->BoundsRect();
  FControls.erase(It);
  Control->FParent = nullptr;
  if (!ComponentState().Contains(csDestroying)) {
    if (Windowless && FHandle) InvalidateRect(FHandle, &Area, TRUE);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), 0);
    if (Control->FAlign != alNone) Realign();
  }
}

TControl* TWinControl::ControlAtPos(POINT Point, bool AllowDisabled, bool AllowWinControls) const {
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
    TControl* Control = *It;
    if (!Control->FVisible || (!AllowDisabled && !Control->FEnabled)) continue;
    if (!AllowWinControls && dynamic_cast<TWinControl*>(Control)) continue;
    const RECT Bounds = Control->BoundsRect();
    if (PtInRect(&Bounds, Point)) return Control;
  }
  return nullptr;
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  if (!DC) return;
  RECT Clip{};
  const bool HasClip = GetClipBox(DC, &Clip) != ERROR;
  // A copy: a control's painting may not change the list under the loop.
  const std::vector<TControl*> Children = FControls;
  auto It = Children.begin();
  if (First) It = std::find(Children.begin(), Children.end(), First);
  for (; It != Children.end(); ++It) {
    TControl* Control = *It;
    if (dynamic_cast<TWinControl*>(Control) || !Control->FVisible) continue;
    const RECT Bounds = Control->BoundsRect();
    RECT Overlap;
    if (IsRectEmpty(&Bounds) || (HasClip && !IntersectRect(&Overlap, &Bounds, &Clip))) continue;
    TSaveDC Saved(DC);
    POINT Origin{};
    GetViewportOrgEx(DC, &Origin);
    SetViewportOrgEx(DC, Origin.x + Bounds.left, Origin.y + Bounds.top, nullptr);
    IntersectClipRect(DC, 0, 0, Control->FWidth, Control->FHeight);
    Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}

void TWinControl::Realign() {
  if (FAligning) return;
  bool Any = false;
  for (TControl* Child : FControls) Any = Any || (Child->FAlign != alNone && Child->FVisible);
  if (!Any) return;
  TScopedFlag Aligning(FAligning);
  RECT Free = ClientRect();
  AdjustClientRect(Free);
  for (TAlign Edge : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> Row;
    for (TControl* Child : FControls)
      if (Child->FAlign == Edge && Child->FVisible) Row.push_back(Child);
    // Nearest to the edge first, as they stand now.
    std::stable_sort(Row.begin(), Row.end(), [Edge](TControl* A, TControl* B) {
      switch (Edge) {
        case alTop:
          return A->FTop < B->FTop;
        case alBottom:
          return A->FTop + A->FHeight > B->FTop + B->FHeight;
        case alLeft:
          return A->FLeft < B->FLeft;
        case alRight:
          return A->FLeft + A->FWidth > B->FLeft + B->FWidth;
        default:
          return false;
      }
    });
    for (TControl* Child : Row) {
      const int W = std::max<int>(0, Free.right - Free.left), H = std::max<int>(0, Free.bottom - Free.top);
      switch (Edge) {
        case alTop:
          Child->SetBounds(Free.left, Free.top, W, Child->FHeight);
          Free.top += Child->FHeight;
          break;
        case alBottom:
          Child->SetBounds(Free.left, Free.bottom - Child->FHeight, W, Child->FHeight);
          Free.bottom -= Child->FHeight;
          break;
        case alLeft:
          Child->SetBounds(Free.left, Free.top, Child->FWidth, H);
          Free.left += Child->FWidth;
          break;
        case alRight:
          Child->SetBounds(Free.right - Child->FWidth, Free.top, Child->FWidth, H);
          Free.right -= Child->FWidth;
          break;
        default:
          Child->SetBounds(Free.left, Free.top, W, H);
          break;
      }
    }
  }
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  // Windowless children are painted where they say they are; windows are moved by the system.
  for (TControl* Child : FControls)
    if (!dynamic_cast<TWinControl*>(Child)) {
      Child->FLeft += DeltaX;
      Child->FTop += DeltaY;
    }
  if (FHandle)
    ScrollWindowEx(FHandle, DeltaX, DeltaY, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

bool TWinControl::OwnPainting() const {
  for (TControl* Child : FControls)
    if (!dynamic_cast<TWinControl*>(Child)) return true;
  return false;
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage Message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(Message);
}

void TWinControl::PaintHandler(TMessage& Message) {
  AnswerSelfPaint(Message, [this](HDC DC) {
    {
      TSaveDC Saved(DC);
      PaintWindow(DC);
    }
    PaintControls(DC, nullptr);
  });
}

void TWinControl::AnswerSelfPaint(TMessage& Message, const std::function<void(HDC DC)>& Paint) {
  Message.Result = 0;
  if (HDC Given = reinterpret_cast<HDC>(Message.WParam)) {
    Paint(Given);
    return;
  }
  struct TPaintCycle {
    HWND Wnd;
    PAINTSTRUCT Paints{};
    HDC DC;
    explicit TPaintCycle(HWND W) : Wnd(W), DC(BeginPaint(W, &Paints)) {}
    TPaintCycle(const TPaintCycle&) = delete;
    TPaintCycle& operator=(const TPaintCycle&) = delete;
    ~TPaintCycle() {
      if (DC) EndPaint(Wnd, &Paints);
    }
  };
  const TPaintCycle Cycle(FHandle);
  if (Cycle.DC) Paint(Cycle.DC);
}

bool TWinControl::ReflectToChild(HWND ChildWnd, UINT Notice, TMessage& Message) {
  TControl* Child = FindControlx(ChildWnd);
  if (!Child || Child == this) return false;
  Message.Result = Child->Perform(Notice, Message.WParam, Message.LParam);
  return true;
}

void TWinControl::EraseWithColor(TMessage& Message) {
  RECT Client;
  GetClientRect(FHandle, &Client);
  FillRect(reinterpret_cast<HDC>(Message.WParam), &Client, ColorBrush());
  Message.Result = 1;
}

void TWinControl::AnswerCtlColor(TMessage& Message) {
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  SetBkColor(DC, ColorToRGB(FColor));
  SetTextColor(DC, ColorToRGB(FFont->Color()));
  Message.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

bool TWinControl::RouteMouseToControl(TMessage& Message) {
  const POINT Point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  if (Message.Msg == WM_MOUSEMOVE) {
    TControl* Hover = ControlAtPos(Point, false);
    if (Hover != FMouseControl) {
      TControl* Old = FMouseControl;
      FMouseControl = Hover;
      if (Old) Old->Perform(WM_MOUSELEAVE);
      if (Hover && !Hover->FMouseInControl) {
        Hover->FMouseInControl = true;
        Hover->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Hover));
      }
    }
  }
  TControl* Target = FCaptureControl ? FCaptureControl : ControlAtPos(Point, false);
  if (!Target) return false;
  if (IsButtonDown(Message.Msg) && !FCaptureControl) {
    FCaptureControl = Target;
    SetCapture(FHandle);
  }
  // The mouse goes back once the last button is up.
  const bool Release = IsButtonUp(Message.Msg) && FCaptureControl == Target &&
                       !(Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
  const LPARAM Local =
      MAKELPARAM(static_cast<WORD>(Point.x - Target->FLeft), static_cast<WORD>(Point.y - Target->FTop));
  Message.Result = Target->Perform(Message.Msg, Message.WParam, Local);
  // The system makes a right-button release into WM_CONTEXTMENU, which finds the popup menu of the
  // windowless control under the point.
  if (Message.Msg == WM_RBUTTONUP && FHandle) DefaultHandler(Message);
  if (Release && FCaptureControl == Target) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  return true;
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

bool TWinControl::CanFocus() const {
  for (const TControl* C = this; C; C = C->FParent)
    if (!C->FVisible || !C->FEnabled) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SetBounds(int Left, int Top, int Width, int Height) {
  const bool Resized = Width != FWidth || Height != FHeight;
  FLeft = Left;
  FTop = Top;
  FWidth = std::max(Width, 0);
  FHeight = std::max(Height, 0);
  if (FHandle && !FSettingBounds)
    SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  // The parent hears of it once the window stands where it says.
  BoundsChanged();
  // A window realigns on WM_SIZE; without one the new size counts now.
  if (Resized && !FHandle) Realign();
}

RECT TWinControl::ClientRect() const {
  RECT Client{};
  if (FHandle) {
    GetClientRect(FHandle, &Client);
    return Client;
  }
  // No window yet: take the frame that the window will get off the stored size.
  TCreateParams Params;
  const_cast<TWinControl*>(this)->CreateParams(Params);
  RECT Frame{};
  AdjustWindowRectEx(&Frame, Params.Style, FALSE, Params.ExStyle);
  return {0, 0, std::max<LONG>(0, FWidth - (Frame.right - Frame.left)),
          std::max<LONG>(0, FHeight - (Frame.bottom - Frame.top))};
}

void TWinControl::SetEnabled(bool V) {
  if (FEnabled == V) return;
  FEnabled = V;
  if (FHandle) EnableWindow(FHandle, V);
  Perform(CM_ENABLEDCHANGED);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT R;
  GetWindowRect(FHandle, &R);
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND Parent = GetParent(FHandle);
    if (Parent) MapWindowPoints(HWND_DESKTOP, Parent, reinterpret_cast<POINT*>(&R), 2);
  }
  FLeft = R.left;
  FTop = R.top;
  FWidth = R.right - R.left;
  FHeight = R.bottom - R.top;
}

void TWinControl::UpdateVisibility() {
  if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

String TWinControl::GetText() const {
  if (FHandle) return WindowText(FHandle);
  return FText;
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
      // A child's notification goes back to the child as CN_COMMAND.
      if (ReflectToChild(reinterpret_cast<HWND>(Message.LParam), CN_COMMAND, Message)) return;
      break;
    case WM_DRAWITEM: {
      const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      if (Item && Item->CtlType != ODT_MENU && ReflectToChild(Item->hwndItem, CN_DRAWITEM, Message)) return;
      break;
    }
    case WM_NOTIFY: {
      // A common control's notification goes back to it as CN_NOTIFY; its answer is the parent's.
      const auto* Header = reinterpret_cast<const NMHDR*>(Message.LParam);
      if (Header && ReflectToChild(Header->hwndFrom, CN_NOTIFY, Message)) return;
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_HSCROLL:
    case WM_VSCROLL:
      // From a child control (a scroll message without one is about this window's own bars).
      if (ReflectToChild(reinterpret_cast<HWND>(Message.LParam), CN_BASE + Message.Msg, Message)) return;
      break;
    case WM_PAINT:
      if (OwnPainting()) {
        PaintHandler(Message);
        return;
      }
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (!FControls.empty()) {
        // This window still tracks the mouse itself, so that it hears when it leaves.
        if (Message.Msg == WM_MOUSEMOVE) NoticeMouseEnter();
        if (RouteMouseToControl(Message)) return;
      }
      break;
    case WM_MOUSELEAVE:
      if (FMouseControl) {
        TControl* Old = FMouseControl;
        FMouseControl = nullptr;
        Old->Perform(WM_MOUSELEAVE);
      }
      break;
    case WM_CAPTURECHANGED:
      if (FCaptureControl && reinterpret_cast<HWND>(Message.LParam) != FHandle) {
        TControl* Old = FCaptureControl;
        FCaptureControl = nullptr;
        Old->Perform(WM_CANCELMODE);
      }
      break;
    case WM_SIZE:
      TControl::WndProc(Message);
      Realign();
      return;
    case CM_COLORCHANGED:
      for (TControl* Child : std::vector<TControl*>(FControls)) Child->Perform(CM_PARENTCOLORCHANGED);
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSCROLLBAR:
      // A control that chooses no colours of its own gets the system's.
      Message.Result = DefWindowProcW(FHandle, Message.Msg - CN_BASE, Message.WParam, Message.LParam);
      return;
    case CM_DIALOGCHAR:
      // A container offers an accelerator to what it holds; the first that takes it ends the search.
      for (TControl* Child : std::vector<TControl*>(FControls))
        if (Child->FVisible && Child->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) {
          Message.Result = 1;
          return;
        }
      return;
    case WM_WINDOWPOSCHANGED:
      TControl::WndProc(Message);
      FSettingBounds = true;
      UpdateBounds();
      FSettingBounds = false;
      return;
    case WM_SETFOCUS: {
      TControl::WndProc(Message);
      Perform(CM_ENTER);
      // The top of the control tree (the form) keeps track of its focused control.
      TWinControl* Top = this;
      while (Top->FParent) Top = Top->FParent;
      if (Top != this) Top->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
      return;
    }
    case CM_FOCUSCHANGED:
      // Every control learns which one now has the focus (buttons move their default frame).
      for (TControl* Child : std::vector<TControl*>(FControls))
        Child->Perform(CM_FOCUSCHANGED, Message.WParam, Message.LParam);
      return;
    case WM_CONTEXTMENU:
      if (DoContextPopup(Message)) return;
      break;
    case CM_DIALOGKEY:
      // Enter and Escape are offered to every control below; the first that takes one ends the search.
      for (TControl* Child : std::vector<TControl*>(FControls))
        if (Child->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) {
          Message.Result = 1;
          return;
        }
      return;
    case WM_KILLFOCUS:
      TControl::WndProc(Message);
      Perform(CM_EXIT);
      return;
    case WM_DESTROY:
      FText = WindowText(FHandle);  // keep what the user typed for a re-created window
      break;
    case WM_NCDESTROY: {
      HWND Wnd = FHandle;
      TControl::WndProc(Message);
      DetachControl(Wnd);
      if (FHandle == Wnd) FHandle = nullptr;
      FMouseInControl = false;
      return;
    }
    case CM_RECREATEWND:
      if (FHandle && !FRecreating) {
        TScopedFlag Recreating(FRecreating);
        DestroyHandle();
        CreateHandle();
      }
      return;
    case CM_ENABLEDCHANGED:
      if (FHandle && (IsWindowEnabled(FHandle) != 0) != FEnabled) EnableWindow(FHandle, FEnabled);
      break;
  }
  TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return;
  Message.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, Message.Msg,
                                   Message.WParam, Message.LParam);
}

void TWinControl::MainWndProc(TMessage& Message) {
  ++g_dispatchDepth;
  try {
    if (WindowProc)
      WindowProc(Message);
    else
      WndProc(Message);
  } catch (...) {
    ReportException(this);
  }
  if (--g_dispatchDepth == 0) FreeLentCanvasDCs();
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND Wnd, UINT Msg, WPARAM Wparam, LPARAM Lparam) {
  auto* Control = static_cast<TWinControl*>(FindControlx(Wnd));
  if (!Control && g_creating && !g_creating->FHandle) {
    // First message of a window being created by the framework.
    Control = g_creating;
    g_creating = nullptr;
    Control->FHandle = Wnd;
    AttachControl(Wnd, Control);
  }
  if (!Control) return CallWindowProcW(DefaultProcOf(Wnd), Wnd, Msg, Wparam, Lparam);
  TMessage Message{Msg, Wparam, Lparam, 0};
  Control->MainWndProc(Message);
  return Message.Result;
}

TControl* FindDragTarget(POINT Screen) {
  HWND Wnd = WindowFromPoint(Screen);
  while (Wnd) {
    if (TControl* Control = FindControlx(Wnd)) return Control;
    Wnd = GetParent(Wnd);
  }
  return nullptr;
}
