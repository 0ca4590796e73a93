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

bool IsKey(const bmp::Image& Im, int X, int Y) {
  return bmp::GetPixel(Im, X, Y) == kKey;
}

int CountKey(const bmp::Image& Im, int X0, int Y0, int X1, int Y1) {
  int N = 0;
  for (int Y = Y0; Y < Y1; ++Y)
    for (int X = X0; X < X1; ++X) N += IsKey(Im, X, Y);
  return N;
}

class SkinLayout : public testing::TestWithParam<const char*> {
 protected:
  static SkinFolder& Skin(const std::string& Name) {
    static std::map<std::string, SkinFolder> Cache;
    auto It = Cache.find(Name);
    if (It == Cache.end())
      It = Cache.emplace(Name, SkinFolder::Load(PROJECT_SOURCE_DIR "/skins/" + Name)).first;
    return It->second;
  }
  const SkinFolder& skin() { return Skin(GetParam()); }
  const bmp::Image& Need(const std::string& Section, const std::string& Key) {
    const bmp::Image* Im = skin().Image(Section, Key);
    if (!Im) throw std::runtime_error(Section + "/" + Key + " names no bitmap of the folder");
    return *Im;
  }
  int TitleHeight() {
    return Need("Personality", "Top").height / skin().ini.GetInt("Personality", "TopFrame", 1);
  }
  int SideWidth(const char* Side) {
    return Need("Personality", Side).width / skin().ini.GetInt("Personality", std::string(Side) + "Frame", 1);
  }
};

TEST_P(SkinLayout, OneDescriptionAndThirtyThreeBitmapsOfFourTwentyFourAndThirtyTwoBits) {
  const SkinFolder& S = skin();
  EXPECT_FALSE(S.iniName.empty());
  EXPECT_EQ(S.bitmaps.size(), 33u);
  EXPECT_EQ(S.otherFiles, 0);
  std::set<uint16_t> Depths;
  for (const auto& [name, depth] : S.depths) Depths.insert(depth);
  EXPECT_EQ(Depths, (std::set<uint16_t>{4, 24, 32}));
  for (const char* Section : kSections) EXPECT_TRUE(S.ini.HasSection(Section)) << Section;
}

TEST_P(SkinLayout, EveryImageKeyNamesAFolderBitmapAndEveryBitmapIsNamed) {
  const SkinFolder& Folder = skin();
  const std::set<std::string> ImageKeys = {"image",       "bitmap", "buttonimage", "checkbutton",
                                           "radiobutton", "border", "glyphimage",  "textback"};
  std::set<std::string> Used;
  auto Use = [&](const std::string& Section, const std::string& Key) {
    const std::string Value = Folder.ini.Get(Section, Key);
    if (Value.empty()) return;
    // The engine loads only names whose extension is exactly ".bmp".
    EXPECT_EQ(Value.substr(Value.size() - 4), ".bmp") << Section << "/" << Key;
    EXPECT_TRUE(Folder.bitmaps.count(Lower(Value))) << Section << "/" << Key << " = " << Value;
    Used.insert(Lower(Value));
  };
  for (const std::string& Section : Folder.ini.Sections())
    for (const std::string& Key : ImageKeys) Use(Section, Key);
  for (const char* Side : {"Left", "Right", "Top", "Bottom"}) Use("Personality", Side);
  for (const auto& [name, image] : Folder.bitmaps) EXPECT_TRUE(Used.count(name)) << name << " is not used";
}

