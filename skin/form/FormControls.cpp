// Control discovery: which skin object each control of a skinned window gets. A framework form is
// walked component by component and each control is asked, in this order, of the application's
// OnSkinControl event, of the skin data's class-name list (Skin3rd) and of the dispatch table below;
// a bare window (a system dialog) is walked child window by child window and decided by window class
// and style. Every choice is gated by the skin data's SkinControls. The objects created are listed in
// FControls and freed when the window is unskinned.
#include <algorithm>
#include <array>
#include <memory>

#include "framework/core/SysUtils.h"
#include "framework/win/controls/ControlAtom.h"
#include "framework/win/controls/CoolBar.h"
#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/controls/ToolBar.h"
#include "framework/win/menus/Menus.h"
#include "skin/controls/SkinBars.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinCheckBoxes.h"
#include "skin/controls/SkinComboBoxes.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinEdits.h"
#include "skin/controls/SkinGlyphs.h"
#include "skin/controls/SkinHeaders.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/controls/SkinStatusBars.h"
#include "skin/controls/SkinTabs.h"
#include "skin/data/SkinControlList.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

namespace {

// ---------------------------------------------------------------------------------------------------
// Makers: construct one skin class for a control (owned by the control) and attach it the way that
// class is attached. A failure frees the half-made object, which takes itself off the list.

using TMaker = TSkinControl* (*)(TRuzIzivForm& Form, TControl* Control);
using THwndMaker = TSkinControl* (*)(TRuzIzivForm& Form, HWND Wnd);

template <class T, bool SetColor>
TSkinControl* Attach(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<T>(Control);
  Skin->Init(&Form, Form.FSkinData, Form.FControlCanvas.get(), SetColor);
  return Skin.release();
}
template <class T>
TSkinControl* Plain(TRuzIzivForm& Form, TControl* Control) {
  return Attach<T, false>(Form, Control);
}
template <class T>
TSkinControl* Colored(TRuzIzivForm& Form, TControl* Control) {
  return Attach<T, true>(Form, Control);
}
template <class T>
TSkinControl* Scrolled(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<T>(Control);
  Skin->InitScrollbar(Control, Form.FSkinData, Form.FControlCanvas.get(), &Form);
  return Skin.release();
}
template <int Kind, bool SetColor = false>
TSkinControl* ObjImage(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<TSkinObjImage>(Control);
  Skin->FKind = Kind;
  Skin->Init(&Form, Form.FSkinData, Form.FControlCanvas.get(), SetColor);
  return Skin.release();
}
TSkinControl* PngBitButton(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<TSkinBitButton>(Control);
  Skin->FPictureProp = "PngImage";
  Skin->Init(&Form, Form.FSkinData, Form.FControlCanvas.get(), false);
  return Skin.release();
}
// A plain tab control (not a page control): its windowless children are painted over the skinned page.
TSkinControl* PlainTab(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<TSkinTab>(Control);
  Skin->FNoMouseDown = kPlainTabControl;
  Skin->Init(&Form, Form.FSkinData, Form.FControlCanvas.get(), false);
  return Skin.release();
}
TSkinControl* AdvPage(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<TSkinAdvPage>(Control);
  Skin->FKind = 4;
  Skin->Init(&Form, Form.FSkinData, Form.FControlCanvas.get(), true);
  return Skin.release();
}
// An edit whose control is not a framework edit: attached by its window handle.
TSkinControl* EditByHandle(TRuzIzivForm& Form, TControl* Control) {
  auto* Win = dynamic_cast<TWinControl*>(Control);
  if (!Win) return nullptr;
  auto Skin = std::make_unique<TSkinEdit>(Control);
  Skin->Inithwnd(Win->Handle(), Form.FSkinData, Form.FControlCanvas.get(), &Form);
  return Skin.release();
}
// Windowless speed buttons: their message method is taken over.
template <bool Png>
TSkinControl* SpeedButton(TRuzIzivForm& Form, TControl* Control) {
  auto Skin = std::make_unique<TSkinSpeedButton>(Control);
  if (Png) Skin->FPictureProp = "PngImage";
  Skin->InitGraphicControl(&Form, Form.FSkinData, Form.FControlCanvas.get());
  return Skin.release();
}
// A bare window's object belongs to the form skin object.
template <class T>
TSkinControl* Bare(TRuzIzivForm& Form, HWND Wnd) {
  auto Skin = std::make_unique<T>(&Form);
  Skin->Inithwnd(Wnd, Form.FSkinData, Form.FControlCanvas.get(), &Form);
  return Skin.release();
}

// The skin classes by the role the tables give them.
const TMaker MakeButton = Plain<TSkinButton>;
const TMaker MakeBitButton = Plain<TSkinBitButton>;
const TMaker MakePngBitButton = PngBitButton;
const TMaker MakeMenuButton = Plain<TSkinMenuButton>;
const TMaker MakeCheckBox = Plain<TSkinCheckBox>;
const TMaker MakeRadioButton = Plain<TSkinRadioButton>;
const TMaker MakeScrollbar = Scrolled<TSkinScrollbar>;
const TMaker MakeScControl = Scrolled<TSkinScControl>;
const TMaker MakeRzCheck = ObjImage<kObjImageCheck>;
const TMaker MakeRzRadio = ObjImage<kObjImageRadio>;
const TMaker MakeDevCheck = ObjImage<kObjImageDevCheck>;
const TMaker MakeRzCheckColored = ObjImage<kObjImageCheck, true>;
const TMaker MakeRzRadioColored = ObjImage<kObjImageRadio, true>;
const TMaker MakeSpeedButton = SpeedButton<false>;
const TMaker MakePngSpeedButton = SpeedButton<true>;
const TMaker MakeCheckList = Scrolled<TSkinCheckList>;
const TMaker MakeMP = Plain<TSkinMP>;
const TMaker MakeEdit = Plain<TSkinEdit>;
const TMaker MakeEditHwnd = EditByHandle;
const TMaker MakeComBox = Plain<TSkinComBox>;
const TMaker MakeComBoxEx = Plain<TSkinComBox>;  // the same object: nothing of it reads a mark
const TMaker MakeDateTime = Plain<TSkinDateTime>;
const TMaker MakeUpDown = Plain<TSkinUpDown>;
const TMaker MakeBox = Colored<TSkinBox>;
const TMaker MakePlainBox = Plain<TSkinBox>;
const TMaker MakeGroupBox = Plain<TSkinGroupBox>;
const TMaker MakeGroupBoxColored = Colored<TSkinGroupBox>;
const TMaker MakeStatusBar = Plain<TSkinStatusBar>;
const TMaker MakeTab = Plain<TSkinTab>;
const TMaker MakePlainTab = PlainTab;
const TMaker MakeTabBtn = Plain<TSkinTabBtn>;
const TMaker MakeTab31 = Plain<TSkinTab31>;
const TMaker MakeTabSheet = Plain<TSkinTabSheet>;
const TMaker MakeAdvPage = AdvPage;
const TMaker MakeTrackBar = Plain<TSkinTrackBar>;
const TMaker MakeProgress = Plain<TSkinProgress>;
const TMaker MakeHeader = Plain<TSkinHeader>;
const TMaker MakeListView = Scrolled<TSkinListView>;

const THwndMaker MakeButtonH = Bare<TSkinButton>;
const THwndMaker MakeCheckBoxH = Bare<TSkinCheckBox>;
const THwndMaker MakeRadioButtonH = Bare<TSkinRadioButton>;
const THwndMaker MakeComBoxH = Bare<TSkinComBox>;
const THwndMaker MakeSizerH = Bare<TSkinSizer>;
const THwndMaker MakeBoxH = Bare<TSkinBoxH>;
const THwndMaker MakeProgressH = Bare<TSkinProgress>;
const THwndMaker MakeTabH = Bare<TSkinTab>;
const THwndMaker MakeEditH = Bare<TSkinEdit>;

TSkinControl* Make(TMaker Maker, TRuzIzivForm& Form, TControl* Control) {
  return Maker ? Maker(Form, Control) : nullptr;
}

bool Has(const TRuzIzivForm& Form, TSkinControlType Kind) {
  return Form.FSkinData && Form.FSkinData->SkinControls.Contains(Kind);
}
bool TabReady(const TRuzIzivForm& Form) {
  return Has(Form, xcTab) && Form.FSkinData->Tab;
}
bool Contains(const String& Text, std::string_view Part) {
  return Text.find(Part) != String::npos;
}
TWinControl* AsWin(TControl* Control) {
  return dynamic_cast<TWinControl*>(Control);
}
// The child controls of a container, taken before any of them is skinned (skinning may add some).
std::vector<TControl*> ChildrenOf(TControl* Control) {
  std::vector<TControl*> Children;
  if (TWinControl* Win = AsWin(Control))
    for (int I = 0; I < Win->ControlCount(); ++I) Children.push_back(Win->Controls(I));
  return Children;
}

// ---------------------------------------------------------------------------------------------------
// The dispatch of framework controls: the first row whose control and condition both match decides.

enum class TGate { Always, Member, TabOk, FrameSkinned };

struct TAdd {
  TRuzIzivForm& Form;
  TControl* Control;
  TWinControl* Container;
  const String& C;  // the control's class name in upper case
};

struct TDispatchRow;
using TAction = void (*)(TAdd& Add, const TDispatchRow& Row);

struct TDispatchRow {
  // Framework classes ("T" + mixed case, matched with their descendants) or upper-case class names
  // (matched exactly); unused entries are empty.
  std::array<const char*, 3> Classes;
  bool ScrollControls;  // any control for which IsScrollControl holds matches too
  TGate Gate;
  TSkinControlType Member;  // with TGate::Member
  TMaker Maker;             // what the row creates (Init as the maker does it), or none
  TAction Action;           // or a row of its own; none means Maker alone
};

bool IsUpperName(const char* Name) {
  for (const char* P = Name; *P; ++P)
    if (*P >= 'a' && *P <= 'z') return false;
  return true;
}

bool RowMatches(const TDispatchRow& Row, TAdd& Add) {
  bool Match = false;
  for (const char* Name : Row.Classes) {
    if (!Name) continue;
    if (IsUpperName(Name) ? Add.C == Name : Add.Control->InheritsFrom(std::string_view(Name))) {
      Match = true;
      break;
    }
  }
  if (!Match && Row.ScrollControls) Match = Add.Form.IsScrollControl(Add.Control);
  if (!Match) return false;
  switch (Row.Gate) {
    case TGate::Always:
      return true;
    case TGate::Member:
      return Has(Add.Form, Row.Member);
    case TGate::TabOk:
      return TabReady(Add.Form);
    case TGate::FrameSkinned:
      return Add.Form.FSkinFrame;
  }
  return false;
}

void TabControl(TAdd& Add, const TDispatchRow&) {
  if (Add.Control->InheritsFrom(std::string_view("TPageControl"))) {
    const bool Tabs = LowerCase(GetEnumProperty(Add.Control, "Style")) == "tstabs";
    Make(Tabs ? MakeTab : MakeTabBtn, Add.Form, Add.Control);
  } else {
    Make(MakePlainTab, Add.Form, Add.Control);
  }
}
void ToolButton(TAdd& Add, const TDispatchRow&) {
  if (auto* Button = dynamic_cast<TToolButton*>(Add.Control); Button && Button->MenuItem())
    Add.Form.InitToolbarMenu(Button->MenuItem(), true);
}
void CoolBar(TAdd& Add, const TDispatchRow&) {
  auto* Bar = dynamic_cast<TCoolBar*>(Add.Control);
  if (!Bar || !Bar->Bands()) return;
  const TColor Face = Add.Form.FSkinData->Colors[csButtonFace];
  for (int I = 0; I < Bar->Bands()->Count(); ++I) Bar->Bands()->Items(I)->SetColor(Face);
}
void ChildrenOnly(TAdd& Add, const TDispatchRow&) {
  if (TWinControl* Win = AsWin(Add.Control)) Add.Form.InitChildCtrl(Win);
}
void RadioGroup(TAdd& Add, const TDispatchRow&) {
  for (TControl* Child : ChildrenOf(Add.Control))
    if (!Add.Form.FindSkinComp(Child)) Make(MakeRadioButton, Add.Form, Child);
  Make(MakeGroupBoxColored, Add.Form, Add.Control);
}
void Navigator(TAdd& Add, const TDispatchRow&) {
  Make(MakeBox, Add.Form, Add.Control);
  for (TControl* Child : ChildrenOf(Add.Control)) Add.Form.AddComp(Child, nullptr);
}
void GroupBox(TAdd& Add, const TDispatchRow&) {
  if (TWinControl* Win = AsWin(Add.Control)) Add.Form.InitChildCtrl(Win);
  Make(MakeGroupBox, Add.Form, Add.Control);
}
void ToolBar(TAdd& Add, const TDispatchRow&) {
  auto* Bar = dynamic_cast<TToolBar*>(Add.Control);
  if (!Bar) return;
  Bar->SetFlat(true);
  Add.Form.HookToolBar(Bar);
  Make(MakePlainBox, Add.Form, Bar);
  if (TMainMenu* Menu = Bar->Menu(); Menu && Menu->Items())
    for (int I = 0; I < Menu->Items()->Count(); ++I) Add.Form.InitToolbarMenu(Menu->Items()->Items(I), true);
}
void DateTimePicker(TAdd& Add, const TDispatchRow&) {
  const bool UpDown = LowerCase(GetEnumProperty(Add.Control, "DateMode")) == "dmupdown" ||
                      LowerCase(GetEnumProperty(Add.Control, "Kind")) == "dtktime";
  Make(UpDown ? MakeEdit : MakeDateTime, Add.Form, Add.Control);
}
void BitButton(TAdd& Add, const TDispatchRow&) {
  if (Has(Add.Form, xcBitBtn)) Make(MakeBitButton, Add.Form, Add.Control);
}
void Panel(TAdd& Add, const TDispatchRow&) {
  if (TWinControl* Win = AsWin(Add.Control)) Add.Form.InitChildCtrl(Win);
  Make(MakeBox, Add.Form, Add.Control);
}
void NumButtonsEdit(TAdd& Add, const TDispatchRow&) {
  const int Buttons = GetIntProperty(Add.Control, "NumButtons");
  if (Buttons == 1 && Has(Add.Form, xcCombo))
    Make(MakeComBox, Add.Form, Add.Control);
  else if (Buttons == 0 && Has(Add.Form, xcEdit))
    Make(MakeEditHwnd, Add.Form, Add.Control);
}
void Frame(TAdd& Add, const TDispatchRow&) {
  if (TWinControl* Win = AsWin(Add.Control)) Add.Form.InitControlA(Win);
}
void NestedForm(TAdd& Add, const TDispatchRow&) {
  Make(MakeBox, Add.Form, Add.Control);
  if (TWinControl* Win = AsWin(Add.Control)) Add.Form.InitControlA(Win);
}

using enum TGate;
const TDispatchRow kDispatch[] = {
    /* 1 */ {{"TCustomTabControl"}, false, TabOk, xcTab, nullptr, TabControl},
    /* 2 */ {{"TToolButton"}, false, FrameSkinned, xcToolbar, nullptr, ToolButton},
    /* 3 */ {{"TCoolBar"}, false, Member, xcToolbar, nullptr, CoolBar},
    /* 4 */ {{"TTABSET"}, false, TabOk, xcTab, MakeTab31, nullptr},
    /* 5 */ {{"TTabSheet"}, false, TabOk, xcTab, MakeTabSheet, nullptr},
    /* 6 */ {{"TTABBEDNOTEBOOK"}, false, TabOk, xcTab, MakeTab, nullptr},
    /* 7 */ {{"TMVCPANEL"}, false, Always, xcPanel, nullptr, ChildrenOnly},
    /* 8 */ {{"THeaderControl"}, false, Member, xcPanel, MakeHeader, nullptr},
    /* 9 */ {{"TCustomCheckBox"}, false, Member, xcCheckBox, MakeCheckBox, nullptr},
    /* 10 */ {{"TTrackBar"}, false, Member, xcTrackBar, MakeTrackBar, nullptr},
    /* 11 */ {{"TUPDOWN", "TSPINBUTTON"}, false, Member, xcSpin, MakeUpDown, nullptr},
    /* 12 */ {{"TMEDIAPLAYER"}, false, Member, xcButton, MakeMP, nullptr},
    /* 13 */ {{"TCustomRadioGroup"}, false, Member, xcRadioButton, nullptr, RadioGroup},
    /* 14 */ {{"TDBNAVIGATOR"}, false, Member, xcPanel, nullptr, Navigator},
    /* 15 */ {{"TRZDBCHECKBOX", "TRZCHECKBOX"}, false, Member, xcCheckBox, MakeRzCheck, nullptr},
    /* 16 */ {{"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}, false, Member, xcRadioButton, MakeRzRadio, nullptr},
    /* 17 */ {{"TCXDBCHECKBOX", "TCXCHECKBOX"}, false, Member, xcCheckBox, MakeDevCheck, nullptr},
    /* 18 */ {{"TCustomGroupBox"}, false, Member, xcPanel, nullptr, GroupBox},
    /* 19 */ {{"TRadioButton"}, false, Member, xcRadioButton, MakeRadioButton, nullptr},
    /* 20 */ {{"TToolBar"}, false, Member, xcToolbar, nullptr, ToolBar},
    /* 21 */ {{"TCustomStatusBar"}, false, Member, xcStatusBar, MakeStatusBar, nullptr},
    /* 22 */ {{"TProgressBar"}, false, Member, xcProgress, MakeProgress, nullptr},
    /* 23 */ {{"TScrollBar"}, false, Member, xcScrollbar, MakeScControl, nullptr},
    /* 24 */ {{"TTNTCOMBOBOX"}, false, Member, xcCombo, MakeComBox, nullptr},
    /* 25 */ {{"TCustomComboBox"}, false, Member, xcCombo, MakeComBox, nullptr},
    /* 26 */ {{"TDateTimePicker"}, false, Member, xcEdit, nullptr, DateTimePicker},
    /* 27 */ {{"TRICHEDIT"}, false, Member, xcScrollbar, MakeScrollbar, nullptr},
    /* 28 */ {{"TWWDBRICHEDIT", "TDXDBMEMO"}, false, Member, xcScrollbar, MakeScrollbar, nullptr},
    /* 29 */ {{"TBitBtn"}, false, Always, xcBitBtn, nullptr, BitButton},
    /* 30 */ {{"TSpeedButton"}, false, Member, xcSpeedButton, MakeSpeedButton, nullptr},
    /* 31 */ {{"TCustomPanel"}, false, Member, xcPanel, nullptr, Panel},
    /* 32 */
    {{"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}, false, Member, xcScrollbar, MakeScrollbar, nullptr},
    /* 33 */ {{"TCustomListView"}, false, Member, xcScrollbar, MakeListView, nullptr},
    /* 34 */ {{"TCHECKLISTBOX"}, false, Member, xcScrollbar, MakeCheckList, nullptr},
    /* 35 */ {{"TCustomMemo", "TCustomGrid"}, true, Member, xcScrollbar, MakeScrollbar, nullptr},
    /* 36 */ {{"TButton"}, false, Member, xcButton, MakeButton, nullptr},
    /* 37 */ {{"TCustomEdit"}, false, Member, xcEdit, MakeEdit, nullptr},
    /* 38 */ {{"TDCEDIT", "TDCDBEDIT"}, false, Always, xcEdit, nullptr, NumButtonsEdit},
    /* 39 */ {{"TCustomFrame"}, false, Always, xcPanel, nullptr, Frame},
    /* 40 */ {{"TCustomForm"}, false, Always, xcPanel, nullptr, NestedForm},
};

// Classes that are never skinned, whatever the tables say.
constexpr std::string_view kNeverSkinned[] = {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"};

// ---------------------------------------------------------------------------------------------------
// The kinds of the class-name list.

void SetTransparent(TControl* Control) {
  SetProperty(Control, "Transparent", "True");
}

void ThirdParty(TRuzIzivForm& Form, const String& Kind, const String& Key, TControl* Control) {
  auto Child = [&](TMaker Maker) { return Make(Maker, Form, Control); };
  if (Kind == "nil") return;
  if (Kind == "combobox") {
    if (Has(Form, xcCombo)) Child(MakeComBox);
  } else if (Kind == "comboboxex") {
    if (Has(Form, xcCombo)) Child(MakeComBoxEx);
  } else if (Kind == "edit") {
    if (Has(Form, xcEdit))
      if (TWinControl* Win = AsWin(Control)) Form.DoSkinEdit(Win);
  } else if (Kind == "radiobutton") {
    if (Has(Form, xcRadioButton)) Child(MakeRadioButton);
  } else if (Kind == "panel") {
    if (Has(Form, xcPanel)) {
      SetTransparent(Control);
      Child(MakeBox);
    }
  } else if (Kind == "trackbar") {
    if (Has(Form, xcButton)) {
      SetTransparent(Control);
      Child(MakeTrackBar);
    }
  } else if (Kind == "button") {
    if (Has(Form, xcButton)) Child(MakeButton);
  } else if (Kind == "datetimepicker") {
    if (Has(Form, xcCombo)) Child(MakeDateTime);
  } else if (Kind == "mediaplayer") {
    if (Has(Form, xcButton)) Child(MakeMP);
  } else if (Kind == "bitbtn") {
    if (Has(Form, xcButton)) {
      const bool DropDown =
          Key == "tcxbutton=" && LowerCase(GetEnumProperty(Control, "Kind")) == "cxbkdropdownbutton";
      Child(DropDown ? MakeMenuButton : MakeBitButton);
    }
  } else if (Kind == "pngbitbtn") {
    if (Has(Form, xcButton)) Child(MakePngBitButton);
  } else if (Kind == "pngspeedbutton") {
    if (Has(Form, xcButton)) Child(MakePngSpeedButton);
  } else if (Kind == "menubtn") {
    if (Has(Form, xcButton)) Child(MakeMenuButton);
  } else if (Kind == "speedbutton") {
    if (Has(Form, xcSpeedButton)) Child(MakeSpeedButton);
  } else if (Kind == "tab") {
    if (TabReady(Form)) Child(MakeTab);
  } else if (Kind == "progress") {
    if (Has(Form, xcProgress)) Child(MakeProgress);
  } else if (Kind == "scrollbar") {
    if (Has(Form, xcScrollbar)) {
      Child(MakeScrollbar);
      if (TWinControl* Win = AsWin(Control)) Form.InitChildCtrl(Win);
    }
  } else if (Kind == "singlescrollbar") {
    // The single bar is the same object; nothing of it reads a mark.
    if (Has(Form, xcScrollbar)) Child(MakeScrollbar);
  } else if (Kind == "embedscrollbar") {
    if (Has(Form, xcScrollbar))
      for (TControl* Sub : ChildrenOf(Control)) {
        if (Form.FindSkinComp(Sub)) continue;
        if (Sub->InheritsFrom(std::string_view("TScrollBar")))
          Make(MakeScControl, Form, Sub);
        else if (Form.IsScrollControl(Sub))
          Make(MakeScrollbar, Form, Sub);
      }
  } else if (Kind == "container") {
    if (TWinControl* Win = AsWin(Control)) Form.InitChildCtrl(Win);
  } else if (Kind == "groupbox") {
    if (Has(Form, xcGroupBox)) Child(MakeGroupBoxColored);
  } else if (Kind == "advpagecontrol") {
    if (Has(Form, xcTab)) Child(MakeAdvPage);
  } else if (Kind == "radiogroup" || Kind == "checkgroup") {
    const bool Radio = Kind == "radiogroup";
    if (!Has(Form, Radio ? xcGroupBox : xcPanel)) return;
    const bool Rz = Contains(UpperCase(Control->ClassName()), "TRZ");
    if (Has(Form, xcRadioButton))
      for (TControl* Sub : ChildrenOf(Control)) {
        if (Form.FindSkinComp(Sub)) continue;
        if (Rz)
          Make(Radio ? MakeRzRadioColored : MakeRzCheckColored, Form, Sub);
        else
          Make(Radio ? MakeRadioButton : MakeCheckBox, Form, Sub);
      }
    if (Radio || Has(Form, xcGroupBox)) Child(MakeGroupBoxColored);
  } else if (Kind == "checkbox") {
    if (Has(Form, xcCheckBox)) Child(MakeCheckBox);
  }
}

// ---------------------------------------------------------------------------------------------------
// Bare windows.

String WindowClassLower(HWND Wnd) {
  wchar_t Name[101] = {};
  const int Length = GetClassNameW(Wnd, Name, 101);
  String Result;
  for (int I = 0; I < Length; ++I) {
    const wchar_t Ch = Name[I];
    if (Ch >= 'A' && Ch <= 'Z')
      Result += static_cast<char>(Ch - 'A' + 'a');
    else if (Ch < 0x80)
      Result += static_cast<char>(Ch);
    else
      Result += '?';  // no class the table names has other characters
  }
  return Result;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Framework forms

void TRuzIzivForm::InitControls(TWinControl* Form) {
  DeleteSkinDeleted();
  InitControlA(Form);
}

void TRuzIzivForm::InitControlA(TWinControl* Container) {
  if (!Container || !FSkinData) return;
  // Skinning may add components (a tool bar's menu buttons), so the count is read each time.
  for (int I = 0; I < Container->ComponentCount(); ++I)
    if (auto* Control = dynamic_cast<TControl*>(Container->Components(I))) AddComp(Control, Container);
  if (FSkinData->SkinControls.Contains(xcPopupMenu)) InitPopMenu(Container, true, true);
}

void TRuzIzivForm::InitChildCtrl(TWinControl* Container) {
  if (!Container) return;
  for (TControl* Child : ChildrenOf(Container)) AddComp(Child, Container);
}

void TRuzIzivForm::InitNestform(TWinControl* Form) {
  DeleteSkinDeleted();
  if (!Form || !FSkinData) return;
  try {
    Make(MakeBox, *this, Form);
  } catch (...) {
  }
  for (int I = 0; I < Form->ComponentCount(); ++I)
    if (auto* Control = dynamic_cast<TControl*>(Form->Components(I))) AddComp(Control, Form);
  InitPopMenu(Form, true, true);
}

void TRuzIzivForm::AddComp(TControl* Control, TWinControl* Container) {
  if (!Control || !FSkinData) return;
  if (Control->Tag() == FSkinData->DisableTag) {
    DisableControl(Control);
    return;
  }
  if (!Control->Parent() || FindSkinComp(Control)) return;
  const String C = UpperCase(Control->ClassName());
  // A failure of one control (its window cannot be made, its skin object cannot attach) leaves that
  // control native and the others are still skinned.
  try {
    if (TWinControl* Win = AsWin(Control)) Win->Handle();

    if (FSkinData->OnSkinControl) {
      TComponent* Skinned = nullptr;
      FSkinData->OnSkinControl(this, FSkinData, Container, Control, C, Skinned);
      if (Skinned) {
        if (auto* Own = dynamic_cast<TSkinControl*>(Skinned); Own && !AddControlList(Own)) {
          Own->Init(this, FSkinData, FControlCanvas.get(), Own->FHandle != nullptr);
        }
        if (auto* Panel = dynamic_cast<TWinControl*>(Skinned);
            Panel && Panel->InheritsFrom(std::string_view("TCustomPanel")))
          InitChildCtrl(Panel);
        return;
      }
    }

    if (Find3rdControl(C, Control)) return;
    if (std::find(std::begin(kNeverSkinned), std::end(kNeverSkinned), C) != std::end(kNeverSkinned)) return;

    TAdd Add{*this, Control, Container, C};
    for (const TDispatchRow& Row : kDispatch) {
      if (!RowMatches(Row, Add)) continue;
      if (Row.Action)
        Row.Action(Add, Row);
      else
        Make(Row.Maker, *this, Control);
      return;
    }
  } catch (...) {
  }
}

bool TRuzIzivForm::Find3rdControl(const String& ClassName, TControl* Control) {
  if (!FSkinData || !FSkinData->Skin3rd()) return false;
  const std::optional<String> Kind = FindControlKind(*FSkinData->Skin3rd(), ClassName);
  if (!Kind) return false;
  ThirdParty(*this, *Kind, LowerCase(ClassName) + "=", Control);
  return true;
}

bool TRuzIzivForm::FindSkinComp(TControl* Control) {
  if (!Control) return true;
  for (TSkinControl* Skin : FControls)
    if (Skin->FControl == Control || Skin->FGraphicControl == Control) return true;
  // Skinned by another form skin object or another engine: the control answers the query.
  TWinControl* Win = AsWin(Control);
  const LRESULT Answer = Win && Win->HandleAllocated()
                             ? SendMessageW(Win->Handle(), WM_SKIN_QUERY, 0, kSkinMarker)
                             : Control->Perform(WM_SKIN_QUERY, 0, kSkinMarker);
  return Answer == 1;
}

bool TRuzIzivForm::FindSkinComp2(TWinControl*) {
  return true;
}

void TRuzIzivForm::DisableControl(TControl* Control) {
  TWinControl* Win = AsWin(Control);
  if (!Win || !FSkinData || Win->ControlCount() == 0) return;
  const String Name = LowerCase(Win->ClassName());
  if (!Contains(Name, "radiogroup") && !Contains(Name, "checkgroup")) return;
  for (TControl* Child : ChildrenOf(Win)) Child->SetTag(FSkinData->DisableTag);
}

// Only an edit with a border (its window larger than its client) is skinned.
void TRuzIzivForm::DoSkinEdit(TWinControl* Control) {
  if (!Control) return;
  HWND Wnd = Control->Handle();
  RECT Window{}, Client{};
  if (!GetWindowRect(Wnd, &Window) || !GetClientRect(Wnd, &Client)) return;
  if (Window.right - Window.left == Client.right && Window.bottom - Window.top == Client.bottom) return;
  Make(MakeEdit, *this, Control);
}

bool TRuzIzivForm::IsScrollControl(TComponent* Component) {
  auto* Win = dynamic_cast<TWinControl*>(Component);
  if (!Win) return false;
  if (Win->HandleAllocated() && (GetWindowLongPtrW(Win->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)))
    return true;
  for (std::string_view Name : {"TListBox", "TMemo", "TCustomListBox", "TCustomTreeView", "TScrollBox"})
    if (Win->InheritsFrom(Name)) return true;
  return false;
}

// ---------------------------------------------------------------------------------------------------
// Bare windows

void TRuzIzivForm::InitHwndControls(HWND Parent) {
  for (HWND Child = GetWindow(Parent, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(Child, GWL_STYLE) & WS_CHILD) AddControlh(Child);
}

void TRuzIzivForm::AddControlh(HWND Wnd) {
  if (!Wnd || !FSkinData || Lookupcontrol(Wnd)) return;
  const String K = WindowClassLower(Wnd);
  const auto S = static_cast<DWORD>(GetWindowLongPtrW(Wnd, GWL_STYLE));
  THwndMaker Maker = nullptr;
  TSkinControlType Member = xcButton;
  bool Gated = true;  // the member must be in SkinControls
  auto FaceColour = [&](HWND Panel) {
    if (TControl* Control = FindControlx(Panel)) Control->SetColor(FSkinData->Colors[csButtonFace]);
  };
  if (K == "button") {
    if ((S & 0x0B) == 0x0B || (S & 7) == 7 || (S & 0x80)) return;  // owner-drawn, group box, picture
    if ((S & 3) == 3 || (S & 2) || (S & 5) == 5) {
      Maker = MakeCheckBoxH, Member = xcCheckBox;
    } else if ((S & 9) == 9 || (S & 4)) {
      Maker = MakeRadioButtonH, Member = xcRadioButton;
    } else {
      Maker = MakeButtonH, Member = xcButton;
    }
  } else if (K == "combobox") {
    if ((S & 3) == CBS_SIMPLE) return;
    Maker = MakeComBoxH, Member = xcCombo;
  } else if (K == "comboboxex32") {
    HWND Combo = GetWindow(Wnd, GW_CHILD);
    if (!Combo || !Has(*this, xcCombo)) return;
    Wnd = Combo;
    Maker = MakeComBoxH, Gated = false;
  } else if (K == "scrollbar") {
    if (S & WS_TABSTOP) return;
    Maker = MakeSizerH, Gated = false;
  } else if (K == "systreeview32") {
    return;
  } else if (K == "#32770") {
    if (S & WS_TABSTOP) return;
    InitHwndControls(Wnd);
    Maker = MakeBoxH, Gated = false;
  } else if (K == "tpanel" || K == "ttntpanel.unicodeclass" || K == "ttntsilentpaintpanel.unicodeclass") {
    InitHwndControls(Wnd);
    FaceColour(Wnd);
    return;
  } else if (K == "tsilentpaintpanel") {
    FaceColour(Wnd);
    return;
  } else if (K == "tcheckbox") {
    Maker = MakeCheckBoxH, Member = xcCheckBox;
  } else if (K == "tcombobox") {
    Maker = MakeComBoxH, Member = xcCombo;
  } else if (K == "tbutton") {
    Maker = MakeButtonH, Member = xcButton;
  } else if (K == "tprogressbar") {
    Maker = MakeProgressH, Gated = false;
  } else if (K == "systabcontrol32") {
    if (S & 0x2000) return;
    Maker = MakeTabH, Member = xcTab;
  } else if (K == "toolbarwindow32") {
    Maker = MakeBoxH, Gated = false;
  } else if (K == "edit") {
    Maker = MakeEditH, Member = xcEdit;
  } else {
    return;
  }
  if (!Maker || (Gated && !Has(*this, Member)) || Lookupcontrol(Wnd)) return;
  try {
    Maker(*this, Wnd);
  } catch (...) {
  }
}

BOOL CALLBACK TRuzIzivForm::EnumControl(HWND Wnd, LPARAM Form) {
  try {
    reinterpret_cast<TRuzIzivForm*>(Form)->AddControlh(Wnd);
  } catch (...) {
    // This control stays native; the enumeration goes on.
    ReportException(reinterpret_cast<TRuzIzivForm*>(Form));
  }
  return TRUE;
}

TSkinControl* TRuzIzivForm::Lookupcontrol(HWND Wnd) {
  if (!Wnd) return nullptr;
  for (TSkinControl* Control : FControls)
    if (Control->FHandle == Wnd) return Control;
  return nullptr;
}

// ---------------------------------------------------------------------------------------------------
// The list

bool TRuzIzivForm::AddControlList(TSkinControl* Control) {
  if (std::find(FControls.begin(), FControls.end(), Control) != FControls.end()) return true;
  FControls.push_back(Control);
  return false;
}

void TRuzIzivForm::DeleteControl(TSkinControl* Control) {
  auto It = std::find(FControls.rbegin(), FControls.rend(), Control);
  if (It != FControls.rend()) FControls.erase(std::next(It).base());
  if (FHotControl == Control) FHotControl = nullptr;
}

void TRuzIzivForm::DeleteGraphicControl(TControl* Control) {
  if (!Control) return;
  auto It = std::find_if(FControls.begin(), FControls.end(),
                         [Control](TSkinControl* Skin) { return Skin->FGraphicControl == Control; });
  if (It == FControls.end()) return;
  TSkinControl* Skin = *It;
  FControls.erase(It);
  if (FHotControl == Skin) FHotControl = nullptr;
  if (Skin->FStatus != kControlDestroyed) Skin->Unsubclass();
  Skin->FFormSkin = nullptr;
  delete Skin;
  Control->Invalidate();  // its own face again
}

// Unskinning: every listed object stops skinning (unless its window is going away) and is freed,
// which gives its control back the procedure or message method it had.
void TRuzIzivForm::DeleteControls() {
  FHotControl = nullptr;
  ReleaseToolBars();
  while (!FControls.empty()) {
    TSkinControl* Control = FControls.front();
    FControls.erase(FControls.begin());
    if (FSkinState != kSkinDestroying && Control->FStatus != kControlDestroyed) Control->Unsubclass();
    Control->FFormSkin = nullptr;
    delete Control;
  }
}

// The objects whose windows were destroyed; they are freed before the next discovery pass.
void TRuzIzivForm::DeleteSkinDeleted() {
  for (std::size_t I = 0; I < FControls.size();) {
    TSkinControl* Control = FControls[I];
    if (Control->FStatus != kControlDestroyed) {
      ++I;
      continue;
    }
    FControls.erase(FControls.begin() + static_cast<std::ptrdiff_t>(I));
    if (FHotControl == Control) FHotControl = nullptr;
    Control->FFormSkin = nullptr;
    delete Control;
  }
}

// A control's window was re-created (wParam: its old handle): its scroll-bar object is made anew.
void TRuzIzivForm::WMReCreateWnd(TMessage& Message) {
  const auto Old = reinterpret_cast<HWND>(Message.WParam);
  auto It = std::find_if(FControls.rbegin(), FControls.rend(),
                         [Old](TSkinControl* Control) { return Control->FHandle == Old; });
  if (It == FControls.rend()) return;
  TSkinControl* Skin = *It;
  TControl* Control = Skin->FControl;
  const bool ListView = Skin->InheritsFrom(std::string_view("TSkinListView"));
  DeleteControl(Skin);
  Skin->FFormSkin = nullptr;
  delete Skin;
  if (!Control || !FSkinData) return;
  try {
    Make(ListView ? MakeListView : MakeScrollbar, *this, Control);
  } catch (...) {
  }
}

// ---------------------------------------------------------------------------------------------------
// Tool bars

void TRuzIzivForm::HookToolBar(TToolBar* Toolbar) {
  if (!Toolbar) return;
  bool Hooked = false;
  if (!Toolbar->OnCustomDrawButton) {
    Toolbar->OnCustomDrawButton = TTBCustomDrawBtnEvent::Bind<&TRuzIzivForm::ToolBarDrawButton>(this);
    Hooked = true;
  }
  if (!Toolbar->OnCustomDraw) {
    Toolbar->OnCustomDraw = TTBCustomDrawEvent::Bind<&TRuzIzivForm::ToolBarDrawBackground>(this);
    Hooked = true;
  }
  if (Hooked && std::find(FCustomDrawBars.begin(), FCustomDrawBars.end(), Toolbar) == FCustomDrawBars.end()) {
    FCustomDrawBars.push_back(Toolbar);
    Toolbar->FreeNotification(this);
  }
  Toolbar->Invalidate();
}

void TRuzIzivForm::ReleaseToolBars() {
  const auto Button = TTBCustomDrawBtnEvent::Bind<&TRuzIzivForm::ToolBarDrawButton>(this);
  const auto Background = TTBCustomDrawEvent::Bind<&TRuzIzivForm::ToolBarDrawBackground>(this);
  for (TComponent* Item : FCustomDrawBars) {
    auto* Toolbar = static_cast<TToolBar*>(Item);
    if (Toolbar->OnCustomDrawButton == Button) Toolbar->OnCustomDrawButton.Clear();
    if (Toolbar->OnCustomDraw == Background) Toolbar->OnCustomDraw.Clear();
    Toolbar->RemoveFreeNotification(this);
    if (FSkinState != kSkinDestroying && Toolbar->HandleAllocated()) Toolbar->Invalidate();
  }
  FCustomDrawBars.clear();
}
