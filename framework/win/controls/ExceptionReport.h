// What happens to an exception that reaches a window procedure or the message loop: the application
// reports it (its OnException or the standard exception box) and the loop goes on. Exceptions never
// unwind through the system's window code.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

class TObject;

// The text the standard box shows for an exception: its message, ending in a full stop.
std::wstring ExceptionText(std::exception_ptr Error);

// The standard exception box: an OK box with the stop icon, titled with the application's title.
void ShowExceptionBox(HWND Owner, const std::wstring& Title, const std::wstring& Text);

// Called inside a catch block; hands the current exception to the installed handler (without one,
// shows the standard box). SetExceptionHandler returns the handler it replaces.
using TExceptionHandler = void (*)(TObject* Sender, std::exception_ptr Error);
TExceptionHandler SetExceptionHandler(TExceptionHandler Handler);
void ReportException(TObject* Sender);
