#include "gallery/GalleryForm.h"

#include <stdexcept>

#include "framework/core/SysUtils.h"
#include "framework/win/app/Application.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"
#include "gallery/GalleryDialogs.h"
#include "gallery/GalleryImages.h"

namespace {

String ProgramFolder() {
  wchar_t Path[MAX_PATH] = {};
  const DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  return ExtractFilePath(WideToUtf8(std::wstring_view(Path, Length)));
}

// "#RRGGBB", as colours are written on the web.
String HtmlColour(TColor Colour) {
  const COLORREF Rgb = ColorToRGB(Colour);
  return "#" + IntToHex(GetRValue(Rgb), 2) + IntToHex(GetGValue(Rgb), 2) + IntToHex(GetBValue(Rgb), 2);
}

const char* SkinName(TGallerySkin Skin) {
  switch (Skin) {
    case gsDefault:
      return "default skin";
    case gsDark:
      return "dark skin";
    case gsNone:
      break;
  }
  return "no skin";
}

}  // namespace

void TGalleryForm::Publish(TPublisher<TGalleryForm>& P) {
  P.Field("MainMenu1", &TGalleryForm::MainMenu1);
  P.Field("mnuSkinDefault", &TGalleryForm::mnuSkinDefault);
  P.Field("mnuSkinDark", &TGalleryForm::mnuSkinDark);
  P.Field("mnuSkinNone", &TGalleryForm::mnuSkinNone);
  P.Field("mnuSkin", &TGalleryForm::mnuSkin);
  P.Field("pmnSkin", &TGalleryForm::pmnSkin);
  P.Field("pmSkin", &TGalleryForm::pmSkin);
  P.Field("PopupMenu1", &TGalleryForm::PopupMenu1);
  P.Field("ImageList1", &TGalleryForm::ImageList1);
  P.Field("OpenDialog1", &TGalleryForm::OpenDialog1);
  P.Field("ColorDialog1", &TGalleryForm::ColorDialog1);
  P.Field("SkinData1", &TGalleryForm::SkinData1);
  P.Field("cbxPage", &TGalleryForm::cbxPage);
  P.Field("StatusBar1", &TGalleryForm::StatusBar1);
  P.Field("PageControl1", &TGalleryForm::PageControl1);
  P.Field("btnFocused", &TGalleryForm::btnFocused);
  P.Field("sbNormal", &TGalleryForm::sbNormal);
  P.Field("sbFlat", &TGalleryForm::sbFlat);
  P.Field("sbDown", &TGalleryForm::sbDown);
  P.Field("sbFlatDown", &TGalleryForm::sbFlatDown);
  P.Field("sbDisabled", &TGalleryForm::sbDisabled);
  P.Field("sbCaption", &TGalleryForm::sbCaption);
  P.Field("memText", &TGalleryForm::memText);
  P.Field("lstItems", &TGalleryForm::lstItems);
  P.Field("clbItems", &TGalleryForm::clbItems);
  P.Field("lvReport", &TGalleryForm::lvReport);
  P.Field("sgGrid", &TGalleryForm::sgGrid);
  P.Field("imgPicture", &TGalleryForm::imgPicture);
  P.Method<&TGalleryForm::FormCreate>("FormCreate");
  P.Method<&TGalleryForm::ButtonClick>("ButtonClick");
  P.Method<&TGalleryForm::PageComboChange>("PageComboChange");
  P.Method<&TGalleryForm::PageControl1Change>("PageControl1Change");
  P.Method<&TGalleryForm::StatusBar1DrawPanel>("StatusBar1DrawPanel");
  P.Method<&TGalleryForm::ColourComboDrawItem>("ColourComboDrawItem");
  P.Method<&TGalleryForm::OpenClick>("OpenClick");
  P.Method<&TGalleryForm::RecentClick>("RecentClick");
  P.Method<&TGalleryForm::ExitClick>("ExitClick");
  P.Method<&TGalleryForm::EditClick>("EditClick");
  P.Method<&TGalleryForm::SkinClick>("SkinClick");
  P.Method<&TGalleryForm::ColourClick>("ColourClick");
  P.Method<&TGalleryForm::MessageClick>("MessageClick");
  P.Method<&TGalleryForm::ModalClick>("ModalClick");
  P.Method<&TGalleryForm::MdiClick>("MdiClick");
  P.Method<&TGalleryForm::TileClick>("TileClick");
  P.Method<&TGalleryForm::CascadeClick>("CascadeClick");
  P.Method<&TGalleryForm::AboutClick>("AboutClick");
  P.Method<&TGalleryForm::NextPageClick>("NextPageClick");
  P.Method<&TGalleryForm::PreviousPageClick>("PreviousPageClick");
}

