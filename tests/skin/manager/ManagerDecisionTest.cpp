// The manager's unit globals, its construction, thread hooks, and the rules that decide whether and
// with which skin data a window is skinned.
#include <gtest/gtest.h>

#include <thread>

#include "framework/win/controls/ControlAtom.h"
#include "framework/win/forms/Forms.h"
#include "tests/skin/manager/ManagerTestUtil.h"

using namespace mgrtest;

namespace {

std::wstring AtomName(ATOM Atom) {
  wchar_t Buffer[128] = {};
  const UINT N = GlobalGetAtomNameW(Atom, Buffer, 128);
  return std::wstring(Buffer, N);
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
  TSkinManage Host(0);
  EXPECT_EQ(Host.FInstance, nullptr);
  EXPECT_TRUE(Host.FForms && Host.FMenus && Host.FSkinDatas && Host.FThreads);
  EXPECT_FALSE(Host.FEnabled);
  EXPECT_EQ(Host.FPhase, 0);
  ASSERT_NE(Host.Timer(), nullptr);
  EXPECT_FALSE(Host.Timer()->Enabled());
  EXPECT_EQ(Host.Timer()->Interval(), 100u);
  TSkinManage Module(1);
  EXPECT_EQ(Module.FInstance, SkinManageUnit::myinstance);
  EXPECT_FALSE(Module.FForms);  // registries come from the host
  EXPECT_TRUE(Module.Forms().empty());
  EXPECT_FALSE(Module.AddForm(nullptr));
  EXPECT_FALSE(Host.initsb(nullptr));
  EXPECT_FALSE(Host.Uninitsb(nullptr));
}

class ManagerRules : public ManagerTest {};

TEST_F(ManagerRules, ThreadHooksAreInstalledOncePerThread) {
  std::atomic<bool> StopWorker{false};
  DWORD ThreadId = 0;
  std::thread Worker([&] {
    ThreadId = GetCurrentThreadId();
    MSG Msg;
    PeekMessageW(&Msg, nullptr, 0, 0, PM_NOREMOVE);
    while (!StopWorker) Sleep(5);
  });
  while (!ThreadId) Sleep(1);
  TSkinManage& M = Manager();
  EXPECT_EQ(M.InstallThread(ThreadId), 0);
  ASSERT_EQ(M.Threads().size(), 1u);
  EXPECT_NE(M.Threads()[0].Hook, nullptr);
  // A thread that already has its hook gets its identifier back, not a second hook.
  EXPECT_EQ(M.InstallThread(ThreadId), static_cast<std::int32_t>(ThreadId));
  EXPECT_EQ(M.Threads().size(), 1u);
  M.UnInstallThread(ThreadId);
  EXPECT_TRUE(M.Threads().empty());
  M.InstallThread(ThreadId);
  M.DeleteAllThreads();
  EXPECT_TRUE(M.Threads().empty());
  StopWorker = true;
  Worker.join();
}

TEST_F(ManagerRules, SkinDataIsChosenByKindOwnerAndOrder) {
  TSkinManage& M = Manager();
  TSkinData* None = nullptr;
  HWND Plain = Track(MakeWindow(L"MgrPlain"));
  M.FindSkindata(None, Plain);
  EXPECT_EQ(None, nullptr);

  auto* Owner = Keep(new TForm(nullptr));
  Owner->SetVisible(false);
  TSkinData* Dialog1 = Keep(MakeSkinData(nullptr, sfDialog, ""));
  TSkinData* First = M.SkinDatas().front();
  TSkinData* Found = nullptr;
  M.FindSkindata(Found, Plain);
  EXPECT_EQ(Found, First) << "without a main component the first registered serves";

  TSkinData* Main1 = Keep(MakeSkinData(nullptr, sfMainform, ""));
  TSkinData* Main2 = Keep(MakeSkinData(nullptr, sfMainform, ""));
  TSkinData* Dialog2 = Keep(MakeSkinData(nullptr, sfDialog, ""));
  TSkinData* Only = MakeSkinData(Owner, sfOnlyThisForm, "");  // owned by the form
  EXPECT_EQ(M.FMainSkinData, Main1) << "the first main component is the main skin data";

  M.FindSkindata(Found, Plain);
  EXPECT_EQ(Found, Main2) << "the last registered main component serves";
  HWND Dlg = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_VISIBLE));
  M.FindSkindata(Found, Dlg);
  EXPECT_EQ(Found, Dialog2);
  HWND MsgForm = Track(MakeWindow(L"TMessageForm"));
  M.FindSkindata(Found, MsgForm);
  EXPECT_EQ(Found, Dialog2);
  M.FindSkindata(Found, Owner->Handle());
  EXPECT_EQ(Found, Only);
  (void)Dialog1;

  // A component that goes away is no longer chosen, nor kept as the main one.
  delete Main1;
  FComponents.erase(std::find(FComponents.begin(), FComponents.end(), Main1));
  EXPECT_EQ(M.FMainSkinData, Main2);
}

