// The manager on real windows under the hook: the utility's main form, the colour dialog, a message
// box and popup menus get skinned as they appear; windows that must stay native do; switching the
// skin off, on and to another skin reaches every skinned window.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "app/MainForm.h"
#include "framework/win/app/Application.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

// The state of one ProbeModal run (its timer is a plain procedure).
struct TProbe {
  const wchar_t* Class = nullptr;
  const std::function<void(HWND)>* Probe = nullptr;
  bool Ran = false;
  int Ticks = 0;
} g_probe;

BOOL CALLBACK FindVisibleOfClass(HWND Wnd, LPARAM Out) {
  wchar_t Name[64] = {};
  GetClassNameW(Wnd, Name, 64);
  if (IsWindowVisible(Wnd) && wcscmp(Name, g_probe.Class) == 0) {
    *reinterpret_cast<HWND*>(Out) = Wnd;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK ProbeTick(HWND, UINT, UINT_PTR Id, DWORD) {
  if (g_probe.Ran) return;
  HWND Found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleOfClass, reinterpret_cast<LPARAM>(&Found));
  // Give the deferred activation and the first paint a few ticks.
  if (!Found || ++g_probe.Ticks < 4) return;
  g_probe.Ran = true;
  KillTimer(nullptr, Id);
  (*g_probe.Probe)(Found);
}

// Runs Open (which enters a modal loop of this thread) and calls Probe from a timer inside that loop
// once a visible top-level window of class Class exists; Probe must end the loop (it is given the
// window). Returns whether the probe ran.
bool ProbeModal(const wchar_t* Class, const std::function<void()>& Open,
                const std::function<void(HWND)>& Probe) {
  g_probe = TProbe{Class, &Probe, false, 0};
  const UINT_PTR Timer = SetTimer(nullptr, 0, 100, &ProbeTick);
  Open();
  KillTimer(nullptr, Timer);
  return g_probe.Ran;
}

COLORREF FramePixel(HWND Wnd, int X, int Y) {
  RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  HDC DC = GetWindowDC(Wnd);
  const COLORREF C = GetPixel(DC, X, Y);
  ReleaseDC(Wnd, DC);
  return C;
}

class ManagerSkinning : public ManagerTest {
 protected:
  static void SetUpTestSuite() { RegisterGradientClasses(); }
  void SetUp() override {
    ManagerTest::SetUp();
    form = Keep(CreateFormFromResource<TForm1>(nullptr));
  }
  HWND FormWnd() const { return form->Handle(); }
  // Shows the main form and waits for its skin object's deferred activation.
  void ShowSkinned() {
    form->Show();
    SetForegroundWindow(FormWnd());
    ASSERT_TRUE(PumpUntil([&] { return IsActive(FormWnd()); })) << "the main form was not skinned";
  }
  bool IsActive(HWND Wnd) {
    TRuzIzivForm* Skin = Manager().FindSkinForm(Wnd);
    return Skin && Skin->FActivated;
  }
  TForm1* form = nullptr;
};

TEST_F(ManagerSkinning, MainFormIsSkinnedAtStartUpThroughTheHook) {
  TSkinManage& M = Manager();
  // Loaded asked for action 1 before anything was activated: that only enabled the manager.
  EXPECT_TRUE(M.FEnabled);
  EXPECT_FALSE(M.Timer()->Enabled());
  EXPECT_EQ(M.FPhase, 0);
  EXPECT_TRUE(M.Forms().empty());
  ShowSkinned();
  EXPECT_GE(M.FPhase, 1);
  ASSERT_EQ(M.Forms().size(), 1u);
  TRuzIzivForm* Skin = M.Forms()[0].Form;
  EXPECT_EQ(Skin->FForm, form);
  EXPECT_EQ(Skin->FSkinData, form->skndt1);
  wchar_t Cls[64] = {};
  GetClassNameW(FormWnd(), Cls, 64);
  EXPECT_EQ(std::wstring(Skin->FName.begin(), Skin->FName.end()), Cls) << "named after the window class";
  EXPECT_TRUE(AnswersSkinned(FormWnd()));
  // A second activation adds nothing.
  SetForegroundWindow(GetDesktopWindow());
  SendMessageW(FormWnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  SetActiveWindow(FormWnd());
  PumpFor(100);
  EXPECT_FALSE(M.AddForm(FormWnd()));
  EXPECT_EQ(M.Forms().size(), 1u);
}

TEST_F(ManagerSkinning, ColourDialogAndMessageBoxGetSkinnedFramesWithTheDialogSkinData) {
  ShowSkinned();
  TSkinData* DialogData = Keep(MakeSkinData(nullptr, sfDialog, DarkSkin()));
  TSkinManage& M = Manager();
  bool Skinned = false;
  TSkinData* UsedData = nullptr;
  const bool Ran = ProbeModal(
      L"#32770", [&] { form->dlgColor1->Execute(FormWnd()); },
      [&](HWND Dlg) {
        TRuzIzivForm* Skin = M.FindSkinForm(Dlg);
        Skinned = Skin && Skin->FActivated && AnswersSkinned(Dlg);
        UsedData = Skin ? Skin->FSkinData : nullptr;
        PostMessageW(Dlg, WM_COMMAND, IDCANCEL, 0);
      });
  ASSERT_TRUE(Ran) << "the colour dialog did not appear";
  EXPECT_TRUE(Skinned);
  EXPECT_EQ(UsedData, DialogData);
  PumpFor(50);
  ASSERT_EQ(M.Forms().size(), 2u) << "the closed dialog's entry waits for the next clean-up";
  EXPECT_EQ(M.Forms()[1].Form->FSkinState, 6);
  M.DeleteDeleted();
  EXPECT_EQ(M.Forms().size(), 1u);

  Skinned = false;
  const bool BoxRan = ProbeModal(
      L"#32770", [&] { MessageBoxW(FormWnd(), L"Text", L"Caption", MB_OK); },
      [&](HWND Box) {
        TRuzIzivForm* Skin = M.FindSkinForm(Box);
        Skinned = Skin && AnswersSkinned(Box);
        UsedData = Skin ? Skin->FSkinData : nullptr;
        PostMessageW(Box, WM_COMMAND, IDOK, 0);
      });
  ASSERT_TRUE(BoxRan) << "the message box did not appear";
  EXPECT_TRUE(Skinned);
  EXPECT_EQ(UsedData, DialogData);
}

// The colour dialog widens itself for the custom colours while skinned, its new size worked out from
// the native frame it had before: it keeps the client area it asked for, so its controls stay inside
// (exactly those that lie inside when the dialog is not skinned at all).
TEST_F(ManagerSkinning, ColourDialogThatResizesItselfKeepsItsControlsInside) {
  ShowSkinned();
  // The ids of the visible controls outside the client area after the expansion.
  auto Expand = [&](bool Skinned) {
    Manager().FEnabled = Skinned;
    std::set<int> Outside;
    bool Grew = false;
    const bool Ran = ProbeModal(
        L"#32770", [&] { form->dlgColor1->Execute(FormWnd()); },
        [&](HWND Dlg) {
          HWND Define = nullptr;
          for (HWND Child = GetWindow(Dlg, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT)) {
            wchar_t Text[64] = {};
            GetWindowTextW(Child, Text, 64);
            std::wstring Plain;
            for (const wchar_t* C = Text; *C; ++C)
              if (*C != L'&') Plain += *C;
            if (Plain.rfind(L"Define Custom Colors", 0) == 0) Define = Child;
          }
          RECT Before{}, After{}, Client{};
          GetWindowRect(Dlg, &Before);
          if (Define)
            SendMessageW(Dlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Define), BN_CLICKED),
                         reinterpret_cast<LPARAM>(Define));
          PumpFor(100);
          GetWindowRect(Dlg, &After);
          Grew = After.right - After.left > Before.right - Before.left;
          GetClientRect(Dlg, &Client);
          MapWindowPoints(Dlg, nullptr, reinterpret_cast<POINT*>(&Client), 2);
          for (HWND Child = GetWindow(Dlg, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT)) {
            RECT C{};
            GetWindowRect(Child, &C);
            if (IsWindowVisible(Child) && (C.left < Client.left || C.top < Client.top ||
                                           C.right > Client.right || C.bottom > Client.bottom))
              Outside.insert(GetDlgCtrlID(Child));
          }
          PostMessageW(Dlg, WM_COMMAND, IDCANCEL, 0);
        });
    EXPECT_TRUE(Ran) << "the colour dialog did not appear";
    EXPECT_TRUE(Grew) << "the dialog did not expand";
    return Outside;
  };
  const std::set<int> Native = Expand(false);
  const std::set<int> Skinned = Expand(true);
  EXPECT_EQ(Skinned, Native);
  for (int Id : {IDOK, IDCANCEL}) EXPECT_EQ(Skinned.count(Id), 0u) << Id;
}

