#include "framework/core/Strings.h"

#include <gtest/gtest.h>

#include "framework/core/Streams.h"

namespace {

TEST(StringList, TextSplitsAtCrLfAndCrLf) {
  TStringList l;
  l.SetText("a\r\nb\nc\rd\r\n\r\ne");
  ASSERT_EQ(l.Count(), 6);
  EXPECT_EQ(l.Strings(2), "c");
  EXPECT_EQ(l.Strings(3), "d");
  EXPECT_EQ(l.Strings(4), "");
  EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  l.SetText("x\n");
  EXPECT_EQ(l.Count(), 1);  // a trailing line break does not make an empty line
  l.SetText("");
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, ObjectsFollowTheirLines) {
  TStringList l;
  TObject a, b;
  l.AddObject("one", &a);
  l.AddObject("two", &b);
  l.Insert(0, "zero");
  EXPECT_EQ(l.Objects(1), &a);
  l.Move(2, 0);
  EXPECT_EQ(l.Strings(0), "two");
  EXPECT_EQ(l.Objects(0), &b);
  l.Exchange(0, 2);
  EXPECT_EQ(l.Objects(2), &b);
  EXPECT_EQ(l.IndexOfObject(&a), 0);
  l.Delete(0);
  EXPECT_EQ(l.IndexOfObject(&a), -1);
  EXPECT_THROW(l.Delete(5), EStringListError);
  EXPECT_THROW(l.Strings(-1), EStringListError);
  EXPECT_THROW(l.Insert(4, "x"), EStringListError);
}

TEST(StringList, LookUpIgnoresCaseUnlessAsked) {
  TStringList l;
  l.SetText("TButton=1\nTTabSet=8\nMemo");
  EXPECT_EQ(l.IndexOf("ttabset=8"), 1);
  EXPECT_EQ(l.IndexOfName("TTABSET"), 1);
  EXPECT_EQ(l.Values("tbutton"), "1");
  EXPECT_EQ(l.Values("memo"), "");
  EXPECT_EQ(l.Names(0), "TButton");
  EXPECT_EQ(l.ValueFromIndex(1), "8");
  l.SetValues("TButton", "2");
  EXPECT_EQ(l.Strings(0), "TButton=2");
  l.SetValues("TEdit", "3");
  EXPECT_EQ(l.Strings(3), "TEdit=3");
  l.SetValues("tbutton", "");
  EXPECT_EQ(l.IndexOfName("TButton"), -1);
  l.SetCaseSensitive(true);
  EXPECT_EQ(l.IndexOf("memo"), -1);
  EXPECT_EQ(l.IndexOf("Memo"), 1);
}

TEST(StringList, SortedListsKeepOrderAndApplyDuplicates) {
  TStringList l;
  l.SetText("pear\nApple\nbanana");
  l.SetSorted(true);
  EXPECT_EQ(l.Text(), "Apple\r\nbanana\r\npear\r\n");
  EXPECT_EQ(l.Add("APPLE"), 0);  // dupIgnore returns the existing line
  EXPECT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Add("cherry"), 2);
  EXPECT_EQ(l.IndexOf("PEAR"), 3);
  EXPECT_THROW(l.Insert(0, "x"), EStringListError);
  l.SetDuplicates(dupError);
  EXPECT_THROW(l.Add("banana"), EStringListError);
  l.SetDuplicates(dupAccept);
  l.Add("banana");
  EXPECT_EQ(l.Count(), 5);
  int index;
  EXPECT_FALSE(l.Find("blueberry", index));
  EXPECT_EQ(index, 3);  // after Apple, banana, banana
}

class TNotStrings : public TPersistent {
  DECLARE_CLASS(TNotStrings, TPersistent)
};

TEST(StringList, StreamsAndAssign) {
  TMemoryStream m;
  const char text[] = "\xEF\xBB\xBF[Colours]\r\nText=1\n";
  m.WriteBuffer(text, sizeof text - 1);
  m.SetPosition(0);
  TStringList l;
  l.LoadFromStream(m);
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Strings(0), "[Colours]");
  TMemoryStream out;
  l.SaveToStream(out);
  EXPECT_EQ(String(reinterpret_cast<const char*>(out.Memory()), out.Size()), "[Colours]\r\nText=1\r\n");

  TStringList copy;
  copy.Assign(&l);
  EXPECT_TRUE(copy.Equals(l));
  TNotStrings notStrings;
  try {
    copy.Assign(&notStrings);
    FAIL();
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TNotStrings to a TStringList");
  }
  EXPECT_THROW(copy.Assign(nullptr), EAssignError);
}

// Counts change notifications; an update bracket reports once.
class TChangeCounter : public TObject {
 public:
  int Changes = 0;
  void Changed(TObject*) { ++Changes; }
};

TEST(StringList, ChangeEventsAndOwnedObjects) {
  TChangeCounter counter;
  TStringList l(true);
  l.OnChange = TNotifyEvent::Bind<&TChangeCounter::Changed>(&counter);
  l.AddObject("a", new TObject);
  EXPECT_EQ(counter.Changes, 2);  // add, then set its object
  l.BeginUpdate();
  l.Add("b");
  l.Add("c");
  l.EndUpdate();
  EXPECT_EQ(counter.Changes, 3);
  l.Delete(0);  // the owning list frees the object (the leak checker would tell otherwise)
  l.AddObject("d", new TObject);
}

}  // namespace
