#include "framework/win/controls/Controls.h"

#include <algorithm>
#include <stdexcept>

#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/controls/WindowClass.h"
#include "framework/win/graphics/Colors.h"

namespace {

// The control whose window is being created on this thread: its first message attaches it.
thread_local TWinControl* g_creating = nullptr;

}  // namespace

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
  P.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  P.Color("Color", &TControl::Color, &TControl::SetColor);
  P.Obj("Font", &TControl::Font, &TControl::SetFont);
  P.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(1);
  P.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(1);
  P.Bool("Visible", &TControl::Visible, &TControl::SetVisible).Default(1);
  P.Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode).Default(bdLeftToRight);
  PublishPopupMenu(P);
  P.Event("OnClick", &TControl::OnClick);
}

TComponent* TControl::GetParentComponent() const {
  return FParent;
}

void TControl::SetParentComponent(TComponent* value) {
  if (auto* parent = dynamic_cast<TWinControl*>(value)) SetParent(parent);
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
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
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

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (!FMouseInControl) {
        FMouseInControl = true;
        if (auto* win = dynamic_cast<TWinControl*>(this); win && win->HandleAllocated()) {
          TRACKMOUSEEVENT track{};
          track.cbSize = sizeof track;
          track.dwFlags = TME_LEAVE;
          track.hwndTrack = win->WindowHandle();
          TrackMouseEvent(&track);
        }
        Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
      }
      break;
    case WM_MOUSELEAVE:
      if (FMouseInControl) {
        FMouseInControl = false;
        Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
      }
      break;
  }
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
  if (FBrush) DeleteObject(FBrush);
}

HBRUSH TWinControl::ColorBrush() {
  if (!FBrush || FBrushColor != FColor) {
    if (FBrush) DeleteObject(FBrush);
    FBrush = CreateSolidBrush(ColorToRGB(FColor));
    FBrushColor = FColor;
  }
  return FBrush;
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
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  if (auto* win = dynamic_cast<TWinControl*>(control)) win->DestroyHandle();  // a child window needs a parent
  FControls.erase(it);
  control->FParent = nullptr;
  if (!ComponentState().Contains(csDestroying))
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
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
  TControl::SetBounds(left, top, width, height);
  if (FHandle && !FSettingBounds)
    SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
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
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      TControl* child = FindControlx(reinterpret_cast<HWND>(message.LParam));
      if (child && child != this) {
        message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return;
      }
      break;
    }
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
  try {
    if (WindowProc)
      WindowProc(message);
    else
      WndProc(message);
  } catch (...) {
    ReportException(this);
  }
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
