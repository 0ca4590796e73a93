// Window handles of framework objects, as the skin data component needs them (the owner form, a
// control, the application window). Kept in one place so the rest of the library does not depend on
// the control classes.
#pragma once

#include <windows.h>

class TComponent;
class TControl;
class TWinControl;
class TCustomForm;

// The window of C when it is a form; null otherwise or for null.
HWND SkinOwnerFormWindow(TComponent* C);
HWND SkinFormWindow(TCustomForm* Form);
HWND SkinControlWindow(TWinControl* Control);
// The same object seen through its bases.
TControl* SkinFormAsControl(TCustomForm* Form);
TComponent* SkinFormAsComponent(TCustomForm* Form);
// The application's own window, which carries the program's icons; null when there is none.
HWND SkinApplicationWindow();
