// Colour values, system colours and colour names.
#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Colors.h"

namespace {

TEST(Colors, SystemColoursResolveThroughTheSystem) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(clBlue), 0xFF0000u);
  EXPECT_EQ(ColorToRGB(0x12345678), 0x345678u);  // no stray top byte reaches GDI
  EXPECT_EQ(clBtnFace, 0x8000000Fu);
}

TEST(Colors, NamesReadAndWrite) {
  EXPECT_EQ(StringToColor("clBtnFace"), clBtnFace);
  EXPECT_EQ(StringToColor("CLFUCHSIA"), clFuchsia);
  EXPECT_EQ(StringToColor("clLtGray"), clSilver);
  EXPECT_EQ(StringToColor("$00FF00FF"), clFuchsia);
  EXPECT_EQ(StringToColor("-2147483633"), clBtnFace);
  EXPECT_EQ(StringToColor("clNone"), clNone);
  EXPECT_EQ(ColorToString(clWindowText), "clWindowText");
  EXPECT_EQ(ColorToString(clDefault), "clDefault");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  EXPECT_THROW(StringToColor("$1FFFFFFFF"), EConvertError);
}

}  // namespace
