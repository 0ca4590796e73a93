// The control skin base on real windows: both attachment paths, what each order of destruction gives
// back, the skin query and switch messages, failures inside a handler, and the drawing helpers.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckBoxes.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/MediaPlayer.h"
#include "framework/win/controls/Memos.h"
#include "framework/win/controls/Panels.h"
#include "framework/win/controls/ScrollBars.h"
#include "framework/win/controls/StdCtrls.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinCheckBoxes.h"
#include "skin/controls/SkinGlyphs.h"
#include "skin/controls/SkinScrollbars.h"
#include "tests/skin/controls/ControlsTestUtil.h"

using namespace ctltest;

namespace {

// Sees what reaches the control after the skin object, and can fail on demand.
class TProbeSkin : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  UINT ThrowOn = 0;
  int Paints = 0;
  bool BeforeProc(TMessage& Message) override {
    if (Message.Msg == ThrowOn && ThrowOn) throw std::runtime_error("probe");
    return TSkinControl::BeforeProc(Message);
  }
  void DrawControl(HDC, const RECT&) override { ++Paints; }
};

// A bare window that counts what reaches its own procedure.
struct TBareWindow {
  static inline int Seen[0x4000];
  HWND Handle;
  explicit TBareWindow(HWND Parent, bool Unicode = true) {
    static bool Registered = false;
    if (!Registered) {
      WNDCLASSW Class{};
      Class.lpfnWndProc = &Proc;
      Class.hInstance = GetModuleHandleW(nullptr);
      Class.lpszClassName = L"ControlsBareWindow";
      RegisterClassW(&Class);
      WNDCLASSA ClassA{};
      ClassA.lpfnWndProc = &ProcA;
      ClassA.hInstance = GetModuleHandleW(nullptr);
      ClassA.lpszClassName = "ControlsBareWindowA";
      RegisterClassA(&ClassA);
      Registered = true;
    }
    Handle = Unicode ? CreateWindowExW(0, L"ControlsBareWindow", L"bare", WS_CHILD | WS_VISIBLE, 10, 10, 80,
                                       30, Parent, nullptr, GetModuleHandleW(nullptr), nullptr)
                     : CreateWindowExA(0, "ControlsBareWindowA", "bare", WS_CHILD | WS_VISIBLE, 10, 10, 80,
                                       30, Parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::fill(std::begin(Seen), std::end(Seen), 0);
  }
  ~TBareWindow() {
    if (IsWindow(Handle)) DestroyWindow(Handle);
  }
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg < 0x4000) ++Seen[Msg];
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  }
  static LRESULT CALLBACK ProcA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg < 0x4000) ++Seen[Msg];
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
  }
};

// A procedure installed after ours, forwarding to what it found.
struct TLater {
  static inline WNDPROC Ours = nullptr;
  static LRESULT CALLBACK Proc(HWND W, UINT M, WPARAM Wp, LPARAM Lp) {
    return CallWindowProcW(Ours, W, M, Wp, Lp);
  }
};

// Sits in front of a framework control's message method and counts what passes.
struct TSpy : TObject {
  TControl* Control;
  TWndMethod Saved;
  int Seen[0x4000] = {};
  explicit TSpy(TControl* C) : Control(C), Saved(C->WindowProc) {}
  void Proc(TMessage& M) {
    if (M.Msg < 0x4000) ++Seen[M.Msg];
    Saved(M);
  }
};

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Both paths: taken, answered, given back

struct TPathCase {
  const char* Name;
  bool Framework;
  bool Unicode;
};

class ControlAttachment : public ::testing::TestWithParam<TPathCase> {};

