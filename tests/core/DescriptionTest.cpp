#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Classes.h"
#include "framework/core/Description.h"
#include "tests/core/TestClasses.h"

namespace {

class Description : public testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

// A form that uses every kind of value the format has.
std::unique_ptr<TTestForm> BuildSampleForm() {
  auto form = std::make_unique<TTestForm>(nullptr);
  form->SetName("Form1");
  form->Caption = u"渐变字代码生成器";
  form->Left = -8;
  form->Font()->Height = -12;
  form->Font()->Style = {fsBold, fsUnderline};
  form->OnClick = TNotifyEvent::Bind<&TTestForm::FormClick>(form.get());

  auto* data = new TTestData(form.get());
  data->SetName("Data1");
  data->Active = true;
  const char archive[] = "\x01\x02\xFF\x00zip";
  data->SkinStream.WriteBuffer(archive, sizeof archive);
  auto* item = static_cast<TTestItem*>(data->Store()->Add());
  item->Data.WriteBuffer("abc", 3);
  data->Store()->Add();  // an item with empty data
  data->OnChanged = TNotifyEvent::Bind<&TTestForm::Button1Click>(form.get());

  auto* panel = new TTestControl(form.get());
  panel->SetName("Panel1");
  panel->SetParentComponent(form.get());
  panel->Color = 0x00FF00FF;
  panel->Alignment = taCenter;

  auto* button = new TTestControl(form.get());
  button->SetName("Button1");
  button->SetParentComponent(panel);
  button->Caption = u"it's \"quoted\"\r\n😀 tab\t";
  button->Hint = "头";
  button->Visible = false;
  button->Color = 0xFF;  // clRed
  button->SetTag(5555);
  button->Items()->SetText("one\n'two'\nthree");
  button->OnClick = TNotifyEvent::Bind<&TTestForm::Button1Click>(form.get());
  panel->SetBuddy(button);  // a reference to a component written after it
  return form;
}

TEST_F(Description, WrittenAndReadBackIdentically) {
  auto form = BuildSampleForm();
  const String text = WriteComponentToText(form.get());

  TTestForm copy(nullptr);
  ReadComponentFromText(text, &copy);
  EXPECT_EQ(WriteComponentToText(&copy), text);

  EXPECT_EQ(copy.Name(), "Form1");
  EXPECT_EQ(copy.Caption, u"渐变字代码生成器");
  EXPECT_EQ(copy.Font()->Style, (TTestStyles{fsBold, fsUnderline}));
  ASSERT_NE(copy.Button1, nullptr);  // published field filled in
  EXPECT_EQ(copy.Button1->Caption, u"it's \"quoted\"\r\n😀 tab\t");
  EXPECT_EQ(copy.Button1->Hint, "头");
  EXPECT_EQ(copy.Button1->Items()->Strings(1), "'two'");
  EXPECT_EQ(copy.Button1->Tag(), 5555);
  auto* panel = static_cast<TTestControl*>(copy.FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Buddy(), copy.Button1);
  EXPECT_EQ(copy.Button1->GetParentComponent(), panel);
  EXPECT_EQ(panel->GetParentComponent(), &copy);
  ASSERT_NE(copy.Data1, nullptr);
  EXPECT_EQ(copy.Data1->SkinStream.Bytes(),
            form->Data1 ? form->Data1->SkinStream.Bytes()
                        : static_cast<TTestData*>(form->FindComponent("Data1"))->SkinStream.Bytes());
  ASSERT_EQ(copy.Data1->Store()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Data1->Store()->Items(0))->Data.Size(), 3);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Data1->Store()->Items(1))->Data.Size(), 0);

  copy.Button1->OnClick(copy.Button1);
  copy.OnClick(&copy);
  EXPECT_EQ(copy.Clicks, (std::vector<String>{"Button1Click", "FormClick"}));
  EXPECT_EQ(copy.Button1->OnClick.Data(), &copy);  // bound to the form read into, not the original
}

