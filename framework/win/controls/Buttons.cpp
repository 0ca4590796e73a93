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

void TBitBtn::Publish(TPublisher<TBitBtn>& P) {
  P.Enum("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
  PublishGlyph(P);
  PublishImages(P);
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
  DrawPicture(&Canvas, Face, GetText(),
              Disabled  ? bsDisabled
              : Pressed ? bsDown
                        : bsUp,
              CaptionFlags(UseRightToLeftReading()));
  if (Focused && !(Item.itemState & ODS_NOFOCUSRECT)) {
    RECT Focus = R;
    InflateRect(&Focus, -3, -3);
    DrawFocusRect(Dc, &Focus);
  }
}

// ---- TSpeedButton -------------------------------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* Owner) : TPictureButton(Owner) {
  FWidth = 23;
  FHeight = 22;
  FParentFont = true;
  // It clicks itself (on release inside, after its own state change).
  FControlStyle = {csCaptureMouse};
}

void TSpeedButton::Publish(TPublisher<TSpeedButton>& P) {
  P.Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(0);
  P.Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  P.Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(0);
  P.Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(0);
  PublishGlyph(P);
  P.Bool("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(1);
  PublishImages(P);
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
  DrawPicture(C, Client, Caption(), State, CaptionFlags(UseRightToLeftReading()));
}
