// Window procedure thunks: independent subclassers of one window, each giving back exactly what it
// replaced, in either order.
#include <gtest/gtest.h>

#include <string>

#include "skin/form/WndProcThunk.h"
#include "tests/support/SkinnedWindow.h"

namespace {

// A subclasser that tags every message it sees into a shared trace.
struct TTagger {
  TTagger(char ATag, std::string* ATrace) : Tag(ATag), Trace(ATrace) {}
  char Tag;
  std::string* Trace;
  HWND Wnd = nullptr;
  WNDPROC Old = nullptr;
  std::unique_ptr<TWndProcThunk> Thunk;

  static LRESULT CALLBACK Proc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* T = reinterpret_cast<TTagger*>(Self);
    if (Msg == WM_USER + 7) T->Trace->push_back(T->Tag);
    return CallWindowProcW(T->Old, T->Wnd, Msg, WParam, LParam);
  }
  void Install(HWND W) {
    Wnd = W;
    Thunk = std::make_unique<TWndProcThunk>(this, &Proc);
    Old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(W, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Thunk->Proc())));
  }
};

TEST(WndProcThunk, EveryBindingIsItsOwnProcedureAndReachesItsObject) {
  testsupport::TRecordingWindow Window;
  std::string Trace;
  TTagger A('a', &Trace), B('b', &Trace);
  A.Install(Window.Handle());
  B.Install(Window.Handle());
  ASSERT_NE(A.Thunk->Proc(), nullptr);
  EXPECT_NE(A.Thunk->Proc(), B.Thunk->Proc());
  SendMessageW(Window.Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(Trace, "ba");  // the later subclasser first, then the earlier, then the window
  EXPECT_TRUE(Window.Saw(WM_USER + 7));
  SetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(B.Old));
  SetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(A.Old));
}

TEST(WndProcThunk, OrphanedBindingStillForwardsForTheSubclasserAboveIt) {
  testsupport::TRecordingWindow Window;
  const LONG_PTR Original = GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC);
  std::string Trace;
  TTagger A('a', &Trace), B('b', &Trace);
  A.Install(Window.Handle());
  B.Install(Window.Handle());
  // A leaves first although B sits above it: A's code must keep forwarding to the original.
  TWndProcThunk::Orphan(std::move(A.Thunk), Window.Handle(), A.Old, true);
  Window.Clear();
  SendMessageW(Window.Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(Trace, "b");
  EXPECT_TRUE(Window.Saw(WM_USER + 7));
  SetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(B.Old));
  EXPECT_NE(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Original);  // A's forwarder remains
}

// Ending a subclassing: what was there before comes back, a later subclasser keeps a working chain,
// and nothing to give back (no thunk, no window, no previous procedure) is harmless.
struct TGiveBackCase {
  const char* Name;
  bool LaterSubclasser;  // another thunk sits above ours when we leave
  bool NoThunk;          // ours was already given back
  bool WindowGone;       // the window was destroyed first
  bool NoOld;            // there is no previous procedure to put back
};

class WndProcThunkGiveBack : public ::testing::TestWithParam<TGiveBackCase> {};

TEST_P(WndProcThunkGiveBack, LeavesAWorkingWindowAndNoThunk) {
  const TGiveBackCase& Case = GetParam();
  testsupport::TRecordingWindow Window;
  HWND Wnd = Window.Handle();
  const LONG_PTR Original = GetWindowLongPtrW(Wnd, GWLP_WNDPROC);
  std::string Trace;
  TTagger A('a', &Trace), B('b', &Trace);
  A.Install(Wnd);
  ASSERT_NE(A.Thunk->Proc(), nullptr);
  if (Case.LaterSubclasser) B.Install(Wnd);
  if (Case.NoThunk) TWndProcThunk::GiveBack(A.Thunk, Wnd, A.Old, true);
  if (Case.WindowGone) DestroyWindow(Wnd);
  const WNDPROC Old = Case.NoOld ? nullptr : A.Old;

  TWndProcThunk::GiveBack(A.Thunk, Case.WindowGone ? nullptr : Wnd, Old, true);
  EXPECT_FALSE(A.Thunk);
  TWndProcThunk::GiveBack(A.Thunk, Wnd, Old, true);  // a second time: nothing left to do
  if (Case.WindowGone) return;

  if (Case.LaterSubclasser) {
    Window.Clear();
    SendMessageW(Wnd, WM_USER + 7, 0, 0);
    EXPECT_EQ(Trace, "b");  // ours forwards without tagging
    SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(B.Old));
  }
  if (Case.NoOld && !Case.NoThunk) {
    // The default procedure stands in: the window still keeps its text.
    SendMessageW(Wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"still here"));
    wchar_t Text[32] = {};
    EXPECT_EQ(GetWindowTextW(Wnd, Text, 32), 10);
    EXPECT_NE(GetWindowLongPtrW(Wnd, GWLP_WNDPROC), 0);
    SetWindowLongPtrW(Wnd, GWLP_WNDPROC, Original);
    return;
  }
  if (!Case.LaterSubclasser) {
    EXPECT_EQ(GetWindowLongPtrW(Wnd, GWLP_WNDPROC), Original);
  }
  Window.Clear();
  SendMessageW(Wnd, WM_USER + 7, 0, 0);
  EXPECT_TRUE(Window.Saw(WM_USER + 7));
}

INSTANTIATE_TEST_SUITE_P(Cases, WndProcThunkGiveBack,
                         ::testing::Values(TGiveBackCase{"OursOnTop", false, false, false, false},
                                           TGiveBackCase{"AnotherAboveUs", true, false, false, false},
                                           TGiveBackCase{"AlreadyGivenBack", false, true, false, false},
                                           TGiveBackCase{"WindowGone", false, false, true, false},
                                           TGiveBackCase{"NoPreviousProcedure", false, false, false, true},
                                           TGiveBackCase{"NoPreviousProcedureUnderAnother", true, false,
                                                         false, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FormSkinSubclass, TwoSkinObjectsOnOneWindowLeaveInEitherOrder) {
  TSkinData Data(nullptr);
  testsupport::LoadDefaultSkin(Data);
  for (bool FirstLeavesFirst : {true, false}) {
    testsupport::TRecordingWindow Window;
    const LONG_PTR Original = GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC);
    auto First = testsupport::Attach(Window.Handle(), Data, testsupport::TAttach::Inactive);
    auto Second = testsupport::Attach(Window.Handle(), Data, testsupport::TAttach::Inactive);
    ASSERT_TRUE(First->IsSubclassed());
    ASSERT_TRUE(Second->IsSubclassed());
    if (FirstLeavesFirst) {
      First->UnSubclass();
      First.reset();
      Window.Clear();
      EXPECT_EQ(SendMessageW(Window.Handle(), WM_SKIN_QUERY, 0, 0), 1);  // the second still answers
      Second->UnSubclass();
    } else {
      Second->UnSubclass();
      First->UnSubclass();
    }
    Second.reset();
    First.reset();
    Window.Clear();
    SendMessageW(Window.Handle(), WM_USER + 7, 0, 0);
    EXPECT_TRUE(Window.Saw(WM_USER + 7));
    EXPECT_EQ(SendMessageW(Window.Handle(), WM_SKIN_QUERY, 0, 0), 0);
    if (!FirstLeavesFirst) {
      EXPECT_EQ(GetWindowLongPtrW(Window.Handle(), GWLP_WNDPROC), Original);
    }
  }
}

}  // namespace
