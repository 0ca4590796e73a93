// TListView: items with sub-items shown as icons, a list or a report with columns, on the system's
// list-view class. The items and columns live here; the window asks for their texts as it draws.
#pragma once

#include <memory>

#include "framework/core/Strings.h"
#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/ControlItems.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/ImageList.h"

class TCustomListView;

PUBLISHED_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)

class TListColumn : public TTextItem {
  DECLARE_CLASS(TListColumn, TTextItem)

 public:
  explicit TListColumn(TCollection* Collection);
  static void Publish(TPublisher<TListColumn>& P);

  const String& Caption() const { return FText; }
  void SetCaption(const String& Value) { Change(FText, Value); }
  // As the user left it when the window shows the column.
  void SetWidth(int Value);

 private:
  friend class TCustomListView;
};

using TListColumnItems = TControlItems<TListColumn, TCustomListView>;

class TListColumns : public TListColumnItems {
  DECLARE_CLASS(TListColumns, TListColumnItems)

 public:
  using TListColumnItems::TListColumnItems;

 protected:
  void Update(TCollectionItem* Item) override;
};

class TListItem : public TCollectionItem {
  DECLARE_CLASS(TListItem, TCollectionItem)

 public:
  explicit TListItem(TCollection* Collection);
  ~TListItem() override;
  static void Publish(TPublisher<TListItem>& P);
  void Assign(TPersistent* Source) override;
  String GetDisplayName() const override { return FCaption.empty() ? ClassName() : FCaption; }

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The texts of the report's second and later columns.
  TStrings* SubItems() const { return FSubItems.get(); }
  void SetSubItems(TStrings* Value) { FSubItems->Assign(Value); }
  // What the window shows (only while it exists).
  bool Selected() const;
  void SetSelected(bool Value);
  void* Data = nullptr;

 private:
  void SubItemsChange(TObject* Sender) { Changed(false); }
  TCustomListView* ListView() const;

  String FCaption;
  int FImageIndex = -1;
  std::unique_ptr<TStringList> FSubItems;
};

using TListItemItems = TControlItems<TListItem, TCustomListView>;

class TListItems : public TListItemItems {
  DECLARE_CLASS(TListItems, TListItemItems)

 public:
  using TListItemItems::TListItemItems;

 protected:
  void Update(TCollectionItem* Item) override;
};

class TCustomListView : public TWinControl {
  DECLARE_CLASS(TCustomListView, TWinControl)

 public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;
  static void Publish(TPublisher<TCustomListView>& P);

  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  TListColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TListColumns* Value) { FColumns->Assign(Value); }
  TListItems* Items() const { return FItems.get(); }
  void SetItems(TListItems* Value) { FItems->Assign(Value); }
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* Value);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The first selected item, null for none.
  TListItem* Selected() const;
  int ItemIndex() const;
  void SetItemIndex(int Value);
  // The column header window of the report view (null before the window exists).
  HWND HeaderHandle() const;

  TEvent<void(TObject* Sender, TListItem* Item, bool Selected)> OnSelectItem;
  TEvent<void(TObject* Sender, TListColumn* Column)> OnColumnClick;

  // The collections changed: the window takes their state.
  void UpdateColumns();
  void UpdateItems();
  void UpdateItem(int Index);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  void UpdateExtendedStyle();
  void ImagesChanged();

  TViewStyle FViewStyle = vsIcon;
  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TListItems> FItems;
  TImageList* FSmallImages = nullptr;
  TImageList* FLargeImages = nullptr;
  bool FRowSelect = false;
  bool FGridLines = false;
  bool FReadOnly = false;
  bool FMultiSelect = false;
  bool FHideSelection = true;
  bool FShowColumnHeaders = true;
  TBorderStyle FBorderStyle = bsSingle;
};

class TListView : public TCustomListView {
  DECLARE_CLASS(TListView, TCustomListView)

 public:
  explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}
};
