// Bad input to the common controls is reported, never a crash: a media file that is not there,
// descriptions naming what does not exist or giving malformed items, which leave nothing half-built,
// and text buffers of any size that the windows lend.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string>

#include "framework/core/Description.h"
#include "framework/win/app/Application.h"
#include "framework/win/controls/ComCtrls.h"
#include "framework/win/controls/WideText.h"
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

// A text lent to a list or tree window that asks for it: cut to the buffer it gives, always ended,
// nothing written past it, and nothing at all into a buffer that is missing or has no room.
struct TLentTextCase {
  const char* Name;
  const char* Text;
  int Size;              // what the window says its buffer holds
  const wchar_t* Lands;  // what the buffer then starts with; null: left untouched
};

const TLentTextCase kLentTexts[] = {
    {"fits", "Letters", 16, L"Letters"},
    {"cut to the buffer", "Documents", 4, L"Doc"},
    {"one character: only the end", "Documents", 1, L""},
    {"no room", "Documents", 0, nullptr},
    {"a room below zero", "Documents", -5, nullptr},
    {"letters beyond ASCII, cut", "\xC3\xA9t\xC3\xA9", 3, L"\u00E9t"},
};

TEST(BadInput, LentTextsStayInsideTheBufferTheyAreGiven) {
  for (const TLentTextCase& Case : kLentTexts) {
    SCOPED_TRACE(Case.Name);
    wchar_t Buffer[20];
    std::fill(std::begin(Buffer), std::end(Buffer), L'#');
    LendText(Case.Text, Buffer, Case.Size);
    if (!Case.Lands) {
      EXPECT_EQ(Buffer[0], L'#');
      continue;
    }
    EXPECT_EQ(std::wstring(Buffer), Case.Lands);
    EXPECT_EQ(Buffer[std::wcslen(Case.Lands) + 1], L'#') << "written past the end";
  }
  LendText("Documents", nullptr, 10);  // no buffer at all
}

}  // namespace
