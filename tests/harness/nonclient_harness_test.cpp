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

void PaintFrame(HWND wnd) {
  HDC dc = GetWindowDC(wnd);
  RECT window;
  GetWindowRect(wnd, &window);
  const RECT all{0, 0, window.right - window.left, window.bottom - window.top};
  HBRUSH brush = CreateSolidBrush(kFrameColour);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  ReleaseDC(wnd, dc);
}

LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCALCSIZE:
      ++g_seen.calcSize;
      break;
    case WM_NCPAINT:
      ++g_seen.ncPaint;
      PaintFrame(wnd);
      return 0;
    case WM_NCACTIVATE:
      PaintFrame(wnd);
      return TRUE;
  }
  return CallWindowProcW(g_seen.previous, wnd, msg, wp, lp);
}

void Pump() {
  testsupport::Pump(200);
}

TEST(Harness, SubclassedWindowGetsAndPaintsItsNonClientArea) {
  const wchar_t* cls = L"HarnessWindow";
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = cls;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  ASSERT_NE(RegisterClassW(&wc), 0);

  HWND wnd = CreateWindowExW(0, cls, L"harness", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                             wc.hInstance, nullptr);
  ASSERT_NE(wnd, nullptr);
  ShowWindow(wnd, SW_SHOW);
  Pump();

  g_seen.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  ASSERT_EQ(g_seen.previous, reinterpret_cast<WNDPROC>(&DefWindowProcW));
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();

  EXPECT_GT(g_seen.calcSize, 0);
  EXPECT_GT(g_seen.ncPaint, 0);

  // The caption area lies above the client area: sample it through the window DC.
  RECT client{};
  GetClientRect(wnd, &client);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  RECT window{};
  GetWindowRect(wnd, &window);
  const int captionY = (origin.y - window.top) / 2;
  ASSERT_GT(origin.y - window.top, 0) << "the window has no non-client area above its client area";
  HDC dc = GetWindowDC(wnd);
  const COLORREF sampled = GetPixel(dc, (window.right - window.left) / 2, captionY);
  ReleaseDC(wnd, dc);
  EXPECT_EQ(sampled, kFrameColour);

  // Give the window its exact previous procedure back.
  const auto mine = SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_seen.previous));
  EXPECT_EQ(mine, reinterpret_cast<LONG_PTR>(&SubclassProc));
  DestroyWindow(wnd);
  UnregisterClassW(cls, wc.hInstance);
}

}  // namespace
