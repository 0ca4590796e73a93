// THeaderControl: a row of column headings (sections) on the system's header class; the user may
// click and resize them.
#pragma once

#include <memory>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

class THeaderControl;

PUBLISHED_ENUM(THeaderSectionStyle, hsText, hsOwnerDraw)

class THeaderSection : public TCollectionItem {
  DECLARE_CLASS(THeaderSection, TCollectionItem)

 public:
  explicit THeaderSection(TCollection* Collection);
  static void Publish(TPublisher<THeaderSection>& P);
  void Assign(TPersistent* Source) override;
  String GetDisplayName() const override { return FText.empty() ? ClassName() : FText; }

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  // Kept between MinWidth and MaxWidth.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  THeaderSectionStyle Style() const { return FStyle; }
  void SetStyle(THeaderSectionStyle Value);
  bool AllowClick() const { return FAllowClick; }
  void SetAllowClick(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Left edge of the section within the header.
  int Left() const;
  int Right() const { return Left() + FWidth; }

 private:
  friend class THeaderControl;
  String FText;
  int FWidth = 50;
  int FMinWidth = 0;
  int FMaxWidth = 10000;
  TAlignment FAlignment = taLeftJustify;
  THeaderSectionStyle FStyle = hsText;
  bool FAllowClick = true;
  int FImageIndex = -1;
};

class THeaderSections : public TCollection {
  DECLARE_CLASS(THeaderSections, TCollection)

 public:
  explicit THeaderSections(THeaderControl* Header);
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* Items(int Index) const { return static_cast<THeaderSection*>(TCollection::Items(Index)); }
  TPersistent* GetOwner() const override;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  THeaderControl* FHeader;
};

using TSectionNotifyEvent = TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section)>;
using TDrawSectionEvent =
    TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section, const RECT& Rect, bool Pressed)>;

class THeaderControl : public TWinControl {
  DECLARE_CLASS(THeaderControl, TWinControl)

 public:
  explicit THeaderControl(TComponent* AOwner);
  ~THeaderControl() override;
  static void Publish(TPublisher<THeaderControl>& P);

  THeaderSections* Sections() const { return FSections.get(); }
  void SetSections(THeaderSections* Value) { FSections->Assign(Value); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  // Sections look like buttons and report clicks.
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  TCanvas* Canvas() const { return FCanvas.get(); }

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TDrawSectionEvent OnDrawSection;

  // The sections changed: the header takes their texts, widths and formats.
  void UpdateSections();
  void UpdateSection(int Index);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  std::unique_ptr<THeaderSections> FSections;
  std::unique_ptr<TCanvas> FCanvas;
  TImageList* FImages = nullptr;
  bool FHotTrack = false;
  bool FTracking = false;  // widths coming back from the header are not sent to it again
};
