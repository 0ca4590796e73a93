// Many skinned dialogs opened and closed, and many skin switches, leave the process's GDI and USER
// objects where they were and the registries free of destroyed windows.
#include <gtest/gtest.h>

#include <vector>

#include "framework/win/forms/Forms.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/support/Bitmaps.h"
#include "tests/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

// An in-memory dialog template: a captioned, movable dialog with a button and an edit.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> t;
  auto dword = [&](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  auto text = [&](const wchar_t* s) {
    for (; *s; ++s) t.push_back(*s);
    t.push_back(0);
  };
  auto align = [&] {
    if (t.size() % 2) t.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  dword(0);
  t.push_back(2);  // items
  t.push_back(10);
  t.push_back(10);
  t.push_back(160);
  t.push_back(80);
  t.push_back(0);  // no menu
  t.push_back(0);  // standard class
  text(L"Leak dialog");
  const struct {
    DWORD Style;
    WORD Class;
    const wchar_t* Text;
    short Y;
  } items[] = {{WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0x0080, L"OK", 50},
               {WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0x0081, L"", 20}};
  for (const auto& item : items) {
    align();
    dword(item.Style);
    dword(0);
    t.push_back(10);
    t.push_back(static_cast<WORD>(item.Y));
    t.push_back(100);
    t.push_back(14);
    t.push_back(static_cast<WORD>(IDOK + (item.Y == 20 ? 10 : 0)));
    t.push_back(0xFFFF);
    t.push_back(item.Class);
    text(item.Text);
    t.push_back(0);  // no creation data
  }
  return t;
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
    static const std::vector<WORD> tpl = DialogTemplate();
    HWND dlg =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(tpl.data()),
                                   owner->Handle(), &DialogProc, 0);
    if (!dlg) return false;
    const bool skinned = PumpUntil([&] {
      TRuzIzivForm* s = Manager().FindSkinForm(dlg);
      return s && s->FActivated;
    });
    RedrawWindow(dlg, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DestroyWindow(dlg);
    Pump();
    return skinned;
  }
  TForm* owner = nullptr;
  TSkinData* data = nullptr;
};

TEST_F(ManagerLeaks, FiveHundredSkinnedDialogsLeaveNoObjectsBehind) {
  ASSERT_TRUE(DialogLife());  // caches and classes come into being once
  Manager().DeleteDeleted();
  const DWORD gdi = gfxtest::GdiObjects();
  const int user = UserObjects();
  int skinned = 0;
  for (int i = 0; i < 500; ++i) skinned += DialogLife() ? 1 : 0;
  EXPECT_EQ(skinned, 500);
  Manager().DeleteDeleted();
  EXPECT_EQ(Manager().Forms().size(), 1u) << "only the owner form stays registered";
  EXPECT_EQ(gfxtest::GdiObjects(), gdi);
  EXPECT_EQ(UserObjects(), user);
}

TEST_F(ManagerLeaks, HundredSkinSwitchesLeaveNoObjectsBehind) {
  TSkinManage& m = Manager();
  HWND dlgWnd = nullptr;
  auto* second = Keep(new TForm(nullptr));
  second->SetBounds(320, 40, 220, 140);
  second->Show();
  ASSERT_TRUE(PumpUntil([&] { return m.FindSkinForm(second->Handle()) != nullptr; }));
  (void)dlgWnd;
  auto switchTo = [&](const String& archive) {
    data->LoadFromFile(archive);
    ASSERT_EQ(m.Action(), kSkinActionUpdate);
    m.OnTimer(nullptr);  // the queued switch, without waiting for the tick
    RedrawWindow(owner->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RedrawWindow(second->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  };
  switchTo(DarkSkin());
  switchTo(DefaultSkin());
  const DWORD gdi = gfxtest::GdiObjects();
  const int user = UserObjects();
  for (int i = 0; i < 50; ++i) {
    switchTo(DarkSkin());
    switchTo(DefaultSkin());
  }
  EXPECT_EQ(m.Forms().size(), 2u);
  EXPECT_EQ(gfxtest::GdiObjects(), gdi);
  EXPECT_EQ(UserObjects(), user);
}

}  // namespace
