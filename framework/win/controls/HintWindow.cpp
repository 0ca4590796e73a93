#include "framework/win/controls/HintWindow.h"

#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

namespace {
// Between the window's edge and the text on every side: the one-pixel border and three of space.
constexpr int kTextInset = 4;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

THintWindow::THintWindow(TComponent* Owner) : TWinControl(Owner) {
  FVisible = false;
  FColor = clInfoBk;
  if (Screen) FFont->Assign(Screen->HintFont());
  FFont->SetColor(clInfoText);
  FParentFont = false;
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.ClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
  Params.WndParent = Application ? Application->Handle() : nullptr;
}

RECT THintWindow::CalcHintRect(int MaxWidth, const String& Hint) {
  const std::wstring Text = Utf8ToWide(Hint);
  RECT Rect{0, 0, MaxWidth, 0};
  {
    TScreenDC ScreenDC;
    TSelectObject Font(ScreenDC.Get(), FFont->Handle());
    DrawTextW(ScreenDC.Get(), Text.c_str(), static_cast<int>(Text.size()), &Rect, DT_CALCRECT | kTextFormat);
  }
  Rect.right += 2 * kTextInset;
  Rect.bottom += 2 * kTextInset;
  return Rect;
}

void THintWindow::ActivateHint(RECT Rect, const String& Hint) {
  SetCaption(Hint);
  // Keep the hint on the screen.
  const int Width = Rect.right - Rect.left, Height = Rect.bottom - Rect.top;
  const int ScreenW = GetSystemMetrics(SM_CXSCREEN), ScreenH = GetSystemMetrics(SM_CYSCREEN);
  if (Rect.left + Width > ScreenW) Rect.left = ScreenW - Width;
  if (Rect.top + Height > ScreenH) Rect.top = ScreenH - Height;
  if (Rect.left < 0) Rect.left = 0;
  if (Rect.top < 0) Rect.top = 0;
  SetBounds(Rect.left, Rect.top, Width, Height);
  HandleNeeded();
  SetWindowPos(FHandle, HWND_TOPMOST, Rect.left, Rect.top, Width, Height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  FVisible = true;
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  FVisible = false;
  DestroyHandle();
}

void THintWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      AnswerSelfPaint(Message, [this](HDC DC) { Paint(DC); });
      return;
    case WM_NCHITTEST:
      Message.Result = HTTRANSPARENT;  // the mouse goes through to what is below
      return;
  }
  TWinControl::WndProc(Message);
}

void THintWindow::Paint(HDC DC) {
  RECT Rect;
  GetClientRect(FHandle, &Rect);
  FillRect(DC, &Rect, ColorBrush());
  // The client area lies inside the border already.
  InflateRect(&Rect, 1 - kTextInset, 1 - kTextInset);
  TSelectObject Font(DC, FFont->Handle());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(FFont->Color()));
  const std::wstring Text = Utf8ToWide(GetText());
  DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &Rect, kTextFormat);
}
