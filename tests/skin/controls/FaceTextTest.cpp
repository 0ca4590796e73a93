// Text drawn on a skinned face takes the skin's text colour for that face, so that it reads on every
// shipped skin, the dark one included: list-view column headers and the fixed cells of string grids.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

#include "framework/win/controls/Grids.h"
#include "framework/win/graphics/Colors.h"
#include "skin/controls/SkinHeaders.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestListControls.h"
#include "tests/support/Handles.h"
#include "tests/support/SkinnedWindow.h"

using namespace ctltest;

namespace {

int Luma(COLORREF C) {
  return (GetRValue(C) * 299 + GetGValue(C) * 587 + GetBValue(C) * 114) / 1000;
}

// Where a row's text lies and the face around it; the control and its skin object, which the test
// frees (the skin object first).
struct TTextArea {
  HWND Wnd = nullptr;
  RECT Text{0, 0, 0, 0};  // window coordinates, the caption inside
  POINT Face{0, 0};       // a pixel of the face beside the caption
  TControl* Control = nullptr;
  TSkinControl* Skin = nullptr;
};

// A list view with captioned columns, its skin object attached; the area of the first caption.
TTextArea ListViewHeader(TSkinnedForm& Fixture) {
  auto* List = new TTestListView(Fixture.Form());
  List->SetParent(Fixture.Form());
  List->SetBounds(20, 20, 300, 160);
  List->Font()->SetQuality(fqNonAntialiased);  // whole pixels of the text colour, nothing blended
  List->Fill(2, 140, 3);
  auto* Skin = new TSkinListView(List);
  Skin->InitScrollbar(List, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  HWND Header = reinterpret_cast<HWND>(SendMessageW(List->Handle(), LVM_GETHEADER, 0, 0));
  RedrawWindow(List->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
  Pump();
  RECT Item{0, 0, 0, 0};
  SendMessageW(Header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&Item));
  const int Mid = (Item.top + Item.bottom) / 2;
  return {Header, RECT{Item.left + 3, Item.top + 3, Item.right - 3, Item.bottom - 3},
          POINT{Item.right - 8, Mid}, List, Skin};
}

// A string grid with captions in its fixed row, its skin object attached; the area of one caption.
TTextArea GridFixedRow(TSkinnedForm& Fixture) {
  auto* Grid = new TStringGrid(Fixture.Form());
  Grid->SetParent(Fixture.Form());
  Grid->SetBounds(20, 20, 300, 160);
  Grid->SetDefaultColWidth(90);
  Grid->SetBorderStyle(bsNone);
  Grid->Font()->SetQuality(fqNonAntialiased);
  for (int Col = 0; Col < Grid->ColCount(); ++Col) Grid->SetCells(Col, 0, "WWW");
  auto* Skin = new TSkinScrollbar(Grid);
  Skin->InitScrollbar(Grid, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  RedrawWindow(Grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
  Pump();
  const RECT Cell = Grid->CellRect(1, 0);
  return {Grid->Handle(), RECT{Cell.left + 2, Cell.top + 2, Cell.left + 40, Cell.bottom - 2},
          POINT{Cell.right - 8, (Cell.top + Cell.bottom) / 2}, Grid, Skin};
}

struct TFaceTextCase {
  const char* Name;
  bool (*Load)(TSkinData& Data);
  std::function<TTextArea(TSkinnedForm& Fixture)> Make;
};

void PrintTo(const TFaceTextCase& Case, std::ostream* Out) {
  *Out << Case.Name;
}

bool LoadDefault(TSkinData& Data) {
  testsupport::LoadDefaultSkin(Data);
  return !Data.FNoSkin;
}

class FaceText : public ::testing::TestWithParam<TFaceTextCase> {};

TEST_P(FaceText, CaptionsTakeTheSkinsButtonTextAndStandOutFromTheFace) {
  const TFaceTextCase& Case = GetParam();
  TSkinnedForm Fixture;
  if (!Case.Load(Fixture.Data())) GTEST_SKIP() << "the build packs no skins";
  const COLORREF Text = ColorToRGB(Fixture.Data().Colors[csButtonText]);
  const TTextArea Area = Case.Make(Fixture);
  ASSERT_TRUE(Area.Wnd && Area.Skin);
  const COLORREF Face = Pixel(Area.Wnd, Area.Face.x, Area.Face.y);
  // The skin's own pairing reads: its text colour stands well apart from the face it paints.
  EXPECT_GE(std::abs(Luma(Text) - Luma(Face)), 100) << "face " << std::hex << Face << ", text " << Text;
  // And the caption is drawn in it (a few dozen pixels of three letters).
  EXPECT_GE(testsupport::CountNearColor(Area.Wnd, Area.Text, Text, 16), 20) << "text " << std::hex << Text;
  // Unskinned as the form skin object does it: the grid gets its own fixed-cell colours back.
  Area.Skin->Unsubclass();
  delete Area.Skin;
  if (auto* Grid = dynamic_cast<TCustomGrid*>(Area.Control)) {
    EXPECT_EQ(Grid->FixedColor(), clBtnFace);
    EXPECT_EQ(Grid->FixedTextColor(), clDefault);
  }
  delete Area.Control;
}

INSTANTIATE_TEST_SUITE_P(
    ShippedSkins, FaceText,
    ::testing::Values(TFaceTextCase{"DefaultListViewHeader", LoadDefault, ListViewHeader},
                      TFaceTextCase{"DarkListViewHeader", testsupport::LoadDarkSkin, ListViewHeader},
                      TFaceTextCase{"DefaultGridFixedRow", LoadDefault, GridFixedRow},
                      TFaceTextCase{"DarkGridFixedRow", testsupport::LoadDarkSkin, GridFixedRow}),
    [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
