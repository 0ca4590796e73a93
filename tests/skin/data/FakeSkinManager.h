// A skin manager that records what the skin data component asks of it.
#pragma once

#include <string>
#include <vector>

#include "skin/data/SkinData.h"

class TFakeSkinManager : public TSkinManageBase {
 public:
  std::vector<std::string> Calls;
  std::vector<TSkinData*> Datas;

  void SetAction(std::int32_t Action, std::int32_t Interval) override {
    Calls.push_back("SetAction " + std::to_string(Action) + " " + std::to_string(Interval));
  }
  bool AddForm(HWND) override {
    Calls.push_back(FForceSkin ? "AddForm forced" : "AddForm");
    return true;
  }
  void AddSkinData(TSkinData* Data) override {
    Datas.push_back(Data);
    Calls.push_back("AddSkinData");
  }
  void RemoveSkinData(TSkinData* Data) override { std::erase(Datas, Data); }
  void InstallHook() override { Calls.push_back("InstallHook"); }
  void DeleteSysbtn() override { Calls.push_back("DeleteSysbtn"); }
  std::int32_t InstallThread(DWORD Id) override {
    Calls.push_back("InstallThread " + std::to_string(Id));
    return 0;
  }
  void UnInstallThread(DWORD Id) override { Calls.push_back("UnInstallThread " + std::to_string(Id)); }
  void AssignData(TSkinManageBase*) override { Calls.push_back("AssignData"); }
  void AddNestForm(HWND, TComponent*) override { Calls.push_back("AddNestForm"); }
  void UpdateSkinControl(HWND, TControl*) override { Calls.push_back("UpdateSkinControl"); }
  void UpdateMenu(HWND, TComponent*) override { Calls.push_back("UpdateMenu"); }
  void UpdateMainMenu() override { Calls.push_back("UpdateMainMenu"); }
  void DeleteGraphicControl(HWND, TControl*) override { Calls.push_back("DeleteGraphicControl"); }
};

// Installs a factory that creates a TFakeSkinManager for the duration of a test.
class TFakeManagerScope {
 public:
  TFakeManagerScope() {
    FOldFactory = CreateSkinManager;
    CreateSkinManager = [](std::int32_t) -> TSkinManageBase* { return new TFakeSkinManager; };
  }
  ~TFakeManagerScope() {
    delete SkinManager;
    SkinManager = nullptr;
    CreateSkinManager = FOldFactory;
  }
  TFakeSkinManager* Manager() const { return static_cast<TFakeSkinManager*>(SkinManager); }

 private:
  TSkinManagerFactory FOldFactory;
};
