#include "framework/win/controls/CoolBar.h"

#include <algorithm>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"

// ---------------------------------------------------------------------------------------------------
// TCoolBand

TCoolBand::TCoolBand(TCollection* Collection) : TCollectionItem(nullptr) {
  SetCollection(Collection);  // complete before the collection reports the change
}

TCoolBand::~TCoolBand() {
  FControl = nullptr;
}

void TCoolBand::Publish(TPublisher<TCoolBand>& P) {
  P.Obj("Control", &TCoolBand::Control, &TCoolBand::SetControl);
  P.Str("Text", &TCoolBand::Text, &TCoolBand::SetText);
  P.Int("Width", &TCoolBand::Width, &TCoolBand::SetWidth).Default(100);
  P.Int("MinHeight", &TCoolBand::MinHeight, &TCoolBand::SetMinHeight).Default(25);
  P.Int("MinWidth", &TCoolBand::MinWidth, &TCoolBand::SetMinWidth).Default(0);
  P.Bool("Break", &TCoolBand::Break, &TCoolBand::SetBreak).Default(1);
  P.Bool("FixedSize", &TCoolBand::FixedSize, &TCoolBand::SetFixedSize).Default(0);
  P.Color("Color", &TCoolBand::Color, &TCoolBand::SetColor);
  P.Bool("ParentColor", &TCoolBand::ParentColor, &TCoolBand::SetParentColor).Default(1);
  P.Int("ImageIndex", &TCoolBand::ImageIndex, &TCoolBand::SetImageIndex).Default(-1);
  P.Bool("Visible", &TCoolBand::Visible, &TCoolBand::SetVisible).Default(1);
}

void TCoolBand::Assign(TPersistent* Source) {
  auto* Band = dynamic_cast<TCoolBand*>(Source);
  if (!Band) {
    TCollectionItem::Assign(Source);
    return;
  }
  FText = Band->FText;
  FWidth = Band->FWidth;
  FMinHeight = Band->FMinHeight;
  FMinWidth = Band->FMinWidth;
  FBreak = Band->FBreak;
  FFixedSize = Band->FFixedSize;
  FColor = Band->FColor;
  FParentColor = Band->FParentColor;
  FImageIndex = Band->FImageIndex;
  FVisible = Band->FVisible;
  SetControl(Band->FControl);
  Changed(true);
}

TCoolBar* TCoolBand::CoolBar() const {
  auto* Bands = dynamic_cast<TCoolBands*>(Collection());
  return Bands ? Bands->CoolBar() : nullptr;
}

void TCoolBand::SetControl(TWinControl* Value) {
  TCoolBar* Bar = CoolBar();
  if (Value == Bar) Value = nullptr;
  if (FControl == Value) return;
  // One band per control: a band that held it before lets go.
  if (Value && Bar)
    if (TCoolBand* Other = static_cast<TCoolBands*>(Collection())->FindBand(Value); Other && Other != this)
      Other->FControl = nullptr;
  FControl = Value;
  if (FControl && Bar) {
    Bar->WatchControl(FControl);
    if (FControl->Parent() != Bar) FControl->SetParent(Bar);
  }
  Changed(true);
}

void TCoolBand::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Changed(true);
}

void TCoolBand::SetWidth(int Value) {
  FWidth = std::max(Value, 0);
  Changed(true);
}

void TCoolBand::SetMinHeight(int Value) {
  FMinHeight = std::max(Value, 0);
  Changed(true);
}

void TCoolBand::SetMinWidth(int Value) {
  FMinWidth = std::max(Value, 0);
  Changed(true);
}

void TCoolBand::SetBreak(bool Value) {
  FBreak = Value;
  Changed(true);
}

void TCoolBand::SetFixedSize(bool Value) {
  FFixedSize = Value;
  Changed(true);
}

TColor TCoolBand::Color() const {
  if (FParentColor)
    if (TCoolBar* Bar = CoolBar()) return Bar->Color();
  return FColor;
}

void TCoolBand::SetColor(TColor Value) {
  FColor = Value;
  FParentColor = false;
  Changed(true);
}

void TCoolBand::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  if (!Value) FColor = Color();
  FParentColor = Value;
  Changed(true);
}

void TCoolBand::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed(true);
}

void TCoolBand::SetVisible(bool Value) {
  FVisible = Value;
  Changed(true);
}

// ---------------------------------------------------------------------------------------------------
// TCoolBands

TCoolBands::TCoolBands(TCoolBar* CoolBar) : TCollection(TItemClass::Of<TCoolBand>()), FCoolBar(CoolBar) {}

TPersistent* TCoolBands::GetOwner() const {
  return FCoolBar;
}

TCoolBand* TCoolBands::FindBand(const TControl* Control) const {
  if (!Control) return nullptr;
  for (int I = 0; I < Count(); ++I)
    if (Items(I)->Control() == Control) return Items(I);
  return nullptr;
}

void TCoolBands::Update(TCollectionItem*) {
  FCoolBar->UpdateBands();
}

// ---------------------------------------------------------------------------------------------------
// TCoolBar

TCoolBar::TCoolBar(TComponent* AOwner) : TWinControl(AOwner), FBands(std::make_unique<TCoolBands>(this)) {
  FWidth = 150;
  FHeight = 75;
  FAlign = alTop;
}

