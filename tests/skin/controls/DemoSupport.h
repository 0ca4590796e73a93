// What the skinned-control demo programs share: their command line, the skins they show, the status
// they report ten times a second and the message loop that runs while their form shows.
#pragma once

#include <windows.h>

#include <string>

#include "tests/skin/controls/ControlsTestUtil.h"

class TForm;
class TSkinData;

namespace ctltest {

// --skin coded|default (coded unless "default") and --status FILE.
struct TDemoOptions {
  bool Coded = true;
  std::string StatusFile;
};
TDemoOptions ReadDemoOptions(int Argc, char** Argv);

// The colour-coded skin Coded, or with --skin default the default skin packed from its folder in the
// source tree; either way without the main-menu skinning.
void LoadDemoSkin(TSkinData& Data, const TDemoOptions& Options, const TCodedSkin& Coded = {});

// A shown framework form at 40,40 of W x H with that caption.
TForm* NewDemoForm(const char* Caption, int W, int H);

// Calls Write every 100 ms from this thread's message loop; what it throws stays there.
void ReportEvery100ms(void (*Write)());

// Handles this thread's messages while Form is visible.
void RunWhileVisible(HWND Form);

}  // namespace ctltest
