// The element records of a loaded skin: the readers' keys and corrections, the caption buttons, the
// fixed frame counts and the elements built after reading, on real GDI bitmaps.

#include <gtest/gtest.h>

#include "framework/bmp/Bmp.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/ColorMath.h"
#include "tests/data/TestSkins.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

// A 24-bit strip of Colors.size() frames, each FrameW x H in one colour (0x00RRGGBB).
std::vector<std::uint8_t> StripBmp(int FrameW, int H, const std::vector<std::uint32_t>& Colors) {
  bmp::Image image;
  const int w = FrameW * static_cast<int>(Colors.size());
  image.Allocate(w, H, 24);
  for (int y = 0; y < H; ++y) {
    std::uint8_t* row = image.Row(y);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = Colors[static_cast<std::size_t>(x / FrameW)];
      row[3 * x] = static_cast<std::uint8_t>(c);
      row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return bmp::Encode(image);
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

TEST(SkinElementReaders, ObjectKeysDefaultsAndTileCorrections) {
  TSkinData data(nullptr);
  Load(data,
       "[Colours]\nButtonText=1 2 3\n"
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
       {{"h.bmp", SolidBmp(20, 10, 0x00FF00)}, {"b.bmp", SolidBmp(3, 2, 0)}});

  EXPECT_FALSE(data.StatusBarEdges);  // an empty image value makes the element absent

  ASSERT_TRUE(data.Headerbar);
  const TDataSkinObject& h = *data.Headerbar;
  EXPECT_EQ(h.Name, "Headerbar");
  EXPECT_EQ(h.Bitmap->Width(), 20);
  EXPECT_EQ(h.Style, 7);
  EXPECT_EQ(h.Margins.left, 1);
  EXPECT_EQ(h.Margins.right, 2);
  EXPECT_EQ(h.Margins.top, 3);
  EXPECT_EQ(h.Margins.bottom, 16);
  EXPECT_EQ(h.FrameCount, 5);  // the skin gave 0
  EXPECT_EQ(h.Trans, 1);
  EXPECT_EQ(h.Tile, 0);  // 5 read as 0
  EXPECT_EQ(h.NormalColour, 255);
  EXPECT_EQ(h.MouseOverColour, -1);
  EXPECT_EQ(h.PressedColour, -1);
  EXPECT_EQ(h.NormalColour2, 0x070809u);
  EXPECT_EQ(h.MouseOverColour2, 0x030201u);  // the scheme's button text
  EXPECT_EQ(h.PressedColour2, 0x030201u);

  ASSERT_TRUE(data.Tab);
  EXPECT_EQ(data.Tab->Bitmap2->Width(), 3);
  EXPECT_EQ(data.Tab->FrameCount, 5);
  EXPECT_EQ(data.Tab->Tile, 1);

  ASSERT_TRUE(data.TabPane);
  EXPECT_EQ(data.TabPane->Margins.left, 4);
  EXPECT_EQ(data.TabPane->Margins.top, 4);
  EXPECT_EQ(data.TabPane->Margins.right, 3);
  EXPECT_EQ(data.TabPane->Margins.bottom, -2);

  ASSERT_TRUE(data.Progress);
  EXPECT_NE(dynamic_cast<TDataSkinBorder*>(data.Progress.get()), nullptr);
  EXPECT_EQ(data.Progress->Tile, 1);          // 5 read as 1 here
  EXPECT_EQ(data.Progress->FrameCount, 1);    // style 1
  EXPECT_EQ(data.Progress->NormalColour, 0);  // not read for the progress bar
  ASSERT_TRUE(data.ProgressChunk);
  EXPECT_EQ(data.ProgressChunk->FrameCount, 7);  // keeps the skin's count

  ASSERT_TRUE(data.GroupBox);
  EXPECT_EQ(data.GroupBox->Tile, 0);
  EXPECT_EQ(data.GroupBox->FrameCount, 1);
  EXPECT_EQ(data.GroupBox->BackgroundAlignment, 1);
  EXPECT_EQ(data.GroupBox->BackgroundLeftShift, -3);
  EXPECT_EQ(data.GroupBox->BackgroundRightShift, 5);

  ASSERT_TRUE(data.MenuBar);
  EXPECT_EQ(data.MenuBar->Tile, 1);  // 5 read as 1
  EXPECT_EQ(data.MenuBar->Margins.left, 0);
  EXPECT_EQ(data.MenuBar->Margins.right, 1);
  EXPECT_EQ(data.MenuBar->Margins.top, 0);
  EXPECT_EQ(data.MenuBar->FrameCount, 2);

  EXPECT_EQ(data.Borders[sbLeft]->Tile, 1);  // "LeftStretch" 5 read as 1
  EXPECT_FALSE(data.GroupBoxEdge || data.ToolBars || data.Scrollbar || data.SunkEdge);
}

TEST(SkinElementReaders, ALoadReplacesEveryRecordAndRefillsTheFixedOnes) {
  TSkinData data(nullptr);
  Load(data,
       "[Headerbar]\nImage=h.bmp\n[ComboButton]\nImage=h.bmp\n[Progress]\nBitmap=h.bmp\n"
       "[Buttons]\nBitmap=h.bmp\nCheckButton=h.bmp\n[Personality]\nTextBack=h.bmp\nmenuBar=h.bmp\n"
       "[Track]\nImage=h.bmp\nFrame=2\n",
       {{"h.bmp", SolidBmp(8, 8, 0x123456)}});
  ASSERT_TRUE(data.Headerbar && data.ComboButton && data.Progress && data.MenuBar);
  EXPECT_EQ(data.Track->Bitmap->Width(), 8);
  EXPECT_FALSE(data.ComboxArrow->Bitmap->Empty());
  const TDataSkinButton* button = data.Button.get();

  Load(data, "[Colours]\nButtonFace=1 1 1\n");
  EXPECT_FALSE(data.Headerbar || data.ComboButton || data.Progress || data.MenuBar);
  EXPECT_EQ(data.Button.get(), button);  // same record, refilled
  EXPECT_TRUE(data.Button->Bitmap->Empty());
  EXPECT_TRUE(data.Button->CheckBitmap->Empty());
  EXPECT_TRUE(data.Title->Bitmap->Empty());
  EXPECT_EQ(data.Track->Bitmap->Width(), 16);      // back to the program's own track
  EXPECT_TRUE(data.ComboxArrow->Bitmap->Empty());  // not the previous skin's arrows
}

TEST(SkinElementReaders, TitleAndItsTextColours) {
  TSkinData data(nullptr);
  Load(data,
       "[Personality]\nTextBack=t.bmp\nTextShift=20\nTextShiftVert=2\nTextRightClip=93\nTextAlignment=1\n"
       "Textbackground=1\nTXTBackleft=8\nTXTBackRight=9\nActiveTextR=261\nActiveTextG=0\nActiveTextB=7\n"
       "InActiveTextR=1\nInActiveTextG=2\n",
       {{"t.bmp", SolidBmp(6, 4, 0)}});
  const TDataSkinTitle& t = *data.Title;
  EXPECT_EQ(t.Bitmap->Width(), 6);
  EXPECT_EQ(t.Margins.left, 20);
  EXPECT_EQ(t.Margins.top, 2);
  EXPECT_EQ(t.Margins.right, 93);
  EXPECT_EQ(t.Margins.bottom, 0);
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.TextBackground, 1);
  EXPECT_EQ(t.FontHeight, 14);
  EXPECT_EQ(t.TextBackLeft, 8);
  EXPECT_EQ(t.TextBackRight, 9);
  EXPECT_EQ(t.FrameCount, 2);
  EXPECT_EQ(t.ActiveTextColor, 0x070005u);              // each value cut to its low byte
  EXPECT_EQ(t.InactiveTextColor, kTitleColorNotGiven);  // blue missing

  Load(data, "[Fonts]\nFontHeight=18\n");
  EXPECT_EQ(data.Title->FontHeight, 18);
  EXPECT_EQ(data.Title->ActiveTextColor, kTitleColorNotGiven);
  EXPECT_TRUE(data.Title->Bitmap->Empty());
}

TEST(SkinElementReaders, ButtonsAndTheirGlyphStrips) {
  TSkinData data(nullptr);
  Load(data,
       "[Colours]\nButtonText=4 5 6\n"
       "[Buttons]\nBitmap=b.bmp\nLeftWidth=5\nTopHeight=6\nTrans=1\nTile=3\nFrame=9\nStyle=4\n"
       "CheckButton=c.bmp\nRadioButton=r.bmp\nPressedColour=12\nMouseOverColour2=1 1 1\nNormalColour2=\n",
       {{"b.bmp", SolidBmp(100, 20, 0)}, {"c.bmp", SolidBmp(156, 13, 0)}, {"r.bmp", SolidBmp(40, 16, 0)}});
  const TDataSkinButton& b = *data.Button;
  EXPECT_EQ(b.Bitmap->Width(), 100);
  EXPECT_EQ(b.Margins.left, 5);
  EXPECT_EQ(b.Margins.top, 6);
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.Tile, 0);
  EXPECT_EQ(b.Style, 0);        // not read
  EXPECT_EQ(b.FrameCount, 5);   // always
  EXPECT_EQ(b.CheckFrame, 12);  // 156 / 13
  EXPECT_EQ(b.RadioFrame, 4);   // 40 / 16 = 2, raised to the minimum
  EXPECT_EQ(b.NormalColour, -1);
  EXPECT_EQ(b.PressedColour, 12);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_TRUE(b.HasMouseOverColour2);
  EXPECT_FALSE(b.HasPressedColour2);
  EXPECT_EQ(b.NormalColour2, 0x060504u);
  EXPECT_EQ(b.MouseOverColour2, 0x010101u);

  Load(data, "[Buttons]\nCheckButton=c.bmp\nCheckButtonFrame=3\n", {{"c.bmp", SolidBmp(156, 13, 0)}});
  EXPECT_EQ(data.Button->CheckFrame, 3);  // the skin's own count is kept
  EXPECT_EQ(data.Button->RadioFrame, 4);  // no strip at all
}

