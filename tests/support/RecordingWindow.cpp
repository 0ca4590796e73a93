#include "tests/support/RecordingWindow.h"

#include <algorithm>
#include <exception>
#include <set>
#include <sstream>

namespace testsupport {

namespace {

const wchar_t kClassName[] = L"RecordingTestWindow";

void RegisterOnce() {
  static bool Done = false;
  if (Done) return;
  WNDCLASSW Class{};
  Class.lpfnWndProc = DefWindowProcW;  // replaced per window
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  Class.lpszClassName = kClassName;
  RegisterClassW(&Class);
  Done = true;
}

bool WParamMatches(UINT Msg, WPARAM Seen, WPARAM Wanted) {
  return Msg == WM_SYSCOMMAND ? (Seen & 0xFFF0) == Wanted : Seen == Wanted;
}

}  // namespace

TRecordingWindow::TRecordingWindow(DWORD Style, DWORD ExStyle, RECT Bounds, HWND Parent) {
  RegisterOnce();
  FHandle = CreateWindowExW(ExStyle, kClassName, L"Skinned test window", Style, Bounds.left, Bounds.top,
                            Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, Parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
}

TRecordingWindow::~TRecordingWindow() {
  if (IsWindow(FHandle)) DestroyWindow(FHandle);
}

bool TRecordingWindow::Answer(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

LRESULT CALLBACK TRecordingWindow::Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  try {
    if (auto* Self = reinterpret_cast<TRecordingWindow*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA))) {
      MSG M{};
      M.hwnd = Wnd;
      M.message = Msg;
      M.wParam = WParam;
      M.lParam = LParam;
      Self->FSeen.push_back(M);
      LRESULT Result = 0;
      if (Self->Answer(Msg, WParam, LParam, Result)) return Result;
    }
  } catch (const std::exception&) {
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

int TRecordingWindow::Count(UINT Msg) const {
  return static_cast<int>(
      std::count_if(FSeen.begin(), FSeen.end(), [Msg](const MSG& M) { return M.message == Msg; }));
}

int TRecordingWindow::Count(UINT Msg, WPARAM WParam) const {
  return static_cast<int>(std::count_if(FSeen.begin(), FSeen.end(), [&](const MSG& M) {
    return M.message == Msg && WParamMatches(Msg, M.wParam, WParam);
  }));
}

::testing::AssertionResult SequenceIs(const std::vector<MSG>& Seen,
                                      std::initializer_list<TMessageRow> Expected,
                                      std::initializer_list<UINT> Watched) {
  std::set<UINT> Named(Watched);
  for (const TMessageRow& Row : Expected) Named.insert(Row.Message);
  std::vector<const MSG*> Relevant;
  for (const MSG& M : Seen)
    if (Named.count(M.message)) Relevant.push_back(&M);

  std::ostringstream Seq;
  for (const MSG* M : Relevant) Seq << " 0x" << std::hex << M->message << "(" << M->wParam << ")";
  auto Row = Expected.begin();
  std::size_t At = 0;
  for (; Row != Expected.end(); ++Row) {
    const bool Here = At < Relevant.size() && Relevant[At]->message == Row->Message &&
                      (!(Row->Flags & TMessageRow::kWParam) ||
                       WParamMatches(Row->Message, Relevant[At]->wParam, Row->WParam));
    if (Here) {
      ++At;
    } else if (!(Row->Flags & TMessageRow::kOptional)) {
      return ::testing::AssertionFailure()
             << "row " << (Row - Expected.begin()) << " (message 0x" << std::hex << Row->Message
             << ") not found at position " << std::dec << At << "; seen:" << Seq.str();
    }
  }
  if (At != Relevant.size())
    return ::testing::AssertionFailure()
           << (Relevant.size() - At) << " message(s) more than the table; seen:" << Seq.str();
  return ::testing::AssertionSuccess();
}

}  // namespace testsupport
