#include "framework/win/controls/PictureButton.h"

#include <algorithm>

#include "framework/win/controls/ControlPaint.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/controls/StdCtrls.h"

template <class Base>
TPictureButton<Base>::TPictureButton(TComponent* Owner) : Base(Owner), FGlyph(std::make_unique<TBitmap>()) {
  FGlyph->OnChange = TNotifyEvent::Bind<&TPictureButton::GlyphChanged>(this);
}

template <class Base>
TPictureButton<Base>::~TPictureButton() {
  FGlyph->OnChange.Clear();
}

template <class Base>
void TPictureButton<Base>::GlyphChanged(TObject*) {
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (Value && !Value->Empty() && Value->Width() % Value->Height() == 0)
    FNumGlyphs = std::clamp(Value->Width() / std::max(Value->Height(), 1), 1, 4);
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetMargin(int Value) {
  Value = std::max(Value, -1);
  if (FMargin == Value) return;
  FMargin = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetSpacing(int Value) {
  Value = std::max(Value, -1);
  if (FSpacing == Value) return;
  FSpacing = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetImages(TImageList* Value) {
  if (this->SetReference(FImages, Value)) this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetDisabledIndex(int Value) {
  if (FDisabledIndex == Value) return;
  FDisabledIndex = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  this->Invalidate();
}

template <class Base>
void TPictureButton<Base>::Notification(TComponent* AComponent, TOperation Operation) {
  Base::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

template <class Base>
void TPictureButton<Base>::DrawPicture(TCanvas* Canvas, const RECT& Face, const String& Caption,
                                       TButtonState State, UINT Flags) {
  const bool Disabled = State == bsDisabled;
  // The glyph, else an image of the list.
  const bool UseImages = FGlyph->Empty() && FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
  const SIZE GlyphSize =
      UseImages ? SIZE{FImages->Width(), FImages->Height()} : GlyphSizeOf(FGlyph.get(), FNumGlyphs);
  const TButtonLayoutResult Layout = CalcButtonLayout(Canvas, Face, GlyphSize, Caption, FLayout,
                                                      FAlignment == taCenter ? -1 : FMargin, FSpacing, Flags);
  if (UseImages) {
    const bool OwnDisabled = Disabled && FDisabledIndex >= 0 && FDisabledIndex < FImages->Count();
    FImages->Draw(Canvas, Layout.GlyphPos.x, Layout.GlyphPos.y, OwnDisabled ? FDisabledIndex : FImageIndex,
                  !Disabled || OwnDisabled);
  } else {
    DrawButtonGlyph(Canvas->Handle(), FGlyph.get(), FNumGlyphs, State, Layout.GlyphPos.x, Layout.GlyphPos.y);
  }
  if (!Caption.empty())
    DrawStateText(Canvas, Caption, Layout.TextBounds, Flags | DT_CENTER | DT_VCENTER, !Disabled);
}

template class TPictureButton<TButton>;
template class TPictureButton<TGraphicControl>;
