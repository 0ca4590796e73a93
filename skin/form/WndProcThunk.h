// A window procedure bound to one object: a few bytes of executable code that put the object in
// place of the window handle and jump to a static procedure. Each binding is a distinct procedure
// address, so any number of objects can subclass the same window independently and each can check
// and give back exactly what it replaced.
#pragma once

#include <windows.h>

#include <memory>

class TWndProcThunk {
 public:
  // Target receives Self as its first argument (where the window handle would be).
  TWndProcThunk(void* Self, WNDPROC Target);
  TWndProcThunk(const TWndProcThunk&) = delete;
  TWndProcThunk& operator=(const TWndProcThunk&) = delete;
  ~TWndProcThunk();

  // Null when no executable memory could be had.
  WNDPROC Proc() const { return FProc; }

  // For a thunk that another subclasser of Wnd still calls: it is kept for the rest of the process
  // and from now on passes every message straight to Old.
  static void Orphan(std::unique_ptr<TWndProcThunk> Thunk, HWND Wnd, WNDPROC Old, bool Unicode);

  // Ends Thunk's subclassing of Wnd: puts Old back when Thunk is still the window's procedure, else
  // leaves Thunk as a forwarder to Old in the chain of whoever came in after it. Thunk is empty
  // afterwards. Without a thunk or a window there is nothing to do; without an Old procedure the
  // window's default procedure stands in for it, so the window never keeps a null procedure.
  static void GiveBack(std::unique_ptr<TWndProcThunk>& Thunk, HWND Wnd, WNDPROC Old, bool Unicode);

 private:
  void Bind(void* Self, WNDPROC Target);
  WNDPROC FProc = nullptr;
};