TEST_P(ControlAttachment, TakesAnswersTheQueryAndGivesBackExactly) {
  const TPathCase Case = GetParam();
  TSkinnedForm Fixture;
  TButton* Button = nullptr;
  std::unique_ptr<TBareWindow> Bare;
  HWND Wnd = nullptr;
  TSpy* Spy = nullptr;
  if (Case.Framework) {
    Button = new TButton(Fixture.Form());
    Button->SetParent(Fixture.Form());
    Wnd = Button->Handle();
    Spy = new TSpy(Button);
    Button->WindowProc = TWndMethod::Bind<&TSpy::Proc>(Spy);
  } else {
    Bare = std::make_unique<TBareWindow>(Fixture.Form()->Handle(), Case.Unicode);
    Wnd = Bare->Handle;
  }
  const TWndMethod MethodBefore = Button ? Button->WindowProc : TWndMethod();
  const LONG_PTR ProcBefore = GetWindowLongPtrW(Wnd, GWLP_WNDPROC);

  auto* Skin = new TProbeSkin(Case.Framework ? static_cast<TComponent*>(Button) : &Fixture.Skin());
  if (Case.Framework)
    Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
  else
    Skin->Inithwnd(Wnd, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  EXPECT_EQ(Skin->FStatus, kControlInited);
  EXPECT_EQ(Fixture.Skin().Lookupcontrol(Wnd), Skin);
  EXPECT_EQ(Skin->FUnicode, Case.Unicode);
  if (Case.Framework) {
    EXPECT_NE(Button->WindowProc, MethodBefore);
  } else {
    EXPECT_NE(GetWindowLongPtrW(Wnd, GWLP_WNDPROC), ProcBefore);
  }

  // Any skinned window answers the query; the control never sees it.
  EXPECT_EQ(SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0), 1);
  if (Spy) {
    EXPECT_EQ(Spy->Seen[WM_SKIN_QUERY], 0);
  }
  if (Bare) {
    EXPECT_EQ(TBareWindow::Seen[WM_SKIN_QUERY], 0);
  }

  // A second attachment does nothing.
  const int Listed = static_cast<int>(Fixture.Skin().FControls.size());
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), true);
  Skin->Inithwnd(Wnd, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  EXPECT_EQ(static_cast<int>(Fixture.Skin().FControls.size()), Listed);
  EXPECT_FALSE(Skin->FSetColor);

  delete Skin;
  EXPECT_EQ(Fixture.Skin().Lookupcontrol(Wnd), nullptr);
  if (Case.Framework) {
    EXPECT_EQ(Button->WindowProc, MethodBefore);
    EXPECT_EQ(SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0), 0);
    Button->WindowProc = Spy->Saved;
    delete Spy;
  } else {
    EXPECT_EQ(GetWindowLongPtrW(Wnd, GWLP_WNDPROC), ProcBefore);
    EXPECT_EQ(SendMessageW(Wnd, WM_SKIN_QUERY, 0, 0), 0);
    EXPECT_EQ(TBareWindow::Seen[WM_SKIN_QUERY], 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, ControlAttachment,
                         ::testing::Values(TPathCase{"Framework", true, true},
                                           TPathCase{"BareUnicode", false, true},
                                           TPathCase{"BareAnsi", false, false}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ControlAttachment, ASubclasserAfterUsKeepsWorkingWhenWeGo) {
  TSkinnedForm Fixture;
  TBareWindow Bare(Fixture.Form()->Handle());
  const LONG_PTR Original = GetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC);
  auto* Skin = new TProbeSkin(&Fixture.Skin());
  Skin->Inithwnd(Bare.Handle, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  TLater::Ours = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC));
  const WNDPROC Later = &TLater::Proc;
  SetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Later));
  delete Skin;
  // Our link in the chain now only forwards: messages still reach the window's own procedure.
  EXPECT_EQ(GetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Later));
  SendMessageW(Bare.Handle, WM_USER + 7, 0, 0);
  EXPECT_EQ(TBareWindow::Seen[WM_USER + 7], 1);
  SetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC, Original);
}

// ---------------------------------------------------------------------------------------------------
// Orders of destruction

