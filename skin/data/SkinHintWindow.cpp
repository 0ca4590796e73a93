// Caption-button hint popup on plain USER/GDI calls.

#include "skin/data/SkinHintWindow.h"

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/GdiHandles.h"

namespace {

const wchar_t kHintClass[] = L"TSkinHintWindow";
constexpr int kPadding = 4;

ATOM RegisterHintClass(WNDPROC Proc) {
  static const ATOM atom = [Proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
    wc.lpszClassName = kHintClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

}  // namespace

TSkinHintWindow::~TSkinHintWindow() {
  if (FHandle) {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
  }
}

HFONT TSkinHintWindow::Font() {
  if (!FFont) {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof(m);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0))
      FFont.Reset(CreateFontIndirectW(&m.lfStatusFont));
  }
  return FFont.Get();
}

bool TSkinHintWindow::HandleNeeded() {
  if (FHandle) return true;
  if (!RegisterHintClass(&WndProc)) return false;
  FHandle = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, L"", WS_POPUP | WS_BORDER, 0, 0, 0,
                            0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (FHandle) SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return FHandle != nullptr;
}

RECT TSkinHintWindow::CalcHintRect(int MaxWidth, const String& Text) {
  const std::wstring text = Utf8ToWString(Text);
  RECT r{0, 0, MaxWidth, 0};
  TScreenDC Screen;
  if (Screen) {
    TSelectObject Selected(Screen.Get(),
                           Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(Screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  r.right += 2 * kPadding;
  r.bottom += 2 * kPadding;
  return r;
}

void TSkinHintWindow::ActivateHint(const RECT& R, const String& Text) {
  if (!HandleNeeded()) return;
  FText = Utf8ToWString(Text);
  SetWindowPos(FHandle, HWND_TOPMOST, R.left, R.top, R.right - R.left, R.bottom - R.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TSkinHintWindow::Hide() {
  if (FHandle) ShowWindow(FHandle, SW_HIDE);
}

LRESULT CALLBACK TSkinHintWindow::WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  auto* self = reinterpret_cast<TSkinHintWindow*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (Msg == WM_NCHITTEST) return HTTRANSPARENT;
  if (Msg == WM_PAINT && self) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Wnd, &ps);
    RECT r;
    GetClientRect(Wnd, &r);
    InflateRect(&r, -kPadding + 1, -kPadding + 1);
    {
      TSelectObject Selected(
          dc, self->Font() ? static_cast<HGDIOBJ>(self->Font()) : GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
      DrawTextW(dc, self->FText.c_str(), static_cast<int>(self->FText.size()), &r,
                DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    }
    EndPaint(Wnd, &ps);
    return 0;
  }
  return DefWindowProcW(Wnd, Msg, W, L);
}
