// The element records of a loaded skin: the readers' keys and corrections, the caption buttons, the
// fixed frame counts and the elements built after reading, on real GDI bitmaps.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/bmp/Bmp.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/ColorMath.h"
#include "tests/skin/data/TestSkins.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

// A 24-bit strip of Colors.size() frames, each FrameW x H in one colour (0x00RRGGBB).
std::vector<std::uint8_t> StripBmp(int FrameW, int H, const std::vector<std::uint32_t>& Colors) {
  bmp::Image Picture;
  const int W = FrameW * static_cast<int>(Colors.size());
  Picture.Allocate(W, H, 24);
  for (int Y = 0; Y < H; ++Y) {
    std::uint8_t* RowBytes = Picture.Row(Y);
    for (int X = 0; X < W; ++X) {
      const std::uint32_t C = Colors[static_cast<std::size_t>(X / FrameW)];
      RowBytes[3 * X] = static_cast<std::uint8_t>(C);
      RowBytes[3 * X + 1] = static_cast<std::uint8_t>(C >> 8);
      RowBytes[3 * X + 2] = static_cast<std::uint8_t>(C >> 16);
    }
  }
  return bmp::Encode(Picture);
}

void Load(TSkinData& Data, const String& Ini, const TSkinFiles& Files = {}) {
  BuildSkinArchive(*Data.FSkinStream, Ini, Files);
  ASSERT_TRUE(Data.LoadSkin());
}

TColor PixelAt(TBitmap& B, int X, int Y) {
  return B.Canvas()->Pixel(X, Y);
}

// 0x00RRGGBB as the framework's colour (red in the low byte).
TColor FromRgb(std::uint32_t Rgb) {
  return RGBToColor(static_cast<std::uint8_t>(Rgb >> 16), static_cast<std::uint8_t>(Rgb >> 8),
                    static_cast<std::uint8_t>(Rgb));
}

}  // namespace