TEST_F(ManagerSkinning, WindowsThatMustStayNativeDo) {
  ShowSkinned();
  TSkinManage& M = Manager();
  form->skndt1->Options.Exclude(xoPreview);
  auto* Tagged = Keep(new TForm(nullptr));
  Tagged->SetTag(99);
  HWND Preview = Track(MakeWindow(L"TQRPreview"));
  HWND Zero = Track(MakeWindow(L"MgrZero", WS_POPUP | WS_VISIBLE, 0, 0));
  HWND Nested = MakeWindow(L"MgrNested", WS_CHILD | WS_VISIBLE | WS_CAPTION, 100, 60, FormWnd());
  HWND Foreground = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFOREGROUND));
  Tagged->Show();
  for (HWND W : {Tagged->Handle(), Preview, Zero, Nested, Foreground}) {
    SetForegroundWindow(W);
    SetActiveWindow(W);
    PumpFor(30);
    EXPECT_FALSE(M.FindSkinForm(W));
    EXPECT_FALSE(AnswersSkinned(W));
  }
  EXPECT_EQ(M.Forms().size(), 1u);
}

// Skinning that fails inside the activation hook is reported through the application; that window
// stays native, and the hook goes on to skin the next one.
TEST_F(ManagerSkinning, AWindowWhoseSkinningThrowsStaysNativeAndTheNextIsSkinned) {
  ShowSkinned();
  TSkinManage& M = Manager();
  struct THandler : TObject {
    void Before(TObject*, HWND, const String&) { throw std::runtime_error("cannot skin"); }
  } Handler;
  int Reports = 0;
  const auto SavedReport = Application->OnException;
  Application->OnException = [&](TObject*, std::exception_ptr) { ++Reports; };
  form->skndt1->OnBeforeSkinForm = TOnSkinForm::Bind<&THandler::Before>(&Handler);
  auto* Failing = Keep(new TForm(nullptr));
  Failing->SetBounds(300, 80, 240, 160);
  Failing->Show();
  SetForegroundWindow(Failing->Handle());
  PumpFor(60);
  form->skndt1->OnBeforeSkinForm = TOnSkinForm();
  EXPECT_GE(Reports, 1);
  EXPECT_FALSE(M.FindSkinForm(Failing->Handle()));
  EXPECT_FALSE(AnswersSkinned(Failing->Handle()));

  auto* Next = Keep(new TForm(nullptr));
  Next->SetBounds(340, 120, 240, 160);
  Next->Show();
  SetForegroundWindow(Next->Handle());
  EXPECT_TRUE(PumpUntil([&] { return IsActive(Next->Handle()); }));
  EXPECT_TRUE(AnswersSkinned(Next->Handle()));
  Application->OnException = SavedReport;
}

