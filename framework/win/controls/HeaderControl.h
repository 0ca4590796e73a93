// THeaderControl: a row of column headings (sections) on the system's header class; the user may
// click and resize them.
#pragma once

#include <memory>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/ControlItems.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

class THeaderControl;

PUBLISHED_ENUM(THeaderSectionStyle, hsText, hsOwnerDraw)

class THeaderSection : public TTextItem {
  DECLARE_CLASS(THeaderSection, TTextItem)

 public:
  explicit THeaderSection(TCollection* Collection);
  static void Publish(TPublisher<THeaderSection>& P);
  void Assign(TPersistent* Source) override;

  const String& Text() const { return FText; }
  void SetText(const String& Value) { Change(FText, Value); }
  // Kept between MinWidth and MaxWidth.
  void SetWidth(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  THeaderSectionStyle Style() const { return FStyle; }
  void SetStyle(THeaderSectionStyle Value) { Change(FStyle, Value); }
  bool AllowClick() const { return FAllowClick; }
  void SetAllowClick(bool Value) { FAllowClick = Value; }
  // Left edge of the section within the header.
  int Left() const;
  int Right() const { return Left() + FWidth; }

 private:
  friend class THeaderControl;
  int FMinWidth = 0;
  int FMaxWidth = 10000;
  THeaderSectionStyle FStyle = hsText;
  bool FAllowClick = true;
};

using THeaderSectionItems = TControlItems<THeaderSection, THeaderControl>;

class THeaderSections : public THeaderSectionItems {
  DECLARE_CLASS(THeaderSections, THeaderSectionItems)

 public:
  using THeaderSectionItems::THeaderSectionItems;

 protected:
  void Update(TCollectionItem* Item) override;
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
