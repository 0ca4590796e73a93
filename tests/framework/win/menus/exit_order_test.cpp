// Objects that a static object frees at exit, after everything made while the program ran has been
// destroyed (as the skin manager frees the system menus and timers of the windows it still skins):
// the process still ends cleanly. A failure here is the program's exit status, not an assertion.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/menus/Menus.h"

namespace {

// Made during static initialisation, so it goes after every function-local static made later.
struct TFreedAtExit {
  std::vector<std::function<void()>> Actions;
  ~TFreedAtExit() {
    // Memory given back by what was destroyed before is handed out again and overwritten, as the
    // rest of a program's exit would do: a destroyed registry cannot pass for a live one.
    for (std::size_t Size = 16; Size <= 160; Size += 16)
      for (int I = 0; I < 2000; ++I) std::memset(std::malloc(Size), 0xA5, Size);
    for (auto& Action : Actions) Action();
  }
} FreedAtExit;

LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* Info) {
  TerminateProcess(GetCurrentProcess(), Info->ExceptionRecord->ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

class TTicks : public TObject {
 public:
  void Tick(TObject*) {}
};

TEST(ExitOrder, MenusAndTimersFreedByAStaticObjectAtExit) {
  // A crash at exit ends the process with its exception code instead of a dialog nobody closes.
  SetUnhandledExceptionFilter(&EndWithExceptionCode);
  // Many of each, so that the registries hold many entries that a destroyed one would have freed.
  auto* Popup = new TPopupMenu(nullptr);
  for (int I = 0; I < 300; ++I) {
    auto* Item = new TMenuItem(nullptr);
    Item->SetCaption(I % 10 == 9 ? "-" : "Item");
    Popup->Items()->Add(Item);
  }
  auto* Ticks = new TTicks;
  std::vector<TTimer*> Timers;
  for (int I = 0; I < 50; ++I) {
    auto* Timer = new TTimer(nullptr);
    Timer->SetInterval(60000);
    Timer->SetOnTimer(TNotifyEvent::Bind<&TTicks::Tick>(Ticks));
    Timer->SetEnabled(true);
    ASSERT_TRUE(Timer->Running());
    Timers.push_back(Timer);
  }
  FreedAtExit.Actions.push_back([Popup, Timers, Ticks] {
    delete Popup;
    for (TTimer* Timer : Timers) delete Timer;
    delete Ticks;
  });
}

}  // namespace
