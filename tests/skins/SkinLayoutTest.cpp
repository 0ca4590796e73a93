// The skins in skins/ against what the engine expects of them: the sections the utility's skin
// carries, bitmaps of the three depths, strips that split into the frame counts the painters use,
// frame borders that fit together, key colour only where the window region or a transparent draw
// removes it, and stretched middles without detail that would smear.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "tests/skins/SkinFolder.h"

namespace skintest {
namespace {

struct Strip {
  const char* section;
  const char* key;
  int frames;
  bool stacked;
};

// Frame counts as the reader fixes them after loading (or as the skin must give them).
const Strip kStrips[] = {
    {"Buttons", "Bitmap", 5, false},           {"Tabs", "Image", 5, false},
    {"Tab.Pane", "Image", 1, false},           {"StatusBarEdges", "Image", 3, false},
    {"Headerbar", "Image", 5, false},          {"Scrollbar", "Image", 23, false},
    {"HorzScroll", "Image", 4, false},         {"VertScroll", "Image", 4, false},
    {"MenuBackground", "Image", 1, false},     {"MenuItem", "Image", 5, false},
    {"MDICONTROLS", "Image", 12, false},       {"ComboButton", "Image", 4, false},
    {"ExtraImages", "Image", 5, false},        {"Trackbar.ThumbDown", "Image", 5, false},
    {"Trackbar.ThumbHorz", "Image", 5, false}, {"UpDown.Horz", "Image", 8, false},
    {"UpDown.Vert", "Image", 8, false},        {"Progress", "Bitmap", 2, false},
    {"Personality", "TextBack", 2, true},
};

const char* const kSections[] = {"TitlebarSkin",
                                 "Skins",
                                 "Buttons",
                                 "Tabs",
                                 "Tab.Pane",
                                 "StatusBarEdges",
                                 "Headerbar",
                                 "Scrollbar",
                                 "HorzScrollThumb",
                                 "VertScrollThumb",
                                 "HorzScroll",
                                 "VertScroll",
                                 "MenuBackground",
                                 "MenuItem",
                                 "MDICONTROLS",
                                 "Button0",
                                 "Button1",
                                 "Button2",
                                 "Button3",
                                 "Button4",
                                 "Button5",
                                 "Personality",
                                 "MinCaption",
                                 "Colours",
                                 "ComboButton",
                                 "ExtraImages",
                                 "Trackbar.ThumbDown",
                                 "Trackbar.ThumbHorz",
                                 "Track",
                                 "UpDown.Horz",
                                 "UpDown.Vert",
                                 "Progress"};

bool IsKey(const bmp::Image& im, int x, int y) {
  return bmp::GetPixel(im, x, y) == kKey;
}

int CountKey(const bmp::Image& im, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += IsKey(im, x, y);
  return n;
}

class SkinLayout : public testing::TestWithParam<const char*> {
 protected:
  static SkinFolder& Skin(const std::string& name) {
    static std::map<std::string, SkinFolder> cache;
    auto it = cache.find(name);
    if (it == cache.end())
      it = cache.emplace(name, SkinFolder::Load(PROJECT_SOURCE_DIR "/skins/" + name)).first;
    return it->second;
  }
  const SkinFolder& skin() { return Skin(GetParam()); }
  const bmp::Image& Need(const std::string& section, const std::string& key) {
    const bmp::Image* im = skin().Image(section, key);
    if (!im) throw std::runtime_error(section + "/" + key + " names no bitmap of the folder");
    return *im;
  }
  int TitleHeight() {
    return Need("Personality", "Top").height / skin().ini.GetInt("Personality", "TopFrame", 1);
  }
  int SideWidth(const char* side) {
    return Need("Personality", side).width / skin().ini.GetInt("Personality", std::string(side) + "Frame", 1);
  }
};

TEST_P(SkinLayout, OneDescriptionAndThirtyThreeBitmapsOfFourTwentyFourAndThirtyTwoBits) {
  const SkinFolder& s = skin();
  EXPECT_FALSE(s.iniName.empty());
  EXPECT_EQ(s.bitmaps.size(), 33u);
  EXPECT_EQ(s.otherFiles, 0);
  std::set<uint16_t> depths;
  for (const auto& [name, depth] : s.depths) depths.insert(depth);
  EXPECT_EQ(depths, (std::set<uint16_t>{4, 24, 32}));
  for (const char* section : kSections) EXPECT_TRUE(s.ini.HasSection(section)) << section;
}

TEST_P(SkinLayout, EveryImageKeyNamesAFolderBitmapAndEveryBitmapIsNamed) {
  const SkinFolder& s = skin();
  const std::set<std::string> imageKeys = {"image",       "bitmap", "buttonimage", "checkbutton",
                                           "radiobutton", "border", "glyphimage",  "textback"};
  std::set<std::string> used;
  auto use = [&](const std::string& section, const std::string& key) {
    const std::string value = s.ini.Get(section, key);
    if (value.empty()) return;
    // The engine loads only names whose extension is exactly ".bmp".
    EXPECT_EQ(value.substr(value.size() - 4), ".bmp") << section << "/" << key;
    EXPECT_TRUE(s.bitmaps.count(Lower(value))) << section << "/" << key << " = " << value;
    used.insert(Lower(value));
  };
  for (const std::string& section : s.ini.Sections())
    for (const std::string& key : imageKeys) use(section, key);
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) use("Personality", side);
  for (const auto& [name, image] : s.bitmaps) EXPECT_TRUE(used.count(name)) << name << " is not used";
}

TEST_P(SkinLayout, StripsSplitIntoTheFrameCountsThePaintersUse) {
  const SkinFolder& s = skin();
  for (const Strip& strip : kStrips) {
    const bmp::Image& im = Need(strip.section, strip.key);
    const int extent = strip.stacked ? im.height : im.width;
    EXPECT_EQ(extent % strip.frames, 0) << strip.section << " " << im.width << "x" << im.height;
  }
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
    const bmp::Image& im = Need("Personality", side);
    const bool stacked = std::string(side) == "Top" || std::string(side) == "Bottom";
    EXPECT_EQ(s.ini.GetInt("Personality", std::string(side) + "Frame", 1), 2) << side;
    EXPECT_EQ((stacked ? im.height : im.width) % 2, 0) << side;
  }
  // Thumb bodies: frame count from their own key, the same for both orientations.
  for (const char* thumb : {"HorzScrollThumb", "VertScrollThumb"}) {
    const int frames = s.ini.GetInt(thumb, "FrameCount", 3);
    EXPECT_EQ(Need(thumb, "Image").width % frames, 0) << thumb;
  }
  // Check and radio marks: 13-pixel frames, counts that the state remapping knows (12 and 8).
  const bmp::Image& check = Need("Buttons", "CheckButton");
  const bmp::Image& radio = Need("Buttons", "RadioButton");
  EXPECT_EQ(check.height, 13);
  EXPECT_EQ(radio.height, 13);
  EXPECT_EQ(s.ini.GetInt("Buttons", "CheckButtonFrame", 0), 12);
  EXPECT_EQ(s.ini.GetInt("Buttons", "RadioButtonFrame", 0), 8);
  EXPECT_EQ(check.width, 12 * 13);
  EXPECT_EQ(radio.width, 8 * 13);
  // The track keeps the count it is given; none would leave it without a frame to draw.
  EXPECT_EQ(s.ini.GetInt("Track", "Frame", 0), 1);
  // The scroll-bar strip's height is the bar thickness; the thumb body is drawn that thick.
  const bmp::Image& bar = Need("Scrollbar", "Image");
  EXPECT_EQ(bar.width / 23, bar.height);
  EXPECT_EQ(Need("HorzScrollThumb", "Image").height, bar.height);
}