TEST(SkinCaptionButtons, SectionsThatCountAndTheirOrder) {
  TSkinData data(nullptr);
  Load(data,
       "[Button]\nAction=0\n[Buttons]\nBitmap=x.bmp\n[Button.Radio]\n[Button.CheckBox]\n"
       "[ButtonA]\nAction=-1\nVisibility=0\n"  // kept: it says when to show
       "[ButtonB]\nAction=-1\n"                // dropped: no Visibility
       "[ButtonC]\nAction=-1\nVisibility=3\n"  // dropped
       "[buttonD]\nAction=2\nAlign=1\nXcoord=5\nYcoord=6\nVisibility=7\nVisibility1=8\nCombineOp=1\n"
       "[MyButton]\nAction=0\n");
  ASSERT_EQ(data.SysButtons.size(), 5u);
  const TDataSkinSysButton& a = *data.SysButtons[0];
  EXPECT_EQ(a.Name, "BUTTONA");
  EXPECT_EQ(a.Action, -1);
  EXPECT_EQ(a.Visibility1, -1);
  EXPECT_EQ(a.CombineOp, -1);
  EXPECT_EQ(a.FrameCount, 6);  // no image
  const TDataSkinSysButton& d = *data.SysButtons[1];
  EXPECT_EQ(d.Name, "BUTTOND");
  EXPECT_EQ(d.Align, 1);
  EXPECT_EQ(d.XCoord, 5);
  EXPECT_EQ(d.YCoord, 6);
  EXPECT_EQ(d.Visibility, 7);
  EXPECT_EQ(d.Visibility1, 8);
  EXPECT_EQ(d.CombineOp, 1);
  for (int k = 0; k < 3; ++k) {
    const TDataSkinSysButton& m = *data.SysButtons[static_cast<std::size_t>(2 + k)];
    EXPECT_EQ(m.Action, 7 + k);
    EXPECT_EQ(m.Align, 100);
    EXPECT_EQ(m.Visibility, 100);
    EXPECT_EQ(m.Visibility1, 100);
    EXPECT_EQ(m.FrameCount, 4);
    EXPECT_EQ(m.XCoord, 0);
    EXPECT_TRUE(m.Bitmap->Empty());  // no MDICONTROLS
  }
  Load(data, "");
  EXPECT_EQ(data.SysButtons.size(), 3u);  // rebuilt, the MDI buttons alone
}

