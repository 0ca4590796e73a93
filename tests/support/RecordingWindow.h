// A top-level window of a private class whose own procedure records every message that reaches it,
// and the comparison of what it saw with an expected message sequence written as a table.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

class TRecordingWindow {
 public:
  explicit TRecordingWindow(DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ExStyle = 0,
                            RECT Bounds = {60, 60, 460, 360}, HWND Parent = nullptr);
  virtual ~TRecordingWindow();
  TRecordingWindow(const TRecordingWindow&) = delete;
  TRecordingWindow& operator=(const TRecordingWindow&) = delete;

  HWND Handle() const { return FHandle; }
  bool Saw(UINT Msg) const { return Count(Msg) > 0; }
  int Count(UINT Msg) const;
  // Messages Msg with that wParam (masked to 0xFFF0 for WM_SYSCOMMAND).
  int Count(UINT Msg, WPARAM WParam) const;
  void Clear() { FSeen.clear(); }
  std::vector<MSG> FSeen;  // hwnd, message, wParam, lParam

 protected:
  // Answers a message in place of the default procedure; false lets it go on to the default.
  virtual bool Answer(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result);

 private:
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  HWND FHandle = nullptr;
};

// One row of an expected message sequence.
struct TMessageRow {
  static constexpr unsigned kOptional = 1;  // may be missing
  static constexpr unsigned kWParam = 2;    // wParam compared (masked to 0xFFF0 for WM_SYSCOMMAND)
  UINT Message;
  unsigned Flags = 0;
  WPARAM WParam = 0;
};

// Whether Seen, reduced to the messages the table names and those of Watched, is the table's
// sequence (optional rows may be missing): a watched message that the table does not list must not
// come at all. Other messages are the platform's business and are passed over.
::testing::AssertionResult SequenceIs(const std::vector<MSG>& Seen,
                                      std::initializer_list<TMessageRow> Expected,
                                      std::initializer_list<UINT> Watched = {});

}  // namespace testsupport
