// The gallery's main form in this process, read from its description with the default skin: every
// page shows all of its controls in the states the gallery promises, every control gets its skin
// object with either skin, the Skin menu switches the caption's look, and creating and freeing the
// form or switching its skin many times leaves no GDI or USER object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/win/app/Application.h"
#include "gallery/GalleryForm.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/manager/SkinManage.h"
#include "tests/support/Handles.h"

namespace {

void PumpUntil(const std::function<bool()>& Done, int Milliseconds) {
  const auto End = std::chrono::steady_clock::now() + std::chrono::milliseconds(Milliseconds);
  while (true) {
    Application->ProcessMessages();
    if ((Done && Done()) || std::chrono::steady_clock::now() > End) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

TGalleryForm* NewGallery() {
  RegisterGalleryClasses();
  // An exception that reaches the message loop fails the test instead of waiting in a message box.
  Application->OnException = [](TObject*, std::exception_ptr Error) {
    try {
      std::rethrow_exception(Error);
    } catch (const std::exception& E) {
      ADD_FAILURE() << "exception in the message loop: " << E.what();
    }
  };
  return CreateFormFromResource<TGalleryForm>(nullptr);
}

// Every control below Container, depth first.
void Collect(TWinControl* Container, std::vector<TControl*>& Controls) {
  for (int Index = 0; Index < Container->ControlCount(); ++Index) {
    TControl* Control = Container->Controls(Index);
    Controls.push_back(Control);
    if (auto* Win = dynamic_cast<TWinControl*>(Control)) Collect(Win, Controls);
  }
}

class GalleryPages : public ::testing::TestWithParam<int> {};

TEST_P(GalleryPages, ShowEveryControlOfThePageAndHideTheOthers) {
  std::unique_ptr<TGalleryForm> Form(NewGallery());
  ASSERT_EQ(Form->PageCount(), kGalleryPageCount);
  Form->ShowPage(GetParam());
  Form->Show();
  PumpUntil(nullptr, 150);
  EXPECT_EQ(Form->PageIndex(), GetParam());
  TTabSheet* Page = Form->PageControl1->Pages(GetParam());
  std::vector<TControl*> Controls;
  Collect(Page, Controls);
  EXPECT_GE(Controls.size(), 2u) << Page->Caption();
  for (TControl* Control : Controls) {
    EXPECT_TRUE(Control->Visible()) << Control->Name();
    if (auto* Win = dynamic_cast<TWinControl*>(Control)) {
      ASSERT_TRUE(Win->HandleAllocated()) << Control->Name();
      EXPECT_TRUE(IsWindowVisible(Win->WindowHandle())) << Control->Name();
    }
  }
  for (int Other = 0; Other < Form->PageCount(); ++Other) {
    if (Other != GetParam()) {
      EXPECT_FALSE(IsWindowVisible(Form->PageControl1->Pages(Other)->WindowHandle()));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, GalleryPages, ::testing::Range(0, kGalleryPageCount));

// The states the gallery promises, read by name as the engine reads them.
struct StateRow {
  const char* Control;
  const char* Property;
  const char* Value;
};

const StateRow kStates[] = {
    {"btnDisabled", "Enabled", "False"},
    {"btnDefault", "Default", "True"},
    {"btnCancel", "Cancel", "True"},
    {"bbLeft", "Layout", "blGlyphLeft"},
    {"bbRight", "Layout", "blGlyphRight"},
    {"bbTop", "Layout", "blGlyphTop"},
    {"bbBottom", "Layout", "blGlyphBottom"},
    {"bbDisabled", "Enabled", "False"},
    {"sbFlat", "Flat", "True"},
    {"sbDown", "Down", "True"},
    {"sbFlatDown", "Flat", "True"},
    {"sbFlatDown", "Down", "True"},
    {"sbDisabled", "Enabled", "False"},
    {"cbUnchecked", "State", "cbUnchecked"},
    {"cbChecked", "State", "cbChecked"},
    {"cbGrayed", "State", "cbGrayed"},
    {"cbDisabled", "Enabled", "False"},
    {"rbFirst", "Checked", "True"},
    {"rbSecond", "Checked", "False"},
    {"grpRight", "BiDiMode", "bdRightToLeft"},
    {"cbxSimple", "Style", "csSimple"},
    {"cbxDropDown", "Style", "csDropDown"},
    {"cbxDropDownList", "Style", "csDropDownList"},
    {"cbxOwnerDraw", "Style", "csOwnerDrawFixed"},
    {"dtpDate", "DateMode", "dmComboBox"},
    {"dtpUpDown", "DateMode", "dmUpDown"},
    {"dtpTime", "Kind", "dtkTime"},
    {"scbHorizontal", "Kind", "sbHorizontal"},
    {"scbVertical", "Kind", "sbVertical"},
    {"trkVertical", "Orientation", "trVertical"},
    {"prgVertical", "Orientation", "pbVertical"},
    {"lvReport", "ViewStyle", "vsReport"},
    {"tcBottom", "TabPosition", "tpBottom"},
    {"tcLeft", "TabPosition", "tpLeft"},
    {"pnlCaption", "Caption", "A panel with a caption"},
};

TEST(GalleryStates, AreThereAsTheEngineReadsThem) {
  std::unique_ptr<TGalleryForm> Form(NewGallery());
  for (const StateRow& Row : kStates) {
    auto* Control = dynamic_cast<TControl*>(Form->FindComponent(Row.Control));
    ASSERT_NE(Control, nullptr) << Row.Control;
    const TPropInfo* Prop = GetPropInfo(Control, Row.Property);
    ASSERT_NE(Prop, nullptr) << Row.Control << "." << Row.Property;
    const String Value = Prop->Kind == tkString || Prop->Kind == tkWString ? GetStrProp(Control, *Prop)
                                                                           : GetEnumProp(Control, *Prop);
    EXPECT_EQ(Value, Row.Value) << Row.Control << "." << Row.Property;
  }
  // A progress bar at its high limit, lists long enough to scroll.
  auto* Full = dynamic_cast<TProgressBar*>(Form->FindComponent("prgFull"));
  ASSERT_NE(Full, nullptr);
  EXPECT_EQ(Full->Position(), Full->Max());
  Form->ShowPage(2);
  Form->Show();
  PumpUntil(nullptr, 100);
  for (TWinControl* Long : std::initializer_list<TWinControl*>{Form->memText, Form->lstItems}) {
    SCROLLINFO Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(Long->WindowHandle(), SB_VERT, &Info)) << Long->Name();
    EXPECT_GT(Info.nMax - Info.nMin + 1, static_cast<int>(Info.nPage)) << Long->Name();
  }
}

// A pixel of the caption bar, from the screen.
COLORREF CaptionPixel(HWND Wnd) {
  RECT R;
  GetWindowRect(Wnd, &R);
  HDC Screen = GetDC(nullptr);
  const COLORREF Pixel = GetPixel(Screen, R.left + 60, R.top + 8);
  ReleaseDC(nullptr, Screen);
  return Pixel;
}

TEST(GallerySkinMenu, SwitchesTheCaptionBetweenDefaultDarkAndNone) {
  std::unique_ptr<TGalleryForm> Form(NewGallery());
  Form->Show();
  HWND Wnd = Form->WindowHandle();
  SetForegroundWindow(Wnd);
  PumpUntil(nullptr, 600);
  const COLORREF Default = CaptionPixel(Wnd);
  // The menu's items through their commands, as a choice in the menu sends them.
  auto Choose = [&](TMenuItem* Item) { SendMessageW(Wnd, WM_COMMAND, Item->Command(), 0); };
  Choose(Form->mnuSkinDark);
  PumpUntil([&] { return CaptionPixel(Wnd) != Default; }, 2000);
  const COLORREF Dark = CaptionPixel(Wnd);
  EXPECT_NE(Dark, Default);
  EXPECT_TRUE(Form->mnuSkinDark->Checked());
  EXPECT_EQ(Form->Skin(), gsDark);
  Choose(Form->mnuSkinNone);
  PumpUntil([&] { return CaptionPixel(Wnd) != Dark; }, 2000);
  const COLORREF None = CaptionPixel(Wnd);
  EXPECT_NE(None, Dark);
  EXPECT_NE(None, Default);
  Choose(Form->mnuSkinDefault);
  PumpUntil([&] { return CaptionPixel(Wnd) == Default; }, 2000);
  EXPECT_EQ(CaptionPixel(Wnd), Default);
  EXPECT_TRUE(Form->mnuSkinDefault->Checked());
  EXPECT_FALSE(Form->mnuSkinDark->Checked());
}

// One life of the main form: read, its windows made, and every so often shown and painted on one of
// its pages (painting takes most of the time), then freed.
void GalleryLife(int Cycle) {
  std::unique_ptr<TGalleryForm> Form(NewGallery());
  Form->HandleNeeded();
  if (Cycle % 10 == 0) {
    Form->ShowPage(Cycle / 10 % kGalleryPageCount);
    Form->Show();
    RedrawWindow(Form->WindowHandle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Application->ProcessMessages();
  }
  Form.reset();
  Application->ProcessMessages();
}

TEST(GalleryLeaks, TwoHundredFormsLeaveTheHandleCountsAsTheyWere) {
  // Classes, caches and the skin manager come into being once.
  for (int Page = 0; Page < kGalleryPageCount; ++Page) GalleryLife(Page * 10);
  const auto PumpOnce = [] { Application->ProcessMessages(); };
  const auto [Gdi, User] = testsupport::SettledObjectCounts(PumpOnce);
  for (int Cycle = 0; Cycle < 200; ++Cycle) GalleryLife(Cycle);
  const auto [GdiAfter, UserAfter] = testsupport::SettledObjectCounts(PumpOnce);
  EXPECT_EQ(GdiAfter, Gdi);
  EXPECT_EQ(UserAfter, User);
}

// Discovery over the gallery's form as the program runs it: the skin data on the form skins every
// control of every page on activation. Each control gets the skin class of its row (by name, else by
// class; "" stays native), and a control whose skin object hooks its window answers the query.
struct TGallerySkinRow {
  const char* Control;  // a component name, or a framework class
  const char* Skin;
  bool Answers;  // answers the skin query with 1
};

const TGallerySkinRow kGallerySkins[] = {
    // Date-time pickers: a drop-down calendar gets the picker, an up-down or time field the edit.
    {"dtpDate", "TSkinDateTime", true},
    {"dtpUpDown", "TSkinEdit", true},
    {"dtpTime", "TSkinEdit", true},
    {"TButton", "TSkinButton", true},
    {"TBitBtn", "TSkinBitButton", true},
    {"TCheckBox", "TSkinCheckBox", true},
    {"TRadioButton", "TSkinRadioButton", true},
    {"TGroupButton", "TSkinRadioButton", true},
    {"TComboBox", "TSkinComBox", true},
    {"TEdit", "TSkinEdit", true},
    {"TUpDown", "TSkinUpDown", true},
    {"TMemo", "TSkinScrollbar", true},
    {"TListBox", "TSkinScrollbar", true},
    {"TTreeView", "TSkinScrollbar", true},
    {"TStringGrid", "TSkinScrollbar", true},
    {"TScrollBox", "TSkinScrollbar", true},
    {"TScrollBar", "TSkinScControl", true},
    {"TListView", "TSkinListView", true},
    {"TTrackBar", "TSkinTrackBar", true},
    {"TProgressBar", "TSkinProgress", true},
    {"THeaderControl", "TSkinHeader", true},
    {"TPageControl", "TSkinTab", true},
    {"TTabControl", "TSkinTab", true},
    {"TTabSheet", "TSkinTabSheet", true},
    {"TTabSet", "TSkinTab31", true},
    {"TStatusBar", "TSkinStatusBar", true},
    {"TCheckListBox", "TSkinCheckList", true},
    {"TMediaPlayer", "TSkinMP", true},
    // Speed buttons have no window: their message method is taken over.
    {"TSpeedButton", "TSkinSpeedButton", false},
    {"TGroupBox", "TSkinGroupBox", true},
    {"TRadioGroup", "TSkinGroupBox", true},
    // Panels and tool bars only take the face colour; their windows are not hooked.
    {"TPanel", "TSkinBox", false},
    {"TToolBar", "TSkinBox", false},
    // Containers whose children are skinned, and controls the engine leaves as they are.
    {"TFrame", "", false},
    {"TCoolBar", "", false},
    {"TScroller", "", false},
    {"TToolButton", "", false},
    // The player's skinned panel over it is the engine's own window.
    {"TWMediaPlayer", "", false},
    {"TLabel", "", false},
    {"TImage", "", false},
    {"TShape", "", false},
    {"TBevel", "", false},
};

const TGallerySkinRow* GallerySkinRow(TControl* Control) {
  for (const TGallerySkinRow& Row : kGallerySkins)
    if (Control->Name() == Row.Control) return &Row;
  for (const TGallerySkinRow& Row : kGallerySkins)
    if (Control->ClassName() == Row.Control) return &Row;
  return nullptr;
}

std::string SkinClassOf(TRuzIzivForm& Skin, TControl* Control) {
  for (TSkinControl* Object : Skin.FControls)
    if (Object->FControl == Control || Object->FGraphicControl == Control) return Object->ClassName();
  auto* Win = dynamic_cast<TWinControl*>(Control);
  TSkinControl* Object = Win && Win->HandleAllocated() ? Skin.Lookupcontrol(Win->WindowHandle()) : nullptr;
  return Object ? Object->ClassName() : "";
}

bool AnswersQuery(TControl* Control) {
  auto* Win = dynamic_cast<TWinControl*>(Control);
  return Win && Win->HandleAllocated() && SendMessageW(Win->WindowHandle(), 0x3523, 0, 0) == 1;
}

// The gallery shown on its first page and activated; the form skin object once the manager has made
// it (none after Timeout).
TRuzIzivForm* ShowSkinned(TGalleryForm* Form, int Timeout = 5000) {
  Form->Show();
  SetForegroundWindow(Form->WindowHandle());
  TRuzIzivForm* Skin = nullptr;
  PumpUntil(
      [&] {
        Skin = SkinManage() ? SkinManage()->FindSkinForm(Form->WindowHandle()) : nullptr;
        return Skin && AnswersQuery(Form->btnFocused);
      },
      Timeout);
  return Skin;
}

class GalleryDiscovery : public ::testing::TestWithParam<TGallerySkin> {};

TEST_P(GalleryDiscovery, EveryControlOfEveryPageGetsTheSkinClassOfItsRow) {
  std::unique_ptr<TGalleryForm> Form(NewGallery());
  if (GetParam() != gsDefault) Form->ApplySkin(GetParam());
  TRuzIzivForm* Skin = ShowSkinned(Form.get());
  ASSERT_NE(Skin, nullptr);
  std::vector<TControl*> Controls;
  Collect(Form.get(), Controls);
  ASSERT_GT(Controls.size(), 100u);
  for (int Page = 0; Page < Form->PageCount(); ++Page) {
    Form->ShowPage(Page);
    PumpUntil(nullptr, 60);
  }
  int Answered = 0;
  for (TControl* Control : Controls) {
    const TGallerySkinRow* Row = GallerySkinRow(Control);
    if (!Row) {
      ADD_FAILURE() << "no row for " << Control->Name() << ": " << Control->ClassName();
      continue;
    }
    EXPECT_EQ(SkinClassOf(*Skin, Control), Row->Skin) << Control->Name();
    EXPECT_EQ(AnswersQuery(Control), Row->Answers) << Control->Name();
    Answered += AnswersQuery(Control);
  }
  EXPECT_GT(Answered, 80);
}

INSTANTIATE_TEST_SUITE_P(Skins, GalleryDiscovery, ::testing::Values(gsDefault, gsDark), [](const auto& Info) {
  return std::string(Info.param == gsDark ? "Dark" : "Default");
});

// Switching skins back and forth re-skins every control and leaves no object behind.
TEST(GalleryLeaks, TwoHundredSkinSwitchesLeaveTheHandleCountsAsTheyWere) {
  std::unique_ptr<TGalleryForm> Form(NewGallery());
  ASSERT_NE(ShowSkinned(Form.get()), nullptr);
  auto Switch = [&](TGallerySkin Skin) {
    Form->ApplySkin(Skin);
    Application->ProcessMessages();
  };
  for (TGallerySkin Skin : {gsDark, gsDefault, gsDark, gsDefault}) Switch(Skin);
  const auto PumpOnce = [] { Application->ProcessMessages(); };
  const auto [Gdi, User] = testsupport::SettledObjectCounts(PumpOnce);
  for (int Round = 0; Round < 200; ++Round) {
    Switch(Round % 2 ? gsDefault : gsDark);
    // Every so often the whole form paints with the skin in force.
    if (Round % 20 == 1)
      RedrawWindow(Form->WindowHandle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  const auto [GdiAfter, UserAfter] = testsupport::SettledObjectCounts(PumpOnce);
  EXPECT_EQ(GdiAfter, Gdi);
  EXPECT_EQ(UserAfter, User);
  EXPECT_TRUE(AnswersQuery(Form->btnFocused));
  EXPECT_TRUE(AnswersQuery(Form->memText));
}

}  // namespace
