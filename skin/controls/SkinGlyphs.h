// Glyph adapters and the media player. TSkinObjImage serves check boxes and radio buttons of other
// component sets that take a custom glyph strip through published properties: it rebuilds the skin's
// check or radio strip in the frame order such a control expects and hands it over; nothing of the
// control's message handling is touched.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

// The kinds of glyph strip a control takes.
enum : int {
  kObjImageCheck = 1,     // check box, 9 glyphs in "CustomGlyphs"
  kObjImageRadio = 2,     // radio button, 6 glyphs in "CustomGlyphs"
  kObjImageDevCheck = 3,  // check box, 6 glyphs in "Properties"."Glyph"
};

class TSkinObjImage : public TSkinControl {
  DECLARE_CLASS(TSkinObjImage, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  int FKind = 0;  // set by the control discovery

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Unsubclass() override;
  void SkinChange() override;

  void ChangeImage();
  void SetRzImage();
  void SetRzRadio();
  void SetDevCheck();
};

// The strip of Kind built from Source (FrameCount frames side by side): frames of the source's frame
// size, copied in the order the kind's controls expect. Empty when the source is.
std::unique_ptr<TBitmap> BuildGlyphStrip(int Kind, TBitmap* Source, int FrameCount);
