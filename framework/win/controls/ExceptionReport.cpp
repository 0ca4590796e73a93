#include "framework/win/controls/ExceptionReport.h"

#include <utility>

#include "framework/win/controls/WideText.h"

namespace {

TExceptionHandler g_handler = nullptr;

}  // namespace

std::wstring ExceptionText(std::exception_ptr Error) {
  std::wstring Text;
  try {
    if (Error) std::rethrow_exception(Error);
  } catch (const std::exception& E) {
    Text = Utf8ToWide(E.what());
  } catch (...) {
    Text = L"Unknown exception";
  }
  if (Text.empty()) Text = L"Unknown exception";
  if (Text.back() > L'.') Text += L'.';
  return Text;
}

void ShowExceptionBox(HWND Owner, const std::wstring& Title, const std::wstring& Text) {
  MessageBoxW(Owner, Text.c_str(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

TExceptionHandler SetExceptionHandler(TExceptionHandler Handler) {
  return std::exchange(g_handler, Handler);
}

void ReportException(TObject* Sender) {
  std::exception_ptr Error = std::current_exception();
  try {
    if (g_handler) {
      g_handler(Sender, Error);
      return;
    }
    ShowExceptionBox(nullptr, L"Error", ExceptionText(Error));
  } catch (...) {
    // A failing report must not take the window procedure down with it.
  }
}
