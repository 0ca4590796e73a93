// Control discovery: which skin object each control of a form or child window of a bare window gets,
// what keeps a control native, and that unskinning gives everything back. Tool-bar painting from the
// Buttons strip and the Toolbar picture.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckBoxes.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/ComboBoxes.h"
#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/DateTimePicker.h"
#include "framework/win/controls/Frames.h"
#include "framework/win/controls/Grids.h"
#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/HeaderControl.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/ListBoxes.h"
#include "framework/win/controls/ListView.h"
#include "framework/win/controls/MediaPlayer.h"
#include "framework/win/controls/Memos.h"
#include "framework/win/controls/Panels.h"
#include "framework/win/controls/ProgressBar.h"
#include "framework/win/controls/ScrollBars.h"
#include "framework/win/controls/ScrollBoxes.h"
#include "framework/win/controls/StatusBar.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/controls/TabControls.h"
#include "framework/win/controls/TabSet.h"
#include "framework/win/controls/ToolBar.h"
#include "framework/win/controls/TrackBar.h"
#include "framework/win/controls/TreeView.h"
#include "framework/win/controls/UpDown.h"
#include "framework/win/graphics/GdiHandles.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinCheckBoxes.h"
#include "skin/data/SkinElements.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/TestControls.h"
#include "tests/skin/controls/TestScrollControls.h"

using namespace ctltest;

namespace {

// Test classes known to nothing but the class-name list.
class TMyEdit : public TEdit {
  DECLARE_CLASS(TMyEdit, TEdit)
 public:
  using TEdit::TEdit;
};
class TMyButton : public TButton {
  DECLARE_CLASS(TMyButton, TButton)
 public:
  using TButton::TButton;
};
class TOtherPanel : public TPanel {
  DECLARE_CLASS(TOtherPanel, TPanel)
 public:
  using TPanel::TPanel;
};
class TMySpeed : public TSpeedButton {
  DECLARE_CLASS(TMySpeed, TSpeedButton)
 public:
  using TSpeedButton::TSpeedButton;
};
class TMyPlayer : public TMediaPlayer {
  DECLARE_CLASS(TMyPlayer, TMediaPlayer)
 public:
  using TMediaPlayer::TMediaPlayer;
};
class TMyPicker : public TDateTimePicker {
  DECLARE_CLASS(TMyPicker, TDateTimePicker)
 public:
  using TDateTimePicker::TDateTimePicker;
};

template <class T>
T* Put(TWinControl* Parent, int X, int Y, int W = 90, int H = 26) {
  auto* Control = new T(Parent->Owner() ? Parent->Owner() : Parent);
  Control->SetBounds(X, Y, W, H);
  Control->SetParent(Parent);
  return Control;
}

// The class of the skin object that serves Control, or "" when it stays native.
// (Objects attached by window handle know only the control's window.)
std::string SkinOf(TRuzIzivForm& Skin, TControl* Control) {
  for (TSkinControl* Object : Skin.FControls)
    if (Object->FControl == Control || Object->FGraphicControl == Control) return Object->ClassName();
  auto* Win = dynamic_cast<TWinControl*>(Control);
  TSkinControl* Object = Win && Win->HandleAllocated() ? Skin.Lookupcontrol(Win->Handle()) : nullptr;
  return Object ? Object->ClassName() : "";
}
std::string SkinOf(TRuzIzivForm& Skin, HWND Wnd) {
  TSkinControl* Object = Skin.Lookupcontrol(Wnd);
  return Object ? Object->ClassName() : "";
}

struct TControlCase {
  const char* Name;
  std::function<TControl*(TForm*)> Make;
  const char* Expected;  // "" for native
};

TControl* FirstChild(TControl* Control) {
  auto* Win = dynamic_cast<TWinControl*>(Control);
  return Win && Win->ControlCount() ? Win->Controls(0) : nullptr;
}
TPageControl* PutPages(TForm* F, TTabStyle Style = tsTabs) {
  auto* Pages = Put<TPageControl>(F, 10, 10, 250, 150);
  Pages->SetStyle(Style);
  for (const char* Caption : {"One", "Two"}) {
    auto* Sheet = new TTabSheet(F);
    Sheet->SetPageControl(Pages);
    Sheet->SetCaption(Caption);
  }
  return Pages;
}
TRadioGroup* PutRadioGroup(TWinControl* Parent, int X, int Y) {
  auto* Group = Put<TRadioGroup>(Parent, X, Y, 200, 90);
  Group->Items()->Add("One");
  Group->Items()->Add("Two");
  return Group;
}
TDateTimePicker* PutPicker(TForm* F, TDateTimeKind Kind) {
  auto* Picker = Put<TDateTimePicker>(F, 10, 10, 150, 24);
  Picker->SetKind(Kind);
  return Picker;
}

}  // namespace

// One control of every framework class that the dispatch knows, on one form.
class Dispatch : public ::testing::TestWithParam<TControlCase> {};

TEST_P(Dispatch, EachControlGetsTheSkinClassOfItsRow) {
  const TControlCase& C = GetParam();
  TSkinnedForm Form;
  TControl* Control = C.Make(Form.Form());
  Form.Skin().InitControls(Form.Form());
  EXPECT_EQ(SkinOf(Form.Skin(), Control), C.Expected);
}

