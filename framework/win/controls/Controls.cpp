#include "framework/win/controls/Controls.h"

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/ControlHints.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

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

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
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

void TControl::SetParentComponent(TComponent* value) {
  if (auto* parent = dynamic_cast<TWinControl*>(value)) SetParent(parent);
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

void TControl::SetParentFont(bool v) {
  FParentFont = v;
  if (v && FParent) {
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

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  if (WindowProc)
    WindowProc(message);
  else
    WndProc(message);
  return message.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) {
    parent->InsertControl(this);
    if (FParentFont) SetParentFont(true);
    TakeParentColor();
    TakeParentShowHint();
    if (FAlign != alNone) RequestAlign();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  BoundsChanged();
}

void TControl::BoundsChanged() {
  if (FAlign != alNone) RequestAlign();
  if (FParent) FParent->ControlBoundsChanged(this);
}

void TControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(FLeft, FTop, FWidth + width - client.right, FHeight + height - client.bottom);
}

void TControl::SetVisible(bool v) {
  if (FVisible == v) return;
  FVisible = v;
  if (auto* win = dynamic_cast<TWinControl*>(this)) win->UpdateVisibility();
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (FAlign != alNone) RequestAlign();
  if (FParent) FParent->ControlBoundsChanged(this);
}

void TControl::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const String& v) {
  if (GetText() == v) return;
  FText = v;
  if (auto* win = dynamic_cast<TWinControl*>(this); win && win->HandleAllocated()) {
    // Through the message method, so that whoever sits in front of it sees the new text.
    const std::wstring wide = Utf8ToWide(v);
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

String TControl::GetText() const {
  return FText;
}

void TControl::SetColor(TColor v) {
  if (FColor == v) return;
  FColor = v;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::SetBiDiMode(TBiDiMode v) {
  if (FBiDiMode == v) return;
  FBiDiMode = v;
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

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
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
      if (message.LParam == reinterpret_cast<LPARAM>(this)) HintMouseEnter(this);
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
  if (IsClientMouseMessage(message.Msg)) MouseMessage(message);
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

// ---------------------------------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Owned helpers (such as a skin object sitting in front of WindowProc) go while the window and
  // this object are whole, so that they can give back what they replaced.
  DestroyComponents();
  // Children still in the list are not owned elsewhere any more: they go with their parent.
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    delete child;
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
  for (TControl* child : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->CreateHandle();
  // New child windows go to the bottom; stack them so that the last in the list is on top.
  for (TControl* child : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(child); win && win->FHandle)
      SetWindowPos(win->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Utf8ToWide(FText);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FVisible) params.Style |= WS_VISIBLE;
  if (!FEnabled) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  if (UseRightToLeftReading()) params.ExStyle |= WS_EX_RTLREADING;
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = FParent ? FParent->FHandle : nullptr;
  params.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent) throw std::logic_error("Control has no parent window");
  FDefWndProc = RegisterControlClass(params);
  TWinControl* outer = g_creating;
  g_creating = this;
  HWND wnd = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height, params.WndParent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  g_creating = outer;
  if (!wnd) throw std::runtime_error("Error creating window");
  if (!FHandle) {  // a class that sent nothing during creation
    FHandle = wnd;
    AttachControl(wnd, this);
  }
  UpdateBounds();
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), FALSE);
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), TRUE);
  TControl::FontChanged();
  // Children that follow this font take the change.
  for (TControl* child : FControls)
    if (child->FParentFont) child->SetParentFont(true);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TControl* child : FControls)
    if (child->Owner() == root) proc(child);
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

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->FParent == this) return;
  FControls.push_back(control);
  control->FParent = this;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    if (FHandle) {
      win->CreateHandle();
      SetWindowPos(win->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  } else {
    control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  if (auto* win = dynamic_cast<TWinControl*>(control)) win->DestroyHandle();  // a child window needs a parent
  if (FCaptureControl == control) {
    FCaptureControl = nullptr;
    if (FHandle && GetCapture() == FHandle) ReleaseCapture();
  }
  if (FMouseControl == control) FMouseControl = nullptr;
  const bool Windowless = !dynamic_cast<TWinControl*>(control);
  const RECT Area = control->BoundsRect();
  FControls.erase(it);
  control->FParent = nullptr;
  if (!ComponentState().Contains(csDestroying)) {
    if (Windowless && FHandle) InvalidateRect(FHandle, &Area, TRUE);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (control->FAlign != alNone) Realign();
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
  FAligning = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } Reset{FAligning};
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
  struct TPaintCycle {
    HWND Wnd;
    PAINTSTRUCT PS{};
    HDC DC = nullptr;
    explicit TPaintCycle(HWND W) : Wnd(W) { DC = BeginPaint(Wnd, &PS); }
    ~TPaintCycle() {
      if (DC) EndPaint(Wnd, &PS);
    }
  };
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  std::unique_ptr<TPaintCycle> Cycle;
  if (!DC) {
    Cycle = std::make_unique<TPaintCycle>(FHandle);
    DC = Cycle->DC;
  }
  Message.Result = 0;
  if (!DC) return;
  {
    TSaveDC Saved(DC);
    PaintWindow(DC);
  }
  PaintControls(DC, nullptr);
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
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FVisible || !c->FEnabled) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw std::runtime_error("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const bool Resized = width != FWidth || height != FHeight;
  FLeft = left;
  FTop = top;
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  if (FHandle && !FSettingBounds)
    SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  // The parent hears of it once the window stands where it says.
  BoundsChanged();
  // A window realigns on WM_SIZE; without one the new size counts now.
  if (Resized && !FHandle) Realign();
}

RECT TWinControl::ClientRect() const {
  RECT client{};
  if (FHandle) {
    GetClientRect(FHandle, &client);
    return client;
  }
  // No window yet: take the frame that the window will get off the stored size.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  RECT frame{};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return {0, 0, std::max<LONG>(0, FWidth - (frame.right - frame.left)),
          std::max<LONG>(0, FHeight - (frame.bottom - frame.top))};
}