TEST(ControlLife, AWindowDestroyedFirstLeavesTheObjectHarmlessAndTheColourUntouched) {
  TSkinnedForm Fixture;
  auto* Button = new TButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  Button->SetColor(clYellow);
  auto* Skin = new TProbeSkin(Button);
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), true);
  EXPECT_EQ(Button->Color(), Fixture.Data().Colors[csButtonFace]);
  TBareWindow Bare(Fixture.Form()->Handle());
  auto* BareSkin = new TProbeSkin(&Fixture.Skin());
  BareSkin->Inithwnd(Bare.Handle, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());

  DestroyWindow(Button->WindowHandle());
  DestroyWindow(Bare.Handle);
  EXPECT_EQ(Skin->FStatus, kControlDestroyed);
  EXPECT_EQ(BareSkin->FStatus, kControlDestroyed);
  EXPECT_FALSE(Skin->FActive);
  // The window went away: its colour is not written back.
  EXPECT_EQ(Button->Color(), Fixture.Data().Colors[csButtonFace]);
  EXPECT_EQ(Skin->LiveHandle(), nullptr);
  const int Paints = Skin->Paints;
  Skin->Invalidate();
  Skin->PaintControl(nullptr);
  EXPECT_EQ(Skin->Paints, Paints);

  // The next discovery pass frees them without touching the windows.
  Fixture.Skin().DeleteSkinDeleted();
  EXPECT_TRUE(Fixture.Skin().FControls.empty());
  EXPECT_EQ(Button->ComponentCount(), 0);
  // The control is recreated and works natively.
  Button->HandleNeeded();
  EXPECT_EQ(SendMessageW(Button->Handle(), WM_SKIN_QUERY, 0, 0), 0);
}

TEST(ControlLife, AFrameworkControlFreedFirstTakesItsSkinObjectWithIt) {
  TSkinnedForm Fixture;
  auto* Button = new TButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  auto* Skin = new TProbeSkin(Button);
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), false);
  ASSERT_EQ(Fixture.Skin().FControls.size(), 1u);
  delete Button;
  EXPECT_TRUE(Fixture.Skin().FControls.empty());
}

TEST(ControlLife, ASkinObjectFreedFirstLeavesTheControlNativeWithItsColour) {
  TSkinnedForm Fixture;
  auto* Button = new TButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  Button->SetColor(clYellow);
  auto* Skin = new TProbeSkin(Button);
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), true);
  delete Skin;
  EXPECT_EQ(Button->Color(), clYellow);
  EXPECT_EQ(SendMessageW(Button->Handle(), WM_SKIN_QUERY, 0, 0), 0);
}

TEST(ControlLife, UnskinningTheFormUnsubclassesAndFreesEveryListedObject) {
  TSkinnedForm Fixture;
  auto* Button = new TButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  Button->SetColor(clYellow);
  auto* Skin = new TProbeSkin(Button);
  Skin->Init(&Fixture.Skin(), &Fixture.Data(), Fixture.Canvas(), true);
  TBareWindow Bare(Fixture.Form()->Handle());
  const LONG_PTR Proc = GetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC);
  (new TProbeSkin(&Fixture.Skin()))
      ->Inithwnd(Bare.Handle, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Fixture.Unskin();
  EXPECT_EQ(Button->ComponentCount(), 0);
  EXPECT_EQ(Button->Color(), clYellow);
  EXPECT_EQ(GetWindowLongPtrW(Bare.Handle, GWLP_WNDPROC), Proc);
}

// ---------------------------------------------------------------------------------------------------
// The message path

