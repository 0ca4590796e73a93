#include "skin/data/SkinControlList.h"

#include <gtest/gtest.h>

#include <map>

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
  TStringList lines;
  InitControlList(lines);
  ASSERT_EQ(lines.Count(), 118);
  EXPECT_EQ(lines.Get(0), "TCategoryButtons=scrollbar");
  EXPECT_EQ(lines.Get(117), "TOVCDBNUMERICFIELD=Edit");
  std::map<String, int> kinds;
  for (int i = 0; i < lines.Count(); ++i) ++kinds[LowerCase(lines.ValueFromIndex(i))];
  const std::map<String, int> expected = {
      {"combobox", 39}, {"edit", 26},          {"panel", 15},    {"scrollbar", 10}, {"radiogroup", 7},
      {"checkbox", 4},  {"speedbutton", 3},    {"bitbtn", 3},    {"checkgroup", 3}, {"radiobutton", 2},
      {"groupbox", 2},  {"pngspeedbutton", 1}, {"pngbitbtn", 1}, {"button", 1},     {"menubtn", 1}};
  EXPECT_EQ(kinds, expected);
  EXPECT_EQ(lines.IndexOf("TDBCheckboxEh=Checkbox"), 48);
  EXPECT_EQ(lines.Get(49), "TDBCheckboxEh=Checkbox");
}

TEST(ControlList, LookupTakesTheFirstLineIgnoringCase) {
  TStringList lines;
  lines.Add("TFoo=Edit");
  lines.Add("tfoo=panel");
  lines.Add("TBar =edit");
  lines.Add("TNative=NIL");
  lines.Add("TLong=" + String(60, 'k'));
  lines.Add("TEq=a=b");
  EXPECT_EQ(FindControlKind(lines, "TFOO"), "edit");
  EXPECT_FALSE(FindControlKind(lines, "TBar").has_value());  // the blank is part of the name
  EXPECT_EQ(FindControlKind(lines, "TNative"), "nil");
  EXPECT_EQ(FindControlKind(lines, "TLong")->size(), 50u);
  EXPECT_EQ(FindControlKind(lines, "TEq"), "a=b");
  EXPECT_FALSE(FindControlKind(lines, "TFo").has_value());
  EXPECT_FALSE(FindControlKind(lines, "").has_value());
}

TEST(ControlList, BuiltInLookups) {
  TStringList lines;
  InitControlList(lines);
  EXPECT_EQ(FindControlKind(lines, "TcxButton"), "bitbtn");
  EXPECT_EQ(FindControlKind(lines, "TWWDBCombobox"), "combobox");
  EXPECT_FALSE(FindControlKind(lines, "TButton").has_value());
}

TEST(SkinControlList, ListsAreCopiedOnAssignment) {
  TSkinControlList list;
  TStringList source;
  source.Add("TX=edit");
  list.SetEdit(&source);
  source.Add("TY=edit");
  EXPECT_EQ(list.Edit()->Count(), 1);
  list.SetEdit(nullptr);
  EXPECT_EQ(list.Edit()->Count(), 0);
  const auto props = TSkinControlList::StaticClass().PropList();
  ASSERT_EQ(props.size(), 4u);
  EXPECT_EQ(props[0]->Name, "Edit");
  EXPECT_EQ(props[3]->Name, "Radiobutton");
}
