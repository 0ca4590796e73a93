// Test-only classes named as the check boxes and radio buttons of other component sets that the
// control discovery hands to TSkinObjImage, with the published properties it reads and writes.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/win/controls/StdCtrls.h"
#include "framework/win/graphics/Bitmap.h"

namespace ctltest {

// Glyphs taken through "CustomGlyphs", "TransparentColor" and "UseCustomGlyphs".
class TCustomGlyphCheck : public TButtonControl {
  DECLARE_CLASS(TCustomGlyphCheck, TButtonControl)

 public:
  explicit TCustomGlyphCheck(TComponent* AOwner)
      : TButtonControl(AOwner), FGlyphs(std::make_unique<TBitmap>()) {}
  static void Publish(TPublisher<TCustomGlyphCheck>& P) {
    P.Obj("CustomGlyphs", &TCustomGlyphCheck::CustomGlyphs);
    P.Color("TransparentColor", &TCustomGlyphCheck::TransparentColor);
    P.Bool("UseCustomGlyphs", &TCustomGlyphCheck::UseCustomGlyphs, &TCustomGlyphCheck::SetUseCustomGlyphs);
  }
  TBitmap* CustomGlyphs() const { return FGlyphs.get(); }
  TColor TransparentColor = clNone;
  bool UseCustomGlyphs() const { return FUse; }
  void SetUseCustomGlyphs(bool Value) {
    if (Value && !FUse) ++Switches;
    FUse = Value;
  }
  int Switches = 0;  // how often the glyphs were switched on

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButtonControl::CreateParams(Params);
    Params.BaseClassName = L"BUTTON";
    Params.Style |= BS_AUTOCHECKBOX;
  }

 private:
  std::unique_ptr<TBitmap> FGlyphs;
  bool FUse = false;
};

class TRzCheckBox : public TCustomGlyphCheck {
  DECLARE_CLASS(TRzCheckBox, TCustomGlyphCheck)

 public:
  using TCustomGlyphCheck::TCustomGlyphCheck;
};

class TRzRadioButton : public TCustomGlyphCheck {
  DECLARE_CLASS(TRzRadioButton, TCustomGlyphCheck)

 public:
  using TCustomGlyphCheck::TCustomGlyphCheck;
};

// Glyphs taken through the sub-object "Properties", property "Glyph".
class TcxCheckBoxProperties : public TPersistent {
  DECLARE_CLASS(TcxCheckBoxProperties, TPersistent)

 public:
  TcxCheckBoxProperties() : FGlyph(std::make_unique<TBitmap>()) {}
  static void Publish(TPublisher<TcxCheckBoxProperties>& P) { P.Obj("Glyph", &TcxCheckBoxProperties::Glyph); }
  TBitmap* Glyph() const { return FGlyph.get(); }

 private:
  std::unique_ptr<TBitmap> FGlyph;
};

class TcxCheckBox : public TButtonControl {
  DECLARE_CLASS(TcxCheckBox, TButtonControl)

 public:
  explicit TcxCheckBox(TComponent* AOwner)
      : TButtonControl(AOwner), FProperties(std::make_unique<TcxCheckBoxProperties>()) {}
  static void Publish(TPublisher<TcxCheckBox>& P) { P.Obj("Properties", &TcxCheckBox::Properties); }
  TcxCheckBoxProperties* Properties() const { return FProperties.get(); }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButtonControl::CreateParams(Params);
    Params.BaseClassName = L"BUTTON";
    Params.Style |= BS_AUTOCHECKBOX;
  }

 private:
  std::unique_ptr<TcxCheckBoxProperties> FProperties;
};

}  // namespace ctltest
