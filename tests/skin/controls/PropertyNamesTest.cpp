// The skinning engine reads the published properties of controls by name (caption, font, glyph
// layout, check state, scroll range, status panels, media-player buttons and so on) and behaves
// differently when a name is missing. This table lists, class by class, the names the engine reads
// from that class, and checks that the framework's class publishes each one where the engine looks
// it up, and that it reads back as the engine reads it (enumerations by value name).
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/app/Application.h"

namespace {

struct NamesRow {
  const char* Class;
  std::vector<const char*> Names;
  // A collection property whose items the engine reads, and the names it reads from an item.
  const char* Collection = nullptr;
  std::vector<const char*> ItemNames = {};
};

std::ostream& operator<<(std::ostream& Out, const NamesRow& Row) {
  return Out << Row.Class;
}

// What every visible control is asked: colour, font and text for painting, state for the frame, the
// tag that exempts it, and the hint the engine's overlays copy.
#define CONTROL_NAMES "Caption", "Font", "Color", "Visible", "Enabled", "Tag", "Hint", "ShowHint"
// What a control whose scroll bars the engine replaces is asked.
#define SCROLLING_NAMES "Visible", "Enabled", "Tag", "BorderStyle", "Font", "Color"

const NamesRow kRows[] = {
    // Push buttons: the face frame, the caption, glyph and image-list layout.
    {"TButton", {CONTROL_NAMES, "Default"}},
    {"TBitBtn", {CONTROL_NAMES, "Default", "Glyph", "NumGlyphs", "Layout", "Margin", "Spacing", "Kind"}},
    {"TSpeedButton",
     {"Caption", "Font", "Visible", "Enabled", "Tag", "Glyph", "NumGlyphs", "Layout", "Margin", "Spacing",
      "Flat", "Down"}},
    // Check marks: the state of three-state boxes, else the checked flag.
    {"TCheckBox", {CONTROL_NAMES, "State", "Checked", "Alignment"}},
    {"TRadioButton", {CONTROL_NAMES, "Checked", "Alignment"}},
    {"TCheckListBox", {SCROLLING_NAMES}},
    // Scroll bars and the controls that get skinned ones.
    {"TScrollBar",
     {"Visible", "Enabled", "Tag", "Kind", "Position", "Min", "Max", "PageSize", "ShowHint", "Hint"}},
    {"TMemo", {SCROLLING_NAMES}},
    {"TListBox", {SCROLLING_NAMES}},
    {"TScrollBox", {SCROLLING_NAMES}},
    {"TStringGrid", {SCROLLING_NAMES, "FixedColor", "FixedTextColor"}},
    {"TTreeView", {SCROLLING_NAMES}},
    {"TListView", {SCROLLING_NAMES}},
    // Edits, combo boxes, date-time pickers, up-downs.
    {"TEdit", {"Font", "Color", "Visible", "Enabled", "Tag"}},
    {"TComboBox", {"Font", "Color", "Visible", "Enabled", "Tag", "Style"}},
    {"TDateTimePicker", {"Font", "Color", "Visible", "Enabled", "Tag", "DateMode", "Kind"}},
    {"TUpDown", {"Visible", "Enabled", "Tag", "Orientation", "Min", "Max", "Position"}},
    // Containers: the face colour replaces theirs; group boxes draw their caption.
    {"TPanel", {CONTROL_NAMES, "Alignment"}},
    {"TGroupBox", {CONTROL_NAMES}},
    {"TRadioGroup", {CONTROL_NAMES}},
    {"TStatusBar",
     {"Font", "Color", "Visible", "Enabled", "Tag", "SimplePanel", "SimpleText", "OnDrawPanel"},
     "Panels",
     {"Text", "Bevel", "Alignment", "Style", "BiDiMode"}},
    {"TToolBar",
     {"Font", "Color", "Visible", "Enabled", "Tag", "Flat", "Images", "Menu", "OnCustomDraw",
      "OnCustomDrawButton"}},
    {"TToolButton",
     {"Caption", "Visible", "Enabled", "Tag", "MenuItem", "ImageIndex", "DropdownMenu", "Style"}},
    {"TCoolBar", {"Font", "Color", "Visible", "Enabled", "Tag"}, "Bands", {"Color", "Control"}},
    // Tabs.
    {"TPageControl", {"Font", "Visible", "Enabled", "Tag", "Style", "Images", "TabPosition"}},
    {"TTabControl", {"Font", "Visible", "Enabled", "Tag", "Style", "Images", "TabPosition"}},
    {"TTabSheet", {"Caption", "Font", "Visible", "Enabled", "Tag", "ImageIndex"}},
    {"TTabSet",
     {"Font", "Visible", "Enabled", "Tag", "Tabs", "TabIndex", "StartMargin", "EndMargin", "FirstIndex"}},
    // Bars, headers and lists.
    {"TTrackBar", {"Visible", "Enabled", "Tag", "Orientation", "Min", "Max", "Position"}},
    {"TProgressBar", {"Visible", "Enabled", "Tag", "Orientation", "Min", "Max", "Position"}},
    {"THeaderControl", {"Font", "Visible", "Enabled", "Tag"}, "Sections", {"Text", "Alignment"}},
    // The media player's buttons are drawn from three published sets.
    {"TMediaPlayer", {"Visible", "Enabled", "Tag", "VisibleButtons", "EnabledButtons", "ColoredButtons"}},
    // Forms, frames and the parent colour that every skinned control falls back on.
    {"TForm", {CONTROL_NAMES, "Menu", "BorderStyle"}},
    {"TFrame", {"Font", "Color", "Visible", "Enabled", "Tag"}},
    // Menus drawn by the engine.
    {"TMenuItem",
     {"Caption", "Checked", "Enabled", "Default", "ImageIndex", "ShortCut", "Visible", "RadioItem"}},
    {"TMainMenu", {"Images", "OwnerDraw", "Tag"}},
    {"TPopupMenu", {"Images", "OwnerDraw", "Tag", "AutoPopup"}},
    // Welcome in the gallery, read by the engine where another component set's class is mapped.
    {"TLabel", {"Caption", "Font", "Color", "Visible", "Enabled", "Tag", "Transparent", "Alignment"}},
};

class PublishedNames : public ::testing::TestWithParam<NamesRow> {};

// The engine's reading of a property, as text: enumeration value names, numbers for the other
// ordinals, text for strings; only checked to work, not for its value.
void ReadAsTheEngineDoes(TObject* Object, const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case tkBoolean:
    case tkEnumeration:
      EXPECT_FALSE(GetEnumProp(Object, Prop).empty()) << Prop.Name;
      break;
    case tkSet:
      EXPECT_NO_THROW(GetSetProp(Object, Prop)) << Prop.Name;
      break;
    case tkInteger:
    case tkColor:
      EXPECT_NO_THROW(GetOrdProp(Object, Prop)) << Prop.Name;
      break;
    case tkString:
    case tkWString:
      EXPECT_NO_THROW(GetWideStrProp(Object, Prop)) << Prop.Name;
      break;
    case tkClass:
      EXPECT_NO_THROW(GetObjectProp(Object, Prop)) << Prop.Name;
      break;
    case tkMethod:
      EXPECT_NO_THROW(GetMethodProp(Object, Prop)) << Prop.Name;
      break;
  }
}

