#include "framework/win/controls/Dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

TColorDialog::TColorDialog(TComponent* Owner) : TComponent(Owner) {
  FCustomColors.fill(RGB(255, 255, 255));
}

DWORD TColorDialog::Flags() const {
  DWORD DialogFlags = CC_RGBINIT;
  if (FOptions.Contains(cdFullOpen)) DialogFlags |= CC_FULLOPEN;
  if (FOptions.Contains(cdPreventFullOpen)) DialogFlags |= CC_PREVENTFULLOPEN;
  if (FOptions.Contains(cdShowHelp)) DialogFlags |= CC_SHOWHELP;
  if (FOptions.Contains(cdSolidColor)) DialogFlags |= CC_SOLIDCOLOR;
  if (FOptions.Contains(cdAnyColor)) DialogFlags |= CC_ANYCOLOR;
  return DialogFlags;
}

namespace {

// The window a common dialog belongs to: the active form's, else the application's.
HWND DialogOwner() {
  if (TCustomForm* Active = Screen ? Screen->ActiveForm() : nullptr; Active && Active->HandleAllocated())
    return Active->WindowHandle();
  return Application ? Application->Handle() : nullptr;
}

}  // namespace

bool TColorDialog::Execute(HWND Owner) {
  if (!Owner) Owner = DialogOwner();
  CHOOSECOLORW Cc{};
  Cc.lStructSize = sizeof Cc;
  Cc.hwndOwner = Owner;
  Cc.rgbResult = ColorToRGB(FColor);
  Cc.lpCustColors = FCustomColors.data();
  Cc.Flags = Flags();
  if (!ChooseColorW(&Cc)) return false;
  FColor = Cc.rgbResult;
  return true;
}

bool TOpenDialog::Execute(HWND Owner) {
  // The filter as the system wants it: pairs separated by NULs, ending with two.
  std::wstring Filter = Utf8ToWide(FFilter);
  for (wchar_t& C : Filter)
    if (C == L'|') C = L'\0';
  Filter.append(2, L'\0');
  std::wstring Name = Utf8ToWide(FFileName);
  Name.resize(std::max<size_t>(Name.size() + 1, 32768), L'\0');
  const std::wstring Dir = Utf8ToWide(FInitialDir);
  const std::wstring Caption = Utf8ToWide(FTitle);
  OPENFILENAMEW Info{};
  Info.lStructSize = sizeof Info;
  Info.hwndOwner = Owner ? Owner : DialogOwner();
  Info.lpstrFilter = FFilter.empty() ? nullptr : Filter.c_str();
  Info.nFilterIndex = static_cast<DWORD>(FFilterIndex > 0 ? FFilterIndex : 1);
  Info.lpstrFile = Name.data();
  Info.nMaxFile = static_cast<DWORD>(Name.size());
  Info.lpstrInitialDir = Dir.empty() ? nullptr : Dir.c_str();
  Info.lpstrTitle = Caption.empty() ? nullptr : Caption.c_str();
  Info.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameW(&Info)) return false;
  FFileName = WideToUtf8(Name.c_str());
  FFilterIndex = static_cast<int>(Info.nFilterIndex);
  return true;
}