TEST_P(SkinLayout, FrameBordersFitTogether) {
  const SkinIni& ini = skin().ini;
  const int title = TitleHeight();
  const bmp::Image& left = Need("Personality", "Left");
  const bmp::Image& top = Need("Personality", "Top");
  const int bottom = Need("Personality", "Bottom").height / 2;
  EXPECT_GE(title, 24);
  EXPECT_EQ(SideWidth("Left"), SideWidth("Right"));
  EXPECT_GE(SideWidth("Left"), 3);
  EXPECT_LE(SideWidth("Left"), 6);
  // The side strips' fixed top part is the caption, their fixed bottom part the bottom border, and a
  // stretchable middle remains between them.
  for (const char* side : {"Left", "Right"}) {
    EXPECT_EQ(ini.GetInt("Personality", std::string(side) + "TopHeight", 0), title) << side;
    EXPECT_EQ(ini.GetInt("Personality", std::string(side) + "BotHeight", 0), bottom) << side;
  }
  EXPECT_GT(left.height, title + bottom);
  EXPECT_GT(top.width,
            ini.GetInt("Personality", "TopTopHeight", 0) + ini.GetInt("Personality", "TopBotHeight", 0));
  // The caption colour is sampled at a third of the top strip's first frame: it must be caption.
  const bmp::Rgb sample = bmp::GetPixel(top, top.width / 3, title / 3);
  EXPECT_NE(sample, kKey);
}

