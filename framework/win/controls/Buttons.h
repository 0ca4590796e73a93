// TBitBtn: a push button that draws itself (owner-drawn), with a glyph beside its caption and the
// stock kinds (OK, Cancel...). TSpeedButton: a windowless button with a glyph, flat or raised, that
// can stay down alone or as one of a group.
#pragma once

#include <memory>

#include "framework/win/controls/ButtonGlyphs.h"
#include "framework/win/controls/GraphicControl.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/graphics/ImageList.h"

class TBitBtn : public TButton {
  DECLARE_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* Owner);
  ~TBitBtn() override;
  static void Publish(TPublisher<TBitBtn>& P);

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
  // A stock kind gives the button its caption, glyph, modal result and default or cancel role.
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind Value);
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

  void Click() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // Paints face, glyph, caption in the font's colour and focus frame.
  virtual void DrawItem(const DRAWITEMSTRUCT& Item);

 private:
  void GlyphChanged(TObject* Sender);

  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TBitBtnKind FKind = bkCustom;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FDisabledIndex = -1;
  TAlignment FAlignment = taLeftJustify;
};

class TSpeedButton : public TGraphicControl {
  DECLARE_CLASS(TSpeedButton, TGraphicControl)

 public:
  explicit TSpeedButton(TComponent* Owner);
  ~TSpeedButton() override;
  static void Publish(TPublisher<TSpeedButton>& P);

  // Buttons of one parent with the same GroupIndex (not 0) stay down one at a time; AllowAllUp lets
  // the down one come up again, for the whole group.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
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
  // What is drawn: up, disabled, pressed or down.
  TButtonState State() const { return FState; }
  // As for TBitBtn: an image of Images where there is no glyph; taCenter ignores Margin.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int DisabledIndex() const { return FDisabledIndex; }
  void SetDisabledIndex(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  void Loaded() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  // The others of the group come up when this one goes down; they share AllowAllUp.
  void UpdateExclusive();

 private:
  void GlyphChanged(TObject* Sender) { Invalidate(); }

  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FFlat = false;
  bool FTransparent = true;
  bool FDragging = false;
  TButtonState FState = bsUp;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FDisabledIndex = -1;
  TAlignment FAlignment = taLeftJustify;
};
