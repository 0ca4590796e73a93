// TStatusBar: the system's status bar with a collection of panels (text or owner-drawn, each with its
// bevel and alignment), a simple one-text mode and an optional size grip.
#pragma once

#include <memory>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/ControlItems.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/Canvas.h"

class TCustomStatusBar;

PUBLISHED_ENUM(TStatusPanelStyle, psText, psOwnerDraw)
PUBLISHED_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)

class TStatusPanel : public TCollectionItem {
  DECLARE_CLASS(TStatusPanel, TCollectionItem)

 public:
  explicit TStatusPanel(TCollection* Collection);
  static void Publish(TPublisher<TStatusPanel>& P);
  void Assign(TPersistent* Source) override;
  String GetDisplayName() const override { return FText.empty() ? ClassName() : FText; }

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel Value);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle Value);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);

 private:
  String FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TStatusPanelStyle FStyle = psText;
  TBiDiMode FBiDiMode = bdLeftToRight;
};

using TStatusPanelItems = TControlItems<TStatusPanel, TCustomStatusBar>;

class TStatusPanels : public TStatusPanelItems {
  DECLARE_CLASS(TStatusPanels, TStatusPanelItems)

 public:
  using TStatusPanelItems::TStatusPanelItems;

 protected:
  void Update(TCollectionItem* Item) override;
};

using TDrawPanelEvent = TEvent<void(TCustomStatusBar* StatusBar, TStatusPanel* Panel, const RECT& Rect)>;

class TCustomStatusBar : public TWinControl {
  DECLARE_CLASS(TCustomStatusBar, TWinControl)

 public:
  explicit TCustomStatusBar(TComponent* AOwner);
  ~TCustomStatusBar() override;
  static void Publish(TPublisher<TCustomStatusBar>& P);

  TStatusPanels* Panels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
  // One text over the whole bar instead of the panels.
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  const String& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const String& Value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  // Where the bar shows panel Index (client coordinates); empty when it shows none.
  RECT PanelRect(int Index) const;

  // The canvas that owner-drawn panels are drawn on, valid inside OnDrawPanel.
  TCanvas* Canvas() const { return FCanvas.get(); }

  // Called for every owner-drawn panel as the bar paints it.
  TDrawPanelEvent OnDrawPanel;

  // The panels changed: the bar takes their widths, texts and styles.
  void UpdatePanels();
  void UpdatePanel(int Index);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void DrawPanel(TStatusPanel* Panel, const RECT& Rect);

 private:
  std::unique_ptr<TStatusPanels> FPanels;
  std::unique_ptr<TCanvas> FCanvas;
  bool FSimplePanel = false;
  String FSimpleText;
  bool FSizeGrip = true;
};

class TStatusBar : public TCustomStatusBar {
  DECLARE_CLASS(TStatusBar, TCustomStatusBar)

 public:
  explicit TStatusBar(TComponent* AOwner) : TCustomStatusBar(AOwner) {}
};
