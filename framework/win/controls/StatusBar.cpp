#include "framework/win/controls/StatusBar.h"

#include <vector>

#include "framework/win/controls/WideText.h"

// ---------------------------------------------------------------------------------------------------
// TStatusPanel

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(nullptr) {
  SetCollection(Collection);  // complete before the collection reports the change
}

void TStatusPanel::Publish(TPublisher<TStatusPanel>& P) {
  P.Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  P.Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
  P.Enum("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
  P.Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
  P.Enum("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
  P.Enum("BiDiMode", &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode).Default(bdLeftToRight);
}

void TStatusPanel::Assign(TPersistent* Source) {
  auto* Panel = dynamic_cast<TStatusPanel*>(Source);
  if (!Panel) {
    TCollectionItem::Assign(Source);
    return;
  }
  FText = Panel->FText;
  FWidth = Panel->FWidth;
  FAlignment = Panel->FAlignment;
  FBevel = Panel->FBevel;
  FStyle = Panel->FStyle;
  FBiDiMode = Panel->FBiDiMode;
  Changed(true);
}

void TStatusPanel::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
  if (Value < 0) Value = 0;
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
  if (FBevel == Value) return;
  FBevel = Value;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed(false);
}

void TStatusPanel::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  Changed(false);
}

// ---------------------------------------------------------------------------------------------------
// TStatusPanels

void TStatusPanels::Update(TCollectionItem* Item) {
  if (Item)
    FControl->UpdatePanel(Item->Index());
  else
    FControl->UpdatePanels();
}

// ---------------------------------------------------------------------------------------------------
// TCustomStatusBar

TCustomStatusBar::TCustomStatusBar(TComponent* AOwner)
    : TWinControl(AOwner),
      FPanels(std::make_unique<TStatusPanels>(this)),
      FCanvas(std::make_unique<TCanvas>()) {
  FWidth = 200;
  FHeight = 19;
  FAlign = alBottom;
}

TCustomStatusBar::~TCustomStatusBar() {
  // The window goes first: nothing may ask the panels for their texts while they are freed.
  DestroyHandle();
}

void TCustomStatusBar::Publish(TPublisher<TCustomStatusBar>& P) {
  P.Obj("Panels", &TCustomStatusBar::Panels, &TCustomStatusBar::SetPanels);
  P.Bool("SimplePanel", &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel).Default(0);
  P.Str("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText);
  P.Bool("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip).Default(1);
  P.Event("OnDrawPanel", &TCustomStatusBar::OnDrawPanel);
}

void TCustomStatusBar::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = STATUSCLASSNAMEW;
  // The bar keeps the place and size it is given; the form lays it out.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (FSizeGrip) Params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
}

void TCustomStatusBar::SetSimplePanel(bool Value) {
  if (FSimplePanel == Value) return;
  FSimplePanel = Value;
  if (FHandle) SendMessageW(FHandle, SB_SIMPLE, FSimplePanel, 0);
}

void TCustomStatusBar::SetSimpleText(const String& Value) {
  if (FSimpleText == Value) return;
  FSimpleText = Value;
  if (FHandle) {
    const std::wstring Text = Utf8ToWide(FSimpleText);
    SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Text.c_str()));
  }
}

void TCustomStatusBar::SetSizeGrip(bool Value) {
  if (FSizeGrip == Value) return;
  FSizeGrip = Value;
  RecreateWnd();
}

void TCustomStatusBar::UpdatePanels() {
  if (!FHandle) return;
  // The bar holds at most 256 parts; the rest of the collection is not shown.
  const int Count = std::min(FPanels->Count(), 255);
  std::vector<int> Edges(static_cast<size_t>(Count > 0 ? Count : 1), -1);
  int Right = 0;
  for (int I = 0; I < Count; ++I) {
    Right += FPanels->Items(I)->Width();
    Edges[static_cast<size_t>(I)] = I == Count - 1 ? -1 : Right;  // the last reaches the right edge
  }
  SendMessageW(FHandle, SB_SETPARTS, Edges.size(), reinterpret_cast<LPARAM>(Edges.data()));
  for (int I = 0; I < Count; ++I) UpdatePanel(I);
  SendMessageW(FHandle, SB_SIMPLE, FSimplePanel, 0);
  const std::wstring Simple = Utf8ToWide(FSimpleText);
  SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Simple.c_str()));
}

void TCustomStatusBar::UpdatePanel(int Index) {
  if (!FHandle || Index < 0 || Index >= FPanels->Count() || Index >= 255) return;
  const TStatusPanel* Panel = FPanels->Items(Index);
  WPARAM Part = static_cast<WPARAM>(Index);
  if (Panel->Bevel() == pbNone) Part |= SBT_NOBORDERS;
  if (Panel->Bevel() == pbRaised) Part |= SBT_POPOUT;
  if (Panel->BiDiMode() != bdLeftToRight) Part |= SBT_RTLREADING;
  if (Panel->Style() == psOwnerDraw) {
    // The drawing data is the panel's index; the panel itself may be gone by the time it is drawn.
    SendMessageW(FHandle, SB_SETTEXTW, Part | SBT_OWNERDRAW, static_cast<LPARAM>(Index));
    return;
  }
  // The bar centres text after one tab and right-aligns it after two.
  std::wstring Text = Utf8ToWide(Panel->Text());
  if (Panel->Alignment() == taCenter) Text.insert(0, L"\t");
  if (Panel->Alignment() == taRightJustify) Text.insert(0, L"\t\t");
  SendMessageW(FHandle, SB_SETTEXTW, Part, reinterpret_cast<LPARAM>(Text.c_str()));
}

RECT TCustomStatusBar::PanelRect(int Index) const {
  RECT R{};
  if (FHandle && Index >= 0 && Index < FPanels->Count())
    if (!SendMessageW(FHandle, SB_GETRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R))) R = {};
  return R;
}

void TCustomStatusBar::DrawPanel(TStatusPanel* Panel, const RECT& Rect) {
  if (OnDrawPanel) {
    OnDrawPanel(this, Panel, Rect);
    return;
  }
  // Without a handler an owner-drawn panel stays the bar's colour.
  FCanvas->Brush()->SetColor(FColor);
  FCanvas->FillRect(Rect);
}

void TCustomStatusBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: {
      const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      const int Index = Item ? static_cast<int>(Item->itemID) : -1;
      if (Index >= 0 && Index < FPanels->Count()) {
        TCanvasDC Lent(FCanvas.get(), Item->hDC);
        FCanvas->Font()->Assign(FFont.get());
        FCanvas->Brush()->SetColor(FColor);
        DrawPanel(FPanels->Items(Index), Item->rcItem);
      }
      Message.Result = TRUE;
      return;
    }
    case WM_SIZE:
      // The last panel and right-aligned texts move with the right edge: all of the bar is new.
      TWinControl::WndProc(Message);
      InvalidateRect(FHandle, nullptr, TRUE);
      return;
    case WM_NCHITTEST:
      // The grip sizes the form only when the bar sits at the form's bottom-right corner.
      TWinControl::WndProc(Message);
      if (Message.Result == HTBOTTOMRIGHT && FParent && FParent->HandleAllocated()) {
        RECT Client;
        GetClientRect(FParent->WindowHandle(), &Client);
        if (FLeft + FWidth < Client.right || FTop + FHeight < Client.bottom) Message.Result = HTCLIENT;
      }
      return;
  }
  TWinControl::WndProc(Message);
}
