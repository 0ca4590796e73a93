// Forms of the framework for the Windows tests: one read from a description.
#pragma once

#include <memory>
#include <string_view>

#include "framework/win/forms/Forms.h"

namespace testsupport {

// A form read from description Text ("object Form1: TForm ... end") with the classes it names (they
// must be registered); the form owns everything it holds. Shown, it is also shown and has painted.
std::unique_ptr<TForm> ReadForm(std::string_view Text, bool Shown = false);

}  // namespace testsupport
