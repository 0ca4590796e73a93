// The manager's unit globals, its construction, thread hooks, and the rules that decide whether and
// with which skin data a window is skinned.
#include <gtest/gtest.h>

#include <thread>

#include "framework/win/controls/ControlAtom.h"
#include "framework/win/forms/Forms.h"
#include "tests/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

std::wstring AtomName(ATOM Atom) {
  wchar_t buffer[128] = {};
  const UINT n = GlobalGetAtomNameW(Atom, buffer, 128);
  return std::wstring(buffer, n);
}

}  // namespace

TEST(ManagerUnit, GlobalsNameTheFrameworkControlProperty) {
  EXPECT_EQ(SkinManageUnit::PropName, ControlPropName(GetModuleHandleW(nullptr), GetCurrentThreadId()));
  EXPECT_EQ(SkinManageUnit::PropName.rfind(L"ControlOfs", 0), 0u);
  EXPECT_EQ(SkinManageUnit::myinstance, GetModuleHandleW(nullptr));
  EXPECT_EQ(SkinManageUnit::RM_GetObjectInstance, RegisterWindowMessageW(SkinManageUnit::PropName.c_str()));
  ASSERT_NE(SkinManageUnit::ControlAtom, 0);
  EXPECT_EQ(AtomName(SkinManageUnit::ControlAtom), SkinManageUnit::PropName);
  EXPECT_TRUE(Win32PlatformIsUnicode);
  EXPECT_EQ(DefaultUserCodePage, 0u);
  EXPECT_NE(CreateSkinManager, nullptr);
}

TEST(ManagerUnit, ConstructionWithAndWithoutTheModuleFlag) {
  TSkinManage host(0);
  EXPECT_EQ(host.FInstance, nullptr);
  EXPECT_TRUE(host.FForms && host.FMenus && host.FSkinDatas && host.FThreads);
  EXPECT_FALSE(host.FEnabled);
  EXPECT_EQ(host.FPhase, 0);
  ASSERT_NE(host.Timer(), nullptr);
  EXPECT_FALSE(host.Timer()->Enabled());
  EXPECT_EQ(host.Timer()->Interval(), 100u);
  TSkinManage module(1);
  EXPECT_EQ(module.FInstance, SkinManageUnit::myinstance);
  EXPECT_FALSE(module.FForms);  // registries come from the host
  EXPECT_TRUE(module.Forms().empty());
  EXPECT_FALSE(module.AddForm(nullptr));
  EXPECT_FALSE(host.initsb(nullptr));
  EXPECT_FALSE(host.Uninitsb(nullptr));
}

class ManagerRules : public ManagerTest {};

TEST_F(ManagerRules, ThreadHooksAreInstalledOncePerThread) {
  std::atomic<bool> stop{false};
  DWORD threadId = 0;
  std::thread worker([&] {
    threadId = GetCurrentThreadId();
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    while (!stop) Sleep(5);
  });
  while (!threadId) Sleep(1);
  TSkinManage& m = Manager();
  EXPECT_EQ(m.InstallThread(threadId), 0);
  ASSERT_EQ(m.Threads().size(), 1u);
  EXPECT_NE(m.Threads()[0].Hook, nullptr);
  // A thread that already has its hook gets its identifier back, not a second hook.
  EXPECT_EQ(m.InstallThread(threadId), static_cast<std::int32_t>(threadId));
  EXPECT_EQ(m.Threads().size(), 1u);
  m.UnInstallThread(threadId);
  EXPECT_TRUE(m.Threads().empty());
  m.InstallThread(threadId);
  m.DeleteAllThreads();
  EXPECT_TRUE(m.Threads().empty());
  stop = true;
  worker.join();
}

