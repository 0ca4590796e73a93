// Handing the DIB sections one set of bitmaps lets go of to the next set of the same shapes.
//
// While a TSectionReuse is open on a thread, a TBitmap of that thread that lets go of its section
// (it is freed, or takes a picture of another shape) leaves the section with the scope instead of
// deleting it, and a bitmap that needs a section takes a kept one of the same size, depth, masks and
// colour table before it makes one; a bitmap keeps its own section for a new picture of the same
// shape. A set of pictures loaded over a set of the same shapes (a skin loaded again) then makes and
// frees no section: under Wine each section costs more to make and free than a picture to decode.
// Whatever is still kept when the scope closes is deleted then.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "framework/bmp/BmpImage.h"
#include "framework/win/graphics/GdiHandles.h"

// Whether a section made for A can hold B's pixels as they are (pixels themselves not compared).
bool SameSectionShape(const bmp::Image& A, const bmp::Image& B);

class TSectionReuse {
 public:
  TSectionReuse();
  ~TSectionReuse();
  TSectionReuse(const TSectionReuse&) = delete;
  TSectionReuse& operator=(const TSectionReuse&) = delete;

  // The innermost scope open on this thread; null when there is none.
  static TSectionReuse* Current();

  // Keeps Section, whose pixels start at Bits and whose shape Shape describes. The section must be
  // selected into no device context. Never throws: a section that cannot be kept is deleted.
  void Keep(TGdiBitmap&& Section, void* Bits, const bmp::Image& Shape) noexcept;
  // A kept section of Shape's shape, with its pixels' address in Bits (its pixels are whatever its
  // last owner left); an empty handle when none is kept.
  TGdiBitmap Take(const bmp::Image& Shape, void*& Bits);
  std::size_t KeptCount() const { return FKept.size(); }

 private:
  struct TKept {
    TGdiBitmap Section;
    void* Bits = nullptr;
    bmp::Image Shape;  // no pixels
  };
  std::vector<TKept> FKept;
  TSectionReuse* FOuter;
};