TEST_F(ManagerRules, OnBeforeSkinRefusesPreviewsForegroundDialogsAndTreeViews) {
  TSkinManage& M = Manager();
  HWND Wnd = Track(MakeWindow(L"MgrPlain"));
  EXPECT_TRUE(M.OnBeforeSkin(Wnd, "TPrintPreview")) << "without a main component everything passes";
  TSkinData* Main = Keep(MakeSkinData(nullptr, sfMainform, ""));
  EXPECT_TRUE(M.OnBeforeSkin(Wnd, "TPrintPreview")) << "xoPreview is in the default options";
  Main->Options.Exclude(xoPreview);
  EXPECT_FALSE(M.OnBeforeSkin(Wnd, "TPrintPreview"));
  EXPECT_FALSE(M.OnBeforeSkin(Wnd, "tpopupDBtreeview"));
  EXPECT_FALSE(M.OnBeforeSkin(Wnd, "SysMonthCal32"));
  HWND Foreground = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | DS_SETFOREGROUND));
  HWND PlainDialog = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION));
  EXPECT_FALSE(M.OnBeforeSkin(Foreground, "#32770"));
  EXPECT_TRUE(M.OnBeforeSkin(PlainDialog, "#32770"));
  // The application's event has the last word.
  struct Handler : TObject {
    void Decide(TObject*, const String& Name, bool& DoSkin) { DoSkin = Name == "SysMonthCal32"; }
  } Decider;
  Main->OnFormSkin = TOnFormSkin::Bind<&Handler::Decide>(&Decider);
  EXPECT_TRUE(M.OnBeforeSkin(Wnd, "SysMonthCal32"));
  EXPECT_FALSE(M.OnBeforeSkin(Wnd, "Other"));
}

TEST_F(ManagerRules, NestedFormsAreChildrenOutsideAnMDIClient) {
  HWND Top = Track(MakeWindow(L"MgrPlain"));
  HWND Child = MakeWindow(L"MgrPlain", WS_CHILD | WS_VISIBLE, 50, 50, Top);
  EXPECT_FALSE(TSkinManage::NestedForm(Top));
  EXPECT_TRUE(TSkinManage::NestedForm(Child));
  HWND Client = MakeWindow(L"MDIClient", WS_CHILD | WS_VISIBLE, 100, 100, Top);
  HWND InClient = MakeWindow(L"MgrPlain", WS_CHILD | WS_VISIBLE, 50, 50, Client);
  EXPECT_FALSE(TSkinManage::NestedForm(InClient));
}

