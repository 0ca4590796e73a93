// Control repaint speed, with Google Benchmark: a 120 x 30 push button repainted skinned (the skin
// object composes the face off-screen and copies it once) against the same button painted by the
// platform, and a 17 x 150 scroll-bar control repainted through its skinned overlay against the
// platform's own bar; and, each skinned against the platform's own, a 360 x 22 status bar of three
// panels with a size grip, a 360 x 100 tab control of four tabs with its display area, and a 200 x 18
// progress bar at 60 %, all drawn whole from the skin. Run under Wine, for example with medians of
// ten runs:
//   build/win64/wine-run build/win64/bench/controls/bench_controls.exe
//     --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <windows.h>

#include <benchmark/benchmark.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchSkins.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/controls/SkinBars.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/controls/SkinStatusBars.h"
#include "skin/controls/SkinTabs.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

namespace {

// A scroll-bar control as a framework control, so that its skin object can sit in front of it.
class TBenchScrollBar : public TWinControl {
  DECLARE_CLASS(TBenchScrollBar, TWinControl)

 public:
  using TWinControl::TWinControl;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.BaseClassName = L"SCROLLBAR";
    Params.Style |= SBS_VERT;
  }
};

struct TBench {
  TSkinData Data{nullptr};
  TForm* Form = nullptr;
  std::unique_ptr<TRuzIzivForm> Skin;
  TButton* Skinned = nullptr;
  TButton* Native = nullptr;
  TBenchScrollBar* SkinnedBar = nullptr;
  TBenchScrollBar* NativeBar = nullptr;
  TSkinScControl* BarSkin = nullptr;
  // Bare system windows, skinned by their window procedure.
  HWND SkinnedStatus = nullptr;
  HWND NativeStatus = nullptr;
  HWND SkinnedTabs = nullptr;
  HWND NativeTabs = nullptr;
  HWND SkinnedProgress = nullptr;
  HWND NativeProgress = nullptr;
};
TBench* Bench = nullptr;

void LoadDefault(TSkinData& Data) {
  const std::vector<std::uint8_t> Stored = bench::SkinArchive("default");
  Data.FSkinStream->WriteBuffer(Stored.data(), static_cast<std::int64_t>(Stored.size()));
  Data.FSkinStream->SetPosition(0);
  Data.LoadSkin();
}

template <class T>
T* Place(TForm* Form, int X, int Y, int W, int H) {
  auto* Control = new T(Form);
  Control->SetParent(Form);
  Control->SetBounds(X, Y, W, H);
  return Control;
}

