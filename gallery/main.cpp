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
  });
}