TEST_F(Description, TextFormatDetails) {
  auto form = BuildSampleForm();
  const String text = WriteComponentToText(form.get());
  // Plain ASCII, properties by name, defaults left out, references and handlers by name.
  for (unsigned char c : text) EXPECT_LT(c, 0x80);
  EXPECT_NE(text.find("object Form1: TTestForm\n"), String::npos);
  EXPECT_NE(text.find("  Font.Style = [fsBold, fsUnderline]\n"), String::npos);
  EXPECT_NE(text.find("  OnClick = FormClick\n"), String::npos);
  EXPECT_NE(text.find("    Color = clFuchsia\n"), String::npos);
  EXPECT_NE(text.find("    Buddy = Button1\n"), String::npos);
  EXPECT_NE(text.find("      Items.Strings = (\n        'one'\n        '''two'''\n        'three')\n"),
            String::npos);
  EXPECT_NE(text.find("Caption = 'it''s \"quoted\"'#13#10#128512' tab'#9\n"), String::npos);
  EXPECT_NE(text.find("    Store = <\n      item\n"), String::npos);
  EXPECT_NE(text.find("        Data = {}\n      end>\n"), String::npos);
  EXPECT_EQ(text.find("Name = 'Button1'"), String::npos);  // the name is in the object line
  EXPECT_EQ(text.find("ReadOnlyCount"), String::npos);     // read-only
  EXPECT_EQ(text.find("Size ="), String::npos);            // not stored
  EXPECT_EQ(text.find("\n  Color ="), String::npos);       // equal to its default
}

