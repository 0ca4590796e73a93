// Element records own their bitmaps; freeing a record must never throw, whatever state GDI is in.

#include "skin/data/SkinElements.h"

namespace {

void FreeBitmap(std::unique_ptr<TBitmap>& Bitmap) noexcept {
  try {
    Bitmap.reset();
  } catch (...) {
    // A bitmap that cannot be released cleanly is dropped; nothing else refers to it.
  }
}

}  // namespace

TDataSkinObject::TDataSkinObject(const String& AName) : Bitmap(std::make_unique<TBitmap>()), Name(AName) {}

TDataSkinObject::~TDataSkinObject() {
  FreeBitmap(Bitmap);
}

TDataSkinBorder::TDataSkinBorder(const String& AName)
    : TDataSkinObject(AName), Bitmap2(std::make_unique<TBitmap>()) {}

TDataSkinBorder::~TDataSkinBorder() {
  FreeBitmap(Bitmap2);
}

TDataSkinButton::TDataSkinButton(const String& AName)
    : TDataSkinObject(AName),
      CheckBitmap(std::make_unique<TBitmap>()),
      RadioBitmap(std::make_unique<TBitmap>()) {}

TDataSkinButton::~TDataSkinButton() {
  FreeBitmap(CheckBitmap);
  FreeBitmap(RadioBitmap);
}
