#include "framework/win/graphics/SectionReuse.h"

#include <utility>

namespace {

thread_local TSectionReuse* CurrentScope = nullptr;

}  // namespace

bool SameSectionShape(const bmp::Image& A, const bmp::Image& B) {
  return A.width == B.width && A.height == B.height && A.bitCount == B.bitCount && A.masks == B.masks &&
         (!A.IsIndexed() || A.palette == B.palette);
}

TSectionReuse::TSectionReuse() : FOuter(CurrentScope) {
  CurrentScope = this;
}

TSectionReuse::~TSectionReuse() {
  CurrentScope = FOuter;
}

TSectionReuse* TSectionReuse::Current() {
  return CurrentScope;
}

void TSectionReuse::Keep(TGdiBitmap&& Section, void* Bits, const bmp::Image& Shape) noexcept {
  TGdiBitmap Owned = std::move(Section);
  if (!Owned || !Bits) return;
  try {
    TKept Entry;
    Entry.Bits = Bits;
    Entry.Shape.width = Shape.width;
    Entry.Shape.height = Shape.height;
    Entry.Shape.bitCount = Shape.bitCount;
    Entry.Shape.masks = Shape.masks;
    Entry.Shape.palette = Shape.palette;
    Entry.Section = std::move(Owned);
    FKept.push_back(std::move(Entry));
  } catch (...) {
    // No room to remember it: Owned (or the entry) deletes it on the way out.
  }
}

TGdiBitmap TSectionReuse::Take(const bmp::Image& Shape, void*& Bits) {
  Bits = nullptr;
  for (auto It = FKept.begin(); It != FKept.end(); ++It) {
    if (!SameSectionShape(It->Shape, Shape)) continue;
    TGdiBitmap Section = std::move(It->Section);
    Bits = It->Bits;
    FKept.erase(It);
    return Section;
  }
  return {};
}
