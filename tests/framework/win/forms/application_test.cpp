// The application object: its window, the exception box and the loop that goes on after an
// exception, start-up failure, the colour dialog, timers, hints and the screen.
#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "framework/win/app/Application.h"
#include "framework/win/app/Screen.h"
#include "framework/win/controls/Dialogs.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/controls/HintWindow.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"

namespace {

// Answers the next modal dialog of this thread (message box or colour dialog) with a button, and
// remembers its title and text.
struct DialogCloser {
  static inline int answer = IDOK;
  static inline std::wstring title, text;
  static inline int seen = 0;
  UINT_PTR timer;
  explicit DialogCloser(int Button) {
    answer = Button;
    title.clear();
    text.clear();
    seen = 0;
    timer = SetTimer(nullptr, 0, 30, &Tick);
  }
  ~DialogCloser() { KillTimer(nullptr, timer); }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (seen == 0) EnumThreadWindows(GetCurrentThreadId(), &Found, 0);  // answer once
  }
  static BOOL CALLBACK Found(HWND Wnd, LPARAM) {
    wchar_t Cls[32] = {};
    GetClassNameW(Wnd, Cls, 32);
    if (std::wstring(Cls) != L"#32770" || !IsWindowVisible(Wnd)) return TRUE;
    wchar_t Buffer[256] = {};
    GetWindowTextW(Wnd, Buffer, 256);
    title = Buffer;
    Buffer[0] = 0;
    GetDlgItemTextW(Wnd, 0xFFFF, Buffer, 256);
    text = Buffer;
    ++seen;
    PostMessageW(Wnd, WM_COMMAND, answer, 0);
    return FALSE;
  }
};

class Thrower : public TObject {
 public:
  int calls = 0;
  void Click(TObject*) {
    ++calls;
    throw std::runtime_error("Boom");
  }
};

struct Catcher {
  TObject* sender = nullptr;
  std::string message;
  int count = 0;
};

TEST(Application, WindowOwnsFormsAndCarriesTitleAndIcons) {
  Application->SetTitle("Kuvo\xe6\xb8\x90\xe5\x8f\x98");
  HWND App = Application->Handle();
  wchar_t Title[64] = {};
  GetWindowTextW(App, Title, 64);
  EXPECT_STREQ(Title, L"Kuvo\u6e10\u53d8");
  ASSERT_NE(Application->SmallIcon(), nullptr);
  ASSERT_NE(Application->BigIcon(), nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(App, WM_GETICON, ICON_SMALL, 0)), Application->SmallIcon());
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(App, WM_GETICON, ICON_BIG, 0)), Application->BigIcon());
  TForm Form(nullptr);
  EXPECT_EQ(GetWindow(Form.Handle(), GW_OWNER), App);
  EXPECT_EQ(Application->HintPause, 500);
  EXPECT_EQ(Application->HintHidePause, 2500);
}

