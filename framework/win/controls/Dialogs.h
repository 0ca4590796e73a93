// TColorDialog: the system's colour dialog as a component.
#pragma once

#include <windows.h>

#include <array>

#include "framework/core/Classes.h"

PUBLISHED_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TComponent {
  DECLARE_CLASS(TColorDialog, TComponent)

 public:
  explicit TColorDialog(TComponent* owner);
  static void Publish(TPublisher<TColorDialog>& P) {
    P.Color("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(0);
    P.Set("Options", &TColorDialog::Options, &TColorDialog::SetOptions);
    P.Bool("Ctl3D", &TColorDialog::Ctl3D, &TColorDialog::SetCtl3D).Default(1);
  }

  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions v) { FOptions = v; }
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool v) { FCtl3D = v; }
  // The dialog's sixteen custom colours, kept from one Execute to the next.
  std::array<COLORREF, 16>& CustomColors() { return FCustomColors; }

  // Shows the dialog modally; true when the user confirmed (Color then holds the choice), false
  // when cancelled (Color unchanged).
  bool Execute(HWND owner = nullptr);
  // The ChooseColor flags that Options stand for.
  DWORD Flags() const;

 private:
  TColor FColor = 0;
  TColorDialogOptions FOptions;
  bool FCtl3D = true;
  std::array<COLORREF, 16> FCustomColors;
};
