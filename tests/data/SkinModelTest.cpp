// The whole skin model of the packed default skin, checked against the skin's own description and
// images; and switching skins from a skin store.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/SysUtils.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "tests/data/FakeSkinManager.h"
#include "tests/data/SkinIniText.h"
#include "tests/data/TestSkins.h"
#include "tests/support/Bitmaps.h"

namespace {

std::vector<std::uint8_t> FileBytes(const String& Path) {
  std::ifstream in(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The archive the build packed (what the utility embeds), or the folder packed here when the build
// packs no skins.
void DefaultArchive(TMemoryStream& Out) {
#ifdef DEFAULT_SKIN_ARCHIVE
  if (std::filesystem::exists(DEFAULT_SKIN_ARCHIVE)) {
    const auto bytes = FileBytes(DEFAULT_SKIN_ARCHIVE);
    Out.Clear();
    Out.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    Out.SetPosition(0);
    return;
  }
#endif
  PackSkinFolder(Out, DefaultSkinFolder());
}

struct TSize {
  int W = 0, H = 0;
  bool operator==(const TSize&) const = default;
};

// Width and height from a BMP file header in the skin folder ({0, 0} for no such file).
TSize ImageSize(const String& Name) {
  String lower = LowerCase(Name);
  const auto b = FileBytes(DefaultSkinFolder() + "/" + lower);
  if (b.size() < 26) return {};
  auto i32 = [&](int o) {
    return int(b[o] | b[o + 1] << 8 | b[o + 2] << 16 | std::uint32_t(b[o + 3]) << 24);
  };
  return {i32(18), std::abs(i32(22))};
}

TSize SizeOf(TBitmap& B) {
  return {B.Width(), B.Height()};
}

std::unique_ptr<TQuickIni> DefaultIni() {
  const auto bytes = FileBytes(DefaultSkinFolder() + "/skin.ini");
  return IniFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

class DefaultSkinModel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Data = new TSkinData(nullptr);
    DefaultArchive(*Data->FSkinStream);
    Loaded = Data->LoadSkin();
    Ini = DefaultIni().release();
  }
  static void TearDownTestSuite() {
    delete Data;
    delete Ini;
  }
  void SetUp() override { ASSERT_TRUE(Loaded); }

  static TSkinData* Data;
  static TQuickIni* Ini;
  static bool Loaded;
};
TSkinData* DefaultSkinModel::Data = nullptr;
TQuickIni* DefaultSkinModel::Ini = nullptr;
bool DefaultSkinModel::Loaded = false;

}  // namespace

TEST_F(DefaultSkinModel, BordersTitleAndButtons) {
  EXPECT_FALSE(Data->FNoSkin);
  EXPECT_EQ(Data->SkinName, Ini->ReadString("TitlebarSkin", "SkinName", ""));
  for (int i = 0; i < 4; ++i) {
    const TDataSkinBorder& b = *Data->Borders[static_cast<std::size_t>(i)];
    const String& n = b.Name;
    SCOPED_TRACE(n);
    const int first = Ini->ReadInteger("Personality", n + "TopHeight", 0);
    const int second = Ini->ReadInteger("Personality", n + "BotHeight", 0);
    const bool side = i == sbLeft || i == sbRight;
    EXPECT_EQ(side ? b.Margins.top : b.Margins.left, first);
    EXPECT_EQ(side ? b.Margins.bottom : b.Margins.right, second);
    EXPECT_EQ(side ? b.Margins.left + b.Margins.right : b.Margins.top + b.Margins.bottom, 0);
    EXPECT_EQ(b.FrameCount, Ini->ReadInteger("Personality", n + "Frame", 1));
    EXPECT_EQ(b.Trans, Ini->ReadInteger("Personality", n + "Trans", 1));
    EXPECT_EQ(SizeOf(*b.Bitmap), ImageSize(Ini->ReadString("Personality", n, "")));
  }

  const TDataSkinTitle& t = *Data->Title;
  EXPECT_EQ(SizeOf(*t.Bitmap), ImageSize(Ini->ReadString("Personality", "TextBack", "")));
  EXPECT_EQ(t.Margins.left, Ini->ReadInteger("Personality", "TextShift", 0));
  EXPECT_EQ(t.Margins.right, Ini->ReadInteger("Personality", "TextRightClip", 0));
  EXPECT_EQ(t.TextBackLeft, Ini->ReadInteger("Personality", "TXTBackleft", 0));
  EXPECT_EQ(t.FontHeight, 14);
  EXPECT_EQ(t.ActiveTextColor, RGBToColor(255, 255, 255));
  EXPECT_EQ(t.InactiveTextColor, RGBToColor(88, 96, 110));

  const TDataSkinButton& b = *Data->Button;
  EXPECT_EQ(SizeOf(*b.Bitmap), ImageSize(Ini->ReadString("Buttons", "Bitmap", "")));
  EXPECT_EQ(SizeOf(*b.CheckBitmap), ImageSize(Ini->ReadString("Buttons", "CheckButton", "")));
  EXPECT_EQ(SizeOf(*b.RadioBitmap), ImageSize(Ini->ReadString("Buttons", "RadioButton", "")));
  EXPECT_EQ(b.Margins.left, Ini->ReadInteger("Buttons", "LeftWidth", 0));
  EXPECT_EQ(b.Margins.bottom, Ini->ReadInteger("Buttons", "BottomHeight", 0));
  EXPECT_EQ(b.CheckFrame, Ini->ReadInteger("Buttons", "CheckButtonFrame", 0));
  EXPECT_EQ(b.RadioFrame, Ini->ReadInteger("Buttons", "RadioButtonFrame", 0));
  EXPECT_EQ(b.FrameCount, 5);
  EXPECT_EQ(b.NormalColour2, Data->Colors[csButtonText]);
  EXPECT_EQ(Data->Colors[csButtonText], RGBToColor(30, 35, 45));
}

TEST_F(DefaultSkinModel, CaptionButtonsAndMdiButtons) {
  const int n = Data->GetSectionNum("Button", "ButtonImage");  // only during a load: 0 here
  EXPECT_EQ(n, 0);
  ASSERT_EQ(Data->SysButtons.size(), 6u + 3u);
  POINT maximise{-1, -1};
  for (int i = 0; i < 6; ++i) {
    const String s = "Button" + IntToStr(i);
    SCOPED_TRACE(s);
    const TDataSkinSysButton& b = *Data->SysButtons[static_cast<std::size_t>(i)];
    EXPECT_EQ(b.Name, UpperCase(s));
    EXPECT_EQ(b.Action, Ini->ReadInteger(s, "Action", 0));
    EXPECT_EQ(b.Align, Ini->ReadInteger(s, "Align", 0));
    EXPECT_EQ(b.Visibility, Ini->ReadInteger(s, "Visibility", 0));
    EXPECT_EQ(b.Visibility1, Ini->ReadInteger(s, "Visibility1", 0));
    EXPECT_EQ(b.CombineOp, -1);
    EXPECT_EQ(b.FrameCount, Ini->ReadInteger(s, "frame", 0));
    EXPECT_EQ(SizeOf(*b.Bitmap), ImageSize(Ini->ReadString(s, "ButtonImage", "")));
    if (b.Action == 1 && b.Visibility == 2) maximise = POINT{b.XCoord, b.YCoord};
    const bool help = b.Action == 4;
    EXPECT_EQ(b.XCoord, help ? maximise.x : Ini->ReadInteger(s, "Xcoord", 0));
    EXPECT_EQ(b.YCoord, help ? maximise.y : Ini->ReadInteger(s, "Ycoord", 0));
  }
  const TSize mdi = ImageSize(Ini->ReadString("MDICONTROLS", "Image", ""));
  const int w = mdi.W / 12;
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *Data->SysButtons[static_cast<std::size_t>(6 + i)];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(SizeOf(*b.Bitmap), (TSize{4 * w, mdi.H}));
    EXPECT_EQ(b.XCoord, (3 - i) * (w + 4));
  }
}