TEST_F(ManagerSkinning, LastRegisteredSkinDataOfAKindServes) {
  TSkinData* Second = Keep(MakeSkinData(nullptr, sfMainform, DarkSkin()));
  ShowSkinned();
  EXPECT_EQ(Manager().FindSkinForm(FormWnd())->FSkinData, Second);
  EXPECT_EQ(Manager().FMainSkinData, form->skndt1) << "the first main component stays the main one";
}

TEST_F(ManagerSkinning, ActiveOffUnskinsEveryWindowAndOnReskinsThemOnTheNextTick) {
  ShowSkinned();
  TSkinManage& M = Manager();
  auto* Other = Keep(new TForm(nullptr));
  Other->SetBounds(300, 60, 200, 120);
  Other->Show();
  SetForegroundWindow(Other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return IsActive(Other->Handle()); }));
  ASSERT_EQ(M.Forms().size(), 2u);
  RECT SkinnedRect{};
  GetWindowRect(FormWnd(), &SkinnedRect);

  int Changes = 0;
  struct Counter : TObject {
    int* Count;
    void Changed(TObject*) { ++*Count; }
  } Listener;
  Listener.Count = &Changes;
  form->skndt1->OnSkinChanged = TNotifyEvent::Bind<&Counter::Changed>(&Listener);

  form->skndt1->SetActive(false);
  EXPECT_EQ(M.Forms().size(), 2u) << "the switch waits for the timer";
  ASSERT_TRUE(PumpUntil([&] { return M.Forms().empty(); }, 2000));
  EXPECT_FALSE(M.FEnabled);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(M.FActionData, nullptr);
  for (HWND W : {FormWnd(), Other->Handle()}) {
    EXPECT_FALSE(AnswersSkinned(W));
    HRGN Rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(W, Rgn), ERROR) << "the native frame has no region";
    DeleteObject(Rgn);
  }

  form->skndt1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return IsActive(FormWnd()) && IsActive(Other->Handle()); }, 2000));
  EXPECT_EQ(M.Forms().size(), 2u);
  EXPECT_EQ(Changes, 2);
}