TEST(Application, ExceptionInAHandlerGoesToOnExceptionAndWorkGoesOn) {
  TForm Form(nullptr);
  auto* Button = new TButton(&Form);
  Button->SetParent(&Form);
  Thrower ClickThrower;
  Button->OnClick = TNotifyEvent::Bind<&Thrower::Click>(&ClickThrower);
  Catcher Caught;
  Application->OnException = [&](TObject* Sender, std::exception_ptr Error) {
    Caught.sender = Sender;
    ++Caught.count;
    try {
      std::rethrow_exception(Error);
    } catch (const std::exception& E) {
      Caught.message = E.what();
    }
  };
  SendMessageW(Button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Caught.count, 1);
  EXPECT_EQ(Caught.message, "Boom");
  EXPECT_NE(Caught.sender, nullptr);
  // The same path again: nothing was left broken.
  PostMessageW(Button->Handle(), BM_CLICK, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(ClickThrower.calls, 2);
  EXPECT_EQ(Caught.count, 2);
  Application->OnException = nullptr;
}

TEST(Application, StandardExceptionBoxShowsTheMessageUnderTheTitle) {
  Application->SetTitle("Gradient");
  DialogCloser Closer(IDOK);
  try {
    throw std::runtime_error("Clipboard busy");
  } catch (...) {
    Application->HandleException(nullptr);
  }
  EXPECT_EQ(DialogCloser::seen, 1);
  EXPECT_EQ(DialogCloser::title, L"Gradient");
  EXPECT_EQ(DialogCloser::text, L"Clipboard busy.");  // a full stop is added
}

TEST(Application, ExceptionEscapingStartUpIsShownAndEnds) {
  DialogCloser Closer(IDOK);
  bool Ran = false;
  const int Code = Application->Execute([&] {
    Ran = true;
    throw EReadError("Line 3: Unknown property Colour of TButton");
  });
  EXPECT_TRUE(Ran);
  EXPECT_EQ(Code, 1);
  EXPECT_EQ(DialogCloser::text, L"Line 3: Unknown property Colour of TButton.");
  EXPECT_FALSE(Application->Terminated());  // the loop never ran
}

TEST(ColorDialog, ConfirmTakesTheColourCancelKeepsIt) {
  TColorDialog Dialog(nullptr);
  Dialog.SetOptions({cdFullOpen});
  EXPECT_TRUE(Dialog.Flags() & CC_FULLOPEN);
  EXPECT_TRUE(Dialog.Flags() & CC_RGBINIT);
  Dialog.SetColor(clRed);
  {
    DialogCloser Closer(IDCANCEL);
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(DialogCloser::seen, 1);
  }
  EXPECT_EQ(Dialog.Color(), clRed);
  Dialog.SetColor(clBtnFace);  // a system colour opens as its current value
  {
    DialogCloser Closer(IDOK);
    EXPECT_TRUE(Dialog.Execute());
  }
  EXPECT_EQ(Dialog.Color(), ColorToRGB(clBtnFace));
}

TEST(OpenDialog, ChoosesAnExistingFileOrKeepsTheNameWhenCancelled) {
  // A file that exists, offered as the dialog's initial name and confirmed.
  wchar_t Path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, Path, MAX_PATH);
  TOpenDialog Dialog(nullptr);
  Dialog.SetFilter("Programs|*.exe|All files|*.*");
  Dialog.SetTitle("Pick one");
  Dialog.SetFileName(WideToUtf8(Path));
  {
    DialogCloser Closer(IDOK);
    EXPECT_TRUE(Dialog.Execute());
    EXPECT_EQ(DialogCloser::title, L"Pick one");
  }
  EXPECT_EQ(Utf8ToWide(Dialog.FileName()), Path);
  EXPECT_EQ(Dialog.FilterIndex(), 1);
  Dialog.SetFileName("kept");
  {
    DialogCloser Closer(IDCANCEL);
    EXPECT_FALSE(Dialog.Execute());
  }
  EXPECT_EQ(Dialog.FileName(), "kept");
  // A filter without pairs and an empty one are no reason to fail.
  Dialog.SetFilter("|||");
  {
    DialogCloser Closer(IDCANCEL);
    EXPECT_FALSE(Dialog.Execute());
  }
}

TEST(Screen, ListsFormsAndHasTheSystemFonts) {
  const int Before = Screen->FormCount();
  auto* Form = new TForm(nullptr);
  EXPECT_EQ(Screen->FormCount(), Before + 1);
  EXPECT_EQ(Screen->Forms(Before), Form);
  delete Form;
  EXPECT_EQ(Screen->FormCount(), Before);
  EXPECT_NE(Screen->MenuFont()->Handle(), nullptr);
  EXPECT_NE(Screen->CaptionFont()->Handle(), nullptr);
  EXPECT_FALSE(Screen->CaptionFont()->Name().empty());
}

TEST(HintWindow, ShowsWithoutTakingTheFocusAndGoes) {
  TForm Form(nullptr);
  Form.Show();
  THintWindow Hint(nullptr);
  const RECT R = Hint.CalcHintRect(200, "A hint");
  EXPECT_GT(R.right, 10);
  EXPECT_GT(R.bottom, 5);
  HWND Active = GetActiveWindow();
  Hint.ActivateHint({50, 60, 50 + R.right, 60 + R.bottom}, "A hint");
  ASSERT_TRUE(Hint.HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Hint.WindowHandle()));
  EXPECT_EQ(GetActiveWindow(), Active);
  EXPECT_EQ(GetWindowLongPtrW(Hint.WindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  Hint.ReleaseHandle();
  EXPECT_FALSE(Hint.HandleAllocated());
}

// The hint's own painting, into any DC.
struct TOpenHint : THintWindow {
  using THintWindow::Paint;
  using THintWindow::THintWindow;
};

// The smallest rectangle around the pixels of DC's W x H that are not Background.
RECT InkBounds(HDC DC, int W, int H, COLORREF Background) {
  RECT Ink{W, H, -1, -1};
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X)
      if (GetPixel(DC, X, Y) != Background) {
        Ink.left = std::min<LONG>(Ink.left, X);
        Ink.top = std::min<LONG>(Ink.top, Y);
        Ink.right = std::max<LONG>(Ink.right, X + 1);
        Ink.bottom = std::max<LONG>(Ink.bottom, Y + 1);
      }
  return Ink;
}

