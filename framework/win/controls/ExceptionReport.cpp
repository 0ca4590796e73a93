#include "framework/win/controls/ExceptionReport.h"

#include <utility>

#include "framework/win/controls/WideText.h"

namespace {

TExceptionHandler g_handler = nullptr;

}  // namespace

std::wstring ExceptionText(std::exception_ptr error) {
  std::wstring text;
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = Utf8ToWide(e.what());
  } catch (...) {
    text = L"Unknown exception";
  }
  if (text.empty()) text = L"Unknown exception";
  if (text.back() > L'.') text += L'.';
  return text;
}

void ShowExceptionBox(HWND owner, const std::wstring& title, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
}

TExceptionHandler SetExceptionHandler(TExceptionHandler handler) {
  return std::exchange(g_handler, handler);
}

void ReportException(TObject* sender) {
  std::exception_ptr error = std::current_exception();
  try {
    if (g_handler) {
      g_handler(sender, error);
      return;
    }
    ShowExceptionBox(nullptr, L"Error", ExceptionText(error));
  } catch (...) {
    // A failing report must not take the window procedure down with it.
  }
}