namespace {

// One field of a loaded skin's records and the value it must have. A required row (an element that
// must be there) ends its case when it fails, as the fields after it could not be read.
struct TField {
  const char* Name;
  std::function<long long(const TSkinData&)> Get;
  long long Expected;
  bool Required = false;
};
#define FIELD(Expr, Expected)                                                        \
  TField {                                                                           \
#Expr, [](const TSkinData& D) { return static_cast<long long>(Expr); }, Expected \
  }
#define PRESENT(Expr)                                                                            \
  TField {                                                                                       \
#Expr, [](const TSkinData& D) { return static_cast<long long>((Expr) != nullptr); }, 1, true \
  }

// A skin loaded into the same skin data, and what its records then hold.
struct TLoad {
  String Ini;
  TSkinFiles Files;
  std::vector<TField> Fields;
};
struct TFieldCase {
  const char* Name;
  std::vector<TLoad> Loads;
};

// The caption button at Index, made by the skin (MDI buttons) without a section of its own.
std::vector<TField> MdiButtonFields(std::size_t Index, int Action) {
  auto Of = [Index](const TSkinData& D) -> const TDataSkinSysButton& { return *D.SysButtons.at(Index); };
  return {{"Action", [Of](const TSkinData& D) { return Of(D).Action; }, Action},
          {"Align", [Of](const TSkinData& D) { return Of(D).Align; }, 100},
          {"Visibility", [Of](const TSkinData& D) { return Of(D).Visibility; }, 100},
          {"Visibility1", [Of](const TSkinData& D) { return Of(D).Visibility1; }, 100},
          {"FrameCount", [Of](const TSkinData& D) { return Of(D).FrameCount; }, 4},
          {"XCoord", [Of](const TSkinData& D) { return Of(D).XCoord; }, 0},
          {"Bitmap empty (no MDICONTROLS)", [Of](const TSkinData& D) { return Of(D).Bitmap->Empty(); }, 1}};
}

std::vector<TField> Join(std::vector<TField> A, const std::vector<std::vector<TField>>& More) {
  for (const auto& M : More) A.insert(A.end(), M.begin(), M.end());
  return A;
}

// Every element section with a fixed frame count, each given Frame=9.
String FixedFrameIni() {
  String Ini = "[Personality]\nmenuBar=e.bmp\nTopFrame=7\n[Progress]\nBitmap=e.bmp\n";
  for (const char* Section : {"GroupBoxEdge",
                              "GroupBox",
                              "Tabs",
                              "StatusBarEdges",
                              "Tab.Pane",
                              "ToolBars",
                              "ComboButton",
                              "SunkEdge",
                              "ExtraImages",
                              "Headerbar",
                              "MenuItem",
                              "MenuBackground",
                              "Scrollbar",
                              "HorzScroll",
                              "VertScroll",
                              "HorzScrollThumb",
                              "VertScrollThumb",
                              "Trackbar.ThumbHorz",
                              "Trackbar.ThumbVert",
                              "Trackbar.ThumbLeft",
                              "Trackbar.ThumbRight",
                              "Trackbar.ThumbUp",
                              "Trackbar.ThumbDown",
                              "UpDown.Horz",
                              "UpDown.Vert",
                              "Track",
                              "TRACKVERT",
                              "Progress.Chunk"})
    Ini += String("[") + Section + "]\nImage=e.bmp\nFrame=9\n";
  return Ini + "[VertScrollThumb]\nFrameCount=2\n";  // a second section of the same name is not looked at
}

std::vector<TFieldCase> FieldCases() {
  return {
      {"ObjectKeysDefaultsAndTileCorrections",
       {{"[Colours]\nButtonText=1 2 3\n"
         "[StatusBarEdges]\nImage=\nLeftWidth=4\nFrame=3\n"
         "[Headerbar]\nImage=h.bmp\nStyle=7\nLeftWidth=1\nRightWidth=2\nTopHeight=3\nBottomHeight=0x10\n"
         "Frame=0\nTrans=1\nTile=5\nNormalColour=0xFF\nNormalColour2=9 8 7\n"
         "[Tabs]\nImage=h.bmp\nBorder=b.bmp\nFrame=9\nTile=1\n"
         "[Tab.Pane]\nImage=h.bmp\nLeftWidth=6\nTopHeight=6\nRightWidth=3\nBottomHeight=-2\n"
         "[Progress]\nBitmap=h.bmp\nTile=5\nStyle=1\nNormalColour=4\n"
         "[Progress.Chunk]\nImage=h.bmp\nFrame=7\n"
         "[GroupBox]\nImage=h.bmp\nFrame=9\nTile=2\nBackgroundAlignment=1\nBackgroundLeftShift=-3\n"
         "BackgroundRightShift=5\n"
         "[Personality]\nmenuBar=h.bmp\nTileMenu=5\nTileLeftMenu=0\nLeftStretch=5\n",
         {{"h.bmp", SolidBmp(20, 10, 0x00FF00)}, {"b.bmp", SolidBmp(3, 2, 0)}},
         {FIELD(D.StatusBarEdges != nullptr, 0),  // an empty image value makes the element absent
          PRESENT(D.Headerbar),
          FIELD(D.Headerbar->Name == "Headerbar", 1),
          FIELD(D.Headerbar->Bitmap->Width(), 20),
          FIELD(D.Headerbar->Style, 7),
          FIELD(D.Headerbar->Margins.left, 1),
          FIELD(D.Headerbar->Margins.right, 2),
          FIELD(D.Headerbar->Margins.top, 3),
          FIELD(D.Headerbar->Margins.bottom, 16),
          FIELD(D.Headerbar->FrameCount, 5),  // the skin gave 0
          FIELD(D.Headerbar->Trans, 1),
          FIELD(D.Headerbar->Tile, 0),  // 5 read as 0
          FIELD(D.Headerbar->NormalColour, 255),
          FIELD(D.Headerbar->MouseOverColour, -1),
          FIELD(D.Headerbar->PressedColour, -1),
          FIELD(D.Headerbar->NormalColour2, 0x070809),
          FIELD(D.Headerbar->MouseOverColour2, 0x030201),  // the scheme's button text
          FIELD(D.Headerbar->PressedColour2, 0x030201),
          PRESENT(D.Tab),
          FIELD(D.Tab->Bitmap2->Width(), 3),
          FIELD(D.Tab->FrameCount, 5),
          FIELD(D.Tab->Tile, 1),
          PRESENT(D.TabPane),
          FIELD(D.TabPane->Margins.left, 4),
          FIELD(D.TabPane->Margins.top, 4),
          FIELD(D.TabPane->Margins.right, 3),
          FIELD(D.TabPane->Margins.bottom, -2),
          PRESENT(D.Progress),
          FIELD(dynamic_cast<TDataSkinBorder*>(D.Progress.get()) != nullptr, 1),
          FIELD(D.Progress->Tile, 1),          // 5 read as 1 here
          FIELD(D.Progress->FrameCount, 1),    // style 1
          FIELD(D.Progress->NormalColour, 0),  // not read for the progress bar
          PRESENT(D.ProgressChunk),
          FIELD(D.ProgressChunk->FrameCount, 7),  // keeps the skin's count
          PRESENT(D.GroupBox),
          FIELD(D.GroupBox->Tile, 0),
          FIELD(D.GroupBox->FrameCount, 1),
          FIELD(D.GroupBox->BackgroundAlignment, 1),
          FIELD(D.GroupBox->BackgroundLeftShift, -3),
          FIELD(D.GroupBox->BackgroundRightShift, 5),
          PRESENT(D.MenuBar),
          FIELD(D.MenuBar->Tile, 1),  // 5 read as 1
          FIELD(D.MenuBar->Margins.left, 0),
          FIELD(D.MenuBar->Margins.right, 1),
          FIELD(D.MenuBar->Margins.top, 0),
          FIELD(D.MenuBar->FrameCount, 2),
          FIELD(D.Borders[sbLeft]->Tile, 1),  // "LeftStretch" 5 read as 1
          FIELD(D.GroupBoxEdge || D.ToolBars || D.Scrollbar || D.SunkEdge, 0)}}}},
      {"ALoadReplacesEveryRecordAndRefillsTheFixedOnes",
       {{"[Headerbar]\nImage=h.bmp\n[ComboButton]\nImage=h.bmp\n[Progress]\nBitmap=h.bmp\n"
         "[Buttons]\nBitmap=h.bmp\nCheckButton=h.bmp\n[Personality]\nTextBack=h.bmp\nmenuBar=h.bmp\n"
         "[Track]\nImage=h.bmp\nFrame=2\n",
         {{"h.bmp", SolidBmp(8, 8, 0x123456)}},
         {FIELD(D.Headerbar && D.ComboButton && D.Progress && D.MenuBar, 1),
          FIELD(D.Track->Bitmap->Width(), 8), FIELD(D.ComboxArrow->Bitmap->Empty(), 0)}},
        {"[Colours]\nButtonFace=1 1 1\n",
         {},
         {FIELD(D.Headerbar || D.ComboButton || D.Progress || D.MenuBar, 0),
          FIELD(D.Button->Bitmap->Empty(), 1), FIELD(D.Button->CheckBitmap->Empty(), 1),
          FIELD(D.Title->Bitmap->Empty(), 1),
          FIELD(D.Track->Bitmap->Width(), 16),           // back to the program's own track
          FIELD(D.ComboxArrow->Bitmap->Empty(), 1)}}}},  // not the previous skin's arrows
      {"TitleAndItsTextColours",
       {{"[Personality]\nTextBack=t.bmp\nTextShift=20\nTextShiftVert=2\nTextRightClip=93\nTextAlignment=1\n"
         "Textbackground=1\nTXTBackleft=8\nTXTBackRight=9\nActiveTextR=261\nActiveTextG=0\nActiveTextB=7\n"
         "InActiveTextR=1\nInActiveTextG=2\n",
         {{"t.bmp", SolidBmp(6, 4, 0)}},
         {FIELD(D.Title->Bitmap->Width(), 6), FIELD(D.Title->Margins.left, 20),
          FIELD(D.Title->Margins.top, 2), FIELD(D.Title->Margins.right, 93),
          FIELD(D.Title->Margins.bottom, 0), FIELD(D.Title->TextAlignment, 1),
          FIELD(D.Title->TextBackground, 1), FIELD(D.Title->FontHeight, 14), FIELD(D.Title->TextBackLeft, 8),
          FIELD(D.Title->TextBackRight, 9), FIELD(D.Title->FrameCount, 2),
          FIELD(D.Title->ActiveTextColor, 0x070005),                 // each value cut to its low byte
          FIELD(D.Title->InactiveTextColor, kTitleColorNotGiven)}},  // blue missing
        {"[Fonts]\nFontHeight=18\n",
         {},
         {FIELD(D.Title->FontHeight, 18), FIELD(D.Title->ActiveTextColor, kTitleColorNotGiven),
          FIELD(D.Title->Bitmap->Empty(), 1)}}}},
      {"ButtonsAndTheirGlyphStrips",
       {{"[Colours]\nButtonText=4 5 6\n"
         "[Buttons]\nBitmap=b.bmp\nLeftWidth=5\nTopHeight=6\nTrans=1\nTile=3\nFrame=9\nStyle=4\n"
         "CheckButton=c.bmp\nRadioButton=r.bmp\nPressedColour=12\nMouseOverColour2=1 1 1\nNormalColour2=\n",
         {{"b.bmp", SolidBmp(100, 20, 0)}, {"c.bmp", SolidBmp(156, 13, 0)}, {"r.bmp", SolidBmp(40, 16, 0)}},
         {FIELD(D.Button->Bitmap->Width(), 100), FIELD(D.Button->Margins.left, 5),
          FIELD(D.Button->Margins.top, 6), FIELD(D.Button->Trans, 1), FIELD(D.Button->Tile, 0),
          FIELD(D.Button->Style, 0),        // not read
          FIELD(D.Button->FrameCount, 5),   // always
          FIELD(D.Button->CheckFrame, 12),  // 156 / 13
          FIELD(D.Button->RadioFrame, 4),   // 40 / 16 = 2, raised to the minimum
          FIELD(D.Button->NormalColour, -1), FIELD(D.Button->PressedColour, 12),
          FIELD(D.Button->HasNormalColour2, 0), FIELD(D.Button->HasMouseOverColour2, 1),
          FIELD(D.Button->HasPressedColour2, 0), FIELD(D.Button->NormalColour2, 0x060504),
          FIELD(D.Button->MouseOverColour2, 0x010101)}},
        {"[Buttons]\nCheckButton=c.bmp\nCheckButtonFrame=3\n",
         {{"c.bmp", SolidBmp(156, 13, 0)}},
         {FIELD(D.Button->CheckFrame, 3),      // the skin's own count is kept
          FIELD(D.Button->RadioFrame, 4)}}}},  // no strip at all
      {"CaptionButtonSectionsThatCountAndTheirOrder",
       {{"[Button]\nAction=0\n[Buttons]\nBitmap=x.bmp\n[Button.Radio]\n[Button.CheckBox]\n"
         "[ButtonA]\nAction=-1\nVisibility=0\n"  // kept: it says when to show
         "[ButtonB]\nAction=-1\n"                // dropped: no Visibility
         "[ButtonC]\nAction=-1\nVisibility=3\n"  // dropped
         "[buttonD]\nAction=2\nAlign=1\nXcoord=5\nYcoord=6\nVisibility=7\nVisibility1=8\nCombineOp=1\n"
         "[MyButton]\nAction=0\n",
         {},
         Join({FIELD(D.SysButtons.size(), 5), FIELD(D.SysButtons[0]->Name == "BUTTONA", 1),
               FIELD(D.SysButtons[0]->Action, -1), FIELD(D.SysButtons[0]->Visibility1, -1),
               FIELD(D.SysButtons[0]->CombineOp, -1), FIELD(D.SysButtons[0]->FrameCount, 6),  // no image
               FIELD(D.SysButtons[1]->Name == "BUTTOND", 1), FIELD(D.SysButtons[1]->Align, 1),
               FIELD(D.SysButtons[1]->XCoord, 5), FIELD(D.SysButtons[1]->YCoord, 6),
               FIELD(D.SysButtons[1]->Visibility, 7), FIELD(D.SysButtons[1]->Visibility1, 8),
               FIELD(D.SysButtons[1]->CombineOp, 1)},
              {MdiButtonFields(2, 7), MdiButtonFields(3, 8), MdiButtonFields(4, 9)})},
        {"", {}, {FIELD(D.SysButtons.size(), 3)}}}},  // rebuilt, the MDI buttons alone
      {"CaptionButtonFrameCountsFromTheImageRatio",
       {{"[Button0]\nAction=0\nButtonImage=wide.bmp\n"
         "[Button1]\nAction=0\nButtonImage=narrow.bmp\n"
         "[Button2]\nAction=-1\nVisibility=0\nButtonImage=narrow.bmp\n"
         "[Button3]\nAction=3\nButtonImage=narrow.bmp\n"
         "[Button4]\nAction=11\nButtonImage=wide.bmp\nframe=2\n"
         "[Button5]\nAction=0\nButtonImage=edge.bmp\n",
         {{"wide.bmp", SolidBmp(282, 20, 0)},
          {"narrow.bmp", SolidBmp(60, 20, 0)},
          {"edge.bmp", SolidBmp(77, 20, 0)}},
         {FIELD(D.SysButtons.size(), 9), FIELD(D.SysButtons[0]->FrameCount, 6),  // 14.1
          FIELD(D.SysButtons[1]->FrameCount, 3),                                 // 3.0
          FIELD(D.SysButtons[2]->FrameCount, 6),                                 // negative action
          FIELD(D.SysButtons[3]->FrameCount, 3),
          FIELD(D.SysButtons[3]->Bitmap->Empty(), 1),  // the icon button draws the window's icon
          FIELD(D.SysButtons[4]->FrameCount, 2),       // given: used as it is, image kept
          FIELD(D.SysButtons[4]->Bitmap->Width(), 282),
          FIELD(D.SysButtons[5]->FrameCount, 6),  // 3.85 is above 3.8
          FIELD(D.SysButtons[1]->Bitmap->Width(), 60)}}}},
      {"HelpButtonTakesThePositionOfMaximise",
       {{"[Button0]\nAction=4\nXcoord=1\nYcoord=2\n"  // before any maximise button: its own
         "[Button1]\nAction=1\nVisibility=1\nXcoord=50\nYcoord=50\n"
         "[Button2]\nAction=1\nVisibility=2\nXcoord=61\nYcoord=5\n"
         "[Button3]\nAction=4\nXcoord=99\nYcoord=98\n",
         {},
         {FIELD(D.SysButtons.size(), 7), FIELD(D.SysButtons[0]->XCoord, 1), FIELD(D.SysButtons[0]->YCoord, 2),
          FIELD(D.SysButtons[3]->XCoord, 61), FIELD(D.SysButtons[3]->YCoord, 5)}},
        {"[Button0]\nAction=4\nXcoord=9\nYcoord=8\n", {}, {FIELD(D.SysButtons[0]->XCoord, 9)}}}},  // per load
      {"FixedFrameCounts",
       {{FixedFrameIni(),
         {{"e.bmp", SolidBmp(40, 12, 0)}},
         {FIELD(D.Title->FrameCount, 2),
          FIELD(D.Progress->FrameCount, 2),
          FIELD(D.MenuBar->FrameCount, 2),
          FIELD(D.GroupBoxEdge->FrameCount, 2),
          FIELD(D.Toolbar->FrameCount, 1),
          FIELD(D.TabPane->FrameCount, 1),
          FIELD(D.GroupBox->FrameCount, 1),
          FIELD(D.MenuBackground->FrameCount, 1),
          FIELD(D.ToolBars->FrameCount, 5),
          FIELD(D.Tab->FrameCount, 5),
          FIELD(D.ExtraImages->FrameCount, 5),
          FIELD(D.MenuItem->FrameCount, 5),
          FIELD(D.Headerbar->FrameCount, 9),  // given, kept
          FIELD(D.StatusBarEdges->FrameCount, 3),
          FIELD(D.ComboButton->FrameCount, 4),
          FIELD(D.SunkEdge->FrameCount, 4),
          FIELD(D.HorzScroll->FrameCount, 4),
          FIELD(D.VertScroll->FrameCount, 4),
          FIELD(D.Scrollbar->FrameCount, 23),
          FIELD(D.UpDownHorz->FrameCount, 8),
          FIELD(D.UpDownVert->FrameCount, 8),
          FIELD(D.TrackbarThumbHorz->FrameCount, 5),
          FIELD(D.TrackbarThumbVert->FrameCount, 5),
          FIELD(D.TrackbarThumbLeft->FrameCount, 5),
          FIELD(D.TrackbarThumbRight->FrameCount, 5),
          FIELD(D.TrackbarThumbUp->FrameCount, 5),
          FIELD(D.TrackbarThumbDown->FrameCount, 5),
          FIELD(D.HorzScrollThumb->FrameCount, 3),
          FIELD(D.VertScrollThumb->FrameCount, 3),
          FIELD(D.Track->FrameCount, 9),
          FIELD(D.TrackVert->FrameCount, 9),
          FIELD(D.ProgressChunk->FrameCount, 9),
          FIELD(D.Borders[sbTop]->FrameCount, 7)}},
        {"[HorzScrollThumb]\nImage=e.bmp\nFrameCount=2\nFrame=9\n",
         {{"e.bmp", SolidBmp(4, 4, 0)}},
         {FIELD(D.HorzScrollThumb->FrameCount, 2)}}}},
  };
}

}  // namespace

