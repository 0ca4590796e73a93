// What a button with a picture holds and draws, whether it has a window (TBitBtn) or not
// (TSpeedButton): a glyph strip, or else an image of an image list, placed beside the caption by
// layout, margin, spacing and alignment.
#pragma once

#include <memory>

#include "framework/win/controls/ButtonGlyphs.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

template <class Base>
class TPictureButton : public Base {
 public:
  explicit TPictureButton(TComponent* Owner);
  ~TPictureButton() override;

  // A strip of NumGlyphs pictures: up, disabled, down (the up one serves where one is missing).
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  // Without a glyph, an image of Images: ImageIndex, or DisabledIndex when disabled (-1: the
  // ImageIndex one drawn disabled).
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int DisabledIndex() const { return FDisabledIndex; }
  void SetDisabledIndex(int Value);
  // taCenter centres glyph and caption together whatever Margin says; otherwise Margin places them.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  // The published properties of the picture, in the order descriptions list them.
  template <class Self>
  static void PublishGlyph(TPublisher<Self>& P);
  template <class Self>
  static void PublishImages(TPublisher<Self>& P);

  // Draws the picture and Caption inside Face for State; a disabled button greys both.
  void DrawPicture(TCanvas* Canvas, const RECT& Face, const String& Caption, TButtonState State, UINT Flags);

  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;

 private:
  void GlyphChanged(TObject* Sender);

  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FDisabledIndex = -1;
  TAlignment FAlignment = taLeftJustify;
};

template <class Base>
template <class Self>
void TPictureButton<Base>::PublishGlyph(TPublisher<Self>& P) {
  P.Obj("Glyph", &Self::Glyph, &Self::SetGlyph);
  P.Enum("Layout", &Self::Layout, &Self::SetLayout).Default(blGlyphLeft);
  P.Int("Margin", &Self::Margin, &Self::SetMargin).Default(-1);
  P.Int("NumGlyphs", &Self::NumGlyphs, &Self::SetNumGlyphs).Default(1);
  P.Int("Spacing", &Self::Spacing, &Self::SetSpacing).Default(4);
}

template <class Base>
template <class Self>
void TPictureButton<Base>::PublishImages(TPublisher<Self>& P) {
  P.Obj("Images", &Self::Images, &Self::SetImages);
  P.Int("ImageIndex", &Self::ImageIndex, &Self::SetImageIndex).Default(-1);
  P.Int("DisabledIndex", &Self::DisabledIndex, &Self::SetDisabledIndex).Default(-1);
  P.Enum("Alignment", &Self::Alignment, &Self::SetAlignment).Default(taLeftJustify);
}
