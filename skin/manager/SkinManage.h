// TSkinManage: the process-wide skin manager of one module. It hooks window creation, activation and
// destruction (CBT hooks), decides window by window whether a window gets a form skin object and with
// which skin data component, keeps the registries of skinned windows and popup menus, and carries out
// the skin switches the skin data components queue, one timer tick later. A manager in a separately
// loaded module can attach to the host's manager and share its registries.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "skin/data/SkinManagerIntf.h"
#include "skin/form/RuzIzivForm.h"

class TSkinData;
class TRuzIzivForm;
class TRuzIzivPopMenu;
class TCustomForm;
class TControl;
class TTimer;
class TBitmap;

// Queued actions (SetAction).
enum : std::int32_t {
  kSkinActionInstall = 1,    // skin every form
  kSkinActionUninstall = 2,  // unskin every form
  kSkinActionUpdate = 3,     // the skin data holds another skin
  kSkinActionCollect = 6,    // free the entries of destroyed windows
  kSkinActionReskin = 7,     // unskin and skin FActionWnd again
};
inline constexpr std::int32_t kSkinPhaseShutdown = 4;

// The CBT hook of one extra thread.
struct TSkinThread {
  HHOOK Hook = nullptr;
  DWORD ThreadId = 0;
};

// One registry entry: the form skin object and the module whose manager created it.
struct TSkinFormEntry {
  TRuzIzivForm* Form = nullptr;
  HINSTANCE Instance = nullptr;
};

using TSkinFormList = std::vector<TSkinFormEntry>;
using TSkinMenuList = std::vector<TRuzIzivPopMenu*>;
using TSkinDataList = std::vector<TSkinData*>;
using TSkinThreadList = std::vector<TSkinThread>;

using TSBAPI1 = BOOL(WINAPI*)();
using TSBAPI2 = BOOL(WINAPI*)(HWND);

class TSkinManage : public TSkinManageBase {
  DECLARE_CLASS(TSkinManage, TSkinManageBase)

 public:
  // ModuleFlag 0: the executable's manager, owning its registries. Otherwise a module's manager that
  // gets its registries from AssignData.
  explicit TSkinManage(std::int32_t ModuleFlag = 0);
  ~TSkinManage() override;

  // Hooks.
  void InstallHook() override;
  std::int32_t InstallThread(DWORD ThreadId) override;
  void UnInstallThread(DWORD ThreadId) override;
  void DeleteAllThreads();

  // Skin data components.
  void AddSkinData(TSkinData* Data) override;
  void RemoveSkinData(TSkinData* Data) override;
  void FindSkindata(TSkinData*& Data, HWND Wnd) const;

  // Windows.
  bool AddForm(HWND Wnd) override;
  void ActiveForm(TCustomForm* Form);
  TRuzIzivForm* FindSkinForm(HWND Wnd) const;
  TControl* FindTForm(HWND Wnd) const;
  static bool NestedForm(HWND Wnd);
  bool OnBeforeSkin(HWND Wnd, const String& ClassName) const;
  bool DeleteForm(HWND Wnd);
  void DeleteForm2(HWND Wnd);
  void DeleteDeleted();
  void DeleteForm3();
  void DeleteAllForms();
  void DeleteSysbtn() override;

  // Popup menus.
  void AddMenu(HWND Wnd);
  bool DeleteMenu(HWND Wnd);
  bool FindSkinMenu(HWND Wnd) const;
  void SetHMenu(HMENU Menu) override;
  TBitmap* GetMenuBg(HMENU Menu) const override;
  void SetPopMenu() override;
  void UpdateSkinMenu(HMENU Menu);

  // Actions and MDI.
  void SetAction(std::int32_t Action, std::int32_t Interval) override;
  void OnTimer(TObject* Sender);
  void SetMDIMax(bool Value);
  void SetMDIMax2(bool Value);
  void SetCaption();
  int GetMDIChildNum() const;
  static bool IsDllForm(HWND Wnd);

