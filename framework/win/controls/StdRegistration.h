// Makes the standard controls (bases, panels, labels, pictures, buttons, choices, text, lists,
// scroll bars, scroll boxes, grids) known to form descriptions.
#pragma once

void RegisterStdControls();
