// Published properties by name: every name the painters and descriptions use is there, readable,
// and takes back what it gave; values set by name act on the control.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/core/TypInfo.h"
#include "framework/win/app/Application.h"
#include "tests/framework/win/controls/stdctrls/StdCtrlsTestUtil.h"

namespace {

struct TNamesRow {
  const char* Class;
  std::vector<const char*> Names;
};

// Shared by every control: what the painters read from any of them.
const std::vector<const char*> kCommon = {
    "Caption", "Font",  "Color",  "Visible", "Enabled",     "Hint",       "ShowHint", "Tag",    "Left",
    "Top",     "Width", "Height", "Align",   "ParentColor", "ParentFont", "BiDiMode", "OnClick"};

const TNamesRow kNames[] = {
    {"TPanel", {"BevelOuter", "BevelInner", "BevelWidth", "BorderWidth", "BorderStyle", "Alignment"}},
    {"TLabel",
     {"Alignment", "AutoSize", "Layout", "Transparent", "WordWrap", "FocusControl", "ShowAccelChar"}},
    {"TImage", {"Picture", "Stretch", "Center", "Proportional", "Transparent", "AutoSize"}},
    {"TBevel", {"Shape", "Style"}},
    {"TShape", {"Shape", "Pen", "Brush"}},
    {"TCheckBox", {"State", "Checked", "AllowGrayed", "Alignment", "TabStop", "TabOrder"}},
    {"TRadioButton", {"Checked", "Alignment", "TabStop"}},
    {"TGroupBox", {"TabOrder"}},
    {"TRadioGroup", {"Items", "ItemIndex", "Columns"}},
    {"TBitBtn",
     {"Glyph", "NumGlyphs", "Layout", "Margin", "Spacing", "Kind", "Default", "Cancel", "ModalResult",
      "Images", "ImageIndex", "DisabledIndex", "Alignment"}},
    {"TSpeedButton",
     {"Glyph", "NumGlyphs", "Layout", "Margin", "Spacing", "Flat", "Down", "GroupIndex", "AllowAllUp",
      "Transparent", "Images", "ImageIndex", "DisabledIndex", "Alignment"}},
    {"TMemo",
     {"Lines", "ScrollBars", "WordWrap", "Alignment", "ReadOnly", "MaxLength", "BorderStyle", "WantReturns",
      "WantTabs", "OnChange"}},
    {"TEdit", {"Text", "ReadOnly", "MaxLength", "BorderStyle", "OnChange"}},
    {"TListBox",
     {"Items", "ItemIndex", "Style", "Sorted", "MultiSelect", "ExtendedSelect", "ItemHeight", "Columns",
      "IntegralHeight", "BorderStyle", "OnDrawItem"}},
    {"TCheckListBox",
     {"Items", "ItemIndex", "AllowGrayed", "HeaderColor", "HeaderBackgroundColor", "OnClickCheck"}},
    {"TComboBox",
     {"Style", "Items", "ItemIndex", "Text", "DropDownCount", "Sorted", "ItemHeight", "MaxLength", "OnChange",
      "OnSelect", "OnDrawItem"}},
    {"TScrollBar",
     {"Kind", "Position", "Min", "Max", "PageSize", "SmallChange", "LargeChange", "OnChange", "OnScroll"}},
    {"TScrollBox", {"AutoScroll", "BorderStyle"}},
    {"TStringGrid",
     {"FixedColor", "FixedTextColor", "FixedCols", "FixedRows", "ColCount", "RowCount", "DefaultColWidth",
      "DefaultRowHeight", "Options", "ScrollBars", "BorderStyle", "GridLineWidth", "OnDrawCell"}},
};

std::unique_ptr<TComponent> Make(const char* Class) {
  return std::unique_ptr<TComponent>(CreateComponentByClassName(Class, nullptr));
}

class PropertyNames : public ::testing::TestWithParam<TNamesRow> {};

TEST_P(PropertyNames, AreFoundReadAndTakeBackWhatTheyGave) {
  const TNamesRow& Row = GetParam();
  auto Control = Make(Row.Class);
  ASSERT_NE(Control, nullptr) << Row.Class;
  std::vector<const char*> Names = kCommon;
  Names.insert(Names.end(), Row.Names.begin(), Row.Names.end());
  for (const char* Name : Names) {
    const TPropInfo* Prop = GetPropInfo(Control.get(), Name);
    ASSERT_NE(Prop, nullptr) << Row.Class << "." << Name;
    // Upper-cased names reach the same property, as painters look them up.
    EXPECT_EQ(GetPropInfo(Control.get(), UpperCase(Name)), Prop);
    if (!Prop->IsWritable()) continue;
    switch (Prop->Kind) {
      case tkInteger:
      case tkBoolean:
      case tkEnumeration:
      case tkSet:
      case tkColor: {
        const std::int64_t Value = GetOrdProp(Control.get(), *Prop);
        SetOrdProp(Control.get(), *Prop, Value);
        EXPECT_EQ(GetOrdProp(Control.get(), *Prop), Value) << Row.Class << "." << Name;
        break;
      }
      case tkString:
      case tkWString: {
        SetStrProp(Control.get(), *Prop, "Täxt");
        EXPECT_EQ(GetStrProp(Control.get(), *Prop), "Täxt") << Row.Class << "." << Name;
        break;
      }
      case tkClass:
        EXPECT_TRUE(Prop->GetObj) << Name;
        break;
      case tkMethod:
        EXPECT_FALSE(GetMethodProp(Control.get(), *Prop).Assigned()) << Name;
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(StdControls, PropertyNames, ::testing::ValuesIn(kNames));

// A value set by name and what it does to the control, read back through other properties.
struct TValueRow {
  const char* Class;
  const char* Name;
  const char* Value;     // an enumeration name or a number
  const char* Effect;    // another property...
  const char* Expected;  // ...and its value as GetEnumProp or the number
};

const TValueRow kValues[] = {
    {"TCheckBox", "State", "cbChecked", "Checked", "True"},
    {"TCheckBox", "Checked", "True", "State", "cbChecked"},
    {"TCheckBox", "State", "cbGrayed", "Checked", "False"},
    {"TRadioButton", "Checked", "True", "TabStop", "True"},
    {"TBitBtn", "Kind", "bkOK", "Default", "True"},
    {"TBitBtn", "Kind", "bkCancel", "Cancel", "True"},
    {"TBitBtn", "Kind", "bkCancel", "ModalResult", "2"},
    {"TBitBtn", "Kind", "bkYes", "NumGlyphs", "2"},
    {"TScrollBar", "Position", "150", "Position", "100"},  // within Min..Max
    {"TScrollBar", "Min", "20", "Position", "20"},
    {"TSpeedButton", "Down", "True", "Down", "False"},  // without a group it comes up
    {"TSpeedButton", "GroupIndex", "1", "Down", "False"},
    {"TStringGrid", "ColCount", "1", "FixedCols", "0"},  // fixed columns make room
    {"TPanel", "BevelWidth", "0", "BevelWidth", "1"},
    {"TListBox", "ItemIndex", "5", "ItemIndex", "-1"},  // no such line
};

class PropertyValues : public ::testing::TestWithParam<TValueRow> {};

TEST_P(PropertyValues, SetByNameActOnTheControl) {
  const TValueRow& Row = GetParam();
  auto Control = Make(Row.Class);
  const TPropInfo* Prop = GetPropInfo(Control.get(), Row.Name);
  ASSERT_NE(Prop, nullptr);
  if (Prop->Kind == tkInteger)
    SetOrdProp(Control.get(), *Prop, StrToInt(Row.Value));
  else
    SetEnumProp(Control.get(), *Prop, Row.Value);
  const TPropInfo* Effect = GetPropInfo(Control.get(), Row.Effect);
  ASSERT_NE(Effect, nullptr);
  const String Got = Effect->Kind == tkInteger ? IntToStr(GetOrdProp(Control.get(), *Effect))
                                               : GetEnumProp(Control.get(), *Effect);
  EXPECT_EQ(Got, Row.Expected) << Row.Class << "." << Row.Name << " = " << Row.Value;
}

INSTANTIATE_TEST_SUITE_P(StdControls, PropertyValues, ::testing::ValuesIn(kValues));

TEST(PropertyValues, OutOfRangeSettingsRaiseInsteadOfBreakingTheControl) {
  auto Bar = Make("TScrollBar");
  SetOrdProp(Bar.get(), "Max", 10);
  EXPECT_THROW(SetOrdProp(Bar.get(), "Max", -5), Exception);  // below Min
  EXPECT_EQ(GetOrdProp(Bar.get(), "Max"), 10);
  EXPECT_THROW(SetOrdProp(Bar.get(), "PageSize", 50), Exception);  // more than the range
  auto Grid = Make("TStringGrid");
  EXPECT_THROW(SetOrdProp(Grid.get(), "FixedRows", 5), Exception);
  EXPECT_THROW(SetOrdProp(Grid.get(), "RowCount", 0), Exception);
  EXPECT_THROW(SetOrdProp(Grid.get(), "ColCount", 1 << 30), Exception);
  EXPECT_EQ(GetOrdProp(Grid.get(), "RowCount"), 5);
}

}  // namespace