TEST_P(SkinLayout, StripsSplitIntoTheFrameCountsThePaintersUse) {
  const SkinFolder& S = skin();
  for (const Strip& Entry : kStrips) {
    const bmp::Image& Im = Need(Entry.section, Entry.key);
    const int Extent = Entry.stacked ? Im.height : Im.width;
    EXPECT_EQ(Extent % Entry.frames, 0) << Entry.section << " " << Im.width << "x" << Im.height;
  }
  for (const char* Side : {"Left", "Right", "Top", "Bottom"}) {
    const bmp::Image& Im = Need("Personality", Side);
    const bool Stacked = std::string(Side) == "Top" || std::string(Side) == "Bottom";
    EXPECT_EQ(S.ini.GetInt("Personality", std::string(Side) + "Frame", 1), 2) << Side;
    EXPECT_EQ((Stacked ? Im.height : Im.width) % 2, 0) << Side;
  }
  // Thumb bodies: frame count from their own key, the same for both orientations.
  for (const char* ThumbSection : {"HorzScrollThumb", "VertScrollThumb"}) {
    const int Frames = S.ini.GetInt(ThumbSection, "FrameCount", 3);
    EXPECT_EQ(Need(ThumbSection, "Image").width % Frames, 0) << ThumbSection;
  }
  // Check and radio marks: 13-pixel frames, counts that the state remapping knows (12 and 8).
  const bmp::Image& CheckStrip = Need("Buttons", "CheckButton");
  const bmp::Image& Radio = Need("Buttons", "RadioButton");
  EXPECT_EQ(CheckStrip.height, 13);
  EXPECT_EQ(Radio.height, 13);
  EXPECT_EQ(S.ini.GetInt("Buttons", "CheckButtonFrame", 0), 12);
  EXPECT_EQ(S.ini.GetInt("Buttons", "RadioButtonFrame", 0), 8);
  EXPECT_EQ(CheckStrip.width, 12 * 13);
  EXPECT_EQ(Radio.width, 8 * 13);
  // The track keeps the count it is given; none would leave it without a frame to draw.
  EXPECT_EQ(S.ini.GetInt("Track", "Frame", 0), 1);
  // The scroll-bar strip's height is the bar thickness; the thumb body is drawn that thick.
  const bmp::Image& Bar = Need("Scrollbar", "Image");
  EXPECT_EQ(Bar.width / 23, Bar.height);
  EXPECT_EQ(Need("HorzScrollThumb", "Image").height, Bar.height);
}

TEST_P(SkinLayout, FrameBordersFitTogether) {
  const SkinIni& Ini = skin().ini;
  const int Title = TitleHeight();
  const bmp::Image& LeftSide = Need("Personality", "Left");
  const bmp::Image& TopSide = Need("Personality", "Top");
  const int BottomHeight = Need("Personality", "Bottom").height / 2;
  EXPECT_GE(Title, 24);
  EXPECT_EQ(SideWidth("Left"), SideWidth("Right"));
  EXPECT_GE(SideWidth("Left"), 3);
  EXPECT_LE(SideWidth("Left"), 6);
  // The side strips' fixed top part is the caption, their fixed bottom part the bottom border, and a
  // stretchable middle remains between them.
  for (const char* Side : {"Left", "Right"}) {
    EXPECT_EQ(Ini.GetInt("Personality", std::string(Side) + "TopHeight", 0), Title) << Side;
    EXPECT_EQ(Ini.GetInt("Personality", std::string(Side) + "BotHeight", 0), BottomHeight) << Side;
  }
  EXPECT_GT(LeftSide.height, Title + BottomHeight);
  EXPECT_GT(TopSide.width,
            Ini.GetInt("Personality", "TopTopHeight", 0) + Ini.GetInt("Personality", "TopBotHeight", 0));
  // The caption colour is sampled at a third of the top strip's first frame: it must be caption.
  const bmp::Rgb Sample = bmp::GetPixel(TopSide, TopSide.width / 3, Title / 3);
  EXPECT_NE(Sample, kKey);
}

TEST_P(SkinLayout, OnlyTheTopCornersAreCutOut) {
  const SkinIni& Ini = skin().ini;
  const int Title = TitleHeight();
  for (const char* Side : {"Left", "Right"}) {
    const bmp::Image& Im = Need("Personality", Side);
    const int Corner = Title / 2;
    EXPECT_GT(CountKey(Im, 0, 0, Im.width, Corner), 0) << Side << ": no rounded corner";
    EXPECT_EQ(CountKey(Im, 0, Corner, Im.width, Im.height), 0) << Side;
  }
  const bmp::Image& TopSide = Need("Personality", "Top");
  const int Fw = TopSide.width, L = Ini.GetInt("Personality", "TopTopHeight", 0),
            R = Ini.GetInt("Personality", "TopBotHeight", 0);
  EXPECT_EQ(CountKey(TopSide, L, 0, Fw - R, TopSide.height), 0);
  const bmp::Image& BottomSide = Need("Personality", "Bottom");
  EXPECT_EQ(CountKey(BottomSide, 0, 0, BottomSide.width, BottomSide.height), 0);
}