TEST_P(PublishedNames, AreFoundWhereTheEngineLooksThemUp) {
  const NamesRow& Row = GetParam();
  ASSERT_NE(Application, nullptr);  // the framework's classes are registered with it
  if (!FindComponentClass(Row.Class)) GTEST_SKIP() << Row.Class << " is not a registered class yet";
  std::unique_ptr<TComponent> Control(CreateComponentByClassName(Row.Class, nullptr));
  ASSERT_NE(Control, nullptr);
  for (const char* Name : Row.Names) {
    const TPropInfo* Prop = GetPropInfo(Control.get(), Name);
    EXPECT_NE(Prop, nullptr) << Row.Class << " does not publish " << Name;
    // The engine upper-cases nothing: the name is found in any case, as the look-up promises.
    EXPECT_EQ(GetPropInfo(Control.get(), UpperCase(Name)), Prop) << Name;
    if (Prop) ReadAsTheEngineDoes(Control.get(), *Prop);
  }
  if (!Row.Collection) return;
  const TPropInfo* Items = GetPropInfo(Control.get(), Row.Collection);
  ASSERT_NE(Items, nullptr) << Row.Class << " does not publish " << Row.Collection;
  auto* Collection = dynamic_cast<TCollection*>(GetObjectProp(Control.get(), *Items));
  ASSERT_NE(Collection, nullptr) << Row.Collection << " is not a collection";
  TCollectionItem* Item = Collection->Add();
  for (const char* Name : Row.ItemNames) {
    const TPropInfo* Prop = GetPropInfo(Item, Name);
    EXPECT_NE(Prop, nullptr) << Row.Class << "." << Row.Collection << " items do not publish " << Name;
    if (Prop) ReadAsTheEngineDoes(Item, *Prop);
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, PublishedNames, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<NamesRow>& Info) {
                           return std::string(Info.param.Class);
                         });

}  // namespace
