// The properties that the skinning engine and descriptions reach by name: published under that
// name on each common control, readable, and writable with the value read back, while the control's
// window exists.
#include <gtest/gtest.h>

#include <memory>

#include "framework/core/TypInfo.h"
#include "framework/win/app/Application.h"
#include "framework/win/controls/ComCtrls.h"
#include "tests/framework/win/controls/comctrls/ComCtrlsTestUtil.h"

namespace {

struct TPropCase {
  const char* ClassName;
  const char* Property;
  // The value written and expected back: a number, a value name, a set or a string; "(object)"
  // only checks that a sub-object is there, "(nil)" that a reference reads empty, "(event)" that
  // an event reads unassigned.
  const char* Value;
};

const TPropCase kPropCases[] = {
    {"TTrackBar", "Orientation", "trVertical"},
    {"TTrackBar", "TickStyle", "tsManual"},
    {"TTrackBar", "TickMarks", "tmBoth"},
    {"TTrackBar", "Min", "-5"},
    {"TTrackBar", "Max", "50"},
    {"TTrackBar", "Position", "7"},
    {"TTrackBar", "Frequency", "5"},
    {"TTrackBar", "Color", "255"},
    {"TTrackBar", "OnChange", "(event)"},
    {"TProgressBar", "Min", "10"},
    {"TProgressBar", "Max", "20"},
    {"TProgressBar", "Position", "15"},
    {"TProgressBar", "Orientation", "pbVertical"},
    {"TProgressBar", "Smooth", "True"},
    {"TStatusBar", "Panels", "(object)"},
    {"TStatusBar", "SimplePanel", "True"},
    {"TStatusBar", "SimpleText", "Ready"},
    {"TStatusBar", "SizeGrip", "False"},
    {"TStatusBar", "Font", "(object)"},
    {"TStatusBar", "OnDrawPanel", "(event)"},
    {"TStatusPanel", "Text", "Line 1"},
    {"TStatusPanel", "Width", "80"},
    {"TStatusPanel", "Bevel", "pbRaised"},
    {"TStatusPanel", "Alignment", "taCenter"},
    {"TStatusPanel", "Style", "psOwnerDraw"},
    {"TStatusPanel", "BiDiMode", "bdRightToLeft"},
    {"TTabControl", "Style", "tsFlatButtons"},
    {"TTabControl", "TabPosition", "tpRight"},
    {"TTabControl", "MultiLine", "True"},
    {"TTabControl", "Images", "(nil)"},
    {"TTabControl", "Tabs", "(object)"},
    {"TTabControl", "TabIndex", "-1"},
    {"TTabControl", "OnChange", "(event)"},
    {"TPageControl", "Style", "tsButtons"},
    {"TPageControl", "TabPosition", "tpBottom"},
    {"TPageControl", "MultiLine", "True"},
    {"TPageControl", "Images", "(nil)"},
    {"TPageControl", "ActivePage", "(nil)"},
    {"TPageControl", "Tag", "7777"},
    {"TTabSheet", "Caption", "General"},
    {"TTabSheet", "ImageIndex", "2"},
    {"TTabSheet", "TabVisible", "False"},
    {"TTabSheet", "Color", "65280"},
    {"THeaderControl", "Sections", "(object)"},
    {"THeaderControl", "Images", "(nil)"},
    {"THeaderControl", "HotTrack", "True"},
    {"THeaderSection", "Text", "Name"},
    {"THeaderSection", "Width", "90"},
    {"THeaderSection", "Alignment", "taRightJustify"},
    {"THeaderSection", "Style", "hsOwnerDraw"},
    {"TListView", "ViewStyle", "vsReport"},
    {"TListView", "Columns", "(object)"},
    {"TListView", "Items", "(object)"},
    {"TListView", "SmallImages", "(nil)"},
    {"TListView", "RowSelect", "True"},
    {"TListView", "GridLines", "True"},
    {"TListView", "BorderStyle", "bsNone"},
    {"TListColumn", "Caption", "Size"},
    {"TListColumn", "Width", "70"},
    {"TListItem", "Caption", "notes.txt"},
    {"TListItem", "ImageIndex", "1"},
    {"TListItem", "SubItems", "(object)"},
    {"TTreeView", "Items", "(object)"},
    {"TTreeView", "Images", "(nil)"},
    {"TTreeView", "ShowLines", "False"},
    {"TTreeView", "ReadOnly", "True"},
    {"TTreeView", "Indent", "24"},
    {"TTreeView", "BorderStyle", "bsNone"},
    {"TUpDown", "Associate", "(nil)"},
    {"TUpDown", "Min", "-10"},
    {"TUpDown", "Max", "10"},
    {"TUpDown", "Position", "4"},
    {"TUpDown", "Orientation", "udHorizontal"},
    {"TUpDown", "Wrap", "True"},
    {"TDateTimePicker", "Kind", "dtkTime"},
    {"TDateTimePicker", "DateMode", "dmUpDown"},
    {"TDateTimePicker", "DateFormat", "dfLong"},
    {"TDateTimePicker", "Date", "1999-12-31"},
    {"TDateTimePicker", "Time", "23:59:58"},
    {"TCoolBar", "Bands", "(object)"},
    {"TCoolBar", "Images", "(nil)"},
    {"TCoolBar", "Color", "12632256"},
    {"TCoolBand", "Control", "(nil)"},
    {"TCoolBand", "Color", "16777215"},
    {"TCoolBand", "ParentColor", "True"},
    {"TCoolBand", "Text", "Address"},
    {"TCoolBand", "Break", "False"},
    {"TFrame", "Color", "8421504"},
    {"TFrame", "Caption", "Options"},
    {"TFrame", "AutoScroll", "False"},
    {"TToolBar", "Images", "(nil)"},
    {"TToolBar", "Flat", "True"},
    {"TToolBar", "ShowCaptions", "True"},
    {"TToolBar", "List", "True"},
    {"TToolBar", "Menu", "(nil)"},
    {"TToolBar", "OnCustomDraw", "(event)"},
    {"TToolBar", "OnCustomDrawButton", "(event)"},
    {"TToolButton", "Style", "tbsDropDown"},
    {"TToolButton", "ImageIndex", "3"},
    {"TToolButton", "Down", "True"},
    {"TToolButton", "Grouped", "True"},
    {"TToolButton", "Caption", "Save"},
    {"TToolButton", "Enabled", "False"},
    {"TToolButton", "DropdownMenu", "(nil)"},
    {"TToolButton", "MenuItem", "(nil)"},
    {"TTabSet", "Tabs", "(object)"},
    {"TTabSet", "StartMargin", "8"},
    {"TTabSet", "EndMargin", "20"},
    {"TTabSet", "FirstIndex", "0"},
    {"TTabSet", "TabIndex", "-1"},
    {"TTabSet", "SelectedColor", "65535"},
    {"TTabSet", "Font", "(object)"},
    {"TMediaPlayer", "VisibleButtons", "[btPlay,btStop,btEject]"},
    {"TMediaPlayer", "EnabledButtons", "[btPause]"},
    {"TMediaPlayer", "ColoredButtons", "[]"},
    {"TMediaPlayer", "FileName", "clip.wav"},
    {"TMediaPlayer", "AutoOpen", "True"},
    {"TMediaPlayer", "OnClick", "(event)"},
};

// An object of the class, on a form whose window exists (an item in its control's collection).
class TObjects {
 public:
  TObjects() : FForm(std::make_unique<TForm>(Application)) { FForm->SetBounds(0, 0, 400, 300); }