class SkinElementFields : public ::testing::TestWithParam<TFieldCase> {};

// Each load of a case goes into the same skin data; its rows are checked after it.
TEST_P(SkinElementFields, AsReadFromTheSkin) {
  TSkinData Data(nullptr);
  int LoadIndex = 0;
  for (const TLoad& L : GetParam().Loads) {
    ++LoadIndex;
    Load(Data, L.Ini, L.Files);
    for (const TField& F : L.Fields) {
      const long long Actual = F.Get(Data);
      if (F.Required) {
        ASSERT_EQ(Actual, F.Expected) << "load " << LoadIndex << ": " << F.Name;
      } else {
        EXPECT_EQ(Actual, F.Expected) << "load " << LoadIndex << ": " << F.Name;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SkinElementFields, ::testing::ValuesIn(FieldCases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Records the skin data keeps for the program (buttons, title, track) are refilled, not replaced.
TEST(SkinElementReaders, ALoadRefillsTheFixedRecordsInPlace) {
  TSkinData Data(nullptr);
  Load(Data, "[Buttons]\nBitmap=h.bmp\n", {{"h.bmp", SolidBmp(8, 8, 0x123456)}});
  const TDataSkinButton* Before = Data.Button.get();
  Load(Data, "[Colours]\nButtonFace=1 1 1\n");
  EXPECT_EQ(Data.Button.get(), Before);
}

TEST(SkinCaptionButtons, MdiButtonsAreCutFromTwelveFrames) {
  std::vector<std::uint32_t> Frames;
  for (std::uint32_t I = 0; I < 12; ++I) Frames.push_back(0x100000 * (I + 1) + I);
  TSkinData Data(nullptr);
  Load(Data, "[Button0]\nAction=0\n[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", StripBmp(13, 13, Frames)}});
  ASSERT_EQ(Data.SysButtons.size(), 4u);
  const int Xs[] = {51, 34, 17};
  for (int I = 0; I < 3; ++I) {
    TDataSkinSysButton& B = *Data.SysButtons[static_cast<std::size_t>(1 + I)];
    ASSERT_EQ(B.Bitmap->Width(), 52);
    ASSERT_EQ(B.Bitmap->Height(), 13);
    EXPECT_EQ(B.XCoord, Xs[I]);
    for (int F = 0; F < 4; ++F)
      EXPECT_EQ(PixelAt(*B.Bitmap, 13 * F + 6, 6), FromRgb(Frames[static_cast<std::size_t>(4 * I + F)]))
          << "button " << I << " frame " << F;
  }
  EXPECT_TRUE(Data.SysButtons[0]->Bitmap->Empty());

  Load(Data, "[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", SolidBmp(5, 4, 0)}});  // narrower than 12
  ASSERT_EQ(Data.SysButtons.size(), 3u);
  EXPECT_TRUE(Data.SysButtons[0]->Bitmap->Empty());
  EXPECT_EQ(Data.SysButtons[0]->XCoord, 12);
}

TEST(SkinBuiltTrack, ProgramResourcesAsDrawn) {
  TSkinData Data(nullptr);
  Load(Data, "");
  const TColor W = 0xFFFFFF, S = 0xC0C0C0, G = 0x808080;
  ASSERT_TRUE(Data.Track && Data.TrackVert);
  EXPECT_EQ(Data.Track->Name, "TRACK");
  EXPECT_EQ(Data.Track->FrameCount, 1);
  EXPECT_EQ(Data.Track->Tile, 0);
  EXPECT_EQ(Data.TrackVert->Margins.bottom, 3);
  const char* const Rows[] = {"1122222222222200", "1100000000000000", "2100000000000000", "1100000000000000"};
  auto Colour = [&](char C) { return C == '0' ? W : C == '1' ? S : G; };
  TBitmap& Horz = *Data.Track->Bitmap;
  ASSERT_EQ(Horz.Width(), 16);
  ASSERT_EQ(Horz.Height(), 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 16; ++X) EXPECT_EQ(PixelAt(Horz, X, Y), Colour(Rows[Y][X])) << X << "," << Y;
  TBitmap& Vert = *Data.TrackVert->Bitmap;
  ASSERT_EQ(Vert.Width(), 4);
  ASSERT_EQ(Vert.Height(), 16);
  for (int Y = 0; Y < 16; ++Y) {
    const char* Row = Y == 0 ? "1121" : Y == 1 ? "1111" : Y < 14 ? "2000" : "0000";
    for (int X = 0; X < 4; ++X) EXPECT_EQ(PixelAt(Vert, X, Y), Colour(Row[X])) << X << "," << Y;
  }
}

TEST(SkinBuiltElements, CombinedComboStripAndItsArrows) {
  // Four 12 x 21 sunken-edge frames in grey, four 17 x 21 buttons in blue with a red centre.
  TSkinData Data(nullptr);
  bmp::Image Button;
  Button.Allocate(68, 21, 24);
  for (int Y = 0; Y < 21; ++Y)
    for (int X = 0; X < 68; ++X) {
      const bool Centre = X % 17 == 8 && Y == 10;
      std::uint8_t* P = Button.Row(Y) + 3 * X;
      P[0] = Centre ? 0 : 0xFF;
      P[1] = 0;
      P[2] = Centre ? 0xFF : 0;
    }
  Load(Data,
       "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=3\n"
       "[ComboButton]\nImage=combo.bmp\nStyle=1\n[ExtraImages]\nImage=extra.bmp\n",
       {{"sunk.bmp", SolidBmp(48, 21, 0x808080)},
        {"combo.bmp", bmp::Encode(Button)},
        {"extra.bmp", StripBmp(7, 7, {0x00FF00, 0x00FE00, 0x00FD00, 0x00FC00, 0x00FB00})}});
  const int B = GetSystemMetrics(SM_CXHSCROLL) + 2;
  ASSERT_TRUE(Data.ComboButton && Data.SunkEdge);
  TDataSkinBorder& Combo = *Data.ComboButton;
  EXPECT_EQ(Combo.Style, 2);
  EXPECT_EQ(Combo.Margins.left, 2);
  EXPECT_EQ(Combo.Margins.right, B + 2);
  EXPECT_EQ(Combo.Margins.top, 2);
  EXPECT_EQ(Combo.Margins.bottom, 3);
  ASSERT_EQ(Combo.Bitmap->Width(), 200);
  ASSERT_EQ(Combo.Bitmap->Height(), 21);
  EXPECT_EQ(Combo.Bitmap2->Width(), 68);  // the mirrored original button stays
  TBitmap& Strip = *Combo.Bitmap;
  for (int I = 0; I < 4; ++I) {
    EXPECT_EQ(PixelAt(Strip, 50 * I, 0), 0x808080u);               // edge
    EXPECT_EQ(PixelAt(Strip, 50 * I + 10, 10), kMagenta);          // transparent text area
    EXPECT_EQ(PixelAt(Strip, 50 * I + 49 - B / 2, 1), 0xFF0000u);  // the button, blue
    EXPECT_EQ(PixelAt(Strip, 50 * I + 50 - B + B / 2, 10), FromRgb(0x00FF00 - 0x100 * I));  // glyph i + 1
  }
  EXPECT_EQ(Data.SunkEdge->Margins.left, B + 2);
  EXPECT_EQ(Data.SunkEdge->Margins.right, 2);
  TBitmap& Mirrored = *Data.SunkEdge->Bitmap;
  ASSERT_EQ(Mirrored.Width(), 200);
  for (int X : {0, 10, 49, 120, 199}) EXPECT_EQ(PixelAt(Mirrored, X, 10), PixelAt(Strip, 199 - X, 10)) << X;

  ASSERT_TRUE(Data.ComboxArrow);
  EXPECT_EQ(Data.ComboxArrow->Name, "ComboxArrow");
  EXPECT_EQ(Data.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(Data.ComboxArrow->Bitmap->Width(), 68);
  EXPECT_EQ(Data.ComboxArrow->Bitmap->Height(), 17);
  for (int I = 1; I <= 4; ++I)
    EXPECT_EQ(PixelAt(*Data.ComboxArrow->Bitmap, 17 * (I - 1) + 3, 3), PixelAt(Strip, 50 * I - 19 + 3, 5));
}

TEST(SkinBuiltElements, ArrowsWithoutASunkenEdgeTakeTheFaceColour) {
  TSkinData Data(nullptr);
  Load(Data, "[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=combo.bmp\n",
       {{"combo.bmp", SolidBmp(16, 16, 0xFF00FF, 3, 3, 0x0000FF)}});
  ASSERT_TRUE(Data.ComboxArrow);
  EXPECT_EQ(Data.ComboButton->Style, 0);  // not rebuilt
  EXPECT_EQ(Data.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(PixelAt(*Data.ComboxArrow->Bitmap, 0, 0), 0x1E140Au);
  EXPECT_EQ(PixelAt(*Data.ComboxArrow->Bitmap, 3, 3), 0xFF0000u);

  // A face colour left to the system is drawn as the system's, not as its index.
  Load(Data, "[ComboButton]\nImage=combo.bmp\n", {{"combo.bmp", SolidBmp(4, 4, 0xFF00FF)}});
  EXPECT_EQ(PixelAt(*Data.ComboxArrow->Bitmap, 0, 0), ColorToRGB(Data.Colors[csButtonFace]));
}

TEST(SkinBuiltElements, ToolbarGradientAndMinimisedCaption) {
  TSkinData Data(nullptr);
  Load(Data, "[Colours]\nButtonFace=200 200 200\n[Personality]\nTop=top.bmp\n",
       {{"top.bmp", SolidBmp(9, 9, 0x204080)}});  // caption colour: a saturated blue
  const TColor C = Data.GetCaptionColor();
  ASSERT_EQ(C, 0x804020u);
  ASSERT_TRUE(Data.Toolbar);
  EXPECT_EQ(Data.Toolbar->Name, "Toolbar");
  EXPECT_EQ(Data.Toolbar->FrameCount, 1);
  TBitmap& Bar = *Data.Toolbar->Bitmap;
  ASSERT_EQ(Bar.Width(), 10);
  ASSERT_EQ(Bar.Height(), 40);
  const std::int32_t V = GetHSV(C);
  ASSERT_GT(V, 110);
  const TColor Top = Blend(0xC8C8C8, 0xFFFFFF, 150);
  const TColor Bottom = Blend(C, 0xFFFFFF, (225 - V) * 25 / 140 + 50);
  EXPECT_EQ(PixelAt(Bar, 5, 0), Top);
  EXPECT_EQ(PixelAt(Bar, 5, 39), skin::BuildGradient(40, Top, Bottom).back());
  EXPECT_EQ(PixelAt(Bar, 0, 20), PixelAt(Bar, 9, 20));  // top to bottom only

  EXPECT_FALSE(Data.MinCaption);  // built on demand
  Data.CreateMinCaption();
  ASSERT_TRUE(Data.MinCaption);
  TBitmap& Min = *Data.MinCaption->Bitmap;
  EXPECT_EQ(Min.Width(), 80);
  EXPECT_EQ(Min.Height(), 29);
  EXPECT_EQ(Data.MinCaption->FrameCount, 1);
  EXPECT_EQ(Data.MinCaption->Margins.left, 3);
  EXPECT_EQ(Data.MinCaption->Margins.bottom, 3);
  EXPECT_EQ(PixelAt(Min, 40, 14), C);
  EXPECT_EQ(PixelAt(Min, 0, 0), Blend(0, C, 50));
  EXPECT_EQ(PixelAt(Min, 79, 28), Blend(0, C, 50));
  const TDataSkinObject* First = Data.MinCaption.get();
  Data.CreateMinCaption();
  EXPECT_EQ(Data.MinCaption.get(), First);  // refilled, not replaced
}