TEST_P(SkinLayout, OnlyTheTopCornersAreCutOut) {
  const SkinIni& ini = skin().ini;
  const int title = TitleHeight();
  for (const char* side : {"Left", "Right"}) {
    const bmp::Image& im = Need("Personality", side);
    const int corner = title / 2;
    EXPECT_GT(CountKey(im, 0, 0, im.width, corner), 0) << side << ": no rounded corner";
    EXPECT_EQ(CountKey(im, 0, corner, im.width, im.height), 0) << side;
  }
  const bmp::Image& top = Need("Personality", "Top");
  const int fw = top.width, l = ini.GetInt("Personality", "TopTopHeight", 0),
            r = ini.GetInt("Personality", "TopBotHeight", 0);
  EXPECT_EQ(CountKey(top, l, 0, fw - r, top.height), 0);
  const bmp::Image& bottom = Need("Personality", "Bottom");
  EXPECT_EQ(CountKey(bottom, 0, 0, bottom.width, bottom.height), 0);
}

TEST_P(SkinLayout, OpaqueElementsHoldNoKeyColour) {
  const std::pair<const char*, const char*> opaque[] = {
      {"Headerbar", "Image"}, {"StatusBarEdges", "Image"}, {"HorzScroll", "Image"},  {"VertScroll", "Image"},
      {"Track", "Image"},     {"MenuBackground", "Image"}, {"UpDown.Horz", "Image"}, {"UpDown.Vert", "Image"},
      {"Tab.Pane", "Image"},  {"Tabs", "Border"}};
  for (const auto& [section, key] : opaque) {
    const bmp::Image& im = Need(section, key);
    EXPECT_EQ(CountKey(im, 0, 0, im.width, im.height), 0) << section;
  }
}

// Rows (or columns) that the engine stretches must be uniform, or the detail smears.
TEST_P(SkinLayout, StretchedMiddlesCarryNoDetail) {
  const SkinIni& ini = skin().ini;
  auto uniformColumns = [](const bmp::Image& im, int frames, int l, int r, bool stacked) {
    const int fw = stacked ? im.width : im.width / frames;
    const int fh = stacked ? im.height / frames : im.height;
    for (int f = 0; f < frames; ++f) {
      const int sx = stacked ? 0 : f * fw, sy = stacked ? f * fh : 0;
      for (int y = sy; y < sy + fh; ++y)
        for (int x = sx + l + 1; x < sx + fw - r; ++x)
          if (bmp::GetPixel(im, x, y) != bmp::GetPixel(im, sx + l, y)) return false;
    }
    return true;
  };
  EXPECT_TRUE(uniformColumns(Need("Personality", "Top"), 2, ini.GetInt("Personality", "TopTopHeight", 0),
                             ini.GetInt("Personality", "TopBotHeight", 0), true));
  EXPECT_TRUE(uniformColumns(Need("Personality", "Bottom"), 2,
                             ini.GetInt("Personality", "BottomTopHeight", 0),
                             ini.GetInt("Personality", "BottomBotHeight", 0), true));
  EXPECT_TRUE(uniformColumns(Need("Buttons", "Bitmap"), 5, ini.GetInt("Buttons", "LeftWidth", 0),
                             ini.GetInt("Buttons", "RightWidth", 0), false));
  EXPECT_TRUE(uniformColumns(Need("Progress", "Bitmap"), 2, ini.GetInt("Progress", "LeftWidth", 0),
                             ini.GetInt("Progress", "RightWidth", 0), false));
  const bmp::Image& left = Need("Personality", "Left");
  const int fw = left.width / 2, top = ini.GetInt("Personality", "LeftTopHeight", 0),
            bottom = ini.GetInt("Personality", "LeftBotHeight", 0);
  for (int y = top + 1; y < left.height - bottom; ++y)
    for (int x = 0; x < 2 * fw; ++x)
      EXPECT_EQ(bmp::GetPixel(left, x, y), bmp::GetPixel(left, x, top)) << x << "," << y;
}

