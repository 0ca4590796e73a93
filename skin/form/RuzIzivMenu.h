// TRuzIzivMenu: the menu bar drawn inside a skinned frame. This is its minimal form: it keeps the
// window's menu and paints the band below the caption in the skin's face colour; the bar's buttons
// are not drawn yet.
#pragma once

#include <windows.h>

#include "framework/core/Classes.h"

class TRuzIzivForm;
class TSkinData;
class TMenuBtn;
class TComponent;

class TRuzIzivMenu : public TObject {
  DECLARE_CLASS(TRuzIzivMenu, TObject)

 public:
  TRuzIzivMenu(TRuzIzivForm* Form, TSkinData* SkinData);
  ~TRuzIzivMenu() override;

  void UpdataBtn();
  void UpdataBtn2(HMENU Menu);
  void SetMenuRect() {}
  void DrawMenu(HDC DC, const RECT& M);
  TMenuBtn* FindBtn(POINT) { return nullptr; }
  void MouseMove(POINT) {}

  TRuzIzivForm* FForm;
  TSkinData* FSkinData;
  HMENU FMenu = nullptr;            // the window's native menu, given back on unskinning
  TComponent* FMainMenu = nullptr;  // the form's main menu component, when there is one
};
