#include "gallery/GalleryDialogs.h"

void TGalleryDialog::Publish(TPublisher<TGalleryDialog>& P) {
  P.Field("edtName", &TGalleryDialog::edtName);
  P.Field("btnOk", &TGalleryDialog::btnOk);
  P.Field("btnCancel", &TGalleryDialog::btnCancel);
}

void TGalleryMdiForm::Publish(TPublisher<TGalleryMdiForm>& P) {
  P.Field("MdiMenu", &TGalleryMdiForm::MdiMenu);
  P.Field("mnuMdiWindow", &TGalleryMdiForm::mnuMdiWindow);
  P.Method<&TGalleryMdiForm::FormCreate>("FormCreate");
  P.Method<&TGalleryMdiForm::TileClick>("TileClick");
  P.Method<&TGalleryMdiForm::CascadeClick>("CascadeClick");
  P.Method<&TGalleryMdiForm::ArrangeClick>("ArrangeClick");
  P.Method<&TGalleryMdiForm::NextClick>("NextClick");
  P.Method<&TGalleryMdiForm::CloseClick>("CloseClick");
  P.Method<&TGalleryMdiForm::MdiFormClose>("MdiFormClose");
}

void TGalleryMdiForm::FormCreate(TObject*) {
  // The children live in the MDI client, which comes with the window.
  HandleNeeded();
  const char* Captions[] = {"First child", "Second child", "Third child"};
  for (int Index = 0; Index < 3; ++Index) {
    auto* Child = new TForm(this);
    Child->SetName("MdiChild" + IntToStr(Index + 1));
    Child->SetFormStyle(fsMDIChild);
    Child->SetCaption(Captions[Index]);
    Child->SetBounds(20 + 30 * Index, 20 + 30 * Index, 260, 160);
    auto* Note = new TEdit(Child);
    Note->SetBounds(12, 12, 200, 21);
    Note->SetText(String("This is the ") + Captions[Index]);
    Note->SetParent(Child);
    Child->HandleNeeded();
  }
}

void TGalleryMdiForm::TileClick(TObject*) {
  Tile();
}

void TGalleryMdiForm::CascadeClick(TObject*) {
  Cascade();
}

void TGalleryMdiForm::ArrangeClick(TObject*) {
  ArrangeIcons();
}

void TGalleryMdiForm::NextClick(TObject*) {
  Next();
}

void TGalleryMdiForm::CloseClick(TObject*) {
  Close();
}

void TGalleryMdiForm::MdiFormClose(TObject*, TCloseAction& Action) {
  // Kept for the next time the Window menu asks for it.
  Action = caHide;
}