TEST_P(SkinLayout, OpaqueElementsHoldNoKeyColour) {
  const std::pair<const char*, const char*> Opaque[] = {
      {"Headerbar", "Image"}, {"StatusBarEdges", "Image"}, {"HorzScroll", "Image"},  {"VertScroll", "Image"},
      {"Track", "Image"},     {"MenuBackground", "Image"}, {"UpDown.Horz", "Image"}, {"UpDown.Vert", "Image"},
      {"Tab.Pane", "Image"},  {"Tabs", "Border"}};
  for (const auto& [section, key] : Opaque) {
    const bmp::Image& Im = Need(section, key);
    EXPECT_EQ(CountKey(Im, 0, 0, Im.width, Im.height), 0) << section;
  }
}

// Rows (or columns) that the engine stretches must be uniform, or the detail smears.
TEST_P(SkinLayout, StretchedMiddlesCarryNoDetail) {
  const SkinIni& Ini = skin().ini;
  auto UniformColumns = [](const bmp::Image& Im, int Frames, int L, int R, bool Stacked) {
    const int Fw = Stacked ? Im.width : Im.width / Frames;
    const int Fh = Stacked ? Im.height / Frames : Im.height;
    for (int F = 0; F < Frames; ++F) {
      const int Sx = Stacked ? 0 : F * Fw, Sy = Stacked ? F * Fh : 0;
      for (int Y = Sy; Y < Sy + Fh; ++Y)
        for (int X = Sx + L + 1; X < Sx + Fw - R; ++X)
          if (bmp::GetPixel(Im, X, Y) != bmp::GetPixel(Im, Sx + L, Y)) return false;
    }
    return true;
  };
  EXPECT_TRUE(UniformColumns(Need("Personality", "Top"), 2, Ini.GetInt("Personality", "TopTopHeight", 0),
                             Ini.GetInt("Personality", "TopBotHeight", 0), true));
  EXPECT_TRUE(UniformColumns(Need("Personality", "Bottom"), 2,
                             Ini.GetInt("Personality", "BottomTopHeight", 0),
                             Ini.GetInt("Personality", "BottomBotHeight", 0), true));
  EXPECT_TRUE(UniformColumns(Need("Buttons", "Bitmap"), 5, Ini.GetInt("Buttons", "LeftWidth", 0),
                             Ini.GetInt("Buttons", "RightWidth", 0), false));
  EXPECT_TRUE(UniformColumns(Need("Progress", "Bitmap"), 2, Ini.GetInt("Progress", "LeftWidth", 0),
                             Ini.GetInt("Progress", "RightWidth", 0), false));
  const bmp::Image& LeftSide = Need("Personality", "Left");
  const int Fw = LeftSide.width / 2, TopFixed = Ini.GetInt("Personality", "LeftTopHeight", 0),
            BottomFixed = Ini.GetInt("Personality", "LeftBotHeight", 0);
  for (int Y = TopFixed + 1; Y < LeftSide.height - BottomFixed; ++Y)
    for (int X = 0; X < 2 * Fw; ++X)
      EXPECT_EQ(bmp::GetPixel(LeftSide, X, Y), bmp::GetPixel(LeftSide, X, TopFixed)) << X << "," << Y;
}

