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
  explicit DialogCloser(int button) {
    answer = button;
    title.clear();
    text.clear();
    seen = 0;
    timer = SetTimer(nullptr, 0, 30, &Tick);
  }
  ~DialogCloser() { KillTimer(nullptr, timer); }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (seen == 0) EnumThreadWindows(GetCurrentThreadId(), &Found, 0);  // answer once
  }
  static BOOL CALLBACK Found(HWND wnd, LPARAM) {
    wchar_t cls[32] = {};
    GetClassNameW(wnd, cls, 32);
    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(wnd)) return TRUE;
    wchar_t buffer[256] = {};
    GetWindowTextW(wnd, buffer, 256);
    title = buffer;
    buffer[0] = 0;
    GetDlgItemTextW(wnd, 0xFFFF, buffer, 256);
    text = buffer;
    ++seen;
    PostMessageW(wnd, WM_COMMAND, answer, 0);
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
  HWND app = Application->Handle();
  wchar_t title[64] = {};
  GetWindowTextW(app, title, 64);
  EXPECT_STREQ(title, L"Kuvo\u6e10\u53d8");
  ASSERT_NE(Application->SmallIcon(), nullptr);
  ASSERT_NE(Application->BigIcon(), nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_SMALL, 0)), Application->SmallIcon());
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_BIG, 0)), Application->BigIcon());
  TForm form(nullptr);
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), app);
  EXPECT_EQ(Application->HintPause, 500);
  EXPECT_EQ(Application->HintHidePause, 2500);
}

TEST(Application, ExceptionInAHandlerGoesToOnExceptionAndWorkGoesOn) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  Thrower thrower;
  button->OnClick = TNotifyEvent::Bind<&Thrower::Click>(&thrower);
  Catcher caught;
  Application->OnException = [&](TObject* sender, std::exception_ptr error) {
    caught.sender = sender;
    ++caught.count;
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      caught.message = e.what();
    }
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(caught.count, 1);
  EXPECT_EQ(caught.message, "Boom");
  EXPECT_NE(caught.sender, nullptr);
  // The same path again: nothing was left broken.
  PostMessageW(button->Handle(), BM_CLICK, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(thrower.calls, 2);
  EXPECT_EQ(caught.count, 2);
  Application->OnException = nullptr;
}

TEST(Application, StandardExceptionBoxShowsTheMessageUnderTheTitle) {
  Application->SetTitle("Gradient");
  DialogCloser closer(IDOK);
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
  DialogCloser closer(IDOK);
  bool ran = false;
  const int code = Application->Execute([&] {
    ran = true;
    throw EReadError("Line 3: Unknown property Colour of TButton");
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(DialogCloser::text, L"Line 3: Unknown property Colour of TButton.");
  EXPECT_FALSE(Application->Terminated());  // the loop never ran
}

TEST(ColorDialog, ConfirmTakesTheColourCancelKeepsIt) {
  TColorDialog dialog(nullptr);
  dialog.SetOptions({cdFullOpen});
  EXPECT_TRUE(dialog.Flags() & CC_FULLOPEN);
  EXPECT_TRUE(dialog.Flags() & CC_RGBINIT);
  dialog.SetColor(clRed);
  {
    DialogCloser closer(IDCANCEL);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(DialogCloser::seen, 1);
  }
  EXPECT_EQ(dialog.Color(), clRed);
  dialog.SetColor(clBtnFace);  // a system colour opens as its current value
  {
    DialogCloser closer(IDOK);
    EXPECT_TRUE(dialog.Execute());
  }
  EXPECT_EQ(dialog.Color(), ColorToRGB(clBtnFace));
}

TEST(OpenDialog, ChoosesAnExistingFileOrKeepsTheNameWhenCancelled) {
  // A file that exists, offered as the dialog's initial name and confirmed.
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("Programs|*.exe|All files|*.*");
  dialog.SetTitle("Pick one");
  dialog.SetFileName(WideToUtf8(path));
  {
    DialogCloser closer(IDOK);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(DialogCloser::title, L"Pick one");
  }
  EXPECT_EQ(Utf8ToWide(dialog.FileName()), path);
  EXPECT_EQ(dialog.FilterIndex(), 1);
  dialog.SetFileName("kept");
  {
    DialogCloser closer(IDCANCEL);
    EXPECT_FALSE(dialog.Execute());
  }
  EXPECT_EQ(dialog.FileName(), "kept");
  // A filter without pairs and an empty one are no reason to fail.
  dialog.SetFilter("|||");
  {
    DialogCloser closer(IDCANCEL);
    EXPECT_FALSE(dialog.Execute());
  }
}

TEST(Screen, ListsFormsAndHasTheSystemFonts) {
  const int before = Screen->FormCount();
  auto* form = new TForm(nullptr);
  EXPECT_EQ(Screen->FormCount(), before + 1);
  EXPECT_EQ(Screen->Forms(before), form);
  delete form;
  EXPECT_EQ(Screen->FormCount(), before);
  EXPECT_NE(Screen->MenuFont()->Handle(), nullptr);
  EXPECT_NE(Screen->CaptionFont()->Handle(), nullptr);
  EXPECT_FALSE(Screen->CaptionFont()->Name().empty());
}

TEST(HintWindow, ShowsWithoutTakingTheFocusAndGoes) {
  TForm form(nullptr);
  form.Show();
  THintWindow hint(nullptr);
  const RECT r = hint.CalcHintRect(200, "A hint");
  EXPECT_GT(r.right, 10);
  EXPECT_GT(r.bottom, 5);
  HWND active = GetActiveWindow();
  hint.ActivateHint({50, 60, 50 + r.right, 60 + r.bottom}, "A hint");
  ASSERT_TRUE(hint.HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(hint.WindowHandle()));
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_EQ(GetWindowLongPtrW(hint.WindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  hint.ReleaseHandle();
  EXPECT_FALSE(hint.HandleAllocated());
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
  Ticker ticker;
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer(TNotifyEvent::Bind<&Ticker::Tick>(&ticker));
  EXPECT_TRUE(timer.Running());
  int reported = 0;
  Application->OnException = [&](TObject*, std::exception_ptr) { ++reported; };
  Application->Run();
  Application->OnException = nullptr;
  EXPECT_EQ(ticker.ticks, 3);
  EXPECT_EQ(reported, 1);
  EXPECT_TRUE(Application->Terminated());
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  // The quit message was taken by the loop: a later modal loop still runs.
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
