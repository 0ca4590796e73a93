#include "framework/core/Strings.h"

#include <gtest/gtest.h>

#include "framework/core/Streams.h"

namespace {

TEST(StringList, TextSplitsAtCrLfAndCrLf) {
  TStringList L;
  L.SetText("a\r\nb\nc\rd\r\n\r\ne");
  ASSERT_EQ(L.Count(), 6);
  EXPECT_EQ(L.Strings(2), "c");
  EXPECT_EQ(L.Strings(3), "d");
  EXPECT_EQ(L.Strings(4), "");
  EXPECT_EQ(L.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  L.SetText("x\n");
  EXPECT_EQ(L.Count(), 1);  // a trailing line break does not make an empty line
  L.SetText("");
  EXPECT_EQ(L.Count(), 0);
}

TEST(StringList, ObjectsFollowTheirLines) {
  TStringList L;
  TObject A, B;
  L.AddObject("one", &A);
  L.AddObject("two", &B);
  L.Insert(0, "zero");
  EXPECT_EQ(L.Objects(1), &A);
  L.Move(2, 0);
  EXPECT_EQ(L.Strings(0), "two");
  EXPECT_EQ(L.Objects(0), &B);
  L.Exchange(0, 2);
  EXPECT_EQ(L.Objects(2), &B);
  EXPECT_EQ(L.IndexOfObject(&A), 0);
  L.Delete(0);
  EXPECT_EQ(L.IndexOfObject(&A), -1);
  EXPECT_THROW(L.Delete(5), EStringListError);
  EXPECT_THROW(L.Strings(-1), EStringListError);
  EXPECT_THROW(L.Insert(4, "x"), EStringListError);
}

TEST(StringList, LookUpIgnoresCaseUnlessAsked) {
  TStringList L;
  L.SetText("TButton=1\nTTabSet=8\nMemo");
  EXPECT_EQ(L.IndexOf("ttabset=8"), 1);
  EXPECT_EQ(L.IndexOfName("TTABSET"), 1);
  EXPECT_EQ(L.Values("tbutton"), "1");
  EXPECT_EQ(L.Values("memo"), "");
  EXPECT_EQ(L.Names(0), "TButton");
  EXPECT_EQ(L.ValueFromIndex(1), "8");
  L.SetValues("TButton", "2");
  EXPECT_EQ(L.Strings(0), "TButton=2");
  L.SetValues("TEdit", "3");
  EXPECT_EQ(L.Strings(3), "TEdit=3");
  L.SetValues("tbutton", "");
  EXPECT_EQ(L.IndexOfName("TButton"), -1);
  L.SetCaseSensitive(true);
  EXPECT_EQ(L.IndexOf("memo"), -1);
  EXPECT_EQ(L.IndexOf("Memo"), 1);
}

TEST(StringList, SortedListsKeepOrderAndApplyDuplicates) {
  TStringList L;
  L.SetText("pear\nApple\nbanana");
  L.SetSorted(true);
  EXPECT_EQ(L.Text(), "Apple\r\nbanana\r\npear\r\n");
  EXPECT_EQ(L.Add("APPLE"), 0);  // dupIgnore returns the existing line
  EXPECT_EQ(L.Count(), 3);
  EXPECT_EQ(L.Add("cherry"), 2);
  EXPECT_EQ(L.IndexOf("PEAR"), 3);
  EXPECT_THROW(L.Insert(0, "x"), EStringListError);
  L.SetDuplicates(dupError);
  EXPECT_THROW(L.Add("banana"), EStringListError);
  L.SetDuplicates(dupAccept);
  L.Add("banana");
  EXPECT_EQ(L.Count(), 5);
  int Index;
  EXPECT_FALSE(L.Find("blueberry", Index));
  EXPECT_EQ(Index, 3);  // after Apple, banana, banana
}

class TNotStrings : public TPersistent {
  DECLARE_CLASS(TNotStrings, TPersistent)
};

TEST(StringList, StreamsAndAssign) {
  TMemoryStream M;
  const char Text[] = "\xEF\xBB\xBF[Colours]\r\nText=1\n";
  M.WriteBuffer(Text, sizeof Text - 1);
  M.SetPosition(0);
  TStringList L;
  L.LoadFromStream(M);
  ASSERT_EQ(L.Count(), 2);
  EXPECT_EQ(L.Strings(0), "[Colours]");
  TMemoryStream Out;
  L.SaveToStream(Out);
  EXPECT_EQ(String(reinterpret_cast<const char*>(Out.Memory()), Out.Size()), "[Colours]\r\nText=1\r\n");

  TStringList Copy;
  Copy.Assign(&L);
  EXPECT_TRUE(Copy.Equals(L));
  TNotStrings NotStrings;
  try {
    Copy.Assign(&NotStrings);
    FAIL();
  } catch (const EAssignError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TNotStrings to a TStringList");
  }
  EXPECT_THROW(Copy.Assign(nullptr), EAssignError);
}

// Counts change notifications; an update bracket reports once.
class TChangeCounter : public TObject {
 public:
  int Changes = 0;
  void Changed(TObject*) { ++Changes; }
};

TEST(StringList, ChangeEventsAndOwnedObjects) {
  TChangeCounter Counter;
  TStringList L(true);
  L.OnChange = TNotifyEvent::Bind<&TChangeCounter::Changed>(&Counter);
  L.AddObject("a", new TObject);
  EXPECT_EQ(Counter.Changes, 2);  // add, then set its object
  L.BeginUpdate();
  L.Add("b");
  L.Add("c");
  L.EndUpdate();
  EXPECT_EQ(Counter.Changes, 3);
  L.Delete(0);  // the owning list frees the object (the leak checker would tell otherwise)
  L.AddObject("d", new TObject);
}

// A batch change that fails half-way (a sorted list refusing a duplicate) still closes its update:
// the list reports changes again afterwards.
struct TFailingBatchRow {
  const char* Name;
  void (*Act)(TStringList& Target);
  int LinesLeft;
};

class StringsUpdates : public ::testing::TestWithParam<TFailingBatchRow> {};

TEST_P(StringsUpdates, ABatchFailingHalfWayClosesItsUpdate) {
  const TFailingBatchRow& Row = GetParam();
  SCOPED_TRACE(Row.Name);
  TChangeCounter Counter;
  TStringList L;
  L.SetSorted(true);
  L.SetDuplicates(dupError);
  L.Add("kept");
  L.OnChange = TNotifyEvent::Bind<&TChangeCounter::Changed>(&Counter);
  EXPECT_THROW(Row.Act(L), EStringListError);
  EXPECT_FALSE(L.Updating());
  EXPECT_EQ(L.Count(), Row.LinesLeft);
  const int Before = Counter.Changes;
  L.Add("zebra");
  EXPECT_EQ(Counter.Changes, Before + 1);
}

TStringList& Twins() {
  static TStringList List;
  if (List.Count() == 0) List.SetText("apple\nbanana\napple");
  return List;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StringsUpdates,
    ::testing::Values(TFailingBatchRow{"text", [](TStringList& L) { L.SetText("apple\nbanana\napple"); }, 2},
                      TFailingBatchRow{"added lines", [](TStringList& L) { L.AddStrings(Twins()); }, 3},
                      TFailingBatchRow{"assigned lines", [](TStringList& L) { L.Assign(&Twins()); }, 2}));

}  // namespace
