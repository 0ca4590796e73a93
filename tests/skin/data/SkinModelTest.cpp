// The whole skin model of the packed default skin, checked against the skin's own description and
// images; and switching skins from a skin store.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/core/SysUtils.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "tests/skin/data/FakeSkinManager.h"
#include "tests/skin/data/SkinIniText.h"
#include "tests/skin/data/TestSkins.h"
#include "tests/support/Bitmaps.h"
#include "tests/support/SkinnedWindow.h"

namespace {

std::vector<std::uint8_t> FileBytes(const String& Path) {
  std::ifstream In(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

struct TSize {
  int W = 0, H = 0;
  bool operator==(const TSize&) const = default;
};

// Width and height from a BMP file header in the skin folder ({0, 0} for no such file).
TSize ImageSize(const String& Name) {
  String Lower = LowerCase(Name);
  const auto B = FileBytes(DefaultSkinFolder() + "/" + Lower);
  if (B.size() < 26) return {};
  auto I32 = [&](int O) {
    return int(B[O] | B[O + 1] << 8 | B[O + 2] << 16 | std::uint32_t(B[O + 3]) << 24);
  };
  return {I32(18), std::abs(I32(22))};
}

TSize SizeOf(TBitmap& B) {
  return {B.Width(), B.Height()};
}

std::unique_ptr<TQuickIni> DefaultIni() {
  const auto Bytes = FileBytes(DefaultSkinFolder() + "/skin.ini");
  return IniFromText(std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

class DefaultSkinModel : public testsupport::TDefaultSkinSuite {
 protected:
  static void SetUpTestSuite() {
    TDefaultSkinSuite::SetUpTestSuite();
    Ini = DefaultIni().release();
  }
  static void TearDownTestSuite() {
    TDefaultSkinSuite::TearDownTestSuite();
    delete Ini;
    Ini = nullptr;
  }

  static TQuickIni* Ini;
};
TQuickIni* DefaultSkinModel::Ini = nullptr;

}  // namespace

TEST_F(DefaultSkinModel, BordersTitleAndButtons) {
  EXPECT_FALSE(Data->FNoSkin);
  EXPECT_EQ(Data->SkinName, Ini->ReadString("TitlebarSkin", "SkinName", ""));
  for (int I = 0; I < 4; ++I) {
    const TDataSkinBorder& B = *Data->Borders[static_cast<std::size_t>(I)];
    const String& N = B.Name;
    SCOPED_TRACE(N);
    const int First = Ini->ReadInteger("Personality", N + "TopHeight", 0);
    const int Second = Ini->ReadInteger("Personality", N + "BotHeight", 0);
    const bool Side = I == sbLeft || I == sbRight;
    EXPECT_EQ(Side ? B.Margins.top : B.Margins.left, First);
    EXPECT_EQ(Side ? B.Margins.bottom : B.Margins.right, Second);
    EXPECT_EQ(Side ? B.Margins.left + B.Margins.right : B.Margins.top + B.Margins.bottom, 0);
    EXPECT_EQ(B.FrameCount, Ini->ReadInteger("Personality", N + "Frame", 1));
    EXPECT_EQ(B.Trans, Ini->ReadInteger("Personality", N + "Trans", 1));
    EXPECT_EQ(SizeOf(*B.Bitmap), ImageSize(Ini->ReadString("Personality", N, "")));
  }

  const TDataSkinTitle& T = *Data->Title;
  EXPECT_EQ(SizeOf(*T.Bitmap), ImageSize(Ini->ReadString("Personality", "TextBack", "")));
  EXPECT_EQ(T.Margins.left, Ini->ReadInteger("Personality", "TextShift", 0));
  EXPECT_EQ(T.Margins.right, Ini->ReadInteger("Personality", "TextRightClip", 0));
  EXPECT_EQ(T.TextBackLeft, Ini->ReadInteger("Personality", "TXTBackleft", 0));
  EXPECT_EQ(T.FontHeight, 14);
  EXPECT_EQ(T.ActiveTextColor, RGBToColor(255, 255, 255));
  EXPECT_EQ(T.InactiveTextColor, RGBToColor(88, 96, 110));

  const TDataSkinButton& B = *Data->Button;
  EXPECT_EQ(SizeOf(*B.Bitmap), ImageSize(Ini->ReadString("Buttons", "Bitmap", "")));
  EXPECT_EQ(SizeOf(*B.CheckBitmap), ImageSize(Ini->ReadString("Buttons", "CheckButton", "")));
  EXPECT_EQ(SizeOf(*B.RadioBitmap), ImageSize(Ini->ReadString("Buttons", "RadioButton", "")));
  EXPECT_EQ(B.Margins.left, Ini->ReadInteger("Buttons", "LeftWidth", 0));
  EXPECT_EQ(B.Margins.bottom, Ini->ReadInteger("Buttons", "BottomHeight", 0));
  EXPECT_EQ(B.CheckFrame, Ini->ReadInteger("Buttons", "CheckButtonFrame", 0));
  EXPECT_EQ(B.RadioFrame, Ini->ReadInteger("Buttons", "RadioButtonFrame", 0));
  EXPECT_EQ(B.FrameCount, 5);
  EXPECT_EQ(B.NormalColour2, Data->Colors[csButtonText]);
  EXPECT_EQ(Data->Colors[csButtonText], RGBToColor(30, 35, 45));
}

TEST_F(DefaultSkinModel, CaptionButtonsAndMdiButtons) {
  const int N = Data->GetSectionNum("Button", "ButtonImage");  // only during a load: 0 here
  EXPECT_EQ(N, 0);
  ASSERT_EQ(Data->SysButtons.size(), 6u + 3u);
  POINT Maximise{-1, -1};
  for (int I = 0; I < 6; ++I) {
    const String S = "Button" + IntToStr(I);
    SCOPED_TRACE(S);
    const TDataSkinSysButton& B = *Data->SysButtons[static_cast<std::size_t>(I)];
    EXPECT_EQ(B.Name, UpperCase(S));
    EXPECT_EQ(B.Action, Ini->ReadInteger(S, "Action", 0));
    EXPECT_EQ(B.Align, Ini->ReadInteger(S, "Align", 0));
    EXPECT_EQ(B.Visibility, Ini->ReadInteger(S, "Visibility", 0));
    EXPECT_EQ(B.Visibility1, Ini->ReadInteger(S, "Visibility1", 0));
    EXPECT_EQ(B.CombineOp, -1);
    EXPECT_EQ(B.FrameCount, Ini->ReadInteger(S, "frame", 0));
    EXPECT_EQ(SizeOf(*B.Bitmap), ImageSize(Ini->ReadString(S, "ButtonImage", "")));
    if (B.Action == 1 && B.Visibility == 2) Maximise = POINT{B.XCoord, B.YCoord};
    const bool Help = B.Action == 4;
    EXPECT_EQ(B.XCoord, Help ? Maximise.x : Ini->ReadInteger(S, "Xcoord", 0));
    EXPECT_EQ(B.YCoord, Help ? Maximise.y : Ini->ReadInteger(S, "Ycoord", 0));
  }
  const TSize Mdi = ImageSize(Ini->ReadString("MDICONTROLS", "Image", ""));
  const int FrameW = Mdi.W / 12;
  for (int I = 0; I < 3; ++I) {
    const TDataSkinSysButton& B = *Data->SysButtons[static_cast<std::size_t>(6 + I)];
    EXPECT_EQ(B.Action, 7 + I);
    EXPECT_EQ(SizeOf(*B.Bitmap), (TSize{4 * FrameW, Mdi.H}));
    EXPECT_EQ(B.XCoord, (3 - I) * (FrameW + 4));
  }
}

TEST_F(DefaultSkinModel, ElementSectionsAndTheirFrameCounts) {
  struct TExpect {
    const char* Section;
    TDataSkinObject* Record;
    int Frames;  // -1: the skin's own "Frame"
    const char* ImageKey = "Image";
  };
  TSkinData& D = *Data;
  const TExpect Expected[] = {
      {"Tabs", D.Tab.get(), 5},
      {"Tab.Pane", D.TabPane.get(), 1},
      {"StatusBarEdges", D.StatusBarEdges.get(), 3},
      {"Headerbar", D.Headerbar.get(), -1},
      {"Scrollbar", D.Scrollbar.get(), 23},
      {"HorzScrollThumb", D.HorzScrollThumb.get(), 3},
      {"VertScrollThumb", D.VertScrollThumb.get(), 3},
      {"HorzScroll", D.HorzScroll.get(), 4},
      {"VertScroll", D.VertScroll.get(), 4},
      {"MenuBackground", D.MenuBackground.get(), 1},
      {"MenuItem", D.MenuItem.get(), 5},
      {"ExtraImages", D.ExtraImages.get(), 5},
      {"Trackbar.ThumbDown", D.TrackbarThumbDown.get(), 5},
      {"Trackbar.ThumbHorz", D.TrackbarThumbHorz.get(), 5},
      {"Track", D.Track.get(), -1},
      {"UpDown.Horz", D.UpDownHorz.get(), 8},
      {"UpDown.Vert", D.UpDownVert.get(), 8},
      {"ComboButton", D.ComboButton.get(), 4},
      {"Progress", D.Progress.get(), 2, "Bitmap"},
  };
  for (const TExpect& E : Expected) {
    SCOPED_TRACE(E.Section);
    ASSERT_NE(E.Record, nullptr);
    const TDataSkinObject& R = *E.Record;
    EXPECT_EQ(R.Name, E.Section);
    EXPECT_EQ(SizeOf(*R.Bitmap), ImageSize(Ini->ReadString(E.Section, E.ImageKey, "")));
    EXPECT_EQ(R.FrameCount, E.Frames < 0 ? Ini->ReadInteger(E.Section, "Frame", 0) : E.Frames);
    EXPECT_EQ(R.Margins.left, Ini->ReadInteger(E.Section, "LeftWidth", 0));
    EXPECT_EQ(R.Margins.top, Ini->ReadInteger(E.Section, "TopHeight", 0));
    EXPECT_EQ(R.Margins.right, Ini->ReadInteger(E.Section, "RightWidth", 0));
    EXPECT_EQ(R.Margins.bottom, Ini->ReadInteger(E.Section, "BottomHeight", 0));
    EXPECT_EQ(R.Trans, Ini->ReadInteger(E.Section, "Trans", 0));
    EXPECT_EQ(R.Style, Ini->ReadInteger(E.Section, "Style", 0));
    EXPECT_EQ(R.Tile, std::min(1, Ini->ReadInteger(E.Section, "Tile", 0)));
  }
  EXPECT_EQ(SizeOf(*D.Tab->Bitmap2), ImageSize(Ini->ReadString("Tabs", "Border", "")));
  EXPECT_EQ(D.Tab->NormalColour2, RGBToColor(70, 76, 88));
  EXPECT_EQ(D.Tab->PressedColour2, D.Colors[csButtonText]);
  EXPECT_EQ(D.StatusBarEdges->NormalColour2, RGBToColor(60, 66, 78));
  // The mirrored second image of the combo button.
  EXPECT_EQ(SizeOf(*D.ComboButton->Bitmap2), SizeOf(*D.ComboButton->Bitmap));

  // Sections the skin does not have, and the elements built from others.
  EXPECT_FALSE(D.GroupBoxEdge || D.GroupBox || D.ToolBars || D.SunkEdge || D.ProgressChunk || D.MenuBar);
  EXPECT_FALSE(D.TrackbarThumbVert || D.TrackbarThumbLeft || D.TrackbarThumbRight || D.TrackbarThumbUp);
  EXPECT_FALSE(D.MinCaption);  // "MinCaption" in the skin has no effect
  ASSERT_TRUE(D.TrackVert);
  EXPECT_EQ(SizeOf(*D.TrackVert->Bitmap), (TSize{4, 16}));  // the program's own
  ASSERT_TRUE(D.ComboxArrow && D.Toolbar);
  EXPECT_EQ(D.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(SizeOf(*D.ComboxArrow->Bitmap), SizeOf(*D.ComboButton->Bitmap));
  EXPECT_EQ(SizeOf(*D.Toolbar->Bitmap), (TSize{10, 40}));
  EXPECT_EQ(D.Colors[csCaption], D.GetCaptionColor());
}

TEST(SkinDataStore, LoadFromCollectionSwitchesSkins) {
  TFakeManagerScope Scope;
  TSkinStore Collection(nullptr);
  BuildSkinArchive(Collection.Store()->Add()->Data(),
                   "[TitlebarSkin]\nSkinName=First\n[Headerbar]\nImage=h.bmp\n",
                   {{"h.bmp", SolidBmp(4, 4, 0)}});
  testsupport::DefaultSkinArchive(Collection.Store()->Add()->Data());
  Collection.Store()->Items(1)->Data().SetPosition(5);

  TSkinData Skin(nullptr);
  Skin.LoadFromCollection(&Collection, 0);
  EXPECT_EQ(Skin.SkinName, "First");
  ASSERT_TRUE(Skin.Headerbar);
  ASSERT_NE(Scope.Manager(), nullptr);  // applied through the manager
  EXPECT_EQ(Scope.Manager()->FActionData, &Skin);

  Skin.LoadFromCollection(&Collection, 1);
  EXPECT_EQ(Skin.SkinName, "Default");
  EXPECT_FALSE(Skin.FNoSkin);
  EXPECT_EQ(Skin.FSkinStream->Bytes(), Collection.Store()->Items(1)->Data().Bytes());
  EXPECT_EQ(Collection.Store()->Items(1)->Data().Position(), 5);

  for (int Bad : {2, -1}) {
    Skin.LoadFromCollection(&Collection, Bad);
    EXPECT_EQ(Skin.SkinName, "Default");
    EXPECT_FALSE(Skin.FNoSkin);
  }
  Skin.LoadFromCollection(nullptr, 0);
  EXPECT_EQ(Skin.SkinName, "Default");
}

TEST(SkinDataResources, LoadsAndSwitchesReleaseEveryGdiObject) {
  TMemoryStream Whole, Small;
  testsupport::DefaultSkinArchive(Whole);
  BuildSkinArchive(Small, "[Personality]\nTop=t.bmp\n[ComboButton]\nImage=t.bmp\n[SunkEdge]\nImage=t.bmp\n",
                   {{"t.bmp", SolidBmp(40, 21, 0x336699)}});
  auto LoadBoth = [&](TSkinData& Data) {
    for (TMemoryStream* S : {&Whole, &Small}) {
      Data.FSkinStream->LoadFromStream(*S);
      ASSERT_TRUE(Data.LoadSkin());
      Data.CreateMinCaption();
    }
  };
  {
    TSkinData Warm(nullptr);  // first use of fonts, stock objects and the like
    LoadBoth(Warm);
  }
  const DWORD Before = gfxtest::GdiObjects();
  {
    TSkinData Skin(nullptr);
    LoadBoth(Skin);
    const DWORD Loaded = gfxtest::GdiObjects();
    for (int I = 0; I < 10; ++I) LoadBoth(Skin);
    EXPECT_EQ(gfxtest::GdiObjects(), Loaded);  // every reload frees what it replaces
  }
  EXPECT_EQ(gfxtest::GdiObjects(), Before);
}
