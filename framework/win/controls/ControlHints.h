// Control hints: when the mouse rests over a control whose ShowHint is set and whose Hint is not
// empty, its hint shows below the mouse after the application's hint pause and goes again after the
// hide pause, when the mouse leaves the control, or at a press. One hint at a time per thread.
#pragma once

class TControl;

void HintMouseEnter(TControl* Control);
void HintMouseLeave(TControl* Control);
void CancelHint();
// The control whose hint shows now (null when none does).
TControl* HintShowingFor();