TCoolBar::~TCoolBar() {
  DestroyHandle();
  SetReference(FImages, nullptr);
  for (int I = 0; I < FBands->Count(); ++I)
    if (TWinControl* Control = FBands->Items(I)->FControl) Control->RemoveFreeNotification(this);
}

void TCoolBar::Publish(TPublisher<TCoolBar>& P) {
  P.Obj("Bands", &TCoolBar::Bands, &TCoolBar::SetBands);
  P.Obj("Images", &TCoolBar::Images, &TCoolBar::SetImages);
  P.Bool("ShowText", &TCoolBar::ShowText, &TCoolBar::SetShowText).Default(1);
  P.Bool("FixedOrder", &TCoolBar::FixedOrder, &TCoolBar::SetFixedOrder).Default(0);
  P.Bool("BandBorders", &TCoolBar::BandBorders, &TCoolBar::SetBandBorders).Default(1);
}

void TCoolBar::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_COOL_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = REBARCLASSNAMEW;
  // The bar keeps its place and width; its height follows its rows.
  Params.Style |= WS_CLIPCHILDREN | CCS_NOPARENTALIGN | CCS_NODIVIDER | RBS_VARHEIGHT;
  if (FBandBorders) Params.Style |= RBS_BANDBORDERS;
  if (FFixedOrder) Params.Style |= RBS_FIXEDORDER;
}

void TCoolBar::CreateChildren() {
  TWinControl::CreateChildren();
  UpdateBands();
}

void TCoolBar::WatchControl(TWinControl* Control) {
  Control->FreeNotification(this);
}

void TCoolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) {
    FImages = nullptr;
    UpdateBands();
  }
  for (int I = 0; I < FBands->Count(); ++I)
    if (FBands->Items(I)->FControl == AComponent) {
      FBands->Items(I)->FControl = nullptr;
      // The control's window is going; the band must not keep it.
      if (FHandle) {
        REBARBANDINFOW Info{};
        Info.cbSize = REBARBANDINFOW_V3_SIZE;
        Info.fMask = RBBIM_CHILD;
        SendMessageW(FHandle, RB_SETBANDINFOW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Info));
      }
    }
}

void TCoolBar::SetImages(TImageList* Value) {
  if (SetReference(FImages, Value)) UpdateBands();
}

void TCoolBar::SetShowText(bool Value) {
  FShowText = Value;
  UpdateBands();
}

void TCoolBar::SetFixedOrder(bool Value) {
  if (FFixedOrder == Value) return;
  FFixedOrder = Value;
  RecreateWnd();
}

void TCoolBar::SetBandBorders(bool Value) {
  if (FBandBorders == Value) return;
  FBandBorders = Value;
  RecreateWnd();
}

void TCoolBar::UpdateBands() {
  if (!FHandle || FUpdating || ComponentState().Contains(csDestroying)) return;
  FUpdating = true;
  REBARINFO Bar{};
  Bar.cbSize = sizeof Bar;
  Bar.fMask = RBIM_IMAGELIST;
  Bar.himl = FImages ? FImages->Handle() : nullptr;
  SendMessageW(FHandle, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&Bar));
  while (SendMessageW(FHandle, RB_GETBANDCOUNT, 0, 0) > 0) SendMessageW(FHandle, RB_DELETEBAND, 0, 0);
  for (int I = 0; I < FBands->Count(); ++I) {
    const TCoolBand* Band = FBands->Items(I);
    if (!Band->Visible()) continue;
    std::wstring Text = Utf8ToWide(FShowText ? Band->Text() : String());
    REBARBANDINFOW Info{};
    Info.cbSize = REBARBANDINFOW_V3_SIZE;
    Info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_SIZE | RBBIM_COLORS | RBBIM_ID | RBBIM_CHILDSIZE;
    Info.fStyle = RBBS_CHILDEDGE;
    if (Band->Break()) Info.fStyle |= RBBS_BREAK;
    if (Band->FixedSize()) Info.fStyle |= RBBS_FIXEDSIZE;
    Info.lpText = Text.data();
    Info.cx = static_cast<UINT>(Band->Width());
    Info.clrFore = GetSysColor(COLOR_BTNTEXT);
    Info.clrBack = ColorToRGB(Band->Color());
    Info.wID = static_cast<UINT>(Band->ID());
    Info.cxMinChild = static_cast<UINT>(Band->MinWidth());
    Info.cyMinChild = static_cast<UINT>(Band->MinHeight());
    if (HWND Child = HandleOf(Band->Control())) {
      Info.fMask |= RBBIM_CHILD;
      Info.hwndChild = Child;
      if (Band->MinWidth() == 0) Info.cxMinChild = static_cast<UINT>(Band->Control()->Width());
      Info.cyMinChild = static_cast<UINT>(std::max(Band->MinHeight(), Band->Control()->Height()));
    }
    if (FImages && Band->ImageIndex() >= 0) {
      Info.fMask |= RBBIM_IMAGE;
      Info.iImage = Band->ImageIndex();
    }
    SendMessageW(FHandle, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&Info));
  }
  FUpdating = false;
}

void TCoolBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_COLORCHANGED:
      TWinControl::WndProc(Message);
      UpdateBands();  // bands that take the bar's colour
      return;
    case CN_NOTIFY:
      Message.Result = 0;
      return;
  }
  TWinControl::WndProc(Message);
}
