// Control repaint speed, with Google Benchmark: a 120 x 30 push button repainted skinned (the skin
// object composes the face off-screen and copies it once) against the same button painted by the
// platform, and a 17 x 150 scroll-bar control repainted through its skinned overlay against the
// platform's own bar. Run under Wine, for example with medians of ten runs:
//   build/win64/wine-run build/win64/bench/controls/bench_controls.exe \
//     --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "bench/support/BenchSkins.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinScrollbars.h"
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

void Setup() {
  Bench = new TBench;
  LoadDefault(Bench->Data);
  Bench->Data.SkinControls.Exclude(xcMainMenu);
  Bench->Form = new TForm(nullptr);
  Bench->Form->SetBounds(40, 40, 400, 260);
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
  Bench->Skin = std::make_unique<TRuzIzivForm>(nullptr);
  Bench->Skin->FHandle = Bench->Form->Handle();
  Bench->Skin->InitTform(&Bench->Data, Bench->Form);
  (new TSkinButton(Bench->Skinned))
      ->Init(Bench->Skin.get(), &Bench->Data, Bench->Skin->FControlCanvas.get(), false);
  Bench->BarSkin = new TSkinScControl(Bench->SkinnedBar);
  Bench->BarSkin->InitScrollbar(Bench->SkinnedBar, &Bench->Data, Bench->Skin->FControlCanvas.get(),
                                Bench->Skin.get());
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

}  // namespace

BENCHMARK(ButtonSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(ButtonNative)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollBarSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollBarNative)->Unit(benchmark::kMicrosecond);

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