std::vector<TControlCase> DispatchCases() {
  std::vector<TControlCase> Cases = {
      TControlCase{"Button", [](TForm* F) { return Put<TButton>(F, 10, 10); }, "TSkinButton"},
      TControlCase{"BitBtn", [](TForm* F) { return Put<TBitBtn>(F, 10, 10); }, "TSkinBitButton"},
      TControlCase{"ScrollWindow", [](TForm* F) { return Put<TTestMemo>(F, 10, 10, 150, 80); },
                   "TSkinScrollbar"}};
  Cases.insert(
      Cases.end(),
      {TControlCase{"CheckBox", [](TForm* F) { return Put<TCheckBox>(F, 10, 10); }, "TSkinCheckBox"},
       TControlCase{"RadioButton", [](TForm* F) { return Put<TRadioButton>(F, 10, 10); }, "TSkinRadioButton"},
       TControlCase{"ScrollBar", [](TForm* F) { return Put<TScrollBar>(F, 10, 10, 150, 18); },
                    "TSkinScControl"},
       TControlCase{"Memo", [](TForm* F) { return Put<TMemo>(F, 10, 10, 150, 80); }, "TSkinScrollbar"},
       TControlCase{"ListBox", [](TForm* F) { return Put<TListBox>(F, 10, 10, 150, 80); }, "TSkinScrollbar"},
       TControlCase{"TreeView", [](TForm* F) { return Put<TTreeView>(F, 10, 10, 150, 80); },
                    "TSkinScrollbar"},
       TControlCase{"ScrollBox", [](TForm* F) { return Put<TScrollBox>(F, 10, 10, 150, 80); },
                    "TSkinScrollbar"},
       TControlCase{"StringGrid", [](TForm* F) { return Put<TStringGrid>(F, 10, 10, 150, 80); },
                    "TSkinScrollbar"},
       TControlCase{"Label", [](TForm* F) { return Put<TLabel>(F, 10, 10); }, ""},
       TControlCase{"TrackBar", [](TForm* F) { return Put<TTrackBar>(F, 10, 10, 150, 30); }, "TSkinTrackBar"},
       TControlCase{"ProgressBar", [](TForm* F) { return Put<TProgressBar>(F, 10, 10, 150, 20); },
                    "TSkinProgress"},
       TControlCase{"HeaderControl", [](TForm* F) { return Put<THeaderControl>(F, 10, 10, 150, 20); },
                    "TSkinHeader"},
       TControlCase{"ListView", [](TForm* F) { return Put<TListView>(F, 10, 10, 150, 80); }, "TSkinListView"},
       TControlCase{"ButtonOnPanel",
                    [](TForm* F) { return Put<TButton>(Put<TPanel>(F, 10, 10, 200, 100), 5, 5); },
                    "TSkinButton"},
       TControlCase{"ButtonInGroupBox",
                    [](TForm* F) { return Put<TButton>(Put<TGroupBox>(F, 10, 10, 200, 100), 5, 20); },
                    "TSkinButton"},
       TControlCase{"RadioGroupButton", [](TForm* F) { return FirstChild(PutRadioGroup(F, 10, 10)); },
                    "TSkinRadioButton"},
       TControlCase{"ButtonOnFrame",
                    [](TForm* F) {
                      auto* Frame = Put<TFrame>(F, 10, 10, 200, 100);
                      auto* Button = new TButton(Frame);
                      Button->SetParent(Frame);
                      return Button;
                    },
                    "TSkinButton"},
       TControlCase{"PageControl", [](TForm* F) { return PutPages(F); }, "TSkinTab"},
       TControlCase{"PageControlOfButtons", [](TForm* F) { return PutPages(F, tsButtons); }, "TSkinTabBtn"},
       TControlCase{"TabSheet", [](TForm* F) { return PutPages(F)->Pages(0); }, "TSkinTabSheet"},
       TControlCase{"TabControl", [](TForm* F) { return Put<TTabControl>(F, 10, 10, 200, 100); }, "TSkinTab"},
       TControlCase{"TabSet", [](TForm* F) { return Put<TTabSet>(F, 10, 10, 200, 24); }, "TSkinTab31"},
       TControlCase{"UpDown", [](TForm* F) { return Put<TUpDown>(F, 10, 10, 18, 24); }, "TSkinUpDown"},
       TControlCase{"StatusBar", [](TForm* F) { return Put<TStatusBar>(F, 10, 10, 200, 22); },
                    "TSkinStatusBar"},
       TControlCase{"ComboBox", [](TForm* F) { return Put<TComboBox>(F, 10, 10, 150, 24); }, "TSkinComBox"},
       TControlCase{"Edit", [](TForm* F) { return Put<TEdit>(F, 10, 10, 150, 24); }, "TSkinEdit"},
       TControlCase{"DatePicker", [](TForm* F) { return PutPicker(F, dtkDate); }, "TSkinDateTime"},
       TControlCase{"TimePicker", [](TForm* F) { return PutPicker(F, dtkTime); }, "TSkinEdit"},
       TControlCase{"RadioGroup", [](TForm* F) { return PutRadioGroup(F, 10, 10); }, "TSkinGroupBox"},
       TControlCase{"GroupBox", [](TForm* F) { return Put<TGroupBox>(F, 10, 10, 200, 100); },
                    "TSkinGroupBox"},
       TControlCase{"Panel", [](TForm* F) { return Put<TPanel>(F, 10, 10, 200, 100); }, "TSkinBox"},
       TControlCase{"ToolBar", [](TForm* F) { return Put<TToolBar>(F, 0, 0, 300, 30); }, "TSkinBox"},
       TControlCase{"Frame", [](TForm* F) { return Put<TFrame>(F, 10, 10, 200, 100); }, ""},
       TControlCase{"SpeedButton", [](TForm* F) { return Put<TSpeedButton>(F, 10, 10, 60, 26); },
                    "TSkinSpeedButton"},
       TControlCase{"CheckListBox", [](TForm* F) { return Put<TCheckListBox>(F, 10, 10, 150, 80); },
                    "TSkinCheckList"},
       TControlCase{"MediaPlayer", [](TForm* F) { return Put<TMediaPlayer>(F, 10, 10, 260, 30); },
                    "TSkinMP"}});
  return Cases;
}