HWND Child(HWND Parent, const wchar_t* Class, DWORD Style, int X, int Y, int W, int H) {
  HWND Wnd = CreateWindowExW(0, Class, L"", WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(Wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return Wnd;
}

HWND StatusBarAt(HWND Parent, int X, int Y) {
  HWND Bar =
      Child(Parent, STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE, X, Y, 360, 22);
  const int Edges[3] = {120, 240, -1};
  SendMessageW(Bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(Edges));
  SendMessageW(Bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
  SendMessageW(Bar, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(L"Line 12"));
  SendMessageW(Bar, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"\tInsert"));
  return Bar;
}

HWND TabsAt(HWND Parent, int X, int Y) {
  HWND Tabs = Child(Parent, WC_TABCONTROLW, WS_CLIPSIBLINGS, X, Y, 360, 100);
  for (const wchar_t* Caption : {L"General", L"View", L"Colours", L"Advanced"}) {
    std::wstring Text = Caption;
    TCITEMW Item{};
    Item.mask = TCIF_TEXT;
    Item.pszText = Text.data();
    const auto Count = SendMessageW(Tabs, TCM_GETITEMCOUNT, 0, 0);
    SendMessageW(Tabs, TCM_INSERTITEMW, static_cast<WPARAM>(Count), reinterpret_cast<LPARAM>(&Item));
  }
  return Tabs;
}

HWND ProgressAt(HWND Parent, int X, int Y) {
  HWND Bar = Child(Parent, PROGRESS_CLASSW, 0, X, Y, 200, 18);
  SendMessageW(Bar, PBM_SETRANGE32, 0, 100);
  SendMessageW(Bar, PBM_SETPOS, 60, 0);
  return Bar;
}

void Setup() {
  Bench = new TBench;
  LoadDefault(Bench->Data);
  Bench->Data.SkinControls.Exclude(xcMainMenu);
  Bench->Form = new TForm(nullptr);
  Bench->Form->SetBounds(20, 20, 800, 460);
  Bench->Form->Show();
  Bench->Skinned = Place<TButton>(Bench->Form, 20, 20, 120, 30);
  Bench->Native = Place<TButton>(Bench->Form, 160, 20, 120, 30);
  Bench->Skinned->SetCaption("Skinned");
  Bench->Native->SetCaption("Skinned");
  Bench->SkinnedBar = Place<TBenchScrollBar>(Bench->Form, 20, 70, GetSystemMetrics(SM_CXVSCROLL), 150);
  Bench->NativeBar = Place<TBenchScrollBar>(Bench->Form, 160, 70, GetSystemMetrics(SM_CXVSCROLL), 150);
  for (HWND Bar : {Bench->SkinnedBar->Handle(), Bench->NativeBar->Handle()}) {
    SCROLLINFO Info{sizeof Info, SIF_ALL, 0, 100, 20, 30, 0};
    SetScrollInfo(Bar, SB_CTL, &Info, TRUE);
  }
  INITCOMMONCONTROLSEX Controls{sizeof Controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&Controls);
  HWND Parent = Bench->Form->Handle();
  Bench->SkinnedStatus = StatusBarAt(Parent, 20, 240);
  Bench->NativeStatus = StatusBarAt(Parent, 410, 240);
  Bench->SkinnedTabs = TabsAt(Parent, 20, 270);
  Bench->NativeTabs = TabsAt(Parent, 410, 270);
  Bench->SkinnedProgress = ProgressAt(Parent, 20, 380);
  Bench->NativeProgress = ProgressAt(Parent, 410, 380);
  Bench->Skin = std::make_unique<TRuzIzivForm>(nullptr);
  Bench->Skin->FHandle = Bench->Form->Handle();
  Bench->Skin->InitTform(&Bench->Data, Bench->Form);
  (new TSkinButton(Bench->Skinned))
      ->Init(Bench->Skin.get(), &Bench->Data, Bench->Skin->FControlCanvas.get(), false);
  Bench->BarSkin = new TSkinScControl(Bench->SkinnedBar);
  Bench->BarSkin->InitScrollbar(Bench->SkinnedBar, &Bench->Data, Bench->Skin->FControlCanvas.get(),
                                Bench->Skin.get());
  // Owned by the form skin object, which frees them with itself.
  TCanvas* Canvas = Bench->Skin->FControlCanvas.get();
  (new TSkinStatusBar(Bench->Skin.get()))
      ->Inithwnd(Bench->SkinnedStatus, &Bench->Data, Canvas, Bench->Skin.get());
  (new TSkinTab(Bench->Skin.get()))->Inithwnd(Bench->SkinnedTabs, &Bench->Data, Canvas, Bench->Skin.get());
  (new TSkinProgress(Bench->Skin.get()))
      ->Inithwnd(Bench->SkinnedProgress, &Bench->Data, Canvas, Bench->Skin.get());
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&Msg);
}

void Repaint(benchmark::State& State, HWND Wnd) {
  for (auto _ : State) {
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
  }
}

void ButtonSkinned(benchmark::State& State) {
  Repaint(State, Bench->Skinned->Handle());
}
void ButtonNative(benchmark::State& State) {
  Repaint(State, Bench->Native->Handle());
}
void ScrollBarSkinned(benchmark::State& State) {
  Repaint(State, Bench->BarSkin->FBar->WindowHandle());
}
void ScrollBarNative(benchmark::State& State) {
  Repaint(State, Bench->NativeBar->Handle());
}
void StatusBarSkinned(benchmark::State& State) {
  Repaint(State, Bench->SkinnedStatus);
}
void StatusBarNative(benchmark::State& State) {
  Repaint(State, Bench->NativeStatus);
}
void TabControlSkinned(benchmark::State& State) {
  Repaint(State, Bench->SkinnedTabs);
}
void TabControlNative(benchmark::State& State) {
  Repaint(State, Bench->NativeTabs);
}
void ProgressBarSkinned(benchmark::State& State) {
  Repaint(State, Bench->SkinnedProgress);
}
void ProgressBarNative(benchmark::State& State) {
  Repaint(State, Bench->NativeProgress);
}

}  // namespace

BENCHMARK(ButtonSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(ButtonNative)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollBarSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollBarNative)->Unit(benchmark::kMicrosecond);
BENCHMARK(StatusBarSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(StatusBarNative)->Unit(benchmark::kMicrosecond);
BENCHMARK(TabControlSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(TabControlNative)->Unit(benchmark::kMicrosecond);
BENCHMARK(ProgressBarSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(ProgressBarNative)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  Setup();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Bench->Skin.reset();
  delete Bench->Form;
  return 0;
}
