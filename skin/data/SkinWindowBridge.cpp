// Window handles through the framework's control classes.

#include "skin/data/SkinWindowBridge.h"

#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"

HWND SkinOwnerFormWindow(TComponent* C) {
  auto* Form = dynamic_cast<TCustomForm*>(C);
  return Form ? Form->Handle() : nullptr;
}

HWND SkinFormWindow(TCustomForm* Form) {
  return Form ? Form->Handle() : nullptr;
}
HWND SkinControlWindow(TWinControl* Control) {
  return Control ? Control->Handle() : nullptr;
}
TControl* SkinFormAsControl(TCustomForm* Form) {
  return Form;
}
TComponent* SkinFormAsComponent(TCustomForm* Form) {
  return Form;
}
HWND SkinApplicationWindow() {
  return Application ? Application->Handle() : nullptr;
}
