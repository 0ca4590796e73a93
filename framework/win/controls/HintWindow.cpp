#include "framework/win/controls/HintWindow.h"

#include "framework/win/app/Application.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

namespace {
constexpr int kMargin = 2;
}

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
  FVisible = false;
  FColor = clInfoBk;
  FFont->SetColor(clInfoText);
  FParentFont = false;
}

void THintWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.ClassStyle = CS_SAVEBITS;
  params.WndParent = Application ? Application->Handle() : nullptr;
}

RECT THintWindow::CalcHintRect(int maxWidth, const String& hint) {
  const std::wstring text = Utf8ToWide(hint);
  RECT r{0, 0, maxWidth, 0};
  {
    TScreenDC Screen;
    TSelectObject Font(Screen.Get(), FFont->Handle());
    DrawTextW(Screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  r.right += 2 * kMargin + 4;  // text margins plus the border
  r.bottom += 2 * kMargin;
  return r;
}

void THintWindow::ActivateHint(RECT rect, const String& hint) {
  SetCaption(hint);
  // Keep the hint on the screen.
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  if (rect.left + width > screenW) rect.left = screenW - width;
  if (rect.top + height > screenH) rect.top = screenH - height;
  if (rect.left < 0) rect.left = 0;
  if (rect.top < 0) rect.top = 0;
  SetBounds(rect.left, rect.top, width, height);
  HandleNeeded();
  SetWindowPos(FHandle, HWND_TOPMOST, rect.left, rect.top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  FVisible = true;
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  FVisible = false;
  DestroyHandle();
}

void THintWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(FHandle, &ps);
      Paint(dc);
      EndPaint(FHandle, &ps);
      return;
    }
    case WM_NCHITTEST:
      message.Result = HTTRANSPARENT;  // the mouse goes through to what is below
      return;
  }
  TWinControl::WndProc(message);
}

void THintWindow::Paint(HDC dc) {
  RECT r;
  GetClientRect(FHandle, &r);
  FillRect(dc, &r, ColorBrush());
  InflateRect(&r, -kMargin, -kMargin);
  r.left += 2;
  TSelectObject Font(dc, FFont->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(FFont->Color()));
  const std::wstring text = Utf8ToWide(GetText());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