TEST_F(ManagerRules, SkinDataIsChosenByKindOwnerAndOrder) {
  TSkinManage& m = Manager();
  TSkinData* none = nullptr;
  HWND plain = Track(MakeWindow(L"MgrPlain"));
  m.FindSkindata(none, plain);
  EXPECT_EQ(none, nullptr);

  auto* owner = Keep(new TForm(nullptr));
  owner->SetVisible(false);
  TSkinData* dialog1 = Keep(MakeSkinData(nullptr, sfDialog, ""));
  TSkinData* first = m.SkinDatas().front();
  TSkinData* found = nullptr;
  m.FindSkindata(found, plain);
  EXPECT_EQ(found, first) << "without a main component the first registered serves";

  TSkinData* main1 = Keep(MakeSkinData(nullptr, sfMainform, ""));
  TSkinData* main2 = Keep(MakeSkinData(nullptr, sfMainform, ""));
  TSkinData* dialog2 = Keep(MakeSkinData(nullptr, sfDialog, ""));
  TSkinData* only = MakeSkinData(owner, sfOnlyThisForm, "");  // owned by the form
  EXPECT_EQ(m.FMainSkinData, main1) << "the first main component is the main skin data";

  m.FindSkindata(found, plain);
  EXPECT_EQ(found, main2) << "the last registered main component serves";
  HWND dlg = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_VISIBLE));
  m.FindSkindata(found, dlg);
  EXPECT_EQ(found, dialog2);
  HWND msgForm = Track(MakeWindow(L"TMessageForm"));
  m.FindSkindata(found, msgForm);
  EXPECT_EQ(found, dialog2);
  m.FindSkindata(found, owner->Handle());
  EXPECT_EQ(found, only);
  (void)dialog1;

  // A component that goes away is no longer chosen, nor kept as the main one.
  delete main1;
  FComponents.erase(std::find(FComponents.begin(), FComponents.end(), main1));
  EXPECT_EQ(m.FMainSkinData, main2);
}

TEST_F(ManagerRules, OnBeforeSkinRefusesPreviewsForegroundDialogsAndTreeViews) {
  TSkinManage& m = Manager();
  HWND wnd = Track(MakeWindow(L"MgrPlain"));
  EXPECT_TRUE(m.OnBeforeSkin(wnd, "TPrintPreview")) << "without a main component everything passes";
  TSkinData* main = Keep(MakeSkinData(nullptr, sfMainform, ""));
  EXPECT_TRUE(m.OnBeforeSkin(wnd, "TPrintPreview")) << "xoPreview is in the default options";
  main->Options.Exclude(xoPreview);
  EXPECT_FALSE(m.OnBeforeSkin(wnd, "TPrintPreview"));
  EXPECT_FALSE(m.OnBeforeSkin(wnd, "tpopupDBtreeview"));
  EXPECT_FALSE(m.OnBeforeSkin(wnd, "SysMonthCal32"));
  HWND foreground = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | DS_SETFOREGROUND));
  HWND plainDialog = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION));
  EXPECT_FALSE(m.OnBeforeSkin(foreground, "#32770"));
  EXPECT_TRUE(m.OnBeforeSkin(plainDialog, "#32770"));
  // The application's event has the last word.
  struct Handler : TObject {
    void Decide(TObject*, const String& Name, bool& DoSkin) { DoSkin = Name == "SysMonthCal32"; }
  } handler;
  main->OnFormSkin = TOnFormSkin::Bind<&Handler::Decide>(&handler);
  EXPECT_TRUE(m.OnBeforeSkin(wnd, "SysMonthCal32"));
  EXPECT_FALSE(m.OnBeforeSkin(wnd, "Other"));
}

TEST_F(ManagerRules, NestedFormsAreChildrenOutsideAnMDIClient) {
  HWND top = Track(MakeWindow(L"MgrPlain"));
  HWND child = MakeWindow(L"MgrPlain", WS_CHILD | WS_VISIBLE, 50, 50, top);
  EXPECT_FALSE(TSkinManage::NestedForm(top));
  EXPECT_TRUE(TSkinManage::NestedForm(child));
  HWND client = MakeWindow(L"MDIClient", WS_CHILD | WS_VISIBLE, 100, 100, top);
  HWND inClient = MakeWindow(L"MgrPlain", WS_CHILD | WS_VISIBLE, 50, 50, client);
  EXPECT_FALSE(TSkinManage::NestedForm(inClient));
}