TGalleryForm::~TGalleryForm() {
  // The MDI form is the application's; it goes with it, or here when the gallery goes first.
  delete FMdiForm;
}

void TGalleryForm::FormCreate(TObject*) {
  AddGalleryImages(*ImageList1);
  // The skin the description carried, for the Skin menu to come back to.
  if (SkinData1) FDefaultSkin.LoadFromStream(*SkinData1->FSkinStream);
  SetGlyphs();
  FillLists();
  SetActiveControl(btnFocused);
  cbxPage->SetItemIndex(PageIndex());
  SetStatus("Ready");
}

void TGalleryForm::SetGlyphs() {
  const std::pair<TSpeedButton*, TGalleryImage> Glyphs[] = {{sbNormal, giOpen},    {sbFlat, giCut},
                                                            {sbDown, giBold},      {sbFlatDown, giCopy},
                                                            {sbDisabled, giPaste}, {sbCaption, giPage}};
  for (const auto& [Button, Image] : Glyphs) Button->SetGlyph(GalleryGlyph(Image).get());
  imgPicture->Picture()->SetGraphic(GalleryGlyph(giSkin).get());
}

void TGalleryForm::FillLists() {
  // Long enough to scroll.
  for (int Line = 1; Line <= 40; ++Line)
    memText->Lines()->Add("Line " + IntToStr(Line) + " of a memo long enough to scroll");
  for (int Item = 1; Item <= 40; ++Item) lstItems->Items()->Add("List item " + IntToStr(Item));
  const char* Checks[] = {"Fruit", "Apples", "Pears", "Plums", "Vegetables", "Beans", "Carrots", "Leeks"};
  for (const char* Text : Checks) clbItems->Items()->Add(Text);
  clbItems->SetHeader(0, true);
  clbItems->SetHeader(4, true);
  clbItems->SetChecked(1, true);
  clbItems->SetState(2, cbGrayed);
  clbItems->SetItemEnabled(3, false);
  clbItems->SetChecked(6, true);
  const char* Kinds[] = {"Text document", "Bitmap image", "Skin archive", "Form description"};
  for (int Row = 1; Row <= 40; ++Row) {
    TListItem* Item = lvReport->Items()->Add();
    Item->SetCaption("file" + IntToStr(Row) + ".txt");
    Item->SubItems()->Add(IntToStr(Row * 3) + " KB");
    Item->SubItems()->Add(Kinds[Row % 4]);
  }
  for (int Col = 1; Col < sgGrid->ColCount(); ++Col) sgGrid->SetCells(Col, 0, String(1, char('A' + Col - 1)));
  for (int Row = 1; Row < sgGrid->RowCount(); ++Row) {
    sgGrid->SetCells(0, Row, IntToStr(Row));
    for (int Col = 1; Col < sgGrid->ColCount(); ++Col) sgGrid->SetCells(Col, Row, IntToStr(Row * Col));
  }
}

void TGalleryForm::SetStatus(const String& Text) {
  FStatus = Text;
  if (StatusBar1 && StatusBar1->Panels()->Count() > 0) StatusBar1->Panels()->Items(0)->SetText(Text);
}

