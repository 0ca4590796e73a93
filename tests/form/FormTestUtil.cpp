#include "tests/form/FormTestUtil.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/Streams.h"
#include "skin/imaging/SkinPaint.h"

namespace formtest {

void LoadDefaultSkin(TSkinData& Data) {
#ifdef DEFAULT_SKIN_ARCHIVE
  if (std::filesystem::exists(DEFAULT_SKIN_ARCHIVE)) {
    std::ifstream In(DEFAULT_SKIN_ARCHIVE, std::ios::binary);
    const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    Data.FSkinStream->Clear();
    Data.FSkinStream->WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    Data.FSkinStream->SetPosition(0);
    Data.LoadSkin();
    return;
  }
#endif
  PackSkinFolder(*Data.FSkinStream, DefaultSkinFolder());
  Data.LoadSkin();
}

bool LoadSkin(TSkinData& Data, const String& Ini, const TSkinFiles& Files) {
  BuildSkinArchive(*Data.FSkinStream, Ini, Files);
  return Data.LoadSkin();
}

void Pump(int Time) {
  const DWORD Start = GetTickCount();
  do {
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    Sleep(5);
  } while (GetTickCount() - Start < static_cast<DWORD>(Time));
}

namespace {
const wchar_t kClassName[] = L"FormSkinTestWindow";

void RegisterOnce() {
  static bool Done = false;
  if (Done) return;
  WNDCLASSW Class{};
  Class.lpfnWndProc = DefWindowProcW;  // replaced per window below
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  Class.lpszClassName = kClassName;
  RegisterClassW(&Class);
  Done = true;
}
}  // namespace

TRecordingWindow::TRecordingWindow(DWORD Style, DWORD ExStyle, RECT Bounds, HWND Parent) {
  RegisterOnce();
  FHandle = CreateWindowExW(ExStyle, kClassName, L"Skinned test window", Style, Bounds.left, Bounds.top,
                            Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, Parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
  if (Style & WS_VISIBLE) {
    SetForegroundWindow(FHandle);
    UpdateWindow(FHandle);
  }
  Pump(30);
}

TRecordingWindow::~TRecordingWindow() {
  if (IsWindow(FHandle)) DestroyWindow(FHandle);
}

LRESULT CALLBACK TRecordingWindow::Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (auto* Self = reinterpret_cast<TRecordingWindow*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA))) {
    MSG M{};
    M.hwnd = Wnd;
    M.message = Msg;
    M.wParam = WParam;
    M.lParam = LParam;
    Self->FSeen.push_back(M);
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

bool TRecordingWindow::Saw(UINT Msg) const {
  return Count(Msg) > 0;
}

int TRecordingWindow::Count(UINT Msg) const {
  return static_cast<int>(
      std::count_if(FSeen.begin(), FSeen.end(), [Msg](const MSG& M) { return M.message == Msg; }));
}

std::unique_ptr<TRuzIzivForm> Attach(HWND Wnd, TSkinData& Data, bool Activate) {
  auto Form = std::make_unique<TRuzIzivForm>(nullptr);
  Form->FHandle = Wnd;
  wchar_t Name[101] = {};
  GetClassNameW(Wnd, Name, 101);
  Form->FName = WStringToUtf8(Name);
  Form->InitDlg(&Data);
  if (Activate) {
    PostMessageW(Wnd, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
    Pump(80);
  }
  return Form;
}

COLORREF WindowPixel(HWND Wnd, int X, int Y) {
  HDC DC = GetWindowDC(Wnd);
  const COLORREF Color = GetPixel(DC, X, Y);
  ReleaseDC(Wnd, DC);
  return Color;
}

COLORREF ExpectedBorderPixel(TSkinData& Data, int Kind, int W, int H, int Frame, int X, int Y) {
  TDataSkinBorder* Border = Data.Borders[Kind - 1].get();
  if (!Border || !Border->Bitmap) return CLR_INVALID;
  auto Map =
      GetHMap(RECT{0, 0, W, H}, Border->Bitmap.get(), Border->Margins, Border->FrameCount == 1 ? 1 : Frame,
              Border->FrameCount, Border->Tile != 1 ? 1 : 0, Kind > 2 ? 1 : 0);
  return GetPixel(Map->Canvas()->Handle(), X, Y);
}

}  // namespace formtest
