// Proves the Windows test setup end to end under Wine: a real top-level window, subclassed, receives
// the non-client messages after a frame change, and what it paints into its frame can be read back.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/Pump.h"

namespace {

constexpr COLORREF kFrameColour = RGB(200, 30, 90);

struct Observed {
  WNDPROC previous = nullptr;
  int calcSize = 0;
  int ncPaint = 0;
};
Observed g_seen;

void PaintFrame(HWND Wnd) {
  HDC Dc = GetWindowDC(Wnd);
  RECT Window;
  GetWindowRect(Wnd, &Window);
  const RECT All{0, 0, Window.right - Window.left, Window.bottom - Window.top};
  HBRUSH Brush = CreateSolidBrush(kFrameColour);
  FillRect(Dc, &All, Brush);
  DeleteObject(Brush);
  ReleaseDC(Wnd, Dc);
}

LRESULT CALLBACK SubclassProc(HWND Wnd, UINT Msg, WPARAM Wp, LPARAM Lp) {
  switch (Msg) {
    case WM_NCCALCSIZE:
      ++g_seen.calcSize;
      break;
    case WM_NCPAINT:
      ++g_seen.ncPaint;
      PaintFrame(Wnd);
      return 0;
    case WM_NCACTIVATE:
      PaintFrame(Wnd);
      return TRUE;
  }
  return CallWindowProcW(g_seen.previous, Wnd, Msg, Wp, Lp);
}

void Pump() {
  testsupport::Pump(200);
}

TEST(Harness, SubclassedWindowGetsAndPaintsItsNonClientArea) {
  const wchar_t* Cls = L"HarnessWindow";
  WNDCLASSW Wc{};
  Wc.lpfnWndProc = DefWindowProcW;
  Wc.hInstance = GetModuleHandleW(nullptr);
  Wc.lpszClassName = Cls;
  Wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  ASSERT_NE(RegisterClassW(&Wc), 0);

  HWND Wnd = CreateWindowExW(0, Cls, L"harness", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                             Wc.hInstance, nullptr);
  ASSERT_NE(Wnd, nullptr);
  ShowWindow(Wnd, SW_SHOW);
  Pump();

  g_seen.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  ASSERT_EQ(g_seen.previous, reinterpret_cast<WNDPROC>(&DefWindowProcW));
  SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();

  EXPECT_GT(g_seen.calcSize, 0);
  EXPECT_GT(g_seen.ncPaint, 0);

  // The caption area lies above the client area: sample it through the window DC.
  RECT Client{};
  GetClientRect(Wnd, &Client);
  POINT Origin{0, 0};
  ClientToScreen(Wnd, &Origin);
  RECT Window{};
  GetWindowRect(Wnd, &Window);
  const int CaptionY = (Origin.y - Window.top) / 2;
  ASSERT_GT(Origin.y - Window.top, 0) << "the window has no non-client area above its client area";
  HDC Dc = GetWindowDC(Wnd);
  const COLORREF Sampled = GetPixel(Dc, (Window.right - Window.left) / 2, CaptionY);
  ReleaseDC(Wnd, Dc);
  EXPECT_EQ(Sampled, kFrameColour);

  // Give the window its exact previous procedure back.
  const auto Mine = SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_seen.previous));
  EXPECT_EQ(Mine, reinterpret_cast<LONG_PTR>(&SubclassProc));
  DestroyWindow(Wnd);
  UnregisterClassW(Cls, Wc.hInstance);
}

}  // namespace