TEST(SkinCaptionButtons, FrameCountsFromTheImageRatio) {
  TSkinData data(nullptr);
  Load(data,
       "[Button0]\nAction=0\nButtonImage=wide.bmp\n"
       "[Button1]\nAction=0\nButtonImage=narrow.bmp\n"
       "[Button2]\nAction=-1\nVisibility=0\nButtonImage=narrow.bmp\n"
       "[Button3]\nAction=3\nButtonImage=narrow.bmp\n"
       "[Button4]\nAction=11\nButtonImage=wide.bmp\nframe=2\n"
       "[Button5]\nAction=0\nButtonImage=edge.bmp\n",
       {{"wide.bmp", SolidBmp(282, 20, 0)},
        {"narrow.bmp", SolidBmp(60, 20, 0)},
        {"edge.bmp", SolidBmp(77, 20, 0)}});
  ASSERT_EQ(data.SysButtons.size(), 9u);
  EXPECT_EQ(data.SysButtons[0]->FrameCount, 6);  // 14.1
  EXPECT_EQ(data.SysButtons[1]->FrameCount, 3);  // 3.0
  EXPECT_EQ(data.SysButtons[2]->FrameCount, 6);  // negative action
  EXPECT_EQ(data.SysButtons[3]->FrameCount, 3);
  EXPECT_TRUE(data.SysButtons[3]->Bitmap->Empty());  // the icon button draws the window's icon
  EXPECT_EQ(data.SysButtons[4]->FrameCount, 2);      // given: used as it is, image kept
  EXPECT_EQ(data.SysButtons[4]->Bitmap->Width(), 282);
  EXPECT_EQ(data.SysButtons[5]->FrameCount, 6);  // 3.85 is above 3.8
  EXPECT_EQ(data.SysButtons[1]->Bitmap->Width(), 60);
}

