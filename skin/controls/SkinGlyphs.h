// Glyph adapters and the media player. TSkinObjImage serves check boxes and radio buttons of other
// component sets that take a custom glyph strip through published properties: it rebuilds the skin's
// check or radio strip in the frame order such a control expects and hands it over; nothing of the
// control's message handling is touched. TSkinMP lays a panel of its own, TWMediaPlayer, over the
// framework's media player and draws the player's buttons there with the skin's push-button face,
// handing presses and releases on to the real control.
#pragma once

#include <array>
#include <memory>

#include "framework/win/controls/Panels.h"
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

class TSkinMP;

// The panel over a media player: nine buttons (in the order of the player's button set) of which the
// visible ones share the width, each with its enabled, disabled and coloured glyph.
class TWMediaPlayer : public TCustomPanel {
  DECLARE_CLASS(TWMediaPlayer, TCustomPanel)

 public:
  static constexpr int kButtons = 9;
  static constexpr int kNoButton = 9;
  struct TButtonLook {
    bool Visible = false;
    bool Enabled = false;
    bool Colored = false;
    std::array<std::unique_ptr<TBitmap>, 3> Glyphs;  // enabled, disabled, coloured
  };

  explicit TWMediaPlayer(TComponent* AOwner);
  ~TWMediaPlayer() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  std::array<TButtonLook, kButtons> FButtons;
  int FVisibleCount = 0;
  TSkinData* FSkinData = nullptr;
  bool FPressed = false;
  int FDownButton = kNoButton;
  int FHitButton = kNoButton;
  int FButtonWidth = 0;
  TControl* FControl = nullptr;
  TSkinMP* FOwnerSkin = nullptr;

  void Attach(TSkinMP* OwnerSkin, TControl* Control);
  void SetPosition(TControl* Control);
  // The visible button whose stretch holds X (both edges included), kNoButton for none.
  int FindButton(int X);
  // Visible, enabled and coloured flags from the control's button sets, and the width of a button.
  void ReadButtons();

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void DrawButton(TCanvas* Canvas, int Index, const RECT& Rect);

 private:
  // Sends a mouse message to the media player in its own coordinates (the panel covers it exactly).
  void Forward(const TMessage& Message);
};

class TSkinMP : public TSkinControl {
  DECLARE_CLASS(TSkinMP, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TWMediaPlayer* FPlayer = nullptr;  // owned by the form skin object (or by this object without one)

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Unsubclass() override;
  void AfterProc(TMessage& Message) override;

 private:
  void FreePlayer();
};