  TObject* Make(std::string_view ClassName) {
    if (ClassName == "TStatusPanel") return Control<TStatusBar>()->Panels()->Add();
    if (ClassName == "THeaderSection") return Control<THeaderControl>()->Sections()->Add();
    if (ClassName == "TListColumn") return Control<TListView>()->Columns()->Add();
    if (ClassName == "TListItem") return Control<TListView>()->Items()->Add();
    if (ClassName == "TCoolBand") return Control<TCoolBar>()->Bands()->Add();
    if (ClassName == "TToolButton") {
      auto* Button = new TToolButton(FForm.get());
      Button->SetParent(Control<TToolBar>());
      return Button;
    }
    TComponent* Made = CreateComponentByClassName(ClassName, FForm.get());
    if (auto* Control = dynamic_cast<TControl*>(Made)) {
      if (auto* Sheet = dynamic_cast<TTabSheet*>(Control))
        Sheet->SetPageControl(this->Control<TPageControl>());
      else
        Control->SetParent(FForm.get());
    }
    if (auto* Windowed = dynamic_cast<TWinControl*>(Made)) Windowed->HandleNeeded();
    return Made;
  }

 private:
  template <class T>
  T* Control() {
    auto* Made = new T(FForm.get());
    Made->SetParent(FForm.get());
    Made->HandleNeeded();
    return Made;
  }

  std::unique_ptr<TForm> FForm;
};

String ReadBack(TObject* Object, const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case tkBoolean:
    case tkEnumeration:
      return GetEnumProp(Object, Prop);
    case tkSet:
      return GetSetProp(Object, Prop);
    case tkString:
    case tkWString:
      return GetStrProp(Object, Prop);
    default:
      return IntToStr(GetOrdProp(Object, Prop));
  }
}

void Write(TObject* Object, const TPropInfo& Prop, const String& Value) {
  switch (Prop.Kind) {
    case tkBoolean:
    case tkEnumeration:
      SetEnumProp(Object, Prop, Value);
      return;
    case tkSet:
      SetSetProp(Object, Prop, Value);
      return;
    case tkString:
    case tkWString:
      SetStrProp(Object, Prop, Value);
      return;
    default:
      SetOrdProp(Object, Prop, StrToInt64Def(Value, 0));
  }
}

TEST(Properties, EachNameIsPublishedReadableAndWritableWhileTheWindowExists) {
  TObjects Objects;
  for (const TPropCase& Case : kPropCases) {
    SCOPED_TRACE(String(Case.ClassName) + "." + Case.Property);
    TObject* Object = Objects.Make(Case.ClassName);
    ASSERT_NE(Object, nullptr);
    const TPropInfo* Prop = GetPropInfo(Object, Case.Property);
    ASSERT_NE(Prop, nullptr);
    const String Value = Case.Value;
    if (Value == "(object)") {
      EXPECT_EQ(Prop->Kind, tkClass);
      EXPECT_NE(GetObjectProp(Object, *Prop), nullptr);
    } else if (Value == "(nil)") {
      EXPECT_EQ(Prop->Kind, tkClass);
      EXPECT_TRUE(Prop->IsWritable());
      EXPECT_EQ(GetObjectProp(Object, *Prop), nullptr);
    } else if (Value == "(event)") {
      EXPECT_EQ(Prop->Kind, tkMethod);
      EXPECT_FALSE(GetMethodProp(Object, *Prop).Assigned());
    } else {
      ASSERT_TRUE(Prop->IsWritable());
      Write(Object, *Prop, Value);
      EXPECT_TRUE(SameText(ReadBack(Object, *Prop), Value)) << ReadBack(Object, *Prop);
    }
  }
}

}  // namespace
