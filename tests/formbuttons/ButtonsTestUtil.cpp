#include "tests/formbuttons/ButtonsTestUtil.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/win/controls/ExtCtrls.h"
#include "tests/data/TestSkins.h"

namespace btntest {

void LoadDefaultSkin(TSkinData& Data) {
#ifdef DEFAULT_SKIN_ARCHIVE
  if (std::filesystem::exists(DEFAULT_SKIN_ARCHIVE)) {
    std::ifstream in(DEFAULT_SKIN_ARCHIVE, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Data.FSkinStream->Clear();
    Data.FSkinStream->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    Data.FSkinStream->SetPosition(0);
    Data.LoadSkin();
    return;
  }
#endif
  PackSkinFolder(*Data.FSkinStream, DefaultSkinFolder());
  Data.LoadSkin();
}

void Pump(int Time) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < static_cast<DWORD>(Time));
}

namespace {
const wchar_t kClassName[] = L"CaptionButtonTestWindow";

void RegisterOnce() {
  static bool done = false;
  if (done) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);
  done = true;
}
}  // namespace

TTestWindow::TTestWindow(DWORD Style, DWORD ExStyle, RECT Bounds) {
  RegisterOnce();
  FHandle = CreateWindowExW(ExStyle, kClassName, L"Buttons", Style, Bounds.left, Bounds.top,
                            Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
  if (Style & WS_VISIBLE) {
    SetForegroundWindow(FHandle);
    UpdateWindow(FHandle);
  }
  Pump(30);
}

TTestWindow::~TTestWindow() {
  if (IsWindow(FHandle)) DestroyWindow(FHandle);
}

LRESULT CALLBACK TTestWindow::Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (auto* self = reinterpret_cast<TTestWindow*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA))) {
    MSG m{};
    m.hwnd = Wnd;
    m.message = Msg;
    m.wParam = WParam;
    m.lParam = LParam;
    self->FSeen.push_back(m);
  }
  // The tests look at the close request; the window stays.
  if (Msg == WM_SYSCOMMAND && (WParam & 0xFFF0) == SC_CLOSE) return 0;
  if (Msg == WM_CLOSE) return 0;
  if (Msg == WM_SKIN_SYSBTNVISIBLE) return WParam == static_cast<WPARAM>(kAnsweredVisibility) ? 1 : 0;
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

int TTestWindow::Count(UINT Msg, WPARAM WParam) const {
  return static_cast<int>(std::count_if(FSeen.begin(), FSeen.end(), [&](const MSG& m) {
    if (m.message != Msg) return false;
    return Msg == WM_SYSCOMMAND ? (m.wParam & 0xFFF0) == WParam : m.wParam == WParam;
  }));
}

std::unique_ptr<TRuzIzivForm> Attach(HWND Wnd, TSkinData& Data) {
  auto form = std::make_unique<TRuzIzivForm>(nullptr);
  form->FHandle = Wnd;
  wchar_t name[101] = {};
  GetClassNameW(Wnd, name, 101);
  form->FName = WStringToUtf8(name);
  form->InitDlg(&Data);
  PostMessageW(Wnd, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
  Pump(80);
  // The tests drive the hover timer themselves: the real one would let go of the buttons they hover
  // by message whenever the cursor happens to be elsewhere.
  if (form->FTimer) form->FTimer->SetInterval(0x7FFFFFFF);
  return form;
}

TWinSysButton* ButtonOf(TRuzIzivForm& Form, int Action, int Visibility) {
  for (auto& b : Form.FSysButtons)
    if (b->FData->Action == Action && (Visibility < 0 || b->FData->Visibility == Visibility)) return b.get();
  return nullptr;
}

SIZE WindowSize(HWND Wnd) {
  RECT r{};
  GetWindowRect(Wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LPARAM ScreenParam(HWND Wnd, POINT WindowPoint) {
  RECT r{};
  GetWindowRect(Wnd, &r);
  return MAKELPARAM(static_cast<WORD>(r.left + WindowPoint.x), static_cast<WORD>(r.top + WindowPoint.y));
}

POINT Centre(const RECT& R) {
  return POINT{(R.left + R.right) / 2, (R.top + R.bottom) / 2};
}

LRESULT SendNC(HWND Wnd, UINT Msg, POINT WindowPoint) {
  const LPARAM at = ScreenParam(Wnd, WindowPoint);
  const auto hit = static_cast<WPARAM>(SendMessageW(Wnd, WM_NCHITTEST, 0, at));
  return SendMessageW(Wnd, Msg, hit, at);
}

void Click(HWND Wnd, POINT WindowPoint) {
  SendNC(Wnd, WM_NCMOUSEMOVE, WindowPoint);
  SendNC(Wnd, WM_NCLBUTTONDOWN, WindowPoint);
  SendNC(Wnd, WM_NCLBUTTONUP, WindowPoint);
}

COLORREF WindowPixel(HWND Wnd, POINT WindowPoint) {
  HDC dc = GetWindowDC(Wnd);
  const COLORREF c = GetPixel(dc, WindowPoint.x, WindowPoint.y);
  ReleaseDC(Wnd, dc);
  return c;
}

COLORREF FramePixel(TDataSkinSysButton& Data, int Frame, int X, int Y) {
  const int fw = Data.Bitmap->Width() / std::max(1, Data.FrameCount);
  return GetPixel(Data.Bitmap->Canvas()->Handle(), (Frame - 1) * fw + X, Y);
}

int FrameMismatches(HWND Wnd, TWinSysButton& Button, int Frame) {
  TDataSkinSysButton& data = *Button.FData;
  if (!data.Bitmap || data.Bitmap->Empty()) return -1;
  const int fw = data.Bitmap->Width() / std::max(1, data.FrameCount);
  const int fh = data.Bitmap->Height();
  HDC window = GetWindowDC(Wnd);
  int mismatches = 0;
  for (int y = 0; y < fh; ++y)
    for (int x = 0; x < fw; ++x) {
      const COLORREF want = FramePixel(data, Frame, x, y);
      if (want == RGB(255, 0, 255)) continue;
      if (GetPixel(window, Button.FRect.left + x, Button.FRect.top + y) != want) ++mismatches;
    }
  ReleaseDC(Wnd, window);
  return mismatches;
}

std::unique_ptr<TBitmap> SolidStrip(int W, int H, const std::vector<COLORREF>& Colors) {
  auto strip = std::make_unique<TBitmap>(W * static_cast<int>(Colors.size()), H, pf24bit);
  HDC dc = strip->Canvas()->Handle();
  for (std::size_t i = 0; i < Colors.size(); ++i) {
    HBRUSH brush = CreateSolidBrush(Colors[i]);
    const RECT r{static_cast<int>(i) * W, 0, static_cast<int>(i + 1) * W, H};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  return strip;
}

}  // namespace btntest