TEST_F(ManagerRules, IsDllFormLooksForANamedControlProperty) {
  HWND wnd = Track(MakeWindow(L"MgrPlain"));
  EXPECT_TRUE(TSkinManage::IsDllForm(wnd));
  // Integer-atom names are skipped; only a property named by text counts.
  SetPropW(wnd, MAKEINTATOM(0x1234), reinterpret_cast<HANDLE>(1));
  EXPECT_TRUE(TSkinManage::IsDllForm(wnd));
  SetPropW(wnd, L"ControlOfs0040000000000123", reinterpret_cast<HANDLE>(1));
  EXPECT_FALSE(TSkinManage::IsDllForm(wnd));
  RemovePropW(wnd, L"ControlOfs0040000000000123");
  RemovePropW(wnd, MAKEINTATOM(0x1234));
}

TEST_F(ManagerRules, PhaseZeroActionsOnlySwitchEnabled) {
  TSkinManage& m = Manager();
  m.SetAction(kSkinActionInstall, 250);
  EXPECT_TRUE(m.FEnabled);
  EXPECT_FALSE(m.Timer()->Enabled());
  EXPECT_EQ(m.Action(), kSkinActionInstall);
  EXPECT_EQ(m.Timer()->Interval(), 250u);
  m.SetAction(kSkinActionUninstall, 250);
  EXPECT_FALSE(m.FEnabled);
  EXPECT_FALSE(m.Timer()->Enabled());
  m.FPhase = 1;
  m.SetAction(kSkinActionCollect, 250);
  EXPECT_TRUE(m.Timer()->Enabled());
  m.OnTimer(nullptr);  // without FActionData nothing happens but the timer stops
  EXPECT_FALSE(m.Timer()->Enabled());
}

TEST_F(ManagerRules, AddFormRefusesWindowsThatMustStayNative) {
  TSkinManage& m = Manager();
  HWND wnd = Track(MakeWindow(L"MgrPlain"));
  EXPECT_FALSE(m.AddForm(wnd)) << "not enabled";
  m.FEnabled = true;
  EXPECT_FALSE(m.AddForm(wnd)) << "no skin data";
  TSkinData* empty = Keep(MakeSkinData(nullptr, sfMainform, ""));
  EXPECT_FALSE(m.AddForm(wnd)) << "skin data without a loaded skin";
  (void)empty;
  Keep(MakeSkinData(nullptr, sfMainform, DefaultSkin()));
  m.FEnabled = true;
  m.FMainSkinData->Options.Exclude(xoPreview);

  HWND zero = Track(MakeWindow(L"MgrPlain", WS_POPUP | WS_VISIBLE, 0, 0));
  EXPECT_FALSE(m.AddForm(zero)) << "zero-size window";
  HWND preview = Track(MakeWindow(L"MgrPreviewWindow"));
  EXPECT_FALSE(m.AddForm(preview)) << "preview class without xoPreview";
  HWND child = MakeWindow(L"MgrPlain", WS_CHILD | WS_VISIBLE, 80, 80, wnd);
  EXPECT_FALSE(m.AddForm(child)) << "nested child";
  HWND foreground = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFOREGROUND));
  EXPECT_FALSE(m.AddForm(foreground)) << "system dialog with DS_SETFOREGROUND";
  HWND app = Track(MakeWindow(L"TApplication"));
  EXPECT_FALSE(m.AddForm(app));

  auto* tagged = Keep(new TForm(nullptr));
  tagged->SetTag(99);
  tagged->Show();
  Pump();
  EXPECT_FALSE(m.AddForm(tagged->Handle())) << "Tag 99";
  m.FMainSkinData->DisableTag = 5;
  EXPECT_FALSE(m.AddForm(tagged->Handle())) << "Tag 99 whatever DisableTag holds";

  // A window of another module's class that is neither a framework window nor a system dialog.
  HWND foreign = Track(MakeWindow(L"MgrForeignClass", WS_OVERLAPPEDWINDOW));
  SetWindowLongPtrW(foreign, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(GetModuleHandleW(L"user32.dll")));
  ASSERT_NE(foreign, nullptr);
  EXPECT_FALSE(m.AddForm(foreign)) << "foreign module's window";
  EXPECT_TRUE(m.Forms().empty());
}
