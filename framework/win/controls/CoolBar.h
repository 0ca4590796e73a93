// TCoolBar: bands on the system's rebar class, each holding a control (a combo box, a tool bar) with
// an optional text and image; the user moves and resizes the bands.
#pragma once

#include <memory>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

class TCoolBar;

class TCoolBand : public TCollectionItem {
  DECLARE_CLASS(TCoolBand, TCollectionItem)

 public:
  explicit TCoolBand(TCollection* Collection);
  ~TCoolBand() override;
  static void Publish(TPublisher<TCoolBand>& P);
  void Assign(TPersistent* Source) override;
  String GetDisplayName() const override { return FText.empty() ? ClassName() : FText; }

  // The control shown in the band; it becomes a child of the cool bar.
  TWinControl* Control() const { return FControl; }
  void SetControl(TWinControl* Value);
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  // Starts a new row.
  bool Break() const { return FBreak; }
  void SetBreak(bool Value);
  bool FixedSize() const { return FFixedSize; }
  void SetFixedSize(bool Value);
  // The band's background; with ParentColor it is the cool bar's, and setting Color clears it.
  TColor Color() const;
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

 private:
  friend class TCoolBar;
  TCoolBar* CoolBar() const;

  TWinControl* FControl = nullptr;
  String FText;
  int FWidth = 100;
  int FMinHeight = 25;
  int FMinWidth = 0;
  bool FBreak = true;
  bool FFixedSize = false;
  TColor FColor = clBtnFace;
  bool FParentColor = true;
  int FImageIndex = -1;
  bool FVisible = true;
};

class TCoolBands : public TCollection {
  DECLARE_CLASS(TCoolBands, TCollection)

 public:
  explicit TCoolBands(TCoolBar* CoolBar);
  TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
  TCoolBand* Items(int Index) const { return static_cast<TCoolBand*>(TCollection::Items(Index)); }
  TPersistent* GetOwner() const override;
  TCoolBar* CoolBar() const { return FCoolBar; }
  // The band holding Control, null for none.
  TCoolBand* FindBand(const TControl* Control) const;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TCoolBar* FCoolBar;
};

class TCoolBar : public TWinControl {
  DECLARE_CLASS(TCoolBar, TWinControl)

 public:
  explicit TCoolBar(TComponent* AOwner);
  ~TCoolBar() override;
  static void Publish(TPublisher<TCoolBar>& P);

  TCoolBands* Bands() const { return FBands.get(); }
  void SetBands(TCoolBands* Value) { FBands->Assign(Value); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  bool FixedOrder() const { return FFixedOrder; }
  void SetFixedOrder(bool Value);
  bool BandBorders() const { return FBandBorders; }
  void SetBandBorders(bool Value);

  // The bands changed: the window takes them again.
  void UpdateBands();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateChildren() override;
  void WndProc(TMessage& Message) override;

 private:
  friend class TCoolBand;
  void WatchControl(TWinControl* Control);

  std::unique_ptr<TCoolBands> FBands;
  TImageList* FImages = nullptr;
  bool FShowText = true;
  bool FFixedOrder = false;
  bool FBandBorders = true;
  bool FUpdating = false;
};
