// TCustomPanel and TPanel: a self-drawn container with an outer and an inner bevel, a border
// between them and a one-line caption.
#pragma once

#include "framework/win/controls/CustomControl.h"

PUBLISHED_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
using TBevelWidth = int;

class TCustomPanel : public TCustomControl {
  DECLARE_CLASS(TCustomPanel, TCustomControl)

 public:
  explicit TCustomPanel(TComponent* Owner);
  static void Publish(TPublisher<TCustomPanel>& P);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void AdjustClientRect(RECT& Rect) const override;
  // Bevels and border, from the outside in.
  int EdgeWidth() const;

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
};

class TPanel : public TCustomPanel {
  DECLARE_CLASS(TPanel, TCustomPanel)

 public:
  explicit TPanel(TComponent* Owner) : TCustomPanel(Owner) {}
};