TEST_F(ManagerRules, IsDllFormLooksForANamedControlProperty) {
  HWND Wnd = Track(MakeWindow(L"MgrPlain"));
  EXPECT_TRUE(TSkinManage::IsDllForm(Wnd));
  // Integer-atom names are skipped; only a property named by text counts.
  SetPropW(Wnd, MAKEINTATOM(0x1234), reinterpret_cast<HANDLE>(1));
  EXPECT_TRUE(TSkinManage::IsDllForm(Wnd));
  SetPropW(Wnd, L"ControlOfs0040000000000123", reinterpret_cast<HANDLE>(1));
  EXPECT_FALSE(TSkinManage::IsDllForm(Wnd));
  RemovePropW(Wnd, L"ControlOfs0040000000000123");
  RemovePropW(Wnd, MAKEINTATOM(0x1234));
}

TEST_F(ManagerRules, PhaseZeroActionsOnlySwitchEnabled) {
  TSkinManage& M = Manager();
  M.SetAction(kSkinActionInstall, 250);
  EXPECT_TRUE(M.FEnabled);
  EXPECT_FALSE(M.Timer()->Enabled());
  EXPECT_EQ(M.Action(), kSkinActionInstall);
  EXPECT_EQ(M.Timer()->Interval(), 250u);
  M.SetAction(kSkinActionUninstall, 250);
  EXPECT_FALSE(M.FEnabled);
  EXPECT_FALSE(M.Timer()->Enabled());
  M.FPhase = 1;
  M.SetAction(kSkinActionCollect, 250);
  EXPECT_TRUE(M.Timer()->Enabled());
  M.OnTimer(nullptr);  // without FActionData nothing happens but the timer stops
  EXPECT_FALSE(M.Timer()->Enabled());
}

TEST_F(ManagerRules, AddFormRefusesWindowsThatMustStayNative) {
  TSkinManage& M = Manager();
  HWND Wnd = Track(MakeWindow(L"MgrPlain"));
  EXPECT_FALSE(M.AddForm(Wnd)) << "not enabled";
  M.FEnabled = true;
  EXPECT_FALSE(M.AddForm(Wnd)) << "no skin data";
  TSkinData* Empty = Keep(MakeSkinData(nullptr, sfMainform, ""));
  EXPECT_FALSE(M.AddForm(Wnd)) << "skin data without a loaded skin";
  (void)Empty;
  Keep(MakeSkinData(nullptr, sfMainform, DefaultSkin()));
  M.FEnabled = true;
  M.FMainSkinData->Options.Exclude(xoPreview);

  HWND Zero = Track(MakeWindow(L"MgrPlain", WS_POPUP | WS_VISIBLE, 0, 0));
  EXPECT_FALSE(M.AddForm(Zero)) << "zero-size window";
  HWND Preview = Track(MakeWindow(L"MgrPreviewWindow"));
  EXPECT_FALSE(M.AddForm(Preview)) << "preview class without xoPreview";
  HWND Child = MakeWindow(L"MgrPlain", WS_CHILD | WS_VISIBLE, 80, 80, Wnd);
  EXPECT_FALSE(M.AddForm(Child)) << "nested child";
  HWND Foreground = Track(MakeWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFOREGROUND));
  EXPECT_FALSE(M.AddForm(Foreground)) << "system dialog with DS_SETFOREGROUND";
  HWND App = Track(MakeWindow(L"TApplication"));
  EXPECT_FALSE(M.AddForm(App));

  auto* Tagged = Keep(new TForm(nullptr));
  Tagged->SetTag(99);
  Tagged->Show();
  Pump();
  EXPECT_FALSE(M.AddForm(Tagged->Handle())) << "Tag 99";
  M.FMainSkinData->DisableTag = 5;
  EXPECT_FALSE(M.AddForm(Tagged->Handle())) << "Tag 99 whatever DisableTag holds";

  // A window of another module's class that is neither a framework window nor a system dialog.
  HWND Foreign = Track(MakeWindow(L"MgrForeignClass", WS_OVERLAPPEDWINDOW));
  SetWindowLongPtrW(Foreign, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(GetModuleHandleW(L"user32.dll")));
  ASSERT_NE(Foreign, nullptr);
  EXPECT_FALSE(M.AddForm(Foreign)) << "foreign module's window";
  EXPECT_TRUE(M.Forms().empty());
}
