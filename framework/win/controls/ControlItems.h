// What the collections of the common controls share: a collection of one item class that belongs to
// its control (TControlItems), and an item shown as a text of some width with an alignment and an
// image (TTextItem: a header's section, a list view's column).
#pragma once

#include "framework/core/Collection.h"
#include "framework/win/controls/Controls.h"

// Items of class TItem owned by a control of class TControl, which hears of their changes through
// the collection's Update.
template <class TItem, class TControl>
class TControlItems : public TCollection {
 public:
  explicit TControlItems(TControl* Control) : TCollection(TItemClass::Of<TItem>()), FControl(Control) {}
  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
  TPersistent* GetOwner() const override { return FControl; }
  TControl* Control() const { return FControl; }

 protected:
  TControl* FControl;
};

class TTextItem : public TCollectionItem {
  DECLARE_CLASS(TTextItem, TCollectionItem)

 public:
  String GetDisplayName() const override { return FText.empty() ? ClassName() : FText; }
  // Takes the text, width, alignment and image of another text item.
  void Assign(TPersistent* Source) override;

  int Width() const { return FWidth; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { Change(FAlignment, Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { Change(FImageIndex, Value); }

 protected:
  // The subclass joins the collection once it is complete, so that the change report finds it so.
  TTextItem() : TCollectionItem(nullptr) {}
  // Sets Field, and reports the change to the collection when the value differs.
  template <class V>
  void Change(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(false);
  }

  String FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
};
