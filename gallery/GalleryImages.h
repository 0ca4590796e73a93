// The gallery's small pictures, drawn rather than stored: the 16 by 16 images of its menus and tool
// bar, and the glyphs of its speed buttons.
#pragma once

#include <memory>

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ImageList.h"

// Indices of the images that AddGalleryImages puts into an image list.
enum TGalleryImage { giOpen, giCut, giCopy, giPaste, giBold, giSkin, giAbout, giPage, giCount };

// Appends the giCount images, in TGalleryImage order, to a list of 16 by 16 images.
void AddGalleryImages(TImageList& List);

// One image as a bitmap whose bottom-left pixel is the transparent colour (olive), as glyphs are.
std::unique_ptr<TBitmap> GalleryGlyph(TGalleryImage Image);