TEST(SkinCaptionButtons, HelpButtonTakesThePositionOfMaximise) {
  TSkinData data(nullptr);
  Load(data,
       "[Button0]\nAction=4\nXcoord=1\nYcoord=2\n"  // before any maximise button: its own
       "[Button1]\nAction=1\nVisibility=1\nXcoord=50\nYcoord=50\n"
       "[Button2]\nAction=1\nVisibility=2\nXcoord=61\nYcoord=5\n"
       "[Button3]\nAction=4\nXcoord=99\nYcoord=98\n");
  ASSERT_EQ(data.SysButtons.size(), 7u);
  EXPECT_EQ(data.SysButtons[0]->XCoord, 1);
  EXPECT_EQ(data.SysButtons[0]->YCoord, 2);
  EXPECT_EQ(data.SysButtons[3]->XCoord, 61);
  EXPECT_EQ(data.SysButtons[3]->YCoord, 5);

  Load(data, "[Button0]\nAction=4\nXcoord=9\nYcoord=8\n");  // remembered per load only
  EXPECT_EQ(data.SysButtons[0]->XCoord, 9);
}

TEST(SkinCaptionButtons, MdiButtonsAreCutFromTwelveFrames) {
  std::vector<std::uint32_t> frames;
  for (std::uint32_t i = 0; i < 12; ++i) frames.push_back(0x100000 * (i + 1) + i);
  TSkinData data(nullptr);
  Load(data, "[Button0]\nAction=0\n[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", StripBmp(13, 13, frames)}});
  ASSERT_EQ(data.SysButtons.size(), 4u);
  const int xs[] = {51, 34, 17};
  for (int i = 0; i < 3; ++i) {
    TDataSkinSysButton& b = *data.SysButtons[static_cast<std::size_t>(1 + i)];
    ASSERT_EQ(b.Bitmap->Width(), 52);
    ASSERT_EQ(b.Bitmap->Height(), 13);
    EXPECT_EQ(b.XCoord, xs[i]);
    for (int f = 0; f < 4; ++f)
      EXPECT_EQ(PixelAt(*b.Bitmap, 13 * f + 6, 6), FromRgb(frames[static_cast<std::size_t>(4 * i + f)]))
          << "button " << i << " frame " << f;
  }
  EXPECT_TRUE(data.SysButtons[0]->Bitmap->Empty());

  Load(data, "[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", SolidBmp(5, 4, 0)}});  // narrower than 12
  ASSERT_EQ(data.SysButtons.size(), 3u);
  EXPECT_TRUE(data.SysButtons[0]->Bitmap->Empty());
  EXPECT_EQ(data.SysButtons[0]->XCoord, 12);
}

