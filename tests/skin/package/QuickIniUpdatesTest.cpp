// The INI store when memory runs out part-way through a change: whichever allocation fails, the
// updates the change opened on its line and section lists are closed again.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "framework/core/Streams.h"
#include "skin/package/QuickIni.h"
#include "tests/support/FailingAllocation.h"

namespace {

const std::string kText = "[Colors]\nface=1\nshadow=2\n; note\n[Fonts]\nname=x\n";

struct TChangeRow {
  const char* Name;
  void (*Prepare)(TQuickIni& Ini, TMemoryStream& Source);  // runs before the failure is armed
  void (*Change)(TQuickIni& Ini, TMemoryStream& Source);
};

void WriteText(TQuickIni&, TMemoryStream& Source) {
  Source.WriteBuffer(kText.data(), static_cast<int64_t>(kText.size()));
  Source.SetPosition(0);
}

void LoadTextOverOld(TQuickIni& Ini, TMemoryStream& Source) {
  WriteText(Ini, Source);
  Ini.LoadFromStream(&Source);
  Source.SetPosition(0);
}

class QuickIniUpdates : public ::testing::TestWithParam<TChangeRow> {};

TEST_P(QuickIniUpdates, AChangeFailingAtAnyAllocationClosesItsUpdates) {
  const TChangeRow& Row = GetParam();
  SCOPED_TRACE(Row.Name);
  int Failures = 0;
  for (int Nth = 1;; ++Nth) {
    TQuickIni Ini;
    TMemoryStream Source;
    Row.Prepare(Ini, Source);
    testsupport::FailAllocation(Nth);
    bool Failed = false;
    try {
      Row.Change(Ini, Source);
    } catch (const std::bad_alloc&) {
      Failed = true;
    }
    const bool Reached = !testsupport::AllocationFailurePending();
    testsupport::FailAllocation(0);
    if (!Reached) break;  // the change made fewer allocations: every one has failed once
    EXPECT_TRUE(Failed) << "allocation " << Nth;
    ++Failures;
    ASSERT_FALSE(Ini.Lines().Updating()) << "allocation " << Nth;
    ASSERT_FALSE(Ini.Sections().Updating()) << "allocation " << Nth;
  }
  EXPECT_GT(Failures, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuickIniUpdates,
    ::testing::Values(TChangeRow{"load into an empty store", WriteText,
                                 [](TQuickIni& Ini, TMemoryStream& Source) { Ini.LoadFromStream(&Source); }},
                      TChangeRow{"load over a loaded store", LoadTextOverOld,
                                 [](TQuickIni& Ini, TMemoryStream& Source) { Ini.LoadFromStream(&Source); }},
                      TChangeRow{"rebuild the sections", LoadTextOverOld,
                                 [](TQuickIni& Ini, TMemoryStream&) { Ini.RebuildSections(); }}));

}  // namespace
