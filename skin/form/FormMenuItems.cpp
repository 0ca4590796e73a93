// Owner-drawn menu items and tool-bar painting: placeholders until they are written.
#include "skin/form/RuzIzivForm.h"

void TRuzIzivForm::MeasureItem(TObject*, TCanvas*, int&, int&) {}
void TRuzIzivForm::MeasureItemPop(TObject*, TCanvas*, int&, int&) {}
void TRuzIzivForm::DrawMenuItem(TObject*, TCanvas*, const RECT&, bool) {}
void TRuzIzivForm::DrawHMenuItem2(HMENU, TObject*, TCanvas*, const RECT&, bool) {}
void TRuzIzivForm::DefaultMenuItem(TObject*, TCanvas*, const RECT&, bool) {}
void TRuzIzivForm::DrawMenuCaption(TCanvas*, const RECT&) {}
void TRuzIzivForm::DrawItemText(TMenuItem*, TCanvas*, const RECT&, bool) {}
void TRuzIzivForm::DoDrawText(TMenuItem*, TCanvas*, const WideString&, const RECT&, bool, int) {}
void TRuzIzivForm::ToolBarDrawBackground(TToolBar*, const RECT&, bool&) {}
void TRuzIzivForm::ToolBarDrawButton(TToolBar*, TToolButton*, unsigned, bool&) {}
TBitmap* TRuzIzivForm::GetMenuBG() {
  return nullptr;
}
