// Times a full skinned frame repaint (UpdateNc: borders, caption strip composed off-screen, title,
// buttons) against the platform painting the native frame of an identical unskinned window, and
// prints both and their ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/data/TestSkins.h"

namespace {

void Pump() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&Msg);
}

void LoadDefault(TSkinData& Data) {
#ifdef DEFAULT_SKIN_ARCHIVE
  if (std::filesystem::exists(DEFAULT_SKIN_ARCHIVE)) {
    std::ifstream In(DEFAULT_SKIN_ARCHIVE, std::ios::binary);
    const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    Data.FSkinStream->WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    Data.FSkinStream->SetPosition(0);
    Data.LoadSkin();
    return;
  }
#endif
  PackSkinFolder(*Data.FSkinStream, DefaultSkinFolder());
  Data.LoadSkin();
}

HWND MakeWindow(int X) {
  return CreateWindowExW(0, L"FormBenchWindow", L"渐变字代码生成器", WS_OVERLAPPEDWINDOW | WS_VISIBLE, X, 40,
                         480, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

template <class F>
double MicrosPerCall(int Iterations, F&& Call) {
  for (int I = 0; I < 10; ++I) Call();  // warm-up
  GdiFlush();
  const auto Start = std::chrono::steady_clock::now();
  for (int I = 0; I < Iterations; ++I) Call();
  GdiFlush();
  const auto Elapsed = std::chrono::steady_clock::now() - Start;
  return std::chrono::duration<double, std::micro>(Elapsed).count() / Iterations;
}

}  // namespace

int main(int argc, char** argv) {
  const int Iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
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

  const double SkinnedMicros = MicrosPerCall(Iterations, [&] { Form.UpdateNc(nullptr); });
  // The platform's repaint of the whole native frame (caption, buttons, borders) of the same window.
  const double NativeMicros = MicrosPerCall(Iterations, [&] { SendMessageW(Native, WM_NCPAINT, 1, 0); });
  // The skinned window through the same message, as the platform asks for it.
  const double SkinnedMessageMicros =
      MicrosPerCall(Iterations, [&] { SendMessageW(Skinned, WM_NCPAINT, 1, 0); });

  std::printf("frame repaint, 480x320 window, %d iterations\n", Iterations);
  std::printf("  skinned UpdateNc          %9.1f us\n", SkinnedMicros);
  std::printf("  skinned WM_NCPAINT        %9.1f us\n", SkinnedMessageMicros);
  std::printf("  native  WM_NCPAINT        %9.1f us\n", NativeMicros);
  std::printf("  ratio skinned/native      %9.2f\n", NativeMicros > 0 ? SkinnedMicros / NativeMicros : 0.0);

  Form.UnSubclass();
  DestroyWindow(Skinned);
  DestroyWindow(Native);
  return 0;
}