TEST_F(ManagerSkinning, SwitchingToTheDarkSkinRepaintsEverySkinnedWindow) {
  ShowSkinned();
  TSkinManage& M = Manager();
  TRuzIzivForm* Skin = M.FindSkinForm(FormWnd());
  const int X = Skin->FLeftWidth + 4;
  const int Y = Skin->FTitleHeight / 2;
  const COLORREF Before = FramePixel(FormWnd(), X, Y);
  form->skndt1->LoadFromFile(DarkSkin());
  ASSERT_TRUE(PumpUntil([&] { return M.FActionData == nullptr; }, 2000)) << "action 3 did not run";
  ASSERT_EQ(M.FindSkinForm(FormWnd()), Skin) << "the same skin object re-reads the skin";
  const COLORREF After = FramePixel(FormWnd(), Skin->FLeftWidth + 4, Skin->FTitleHeight / 2);
  EXPECT_NE(Before, After) << "the caption looks the same after the switch";
}

TEST_F(ManagerSkinning, ReskinOfOneFormReplacesItsSkinObject) {
  ShowSkinned();
  TSkinManage& M = Manager();
  form->skndt1->ChangeForm(form);
  ASSERT_TRUE(PumpUntil([&] { return IsActive(FormWnd()) && M.Timer()->Enabled() == false; }, 2000));
  PumpFor(300);
  ASSERT_EQ(M.Forms().size(), 1u);
  EXPECT_TRUE(AnswersSkinned(FormWnd()));
  EXPECT_EQ(M.FActionData, form->skndt1) << "action 7 raises no event and keeps FActionData";
  // Without an entry, action 7 does nothing.
  HWND Plain = Track(MakeWindow(L"MgrPlain", WS_POPUP, 50, 50));
  M.FActionWnd = Plain;
  M.SetAction(kSkinActionReskin, 10);
  PumpFor(100);
  EXPECT_EQ(M.Forms().size(), 1u);
}

}  // namespace
