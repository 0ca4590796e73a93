// The process-wide skin manager as the skin data component drives it. The manager itself (hooks,
// registries, timer) lives in skin/manager and derives from TSkinManageBase; this library only
// knows this interface, so the manager can depend on the skin data and not the other way round.
//
// The manager unit, at its initialisation, sets CreateSkinManager; the skin data component then
// creates SkinManager through it when the first component finishes loading. Without a factory (a
// program that does not link the manager) no manager exists and the manager steps are skipped.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/Object.h"

class TSkinData;
class TBitmap;
class TControl;
class TComponent;

class TSkinManageBase : public TObject {
  DECLARE_CLASS(TSkinManageBase, TObject)

 public:
  // Fields the skin data component sets directly.
  bool FEnabled = false;             // new windows may be skinned
  bool FForceSkin = false;           // AddForm skips its nested-window test
  std::int32_t FPhase = 0;           // 0 before the first activation, 1+ running, 4 shutting down
  TSkinData* FActionData = nullptr;  // the component that asked for the queued action
  HWND FActionWnd = nullptr;         // window of the re-skin action 7

  // Queues Action to run from the manager's timer after Interval milliseconds.
  virtual void SetAction(std::int32_t Action, std::int32_t Interval) = 0;
  virtual bool AddForm(HWND Wnd) = 0;
  virtual void AddSkinData(TSkinData* Data) = 0;
  virtual void RemoveSkinData(TSkinData* Data) = 0;
  virtual void InstallHook() = 0;
  // Every form skin object that uses FActionData drops its caption-button objects.
  virtual void DeleteSysbtn() = 0;
  virtual std::int32_t InstallThread(DWORD ThreadId) = 0;
  virtual void UnInstallThread(DWORD ThreadId) = 0;
  // Attach to a host manager (share its registries), or detach with none.
  virtual void AssignData(TSkinManageBase* Host) = 0;

  // Walks of the registry of form skin objects, which only the manager's side can see.
  // The first form skin object whose window is ControlWnd gets a spy owned by NestForm and
  // InitNestform(NestForm).
  virtual void AddNestForm(HWND ControlWnd, TComponent* NestForm) = 0;
  // The form skin object of FormWnd runs InitControls(Target).
  virtual void UpdateSkinControl(HWND FormWnd, TControl* Target) = 0;
  // The form skin object of FormWnd runs InitPopMenu(Form, True, True).
  virtual void UpdateMenu(HWND FormWnd, TComponent* Form) = 0;
  // UpdataBtn on the skinned menu bar of every form skin object that has one.
  virtual void UpdateMainMenu() = 0;
  // Every form skin object of FormWnd removes and frees the first windowless-control skin object
  // of Control.
  virtual void DeleteGraphicControl(HWND FormWnd, TControl* Control) = 0;

  // The popup menu skin objects, as the owner-drawn item painters use them. A manager without popup
  // menu skinning keeps these defaults.
  // Marks every popup menu skin object (an item of one of its menus is being painted).
  virtual void SetPopMenu() {}
  // Binds Menu to the newest popup menu skin object that has no menu yet.
  virtual void SetHMenu(HMENU /*Menu*/) {}
  // The rendered background of the popup menu window that shows Menu; null when none.
  virtual TBitmap* GetMenuBg(HMENU /*Menu*/) const { return nullptr; }
};

using TSkinManagerFactory = TSkinManageBase* (*)(std::int32_t ModuleFlag);

// The module's manager (none until created) and how to create one; both belong to the manager unit,
// which frees SkinManager at its finalisation.
extern TSkinManageBase* SkinManager;
extern TSkinManagerFactory CreateSkinManager;

// SkinManager, created (with ModuleFlag) when it does not exist and a factory is set; else null.
TSkinManageBase* EnsureSkinManager(std::int32_t ModuleFlag = 0);
