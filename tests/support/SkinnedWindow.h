// Skinned windows for the Windows tests: the shipped skins loaded into skin data, a form skin object
// attached to a real window the way the skin manager attaches one, a fixture with both, and the
// non-client input and pixels of caption buttons.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "framework/win/forms/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/data/TestSkins.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"
#include "tests/support/RecordingWindow.h"

namespace testsupport {

// The packed default skin (what the utility embeds), or the skin folder packed here.
void LoadDefaultSkin(TSkinData& Data);
// The default skin's archive in Out: the one the build packed, or the skin folder packed here.
void DefaultSkinArchive(TMemoryStream& Out);
// The packed dark skin; false when the build packs no skins.
bool LoadDarkSkin(TSkinData& Data);
// A packed skin archive from a file; false when it cannot be read or loaded.
bool LoadSkinFile(TSkinData& Data, const char* Archive);
// A skin from INI text and files; false when the load fails.
bool LoadSkin(TSkinData& Data, const String& Ini, const TSkinFiles& Files);

// The Visibility code that a TKeptWindow answers with 1 through WM_SKIN_SYSBTNVISIBLE.
inline constexpr int kAnsweredVisibility = 1500;

// A recording window that stays open when asked to close (the tests look at the request) and shows
// the caption buttons of code kAnsweredVisibility.
class TKeptWindow : public TRecordingWindow {
 public:
  explicit TKeptWindow(DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ExStyle = 0,
                       RECT Bounds = {40, 40, 440, 320})
      : TRecordingWindow(Style, ExStyle, Bounds) {}

 protected:
  bool Answer(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;
};

enum class TAttach {
  Inactive,  // constructed, handle and name set, InitDlg
  Active,    // and the deferred activation posted and run
  Driven,    // and its hover timer never fires by itself (the test drives hovering)
};
// Attaches a form skin object the way the skin manager does.
std::unique_ptr<TRuzIzivForm> Attach(HWND Wnd, TSkinData& Data, TAttach How = TAttach::Active);

// A framework form's skin object, made the way the skin manager makes one (handle and name set,
// InitTform) but not activated: a program with its own message loop lets the activation run there.
std::unique_ptr<TRuzIzivForm> MakeFormSkin(TForm& Form, TSkinData& Data);
// Posts the deferred activation the skin manager posts to a skin object's window, and runs it.
void ActivateFormSkin(TRuzIzivForm& Skin);
// A framework form's skin object, made and activated the way the skin manager does it.
std::unique_ptr<TRuzIzivForm> AttachToForm(TForm& Form, TSkinData& Data);

// A suite whose tests share the default skin, loaded once for the whole suite; SetUp fails a test
// when the skin did not load.
class TDefaultSkinSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  static TSkinData* Data;
};

// A real top-level window with a form skin object of the default skin on it: SetUp loads the skin,
// Open makes the window (a TKeptWindow) and attaches the object (driven), TearDown closes both.
class TSkinnedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { CloseWindow(); }
  void Open(DWORD Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ExStyle = 0,
            RECT Bounds = {40, 40, 440, 320});
  // The window first, then its skin object, as the platform would end them.
  void CloseWindow();
  TSkinData Data{nullptr};
  std::unique_ptr<TKeptWindow> Window;
  std::unique_ptr<TRuzIzivForm> Form;
  HWND Wnd = nullptr;
};

// The caption button whose record has that Action and Visibility (first one), or none.
TWinSysButton* ButtonOf(TRuzIzivForm& Form, int Action, int Visibility = -1);
SIZE WindowSize(HWND Wnd);
// A window point (origin at the window's top-left corner) in screen coordinates, packed as lParam.
LPARAM ScreenParam(HWND Wnd, POINT WindowPoint);
// Sends a non-client mouse message at a window point with the hit code the platform reports there.
LRESULT SendNC(HWND Wnd, UINT Msg, POINT WindowPoint);
// Hover, press and release on a window point.
void Click(HWND Wnd, POINT WindowPoint);

// The pixel of frame Frame of a caption-button strip at (X, Y) inside the frame.
COLORREF FramePixel(TDataSkinSysButton& Data, int Frame, int X, int Y);
// How many opaque pixels of frame Frame of the button's strip differ from the window's pixels under
// the button's rectangle (-1 when the strip cannot be read).
int FrameMismatches(HWND Wnd, TWinSysButton& Button, int Frame);
// A strip of Frames solid frames, each W x H, in the given colours.
std::unique_ptr<TBitmap> SolidStrip(int W, int H, const std::vector<COLORREF>& Colors);
// The colour that border Kind (1 left, 2 right, 3 top, 4 bottom) of Data shows at (X, Y) of a
// W x H rendering in the given frame.
COLORREF ExpectedBorderPixel(TSkinData& Data, int Kind, int W, int H, int Frame, int X, int Y);

}  // namespace testsupport
