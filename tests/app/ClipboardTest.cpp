// The generator's clipboard output, read back through the clipboard itself.
#include <windows.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "app/Generator.h"
#include "tests/app/ClipboardText.h"

namespace {

// Another thread keeps the clipboard open for a window of its own until it is told to let go.
class ClipboardHolder {
 public:
  ClipboardHolder() {
    FThread = std::thread([this] {
      HWND Owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
      FOpened = Owner && OpenClipboard(Owner) != FALSE;
      FReady = true;
      while (!FRelease) Sleep(5);
      if (FOpened) CloseClipboard();
      if (Owner) DestroyWindow(Owner);
    });
    while (!FReady) Sleep(5);
  }
  ~ClipboardHolder() {
    FRelease = true;
    FThread.join();
  }
  bool Opened() const { return FOpened; }

 private:
  std::atomic<bool> FReady{false}, FRelease{false}, FOpened{false};
  std::thread FThread;
};

TEST(GeneratorClipboard, CopiesAnsiAndWideMarkupAndClosesTheClipboard) {
  gradient::Markup Content;
  Content.Ansi = "[color=#FF0000]\xBD\xA5[/color]";
  Content.Wide = u"[color=#FF0000]\u6e10[/color]";
  ASSERT_TRUE(gradient::CopyToClipboard(Content));
  EXPECT_EQ(ReadClipboardText(), Content.Ansi);
  EXPECT_EQ(ReadClipboardWide(), Content.Wide);

  // Closed again: another thread can open it.
  ClipboardHolder Other;
  EXPECT_TRUE(Other.Opened());
}

TEST(GeneratorClipboard, GenerateCopiesAndKeepsTheSteps) {
  gradient::Steps ChannelSteps;
  ASSERT_TRUE(gradient::GenerateToClipboard(u"abc", 0x0000FF, 0xFF0000, ChannelSteps));
  EXPECT_EQ(ChannelSteps.Red, -127.0f);
  EXPECT_EQ(ChannelSteps.Green, 0.0f);
  EXPECT_EQ(ChannelSteps.Blue, 127.0f);
  EXPECT_EQ(ReadClipboardText(), "[color=#FF0000]a[/color][color=#80007F]b[/color][color=#0100FE]c[/color]");
  EXPECT_EQ(ReadClipboardWide(), u"[color=#FF0000]a[/color][color=#80007F]b[/color][color=#0100FE]c[/color]");
}

TEST(GeneratorClipboard, EmptyOrSingleCharacterLeavesClipboardAndStepsAlone) {
  PutClipboardText("previous contents");
  gradient::Steps ChannelSteps{1, 2, 3};
  EXPECT_FALSE(gradient::GenerateToClipboard(u"", 0x0000FF, 0xFF0000, ChannelSteps));
  EXPECT_FALSE(gradient::GenerateToClipboard(u"a", 0x0000FF, 0xFF0000, ChannelSteps));
  EXPECT_EQ(ReadClipboardText(), "previous contents");
  EXPECT_EQ(ChannelSteps.Red, 1.0f);
  EXPECT_EQ(ChannelSteps.Green, 2.0f);
  EXPECT_EQ(ChannelSteps.Blue, 3.0f);
}

TEST(GeneratorClipboard, ClipboardHeldElsewhereIsLeftAlone) {
  PutClipboardText("previous contents");
  {
    ClipboardHolder Other;
    ASSERT_TRUE(Other.Opened());
    gradient::Steps ChannelSteps;
    EXPECT_FALSE(gradient::GenerateToClipboard(u"ab", 0x0000FF, 0xFF0000, ChannelSteps));
  }
  EXPECT_EQ(ReadClipboardText(), "previous contents");
}

}  // namespace