TEST_F(Description, ReadsHandWrittenText) {
  const char* text =
      "object Form1: TTestForm\n"
      "  Caption = 'A'#$42'C' +\r\n"
      "    #20013'D'\n"
      "  Left = $10\n"
      "  font.height = -11\n"
      "  object Button1: TTestControl\n"
      "    Color = $8000000F\n"
      "    Buddy = Label1\n"
      "    OnClick = button1click\n"
      "  end\n"
      "  object Label1: TTestControl\n"
      "    Visible = false\n"
      "  end\n"
      "  object TTestControl\n"
      "  end\n"
      "  object Data1: TTestData\n"
      "    SkinStream = {03000000 41 42 43}\n"
      "    Store = <item Name = 'first' Data = {00FF} end item end>\n"
      "  end\n"
      "end\n";
  TTestForm form(nullptr);
  ReadComponentFromText(text, &form);
  EXPECT_EQ(form.Caption, u"ABC中D");
  EXPECT_EQ(form.Left, 16);
  EXPECT_EQ(form.Font()->Height, -11);
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_EQ(form.Button1->Color, 0x8000000Fu);
  EXPECT_EQ(form.Button1->Buddy(), form.FindComponent("Label1"));
  EXPECT_EQ(form.ComponentCount(), 4);
  EXPECT_EQ(form.Components(2)->Name(), "");  // unnamed
  ASSERT_NE(form.Data1, nullptr);
  EXPECT_EQ(form.Data1->SkinStream.Size(), 3);
  auto* first = static_cast<TTestItem*>(form.Data1->Store()->Items(0));
  EXPECT_EQ(first->Name, "first");
  EXPECT_EQ(first->Data.Bytes(), (std::vector<std::uint8_t>{0x00, 0xFF}));

  // Loaded ran once on each component, after everything (references included) was in place.
  EXPECT_EQ(form.LoadedCalls, 1);
  EXPECT_EQ(form.Button1->LoadedCalls, 1);
  EXPECT_EQ(form.Data1->LoadedCalls, 1);
  EXPECT_EQ(form.Button1->BuddyAtLoaded, form.FindComponent("Label1"));
  EXPECT_TRUE(form.Button1->StateAtLoaded.Contains(csLoading));
  EXPECT_FALSE(form.Button1->StateAtLoaded.Contains(csReading));
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

TEST_F(Description, BinaryPropertyKeepsItsContentsWhenLengthIsZero) {
  TTestForm form(nullptr);
  auto* data = new TTestData(&form);
  data->SetName("Data1");
  form.Data1 = data;
  data->SkinStream.WriteBuffer("keep", 4);
  ReadComponentFromText("object F: TTestForm object Data1: TTestData SkinStream = {00000000} end end", &form);
  EXPECT_EQ(form.Data1, data);  // an existing component of that name is read into, not replaced
  EXPECT_EQ(data->SkinStream.Size(), 4);
}

TEST_F(Description, CreatesTheRootByClassName) {
  TComponent owner(nullptr);
  TComponent* c = CreateComponentFromText("object Data9: TTestData\n  Active = True\nend", &owner);
  EXPECT_EQ(c->Owner(), &owner);
  EXPECT_TRUE(static_cast<TTestData*>(c)->Active);
  EXPECT_EQ(static_cast<TTestData*>(c)->LoadedCalls, 1);
  EXPECT_THROW(CreateComponentFromText("object X: TTestData\n  Bogus = 1\nend", &owner), EParserError);
  EXPECT_EQ(owner.ComponentCount(), 1);  // the failed one is gone
  EXPECT_THROW(CreateComponentFromText("object X: TNope end", &owner), EParserError);
}

struct TBadCase {
  const char* Text;
  int Line;
  const char* Message;
};

TEST_F(Description, MalformedInputNamesTheLineAndLeavesNothingBehind) {
  const TBadCase cases[] = {
      {"object F: TTestForm\n  object B: TNoSuchClass\n  end\nend", 2, "Class TNoSuchClass not found"},
      {"object F: TTestForm\n  Colour = 1\nend", 2, "Unknown property Colour of TTestForm"},
      {"object F: TTestForm\n  Font.Size = 1\nend", 2, "Unknown property Size of TTestFont"},
      {"object F: TTestForm\n  Left.X = 1\nend", 2, "Property Left has no sub-properties"},
      {"object F: TTestForm\n  Left = 'x'\nend", 2, "Integer expected for Left"},
      {"object F: TTestForm\n  Left = 99999999999\nend", 2, "Invalid property value: Left"},
      {"object F: TTestForm\n  Left = 12abc\nend", 2, "Invalid number"},
      {"object F: TTestForm\n\n  Alignment = taNowhere\nend", 3, "Invalid property value: Alignment"},
      {"object F: TTestForm\n  Font.Style = [fsBold, fsWide]\nend", 2, "Invalid set member fsWide"},
      {"object F: TTestForm\n  Color = clPlaid\nend", 2, "Colour expected for Color"},
      {"object F: TTestForm\n  OnClick = Missing\nend", 2, "Unknown handler Missing in TTestForm"},
      {"object F: TTestForm\n  OnClick = WrongShape\nend", 2, "Method does not match"},
      {"object F: TTestForm\n  object B: TTestControl\n    Buddy = Nobody\n  end\nend", 3,
       "Unknown component Nobody"},
      {"object F: TTestForm\n  Buddy = Data1\n  object Data1: TTestData\n  end\nend", 2,
       "does not fit property Buddy"},
      {"object F: TTestForm\n  Caption = 'open\nend", 2, "Unterminated string"},
      {"object F: TTestForm\n  Caption = #1114112\nend", 2, "Invalid character code"},
      {"object F: TTestForm\n  object D: TTestData\n    SkinStream = {123}\n  end\nend", 3, "Odd number"},
      {"object F: TTestForm\n  object D: TTestData\n    SkinStream = {0500}\n  end\nend", 3,
       "Stream read error"},
      {"object F: TTestForm\n  object D: TTestData\n    SkinStream = 5\n  end\nend", 3,
       "Binary data expected"},
      {"object F: TTestForm\n  Items.Strings = ('a' 5)\nend", 2, "String expected"},
      {"object F: TTestForm\n  object A: TTestControl\n  end\n  object a: TTestControl\n  end\nend", 4,
       "A component named a already exists"},
      {"object F: TTestForm\n  object Button1: TTestData\n  end\nend", 2, "Field Button1 of TTestForm"},
      {"object F: TTestForm\n  object B: TTestControl\n", 3, "'end' expected"},
      {"object F: TTestData\nend", 1, "Cannot read a TTestData into a TTestForm"},
      {"object F: TTestForm\nend\nextra", 3, "Text after the end"},
      {"object F: TTestForm\n  object B: TTestControl\n  end\n  Left = 1\nend", 4,
       "Property after a nested object"},
      {"thing F: TTestForm end", 1, "'object' expected"},
      {"", 1, "'object' expected"},
  };
  for (const TBadCase& c : cases) {
    TTestForm form(nullptr);
    try {
      ReadComponentFromText(c.Text, &form);
      ADD_FAILURE() << "accepted: " << c.Text;
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Line(), c.Line) << c.Text << "\n" << e.Message();
      EXPECT_NE(e.Message().find(c.Message), String::npos) << c.Text << "\n" << e.Message();
    }
    EXPECT_EQ(form.ComponentCount(), 0) << c.Text;
    EXPECT_EQ(form.Button1, nullptr);
    EXPECT_TRUE(form.Children.empty());
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(form.ComponentState().Contains(csReading));
    EXPECT_EQ(form.LoadedCalls, 0);
  }
}

