// TColorDialog and TOpenDialog: the system's colour and file-open dialogs as components.
#pragma once

#include <windows.h>

#include <array>

#include "framework/core/Classes.h"
#include "framework/core/Strings.h"

PUBLISHED_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TComponent {
  DECLARE_CLASS(TColorDialog, TComponent)

 public:
  explicit TColorDialog(TComponent* Owner);
  static void Publish(TPublisher<TColorDialog>& P) {
    P.Color("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(0);
    P.Set("Options", &TColorDialog::Options, &TColorDialog::SetOptions);
    P.Bool("Ctl3D", &TColorDialog::Ctl3D, &TColorDialog::SetCtl3D).Default(1);
  }

  TColor Color() const { return FColor; }
  void SetColor(TColor V) { FColor = V; }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions V) { FOptions = V; }
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool V) { FCtl3D = V; }
  // The dialog's sixteen custom colours, kept from one Execute to the next.
  std::array<COLORREF, 16>& CustomColors() { return FCustomColors; }

  // Shows the dialog modally; true when the user confirmed (Color then holds the choice), false
  // when cancelled (Color unchanged).
  bool Execute(HWND Owner = nullptr);
  // The ChooseColor flags that Options stand for.
  DWORD Flags() const;

 private:
  TColor FColor = 0;
  TColorDialogOptions FOptions;
  bool FCtl3D = true;
  std::array<COLORREF, 16> FCustomColors;
};

// The system's dialog that picks an existing file. Filter lists "Description|*.ext" pairs separated
// by "|"; FilterIndex counts from 1.
class TOpenDialog : public TComponent {
  DECLARE_CLASS(TOpenDialog, TComponent)

 public:
  explicit TOpenDialog(TComponent* Owner) : TComponent(Owner) {}
  static void Publish(TPublisher<TOpenDialog>& P) {
    P.Str("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    P.Str("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    P.Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    P.Str("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    P.Str("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
  }

  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  const String& Filter() const { return FFilter; }
  void SetFilter(const String& Value) { FFilter = Value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  const String& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const String& Value) { FInitialDir = Value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }

  // Shows the dialog modally; true when a file was chosen (FileName then names it).
  bool Execute(HWND Owner = nullptr);

 private:
  String FFileName;
  String FFilter;
  int FFilterIndex = 1;
  String FInitialDir;
  String FTitle;
};
