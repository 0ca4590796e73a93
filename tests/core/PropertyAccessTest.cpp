// The engine reads and writes properties of control classes it does not know through a handful of
// free functions; this checks they can be written on TypInfo.h alone, with the semantics they need.
#include <gtest/gtest.h>

#include "framework/core/Classes.h"
#include "tests/core/TestClasses.h"

namespace {

String GetProperty(TObject* Obj, std::string_view Name) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  if (!p) return String();
  if (p->Kind == tkEnumeration || p->Kind == tkBoolean) return GetEnumProp(Obj, *p);
  if (p->IsOrdinal()) return IntToStr(GetOrdProp(Obj, *p));
  return String();
}

int GetIntProperty(TObject* Obj, std::string_view Name) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  return p && p->IsOrdinal() ? static_cast<int>(GetOrdProp(Obj, *p)) : -1;
}

WideString GetStringProp(TObject* Obj, std::string_view Name) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  return p && (p->Kind == tkString || p->Kind == tkWString) ? GetWideStrProp(Obj, *p) : WideString();
}

TObject* GetObjProp(TObject* Obj, std::string_view Name, const TClassInfo& Class) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  if (!p || p->Kind != tkClass) return nullptr;
  TObject* o = GetObjectProp(Obj, *p);
  return o && o->InheritsFrom(Class) ? o : nullptr;
}

TMethod GetObjMethod(TObject* Obj, std::string_view Name) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  return p && p->Kind == tkMethod ? GetMethodProp(Obj, *p) : TMethod();
}

void SetProperty(TObject* Obj, std::string_view Name, const String& Value) {
  const TPropInfo* p = GetPropInfo(Obj, Name);
  if (!p) return;
  if (p->Kind == tkEnumeration || p->Kind == tkBoolean)
    SetEnumProp(Obj, *p, Value);
  else if (p->IsOrdinal())
    SetOrdProp(Obj, *p, StrToInt(Value));
  else if (p->Kind == tkString || p->Kind == tkWString)
    SetStrProp(Obj, *p, Value);
}

TEST(PropertyAccess, EngineHelpersOnAnUnknownControl) {
  RegisterTestClasses();
  TTestForm form(nullptr);
  TComponent* control = CreateComponentByClassName("TTestControl", &form);
  control->SetName("Button1");
  control->SetTag(5555);

  EXPECT_EQ(LowerCase(GetProperty(control, "Alignment")), "taleftjustify");
  EXPECT_EQ(LowerCase(GetProperty(control, "Visible")), "true");
  EXPECT_EQ(GetProperty(control, "Tag"), "5555");
  EXPECT_EQ(GetProperty(control, "Caption"), "");  // not ordinal
  EXPECT_EQ(GetProperty(control, "Glyph"), "");    // absent
  EXPECT_EQ(GetIntProperty(control, "Color"), static_cast<int>(0x8000000F));
  EXPECT_EQ(GetIntProperty(control, "Checked"), -1);
  EXPECT_EQ(GetIntProperty(control, "Hint"), -1);

  SetProperty(control, "Caption", "生成代码并复制到剪切板");
  EXPECT_EQ(GetStringProp(control, "Caption"), u"生成代码并复制到剪切板");
  SetProperty(control, "Hint", "tip");
  EXPECT_EQ(GetStringProp(control, "Hint"), u"tip");  // narrow strings come back widened
  SetProperty(control, "Alignment", "taCenter");
  SetProperty(control, "Left", "-3");
  EXPECT_EQ(GetIntProperty(control, "Left"), -3);
  SetProperty(control, "Visible", "False");
  EXPECT_EQ(GetIntProperty(control, "Visible"), 0);

  EXPECT_NE(GetObjProp(control, "Font", TPersistent::StaticClass()), nullptr);
  EXPECT_EQ(GetObjProp(control, "Font", TComponent::StaticClass()), nullptr);  // not of that class
  EXPECT_EQ(GetObjProp(control, "Caption", TObject::StaticClass()), nullptr);

  EXPECT_FALSE(GetObjMethod(control, "OnClick").Assigned());
  SetMethodProp(control, "OnClick", FindMethod(&form, "Button1Click"));
  TMethod m = GetObjMethod(control, "OnClick");
  ASSERT_TRUE(m.Assigned());
  TNotifyEvent::FromMethod(m)(control);  // the engine reports a click through the method it found
  EXPECT_EQ(form.Clicks, std::vector<String>{"Button1Click"});
}

}  // namespace
