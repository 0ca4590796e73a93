#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Classes.h"
#include "framework/core/Description.h"
#include "tests/framework/core/TestClasses.h"

namespace {

class Description : public testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

// A form that uses every kind of value the format has.
std::unique_ptr<TTestForm> BuildSampleForm() {
  auto Form = std::make_unique<TTestForm>(nullptr);
  Form->SetName("Form1");
  Form->Caption = u"渐变字代码生成器";
  Form->Left = -8;
  Form->Font()->Height = -12;
  Form->Font()->Style = {fsBold, fsUnderline};
  Form->OnClick = TNotifyEvent::Bind<&TTestForm::FormClick>(Form.get());

  auto* Data = new TTestData(Form.get());
  Data->SetName("Data1");
  Data->Active = true;
  const char Archive[] = "\x01\x02\xFF\x00zip";
  Data->SkinStream.WriteBuffer(Archive, sizeof Archive);
  auto* Item = static_cast<TTestItem*>(Data->Store()->Add());
  Item->Data.WriteBuffer("abc", 3);
  Data->Store()->Add();  // an item with empty data
  Data->OnChanged = TNotifyEvent::Bind<&TTestForm::Button1Click>(Form.get());

  auto* Panel = new TTestControl(Form.get());
  Panel->SetName("Panel1");
  Panel->SetParentComponent(Form.get());
  Panel->Color = 0x00FF00FF;
  Panel->Alignment = taCenter;

  auto* Button = new TTestControl(Form.get());
  Button->SetName("Button1");
  Button->SetParentComponent(Panel);
  Button->Caption = u"it's \"quoted\"\r\n😀 tab\t";
  Button->Hint = "头";
  Button->Visible = false;
  Button->Color = 0xFF;  // clRed
  Button->SetTag(5555);
  Button->Items()->SetText("one\n'two'\nthree");
  Button->OnClick = TNotifyEvent::Bind<&TTestForm::Button1Click>(Form.get());
  Panel->SetBuddy(Button);  // a reference to a component written after it
  return Form;
}

TEST_F(Description, WrittenAndReadBackIdentically) {
  auto Form = BuildSampleForm();
  const String Text = WriteComponentToText(Form.get());

  TTestForm Copy(nullptr);
  ReadComponentFromText(Text, &Copy);
  EXPECT_EQ(WriteComponentToText(&Copy), Text);

  EXPECT_EQ(Copy.Name(), "Form1");
  EXPECT_EQ(Copy.Caption, u"渐变字代码生成器");
  EXPECT_EQ(Copy.Font()->Style, (TTestStyles{fsBold, fsUnderline}));
  ASSERT_NE(Copy.Button1, nullptr);  // published field filled in
  EXPECT_EQ(Copy.Button1->Caption, u"it's \"quoted\"\r\n😀 tab\t");
  EXPECT_EQ(Copy.Button1->Hint, "头");
  EXPECT_EQ(Copy.Button1->Items()->Strings(1), "'two'");
  EXPECT_EQ(Copy.Button1->Tag(), 5555);
  auto* Panel = static_cast<TTestControl*>(Copy.FindComponent("Panel1"));
  ASSERT_NE(Panel, nullptr);
  EXPECT_EQ(Panel->Buddy(), Copy.Button1);
  EXPECT_EQ(Copy.Button1->GetParentComponent(), Panel);
  EXPECT_EQ(Panel->GetParentComponent(), &Copy);
  ASSERT_NE(Copy.Data1, nullptr);
  EXPECT_EQ(Copy.Data1->SkinStream.Bytes(),
            Form->Data1 ? Form->Data1->SkinStream.Bytes()
                        : static_cast<TTestData*>(Form->FindComponent("Data1"))->SkinStream.Bytes());
  ASSERT_EQ(Copy.Data1->Store()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(Copy.Data1->Store()->Items(0))->Data.Size(), 3);
  EXPECT_EQ(static_cast<TTestItem*>(Copy.Data1->Store()->Items(1))->Data.Size(), 0);

  Copy.Button1->OnClick(Copy.Button1);
  Copy.OnClick(&Copy);
  EXPECT_EQ(Copy.Clicks, (std::vector<String>{"Button1Click", "FormClick"}));
  EXPECT_EQ(Copy.Button1->OnClick.Data(), &Copy);  // bound to the form read into, not the original
}

TEST_F(Description, TextFormatDetails) {
  auto Form = BuildSampleForm();
  const String Text = WriteComponentToText(Form.get());
  // Plain ASCII, properties by name, defaults left out, references and handlers by name.
  for (unsigned char C : Text) EXPECT_LT(C, 0x80);
  EXPECT_NE(Text.find("object Form1: TTestForm\n"), String::npos);
  EXPECT_NE(Text.find("  Font.Style = [fsBold, fsUnderline]\n"), String::npos);
  EXPECT_NE(Text.find("  OnClick = FormClick\n"), String::npos);
  EXPECT_NE(Text.find("    Color = clFuchsia\n"), String::npos);
  EXPECT_NE(Text.find("    Buddy = Button1\n"), String::npos);
  EXPECT_NE(Text.find("      Items.Strings = (\n        'one'\n        '''two'''\n        'three')\n"),
            String::npos);
  EXPECT_NE(Text.find("Caption = 'it''s \"quoted\"'#13#10#128512' tab'#9\n"), String::npos);
  EXPECT_NE(Text.find("    Store = <\n      item\n"), String::npos);
  EXPECT_NE(Text.find("        Data = {}\n      end>\n"), String::npos);
  EXPECT_EQ(Text.find("Name = 'Button1'"), String::npos);  // the name is in the object line
  EXPECT_EQ(Text.find("ReadOnlyCount"), String::npos);     // read-only
  EXPECT_EQ(Text.find("Size ="), String::npos);            // not stored
  EXPECT_EQ(Text.find("\n  Color ="), String::npos);       // equal to its default
}

TEST_F(Description, ReadsHandWrittenText) {
  const char* Text =
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
  TTestForm Form(nullptr);
  ReadComponentFromText(Text, &Form);
  EXPECT_EQ(Form.Caption, u"ABC中D");
  EXPECT_EQ(Form.Left, 16);
  EXPECT_EQ(Form.Font()->Height, -11);
  ASSERT_NE(Form.Button1, nullptr);
  EXPECT_EQ(Form.Button1->Color, 0x8000000Fu);
  EXPECT_EQ(Form.Button1->Buddy(), Form.FindComponent("Label1"));
  EXPECT_EQ(Form.ComponentCount(), 4);
  EXPECT_EQ(Form.Components(2)->Name(), "");  // unnamed
  ASSERT_NE(Form.Data1, nullptr);
  EXPECT_EQ(Form.Data1->SkinStream.Size(), 3);
  auto* First = static_cast<TTestItem*>(Form.Data1->Store()->Items(0));
  EXPECT_EQ(First->Name, "first");
  EXPECT_EQ(First->Data.Bytes(), (std::vector<std::uint8_t>{0x00, 0xFF}));

  // Loaded ran once on each component, after everything (references included) was in place.
  EXPECT_EQ(Form.LoadedCalls, 1);
  EXPECT_EQ(Form.Button1->LoadedCalls, 1);
  EXPECT_EQ(Form.Data1->LoadedCalls, 1);
  EXPECT_EQ(Form.Button1->BuddyAtLoaded, Form.FindComponent("Label1"));
  EXPECT_TRUE(Form.Button1->StateAtLoaded.Contains(csLoading));
  EXPECT_FALSE(Form.Button1->StateAtLoaded.Contains(csReading));
  EXPECT_FALSE(Form.ComponentState().Contains(csLoading));
}

TEST_F(Description, BinaryPropertyKeepsItsContentsWhenLengthIsZero) {
  TTestForm Form(nullptr);
  auto* Data = new TTestData(&Form);
  Data->SetName("Data1");
  Form.Data1 = Data;
  Data->SkinStream.WriteBuffer("keep", 4);
  ReadComponentFromText("object F: TTestForm object Data1: TTestData SkinStream = {00000000} end end", &Form);
  EXPECT_EQ(Form.Data1, Data);  // an existing component of that name is read into, not replaced
  EXPECT_EQ(Data->SkinStream.Size(), 4);
}

TEST_F(Description, CreatesTheRootByClassName) {
  TComponent Owner(nullptr);
  TComponent* C = CreateComponentFromText("object Data9: TTestData\n  Active = True\nend", &Owner);
  EXPECT_EQ(C->Owner(), &Owner);
  EXPECT_TRUE(static_cast<TTestData*>(C)->Active);
  EXPECT_EQ(static_cast<TTestData*>(C)->LoadedCalls, 1);
  EXPECT_THROW(CreateComponentFromText("object X: TTestData\n  Bogus = 1\nend", &Owner), EParserError);
  EXPECT_EQ(Owner.ComponentCount(), 1);  // the failed one is gone
  EXPECT_THROW(CreateComponentFromText("object X: TNope end", &Owner), EParserError);
}

struct TBadCase {
  const char* Text;
  int Line;
  const char* Message;
};

TEST_F(Description, MalformedInputNamesTheLineAndLeavesNothingBehind) {
  const TBadCase Cases[] = {
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
  for (const TBadCase& C : Cases) {
    TTestForm Form(nullptr);
    try {
      ReadComponentFromText(C.Text, &Form);
      ADD_FAILURE() << "accepted: " << C.Text;
    } catch (const EParserError& E) {
      EXPECT_EQ(E.Line(), C.Line) << C.Text << "\n" << E.Message();
      EXPECT_NE(E.Message().find(C.Message), String::npos) << C.Text << "\n" << E.Message();
    }
    EXPECT_EQ(Form.ComponentCount(), 0) << C.Text;
    EXPECT_EQ(Form.Button1, nullptr);
    EXPECT_TRUE(Form.Children.empty());
    EXPECT_FALSE(Form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(Form.ComponentState().Contains(csReading));
    EXPECT_EQ(Form.LoadedCalls, 0);
  }
}

TEST_F(Description, DeepNestingIsRefused) {
  String Text;
  for (int I = 0; I < 100; ++I) Text += "object TTestControl\n";
  for (int I = 0; I < 100; ++I) Text += "end\n";
  TTestForm Form(nullptr);
  EXPECT_THROW(ReadComponentFromText("object F: TTestForm\n" + Text + "end", &Form), EParserError);
  String Lists = "object F: TTestForm\n Items.Strings = " + String(200, '(') + String(200, ')') + "\nend";
  EXPECT_THROW(ReadComponentFromText(Lists, &Form), EParserError);
}

TEST_F(Description, StreamsCarryTheText) {
  auto Form = BuildSampleForm();
  TMemoryStream Stream;
  WriteComponentToStream(Stream, Form.get());
  Stream.SetPosition(0);
  TTestForm Copy(nullptr);
  ReadComponentFromStream(Stream, &Copy);
  EXPECT_EQ(WriteComponentToText(&Copy), WriteComponentToText(Form.get()));
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
