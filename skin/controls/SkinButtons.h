// Push buttons drawn from the skin's "Buttons" element, a strip of five faces (1 normal, 2 pressed,
// 3 disabled, 4 mouse over, 5 focused or default): plain buttons (framework or bare windows), buttons
// with a glyph or image-list image, buttons with a drop-down arrow, and windowless speed buttons.
// Each paints into its own off-screen bitmap and copies it to the screen in one block.
#pragma once

#include <cstdint>
#include <memory>

#include "skin/controls/SkinControl.h"

class TGraphic;

// Faces of the "Buttons" strip.
enum : int {
  kButtonNormal = 1,
  kButtonPressed = 2,
  kButtonDisabled = 3,
  kButtonHot = 4,
  kButtonFocused = 5,
};

class TSkinButton : public TSkinControl {
  DECLARE_CLASS(TSkinButton, TSkinControl)

 public:
  explicit TSkinButton(TComponent* AOwner);
  ~TSkinButton() override;

  std::unique_ptr<TBitmap> FBuffer;  // the off-screen face
  std::uint8_t FFlag = 0;
  bool FTransparent = false;  // drawn over the parent's image (Tag 5555 or xoTransparent)
  bool FRedrawOff = false;    // the visible style bit is taken away for a moment (SetRedraw)

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;

  void DrawBtnText(TCanvas* Canvas, const RECT& Rect, UINT Alignment, const WideString& Text);
  bool GetFontColor(TColor& Color);
  void SetRedraw(bool On);
  void DoMouseDown(TMessage& Message);
  void DrawGlyph(TCanvas* Canvas, const RECT& Rect, TBitmap* Glyph, int GlyphIndex, int NumGlyphs);

  // The face for the state: focus or default 5 (FocusFrame for menu buttons), then pressed over
  // hover, and disabled over everything.
  int FaceFrame(bool Default, int FocusFrame = kButtonFocused) const;

 protected:
  // Steps shared by the button painters: state, caption, buffer with the face, font and colour.
  // False when the skin has no "Buttons" face to draw.
  bool PrepareFace(const RECT& Rect, int& Frame, int FocusFrame = kButtonFocused);
  // Sets DC's text colours for Frame and gives the font of Source (the control when none) that the
  // face's text is written in, for the caller to select for as long as it writes.
  HGDIOBJ PrepareFaceText(HDC DC, int Frame, bool NormalOverride = true, TControl* Source = nullptr);
  void ReportClick();
};

class TSkinBitButton : public TSkinButton {
  DECLARE_CLASS(TSkinBitButton, TSkinButton)

 public:
  using TSkinButton::TSkinButton;

  String FPictureProp;  // a published graphic property drawn instead of Glyph/Images

  void DrawControl(HDC DC, const RECT& Rect) override;
  void DrawPicControl(HDC DC, const RECT& Rect);

 protected:
  // Face, glyph and caption laid out on the buffer for Frame (also used by speed buttons).
  void DrawFaceContent(TControl* Source, int Frame, int GlyphIndex, bool Focused);
};

class TSkinMenuButton : public TSkinButton {
  DECLARE_CLASS(TSkinMenuButton, TSkinButton)

 public:
  using TSkinButton::TSkinButton;
  void DrawControl(HDC DC, const RECT& Rect) override;
};

// Windowless speed buttons: the control's message method is replaced (InitGraphicControl) and the
// face is drawn on the control's canvas, in the parent's paint or at once through a borrowed DC.
class TSkinSpeedButton : public TSkinBitButton {
  DECLARE_CLASS(TSkinSpeedButton, TSkinBitButton)

 public:
  explicit TSkinSpeedButton(TComponent* AOwner);

  bool FPainting = false;  // a draw is under way (the parent's image may paint the button again)

  void InitGraphicControl(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas);
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void PaintControl(HDC DC) override;
  void DrawSpeedbtn(TCanvas* Canvas, const RECT& Rect);
  void DrawPicbtn(TCanvas* Canvas, const RECT& Rect);
  // The face for the state: pressed over hover, disabled over both, and a button that is down stays
  // pressed.
  int SpeedFrame() const;
  // The glyph for a face: 1 normal and hot, 3 pressed, 2 disabled, 4 down.
  int SpeedGlyph(int Frame) const;

 private:
  void DrawSpeedFace(TCanvas* Canvas, const RECT& Rect);
};

// The embossed disabled image of Bitmap: button-face background, the glyph's dark pixels drawn in the
// button-highlight colour one pixel down and right, then in the button-shadow colour in place.
std::unique_ptr<TBitmap> GetDisableImg(TBitmap* Bitmap);

// The four glyph layouts of a bit button along their axis (Margin and Spacing -1 mean automatic).
enum TGlyphLayout { glLeft, glRight, glTop, glBottom };
struct TGlyphPlacement {
  POINT Glyph;  // top-left of the glyph
  RECT Text;    // where the caption goes
};
// Face W x H; glyph GlyphW x GlyphH; measured text TextW x TextH. Centre: the control's alignment
// reads "tacenter".
TGlyphPlacement LayoutGlyph(TGlyphLayout Layout, int W, int H, int GlyphW, int GlyphH, int TextW, int TextH,
                            int Margin, int Spacing, bool Centre);
TGlyphLayout GlyphLayoutOf(const String& LayoutName);