void TWinControl::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  if (FHandle) EnableWindow(FHandle, v);
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
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(FHandle);
    if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
}

void TWinControl::UpdateVisibility() {
  if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

String TWinControl::GetText() const {
  if (FHandle) return WindowText(FHandle);
  return FText;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
      // A child's notification goes back to the child as CN_COMMAND.
      if (message.LParam) {
        TControl* child = FindControlx(reinterpret_cast<HWND>(message.LParam));
        if (child && child != this) {
          message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
          return;
        }
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (item && item->CtlType != ODT_MENU) {
        TControl* child = FindControlx(item->hwndItem);
        if (child && child != this) {
          message.Result = child->Perform(CN_DRAWITEM, message.WParam, message.LParam);
          return;
        }
      }
      break;
    }
    case WM_NOTIFY: {
      // A common control's notification goes back to it as CN_NOTIFY; its answer is the parent's.
      const auto* Header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (Header) {
        TControl* Child = FindControlx(Header->hwndFrom);
        if (Child && Child != this) {
          message.Result = Child->Perform(CN_NOTIFY, message.WParam, message.LParam);
          return;
        }
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      // From a child control (a scroll message without one is about this window's own bars).
      TControl* child = message.LParam ? FindControlx(reinterpret_cast<HWND>(message.LParam)) : nullptr;
      if (child && child != this) {
        message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return;
      }
      break;
    }
    case WM_PAINT:
      if (OwnPainting()) {
        PaintHandler(message);
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
        if (message.Msg == WM_MOUSEMOVE) NoticeMouseEnter();
        if (RouteMouseToControl(message)) return;
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
      if (FCaptureControl && reinterpret_cast<HWND>(message.LParam) != FHandle) {
        TControl* Old = FCaptureControl;
        FCaptureControl = nullptr;
        Old->Perform(WM_CANCELMODE);
      }
      break;
    case WM_SIZE:
      TControl::WndProc(message);
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
      message.Result = DefWindowProcW(FHandle, message.Msg - CN_BASE, message.WParam, message.LParam);
      return;
    case CM_DIALOGCHAR:
      // A container offers an accelerator to what it holds; the first that takes it ends the search.
      for (TControl* Child : std::vector<TControl*>(FControls))
        if (Child->FVisible && Child->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) {
          message.Result = 1;
          return;
        }
      return;
    case WM_WINDOWPOSCHANGED:
      TControl::WndProc(message);
      FSettingBounds = true;
      UpdateBounds();
      FSettingBounds = false;
      return;
    case WM_SETFOCUS: {
      TControl::WndProc(message);
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
        Child->Perform(CM_FOCUSCHANGED, message.WParam, message.LParam);
      return;
    case WM_CONTEXTMENU:
      if (DoContextPopup(message)) return;
      break;
    case CM_DIALOGKEY:
      // Enter and Escape are offered to every control below; the first that takes one ends the search.
      for (TControl* Child : std::vector<TControl*>(FControls))
        if (Child->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0) {
          message.Result = 1;
          return;
        }
      return;
    case WM_KILLFOCUS:
      TControl::WndProc(message);
      Perform(CM_EXIT);
      return;
    case WM_DESTROY:
      FText = WindowText(FHandle);  // keep what the user typed for a re-created window
      break;
    case WM_NCDESTROY: {
      HWND wnd = FHandle;
      TControl::WndProc(message);
      DetachControl(wnd);
      if (FHandle == wnd) FHandle = nullptr;
      FMouseInControl = false;
      return;
    }
    case CM_RECREATEWND:
      if (FHandle && !FRecreating) {
        FRecreating = true;
        DestroyHandle();
        try {
          CreateHandle();
        } catch (...) {
          FRecreating = false;
          throw;
        }
        FRecreating = false;
      }
      return;
    case CM_ENABLEDCHANGED:
      if (FHandle && (IsWindowEnabled(FHandle) != 0) != FEnabled) EnableWindow(FHandle, FEnabled);
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) return;
  message.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, message.Msg,
                                   message.WParam, message.LParam);
}

void TWinControl::MainWndProc(TMessage& message) {
  ++g_dispatchDepth;
  try {
    if (WindowProc)
      WindowProc(message);
    else
      WndProc(message);
  } catch (...) {
    ReportException(this);
  }
  if (--g_dispatchDepth == 0) FreeLentCanvasDCs();
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* control = static_cast<TWinControl*>(FindControlx(wnd));
  if (!control && g_creating && !g_creating->FHandle) {
    // First message of a window being created by the framework.
    control = g_creating;
    g_creating = nullptr;
    control->FHandle = wnd;
    AttachControl(wnd, control);
  }
  if (!control) return CallWindowProcW(DefaultProcOf(wnd), wnd, msg, wparam, lparam);
  TMessage message{msg, wparam, lparam, 0};
  control->MainWndProc(message);
  return message.Result;
}

TControl* FindDragTarget(POINT screen) {
  HWND wnd = WindowFromPoint(screen);
  while (wnd) {
    if (TControl* control = FindControlx(wnd)) return control;
    wnd = GetParent(wnd);
  }
  return nullptr;
}
