#include "framework/win/controls/Buttons.h"

#include <algorithm>

#include "framework/win/controls/ControlPaint.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Colors.h"

namespace {

// Restores everything selected into a DC on every path.
class TSavedDC {
 public:
  explicit TSavedDC(HDC Dc) : FDC(Dc), FState(SaveDC(Dc)) {}
  ~TSavedDC() { RestoreDC(FDC, FState); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC;
  int FState;
};

// A canvas lent a DC for one drawing.
class TLentCanvas : public TCanvas {
 public:
  explicit TLentCanvas(HDC DC) { SetHandle(DC); }
  ~TLentCanvas() override { SetHandle(nullptr); }
};

UINT CaptionFlags(bool RightToLeft) {
  return DT_SINGLELINE | DT_EXPANDTABS | (RightToLeft ? DT_RTLREADING : 0);
}

}  // namespace

// ---- TBitBtn ------------------------------------------------------------------------------------

TBitBtn::TBitBtn(TComponent* Owner) : TButton(Owner), FGlyph(std::make_unique<TBitmap>()) {
  FGlyph->OnChange = TNotifyEvent::Bind<&TBitBtn::GlyphChanged>(this);
}

TBitBtn::~TBitBtn() {
  FGlyph->OnChange.Clear();
}

void TBitBtn::Publish(TPublisher<TBitBtn>& P) {
  P.Enum("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
  P.Obj("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
  P.Enum("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
  P.Int("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
  P.Int("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
  P.Int("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
  P.Obj("Images", &TBitBtn::Images, &TBitBtn::SetImages);
  P.Int("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex).Default(-1);
  P.Int("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex).Default(-1);
  P.Enum("Alignment", &TBitBtn::Alignment, &TBitBtn::SetAlignment).Default(taLeftJustify);
}

void TBitBtn::SetImages(TImageList* Value) {
  if (FImages == Value) return;
  if (FImages) RemoveFreeNotification(FImages);
  FImages = Value;
  if (Value) FreeNotification(Value);
  Invalidate();
}

void TBitBtn::Notification(TComponent* AComponent, TOperation Operation) {
  TButton::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TBitBtn::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Invalidate();
}

void TBitBtn::SetDisabledIndex(int Value) {
  if (FDisabledIndex == Value) return;
  FDisabledIndex = Value;
  Invalidate();
}

void TBitBtn::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TBitBtn::GlyphChanged(TObject*) {
  // A glyph given by the program makes the button a custom one; the stock one was copied in.
  Invalidate();
}

void TBitBtn::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (Value && !Value->Empty() && Value->Width() % Value->Height() == 0)
    FNumGlyphs = std::clamp(Value->Width() / std::max(Value->Height(), 1), 1, 4);
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TBitBtn::SetMargin(int Value) {
  Value = std::max(Value, -1);
  if (FMargin == Value) return;
  FMargin = Value;
  Invalidate();
}

void TBitBtn::SetSpacing(int Value) {
  Value = std::max(Value, -1);
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (Value == bkCustom) return;
  // A description lists the kind after the caption and the rest: what it gave them stays.
  const bool Loading = ComponentState().Contains(csLoading);
  if (!Loading || !FDefault) SetDefault(Value == bkOK || Value == bkYes);
  if (!Loading || !FCancel) SetCancel(Value == bkCancel || Value == bkNo);
  if (!Loading || ModalResult == 0) ModalResult = StockModalResult(Value);
  if (!Loading || Caption().empty()) SetCaption(StockCaption(Value));
  FGlyph->Assign(StockGlyph(Value));
  FNumGlyphs = 2;
  Invalidate();
}

void TBitBtn::Click() {
  TButton::Click();
  if (FKind == bkClose)
    if (TCustomForm* Form = GetParentForm(this)) Form->Close();
}

void TBitBtn::CreateParams(TCreateParams& Params) {
  TButton::CreateParams(Params);
  Params.Style = (Params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a quick second press as a double click, not a click.
      Message.Msg = WM_LBUTTONDOWN;
      break;
  }
  TButton::WndProc(Message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& Item) {
  HDC Dc = Item.hDC;
  TSavedDC Saved(Dc);
  RECT R = Item.rcItem;
  const bool Pressed = Item.itemState & ODS_SELECTED;
  const bool Focused = Item.itemState & ODS_FOCUS;
  const bool Disabled = Item.itemState & ODS_DISABLED;

  if (FActive || Focused) {
    FrameRect(Dc, &R, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&R, -1, -1);
  }
  DrawFrameControl(Dc, &R, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed ? DFCS_PUSHED : 0));

  RECT Face = R;
  InflateRect(&Face, -2, -2);
  if (Pressed) OffsetRect(&Face, 1, 1);
  TLentCanvas Canvas(Dc);
  Canvas.Font()->Assign(FFont.get());
  const String Caption = GetText();
  const UINT Flags = CaptionFlags(UseRightToLeftReading());
  // The glyph, else an image of the list.
  const bool UseImages = FGlyph->Empty() && FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
  const SIZE GlyphSize =
      UseImages ? SIZE{FImages->Width(), FImages->Height()} : GlyphSizeOf(FGlyph.get(), FNumGlyphs);
  const TButtonLayoutResult Layout = CalcButtonLayout(&Canvas, Face, GlyphSize, Caption, FLayout,
                                                      FAlignment == taCenter ? -1 : FMargin, FSpacing, Flags);
  if (UseImages) {
    const bool OwnDisabled = Disabled && FDisabledIndex >= 0 && FDisabledIndex < FImages->Count();
    FImages->Draw(&Canvas, Layout.GlyphPos.x, Layout.GlyphPos.y, OwnDisabled ? FDisabledIndex : FImageIndex,
                  !Disabled || OwnDisabled);
  } else {
    DrawButtonGlyph(Canvas.Handle(), FGlyph.get(), FNumGlyphs,
                    Disabled  ? bsDisabled
                    : Pressed ? bsDown
                              : bsUp,
                    Layout.GlyphPos.x, Layout.GlyphPos.y);
  }
  if (!Caption.empty()) {
    RECT Text = Layout.TextBounds;
    DrawStateText(&Canvas, Caption, Text, Flags | DT_CENTER | DT_VCENTER, !Disabled);
  }
  if (Focused && !(Item.itemState & ODS_NOFOCUSRECT)) {
    RECT Focus = R;
    InflateRect(&Focus, -3, -3);
    DrawFocusRect(Dc, &Focus);
  }
}

// ---- TSpeedButton -------------------------------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* Owner) : TGraphicControl(Owner), FGlyph(std::make_unique<TBitmap>()) {
  FWidth = 23;
  FHeight = 22;
  FParentFont = true;
  // It clicks itself (on release inside, after its own state change).
  FControlStyle = {csCaptureMouse};
  FGlyph->OnChange = TNotifyEvent::Bind<&TSpeedButton::GlyphChanged>(this);
}

TSpeedButton::~TSpeedButton() {
  FGlyph->OnChange.Clear();
}

void TSpeedButton::Publish(TPublisher<TSpeedButton>& P) {
  P.Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(0);
  P.Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  P.Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(0);
  P.Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(0);
  P.Obj("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
  P.Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
  P.Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
  P.Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
  P.Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
  P.Bool("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(1);
  P.Obj("Images", &TSpeedButton::Images, &TSpeedButton::SetImages);
  P.Int("ImageIndex", &TSpeedButton::ImageIndex, &TSpeedButton::SetImageIndex).Default(-1);
  P.Int("DisabledIndex", &TSpeedButton::DisabledIndex, &TSpeedButton::SetDisabledIndex).Default(-1);
  P.Enum("Alignment", &TSpeedButton::Alignment, &TSpeedButton::SetAlignment).Default(taLeftJustify);
}

void TSpeedButton::SetImages(TImageList* Value) {
  if (FImages == Value) return;
  if (FImages) RemoveFreeNotification(FImages);
  FImages = Value;
  if (Value) FreeNotification(Value);
  Invalidate();
}

void TSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TSpeedButton::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Invalidate();
}

void TSpeedButton::SetDisabledIndex(int Value) {
  if (FDisabledIndex == Value) return;
  FDisabledIndex = Value;
  Invalidate();
}

void TSpeedButton::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (Value && !Value->Empty() && Value->Width() % Value->Height() == 0)
    FNumGlyphs = std::clamp(Value->Width() / std::max(Value->Height(), 1), 1, 4);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  Value = std::max(Value, -1);
  if (FMargin == Value) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  Value = std::max(Value, -1);
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  InvalidateArea();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  InvalidateArea();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (FDown == Value) return;
  // The down one of a group stays down unless the group allows all up.
  if (FDown && !FAllowAllUp && !ComponentState().Contains(csLoading)) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  if (FDown) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !FParent) return;
  for (int I = 0; I < FParent->ControlCount(); ++I) {
    auto* Other = dynamic_cast<TSpeedButton*>(FParent->Controls(I));
    if (!Other || Other == this || Other->FGroupIndex != FGroupIndex) continue;
    Other->FAllowAllUp = FAllowAllUp;
    if (FDown && Other->FDown) {
      Other->FDown = false;
      Other->FState = bsUp;
      Other->Invalidate();
    }
  }
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !FEnabled) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool Inside = X >= 0 && X < FWidth && Y >= 0 && Y < FHeight;
  const TButtonState NewState = FDown ? bsExclusive : Inside ? bsDown : bsUp;
  if (NewState != FState) {
    FState = NewState;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  const bool Inside = X >= 0 && X < FWidth && Y >= 0 && Y < FHeight;
  if (FGroupIndex == 0) {
    FState = bsUp;
    Invalidate();
  } else if (Inside) {
    SetDown(!FDown);
    if (FDown) FState = bsExclusive;
    Invalidate();
  } else {
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  }
  if (Inside) Click();
}

void TSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // A flat button shows its edge only under the mouse.
      if (FFlat && FEnabled) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      FState = !FEnabled ? bsDisabled : FDown ? bsExclusive : bsUp;
      break;
    case CM_DIALOGCHAR:
      if (FEnabled && FVisible && IsAccelerator(Message.WParam, Caption())) {
        Click();
        Message.Result = 1;
      }
      return;
    case WM_CANCELMODE:
      if (FDragging) {
        FDragging = false;
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
      }
      break;
  }
  TGraphicControl::WndProc(Message);
}

void TSpeedButton::Paint() {
  TCanvas* C = Canvas();
  HDC DC = C->Handle();
  RECT Rect = ClientRect();
  const TButtonState State = !FEnabled ? bsDisabled : FState;
  const bool Pushed = State == bsDown || State == bsExclusive;
  if (FFlat) {
    if (!FTransparent || State == bsExclusive) {
      C->Brush()->SetColor(State == bsExclusive ? clBtnHighlight : FColor);
      C->FillRect(Rect);
    }
    if (Pushed || (FMouseInControl && FEnabled)) {
      RECT Edge = Rect;
      DrawEdge(DC, &Edge, Pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
  } else {
    RECT Face = Rect;
    DrawFrameControl(DC, &Face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pushed ? DFCS_PUSHED : 0));
    if (State == bsExclusive) {
      // Down for good: a lighter face than a press.
      C->Brush()->SetColor(clBtnHighlight);
      C->FillRect(Face);
    }
  }
  RECT Client = Rect;
  InflateRect(&Client, -1, -1);
  if (Pushed) OffsetRect(&Client, 1, 1);
  SyncCanvasFont(C, FFont.get());
  const String Text = Caption();
  const UINT Flags = CaptionFlags(UseRightToLeftReading());
  const bool UseImages = FGlyph->Empty() && FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
  const SIZE GlyphSize =
      UseImages ? SIZE{FImages->Width(), FImages->Height()} : GlyphSizeOf(FGlyph.get(), FNumGlyphs);
  const TButtonLayoutResult Layout = CalcButtonLayout(C, Client, GlyphSize, Text, FLayout,
                                                      FAlignment == taCenter ? -1 : FMargin, FSpacing, Flags);
  if (UseImages) {
    const bool OwnDisabled = State == bsDisabled && FDisabledIndex >= 0 && FDisabledIndex < FImages->Count();
    FImages->Draw(C, Layout.GlyphPos.x, Layout.GlyphPos.y, OwnDisabled ? FDisabledIndex : FImageIndex,
                  State != bsDisabled || OwnDisabled);
  } else {
    DrawButtonGlyph(C->Handle(), FGlyph.get(), FNumGlyphs, State, Layout.GlyphPos.x, Layout.GlyphPos.y);
  }
  if (!Text.empty()) DrawStateText(C, Text, Layout.TextBounds, Flags | DT_CENTER | DT_VCENTER, FEnabled);
}