  // Module sharing.
  void AssignData(TSkinManageBase* Host) override;
  void DeleteSub(TSkinManage* Manager);
  void DeleteAllSub();
  void DeleteSubForm(HINSTANCE Instance);

  // Scroll-bar library (never loaded: both answer false).
  bool initsb(HWND Wnd) const;
  bool Uninitsb(HWND Wnd) const;

  // Walks of the registry on behalf of the skin data component.
  void AddNestForm(HWND ControlWnd, TComponent* NestForm) override;
  void UpdateSkinControl(HWND FormWnd, TControl* Target) override;
  void UpdateMenu(HWND FormWnd, TComponent* Form) override;
  void UpdateMainMenu() override;
  void DeleteGraphicControl(HWND FormWnd, TControl* Control) override;

  // Read access for the module's own parts and for tests.
  const TSkinFormList& Forms() const;
  const TSkinMenuList& Menus() const;
  const TSkinDataList& SkinDatas() const { return *FSkinDatas; }
  const TSkinThreadList& Threads() const { return *FThreads; }
  const std::vector<TSkinManage*>& SubManagers() const { return FSubManagers; }
  std::int32_t Action() const { return FAction; }
  TTimer* Timer() const { return FTimer.get(); }
  TSkinManage* Parent() const { return FParent; }

  std::unique_ptr<TTimer> FTimer;
  HMODULE FSBLibrary = nullptr;
  TSBAPI1 FCoolSB_InitializeApp = nullptr;
  TSBAPI1 FCoolSB_UninitializeApp = nullptr;
  TSBAPI2 FInitializeCoolSB = nullptr;
  TSBAPI2 FUninitializeCoolSB = nullptr;
  // Shared with every module manager attached to this one; a detached module manager holds none.
  std::shared_ptr<TSkinFormList> FForms;
  std::shared_ptr<TSkinMenuList> FMenus;
  std::shared_ptr<TSkinDataList> FSkinDatas;
  std::shared_ptr<TSkinThreadList> FThreads;
  std::vector<TSkinManage*> FSubManagers;
  // The next popup comes from a skinned menu bar; the form skin objects set it before they open one.
  bool& FMenuFromBar = FormSkinShared.MenuFromBar;
  std::int32_t FAction = 0;
  bool FSBEnabled = false;
  TSkinData* FMainSkinData = nullptr;
  HINSTANCE FInstance = nullptr;
  TSkinManage* FParent = nullptr;

  // Where the next popup menu comes from (0 any, 1 a menu, 2 the system menu); the form skin objects
  // set it before a menu opens.
  static int MenuSource();
  static void SetMenuSource(int Value);
  // MDI children are held maximised.
  static bool MDIMax();

 private:
  void RunAction();
  void RunActionOnlyThisForm();
  void InstallAll();
  void UninstallAll();
  void UpdateAll();
  void SetMDIMax2Children(bool Value);
  void Reskin();
  // Frees an entry this manager removed itself (its destructor must not touch the registry again).
  void FreeForm(TRuzIzivForm* Form);
  TRuzIzivForm* FFreeing = nullptr;
  HHOOK FHook = nullptr;  // the GUI thread's hook, installed by this manager
};

// Unit globals of the manager (the control property name as the framework builds it, the message and
// atom registered under it, the module instance, and the GUI thread's hook with the shut-down flag).
namespace SkinManageUnit {
extern std::wstring PropName;
extern UINT RM_GetObjectInstance;
extern ATOM ControlAtom;
extern HINSTANCE myinstance;
extern HHOOK HookCBT;
extern bool ShutDown;
// Sets the skin data unit's platform globals and builds the names above; run once per module.
void Initialize();
// Frees SkinManager and forgets the name.
void Finalize();
}  // namespace SkinManageUnit

// The module's manager as its own class (null when none exists or it is not one).
TSkinManage* SkinManage();

LRESULT CALLBACK SkinHookCBT(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK SkinHookCBT2(int Code, WPARAM WParam, LPARAM LParam);
