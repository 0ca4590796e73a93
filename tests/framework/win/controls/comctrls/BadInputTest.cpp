// Bad input to the common controls is reported, never a crash: a media file that is not there, and
// descriptions naming what does not exist or giving malformed items, which leave nothing half-built.
#include <gtest/gtest.h>

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"
#include "framework/win/controls/ComCtrls.h"
#include "tests/framework/win/controls/comctrls/ComCtrlsTestUtil.h"

namespace {

TEST(BadInput, AMediaPlayerGivenAMissingFileRaisesAClearError) {
  TForm Form(nullptr);
  auto* Player = new TMediaPlayer(&Form);
  Player->SetParent(&Form);
  Player->SetFileName("C:\\no such folder\\no such clip.wav");
  try {
    Player->Open();
    FAIL() << "opened a file that is not there";
  } catch (const EMCIDeviceError& Error) {
    EXPECT_NE(Error.Message().find("no such clip.wav"), String::npos) << Error.Message();
    // The system's reason follows the name.
    EXPECT_GT(Error.Message().size(), String("Cannot open 'C:\\no such folder\\no such clip.wav': x").size());
  }
  EXPECT_FALSE(Player->IsOpen());
  // Nothing to open is an error too, and every command needs an open device.
  Player->SetFileName("");
  EXPECT_THROW(Player->Open(), EMCIDeviceError);
  EXPECT_THROW(Player->Play(), EMCIDeviceError);
  EXPECT_THROW(Player->Eject(), EMCIDeviceError);
  EXPECT_NO_THROW(Player->Close());
}

struct TBadCase {
  const char* Name;
  const char* Body;  // inside "object Form1: TForm ... end"
  int Line;          // where the description goes wrong (0: wherever the reader stood)
  const char* Says;
};

const TBadCase kBadCases[] = {
    {"media player opening a missing file",
     "  object Player: TMediaPlayer\n"
     "    FileName = 'C:\\\\missing\\\\clip.wav'\n"
     "    AutoOpen = True\n"
     "  end\n",
     0, "clip.wav"},
    {"unknown class inside a tool bar",
     "  object Tools: TToolBar\n"
     "    object Button1: TToolButton\n"
     "    end\n"
     "    object Gadget1: TToolGadget\n"
     "    end\n"
     "  end\n",
     5, "TToolGadget"},
    {"unknown property of a status panel",
     "  object Status: TStatusBar\n"
     "    Panels = <\n"
     "      item\n"
     "        Colour = clRed\n"
     "      end>\n"
     "  end\n",
     5, "Colour"},
    {"tree node children without a node",
     "  object Tree: TTreeView\n"
     "    Items.Nodes = (('orphan'))\n"
     "  end\n",
     3, "String"},
    {"date that does not exist",
     "  object Picker: TDateTimePicker\n"
     "    Date = '2023-02-29'\n"
     "  end\n",
     3, "2023-02-29"},
    {"value outside an enumeration",
     "  object Pages: TPageControl\n"
     "    TabPosition = tpMiddle\n"
     "  end\n",
     3, "TabPosition"},
};

TEST(BadInput, ADescriptionThatGoesWrongIsReportedWithItsLineAndLeavesNothing) {
  for (const TBadCase& Case : kBadCases) {
    SCOPED_TRACE(Case.Name);
    TForm Form(nullptr);
    const String Text = String("object Form1: TForm\n") + Case.Body + "end\n";
    try {
      ReadComponentFromText(Text, &Form);
      ADD_FAILURE() << "read without complaint";
    } catch (const EParserError& Error) {
      if (Case.Line) {
        EXPECT_EQ(Error.Line(), Case.Line) << Error.Message();
      }
      EXPECT_NE(Error.Message().find(Case.Says), String::npos) << Error.Message();
    }
    EXPECT_EQ(Form.ComponentCount(), 0);
    EXPECT_EQ(Form.ControlCount(), 0);
  }
}

}  // namespace
