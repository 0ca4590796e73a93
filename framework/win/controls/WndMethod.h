// A control's replaceable message method: an object and a function, compared as a pair so that whoever
// replaces it can check and put back exactly what it found.
//   saved = control->WindowProc;
//   control->WindowProc = TWndMethod::Bind<&TSkinControl::NewWndProc>(this);
//   ...
//   control->WindowProc = saved;
#pragma once

#include "framework/core/Events.h"
#include "framework/win/controls/Messages.h"

using TWndMethod = TEvent<void(TMessage& Message)>;
