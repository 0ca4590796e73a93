// A form read from a description holding the common controls, and what the tests do with it.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "framework/win/forms/Forms.h"

// Reads Text (an "object Form1: TForm" description) into a new form, shows it and lets it paint.
std::unique_ptr<TForm> ReadForm(std::string_view Text);
// Handles what is queued for this thread.
void Pump();
// The control of Form named Name, of class T (test failure when absent or of another class).
template <class T>
T* Find(TForm& Form, std::string_view Name) {
  return dynamic_cast<T*>(Form.FindComponent(Name));
}
// The default window procedure of a window class registered by the system.
WNDPROC SystemClassProc(const wchar_t* ClassName);
// With COMCTRLS_HOLD_MS set, keeps the windows up and pumping that long, so a person (or a
// screenshot) can look at them.
void HoldForLook();