TEST(ControlMessages, TheSwitchMessageTurnsSkinningOffAndOnWithARepaint) {
  TSkinnedForm Fixture;
  TBareWindow Bare(Fixture.Form()->Handle());
  auto* Skin = new TProbeSkin(&Fixture.Skin());
  Skin->Inithwnd(Bare.Handle, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Pump();
  struct TStep {
    WPARAM Switch;
    bool Active;
    bool QueryAnswered;
  };
  for (const TStep Step :
       {TStep{0, false, false}, TStep{1, true, true}, TStep{0, false, false}, TStep{5, true, true}}) {
    TBareWindow::Seen[WM_PAINT] = 0;
    const int PaintsBefore = Skin->Paints;
    SendMessageW(Bare.Handle, WM_SKIN_SWITCH, Step.Switch, 0);
    EXPECT_EQ(Skin->FActive, Step.Active) << Step.Switch;
    EXPECT_EQ(SendMessageW(Bare.Handle, WM_SKIN_QUERY, 0, 0), Step.QueryAnswered ? 1 : 0);
    // Repainted at once either way; the window's own painting runs, and the skin's only when on.
    EXPECT_GE(TBareWindow::Seen[WM_PAINT], 1) << Step.Switch;
    EXPECT_EQ(Skin->Paints > PaintsBefore, Step.Active) << Step.Switch;
  }
}

TEST(ControlMessages, AFailingHandlerStillLetsTheMessageTakeItsDefaultPathOnce) {
  TSkinnedForm Fixture;
  TBareWindow Bare(Fixture.Form()->Handle());
  auto* Skin = new TProbeSkin(&Fixture.Skin());
  Skin->Inithwnd(Bare.Handle, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Skin->ThrowOn = WM_USER + 3;
  EXPECT_NO_THROW(SendMessageW(Bare.Handle, WM_USER + 3, 0, 0));
  EXPECT_EQ(TBareWindow::Seen[WM_USER + 3], 1);
  Skin->ThrowOn = WM_SKIN_QUERY;
  SendMessageW(Bare.Handle, WM_SKIN_QUERY, 0, 0);
  EXPECT_EQ(TBareWindow::Seen[WM_SKIN_QUERY], 1);
}

// ---------------------------------------------------------------------------------------------------
// Drawing helpers

TEST(ControlDrawing, EmptyOrInvertedTargetsDrawNothingInEveryVariant) {
  TSkinnedForm Fixture;
  TProbeSkin Skin(nullptr);
  Skin.FSkinData = &Fixture.Data();
  TBitmap Target(40, 40);
  HDC DC = Target.Canvas()->Handle();
  FillColor(DC, RECT{0, 0, 40, 40}, clWhite);
  TBitmap* Strip = Fixture.Data().Button->CheckBitmap.get();
  for (const RECT R : {RECT{10, 10, 5, 20}, RECT{10, 10, 20, 5}, RECT{10, 10, 10, 10}}) {
    Skin.DrawSkinMap(DC, R, Fixture.Data().Button.get(), 1, 5);
    Skin.DrawSkinMap1(DC, R, Strip, 1, 12);
    Skin.DrawSkinMap2(DC, R, Strip, 1, 12);
    Skin.DrawSkinMap3(Target.Canvas(), R, Strip, 1, 12);
    FillColor(DC, R, clBlack);
  }
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 40; ++X) ASSERT_EQ(GetPixel(DC, X, Y), RGB(255, 255, 255)) << X << "," << Y;
}

TEST(ControlDrawing, StripFramesAreCutStretchedAndKeyed) {
  TSkinnedForm Fixture;
  TProbeSkin Skin(nullptr);
  TBitmap Target(60, 20);
  HDC DC = Target.Canvas()->Handle();
  FillColor(DC, RECT{0, 0, 60, 20}, clWhite);
  TBitmap* Strip = Fixture.Data().Button->CheckBitmap.get();  // 12 frames of 13 x 13
  Skin.DrawSkinMap2(DC, RECT{0, 0, 26, 13}, Strip, 5, 12);    // stretched to twice the width
  EXPECT_EQ(GetPixel(DC, 0, 0), FrameColor(kCheckStrip, 5));
  EXPECT_EQ(GetPixel(DC, 25, 12), FrameColor(kCheckStrip, 5));
  EXPECT_EQ(GetPixel(DC, 26, 0), RGB(255, 255, 255));
  // Magenta leaves the target as it was.
  TBitmap Keyed(4, 1);
  FillColor(Keyed.Canvas()->Handle(), RECT{0, 0, 4, 1}, 0xFF00FF);
  Skin.DrawSkinMap1(DC, RECT{40, 0, 44, 1}, &Keyed, 1, 1);
  EXPECT_EQ(GetPixel(DC, 41, 0), RGB(255, 255, 255));
}

TEST(ControlDrawing, CaptionsSitOnePixelAboveTheCentre) {
  TProbeSkin Skin(nullptr);
  TBitmap Target(100, 41);
  FillColor(Target.Canvas()->Handle(), RECT{0, 0, 100, 41}, clWhite);
  Target.Canvas()->Font()->SetColor(clBlack);
  Skin.DrawCaption(Target.Canvas(), RECT{0, 0, 100, 41}, u"Wg", true, false, DT_CENTER);
  HDC DC = Target.Canvas()->Handle();
  const int TextH = Skin.TextHeight(DC, u"Wg");
  int Top = -1, Bottom = -1;
  for (int Y = 0; Y < 41; ++Y)
    for (int X = 0; X < 100; ++X)
      if (GetPixel(DC, X, Y) != RGB(255, 255, 255)) {
        if (Top < 0) Top = Y;
        Bottom = Y;
      }
  ASSERT_GE(Top, 0);
  // The line box starts at (41 - h) div 2 - 1; the ink lies inside it.
  const int BoxTop = (41 - TextH) / 2 - 1;
  EXPECT_GE(Top, BoxTop);
  EXPECT_LT(Bottom, BoxTop + TextH);
}

// ---------------------------------------------------------------------------------------------------
// Published properties by name

TEST(ControlProperties, ReadAndWriteByNameWithoutRaising) {
  TSkinnedForm Fixture;
  auto* Button = new TButton(Fixture.Form());
  Button->SetParent(Fixture.Form());
  Button->SetCaption("Go");
  Button->SetDefault(true);
  struct TRead {
    const char* Name;
    String Property;
    int Int;
  };
  for (const TRead& R : {TRead{"Default", "True", 1}, TRead{"Left", "0", 0}, TRead{"Caption", "", -1},
                         TRead{"NoSuchProperty", "", -1}, TRead{"Font", "", -1}}) {
    EXPECT_EQ(GetProperty(Button, R.Name), R.Property) << R.Name;
    EXPECT_EQ(GetIntProperty(Button, R.Name), R.Int) << R.Name;
  }
  EXPECT_EQ(GetEnumProperty(Button, "BiDiMode"), "bdLeftToRight");
  EXPECT_EQ(GetStringProp(Button, "Caption"), u"Go");
  EXPECT_EQ(GetStringProp(Button, "Default"), u"");
  EXPECT_NE(GetObjProp(Button, "Font", TFont::StaticClass()), nullptr);
  EXPECT_EQ(GetObjProp(Button, "Font", TBitmap::StaticClass()), nullptr);
  EXPECT_TRUE(GetObjMethod(Button, "OnClick").Code == nullptr);
  SetProperty(Button, "Default", "False");
  SetProperty(Button, "Left", "17");
  SetProperty(Button, "Caption", "Stop");
  SetProperty(Button, "Left", "not a number");
  SetProperty(Button, "Default", "Maybe");
  SetProperty(nullptr, "Left", "1");
  EXPECT_FALSE(Button->Default());
  EXPECT_EQ(Button->Left(), 17);
  EXPECT_EQ(Button->Caption(), "Stop");
}

// ---------------------------------------------------------------------------------------------------
// Every class on the framework path: the query answered without the control seeing it, the switch,
// the message method given back

struct TEveryClassCase {
  const char* Name;
  TControl* (*Make)(TForm* Form);
  TSkinControl* (*Attach)(TControl* Control, TSkinnedForm& Fixture);
};

template <class TSkin>
TSkinControl* AttachWith(TControl* Control, TSkinnedForm& F) {
  auto* Skin = new TSkin(Control);
  if constexpr (requires { Skin->InitScrollbar(Control, &F.Data(), F.Canvas(), &F.Skin()); })
    Skin->InitScrollbar(Control, &F.Data(), F.Canvas(), &F.Skin());
  else if constexpr (requires { Skin->InitGraphicControl(&F.Skin(), &F.Data(), F.Canvas()); })
    Skin->InitGraphicControl(&F.Skin(), &F.Data(), F.Canvas());
  else
    Skin->Init(&F.Skin(), &F.Data(), F.Canvas(), false);
  return Skin;
}

template <class TCtl>
TControl* MakeOn(TForm* Form) {
  auto* Control = new TCtl(Form);
  Control->SetParent(Form);
  Control->SetBounds(10, 10, 160, 60);
  return Control;
}

class EveryClass : public ::testing::TestWithParam<TEveryClassCase> {};

TEST_P(EveryClass, AnswersTheQuerySwitchesAndGivesBackTheMethod) {
  TSkinnedForm Fixture;
  TControl* Control = GetParam().Make(Fixture.Form());
  auto* Spy = new TSpy(Control);
  Control->WindowProc = TWndMethod::Bind<&TSpy::Proc>(Spy);
  const TWndMethod Before = Control->WindowProc;
  TSkinControl* Skin = GetParam().Attach(Control, Fixture);
  Pump();
  EXPECT_EQ(Control->Perform(WM_SKIN_QUERY, 0, 0), 1);
  if (auto* Win = dynamic_cast<TWinControl*>(Control)) {
    EXPECT_EQ(SendMessageW(Win->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  }
  EXPECT_EQ(Spy->Seen[WM_SKIN_QUERY], 0);
  Control->Perform(WM_SKIN_SWITCH, 0, 0);
  EXPECT_EQ(Control->Perform(WM_SKIN_QUERY, 0, 0), 0);
  EXPECT_EQ(Spy->Seen[WM_SKIN_QUERY], 1);
  Control->Perform(WM_SKIN_SWITCH, 1, 0);
  EXPECT_EQ(Control->Perform(WM_SKIN_QUERY, 0, 0), 1);
  delete Skin;
  EXPECT_EQ(Control->WindowProc, Before);
  Control->WindowProc = Spy->Saved;
  delete Spy;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, EveryClass,
    ::testing::Values(TEveryClassCase{"Button", &MakeOn<TButton>, &AttachWith<TSkinButton>},
                      TEveryClassCase{"BitButton", &MakeOn<TBitBtn>, &AttachWith<TSkinBitButton>},
                      TEveryClassCase{"MenuButton", &MakeOn<TButton>, &AttachWith<TSkinMenuButton>},
                      TEveryClassCase{"SpeedButton", &MakeOn<TSpeedButton>, &AttachWith<TSkinSpeedButton>},
                      TEveryClassCase{"CheckBox", &MakeOn<TCheckBox>, &AttachWith<TSkinCheckBox>},
                      TEveryClassCase{"RadioButton", &MakeOn<TRadioButton>, &AttachWith<TSkinRadioButton>},
                      TEveryClassCase{"CheckList", &MakeOn<TCheckListBox>, &AttachWith<TSkinCheckList>},
                      TEveryClassCase{"Scrollbar", &MakeOn<TMemo>, &AttachWith<TSkinScrollbar>},
                      TEveryClassCase{"ScControl", &MakeOn<TScrollBar>, &AttachWith<TSkinScControl>},
                      TEveryClassCase{"MediaPlayer", &MakeOn<TMediaPlayer>, &AttachWith<TSkinMP>},
                      TEveryClassCase{"TransObj", &MakeOn<TPanel>, &AttachWith<TSkinTransObj>}),
    [](const auto& Info) { return std::string(Info.param.Name); });
