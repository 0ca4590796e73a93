#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"

#include "framework/win/graphics/GdiHandles.h"

std::unique_ptr<TForm> MakeHostForm(int Width, int Height) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(20, 20, Width, Height);
  Form->HandleNeeded();
  ShowWindow(Form->WindowHandle(), SW_SHOWNOACTIVATE);
  return Form;
}

TRendering::TRendering(HWND Window) {
  RECT Client{};
  GetClientRect(Window, &Client);
  FWidth = Client.right;
  FHeight = Client.bottom;
  if (FWidth <= 0 || FHeight <= 0) return;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof Info.bmiHeader;
  Info.bmiHeader.biWidth = FWidth;
  Info.bmiHeader.biHeight = -FHeight;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  void* Bits = nullptr;
  TGdiBitmap Bitmap(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  TMemoryDC DC;
  if (!Bitmap || !DC) return;
  {
    TSelectObject Selected(DC.Get(), Bitmap.Get());
    SendMessageW(Window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC.Get()), 0);
    SendMessageW(Window, WM_PAINT, reinterpret_cast<WPARAM>(DC.Get()), 0);
    GdiFlush();
  }
  const auto* Row = static_cast<const DWORD*>(Bits);
  FPixels.resize(static_cast<size_t>(FWidth) * FHeight);
  for (size_t I = 0; I < FPixels.size(); ++I) {
    const DWORD P = Row[I];
    FPixels[I] = RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
  }
}

COLORREF TRendering::Pixel(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return CLR_INVALID;
  return FPixels[static_cast<size_t>(Y) * FWidth + X];
}

int TRendering::Count(RECT Rect, COLORREF Color) const {
  int N = 0;
  for (int Y = Rect.top; Y < Rect.bottom; ++Y)
    for (int X = Rect.left; X < Rect.right; ++X)
      if (Pixel(X, Y) == Color) ++N;
  return N;
}

int TRendering::CountOther(RECT Rect, COLORREF Color) const {
  int N = 0;
  for (int Y = Rect.top; Y < Rect.bottom; ++Y)
    for (int X = Rect.left; X < Rect.right; ++X)
      if (Pixel(X, Y) != Color && Pixel(X, Y) != CLR_INVALID) ++N;
  return N;
}