int TGalleryForm::PageCount() const {
  return PageControl1->PageCount();
}

int TGalleryForm::PageIndex() const {
  return PageControl1->ActivePageIndex();
}

void TGalleryForm::ShowPage(int Index) {
  if (Index < 0 || Index >= PageCount())
    throw std::out_of_range("There is no page " + IntToStr(Index + 1) + "; the gallery has " +
                            IntToStr(PageCount()));
  PageControl1->SetActivePageIndex(Index);
  PageControl1Change(PageControl1);
}

void TGalleryForm::PageControl1Change(TObject*) {
  if (cbxPage->ItemIndex() != PageIndex()) cbxPage->SetItemIndex(PageIndex());
}

void TGalleryForm::PageComboChange(TObject*) {
  if (cbxPage->ItemIndex() >= 0 && cbxPage->ItemIndex() != PageIndex()) ShowPage(cbxPage->ItemIndex());
}

void TGalleryForm::ButtonClick(TObject* Sender) {
  if (auto* Button = dynamic_cast<TControl*>(Sender)) SetStatus("Clicked " + Button->Caption());
}

void TGalleryForm::StatusBar1DrawPanel(TCustomStatusBar* StatusBar, TStatusPanel*, const RECT& Rect) {
  // A swatch in the colour last chosen, with its value beside it.
  TCanvas* Canvas = StatusBar->Canvas();
  const TColor Colour = ColorDialog1->Color();
  Canvas->Brush()->SetColor(Colour);
  Canvas->FillRect({Rect.left + 2, Rect.top + 2, Rect.left + 18, Rect.bottom - 2});
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextOut(Rect.left + 22, Rect.top + 1, HtmlColour(Colour));
  Canvas->Brush()->SetStyle(bsSolid);
}

void TGalleryForm::ColourComboDrawItem(TWinControl* Control, int Index, const RECT& Rect,
                                       TOwnerDrawState State) {
  auto* Combo = dynamic_cast<TComboBox*>(Control);
  if (!Combo || Index < 0 || Index >= Combo->Items()->Count()) return;
  static constexpr TColor kColours[] = {clRed, clGreen, clBlue, clOlive, clPurple};
  TCanvas* Canvas = Combo->Canvas();
  Canvas->FillRect(Rect);
  Canvas->Brush()->SetColor(kColours[Index % 5]);
  Canvas->FillRect({Rect.left + 2, Rect.top + 2, Rect.left + 22, Rect.bottom - 2});
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextOut(Rect.left + 28, Rect.top + 2, Combo->Items()->Strings(Index));
  Canvas->Brush()->SetStyle(bsSolid);
}

void TGalleryForm::ApplySkin(TGallerySkin Skin) {
  switch (Skin) {
    case gsDefault:
      SkinData1->LoadFromStream(FDefaultSkin);
      SkinData1->SetActive(true);
      break;
    case gsDark: {
      const String Path = ProgramFolder() + "dark.skn";
      if (!FileExists(Path)) throw EFOpenError("The dark skin is missing: " + Path);
      SkinData1->LoadFromFile(Path);
      SkinData1->SetActive(true);
      break;
    }
    case gsNone:
      SkinData1->SetActive(false);
      break;
  }
  FSkin = Skin;
  // The Skin menu, the popup menu's Skin sub-menu and the tool button's drop-down show the same choice:
  // each item's Tag names its skin.
  for (TMenuItem* Parent : {mnuSkin, pmnSkin, pmSkin ? pmSkin->Items() : nullptr}) {
    if (!Parent) continue;
    for (int Index = 0; Index < Parent->Count(); ++Index)
      if (Parent->Items(Index)->Tag() == Skin) Parent->Items(Index)->SetChecked(true);
  }
  SetStatus(String("Skin: ") + SkinName(Skin));
  if (StatusBar1 && StatusBar1->Panels()->Count() > 1)
    StatusBar1->Panels()->Items(1)->SetText(SkinName(Skin));
}

