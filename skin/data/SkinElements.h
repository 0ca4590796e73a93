// The element records of the skin model: one image of FrameCount equal frames plus the sizes of its
// fixed edges, a few switches and colours; derived records add what their element needs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/core/Object.h"
#include "framework/win/graphics/Bitmap.h"

class TDataSkinObject : public TObject {
  DECLARE_CLASS(TDataSkinObject, TObject)

 public:
  explicit TDataSkinObject(const String& AName);
  ~TDataSkinObject() override;

  RECT Margins{0, 0, 0, 0};
  std::unique_ptr<TBitmap> Bitmap;
  std::int32_t Trans = 0;
  std::int32_t Tile = 0;
  String Name;
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  std::int32_t NormalColour = 0;
  std::int32_t MouseOverColour = 0;
  std::int32_t PressedColour = 0;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
  DECLARE_CLASS(TDataSkinBorder, TDataSkinObject)

 public:
  explicit TDataSkinBorder(const String& AName);
  ~TDataSkinBorder() override;

  std::unique_ptr<TBitmap> Bitmap2;
};

class TDataSkinButton : public TDataSkinObject {
  DECLARE_CLASS(TDataSkinButton, TDataSkinObject)

 public:
  explicit TDataSkinButton(const String& AName);
  ~TDataSkinButton() override;

  std::unique_ptr<TBitmap> CheckBitmap;
  std::unique_ptr<TBitmap> RadioBitmap;
  std::int32_t RadioFrame = 0;
  std::int32_t CheckFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// Title text colours use this value for "not given by the skin".
inline constexpr TColor kTitleColorNotGiven = 0x1FFFFFFF;

class TDataSkinTitle : public TDataSkinObject {
  DECLARE_CLASS(TDataSkinTitle, TDataSkinObject)

 public:
  explicit TDataSkinTitle(const String& AName) : TDataSkinObject(AName) {}

  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TextBackLeft = 0;
  std::int32_t TextBackRight = 0;
  TColor ActiveTextColor = 0;
  TColor InactiveTextColor = 0;
};

class TDataSkinSysButton : public TDataSkinObject {
  DECLARE_CLASS(TDataSkinSysButton, TDataSkinObject)

 public:
  explicit TDataSkinSysButton(const String& AName) : TDataSkinObject(AName) {}

  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t XCoord = 0;
  std::int32_t YCoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
  DECLARE_CLASS(TDataSkinBoxLabel, TDataSkinObject)

 public:
  explicit TDataSkinBoxLabel(const String& AName) : TDataSkinObject(AName) {}

  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};
