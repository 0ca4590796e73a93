// The gallery's other forms: a modal dialog with OK and Cancel, and an MDI form with three children
// whose Window menu lists them.
#pragma once

#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

class TGalleryDialog : public TForm {
  DECLARE_CLASS(TGalleryDialog, TForm)

 public:
  explicit TGalleryDialog(TComponent* Owner) : TForm(Owner) {}
  static void Publish(TPublisher<TGalleryDialog>& P);

  TEdit* edtName = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;
};

class TGalleryMdiForm : public TForm {
  DECLARE_CLASS(TGalleryMdiForm, TForm)

 public:
  explicit TGalleryMdiForm(TComponent* Owner) : TForm(Owner) {}
  static void Publish(TPublisher<TGalleryMdiForm>& P);

  TMainMenu* MdiMenu = nullptr;
  TMenuItem* mnuMdiWindow = nullptr;

  void FormCreate(TObject* Sender);
  void TileClick(TObject* Sender);
  void CascadeClick(TObject* Sender);
  void ArrangeClick(TObject* Sender);
  void NextClick(TObject* Sender);
  void CloseClick(TObject* Sender);
  void MdiFormClose(TObject* Sender, TCloseAction& Action);
};
