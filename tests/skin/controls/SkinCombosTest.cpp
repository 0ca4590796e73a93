// Combo boxes and date-time pickers on real windows: the frame and drop-down button of every
// "ComboButton" style and of the plain look in every state, the mirrored button of a right-to-left
// combo, a combo whose button is invisible left alone, hovering that highlights only over the button,
// and the picker's arrow button.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/SkinComboBoxes.h"
#include "tests/skin/controls/BoxesTestUtil.h"

using namespace ctltest;

namespace {

enum class TLook { Separate, Flat, OnePiece, Plain };
enum class TSetState { None, Focused, Hot, Pressed, Disabled };

constexpr int kComboW = 150;

// A form with the skin of Look and a bare combo box of Style and ExStyle with its skin object.
struct TComboFixture {
  std::unique_ptr<TSkinnedForm> Form;
  HWND Wnd = nullptr;
  TSkinComBox* Skin = nullptr;
  int W = 0, H = 0;

  TComboFixture(TLook Look, DWORD Style, DWORD ExStyle) {
    TBoxesSkin Options;
    Options.ComboStyle = Look == TLook::Flat ? 1 : 0;
    Options.Sunk = Look == TLook::OnePiece;  // the load combines frame and button into one piece
    Options.Extra = Look == TLook::Separate;
    Form = std::make_unique<TSkinnedForm>(BoxesSkin(Options));
    // The separate frame of style 0 only exists when the skin is put together by hand: a loaded
    // "SunkEdge" always makes one piece of it.
    if (Look == TLook::Separate)
      Form->Data().SunkEdge = CodedElement("SunkEdge", kSunkStrip, 4, 30, 21, RECT{2, 2, 2, 2});
    Wnd = BareChild(Form->Form()->Handle(), L"COMBOBOX", Style | WS_TABSTOP, 20, 20, kComboW, 200, ExStyle);
    SendMessageW(Wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
    SendMessageW(Wnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"second"));
    SendMessageW(Wnd, CB_SETCURSEL, 0, 0);
    Skin = new TSkinComBox(&Form->Skin());
    Skin->FPlain = Look == TLook::Plain;
    Skin->Inithwnd(Wnd, &Form->Data(), Form->Canvas(), &Form->Skin());
    RECT R;
    GetWindowRect(Wnd, &R);
    W = R.right - R.left;
    H = R.bottom - R.top;
    Repaint(Wnd);
  }
};

// Where the look of Look puts its button's face, and its frame's left edge, in window coordinates.
POINT ButtonSample(TLook Look, bool RightToLeft, int W, int H) {
  const int A = GetSystemMetrics(SM_CXHSCROLL);
  switch (Look) {
    case TLook::Separate:  // the last A + 2 columns, clear of the glyph in their middle
      return RightToLeft ? POINT{A, 1} : POINT{W - A - 1, 1};
    case TLook::Flat: {  // the middle of a thumb-wide column two pixels in
      const int Thumb = GetSystemMetrics(SM_CYVTHUMB);
      return RightToLeft ? POINT{2 + Thumb / 2, H / 2} : POINT{W - 2 - Thumb / 2, H / 2};
    }
    case TLook::OnePiece:  // the button drawn into the piece, A + 2 wide
      return RightToLeft ? POINT{(A + 2) / 2, H / 2} : POINT{W - (A + 2) / 2, H / 2};
    case TLook::Plain:
      break;
  }
  return POINT{0, 0};
}

}  // namespace

struct TComboCase {
  const char* Name;
  TLook Look;
  bool RightToLeft;
  TSetState State;
  int Frame;
};

class ComboFrames : public ::testing::TestWithParam<TComboCase> {};

