// Start-up of the gallery: the command line, the main form from its description, the page and skin
// asked for, the message loop.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/win/app/Application.h"
#include "gallery/GalleryForm.h"
#include "gallery/GalleryOptions.h"

TGalleryForm* GalleryForm = nullptr;

namespace {

std::vector<std::wstring> Arguments() {
  std::vector<std::wstring> Args;
  int Count = 0;
  LPWSTR* List = CommandLineToArgvW(GetCommandLineW(), &Count);
  if (!List) return Args;
  for (int Index = 1; Index < Count; ++Index) Args.emplace_back(List[Index]);
  LocalFree(List);
  return Args;
}

// To the console the program was started from, when there is one; else in a message box.
void Report(const std::wstring& Text, bool Error) {
  HANDLE Out = GetStdHandle(Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD Type = Out && Out != INVALID_HANDLE_VALUE ? GetFileType(Out) : FILE_TYPE_UNKNOWN;
  if (Type == FILE_TYPE_CHAR || Type == FILE_TYPE_PIPE || Type == FILE_TYPE_DISK) {
    const int Size = WideCharToMultiByte(CP_UTF8, 0, Text.c_str(), static_cast<int>(Text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string Bytes(static_cast<size_t>(Size > 0 ? Size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, Text.c_str(), static_cast<int>(Text.size()), Bytes.data(), Size, nullptr,
                        nullptr);
    DWORD Written = 0;
    WriteFile(Out, Bytes.data(), static_cast<DWORD>(Bytes.size()), &Written, nullptr);
    return;
  }
  MessageBoxW(nullptr, Text.c_str(), L"Gallery", Error ? MB_ICONERROR : MB_ICONINFORMATION);
}

// --dump-controls: once the form is skinned (at once when it runs without a skin, at the latest after
// five seconds), a line for the form's client area and one for every control below it: its name ("-"
// for none), class, its answer to the skin query (0 for a windowless control) and its rectangle on the
// screen. End-to-end tests find the controls they click and check what is skinned from it.
constexpr UINT kSkinQuery = 0x3523;
std::wstring DumpPath;
int DumpWaits = 0;

void AppendLine(std::string& Text, const String& Name, const String& Class, LRESULT Answer, RECT R) {
  Text += (Name.empty() ? String("-") : Name) + " " + Class + " " + std::to_string(Answer) + " " +
          std::to_string(R.left) + " " + std::to_string(R.top) + " " + std::to_string(R.right - R.left) +
          " " + std::to_string(R.bottom - R.top) + "\n";
}

void DumpBelow(TWinControl* Container, std::string& Text) {
  for (int Index = 0; Index < Container->ControlCount(); ++Index) {
    TControl* Control = Container->Controls(Index);
    RECT R{};
    LRESULT Answer = 0;
    auto* Win = dynamic_cast<TWinControl*>(Control);
    if (Win && Win->HandleAllocated()) {
      GetWindowRect(Win->WindowHandle(), &R);
      Answer = SendMessageW(Win->WindowHandle(), kSkinQuery, 0, 0);
    } else if (Container->HandleAllocated()) {
      R = Control->BoundsRect();
      MapWindowPoints(Container->WindowHandle(), nullptr, reinterpret_cast<POINT*>(&R), 2);
    }
    AppendLine(Text, Control->Name(), Control->ClassName(), Answer, R);
    if (Win) DumpBelow(Win, Text);
  }
}

void DumpControls() {
  std::string Text;
  RECT Client{};
  GetClientRect(GalleryForm->WindowHandle(), &Client);
  MapWindowPoints(GalleryForm->WindowHandle(), nullptr, reinterpret_cast<POINT*>(&Client), 2);
  AppendLine(Text, GalleryForm->Name(), GalleryForm->ClassName(),
             SendMessageW(GalleryForm->WindowHandle(), kSkinQuery, 0, 0), Client);
  DumpBelow(GalleryForm, Text);
  HANDLE File =
      CreateFileW(DumpPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE) return;
  DWORD Written = 0;
  WriteFile(File, Text.data(), static_cast<DWORD>(Text.size()), &Written, nullptr);
  CloseHandle(File);
}

void CALLBACK DumpTimer(HWND, UINT, UINT_PTR Timer, DWORD) {
  try {
    if (!GalleryForm || !GalleryForm->HandleAllocated() || !GalleryForm->btnFocused) return;
    const bool Skinned = GalleryForm->Skin() == gsNone ||
                         SendMessageW(GalleryForm->btnFocused->WindowHandle(), kSkinQuery, 0, 0) == 1;
    if (!Skinned && ++DumpWaits < 50) return;
    KillTimer(nullptr, Timer);
    DumpControls();
  } catch (...) {
    // No list: the test that asked for it fails on its absence.
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TGalleryOptions Options;
  std::wstring Error;
  if (!ParseGalleryOptions(Arguments(), kGalleryPageCount, Options, Error)) {
    Report(Error + L"\n\n" + GalleryUsage(kGalleryPageCount), true);
    return 2;
  }
  if (Options.Help) {
    Report(GalleryUsage(kGalleryPageCount), false);
    return 0;
  }
  return Application->Execute([&] {
    RegisterGalleryClasses();
    Application->SetTitle("Gallery");
    Application->CreateForm(GalleryForm);
    GalleryForm->ShowPage(Options.Page);
    if (Options.Skin != gsDefault) GalleryForm->ApplySkin(static_cast<TGallerySkin>(Options.Skin));
    if (!Options.DumpControls.empty()) {
      DumpPath = Options.DumpControls;
      SetTimer(nullptr, 0, 100, DumpTimer);
    }
  });
}
