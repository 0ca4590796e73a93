#include "framework/win/controls/Dialogs.h"

#include <commdlg.h>

#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/graphics/Colors.h"

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) {
  FCustomColors.fill(RGB(255, 255, 255));
}

DWORD TColorDialog::Flags() const {
  DWORD flags = CC_RGBINIT;
  if (FOptions.Contains(cdFullOpen)) flags |= CC_FULLOPEN;
  if (FOptions.Contains(cdPreventFullOpen)) flags |= CC_PREVENTFULLOPEN;
  if (FOptions.Contains(cdShowHelp)) flags |= CC_SHOWHELP;
  if (FOptions.Contains(cdSolidColor)) flags |= CC_SOLIDCOLOR;
  if (FOptions.Contains(cdAnyColor)) flags |= CC_ANYCOLOR;
  return flags;
}

bool TColorDialog::Execute(HWND owner) {
  if (!owner) {
    if (TCustomForm* active = Screen ? Screen->ActiveForm() : nullptr; active && active->HandleAllocated())
      owner = active->WindowHandle();
    else if (Application)
      owner = Application->Handle();
  }
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = ColorToRGB(FColor);
  cc.lpCustColors = FCustomColors.data();
  cc.Flags = Flags();
  if (!ChooseColorW(&cc)) return false;
  FColor = cc.rgbResult;
  return true;
}
