// Used while the framework's control classes are not yet built on the shared object model: no
// framework window can be named then, so every look-up answers "none".

#include "skin/data/SkinWindowBridge.h"

HWND SkinOwnerFormWindow(TComponent*) {
  return nullptr;
}
HWND SkinFormWindow(TCustomForm*) {
  return nullptr;
}
HWND SkinControlWindow(TWinControl*) {
  return nullptr;
}
TControl* SkinFormAsControl(TCustomForm*) {
  return nullptr;
}
TComponent* SkinFormAsComponent(TCustomForm*) {
  return nullptr;
}
HWND SkinApplicationWindow() {
  return nullptr;
}
