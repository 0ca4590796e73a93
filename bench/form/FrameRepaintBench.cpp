// A full skinned frame repaint (UpdateNc: borders, caption strip, title, buttons) against the
// platform painting the native frame of an identical unskinned window. Run under Wine (scripts/bench
// does):
//   build/<tree>/wine-run build/<tree>/bench/form/bench_form_repaint.exe [--batches N --iterations N]
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/support/BenchHarness.h"
#include "bench/support/BenchPump.h"
#include "bench/support/BenchSkins.h"
#include "framework/core/Streams.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

namespace {

using bench::Pump;

void LoadDefault(TSkinData& Data) {
  const std::vector<std::uint8_t> Stored = bench::SkinArchive("default");
  Data.FSkinStream->WriteBuffer(Stored.data(), static_cast<std::int64_t>(Stored.size()));
  Data.LoadSkin();
}

HWND MakeWindow(int X) {
  return CreateWindowExW(0, L"FormBenchWindow", L"渐变字代码生成器", WS_OVERLAPPEDWINDOW | WS_VISIBLE, X, 40,
                         480, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::TRunSize Size = bench::RunSize(argc, argv, 9, 200);
  WNDCLASSW Class{};
  Class.lpfnWndProc = DefWindowProcW;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Class.lpszClassName = L"FormBenchWindow";
  RegisterClassW(&Class);

  TSkinData Data(nullptr);
  LoadDefault(Data);
  if (Data.FNoSkin) {
    std::fprintf(stderr, "no skin loaded\n");
    return 1;
  }
  HWND Native = MakeWindow(20);
  HWND Skinned = MakeWindow(540);
  TRuzIzivForm Form(nullptr);
  Form.FHandle = Skinned;
  Form.FName = "FormBenchWindow";
  Form.InitDlg(&Data);
  PostMessageW(Skinned, WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
  for (int I = 0; I < 20; ++I) {
    Pump();
    Sleep(10);
  }
  SetForegroundWindow(Skinned);
  Pump();

  GdiFlush();
  const auto UpdateNc = [&] {
    Form.UpdateNc(nullptr);
    GdiFlush();
  };
  // The platform's repaint of the whole native frame (caption, buttons, borders) of the same window.
  const auto NativePaint = [&] {
    SendMessageW(Native, WM_NCPAINT, 1, 0);
    GdiFlush();
  };
  // The skinned window through the same message, as the platform asks for it.
  const auto SkinnedPaint = [&] {
    SendMessageW(Skinned, WM_NCPAINT, 1, 0);
    GdiFlush();
  };
  bench::Row("frame repaint 480x320, UpdateNc",
             bench::TimePair(Size.Batches, Size.Iterations, UpdateNc, NativePaint), "platform WM_NCPAINT",
             "<= 0.5x");
  bench::Row("frame repaint 480x320, WM_NCPAINT",
             bench::TimePair(Size.Batches, Size.Iterations, SkinnedPaint, NativePaint), "platform WM_NCPAINT",
             "<= 0.5x");

  Form.UnSubclass();
  DestroyWindow(Skinned);
  DestroyWindow(Native);
  return 0;
}