TEST(SkinBuiltTrack, ProgramResourcesAsDrawn) {
  TSkinData data(nullptr);
  Load(data, "");
  const TColor w = 0xFFFFFF, s = 0xC0C0C0, g = 0x808080;
  ASSERT_TRUE(data.Track && data.TrackVert);
  EXPECT_EQ(data.Track->Name, "TRACK");
  EXPECT_EQ(data.Track->FrameCount, 1);
  EXPECT_EQ(data.Track->Tile, 0);
  EXPECT_EQ(data.TrackVert->Margins.bottom, 3);
  const char* const rows[] = {"1122222222222200", "1100000000000000", "2100000000000000", "1100000000000000"};
  auto colour = [&](char c) { return c == '0' ? w : c == '1' ? s : g; };
  TBitmap& track = *data.Track->Bitmap;
  ASSERT_EQ(track.Width(), 16);
  ASSERT_EQ(track.Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 16; ++x) EXPECT_EQ(PixelAt(track, x, y), colour(rows[y][x])) << x << "," << y;
  TBitmap& vert = *data.TrackVert->Bitmap;
  ASSERT_EQ(vert.Width(), 4);
  ASSERT_EQ(vert.Height(), 16);
  for (int y = 0; y < 16; ++y) {
    const char* row = y == 0 ? "1121" : y == 1 ? "1111" : y < 14 ? "2000" : "0000";
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(vert, x, y), colour(row[x])) << x << "," << y;
  }
}

TEST(SkinBuiltElements, FixedFrameCounts) {
  String ini = "[Personality]\nmenuBar=e.bmp\nTopFrame=7\n[Progress]\nBitmap=e.bmp\n";
  const char* const sections[] = {"GroupBoxEdge",
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
                                  "Progress.Chunk"};
  for (const char* s : sections) ini += String("[") + s + "]\nImage=e.bmp\nFrame=9\n";
  ini += "[VertScrollThumb]\nFrameCount=2\n";  // a second section of the same name is not looked at
  TSkinData data(nullptr);
  Load(data, ini, {{"e.bmp", SolidBmp(40, 12, 0)}});
  EXPECT_EQ(data.Title->FrameCount, 2);
  EXPECT_EQ(data.Progress->FrameCount, 2);
  EXPECT_EQ(data.MenuBar->FrameCount, 2);
  EXPECT_EQ(data.GroupBoxEdge->FrameCount, 2);
  EXPECT_EQ(data.Toolbar->FrameCount, 1);
  EXPECT_EQ(data.TabPane->FrameCount, 1);
  EXPECT_EQ(data.GroupBox->FrameCount, 1);
  EXPECT_EQ(data.MenuBackground->FrameCount, 1);
  EXPECT_EQ(data.ToolBars->FrameCount, 5);
  EXPECT_EQ(data.Tab->FrameCount, 5);
  EXPECT_EQ(data.ExtraImages->FrameCount, 5);
  EXPECT_EQ(data.MenuItem->FrameCount, 5);
  EXPECT_EQ(data.Headerbar->FrameCount, 9);  // given, kept
  EXPECT_EQ(data.StatusBarEdges->FrameCount, 3);
  EXPECT_EQ(data.ComboButton->FrameCount, 4);
  EXPECT_EQ(data.SunkEdge->FrameCount, 4);
  EXPECT_EQ(data.HorzScroll->FrameCount, 4);
  EXPECT_EQ(data.VertScroll->FrameCount, 4);
  EXPECT_EQ(data.Scrollbar->FrameCount, 23);
  EXPECT_EQ(data.UpDownHorz->FrameCount, 8);
  EXPECT_EQ(data.UpDownVert->FrameCount, 8);
  for (auto* t : {&data.TrackbarThumbHorz, &data.TrackbarThumbVert, &data.TrackbarThumbLeft,
                  &data.TrackbarThumbRight, &data.TrackbarThumbUp, &data.TrackbarThumbDown})
    EXPECT_EQ((*t)->FrameCount, 5) << (*t)->Name;
  EXPECT_EQ(data.HorzScrollThumb->FrameCount, 3);
  EXPECT_EQ(data.VertScrollThumb->FrameCount, 3);
  EXPECT_EQ(data.Track->FrameCount, 9);
  EXPECT_EQ(data.TrackVert->FrameCount, 9);
  EXPECT_EQ(data.ProgressChunk->FrameCount, 9);
  EXPECT_EQ(data.Borders[sbTop]->FrameCount, 7);

  Load(data, "[HorzScrollThumb]\nImage=e.bmp\nFrameCount=2\nFrame=9\n", {{"e.bmp", SolidBmp(4, 4, 0)}});
  EXPECT_EQ(data.HorzScrollThumb->FrameCount, 2);
}

