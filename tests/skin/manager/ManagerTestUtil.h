// Helpers of the skin manager tests: skin data components with a loaded skin, plain windows of this
// module, message pumping and a fresh manager per test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "framework/win/controls/ExtCtrls.h"
#include "skin/data/SkinData.h"
#include "skin/manager/SkinManage.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

namespace mgrtest {

// The packed skins of the build tree.
String DefaultSkin();
String DarkSkin();

// A skin data component of the given kind, owned by Owner, its skin loaded from Archive (none for an
// empty component), registered with the manager as a form description would (Loaded), then
// activated when Active.
TSkinData* MakeSkinData(TComponent* Owner, TSkinFormType Kind, const String& Archive, bool Active = false);

// A top-level window of a class registered by this module (the class is registered on first use).
HWND MakeWindow(const wchar_t* ClassName, DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, int Width = 240,
                int Height = 160, HWND Parent = nullptr, DWORD ExStyle = 0);

// Handles the queued messages; PumpFor keeps doing so for Ms milliseconds (the manager's timer).
inline void Pump() {
  testsupport::Pump(0);
}
inline void PumpFor(DWORD Ms) {
  testsupport::Pump(static_cast<int>(Ms));
}
using testsupport::PumpUntil;

// Sends the engine's "is this window skinned?" query.
bool AnswersSkinned(HWND Wnd);

inline int UserObjects() {
  return static_cast<int>(testsupport::UserObjects());
}

// A fresh executable manager for every test, destroyed afterwards with everything it holds.
class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TSkinManage& Manager() { return *SkinManage(); }
  // Windows destroyed at the end of the test.
  HWND Track(HWND Wnd) {
    FWindows.push_back(Wnd);
    return Wnd;
  }
  std::vector<HWND> FWindows;
  std::vector<TComponent*> FComponents;  // freed at the end, newest first
  template <class T>
  T* Keep(T* Component) {
    FComponents.push_back(Component);
    return Component;
  }
};

}  // namespace mgrtest