TEST_P(SkinLayout, CaptionButtonsSitInTheCaptionWithoutOverlapping) {
  const SkinIni& ini = skin().ini;
  const int title = TitleHeight(), side = SideWidth("Right");
  std::map<int, int> fromRight;  // Xcoord -> width, for the buttons counted from the right edge
  int actions = 0;
  for (int i = 0; i <= 5; ++i) {
    const std::string section = "Button" + std::to_string(i);
    const bmp::Image& im = Need(section, "ButtonImage");
    const int frames = ini.GetInt(section, "frame", 0);
    // A given count keeps the icon button's image (and so its place), and no ratio guess applies.
    ASSERT_GT(frames, 0) << section;
    ASSERT_EQ(im.width % frames, 0) << section;
    const int w = im.width / frames, y = ini.GetInt(section, "Ycoord", 0);
    EXPECT_GE(y, 0);
    EXPECT_LE(y + im.height, title) << section;
    const int action = ini.GetInt(section, "Action", 0);
    actions |= 1 << action;
    if (ini.GetInt(section, "Align", 0) == 1) {
      const int x = ini.GetInt(section, "Xcoord", 0);
      EXPECT_GE(x - w, side) << section << " covers the right border";
      EXPECT_LE(x, ini.GetInt("Personality", "TextRightClip", 0)) << section << " under the title";
      fromRight.emplace(x, w);
    }
  }
  EXPECT_EQ(actions, (1 << 0) | (1 << 1) | (1 << 2) | (1 << 3) | (1 << 4));
  int previousLeft = 0;  // distance of the previous button's left edge from the right edge
  for (const auto& [x, w] : fromRight) {
    EXPECT_GE(x - w, previousLeft) << "buttons overlap";
    previousLeft = x;
  }
}

TEST_P(SkinLayout, ColoursAreThreeBytesAndMatchTheTitleKeys) {
  const SkinIni& ini = skin().ini;
  // "R G B": three decimal bytes separated by single blanks, as every skin writes them.
  auto isRgb = [](const std::string& value) {
    int numbers = 0;
    size_t i = 0;
    while (i < value.size()) {
      size_t j = i;
      while (j < value.size() && std::isdigit(static_cast<unsigned char>(value[j]))) ++j;
      if (j == i || j - i > 3 || std::stoi(value.substr(i, j - i)) > 255) return false;
      ++numbers;
      if (j == value.size()) break;
      if (value[j] != ' ') return false;
      i = j + 1;
    }
    return numbers == 3;
  };
  for (const char* key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar",
                          "Menu", "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow",
                          "ButtonDkShadow", "MenuBarText", "TitleTextActive", "TitleTextNoActive"}) {
    EXPECT_TRUE(isRgb(ini.Get("Colours", key))) << key << " = " << ini.Get("Colours", key);
  }
  const std::string active = ini.Get("Personality", "ActiveTextR") + " " +
                             ini.Get("Personality", "ActiveTextG") + " " +
                             ini.Get("Personality", "ActiveTextB");
  EXPECT_EQ(active, ini.Get("Colours", "TitleTextActive"));
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinLayout, testing::Values("default", "dark"));

int Distance(bmp::Rgb a, bmp::Rgb b) {
  return std::abs(bmp::RedOf(a) - bmp::RedOf(b)) + std::abs(bmp::GreenOf(a) - bmp::GreenOf(b)) +
         std::abs(bmp::BlueOf(a) - bmp::BlueOf(b));
}

TEST(SkinSet, TheSecondSkinLooksClearlyDifferent) {
  const SkinFolder light = SkinFolder::Load(PROJECT_SOURCE_DIR "/skins/default");
  const SkinFolder dark = SkinFolder::Load(PROJECT_SOURCE_DIR "/skins/dark");
  auto pixel = [](const SkinFolder& s, const char* section, const char* key, int x, int y) {
    return bmp::GetPixel(*s.Image(section, key), x, y);
  };
  EXPECT_GT(Distance(pixel(light, "Personality", "Top", 10, 10), pixel(dark, "Personality", "Top", 10, 10)),
            150);
  EXPECT_GT(
      Distance(pixel(light, "MenuBackground", "Image", 8, 8), pixel(dark, "MenuBackground", "Image", 8, 8)),
      300);
  EXPECT_NE(light.ini.Get("TitlebarSkin", "SkinName"), dark.ini.Get("TitlebarSkin", "SkinName"));
}

}  // namespace
}  // namespace skintest