TEST(SkinBuiltElements, CombinedComboStripAndItsArrows) {
  // Four 12 x 21 sunken-edge frames in grey, four 17 x 21 buttons in blue with a red centre.
  TSkinData data(nullptr);
  bmp::Image button;
  button.Allocate(68, 21, 24);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 68; ++x) {
      const bool centre = x % 17 == 8 && y == 10;
      std::uint8_t* p = button.Row(y) + 3 * x;
      p[0] = centre ? 0 : 0xFF;
      p[1] = 0;
      p[2] = centre ? 0xFF : 0;
    }
  Load(data,
       "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=3\n"
       "[ComboButton]\nImage=combo.bmp\nStyle=1\n[ExtraImages]\nImage=extra.bmp\n",
       {{"sunk.bmp", SolidBmp(48, 21, 0x808080)},
        {"combo.bmp", bmp::Encode(button)},
        {"extra.bmp", StripBmp(7, 7, {0x00FF00, 0x00FE00, 0x00FD00, 0x00FC00, 0x00FB00})}});
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  ASSERT_TRUE(data.ComboButton && data.SunkEdge);
  TDataSkinBorder& combo = *data.ComboButton;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.Margins.left, 2);
  EXPECT_EQ(combo.Margins.right, b + 2);
  EXPECT_EQ(combo.Margins.top, 2);
  EXPECT_EQ(combo.Margins.bottom, 3);
  ASSERT_EQ(combo.Bitmap->Width(), 200);
  ASSERT_EQ(combo.Bitmap->Height(), 21);
  EXPECT_EQ(combo.Bitmap2->Width(), 68);  // the mirrored original button stays
  TBitmap& strip = *combo.Bitmap;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(PixelAt(strip, 50 * i, 0), 0x808080u);               // edge
    EXPECT_EQ(PixelAt(strip, 50 * i + 10, 10), kMagenta);          // transparent text area
    EXPECT_EQ(PixelAt(strip, 50 * i + 49 - b / 2, 1), 0xFF0000u);  // the button, blue
    EXPECT_EQ(PixelAt(strip, 50 * i + 50 - b + b / 2, 10), FromRgb(0x00FF00 - 0x100 * i));  // glyph i + 1
  }
  EXPECT_EQ(data.SunkEdge->Margins.left, b + 2);
  EXPECT_EQ(data.SunkEdge->Margins.right, 2);
  TBitmap& mirrored = *data.SunkEdge->Bitmap;
  ASSERT_EQ(mirrored.Width(), 200);
  for (int x : {0, 10, 49, 120, 199}) EXPECT_EQ(PixelAt(mirrored, x, 10), PixelAt(strip, 199 - x, 10)) << x;

  ASSERT_TRUE(data.ComboxArrow);
  EXPECT_EQ(data.ComboxArrow->Name, "ComboxArrow");
  EXPECT_EQ(data.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(data.ComboxArrow->Bitmap->Width(), 68);
  EXPECT_EQ(data.ComboxArrow->Bitmap->Height(), 17);
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(PixelAt(*data.ComboxArrow->Bitmap, 17 * (i - 1) + 3, 3), PixelAt(strip, 50 * i - 19 + 3, 5));
}