TEST_F(DefaultSkinModel, ElementSectionsAndTheirFrameCounts) {
  struct TExpect {
    const char* Section;
    TDataSkinObject* Record;
    int Frames;  // -1: the skin's own "Frame"
    const char* ImageKey = "Image";
  };
  TSkinData& d = *Data;
  const TExpect expected[] = {
      {"Tabs", d.Tab.get(), 5},
      {"Tab.Pane", d.TabPane.get(), 1},
      {"StatusBarEdges", d.StatusBarEdges.get(), 3},
      {"Headerbar", d.Headerbar.get(), -1},
      {"Scrollbar", d.Scrollbar.get(), 23},
      {"HorzScrollThumb", d.HorzScrollThumb.get(), 3},
      {"VertScrollThumb", d.VertScrollThumb.get(), 3},
      {"HorzScroll", d.HorzScroll.get(), 4},
      {"VertScroll", d.VertScroll.get(), 4},
      {"MenuBackground", d.MenuBackground.get(), 1},
      {"MenuItem", d.MenuItem.get(), 5},
      {"ExtraImages", d.ExtraImages.get(), 5},
      {"Trackbar.ThumbDown", d.TrackbarThumbDown.get(), 5},
      {"Trackbar.ThumbHorz", d.TrackbarThumbHorz.get(), 5},
      {"Track", d.Track.get(), -1},
      {"UpDown.Horz", d.UpDownHorz.get(), 8},
      {"UpDown.Vert", d.UpDownVert.get(), 8},
      {"ComboButton", d.ComboButton.get(), 4},
      {"Progress", d.Progress.get(), 2, "Bitmap"},
  };
  for (const TExpect& e : expected) {
    SCOPED_TRACE(e.Section);
    ASSERT_NE(e.Record, nullptr);
    const TDataSkinObject& r = *e.Record;
    EXPECT_EQ(r.Name, e.Section);
    EXPECT_EQ(SizeOf(*r.Bitmap), ImageSize(Ini->ReadString(e.Section, e.ImageKey, "")));
    EXPECT_EQ(r.FrameCount, e.Frames < 0 ? Ini->ReadInteger(e.Section, "Frame", 0) : e.Frames);
    EXPECT_EQ(r.Margins.left, Ini->ReadInteger(e.Section, "LeftWidth", 0));
    EXPECT_EQ(r.Margins.top, Ini->ReadInteger(e.Section, "TopHeight", 0));
    EXPECT_EQ(r.Margins.right, Ini->ReadInteger(e.Section, "RightWidth", 0));
    EXPECT_EQ(r.Margins.bottom, Ini->ReadInteger(e.Section, "BottomHeight", 0));
    EXPECT_EQ(r.Trans, Ini->ReadInteger(e.Section, "Trans", 0));
    EXPECT_EQ(r.Style, Ini->ReadInteger(e.Section, "Style", 0));
    EXPECT_EQ(r.Tile, std::min(1, Ini->ReadInteger(e.Section, "Tile", 0)));
  }
  EXPECT_EQ(SizeOf(*d.Tab->Bitmap2), ImageSize(Ini->ReadString("Tabs", "Border", "")));
  EXPECT_EQ(d.Tab->NormalColour2, RGBToColor(70, 76, 88));
  EXPECT_EQ(d.Tab->PressedColour2, d.Colors[csButtonText]);
  EXPECT_EQ(d.StatusBarEdges->NormalColour2, RGBToColor(60, 66, 78));
  // The mirrored second image of the combo button.
  EXPECT_EQ(SizeOf(*d.ComboButton->Bitmap2), SizeOf(*d.ComboButton->Bitmap));

  // Sections the skin does not have, and the elements built from others.
  EXPECT_FALSE(d.GroupBoxEdge || d.GroupBox || d.ToolBars || d.SunkEdge || d.ProgressChunk || d.MenuBar);
  EXPECT_FALSE(d.TrackbarThumbVert || d.TrackbarThumbLeft || d.TrackbarThumbRight || d.TrackbarThumbUp);
  EXPECT_FALSE(d.MinCaption);  // "MinCaption" in the skin has no effect
  ASSERT_TRUE(d.TrackVert);
  EXPECT_EQ(SizeOf(*d.TrackVert->Bitmap), (TSize{4, 16}));  // the program's own
  ASSERT_TRUE(d.ComboxArrow && d.Toolbar);
  EXPECT_EQ(d.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(SizeOf(*d.ComboxArrow->Bitmap), SizeOf(*d.ComboButton->Bitmap));
  EXPECT_EQ(SizeOf(*d.Toolbar->Bitmap), (TSize{10, 40}));
  EXPECT_EQ(d.Colors[csCaption], d.GetCaptionColor());
}

TEST(SkinDataStore, LoadFromCollectionSwitchesSkins) {
  TFakeManagerScope scope;
  TSkinStore store(nullptr);
  BuildSkinArchive(store.Store()->Add()->Data(), "[TitlebarSkin]\nSkinName=First\n[Headerbar]\nImage=h.bmp\n",
                   {{"h.bmp", SolidBmp(4, 4, 0)}});
  DefaultArchive(store.Store()->Add()->Data());
  store.Store()->Items(1)->Data().SetPosition(5);

  TSkinData data(nullptr);
  data.LoadFromCollection(&store, 0);
  EXPECT_EQ(data.SkinName, "First");
  ASSERT_TRUE(data.Headerbar);
  ASSERT_NE(scope.Manager(), nullptr);  // applied through the manager
  EXPECT_EQ(scope.Manager()->FActionData, &data);

  data.LoadFromCollection(&store, 1);
  EXPECT_EQ(data.SkinName, "Default");
  EXPECT_FALSE(data.FNoSkin);
  EXPECT_EQ(data.FSkinStream->Bytes(), store.Store()->Items(1)->Data().Bytes());
  EXPECT_EQ(store.Store()->Items(1)->Data().Position(), 5);

  for (int bad : {2, -1}) {
    data.LoadFromCollection(&store, bad);
    EXPECT_EQ(data.SkinName, "Default");
    EXPECT_FALSE(data.FNoSkin);
  }
  data.LoadFromCollection(nullptr, 0);
  EXPECT_EQ(data.SkinName, "Default");
}

TEST(SkinDataResources, LoadsAndSwitchesReleaseEveryGdiObject) {
  TMemoryStream full, small;
  DefaultArchive(full);
  BuildSkinArchive(small, "[Personality]\nTop=t.bmp\n[ComboButton]\nImage=t.bmp\n[SunkEdge]\nImage=t.bmp\n",
                   {{"t.bmp", SolidBmp(40, 21, 0x336699)}});
  auto loadBoth = [&](TSkinData& Data) {
    for (TMemoryStream* s : {&full, &small}) {
      Data.FSkinStream->LoadFromStream(*s);
      ASSERT_TRUE(Data.LoadSkin());
      Data.CreateMinCaption();
    }
  };
  {
    TSkinData warm(nullptr);  // first use of fonts, stock objects and the like
    loadBoth(warm);
  }
  const DWORD before = gfxtest::GdiObjects();
  {
    TSkinData data(nullptr);
    loadBoth(data);
    const DWORD loaded = gfxtest::GdiObjects();
    for (int i = 0; i < 10; ++i) loadBoth(data);
    EXPECT_EQ(gfxtest::GdiObjects(), loaded);  // every reload frees what it replaces
  }
  EXPECT_EQ(gfxtest::GdiObjects(), before);
}