TEST_P(ComboFrames, FrameAndButtonFromTheSkinForTheState) {
  const TComboCase C = GetParam();
  TComboFixture X(C.Look, CBS_DROPDOWNLIST, C.RightToLeft ? WS_EX_LEFTSCROLLBAR : 0);
  switch (C.State) {
    case TSetState::Focused:
      SetFocus(X.Wnd);
      break;
    case TSetState::Hot:
      X.Skin->FState.Include(scMouseIn);
      break;
    case TSetState::Pressed:
      X.Skin->FState.Include(scDown);
      break;
    case TSetState::Disabled:
      EnableWindow(X.Wnd, FALSE);
      break;
    case TSetState::None:
      break;
  }
  Pump(10);
  X.Skin->PaintControl(nullptr);
  const COLORREF Button = FrameColor(kComboStrip, C.Frame);
  if (C.Look == TLook::Plain) {
    // The edge border and the arrow glyph (built from the button strip) over the combo's button.
    const RECT B = X.Skin->FInfo.rcButton;
    EXPECT_EQ(Pixel(X.Wnd, (B.left + B.right) / 2, (B.top + B.bottom) / 2), Button) << C.Name;
    EXPECT_EQ(Pixel(X.Wnd, 0, X.H / 2), kShadow) << C.Name;
    EXPECT_EQ(Pixel(X.Wnd, 1, X.H / 2), kWhite) << C.Name;
    return;
  }
  const POINT At = ButtonSample(C.Look, C.RightToLeft, X.W, X.H);
  EXPECT_EQ(Pixel(X.Wnd, At.x, At.y), Button) << C.Name;
  // The frame: the "SunkEdge" strip's frame on the far edge, or the shadow line of the flat look.
  const int FarEdge = C.RightToLeft ? X.W - 1 : 0;
  const COLORREF Edge = C.Look == TLook::Flat ? kShadow : FrameColor(kSunkStrip, C.Frame);
  EXPECT_EQ(Pixel(X.Wnd, FarEdge, X.H / 2), Edge) << C.Name;
  if (C.Look == TLook::Separate) {
    // "ExtraImages" in the same frame, centred in the button less its outer two pixels.
    const int A = GetSystemMetrics(SM_CXHSCROLL);
    const int GlyphX = C.RightToLeft ? 2 + A / 2 : X.W - 2 - A / 2;
    EXPECT_EQ(Pixel(X.Wnd, GlyphX, X.H / 2), FrameColor(kExtraStrip, C.Frame)) << C.Name;
  }
  // The text part is the combo's own.
  EXPECT_NE(Pixel(X.Wnd, X.W / 2, X.H / 2), Button) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComboFrames,
    ::testing::Values(TComboCase{"SeparateNormal", TLook::Separate, false, TSetState::None, 1},
                      TComboCase{"SeparateFocused", TLook::Separate, false, TSetState::Focused, 4},
                      TComboCase{"SeparateHot", TLook::Separate, false, TSetState::Hot, 4},
                      TComboCase{"SeparatePressed", TLook::Separate, false, TSetState::Pressed, 2},
                      TComboCase{"SeparateDisabled", TLook::Separate, false, TSetState::Disabled, 3},
                      TComboCase{"SeparateRightToLeft", TLook::Separate, true, TSetState::Hot, 4},
                      TComboCase{"FlatNormal", TLook::Flat, false, TSetState::None, 1},
                      TComboCase{"FlatFocused", TLook::Flat, false, TSetState::Focused, 4},
                      TComboCase{"FlatPressed", TLook::Flat, false, TSetState::Pressed, 2},
                      TComboCase{"FlatDisabled", TLook::Flat, false, TSetState::Disabled, 3},
                      TComboCase{"FlatRightToLeft", TLook::Flat, true, TSetState::None, 1},
                      TComboCase{"OnePieceNormal", TLook::OnePiece, false, TSetState::None, 1},
                      TComboCase{"OnePieceHot", TLook::OnePiece, false, TSetState::Hot, 4},
                      TComboCase{"OnePiecePressed", TLook::OnePiece, false, TSetState::Pressed, 2},
                      TComboCase{"OnePieceDisabled", TLook::OnePiece, false, TSetState::Disabled, 3},
                      TComboCase{"OnePieceRightToLeft", TLook::OnePiece, true, TSetState::Pressed, 2},
                      TComboCase{"PlainNormal", TLook::Plain, false, TSetState::None, 1},
                      TComboCase{"PlainFocused", TLook::Plain, false, TSetState::Focused, 4},
                      TComboCase{"PlainDisabled", TLook::Plain, false, TSetState::Disabled, 3}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ComboInvisibleButton, ASimpleComboWhoseButtonIsInvisibleIsLeftAsItPaintsItself) {
  TComboFixture X(TLook::OnePiece, CBS_SIMPLE, 0);
  ASSERT_TRUE(X.Skin->FInfo.stateButton & STATE_SYSTEM_INVISIBLE);
  const RECT Top{0, 0, X.W, 6};
  EXPECT_EQ(CountColor(X.Wnd, Top, FrameColor(kSunkStrip, 1)), 0);
  EXPECT_EQ(CountColor(X.Wnd, Top, FrameColor(kComboStrip, 1)), 0);
}

struct THoverCase {
  const char* Name;
  TLook Look;
  bool OverButton;
};

class ComboHover : public ::testing::TestWithParam<THoverCase> {};

TEST_P(ComboHover, OnlyTheButtonHighlightsAndLeavingClearsIt) {
  const THoverCase C = GetParam();
  TComboFixture X(C.Look, CBS_DROPDOWNLIST, 0);
  const POINT Button = ButtonSample(C.Look, false, X.W, X.H);
  const POINT At = C.OverButton ? Button : POINT{X.W / 3, X.H / 2};
  SendMessageW(X.Wnd, WM_MOUSEMOVE, 0, MAKELPARAM(At.x, At.y));
  EXPECT_EQ(X.Skin->FState.Contains(scMouseIn), C.OverButton) << C.Name;
  EXPECT_EQ(Pixel(X.Wnd, Button.x, Button.y), FrameColor(kComboStrip, C.OverButton ? 4 : 1)) << C.Name;
  SendMessageW(X.Wnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(X.Skin->FState.Contains(scMouseIn)) << C.Name;
  EXPECT_EQ(Pixel(X.Wnd, Button.x, Button.y), FrameColor(kComboStrip, 1)) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, ComboHover,
                         ::testing::Values(THoverCase{"SeparateText", TLook::Separate, false},
                                           THoverCase{"SeparateButton", TLook::Separate, true},
                                           THoverCase{"OnePieceText", TLook::OnePiece, false},
                                           THoverCase{"OnePieceButton", TLook::OnePiece, true},
                                           THoverCase{"FlatButton", TLook::Flat, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ComboUnskin, TheComboGetsItsProcedureBackAndPaintsNativelyAgain) {
  TComboFixture X(TLook::OnePiece, CBS_DROPDOWNLIST, 0);
  const POINT At = ButtonSample(TLook::OnePiece, false, X.W, X.H);
  EXPECT_EQ(Pixel(X.Wnd, At.x, At.y), FrameColor(kComboStrip, 1));
  const LONG_PTR Skinned = GetWindowLongPtrW(X.Wnd, GWLP_WNDPROC);
  X.Form->Unskin();
  EXPECT_NE(GetWindowLongPtrW(X.Wnd, GWLP_WNDPROC), Skinned);
  Repaint(X.Wnd);
  EXPECT_NE(Pixel(X.Wnd, At.x, At.y), FrameColor(kComboStrip, 1));
}

// ---------------------------------------------------------------------------------------------------
// Date-time picker

struct TPickerCase {
  const char* Name;
  bool Hot;
  bool Disabled;
  int Frame;  // of the arrow strip built from "ComboButton"
};

class PickerArrow : public ::testing::TestWithParam<TPickerCase> {};

TEST_P(PickerArrow, TheArrowButtonShowsFrameOneOrFourOverThePickersOwn) {
  const TPickerCase C = GetParam();
  TSkinnedForm F(BoxesSkin({}));
  HWND Picker = BareChild(F.Form()->Handle(), DATETIMEPICK_CLASSW, C.Disabled ? WS_DISABLED : 0, 20, 20, 160,
                          24, WS_EX_CLIENTEDGE);
  auto* Skin = new TSkinDateTime(&F.Skin());
  Skin->Inithwnd(Picker, &F.Data(), F.Canvas(), &F.Skin());
  ASSERT_TRUE(Skin->FArrow) << C.Name;
  HWND Arrow = Skin->FArrow->WindowHandle();
  ASSERT_TRUE(Arrow && GetParent(Arrow) == Picker) << C.Name;
  EXPECT_TRUE(GetWindowLongPtrW(Picker, GWL_STYLE) & WS_CLIPCHILDREN) << C.Name;
  Repaint(Picker);
  if (C.Hot) SendMessageW(Arrow, CM_MOUSEENTER, 0, 0);
  Pump(10);
  RECT R;
  GetClientRect(Arrow, &R);
  EXPECT_EQ(R.right, GetSystemMetrics(SM_CXHSCROLL)) << C.Name;
  EXPECT_EQ(Pixel(Arrow, R.right / 2, R.bottom / 2), FrameColor(kComboStrip, C.Frame)) << C.Name;
  // The picker's border: shadow on the edge, white inside it.
  EXPECT_EQ(Pixel(Picker, 0, 12), kShadow) << C.Name;
  EXPECT_EQ(Pixel(Picker, 1, 12), kWhite) << C.Name;
  if (C.Hot) {
    SendMessageW(Arrow, CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Pixel(Arrow, R.right / 2, R.bottom / 2), FrameColor(kComboStrip, 1)) << C.Name;
  }
  // Unskinned, the picker shows its own button again and loses the style it was given.
  F.Unskin();
  EXPECT_FALSE(IsWindow(Arrow)) << C.Name;
  EXPECT_FALSE(GetWindowLongPtrW(Picker, GWL_STYLE) & WS_CLIPCHILDREN) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Table, PickerArrow,
                         ::testing::Values(TPickerCase{"Normal", false, false, 1},
                                           TPickerCase{"Hot", true, false, 4},
                                           TPickerCase{"DisabledStaysNormal", true, true, 1}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PickerArrowClick, APressOnTheArrowOpensThePickersCalendar) {
  TSkinnedForm F(BoxesSkin({}));
  HWND Picker = BareChild(F.Form()->Handle(), DATETIMEPICK_CLASSW, 0, 20, 20, 160, 24, WS_EX_CLIENTEDGE);
  auto* Skin = new TSkinDateTime(&F.Skin());
  Skin->Inithwnd(Picker, &F.Data(), F.Canvas(), &F.Skin());
  ASSERT_TRUE(Skin->FArrow);
  HWND Arrow = Skin->FArrow->WindowHandle();
  SendMessageW(Arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  Pump(50);
  HWND Calendar = reinterpret_cast<HWND>(SendMessageW(Picker, DTM_GETMONTHCAL, 0, 0));
  EXPECT_NE(Calendar, nullptr);
  SendMessageW(Arrow, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  if (Calendar) SendMessageW(Picker, WM_KEYDOWN, VK_ESCAPE, 0);
  Pump(20);
}
