// The engine reads and writes properties of control classes it does not know through a handful of
// free functions; this checks they can be written on TypInfo.h alone, with the semantics they need.
#include <gtest/gtest.h>

#include "framework/core/Classes.h"
#include "tests/framework/core/TestClasses.h"

namespace {

String GetProperty(TObject* Obj, std::string_view Name) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  if (!P) return String();
  if (P->Kind == tkEnumeration || P->Kind == tkBoolean) return GetEnumProp(Obj, *P);
  if (P->IsOrdinal()) return IntToStr(GetOrdProp(Obj, *P));
  return String();
}

int GetIntProperty(TObject* Obj, std::string_view Name) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  return P && P->IsOrdinal() ? static_cast<int>(GetOrdProp(Obj, *P)) : -1;
}

WideString GetStringProp(TObject* Obj, std::string_view Name) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  return P && (P->Kind == tkString || P->Kind == tkWString) ? GetWideStrProp(Obj, *P) : WideString();
}

TObject* GetObjProp(TObject* Obj, std::string_view Name, const TClassInfo& Class) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  if (!P || P->Kind != tkClass) return nullptr;
  TObject* O = GetObjectProp(Obj, *P);
  return O && O->InheritsFrom(Class) ? O : nullptr;
}

TMethod GetObjMethod(TObject* Obj, std::string_view Name) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  return P && P->Kind == tkMethod ? GetMethodProp(Obj, *P) : TMethod();
}

void SetProperty(TObject* Obj, std::string_view Name, const String& Value) {
  const TPropInfo* P = GetPropInfo(Obj, Name);
  if (!P) return;
  if (P->Kind == tkEnumeration || P->Kind == tkBoolean)
    SetEnumProp(Obj, *P, Value);
  else if (P->IsOrdinal())
    SetOrdProp(Obj, *P, StrToInt(Value));
  else if (P->Kind == tkString || P->Kind == tkWString)
    SetStrProp(Obj, *P, Value);
}

TEST(PropertyAccess, EngineHelpersOnAnUnknownControl) {
  RegisterTestClasses();
  TTestForm Form(nullptr);
  TComponent* Control = CreateComponentByClassName("TTestControl", &Form);
  Control->SetName("Button1");
  Control->SetTag(5555);

  EXPECT_EQ(LowerCase(GetProperty(Control, "Alignment")), "taleftjustify");
  EXPECT_EQ(LowerCase(GetProperty(Control, "Visible")), "true");
  EXPECT_EQ(GetProperty(Control, "Tag"), "5555");
  EXPECT_EQ(GetProperty(Control, "Caption"), "");  // not ordinal
  EXPECT_EQ(GetProperty(Control, "Glyph"), "");    // absent
  EXPECT_EQ(GetIntProperty(Control, "Color"), static_cast<int>(0x8000000F));
  EXPECT_EQ(GetIntProperty(Control, "Checked"), -1);
  EXPECT_EQ(GetIntProperty(Control, "Hint"), -1);

  SetProperty(Control, "Caption", "生成代码并复制到剪切板");
  EXPECT_EQ(GetStringProp(Control, "Caption"), u"生成代码并复制到剪切板");
  SetProperty(Control, "Hint", "tip");
  EXPECT_EQ(GetStringProp(Control, "Hint"), u"tip");  // narrow strings come back widened
  SetProperty(Control, "Alignment", "taCenter");
  SetProperty(Control, "Left", "-3");
  EXPECT_EQ(GetIntProperty(Control, "Left"), -3);
  SetProperty(Control, "Visible", "False");
  EXPECT_EQ(GetIntProperty(Control, "Visible"), 0);

  EXPECT_NE(GetObjProp(Control, "Font", TPersistent::StaticClass()), nullptr);
  EXPECT_EQ(GetObjProp(Control, "Font", TComponent::StaticClass()), nullptr);  // not of that class
  EXPECT_EQ(GetObjProp(Control, "Caption", TObject::StaticClass()), nullptr);

  EXPECT_FALSE(GetObjMethod(Control, "OnClick").Assigned());
  SetMethodProp(Control, "OnClick", FindMethod(&Form, "Button1Click"));
  TMethod M = GetObjMethod(Control, "OnClick");
  ASSERT_TRUE(M.Assigned());
  TNotifyEvent::FromMethod(M)(Control);  // the engine reports a click through the method it found
  EXPECT_EQ(Form.Clicks, std::vector<String>{"Button1Click"});
}

}  // namespace
