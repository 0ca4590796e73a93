#include "framework/win/controls/ControlItems.h"

void TTextItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TTextItem*>(Source);
  if (!Item) {
    TCollectionItem::Assign(Source);
    return;
  }
  FText = Item->FText;
  FWidth = Item->FWidth;
  FAlignment = Item->FAlignment;
  FImageIndex = Item->FImageIndex;
  Changed(false);
}
