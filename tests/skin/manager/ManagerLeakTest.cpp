// Many skinned dialogs opened and closed, and many skin switches, leave the process's GDI and USER
// objects where they were and the registries free of destroyed windows.
#include <gtest/gtest.h>

#include <vector>

#include "framework/win/forms/Forms.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/manager/ManagerTestUtil.h"
#include "tests/support/Bitmaps.h"

using namespace mgrtest;

namespace {

// An in-memory dialog template: a captioned, movable dialog with a button and an edit.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> T;
  auto Dword = [&](DWORD V) {
    T.push_back(LOWORD(V));
    T.push_back(HIWORD(V));
  };
  auto PutText = [&](const wchar_t* S) {
    for (; *S; ++S) T.push_back(*S);
    T.push_back(0);
  };
  auto Align = [&] {
    if (T.size() % 2) T.push_back(0);
  };
  Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  Dword(0);
  T.push_back(2);  // items
  T.push_back(10);
  T.push_back(10);
  T.push_back(160);
  T.push_back(80);
  T.push_back(0);  // no menu
  T.push_back(0);  // standard class
  PutText(L"Leak dialog");
  const struct {
    DWORD Style;
    WORD Class;
    const wchar_t* Text;
    short Y;
  } Items[] = {{WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0x0080, L"OK", 50},
               {WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0x0081, L"", 20}};
  for (const auto& Item : Items) {
    Align();
    Dword(Item.Style);
    Dword(0);
    T.push_back(10);
    T.push_back(static_cast<WORD>(Item.Y));
    T.push_back(100);
    T.push_back(14);
    T.push_back(static_cast<WORD>(IDOK + (Item.Y == 20 ? 10 : 0)));
    T.push_back(0xFFFF);
    T.push_back(Item.Class);
    PutText(Item.Text);
    T.push_back(0);  // no creation data
  }
  return T;
}

INT_PTR CALLBACK DialogProc(HWND, UINT Msg, WPARAM, LPARAM) {
  return Msg == WM_INITDIALOG;
}

class ManagerLeaks : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    owner = Keep(new TForm(nullptr));
    data = Keep(MakeSkinData(owner, sfMainform, DefaultSkin()));
    Manager().FEnabled = true;
    Manager().FPhase = 1;
    owner->Show();
    PumpUntil([&] { return Manager().FindSkinForm(owner->Handle()) != nullptr; });
  }
  // One dialog life: created, skinned through the activation hook, activated, painted, destroyed.
  bool DialogLife() {
    static const std::vector<WORD> Tpl = DialogTemplate();
    HWND Dlg =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(Tpl.data()),
                                   owner->Handle(), &DialogProc, 0);
    if (!Dlg) return false;
    const bool Skinned = PumpUntil([&] {
      TRuzIzivForm* S = Manager().FindSkinForm(Dlg);
      return S && S->FActivated;
    });
    RedrawWindow(Dlg, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DestroyWindow(Dlg);
    Pump();
    return Skinned;
  }
  TForm* owner = nullptr;
  TSkinData* data = nullptr;
};

TEST_F(ManagerLeaks, FiveHundredSkinnedDialogsLeaveNoObjectsBehind) {
  ASSERT_TRUE(DialogLife());  // caches and classes come into being once
  Manager().DeleteDeleted();
  const auto [Gdi, User] = testsupport::SettledObjectCounts();
  int Skinned = 0;
  for (int I = 0; I < 500; ++I) Skinned += DialogLife() ? 1 : 0;
  EXPECT_EQ(Skinned, 500);
  Manager().DeleteDeleted();
  EXPECT_EQ(Manager().Forms().size(), 1u) << "only the owner form stays registered";
  const auto [GdiAfter, UserAfter] = testsupport::SettledObjectCounts();
  EXPECT_EQ(GdiAfter, Gdi);
  EXPECT_EQ(UserAfter, User);
}

TEST_F(ManagerLeaks, HundredSkinSwitchesLeaveNoObjectsBehind) {
  TSkinManage& M = Manager();
  HWND DlgWnd = nullptr;
  auto* Second = Keep(new TForm(nullptr));
  Second->SetBounds(320, 40, 220, 140);
  Second->Show();
  ASSERT_TRUE(PumpUntil([&] { return M.FindSkinForm(Second->Handle()) != nullptr; }));
  (void)DlgWnd;
  auto SwitchTo = [&](const String& Archive) {
    data->LoadFromFile(Archive);
    ASSERT_EQ(M.Action(), kSkinActionUpdate);
    M.OnTimer(nullptr);  // the queued switch, without waiting for the tick
    RedrawWindow(owner->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RedrawWindow(Second->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  };
  SwitchTo(DarkSkin());
  SwitchTo(DefaultSkin());
  const auto [Gdi, User] = testsupport::SettledObjectCounts();
  for (int I = 0; I < 50; ++I) {
    SwitchTo(DarkSkin());
    SwitchTo(DefaultSkin());
  }
  EXPECT_EQ(M.Forms().size(), 2u);
  const auto [GdiAfter, UserAfter] = testsupport::SettledObjectCounts();
  EXPECT_EQ(GdiAfter, Gdi);
  EXPECT_EQ(UserAfter, User);
}

}  // namespace