INSTANTIATE_TEST_SUITE_P(Table, Dispatch, ::testing::ValuesIn(DispatchCases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// What keeps a control native although its class has a row.
TEST(DispatchExceptions, DisableTagKeepsTheControlAndARadioGroupsButtonsNative) {
  TSkinnedForm Form;
  auto* Button = Put<TButton>(Form.Form(), 10, 10);
  Button->SetTag(Form.Data().DisableTag);
  auto* Group = Put<TRadioGroup>(Form.Form(), 10, 50, 200, 100);
  Group->Items()->Add("One");
  Group->Items()->Add("Two");
  Group->SetTag(Form.Data().DisableTag);
  Form.Skin().InitControls(Form.Form());
  EXPECT_EQ(SkinOf(Form.Skin(), Button), "");
  ASSERT_EQ(Group->ControlCount(), 2);
  for (int I = 0; I < Group->ControlCount(); ++I) EXPECT_EQ(SkinOf(Form.Skin(), Group->Controls(I)), "");
  EXPECT_TRUE(Form.Skin().FControls.empty());
}

struct TMemberCase {
  const char* Name;
  TSkinControlType Member;
  std::function<TControl*(TForm*)> Make;
  const char* On;
  const char* Off;
};
class MemberOff : public ::testing::TestWithParam<TMemberCase> {};

TEST_P(MemberOff, SwitchingAKindOffLeavesItsControlsNative) {
  const TMemberCase& C = GetParam();
  for (bool On : {true, false}) {
    SCOPED_TRACE(On ? "on" : "off");
    TSkinnedForm Form;
    if (!On) Form.Data().SkinControls.Exclude(C.Member);
    TControl* Control = C.Make(Form.Form());
    Form.Skin().InitControls(Form.Form());
    EXPECT_EQ(SkinOf(Form.Skin(), Control), On ? C.On : C.Off);
  }
}

std::vector<TMemberCase> MemberCases() {
  std::vector<TMemberCase> Cases = {
      TMemberCase{"Button", xcButton, [](TForm* F) { return Put<TButton>(F, 10, 10); }, "TSkinButton", ""},
      // A bit button row ends the dispatch: without xcBitBtn it is not taken for a push button.
      TMemberCase{"BitBtn", xcBitBtn, [](TForm* F) { return Put<TBitBtn>(F, 10, 10); }, "TSkinBitButton",
                  ""}};
  Cases.insert(
      Cases.end(),
      {TMemberCase{"CheckBox", xcCheckBox, [](TForm* F) { return Put<TCheckBox>(F, 10, 10); },
                   "TSkinCheckBox", ""},
       TMemberCase{"RadioButton", xcRadioButton, [](TForm* F) { return Put<TRadioButton>(F, 10, 10); },
                   "TSkinRadioButton", ""},
       TMemberCase{"ScrollBar", xcScrollbar, [](TForm* F) { return Put<TScrollBar>(F, 10, 10, 150, 18); },
                   "TSkinScControl", ""},
       // Without scroll bars a memo goes on to the edit row.
       TMemberCase{"Memo", xcScrollbar, [](TForm* F) { return Put<TMemo>(F, 10, 10, 150, 80); },
                   "TSkinScrollbar", "TSkinEdit"},
       TMemberCase{"ButtonOnPanel", xcPanel,
                   [](TForm* F) { return Put<TButton>(Put<TPanel>(F, 10, 10, 200, 100), 5, 5); },
                   "TSkinButton",
                   // The button is still reached as an owned component of the form.
                   "TSkinButton"},
       TMemberCase{"Panel", xcPanel, [](TForm* F) { return Put<TPanel>(F, 10, 10, 200, 100); }, "TSkinBox",
                   ""},
       TMemberCase{"GroupBox", xcPanel, [](TForm* F) { return Put<TGroupBox>(F, 10, 10, 200, 100); },
                   "TSkinGroupBox", ""},
       // Group boxes are gated by the panel member alone.
       TMemberCase{"GroupBoxAndGroupMember", xcGroupBox,
                   [](TForm* F) { return Put<TGroupBox>(F, 10, 10, 200, 100); }, "TSkinGroupBox",
                   "TSkinGroupBox"},
       TMemberCase{"Edit", xcEdit, [](TForm* F) { return Put<TEdit>(F, 10, 10, 150, 24); }, "TSkinEdit", ""},
       TMemberCase{"DatePicker", xcEdit, [](TForm* F) { return PutPicker(F, dtkDate); }, "TSkinDateTime", ""},
       TMemberCase{"ComboBox", xcCombo, [](TForm* F) { return Put<TComboBox>(F, 10, 10, 150, 24); },
                   "TSkinComBox", ""},
       TMemberCase{"UpDown", xcSpin, [](TForm* F) { return Put<TUpDown>(F, 10, 10, 18, 24); }, "TSkinUpDown",
                   ""},
       TMemberCase{"StatusBar", xcStatusBar, [](TForm* F) { return Put<TStatusBar>(F, 10, 10, 200, 22); },
                   "TSkinStatusBar", ""},
       TMemberCase{"PageControl", xcTab, [](TForm* F) { return PutPages(F); }, "TSkinTab", ""},
       TMemberCase{"SpeedButton", xcSpeedButton,
                   [](TForm* F) { return Put<TSpeedButton>(F, 10, 10, 60, 26); }, "TSkinSpeedButton", ""},
       TMemberCase{"CheckListBox", xcScrollbar,
                   [](TForm* F) { return Put<TCheckListBox>(F, 10, 10, 150, 80); }, "TSkinCheckList", ""},
       TMemberCase{"MediaPlayer", xcButton, [](TForm* F) { return Put<TMediaPlayer>(F, 10, 10, 260, 30); },
                   "TSkinMP", ""},
       TMemberCase{"ToolBar", xcToolbar, [](TForm* F) { return Put<TToolBar>(F, 0, 0, 300, 30); }, "TSkinBox",
                   ""}});
  return Cases;
}

INSTANTIATE_TEST_SUITE_P(Table, MemberOff, ::testing::ValuesIn(MemberCases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(DispatchExceptions, BitBtnStaysNativeWithoutItsMemberEvenWithPushButtonsOn) {
  TSkinnedForm Form;
  Form.Data().SkinControls.Exclude(xcBitBtn);
  ASSERT_TRUE(Form.Data().SkinControls.Contains(xcButton));
  auto* Bit = Put<TBitBtn>(Form.Form(), 10, 10);
  auto* Push = Put<TButton>(Form.Form(), 10, 50);
  Form.Skin().InitControls(Form.Form());
  EXPECT_EQ(SkinOf(Form.Skin(), Bit), "");
  EXPECT_EQ(SkinOf(Form.Skin(), Push), "TSkinButton");
}

// Each kind of the class-name list, applied to a test class that the dispatch alone would skin
// otherwise (or not at all).
struct TKindCase {
  const char* Line;
  std::function<TControl*(TForm*)> Make;
  const char* Expected;
};
class ThirdParty : public ::testing::TestWithParam<TKindCase> {};

TEST_P(ThirdParty, TheListedKindDecides) {
  const TKindCase& C = GetParam();
  TSkinnedForm Form;
  Form.Data().Skin3rd()->Add(C.Line);
  TControl* Control = C.Make(Form.Form());
  Form.Skin().InitControls(Form.Form());
  EXPECT_EQ(SkinOf(Form.Skin(), Control), C.Expected);
}

std::vector<TKindCase> KindCases() {
  std::vector<TKindCase> Cases = {
      TKindCase{"tmyedit=nil", [](TForm* F) { return Put<TMyEdit>(F, 10, 10); }, ""},
      TKindCase{"TMyButton=nil", [](TForm* F) { return Put<TMyButton>(F, 10, 10); }, ""},
      TKindCase{"tmybutton=button", [](TForm* F) { return Put<TMyButton>(F, 10, 10); }, "TSkinButton"},
      TKindCase{"tmybutton=bitbtn", [](TForm* F) { return Put<TMyButton>(F, 10, 10); }, "TSkinBitButton"},
      TKindCase{"tmybutton=pngbitbtn", [](TForm* F) { return Put<TMyButton>(F, 10, 10); }, "TSkinBitButton"},
      TKindCase{"tmybutton=menubtn", [](TForm* F) { return Put<TMyButton>(F, 10, 10); }, "TSkinMenuButton"},
      TKindCase{"ttestcheck=checkbox", [](TForm* F) { return Put<TTestCheck>(F, 10, 10); }, "TSkinCheckBox"},
      TKindCase{"ttestcheck=radiobutton", [](TForm* F) { return Put<TTestCheck>(F, 10, 10); },
                "TSkinRadioButton"},
      TKindCase{"tmybutton=unknownkind", [](TForm* F) { return Put<TMyButton>(F, 10, 10); }, ""}};
  Cases.insert(
      Cases.end(),
      {TKindCase{"totherpanel=scrollbar", [](TForm* F) { return Put<TOtherPanel>(F, 10, 10, 150, 80); },
                 "TSkinScrollbar"},
       TKindCase{"totherpanel=singlescrollbar", [](TForm* F) { return Put<TOtherPanel>(F, 10, 10, 150, 80); },
                 "TSkinScrollbar"},
       TKindCase{"totherpanel=container",
                 [](TForm* F) { return Put<TButton>(Put<TOtherPanel>(F, 10, 10, 200, 100), 5, 5); },
                 "TSkinButton"},
       TKindCase{
           "totherpanel=embedscrollbar",
           [](TForm* F) { return Put<TScrollBar>(Put<TOtherPanel>(F, 10, 10, 200, 100), 5, 5, 150, 18); },
           "TSkinScControl"},
       TKindCase{"totherpanel=radiogroup",
                 [](TForm* F) { return Put<TTestCheck>(Put<TOtherPanel>(F, 10, 10, 200, 100), 5, 5); },
                 "TSkinRadioButton"},
       TKindCase{"totherpanel=checkgroup",
                 [](TForm* F) { return Put<TTestCheck>(Put<TOtherPanel>(F, 10, 10, 200, 100), 5, 5); },
                 "TSkinCheckBox"},
       // The class name is matched in any case; the group itself gets the group box.
       TKindCase{"TOtherPanel=radiogroup", [](TForm* F) { return Put<TOtherPanel>(F, 10, 10, 200, 100); },
                 "TSkinGroupBox"},
       TKindCase{"totherpanel=panel", [](TForm* F) { return Put<TOtherPanel>(F, 10, 10, 200, 100); },
                 "TSkinBox"},
       TKindCase{"totherpanel=groupbox", [](TForm* F) { return Put<TOtherPanel>(F, 10, 10, 200, 100); },
                 "TSkinGroupBox"},
       TKindCase{"totherpanel=advpagecontrol", [](TForm* F) { return Put<TOtherPanel>(F, 10, 10, 200, 100); },
                 "TSkinAdvPage"},
       TKindCase{"tmyedit=edit", [](TForm* F) { return Put<TMyEdit>(F, 10, 10, 150, 24); }, "TSkinEdit"},
       TKindCase{"tmyedit=combobox", [](TForm* F) { return Put<TMyEdit>(F, 10, 10, 150, 24); },
                 "TSkinComBox"},
       TKindCase{"tmyedit=comboboxex", [](TForm* F) { return Put<TMyEdit>(F, 10, 10, 150, 24); },
                 "TSkinComBox"},
       TKindCase{"tmyspeed=speedbutton", [](TForm* F) { return Put<TMySpeed>(F, 10, 10, 60, 26); },
                 "TSkinSpeedButton"},
       TKindCase{"tmyspeed=pngspeedbutton", [](TForm* F) { return Put<TMySpeed>(F, 10, 10, 60, 26); },
                 "TSkinSpeedButton"},
       TKindCase{"tmyspeed=nil", [](TForm* F) { return Put<TMySpeed>(F, 10, 10, 60, 26); }, ""},
       TKindCase{"tmyplayer=mediaplayer", [](TForm* F) { return Put<TMyPlayer>(F, 10, 10, 260, 30); },
                 "TSkinMP"},
       // A time picker would be an edit by the dispatch; the list makes it a picker.
       TKindCase{"tmypicker=datetimepicker",
                 [](TForm* F) {
                   auto* Picker = Put<TMyPicker>(F, 10, 10, 150, 24);
                   Picker->SetKind(dtkTime);
                   return Picker;
                 },
                 "TSkinDateTime"}});
  return Cases;
}

INSTANTIATE_TEST_SUITE_P(Table, ThirdParty, ::testing::ValuesIn(KindCases()), [](const auto& Info) {
  std::string Name;
  for (char Ch : std::string(Info.param.Line))
    if (isalnum(static_cast<unsigned char>(Ch))) Name += Ch;
  return Name;
});

// The application's hook comes first.
namespace {
enum class THookAnswer { None, OwnSkinObject, OtherComponent };
struct THookHolder : public TObject {
  THookAnswer Answer = THookAnswer::None;
  std::unique_ptr<TComponent> Other{new TComponent(nullptr)};
  String SeenClass;
  void OnSkinControl(TComponent*, TSkinData*, TControl*, TControl* Control, const String& ControlClass,
                     TComponent*& SkinnedControl) {
    SeenClass = ControlClass;
    if (Answer == THookAnswer::OwnSkinObject)
      SkinnedControl = new TSkinCheckBox(Control);  // owned by the control, attached by the engine
    else if (Answer == THookAnswer::OtherComponent)
      SkinnedControl = Other.get();
  }
};
}  // namespace

struct THookCase {
  const char* Name;
  THookAnswer Answer;
  const char* Expected;
};
class SkinControlHook : public ::testing::TestWithParam<THookCase> {};

TEST_P(SkinControlHook, ItsAnswerReplacesTheBuiltInChoice) {
  const THookCase& C = GetParam();
  TSkinnedForm Form;
  THookHolder Holder;
  Holder.Answer = C.Answer;
  Form.Data().OnSkinControl = TOnSkinControl::Bind<&THookHolder::OnSkinControl>(&Holder);
  auto* Button = Put<TButton>(Form.Form(), 10, 10);
  Form.Skin().InitControls(Form.Form());
  EXPECT_EQ(Holder.SeenClass, "TBUTTON");
  EXPECT_EQ(SkinOf(Form.Skin(), Button), C.Expected);
  if (C.Answer == THookAnswer::OwnSkinObject) {
    ASSERT_EQ(Form.Skin().FControls.size(), 1u);
    EXPECT_TRUE(Form.Skin().FControls[0]->FInited);
    EXPECT_EQ(SendMessageW(Button->Handle(), WM_SKIN_QUERY, 0, kSkinMarker), 1);
  }
  Form.Data().OnSkinControl.Clear();
}

INSTANTIATE_TEST_SUITE_P(Table, SkinControlHook,
                         ::testing::Values(THookCase{"None", THookAnswer::None, "TSkinButton"},
                                           THookCase{"OwnObject", THookAnswer::OwnSkinObject,
                                                     "TSkinCheckBox"},
                                           THookCase{"OtherComponent", THookAnswer::OtherComponent, ""}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Bare windows: the child windows of a dialog are decided by window class and style.
namespace {
struct TBareCase {
  const wchar_t* Class;
  DWORD Style;
  const char* Expected;
};
}  // namespace

TEST(BareWindows, ButtonsAreSkinnedByStyleAndTheRestStaysNative) {
  const TBareCase Cases[] = {
      {L"button", BS_PUSHBUTTON, "TSkinButton"},
      {L"button", BS_DEFPUSHBUTTON, "TSkinButton"},
      {L"button", BS_OWNERDRAW, ""},
      {L"button", BS_GROUPBOX, ""},
      {L"button", BS_PUSHBUTTON | BS_BITMAP, ""},
      {L"button", BS_CHECKBOX, "TSkinCheckBox"},
      {L"button", BS_AUTOCHECKBOX, "TSkinCheckBox"},
      {L"button", BS_3STATE, "TSkinCheckBox"},
      {L"button", BS_AUTO3STATE, "TSkinCheckBox"},
      {L"button", BS_RADIOBUTTON, "TSkinRadioButton"},
      {L"button", BS_AUTORADIOBUTTON, "TSkinRadioButton"},
      {L"combobox", CBS_SIMPLE, ""},
      {L"combobox", CBS_DROPDOWN, "TSkinComBox"},
      {L"combobox", CBS_DROPDOWNLIST, "TSkinComBox"},
      {L"edit", WS_BORDER, "TSkinEdit"},
      {L"scrollbar", SBS_SIZEBOX, "TSkinSizer"},
      {L"scrollbar", SBS_HORZ | WS_TABSTOP, ""},
      {L"SysTabControl32", 0, "TSkinTab"},
      {L"SysTabControl32", TCS_OWNERDRAWFIXED, ""},
      {L"ToolbarWindow32", CCS_NORESIZE | CCS_NOPARENTALIGN, "TSkinBoxH"},
      {L"#32770", 0, "TSkinBoxH"},
      {L"#32770", WS_TABSTOP, ""},
      {L"static", SS_LEFT, ""},
      {L"SysTreeView32", 0, ""},
  };
  INITCOMMONCONTROLSEX Common{sizeof(Common), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&Common));
  TSkinnedForm Form;
  HWND Dialog = CreateWindowExW(0, L"#32770", L"bare", WS_POPUP | WS_VISIBLE, 20, 20, 300, 700, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(Dialog);
  std::vector<HWND> Children;
  int Y = 0;
  for (const TBareCase& C : Cases) {
    Children.push_back(CreateWindowExW(0, C.Class, L"x", WS_CHILD | WS_VISIBLE | C.Style, 5, Y, 120, 24,
                                       Dialog, nullptr, GetModuleHandleW(nullptr), nullptr));
    Y += 26;
  }
  std::vector<WNDPROC> Procs;
  for (HWND Child : Children)
    Procs.push_back(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Child, GWLP_WNDPROC)));
  Form.Skin().InitHwndControls(Dialog);
  for (std::size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(I);
    ASSERT_TRUE(Children[I]);
    EXPECT_EQ(SkinOf(Form.Skin(), Children[I]), Cases[I].Expected);
  }
  // Skinned twice is skinned once.
  const std::size_t Count = Form.Skin().FControls.size();
  Form.Skin().InitHwndControls(Dialog);
  EXPECT_EQ(Form.Skin().FControls.size(), Count);
  Form.Skin().DeleteControls();
  for (std::size_t I = 0; I < Children.size(); ++I)
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Children[I], GWLP_WNDPROC)), Procs[I]) << I;
  DestroyWindow(Dialog);
}

// System dialogs opened modally: their windows are looked at from a timer while they run.
namespace {
struct TDialogProbe {
  TRuzIzivForm* Skin = nullptr;
  int PushButtons = 0, PushSkinned = 0, OwnerDrawn = 0, OwnerDrawnSkinned = 0, Groups = 0, GroupsSkinned = 0;
  bool Done = false;
};
TDialogProbe* Probe = nullptr;

BOOL CALLBACK CountChild(HWND Wnd, LPARAM) {
  wchar_t Name[32] = {};
  GetClassNameW(Wnd, Name, 32);
  if (lstrcmpiW(Name, L"button") != 0) return TRUE;
  const auto Style = static_cast<DWORD>(GetWindowLongPtrW(Wnd, GWL_STYLE)) & 0x0F;
  const bool Skinned = Probe->Skin->Lookupcontrol(Wnd) != nullptr;
  if (Style == BS_OWNERDRAW) {
    ++Probe->OwnerDrawn;
    Probe->OwnerDrawnSkinned += Skinned;
  } else if (Style == BS_GROUPBOX) {
    ++Probe->Groups;
    Probe->GroupsSkinned += Skinned;
  } else if (Style == BS_PUSHBUTTON || Style == BS_DEFPUSHBUTTON) {
    ++Probe->PushButtons;
    Probe->PushSkinned += Skinned;
  }
  return TRUE;
}

BOOL CALLBACK FindDialog(HWND Wnd, LPARAM Out) {
  wchar_t Name[16] = {};
  GetClassNameW(Wnd, Name, 16);
  if (lstrcmpW(Name, L"#32770") == 0 && IsWindowVisible(Wnd)) {
    *reinterpret_cast<HWND*>(Out) = Wnd;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK ProbeDialog(HWND, UINT, UINT_PTR Timer, DWORD) {
  try {
    HWND Dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&Dialog));
    if (!Dialog || !Probe || Probe->Done) return;
    Probe->Done = true;
    KillTimer(nullptr, Timer);
    Probe->Skin->InitHwndControls(Dialog);
    EnumChildWindows(Dialog, CountChild, 0);
    Probe->Skin->DeleteControls();
    PostMessageW(Dialog, WM_COMMAND, IDCANCEL, 0);
  } catch (...) {
  }
}
}  // namespace

TEST(BareWindows, ColourDialogAndMessageBox) {
  for (int Which = 0; Which < 2; ++Which) {
    SCOPED_TRACE(Which == 0 ? "colour dialog" : "message box");
    TSkinnedForm Form;
    TDialogProbe Result;
    Result.Skin = &Form.Skin();
    Probe = &Result;
    const UINT_PTR Timer = SetTimer(nullptr, 0, 200, ProbeDialog);
    if (Which == 0) {
      COLORREF Custom[16] = {};
      CHOOSECOLORW Choose{};
      Choose.lStructSize = sizeof(Choose);
      Choose.hwndOwner = Form.Form()->Handle();
      Choose.lpCustColors = Custom;
      Choose.Flags = CC_FULLOPEN;
      ChooseColorW(&Choose);
    } else {
      MessageBoxW(Form.Form()->Handle(), L"text", L"caption", MB_YESNOCANCEL);
    }
    KillTimer(nullptr, Timer);
    Probe = nullptr;
    ASSERT_TRUE(Result.Done);
    EXPECT_GT(Result.PushButtons, 0);
    EXPECT_EQ(Result.PushSkinned, Result.PushButtons);
    EXPECT_EQ(Result.OwnerDrawnSkinned, 0);
    EXPECT_EQ(Result.GroupsSkinned, 0);
    EXPECT_TRUE(Form.Skin().FControls.empty());
  }
}

// A scroll-bar owner whose window is re-created is skinned again on its new window.
TEST(Recreate, AMemoRecreatedIsSkinnedAgain) {
  TSkinnedForm Form;
  auto* Memo = Put<TTestMemo>(Form.Form(), 10, 10, 150, 80);
  Form.Skin().InitControls(Form.Form());
  ASSERT_EQ(SkinOf(Form.Skin(), Memo), "TSkinScrollbar");
  const HWND Old = Memo->Handle();
  Memo->RecreateWnd();
  Pump(60);
  ASSERT_NE(Memo->Handle(), Old);
  ASSERT_EQ(Form.Skin().FControls.size(), 1u);
  EXPECT_EQ(Form.Skin().FControls[0]->ClassName(), "TSkinScrollbar");
  EXPECT_EQ(Form.Skin().FControls[0]->FHandle, Memo->Handle());
  EXPECT_EQ(SendMessageW(Memo->Handle(), WM_SKIN_QUERY, 0, kSkinMarker), 1);
}

// Unskinning frees every object and gives each control its message method and colour back; many
// rounds leave no handle behind.
namespace {
std::vector<TControl*> PutEveryKind(TForm* F) {
  std::vector<TControl*> All = {Put<TButton>(F, 10, 10), Put<TBitBtn>(F, 10, 40),
                                Put<TTestMemo>(F, 10, 160, 150, 60), Put<TTestCheck>(F, 10, 290)};
  auto* Panel = Put<TPanel>(F, 220, 10, 200, 80);
  TRadioGroup* Group = PutRadioGroup(F, 220, 100);
  All.insert(All.end(),
             {Put<TCheckBox>(F, 10, 70), Put<TRadioButton>(F, 10, 100), Put<TScrollBar>(F, 10, 130, 150, 18),
              Put<TListBox>(F, 10, 230, 150, 60), Put<TButton>(Panel, 5, 5), Panel, Group});
  for (int I = 0; I < Group->ControlCount(); ++I) All.push_back(Group->Controls(I));
  TPageControl* Pages = PutPages(F);
  Pages->SetBounds(440, 10, 200, 120);
  TDateTimePicker* Picker = PutPicker(F, dtkDate);
  Picker->SetBounds(440, 140, 150, 24);
  All.insert(All.end(), {Pages, Pages->Pages(0), Pages->Pages(1), Picker, Put<TEdit>(F, 440, 170, 150, 24),
                         Put<TComboBox>(F, 440, 200, 150, 24), Put<TUpDown>(F, 600, 170, 18, 24),
                         Put<TGroupBox>(F, 440, 230, 200, 60), Put<TTabSet>(F, 440, 300, 200, 24),
                         Put<TStatusBar>(F, 0, 370, 640, 22), Put<TSpeedButton>(F, 220, 200, 60, 26),
                         Put<TCheckListBox>(F, 220, 230, 150, 60), Put<TMediaPlayer>(F, 220, 300, 200, 30)});
  return All;
}
}  // namespace

TEST(Unskin, EveryControlGetsItsMethodAndColourBack) {
  TSkinnedForm Form(TCodedSkin{}, 40, 40, 660, 420);
  std::vector<TControl*> All = PutEveryKind(Form.Form());
  std::vector<TWndMethod> Methods;
  std::vector<TColor> Colors;
  for (TControl* Control : All) {
    Methods.push_back(Control->WindowProc);
    Colors.push_back(Control->Color());
  }
  Form.Skin().InitControls(Form.Form());
  EXPECT_GE(Form.Skin().FControls.size(), 23u);
  Pump();
  Form.Skin().DeleteControls();
  EXPECT_TRUE(Form.Skin().FControls.empty());
  for (std::size_t I = 0; I < All.size(); ++I) {
    SCOPED_TRACE(All[I]->ClassName());
    EXPECT_TRUE(All[I]->WindowProc == Methods[I]);
    EXPECT_EQ(All[I]->Color(), Colors[I]);
  }
}

TEST(Unskin, ManySkinRoundsLeaveNoHandles) {
  TSkinnedForm Form(TCodedSkin{}, 40, 40, 660, 420);
  PutEveryKind(Form.Form());
  // Painting the skinned controls now and then lets every painter's kept objects exist before the
  // first count.
  auto Round = [&](bool Paint) {
    Form.Skin().InitControls(Form.Form());
    if (Paint) Pump(5);
    Form.Skin().DeleteControls();
  };
  for (int I = 0; I < 3; ++I) Round(true);
  Pump();
  const TObjectCounts Before = Counts();
  for (int I = 0; I < 200; ++I) Round(I % 20 == 0);
  Pump();
  EXPECT_EQ(Counts(), Before);
}

// Tool-bar painting, through a lent canvas on a memory surface the size of the bar.
namespace {
struct TToolBarFixture {
  TSkinnedForm Form;
  TToolBar* Bar;
  TToolButton* Button;
  TBitmapDC Surface;
  HDC DC;
  static constexpr COLORREF kUntouched = RGB(1, 2, 3);
  TToolBarFixture() : Surface(ScreenSurface(400, 60)), DC(Surface.Get()) {
    Bar = new TToolBar(Form.Form());
    Bar->SetParent(Form.Form());
    Button = new TToolButton(Form.Form());
    Button->SetParent(Bar);
    Form.Skin().FSkinState = kSkinActive;
    Clear();
  }
  static TBitmapDC ScreenSurface(int Width, int Height) {
    TScreenDC Screen;
    return TBitmapDC(Screen.Get(), CreateCompatibleBitmap(Screen.Get(), Width, Height));
  }
  void Clear() {
    RECT R{0, 0, 400, 60};
    TGdiBrush Brush(CreateSolidBrush(kUntouched));
    FillRect(DC, &R, Brush.Get());
  }
  COLORREF ButtonCentre() {
    const RECT R = Button->BoundsRect();
    return GetPixel(DC, (R.left + R.right) / 2, (R.top + R.bottom) / 2);
  }
};
}  // namespace

struct TToolButtonCase {
  const char* Name;
  TCustomDrawState State;
  int Frame;  // 0: not painted
};
class ToolBarButtons : public ::testing::TestWithParam<TToolButtonCase> {};

TEST_P(ToolBarButtons, FramesOfTheButtonsStrip) {
  const TToolButtonCase& C = GetParam();
  TToolBarFixture F;
  ASSERT_GT(F.Button->Width(), 4);
  bool DefaultDraw = true;
  {
    TCanvasDC Lent(F.Bar->Canvas(), F.DC);
    F.Form.Skin().ToolBarDrawButton(F.Bar, F.Button, C.State, DefaultDraw);
  }
  EXPECT_TRUE(DefaultDraw);
  EXPECT_EQ(F.ButtonCentre(), C.Frame ? FrameColor(kButtonStrip, C.Frame) : TToolBarFixture::kUntouched);
}

INSTANTIATE_TEST_SUITE_P(Table, ToolBarButtons,
                         ::testing::Values(TToolButtonCase{"Untouched", {}, 0},
                                           TToolButtonCase{"Hot", {cdsHot}, 4},
                                           TToolButtonCase{"Focused", {cdsFocused}, 4},
                                           TToolButtonCase{"Pressed", {cdsSelected}, 2},
                                           TToolButtonCase{"PressedWhileHot", {cdsSelected, cdsHot}, 2},
                                           TToolButtonCase{"Disabled", {cdsDisabled}, 0},
                                           TToolButtonCase{"Default", {cdsDefault}, 1}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ToolBarBackground, StretchedUnlessTheSkinKeepsTheBarsOwn) {
  for (bool Keep : {true, false}) {
    SCOPED_TRACE(Keep ? "xoToolbarBK" : "stretched");
    TToolBarFixture F;
    auto Element = std::make_unique<TDataSkinObject>("Toolbar");
    Element->Bitmap = std::make_unique<TBitmap>();
    Element->Bitmap->SetSize(4, 4);
    Element->Bitmap->Canvas()->Brush()->SetColor(0x00336699);
    RECT All{0, 0, 4, 4};
    Element->Bitmap->Canvas()->FillRect(All);
    F.Form.Data().Toolbar = std::move(Element);
    if (Keep)
      F.Form.Data().Options.Include(xoToolbarBK);
    else
      F.Form.Data().Options.Exclude(xoToolbarBK);
    bool DefaultDraw = true;
    {
      TCanvasDC Lent(F.Bar->Canvas(), F.DC);
      F.Form.Skin().ToolBarDrawBackground(F.Bar, RECT{0, 0, 300, 40}, DefaultDraw);
    }
    EXPECT_TRUE(DefaultDraw);
    EXPECT_EQ(GetPixel(F.DC, 150, 20), Keep ? TToolBarFixture::kUntouched : RGB(0x99, 0x66, 0x33));
    EXPECT_EQ(GetPixel(F.DC, 350, 50), TToolBarFixture::kUntouched);
  }
}

// The tool bar found on a form gets the painters, and loses them when the form is unskinned.
TEST(ToolBarBackground, DiscoveryInstallsAndUnskinningRemovesThePainters) {
  TToolBarFixture F;
  F.Form.Skin().InitControls(F.Form.Form());
  EXPECT_TRUE(F.Bar->Flat());
  EXPECT_TRUE(F.Bar->OnCustomDrawButton.Assigned());
  EXPECT_TRUE(F.Bar->OnCustomDraw.Assigned());
  F.Form.Skin().DeleteControls();
  EXPECT_FALSE(F.Bar->OnCustomDrawButton.Assigned());
  EXPECT_FALSE(F.Bar->OnCustomDraw.Assigned());
}
