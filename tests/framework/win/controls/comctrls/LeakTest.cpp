// Forms holding every common control, with image lists, custom drawing and re-created windows, give
// back every GDI and USER object they took.
#include <gtest/gtest.h>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ComCtrls.h"
#include "tests/framework/win/controls/comctrls/ComCtrlsTestUtil.h"
#include "tests/support/Forms.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

using testsupport::LeavesNoHandles;
using testsupport::Pump;
using testsupport::ReadForm;

namespace {

// One life of the form: read, shown, images given, windows re-created, repainted, closed, freed.
void FormLife() {
  auto Form = ReadForm(kAllControlsForm, true);
  auto* Images = new TImageList(Form.get());
  TBitmap Picture(32, 16, pf24bit);
  Picture.Canvas()->Brush()->SetColor(clRed);
  Picture.Canvas()->FillRect({0, 0, 16, 16});
  Images->AddMasked(&Picture, clFuchsia);
  Find<TPageControl>(*Form, "Pages")->SetImages(Images);
  Find<TListView>(*Form, "Report")->SetSmallImages(Images);
  Find<TTreeView>(*Form, "Tree")->SetImages(Images);
  Find<TCoolBar>(*Form, "Cool")->SetImages(Images);
  Find<TTrackBar>(*Form, "TrackH")->SetOrientation(trVertical);  // a new window
  Find<TListView>(*Form, "Report")->SetViewStyle(vsSmallIcon);
  Find<TTabControl>(*Form, "TabsBottom")->SetTabPosition(tpRight);
  Find<TStatusBar>(*Form, "Status")->SetSizeGrip(false);
  Find<TTreeView>(*Form, "Tree")->Items()->GetFirstNode()->Expand(true);
  RedrawWindow(Form->WindowHandle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(0);
  Form.reset();
  Pump(0);
}

TEST(Leaks, FormsWithEveryCommonControlLeaveNoHandles) {
  EXPECT_TRUE(LeavesNoHandles(&FormLife, 10));
}

}  // namespace
