// TCustomLabel and TLabel: text painted by the parent, sized to its text unless told otherwise,
// whose "&x" accelerator focuses another control.
#pragma once

#include "framework/win/controls/GraphicControl.h"

PUBLISHED_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

class TCustomLabel : public TGraphicControl {
  DECLARE_CLASS(TCustomLabel, TGraphicControl)

 public:
  explicit TCustomLabel(TComponent* Owner);
  static void Publish(TPublisher<TCustomLabel>& P);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void FontChanged() override;
  // Fits the bounds to the text (AutoSize); the right edge stays for right-aligned text.
  void AdjustBounds();
  UINT TextFlags() const;

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FShowAccelChar = true;
  bool FTransparent = false;
  bool FWordWrap = false;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
  DECLARE_CLASS(TLabel, TCustomLabel)

 public:
  explicit TLabel(TComponent* Owner) : TCustomLabel(Owner) {}
};