TEST_P(SkinLayout, CaptionButtonsSitInTheCaptionWithoutOverlapping) {
  const SkinIni& Ini = skin().ini;
  const int Title = TitleHeight(), Side = SideWidth("Right");
  std::map<int, int> FromRight;  // Xcoord -> width, for the buttons counted from the right edge
  int Actions = 0;
  for (int I = 0; I <= 5; ++I) {
    const std::string Section = "Button" + std::to_string(I);
    const bmp::Image& Im = Need(Section, "ButtonImage");
    const int Frames = Ini.GetInt(Section, "frame", 0);
    // A given count keeps the icon button's image (and so its place), and no ratio guess applies.
    ASSERT_GT(Frames, 0) << Section;
    ASSERT_EQ(Im.width % Frames, 0) << Section;
    const int W = Im.width / Frames, Y = Ini.GetInt(Section, "Ycoord", 0);
    EXPECT_GE(Y, 0);
    EXPECT_LE(Y + Im.height, Title) << Section;
    const int Action = Ini.GetInt(Section, "Action", 0);
    Actions |= 1 << Action;
    if (Ini.GetInt(Section, "Align", 0) == 1) {
      const int X = Ini.GetInt(Section, "Xcoord", 0);
      EXPECT_GE(X - W, Side) << Section << " covers the right border";
      EXPECT_LE(X, Ini.GetInt("Personality", "TextRightClip", 0)) << Section << " under the title";
      FromRight.emplace(X, W);
    }
  }
  EXPECT_EQ(Actions, (1 << 0) | (1 << 1) | (1 << 2) | (1 << 3) | (1 << 4));
  int PreviousLeft = 0;  // distance of the previous button's left edge from the right edge
  for (const auto& [x, w] : FromRight) {
    EXPECT_GE(x - w, PreviousLeft) << "buttons overlap";
    PreviousLeft = x;
  }
}

TEST_P(SkinLayout, ColoursAreThreeBytesAndMatchTheTitleKeys) {
  const SkinIni& Ini = skin().ini;
  // "R G B": three decimal bytes separated by single blanks, as every skin writes them.
  auto IsRgb = [](const std::string& Value) {
    int Numbers = 0;
    size_t I = 0;
    while (I < Value.size()) {
      size_t J = I;
      while (J < Value.size() && std::isdigit(static_cast<unsigned char>(Value[J]))) ++J;
      if (J == I || J - I > 3 || std::stoi(Value.substr(I, J - I)) > 255) return false;
      ++Numbers;
      if (J == Value.size()) break;
      if (Value[J] != ' ') return false;
      I = J + 1;
    }
    return Numbers == 3;
  };
  for (const char* Key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar",
                          "Menu", "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow",
                          "ButtonDkShadow", "MenuBarText", "TitleTextActive", "TitleTextNoActive"}) {
    EXPECT_TRUE(IsRgb(Ini.Get("Colours", Key))) << Key << " = " << Ini.Get("Colours", Key);
  }
  const std::string Active = Ini.Get("Personality", "ActiveTextR") + " " +
                             Ini.Get("Personality", "ActiveTextG") + " " +
                             Ini.Get("Personality", "ActiveTextB");
  EXPECT_EQ(Active, Ini.Get("Colours", "TitleTextActive"));
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinLayout, testing::Values("default", "dark"));

int Distance(bmp::Rgb A, bmp::Rgb B) {
  return std::abs(bmp::RedOf(A) - bmp::RedOf(B)) + std::abs(bmp::GreenOf(A) - bmp::GreenOf(B)) +
         std::abs(bmp::BlueOf(A) - bmp::BlueOf(B));
}

TEST(SkinSet, TheSecondSkinLooksClearlyDifferent) {
  const SkinFolder Light = SkinFolder::Load(PROJECT_SOURCE_DIR "/skins/default");
  const SkinFolder Dark = SkinFolder::Load(PROJECT_SOURCE_DIR "/skins/dark");
  auto Pixel = [](const SkinFolder& S, const char* Section, const char* Key, int X, int Y) {
    return bmp::GetPixel(*S.Image(Section, Key), X, Y);
  };
  EXPECT_GT(Distance(Pixel(Light, "Personality", "Top", 10, 10), Pixel(Dark, "Personality", "Top", 10, 10)),
            150);
  EXPECT_GT(
      Distance(Pixel(Light, "MenuBackground", "Image", 8, 8), Pixel(Dark, "MenuBackground", "Image", 8, 8)),
      300);
  EXPECT_NE(Light.ini.Get("TitlebarSkin", "SkinName"), Dark.ini.Get("TitlebarSkin", "SkinName"));
}

}  // namespace
}  // namespace skintest
