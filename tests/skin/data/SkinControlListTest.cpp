#include "skin/data/SkinControlList.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "framework/core/SysUtils.h"
#include "skin/data/SkinTypes.h"

TEST(SkinTypes, OrdersAndSetEncodings) {
  EXPECT_EQ(EnumInfo(TSkinControlType{}).Count(), 22);
  EXPECT_EQ(EnumInfo(TSkinControlType{}).NameOf(xcSystemMenu), "xcSystemMenu");
  EXPECT_EQ(int(xcFastReport), 21);
  EXPECT_EQ(kDefaultSkinControls.Bits(), 0x1FFFFBu);
  EXPECT_EQ(EnumInfo(TSkinOption{}).Count(), 12);
  EXPECT_EQ(int(xoCaptionButtonHint), 10);
  EXPECT_EQ(kDefaultSkinOptions.Bits(), 0x448u);
  EXPECT_EQ(EnumInfo(TSkinFormType{}).NameOf(3), "sfDLL");
}

TEST(ControlList, BuiltInLinesAndKinds) {
  TStringList Lines;
  InitControlList(Lines);
  ASSERT_EQ(Lines.Count(), 118);
  EXPECT_EQ(Lines.Get(0), "TCategoryButtons=scrollbar");
  EXPECT_EQ(Lines.Get(117), "TOVCDBNUMERICFIELD=Edit");
  std::map<String, int> Kinds;
  for (int I = 0; I < Lines.Count(); ++I) ++Kinds[LowerCase(Lines.ValueFromIndex(I))];
  const std::map<String, int> Expected = {
      {"combobox", 39}, {"edit", 26},          {"panel", 15},    {"scrollbar", 10}, {"radiogroup", 7},
      {"checkbox", 4},  {"speedbutton", 3},    {"bitbtn", 3},    {"checkgroup", 3}, {"radiobutton", 2},
      {"groupbox", 2},  {"pngspeedbutton", 1}, {"pngbitbtn", 1}, {"button", 1},     {"menubtn", 1}};
  EXPECT_EQ(Kinds, Expected);
  EXPECT_EQ(Lines.IndexOf("TDBCheckboxEh=Checkbox"), 48);
  EXPECT_EQ(Lines.Get(49), "TDBCheckboxEh=Checkbox");
}

TEST(ControlList, LookupTakesTheFirstLineIgnoringCase) {
  TStringList Lines;
  Lines.Add("TFoo=Edit");
  Lines.Add("tfoo=panel");
  Lines.Add("TBar =edit");
  Lines.Add("TNative=NIL");
  Lines.Add("TLong=" + String(60, 'k'));
  Lines.Add("TEq=a=b");
  EXPECT_EQ(FindControlKind(Lines, "TFOO"), "edit");
  EXPECT_FALSE(FindControlKind(Lines, "TBar").has_value());  // the blank is part of the name
  EXPECT_EQ(FindControlKind(Lines, "TNative"), "nil");
  EXPECT_EQ(FindControlKind(Lines, "TLong")->size(), 50u);
  EXPECT_EQ(FindControlKind(Lines, "TEq"), "a=b");
  EXPECT_FALSE(FindControlKind(Lines, "TFo").has_value());
  EXPECT_FALSE(FindControlKind(Lines, "").has_value());
}

TEST(ControlList, BuiltInLookups) {
  TStringList Lines;
  InitControlList(Lines);
  EXPECT_EQ(FindControlKind(Lines, "TcxButton"), "bitbtn");
  EXPECT_EQ(FindControlKind(Lines, "TWWDBCombobox"), "combobox");
  EXPECT_FALSE(FindControlKind(Lines, "TButton").has_value());
}

TEST(SkinControlList, ListsAreCopiedOnAssignment) {
  TSkinControlList List;
  TStringList Source;
  Source.Add("TX=edit");
  List.SetEdit(&Source);
  Source.Add("TY=edit");
  EXPECT_EQ(List.Edit()->Count(), 1);
  List.SetEdit(nullptr);
  EXPECT_EQ(List.Edit()->Count(), 0);
  const auto Props = TSkinControlList::StaticClass().PropList();
  ASSERT_EQ(Props.size(), 4u);
  EXPECT_EQ(Props[0]->Name, "Edit");
  EXPECT_EQ(Props[3]->Name, "Radiobutton");
}

namespace {

// A sorted list that refuses duplicates stops the built-in lines part-way (they hold one line
// twice); the update the fill opened must be closed again all the same.
struct TRefusedFillRow {
  const char* Name;
  std::vector<String> Held;  // lines in the list before the fill
  int LinesLeft;
};

class ControlListUpdates : public ::testing::TestWithParam<TRefusedFillRow> {};

TEST_P(ControlListUpdates, AFillRefusedPartWayClosesItsUpdate) {
  const TRefusedFillRow& Row = GetParam();
  SCOPED_TRACE(Row.Name);
  TStringList Lines;
  Lines.SetSorted(true);
  Lines.SetDuplicates(dupError);
  for (const String& Line : Row.Held) Lines.Add(Line);
  EXPECT_THROW(InitControlList(Lines), EStringListError);
  EXPECT_FALSE(Lines.Updating());
  EXPECT_EQ(Lines.Count(), Row.LinesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ControlListUpdates,
    ::testing::Values(TRefusedFillRow{"empty", {}, 49},
                      TRefusedFillRow{"holding the first line", {"TCategoryButtons=scrollbar"}, 1},
                      TRefusedFillRow{"holding the last line", {"TOVCDBNUMERICFIELD=Edit"}, 50}));

}  // namespace