TEST(SkinBuiltElements, ArrowsWithoutASunkenEdgeTakeTheFaceColour) {
  TSkinData data(nullptr);
  Load(data, "[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=combo.bmp\n",
       {{"combo.bmp", SolidBmp(16, 16, 0xFF00FF, 3, 3, 0x0000FF)}});
  ASSERT_TRUE(data.ComboxArrow);
  EXPECT_EQ(data.ComboButton->Style, 0);  // not rebuilt
  EXPECT_EQ(data.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(PixelAt(*data.ComboxArrow->Bitmap, 0, 0), 0x1E140Au);
  EXPECT_EQ(PixelAt(*data.ComboxArrow->Bitmap, 3, 3), 0xFF0000u);

  // A face colour left to the system is drawn as the system's, not as its index.
  Load(data, "[ComboButton]\nImage=combo.bmp\n", {{"combo.bmp", SolidBmp(4, 4, 0xFF00FF)}});
  EXPECT_EQ(PixelAt(*data.ComboxArrow->Bitmap, 0, 0), ColorToRGB(data.Colors[csButtonFace]));
}

TEST(SkinBuiltElements, ToolbarGradientAndMinimisedCaption) {
  TSkinData data(nullptr);
  Load(data, "[Colours]\nButtonFace=200 200 200\n[Personality]\nTop=top.bmp\n",
       {{"top.bmp", SolidBmp(9, 9, 0x204080)}});  // caption colour: a saturated blue
  const TColor c = data.GetCaptionColor();
  ASSERT_EQ(c, 0x804020u);
  ASSERT_TRUE(data.Toolbar);
  EXPECT_EQ(data.Toolbar->Name, "Toolbar");
  EXPECT_EQ(data.Toolbar->FrameCount, 1);
  TBitmap& bar = *data.Toolbar->Bitmap;
  ASSERT_EQ(bar.Width(), 10);
  ASSERT_EQ(bar.Height(), 40);
  const std::int32_t v = GetHSV(c);
  ASSERT_GT(v, 110);
  const TColor top = Blend(0xC8C8C8, 0xFFFFFF, 150);
  const TColor bottom = Blend(c, 0xFFFFFF, (225 - v) * 25 / 140 + 50);
  EXPECT_EQ(PixelAt(bar, 5, 0), top);
  EXPECT_EQ(PixelAt(bar, 5, 39), skin::BuildGradient(40, top, bottom).back());
  EXPECT_EQ(PixelAt(bar, 0, 20), PixelAt(bar, 9, 20));  // top to bottom only

  EXPECT_FALSE(data.MinCaption);  // built on demand
  data.CreateMinCaption();
  ASSERT_TRUE(data.MinCaption);
  TBitmap& min = *data.MinCaption->Bitmap;
  EXPECT_EQ(min.Width(), 80);
  EXPECT_EQ(min.Height(), 29);
  EXPECT_EQ(data.MinCaption->FrameCount, 1);
  EXPECT_EQ(data.MinCaption->Margins.left, 3);
  EXPECT_EQ(data.MinCaption->Margins.bottom, 3);
  EXPECT_EQ(PixelAt(min, 40, 14), c);
  EXPECT_EQ(PixelAt(min, 0, 0), Blend(0, c, 50));
  EXPECT_EQ(PixelAt(min, 79, 28), Blend(0, c, 50));
  const TDataSkinObject* first = data.MinCaption.get();
  data.CreateMinCaption();
  EXPECT_EQ(data.MinCaption.get(), first);  // refilled, not replaced
}
