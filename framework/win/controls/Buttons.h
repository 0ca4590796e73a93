// TBitBtn: a push button that draws itself (owner-drawn), with a glyph beside its caption and the
// stock kinds (OK, Cancel...). TSpeedButton: a windowless button with a glyph, flat or raised, that
// can stay down alone or as one of a group. The picture both carry is TPictureButton's.
#pragma once

#include "framework/win/controls/GraphicControl.h"
#include "framework/win/controls/PictureButton.h"
#include "framework/win/controls/StdCtrls.h"

// Both are made once, in PictureButton.cpp.
extern template class TPictureButton<TButton>;
extern template class TPictureButton<TGraphicControl>;

class TBitBtn : public TPictureButton<TButton> {
  DECLARE_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* Owner) : TPictureButton(Owner) {}
  static void Publish(TPublisher<TBitBtn>& P);

  // A stock kind gives the button its caption, glyph, modal result and default or cancel role.
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind Value);

  void Click() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // Paints face, glyph, caption in the font's colour and focus frame.
  virtual void DrawItem(const DRAWITEMSTRUCT& Item);

 private:
  TBitBtnKind FKind = bkCustom;
};

class TSpeedButton : public TPictureButton<TGraphicControl> {
  DECLARE_CLASS(TSpeedButton, TGraphicControl)

 public:
  explicit TSpeedButton(TComponent* Owner);
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
  // What is drawn: up, disabled, pressed or down.
  TButtonState State() const { return FState; }

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
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FFlat = false;
  bool FTransparent = true;
  bool FDragging = false;
  TButtonState FState = bsUp;
};