class HintLook : public ::testing::TestWithParam<const char*> {};

// The hint font, three pixels of space inside the border on every side, and no part of the text cut.
TEST_P(HintLook, TextSitsWholeInsideTheBorderInTheHintFont) {
  const String Text = GetParam();
  TOpenHint Hint(nullptr);
  EXPECT_EQ(Hint.Font()->Name(), Screen->HintFont()->Name());
  EXPECT_EQ(Hint.Font()->Height(), Screen->HintFont()->Height());
  const RECT R = Hint.CalcHintRect(120, Text);
  Hint.ActivateHint({40, 40, 40 + R.right, 40 + R.bottom}, Text);
  ASSERT_TRUE(Hint.HandleAllocated());
  RECT Client{};
  GetClientRect(Hint.WindowHandle(), &Client);
  EXPECT_EQ(Client.right, R.right - 2);
  EXPECT_EQ(Client.bottom, R.bottom - 2);
  const COLORREF Back = ColorToRGB(clInfoBk);

  TBitmap Painted(Client.right, Client.bottom, pf24bit);
  Hint.Paint(Painted.Canvas()->Handle());
  const RECT Ink = InkBounds(Painted.Canvas()->Handle(), Client.right, Client.bottom, Back);
  ASSERT_GE(Ink.right, 0) << "no text painted";
  EXPECT_GE(Ink.left, 3);
  EXPECT_GE(Ink.top, 3);
  EXPECT_LE(Ink.right, Client.right - 3);
  EXPECT_LE(Ink.bottom, Client.bottom - 3);

  // The same text drawn where nothing can cut it.
  TBitmap Free(Client.right + 40, Client.bottom + 40, pf24bit);
  HDC DC = Free.Canvas()->Handle();
  Free.Canvas()->Brush()->SetColor(clInfoBk);
  Free.Canvas()->FillRect(RECT{0, 0, Free.Width(), Free.Height()});
  TSelectObject Font(DC, Hint.Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(clInfoText));
  const std::wstring Wide = Utf8ToWide(Text);
  RECT Place{3, 3, 3 + R.right - 8, Free.Height()};
  DrawTextW(DC, Wide.c_str(), static_cast<int>(Wide.size()), &Place, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  const RECT Whole = InkBounds(DC, Free.Width(), Free.Height(), Back);
  EXPECT_TRUE(EqualRect(&Ink, &Whole))
      << Ink.right << "x" << Ink.bottom << " of " << Whole.right << "x" << Whole.bottom;
  Hint.Hide();
  EXPECT_FALSE(IsWindowVisible(Hint.WindowHandle()));
}

INSTANTIATE_TEST_SUITE_P(Texts, HintLook,
                         ::testing::Values("Hint", "gjpqy under the line",
                                           "A hint long enough to wrap at the width", "Two\nlines"));

class Ticker : public TObject {
 public:
  int ticks = 0;
  void Tick(TObject*) {
    ++ticks;
    if (ticks == 1) throw std::runtime_error("first tick fails");
    if (ticks == 3) Application->Terminate();
  }
};

// Last: the loop ends for good once terminated.
TEST(MessageLoop, RunsTimersAndGoesOnAfterAnException) {
  Ticker TimerTicker;
  TTimer Timer(nullptr);
  Timer.SetInterval(20);
  Timer.SetOnTimer(TNotifyEvent::Bind<&Ticker::Tick>(&TimerTicker));
  EXPECT_TRUE(Timer.Running());
  int Reported = 0;
  Application->OnException = [&](TObject*, std::exception_ptr) { ++Reported; };
  Application->Run();
  Application->OnException = nullptr;
  EXPECT_EQ(TimerTicker.ticks, 3);
  EXPECT_EQ(Reported, 1);
  EXPECT_TRUE(Application->Terminated());
  Timer.SetEnabled(false);
  EXPECT_FALSE(Timer.Running());
  // The quit message was taken by the loop: a later modal loop still runs.
  MSG Msg;
  EXPECT_FALSE(PeekMessageW(&Msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
