// The gallery's main form: every control of the framework in the states a skin draws, on the pages of
// a page control, with a main menu, a tool bar, a cool bar, a status bar and a popup menu around
// them. Built from its description; the skin data component on it carries the default skin.
#pragma once

#include "framework/core/Streams.h"
#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/ComCtrls.h"
#include "framework/win/controls/ComboBoxes.h"
#include "framework/win/controls/Dialogs.h"
#include "framework/win/controls/Grids.h"
#include "framework/win/controls/Images.h"
#include "framework/win/controls/ListBoxes.h"
#include "framework/win/controls/Memos.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/Menus.h"
#include "skin/data/SkinData.h"

class TGalleryMdiForm;

// The number of pages the description gives the page control.
inline constexpr int kGalleryPageCount = 7;

// The skins the Skin menu and the command line choose from.
PUBLISHED_ENUM(TGallerySkin, gsDefault, gsDark, gsNone)

class TGalleryForm : public TForm {
  DECLARE_CLASS(TGalleryForm, TForm)

 public:
  explicit TGalleryForm(TComponent* Owner) : TForm(Owner) {}
  ~TGalleryForm() override;
  static void Publish(TPublisher<TGalleryForm>& P);

  // Published component fields that reading the description fills.
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* mnuSkin = nullptr;
  TMenuItem* mnuSkinDefault = nullptr;
  TMenuItem* mnuSkinDark = nullptr;
  TMenuItem* mnuSkinNone = nullptr;
  TMenuItem* pmnSkin = nullptr;
  TPopupMenu* pmSkin = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TImageList* ImageList1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TColorDialog* ColorDialog1 = nullptr;
  TSkinData* SkinData1 = nullptr;
  TComboBox* cbxPage = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TButton* btnFocused = nullptr;
  TSpeedButton* sbNormal = nullptr;
  TSpeedButton* sbFlat = nullptr;
  TSpeedButton* sbDown = nullptr;
  TSpeedButton* sbFlatDown = nullptr;
  TSpeedButton* sbDisabled = nullptr;
  TSpeedButton* sbCaption = nullptr;
  TMemo* memText = nullptr;
  TListBox* lstItems = nullptr;
  TCheckListBox* clbItems = nullptr;
  TListView* lvReport = nullptr;
  TStringGrid* sgGrid = nullptr;
  TImage* imgPicture = nullptr;

  void FormCreate(TObject* Sender);
  void ButtonClick(TObject* Sender);
  void PageComboChange(TObject* Sender);
  void PageControl1Change(TObject* Sender);
  void StatusBar1DrawPanel(TCustomStatusBar* StatusBar, TStatusPanel* Panel, const RECT& Rect);
  void ColourComboDrawItem(TWinControl* Control, int Index, const RECT& Rect, TOwnerDrawState State);
  void OpenClick(TObject* Sender);
  void RecentClick(TObject* Sender);
  void ExitClick(TObject* Sender);
  void EditClick(TObject* Sender);
  void SkinClick(TObject* Sender);
  void ColourClick(TObject* Sender);
  void MessageClick(TObject* Sender);
  void ModalClick(TObject* Sender);
  void MdiClick(TObject* Sender);
  void TileClick(TObject* Sender);
  void CascadeClick(TObject* Sender);
  void AboutClick(TObject* Sender);
  void NextPageClick(TObject* Sender);
  void PreviousPageClick(TObject* Sender);

  // The skin in force: the embedded default skin, the dark skin from "dark.skn" beside the program
  // (EFOpenError when it is not there), or none.
  void ApplySkin(TGallerySkin Skin);
  TGallerySkin Skin() const { return FSkin; }
  // The page shown, counted from 0; std::out_of_range for a page that does not exist.
  int PageCount() const;
  void ShowPage(int Index);
  int PageIndex() const;
  // What the status bar's first panel says (the last action's outcome).
  const String& Status() const { return FStatus; }
  void SetStatus(const String& Text);
  // The MDI form of the Window menu, created on first use.
  TGalleryMdiForm* MdiForm();

 private:
  TMemoryStream FDefaultSkin;
  TGallerySkin FSkin = gsDefault;
  String FStatus;
  TGalleryMdiForm* FMdiForm = nullptr;

  // The contents that would make the description long: lines, rows, cells, glyphs and a picture.
  void FillLists();
  void SetGlyphs();
};

// Makes the gallery's forms known to the description reader.
void RegisterGalleryClasses();