void TGalleryForm::OpenClick(TObject*) {
  if (OpenDialog1->Execute()) SetStatus("Opened " + OpenDialog1->FileName());
}

void TGalleryForm::RecentClick(TObject* Sender) {
  if (auto* Item = dynamic_cast<TMenuItem*>(Sender)) SetStatus("Recent file " + Item->Caption());
}

void TGalleryForm::ExitClick(TObject*) {
  Close();
}

void TGalleryForm::EditClick(TObject* Sender) {
  if (auto* Item = dynamic_cast<TMenuItem*>(Sender))
    SetStatus("Edit: " + Item->Caption() + (Item->Checked() ? " (checked)" : ""));
}

void TGalleryForm::SkinClick(TObject* Sender) {
  // The items of the Skin menu and of the popup menu say which skin by their Tag.
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  const auto Tag = Item ? Item->Tag() : 0;
  ApplySkin(Tag == 1 ? gsDark : Tag == 2 ? gsNone : gsDefault);
}

void TGalleryForm::ColourClick(TObject*) {
  if (!ColorDialog1->Execute()) return;
  SetStatus("Colour " + HtmlColour(ColorDialog1->Color()));
  StatusBar1->Invalidate();
}

void TGalleryForm::MessageClick(TObject* Sender) {
  // The item's Tag says which icon the box shows.
  static constexpr UINT kIcons[] = {MB_ICONINFORMATION, MB_ICONWARNING, MB_ICONERROR,
                                    MB_ICONQUESTION | MB_YESNO};
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  const auto Tag = Item ? Item->Tag() : 0;
  const UINT Icon = Tag >= 0 && Tag < 4 ? kIcons[Tag] : MB_OK;
  const std::wstring Text =
      Utf8ToWide("A message box with the " + (Item ? Item->Caption() : String()) + " icon.");
  const int Answer = MessageBoxW(WindowHandle(), Text.c_str(), L"Gallery", Icon);
  SetStatus("Message box answered " + IntToStr(Answer));
}

void TGalleryForm::ModalClick(TObject*) {
  auto* Dialog = CreateFormFromResource<TGalleryDialog>(this);
  try {
    const TModalResult Result = Dialog->ShowModal();
    SetStatus(Result == mrOk ? "Modal form: OK, " + Dialog->edtName->Text()
                             : String("Modal form: cancelled"));
  } catch (...) {
    delete Dialog;
    throw;
  }
  delete Dialog;
}

TGalleryMdiForm* TGalleryForm::MdiForm() {
  if (!FMdiForm) FMdiForm = CreateFormFromResource<TGalleryMdiForm>(nullptr);
  return FMdiForm;
}

void TGalleryForm::MdiClick(TObject*) {
  MdiForm()->Show();
}

void TGalleryForm::TileClick(TObject*) {
  MdiForm()->Show();
  MdiForm()->Tile();
}

void TGalleryForm::CascadeClick(TObject*) {
  MdiForm()->Show();
  MdiForm()->Cascade();
}

void TGalleryForm::AboutClick(TObject*) {
  MessageBoxW(WindowHandle(),
              L"Gallery\n\nEvery control of the framework in the states a skin draws.\n"
              L"Run it with --page N and --skin default|dark|none.",
              L"About the gallery", MB_ICONINFORMATION);
}

void TGalleryForm::NextPageClick(TObject*) {
  ShowPage((PageIndex() + 1) % PageCount());
}

void TGalleryForm::PreviousPageClick(TObject*) {
  ShowPage((PageIndex() + PageCount() - 1) % PageCount());
}

void RegisterGalleryClasses() {
  RegisterComponentClasses<TGalleryForm, TGalleryDialog, TGalleryMdiForm, TSkinData>();
}
