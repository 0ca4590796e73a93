// The tree view's nodes under changes that fail half-way: the update they opened is closed again, so
// the window draws, and the nodes made so far stay whole.
#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ComCtrls.h"
#include "tests/support/FailingAllocation.h"
#include "tests/support/MessageSpy.h"
#include "tests/support/Pump.h"

namespace {

struct TFailedChangeCase {
  const char* Name;
  int FailingNode;  // the node allocation that fails, counted from 1
  int NodesMade;    // the nodes the tree holds afterwards
};

class TreeUpdates : public ::testing::TestWithParam<TFailedChangeCase> {};

// A copy of Documents (Letters (To Anna) Drafts) Pictures, branch by branch: the roots come first.
TEST_P(TreeUpdates, ACopyFailingHalfWayClosesItsUpdate) {
  const TFailedChangeCase& Case = GetParam();
  SCOPED_TRACE(Case.Name);
  TForm Form(nullptr);
  auto* Source = new TTreeView(&Form);
  TTreeNode* Documents = Source->Items()->Add(nullptr, "Documents");
  TTreeNode* Letters = Source->Items()->AddChild(Documents, "Letters");
  Source->Items()->AddChild(Letters, "To Anna");
  Source->Items()->AddChild(Documents, "Drafts");
  Source->Items()->Add(nullptr, "Pictures");
  auto* Tree = new TTreeView(&Form);
  Tree->SetParent(&Form);
  Tree->HandleNeeded();
  Tree->Items()->Add(nullptr, "Old");
  testsupport::TMessageSpy Spy(Tree);

  // Only allocations of a node's size count, so the failure lands in the copy and not in the
  // window's own message handling.
  testsupport::FailAllocation(Case.FailingNode, sizeof(TTreeNode));
  EXPECT_THROW(Tree->Items()->Assign(Source->Items()), std::bad_alloc);
  testsupport::FailAllocation(0);

  EXPECT_EQ(Tree->Items()->Count(), Case.NodesMade);
  EXPECT_EQ(SendMessageW(Tree->WindowHandle(), TVM_GETCOUNT, 0, 0), Case.NodesMade);
  const std::vector<WPARAM> Switches = Spy.WParamsOf(WM_SETREDRAW);
  ASSERT_FALSE(Switches.empty());
  EXPECT_EQ(Switches.back(), static_cast<WPARAM>(TRUE)) << "the window was left not drawing";
  // Later changes open and close their own update.
  Spy.Clear();
  Tree->Items()->Clear();
  EXPECT_EQ(Spy.WParamsOf(WM_SETREDRAW), (std::vector<WPARAM>{FALSE, TRUE}));
  testsupport::Pump(0);
}

INSTANTIATE_TEST_SUITE_P(Rows, TreeUpdates,
                         ::testing::Values(TFailedChangeCase{"first root", 1, 0},
                                           TFailedChangeCase{"second root", 2, 1},
                                           TFailedChangeCase{"a grandchild", 5, 4}));

}  // namespace
