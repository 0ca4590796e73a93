// A small skin model built in memory for the menu tests, and a stand-in skin manager that keeps the
// popup menu skin objects the way the real one does.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win/graphics/Graphics.h"
#include "skin/data/SkinData.h"
#include "skin/menus/RuzIzivPopMenu.h"

namespace menutest {

// Colours of the MenuItem strip: frame 1 normal, frame 2 separator (green line between magenta rows),
// frame 4 selected; the menu background's 3-pixel frame and its inside.
inline constexpr TColor kNormal = 0x0000C0;    // dark red
inline constexpr TColor kSelected = 0xC00000;  // dark blue
inline constexpr TColor kSepLine = 0x00A000;   // green
inline constexpr TColor kSepLeft = 0x808000;   // teal: the separator frame's left margin
inline constexpr TColor kSepRight = 0x000080;  // maroon: its right margin
inline constexpr TColor kBgFrame = 0x004080;   // brown
inline constexpr TColor kBgInside = 0xE0FFFF;  // light yellow
inline constexpr TColor kMenuBg = 0xF0F0F0;
inline constexpr TColor kHilight = 0x3060FF;
inline constexpr TColor kMenuText = 0x000000;
inline constexpr TColor kHilightText = 0xFFFFFF;
inline constexpr TColor kShadow = 0x707070;

inline constexpr int kFrameW = 20, kFrameH = 20;

// A 24-bit W by H bitmap in one colour.
std::unique_ptr<TBitmap> Solid(int W, int H, TColor Color);
// The scheme colours above, a MenuItem strip and (optionally) a menu background.
void BuildSkin(TSkinData& Data, bool WithMenuItem, bool WithBackground);

class FakeManager : public TSkinManageBase {
 public:
  void SetAction(std::int32_t, std::int32_t) override {}
  bool AddForm(HWND) override { return false; }
  void AddSkinData(TSkinData*) override {}
  void RemoveSkinData(TSkinData*) override {}
  void InstallHook() override {}
  void DeleteSysbtn() override {}
  std::int32_t InstallThread(DWORD) override { return 0; }
  void UnInstallThread(DWORD) override {}
  void AssignData(TSkinManageBase*) override {}
  void AddNestForm(HWND, TComponent*) override {}
  void UpdateSkinControl(HWND, TControl*) override {}
  void UpdateMenu(HWND, TComponent*) override {}
  void UpdateMainMenu() override {}
  void DeleteGraphicControl(HWND, TControl*) override {}

  void SetPopMenu() override;
  void SetHMenu(HMENU Menu) override;
  TBitmap* GetMenuBg(HMENU Menu) const override;

  int popMenuCalls = 0;
  std::vector<HMENU> boundMenus;
  TBitmap* fixedBackground = nullptr;  // answered for every menu when set
  std::vector<std::unique_ptr<TRuzIzivPopMenu>> menus;
};

// Installs a FakeManager as the process's skin manager for one scope.
struct ScopedManager {
  FakeManager manager;
  ScopedManager() {
    manager.FEnabled = true;
    SkinManager = &manager;
  }
  ~ScopedManager() { SkinManager = nullptr; }
};

}  // namespace menutest
