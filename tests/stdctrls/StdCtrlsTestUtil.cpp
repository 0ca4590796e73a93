#include "tests/stdctrls/StdCtrlsTestUtil.h"

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"
#include "framework/win/graphics/GdiHandles.h"

void Pump() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
}

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

std::unique_ptr<TForm> ReadForm(std::string_view Text) {
  auto Form = std::make_unique<TForm>(nullptr);
  ReadComponentFromText(Text, Form.get());
  return Form;
}

// GetGuiResources where it works. Wine answers 0: then count live GDI handles by probing the handle
// table (Wine accepts a handle's index alone) and count this thread's windows.
int GdiObjects() {
  if (DWORD N = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(N);
  int Count = 0;
  for (UINT_PTR Index = 1; Index < 0x10000; ++Index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(Index))) ++Count;
  return Count;
}

namespace {
BOOL CALLBACK CountWindow(HWND Wnd, LPARAM Counter) {
  ++*reinterpret_cast<int*>(Counter);
  EnumChildWindows(Wnd, &CountWindow, Counter);
  return TRUE;
}
}  // namespace

int UserObjects() {
  if (DWORD N = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(N);
  int Count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&Count));
  return Count;
}
