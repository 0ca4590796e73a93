// Small test-only control classes with the published properties the skin objects read, for what the
// framework's own controls do not offer, and glyph bitmaps whose glyphs each have one colour.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/win/controls/StdCtrls.h"
#include "framework/win/graphics/Bitmap.h"

namespace ctltest {

// Glyph n of a test glyph strip is filled with GlyphColor(n), except its bottom-left pixel, which
// holds the transparent colour.
COLORREF GlyphColor(int Glyph);
std::unique_ptr<TBitmap> MakeGlyph(int W, int H, int Glyphs);

PUBLISHED_ENUM(TTestLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

// A push button with a glyph, laid out like a bit button.
class TGlyphButton : public TButton {
  DECLARE_CLASS(TGlyphButton, TButton)

 public:
  explicit TGlyphButton(TComponent* AOwner) : TButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {}
  static void Publish(TPublisher<TGlyphButton>& P) {
    P.Obj("Glyph", &TGlyphButton::Glyph);
    P.Int("NumGlyphs", &TGlyphButton::NumGlyphs);
    P.Enum("Layout", &TGlyphButton::Layout);
    P.Int("Margin", &TGlyphButton::Margin);
    P.Int("Spacing", &TGlyphButton::Spacing);
  }
  TBitmap* Glyph() const { return FGlyph.get(); }
  int NumGlyphs = 1;
  TTestLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = -1;

 private:
  std::unique_ptr<TBitmap> FGlyph;
};

PUBLISHED_ENUM(TTestCheckState, cbUnchecked, cbChecked, cbGrayed)

// A check box (BUTTON class) with a State property; Radio makes it a radio button with Checked.
class TTestCheck : public TButtonControl {
  DECLARE_CLASS(TTestCheck, TButtonControl)

 public:
  TTestCheck(TComponent* AOwner, bool Radio = false, bool LeftText = false)
      : TButtonControl(AOwner), FRadio(Radio), FLeftText(LeftText) {
    FWidth = 120;
    FHeight = 24;
  }
  static void Publish(TPublisher<TTestCheck>& P) {
    P.Enum("State", &TTestCheck::State, &TTestCheck::SetState);
    P.Bool("Checked", &TTestCheck::Checked, &TTestCheck::SetChecked);
  }
  TTestCheckState State() const { return FState; }
  void SetState(TTestCheckState Value) {
    FState = Value;
    if (FHandle) SendMessageW(FHandle, BM_SETCHECK, static_cast<WPARAM>(Value), 0);
    Perform(CM_CHECKSTATECHANGED);
  }
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButtonControl::CreateParams(Params);
    Params.BaseClassName = L"BUTTON";
    Params.Style |= (FRadio ? BS_RADIOBUTTON : BS_3STATE) | (FLeftText ? BS_LEFTTEXT : 0);
  }

 private:
  bool FRadio;
  bool FLeftText;
  TTestCheckState FState = cbUnchecked;
};

}  // namespace ctltest
