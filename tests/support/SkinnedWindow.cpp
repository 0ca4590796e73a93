#include "tests/support/SkinnedWindow.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/graphics/GdiHandles.h"
#include "skin/data/SkinWindowBridge.h"
#include "skin/imaging/SkinPaint.h"

namespace testsupport {

namespace {

bool ReadArchiveFile(TMemoryStream& Out, const char* Archive) {
  if (!Archive || !std::filesystem::exists(Archive)) return false;
  std::ifstream In(Archive, std::ios::binary);
  const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  Out.Clear();
  Out.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  Out.SetPosition(0);
  return true;
}

}  // namespace

bool LoadSkinFile(TSkinData& Data, const char* Archive) {
  if (!ReadArchiveFile(*Data.FSkinStream, Archive)) return false;
  Data.LoadSkin();
  return !Data.FNoSkin;
}

void LoadDefaultSkin(TSkinData& Data) {
#ifdef DEFAULT_SKIN_ARCHIVE
  if (LoadSkinFile(Data, DEFAULT_SKIN_ARCHIVE)) return;
#endif
  PackSkinFolder(*Data.FSkinStream, DefaultSkinFolder());
  Data.LoadSkin();
}

void DefaultSkinArchive(TMemoryStream& Out) {
#ifdef DEFAULT_SKIN_ARCHIVE
  if (ReadArchiveFile(Out, DEFAULT_SKIN_ARCHIVE)) return;
#endif
  PackSkinFolder(Out, DefaultSkinFolder());
}

bool LoadDarkSkin(TSkinData& Data) {
#ifdef DARK_SKIN_ARCHIVE
  return LoadSkinFile(Data, DARK_SKIN_ARCHIVE);
#else
  (void)Data;
  return false;
#endif
}

bool LoadSkin(TSkinData& Data, const String& Ini, const TSkinFiles& Files) {
  BuildSkinArchive(*Data.FSkinStream, Ini, Files);
  return Data.LoadSkin();
}

bool TKeptWindow::Answer(UINT Msg, WPARAM WParam, LPARAM, LRESULT& Result) {
  Result = 0;
  if (Msg == WM_SYSCOMMAND && (WParam & 0xFFF0) == SC_CLOSE) return true;
  if (Msg == WM_CLOSE) return true;
  if (Msg == WM_SKIN_SYSBTNVISIBLE) {
    Result = WParam == static_cast<WPARAM>(kAnsweredVisibility) ? 1 : 0;
    return true;
  }
  return false;
}

std::unique_ptr<TRuzIzivForm> Attach(HWND Wnd, TSkinData& Data, TAttach How) {
  auto Form = std::make_unique<TRuzIzivForm>(nullptr);
  Form->FHandle = Wnd;
  wchar_t Name[101] = {};
  GetClassNameW(Wnd, Name, 101);
  Form->FName = WStringToUtf8(Name);
  Form->InitDlg(&Data);
  if (How == TAttach::Inactive) return Form;
  ActivateFormSkin(*Form);
  // The real hover timer would let go of the buttons a test hovers by message whenever the cursor
  // happens to be elsewhere.
  if (How == TAttach::Driven && Form->FTimer) Form->FTimer->SetInterval(0x7FFFFFFF);
  return Form;
}

std::unique_ptr<TRuzIzivForm> MakeFormSkin(TForm& Form, TSkinData& Data) {
  auto Skin = std::make_unique<TRuzIzivForm>(nullptr);
  Skin->FHandle = Form.Handle();
  Skin->FName = "TForm";
  Skin->InitTform(&Data, &Form);
  return Skin;
}

void ActivateFormSkin(TRuzIzivForm& Skin) {
  PostMessageW(Skin.FHandle, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
  Pump(80);
}

std::unique_ptr<TRuzIzivForm> AttachToForm(TForm& Form, TSkinData& Data) {
  auto Skin = MakeFormSkin(Form, Data);
  ActivateFormSkin(*Skin);
  return Skin;
}

TSkinData* TDefaultSkinSuite::Data = nullptr;

void TDefaultSkinSuite::SetUpTestSuite() {
  Data = new TSkinData(nullptr);
  LoadDefaultSkin(*Data);
}

void TDefaultSkinSuite::TearDownTestSuite() {
  delete Data;
  Data = nullptr;
}

void TDefaultSkinSuite::SetUp() {
  ASSERT_FALSE(Data->FNoSkin);
}

void TSkinnedWindowTest::SetUp() {
  LoadDefaultSkin(Data);
  ASSERT_FALSE(Data.FNoSkin);
}

void TSkinnedWindowTest::CloseWindow() {
  if (Window) DestroyWindow(Window->Handle());
  Pump(10);
  Form.reset();
  Window.reset();
  Wnd = nullptr;
}

void TSkinnedWindowTest::Open(DWORD Style, DWORD ExStyle, RECT Bounds) {
  CloseWindow();
  Window = std::make_unique<TKeptWindow>(Style, ExStyle, Bounds);
  Wnd = Window->Handle();
  Form = Attach(Wnd, Data, TAttach::Driven);
}

TWinSysButton* ButtonOf(TRuzIzivForm& Form, int Action, int Visibility) {
  for (auto& Button : Form.FSysButtons)
    if (Button->FData->Action == Action && (Visibility < 0 || Button->FData->Visibility == Visibility))
      return Button.get();
  return nullptr;
}

SIZE WindowSize(HWND Wnd) {
  RECT R{};
  GetWindowRect(Wnd, &R);
  return SIZE{R.right - R.left, R.bottom - R.top};
}

LPARAM ScreenParam(HWND Wnd, POINT WindowPoint) {
  RECT R{};
  GetWindowRect(Wnd, &R);
  return MAKELPARAM(static_cast<WORD>(R.left + WindowPoint.x), static_cast<WORD>(R.top + WindowPoint.y));
}

LRESULT SendNC(HWND Wnd, UINT Msg, POINT WindowPoint) {
  const LPARAM At = ScreenParam(Wnd, WindowPoint);
  const auto Hit = static_cast<WPARAM>(SendMessageW(Wnd, WM_NCHITTEST, 0, At));
  return SendMessageW(Wnd, Msg, Hit, At);
}

void Click(HWND Wnd, POINT WindowPoint) {
  SendNC(Wnd, WM_NCMOUSEMOVE, WindowPoint);
  SendNC(Wnd, WM_NCLBUTTONDOWN, WindowPoint);
  SendNC(Wnd, WM_NCLBUTTONUP, WindowPoint);
}

COLORREF FramePixel(TDataSkinSysButton& Data, int Frame, int X, int Y) {
  const int FrameWidth = Data.Bitmap->Width() / std::max(1, Data.FrameCount);
  return GetPixel(Data.Bitmap->Canvas()->Handle(), (Frame - 1) * FrameWidth + X, Y);
}

int FrameMismatches(HWND Wnd, TWinSysButton& Button, int Frame) {
  TDataSkinSysButton& Data = *Button.FData;
  if (!Data.Bitmap || Data.Bitmap->Empty()) return -1;
  const int FrameWidth = Data.Bitmap->Width() / std::max(1, Data.FrameCount);
  const int FrameHeight = Data.Bitmap->Height();
  HDC Window = GetWindowDC(Wnd);
  int Mismatches = 0;
  for (int Y = 0; Y < FrameHeight; ++Y)
    for (int X = 0; X < FrameWidth; ++X) {
      const COLORREF Want = FramePixel(Data, Frame, X, Y);
      if (Want == RGB(255, 0, 255)) continue;
      if (GetPixel(Window, Button.FRect.left + X, Button.FRect.top + Y) != Want) ++Mismatches;
    }
  ReleaseDC(Wnd, Window);
  return Mismatches;
}

std::unique_ptr<TBitmap> SolidStrip(int W, int H, const std::vector<COLORREF>& Colors) {
  auto Strip = std::make_unique<TBitmap>(W * static_cast<int>(Colors.size()), H, pf24bit);
  HDC DC = Strip->Canvas()->Handle();
  for (std::size_t I = 0; I < Colors.size(); ++I) {
    const TGdiBrush Brush(CreateSolidBrush(Colors[I]));
    const RECT R{static_cast<int>(I) * W, 0, static_cast<int>(I + 1) * W, H};
    FillRect(DC, &R, Brush.Get());
  }
  return Strip;
}

COLORREF ExpectedBorderPixel(TSkinData& Data, int Kind, int W, int H, int Frame, int X, int Y) {
  TDataSkinBorder* Border = Data.Borders[Kind - 1].get();
  if (!Border || !Border->Bitmap) return CLR_INVALID;
  auto Map =
      GetHMap(RECT{0, 0, W, H}, Border->Bitmap.get(), Border->Margins, Border->FrameCount == 1 ? 1 : Frame,
              Border->FrameCount, Border->Tile != 1 ? 1 : 0, Kind > 2 ? 1 : 0);
  return GetPixel(Map->Canvas()->Handle(), X, Y);
}

}  // namespace testsupport