TEST_F(Description, DeepNestingIsRefused) {
  String text;
  for (int i = 0; i < 100; ++i) text += "object TTestControl\n";
  for (int i = 0; i < 100; ++i) text += "end\n";
  TTestForm form(nullptr);
  EXPECT_THROW(ReadComponentFromText("object F: TTestForm\n" + text + "end", &form), EParserError);
  String lists = "object F: TTestForm\n Items.Strings = " + String(200, '(') + String(200, ')') + "\nend";
  EXPECT_THROW(ReadComponentFromText(lists, &form), EParserError);
}

TEST_F(Description, StreamsCarryTheText) {
  auto form = BuildSampleForm();
  TMemoryStream stream;
  WriteComponentToStream(stream, form.get());
  stream.SetPosition(0);
  TTestForm copy(nullptr);
  ReadComponentFromStream(stream, &copy);
  EXPECT_EQ(WriteComponentToText(&copy), WriteComponentToText(form.get()));
}

// Every object block of a text is read as one component, named or not, whether or not its class
// takes a parent; writing what was read and reading that again changes nothing.
struct TNestedRow {
  const char* Text;
  int Components;
};
void PrintTo(const TNestedRow& Row, std::ostream* Out) {
  *Out << Row.Text;
}

class DescriptionNested : public testing::TestWithParam<TNestedRow> {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

TEST_P(DescriptionNested, EachObjectIsReadOnceAndSurvivesARoundTrip) {
  TTestForm Form(nullptr);
  ReadComponentFromText(GetParam().Text, &Form);
  EXPECT_EQ(Form.ComponentCount(), GetParam().Components);
  const String Written = WriteComponentToText(&Form);
  TTestForm Again(nullptr);
  ReadComponentFromText(Written, &Again);
  EXPECT_EQ(Again.ComponentCount(), GetParam().Components) << Written;
  EXPECT_EQ(WriteComponentToText(&Again), Written);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DescriptionNested,
    testing::Values(
        TNestedRow{"object TTestForm object TTestForm\nend\nend\n", 1},
        TNestedRow{"object TTestForm\n object Inner: TTestForm\n end\nend\n", 1},
        TNestedRow{"object TTestForm\n object TTestForm\n  object TTestControl\n  end\n end\nend\n", 2},
        TNestedRow{"object TTestForm\n object TTestControl\n end\n object TTestData\n end\nend\n", 2}));

}  // namespace
