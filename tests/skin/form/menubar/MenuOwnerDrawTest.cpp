// The bar of a framework form (buttons from the main menu, following its changes, Alt with an
// accelerator), the owner-draw routing of the drop-downs to the skinned item painters, the installers
// of the framework menus' item events, and copies of native menus.
#include <gtest/gtest.h>

#include <string>

#include "framework/win/app/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"
#include "tests/skin/form/menubar/MenuBarTestUtil.h"

using namespace bartest;
using namespace testsupport;

namespace {

TMenuItem* NewItem(TComponent* Owner, TMenuItem* Parent, const char* Caption) {
  auto* Item = new TMenuItem(Owner);
  Item->SetCaption(Caption);
  Parent->Add(Item);
  return Item;
}

// A framework form with a main menu, skinned the way the skin manager skins one.
class FrameworkBar : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDefaultSkin(Data);
    ASSERT_FALSE(Data.FNoSkin);
    Form = new TForm(nullptr);
    Form->SetBounds(60, 60, 480, 300);
    Form->SetCaption("Framework bar");
    Menu = new TMainMenu(Form);
    File = NewItem(Form, Menu->Items(), "&File");
    Open = NewItem(Form, File, "&Open");
    Recent = NewItem(Form, File, "&Recent");
    NewItem(Form, Recent, "One");
    Edit = NewItem(Form, Menu->Items(), "&Edit");
    NewItem(Form, Edit, "&Undo");
    Hidden = NewItem(Form, Menu->Items(), "&Hidden");
    Hidden->SetVisible(false);
    Off = NewItem(Form, Menu->Items(), "O&ff");
    NewItem(Form, Off, "Never");
    Off->SetEnabled(false);
    Form->SetMenu(Menu);
    Form->Show();
    Pump(30);
    Skin = std::make_unique<TRuzIzivForm>(nullptr);
    Skin->FHandle = Form->Handle();
    Skin->FName = "TForm";
    Skin->InitTform(&Data, Form);
    PostMessageW(Form->Handle(), WM_SKIN_ACTIVATE, 0, kSkinActivateParam);
    Pump(60);
    ASSERT_NE(Skin->FSkinMenu, nullptr);
  }
  void TearDown() override {
    Skin.reset();
    delete Form;
    Pump(10);
    EXPECT_EQ(MenuLoop.Hook, nullptr);
  }
  TMenuBtn* Button(const char16_t* Caption) {
    for (auto& B : Skin->FSkinMenu->FButtons)
      if (B->FCaption == Caption) return B.get();
    return nullptr;
  }

  TSkinData Data{nullptr};
  TForm* Form = nullptr;
  TMainMenu* Menu = nullptr;
  TMenuItem *File = nullptr, *Open = nullptr, *Recent = nullptr, *Edit = nullptr, *Hidden = nullptr,
            *Off = nullptr;
  std::unique_ptr<TRuzIzivForm> Skin;
};

TEST_F(FrameworkBar, ButtonsComeFromTheMainMenusVisibleItems) {
  EXPECT_EQ(GetMenu(Form->Handle()), nullptr);
  auto& Buttons = Skin->FSkinMenu->FButtons;
  ASSERT_EQ(Buttons.size(), 3u);
  EXPECT_EQ(Skin->FSkinMenu->FMenu, Menu);
  struct TRow {
    TMenuItem* Item;
    const char16_t* Caption;
    bool Enabled;
  };
  const TRow Rows[] = {{File, u"&File", true}, {Edit, u"&Edit", true}, {Off, u"O&ff", false}};
  for (std::size_t I = 0; I < 3; ++I) {
    EXPECT_EQ(Buttons[I]->FItem, Rows[I].Item);
    EXPECT_EQ(Buttons[I]->FCaption, Rows[I].Caption);
    EXPECT_EQ(Buttons[I]->FItemEnabled != 0, Rows[I].Enabled);
    EXPECT_EQ(Buttons[I]->FCommand, Rows[I].Item->Command());
    EXPECT_EQ(Buttons[I]->FSubMenu, Rows[I].Item->Handle());
  }
}

TEST_F(FrameworkBar, TheBarFollowsTheMainMenusChanges) {
  Edit->SetCaption("&Change");
  EXPECT_NE(Button(u"&Change"), nullptr);
  EXPECT_EQ(Button(u"&Edit"), nullptr);
  Hidden->SetVisible(true);
  EXPECT_EQ(Skin->FSkinMenu->FButtons.size(), 4u);
  EXPECT_EQ(GetMenu(Form->Handle()), nullptr) << "the native bar stays off";

  // The main menu goes: no button refers to it any more, and the bar still paints.
  delete Menu;
  Menu = nullptr;
  EXPECT_EQ(Skin->FSkinMenu->FMenu, nullptr);
  EXPECT_TRUE(Skin->FSkinMenu->FButtons.empty());
  SendMessageW(Form->Handle(), WM_SKIN_REPAINTFRAME, 0, 0);
  SendNC(Form->Handle(), WM_NCMOUSEMOVE, POINT{Skin->FLeftWidth + 20, Skin->FTitleHeight + 4});
  EXPECT_EQ(Skin->FHotObject, nullptr);
}

TEST_F(FrameworkBar, AltWithAnAcceleratorClicksTheButton) {
  constexpr LPARAM kAltDown = 1 << 29;
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'e', kAltDown), 1);
  MSG Msg;
  ASSERT_TRUE(PeekMessageW(&Msg, Form->Handle(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  const POINT P =
      Skin->GetWinXY(static_cast<short>(LOWORD(Msg.lParam)), static_cast<short>(HIWORD(Msg.lParam)));
  EXPECT_EQ(Skin->FSkinMenu->FindBtn(P), Button(u"&Edit"));
  // Without Alt, or with a key no button has, nothing happens.
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'e', 0), 0);
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'q', kAltDown), 0);
  EXPECT_FALSE(PeekMessageW(&Msg, Form->Handle(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
}

TEST_F(FrameworkBar, FrameworkItemsAreMeasuredAndPaintedByTheSkinOthersByTheirMenus) {
  MEASUREITEMSTRUCT Measure{ODT_MENU, 0, Open->Command(), 0, 0, 0};
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&Measure)), 1);
  int FrameworkWidth = 0, FrameworkHeight = 0;
  {
    TBitmap Scratch(4, 4);
    Open->MeasureItem(Scratch.Canvas(), FrameworkWidth, FrameworkHeight);
  }
  // The skin's item margin and the glyph column come on top of the framework's own measure.
  EXPECT_GT(static_cast<int>(Measure.itemWidth), FrameworkWidth + 10);

  // A small identifier that no item of the bar has goes to the form's own procedure.
  MEASUREITEMSTRUCT Other{ODT_MENU, 0, 150, 0, 7, 9};
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&Other)), 0);

  TBitmap Target(120, 24, pf24bit);
  HDC DC = Target.Canvas()->Handle();
  const RECT All{0, 0, 120, 24};
  FillRect(DC, &All, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DRAWITEMSTRUCT Draw{
      ODT_MENU, 0, Open->Command(), ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(File->Handle()), DC, All, 0};
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&Draw)), 1);
  int Painted = 0;
  for (int X = 0; X < 120; X += 3) Painted += GetPixel(DC, X, 12) != RGB(0, 0, 0);
  EXPECT_GT(Painted, 20);
}

TEST_F(FrameworkBar, MainMenuInstallerSkinsTheDropDownItemsAndKeepsTheApplicationsHandlers) {
  TMenuItem* Own = NewItem(Form, Edit, "Own");
  auto OwnDraw = TMenuDrawItemEvent::Bind<&TRuzIzivForm::DefaultMenuItem>(Skin.get());
  Own->OnDrawItem = OwnDraw;
  Skin->InitMainMenu(Form, true, false);
  EXPECT_TRUE(Menu->OwnerDraw());
  EXPECT_FALSE(File->OnDrawItem) << "the bar's own items are not owner-drawn";
  EXPECT_EQ(Open->OnDrawItem, TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(Skin.get()));
  EXPECT_EQ(Open->OnMeasureItem, TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(Skin.get()));
  EXPECT_TRUE(Recent->Items(0)->OnDrawItem) << "deeper levels too";
  EXPECT_EQ(Own->OnDrawItem, OwnDraw);
  EXPECT_FALSE(Own->OnMeasureItem);
  Skin->InitMainMenu(Form, false, false);
  EXPECT_FALSE(Menu->OwnerDraw());
  EXPECT_FALSE(Open->OnDrawItem);
  EXPECT_FALSE(Open->OnMeasureItem);
  EXPECT_EQ(Own->OnDrawItem, OwnDraw);
}

TEST_F(FrameworkBar, PopupInstallerSkipsMenusTaggedToStayNative) {
  auto* Native = new TPopupMenu(Form);
  Native->SetTag(Data.DisableTag);
  NewItem(Form, Native->Items(), "Native");
  auto* Skinned = new TPopupMenu(Form);
  TMenuItem* Top = NewItem(Form, Skinned->Items(), "Top");
  TMenuItem* Nested = NewItem(Form, Top, "Nested");
  auto OwnMeasure = TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(Skin.get());
  Nested->OnMeasureItem = OwnMeasure;
  Skin->InitPopMenu(Form, true, false);
  EXPECT_FALSE(Native->OwnerDraw());
  EXPECT_FALSE(Native->Items()->Items(0)->OnDrawItem);
  EXPECT_TRUE(Skinned->OwnerDraw());
  EXPECT_EQ(Top->OnDrawItem, TMenuDrawItemEvent::Bind<&TRuzIzivForm::DrawMenuItem>(Skin.get()));
  EXPECT_EQ(Top->OnMeasureItem, TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItemPop>(Skin.get()));
  EXPECT_EQ(Nested->OnMeasureItem, OwnMeasure);
  Skin->InitPopMenu(Form, false, false);
  EXPECT_FALSE(Skinned->OwnerDraw());
  EXPECT_FALSE(Top->OnDrawItem);
  EXPECT_FALSE(Top->OnMeasureItem);
  EXPECT_EQ(Nested->OnMeasureItem, OwnMeasure);

  Skin->InitToolbarMenu(Top, true);
  EXPECT_TRUE(Top->OnDrawItem && Nested->OnDrawItem);
  EXPECT_EQ(Nested->OnMeasureItem, TMenuMeasureItemEvent::Bind<&TRuzIzivForm::MeasureItem>(Skin.get()));
  Skin->InitToolbarMenu(Top, false);
  EXPECT_FALSE(Top->OnDrawItem || Nested->OnDrawItem);
}

// The window-list handler: the main form's child with the item's caption becomes the active one and
// takes the window state of the child that was active before.
struct TWindowListCase {
  const char* Name;
  bool PreviousMaximised;
};

class WindowList : public ::testing::TestWithParam<TWindowListCase> {};

TEST_P(WindowList, ActivatesTheNamedChildInThePreviousState) {
  TForm* Main = nullptr;
  Application->CreateForm(Main);
  ASSERT_EQ(Application->MainForm(), Main);
  Main->SetFormStyle(fsMDIForm);
  Main->SetBounds(40, 40, 600, 400);
  Main->Show();
  TForm* Children[2] = {};
  const char* Names[2] = {"Alpha", "Beta"};
  for (int I = 0; I < 2; ++I) {
    Children[I] = new TForm(Main);
    Children[I]->SetFormStyle(fsMDIChild);
    Children[I]->SetCaption(Names[I]);
    Children[I]->SetBounds(0, 0, 200, 120);
    Children[I]->HandleNeeded();
  }
  ASSERT_EQ(Main->ActiveMDIChild(), Children[1]);
  if (GetParam().PreviousMaximised)
    SendMessageW(Main->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Children[1]->Handle()), 0);
  TMenuItem Item(nullptr);
  Item.SetCaption("&Alp&ha");
  TRuzIzivForm Skin(nullptr);
  Skin.SelectMDIform(&Item);
  Pump(20);
  EXPECT_EQ(Main->ActiveMDIChild(), Children[0]);
  EXPECT_EQ(IsZoomed(Children[0]->Handle()) != FALSE, GetParam().PreviousMaximised);
  // An item naming no child changes nothing.
  Item.SetCaption("Gamma");
  Skin.SelectMDIform(&Item);
  EXPECT_EQ(Main->ActiveMDIChild(), Children[0]);
  delete Main;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(States, WindowList,
                         ::testing::Values(TWindowListCase{"Normal", false},
                                           TWindowListCase{"Maximised", true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

class NativeMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDefaultSkin(Data);
    ASSERT_FALSE(Data.FNoSkin);
  }
  TSkinData Data{nullptr};
};

struct TItemCase {
  const wchar_t* Text;
  UINT State;
  const char* Caption;
  bool Enabled;
  bool Checked;
};

class StandInItem : public NativeMenus, public ::testing::WithParamInterface<TItemCase> {};

TEST_P(StandInItem, TakesTextEnabledAndChecked) {
  const TItemCase& C = GetParam();
  HMENU Menu = CreatePopupMenu();
  if (C.Text) AppendMenuW(Menu, MF_STRING | C.State, 42, C.Text);
  TRuzIzivForm Form(nullptr);
  std::unique_ptr<TMenuItem> Item = Form.CreateMenuItem(Menu, 42);
  ASSERT_NE(Item, nullptr);
  EXPECT_EQ(Item->Caption(), C.Caption);
  EXPECT_EQ(Item->Enabled(), C.Enabled);
  EXPECT_EQ(Item->Checked(), C.Checked);
  DestroyMenu(Menu);
}

INSTANTIATE_TEST_SUITE_P(Items, StandInItem,
                         ::testing::Values(TItemCase{L"", 0, "-", true, false},
                                           TItemCase{L"Gray", MF_GRAYED, "Gray", false, false},
                                           TItemCase{L"Tick", MF_CHECKED, "Tick", true, true},
                                           TItemCase{L"12345678901234567890123456789012345678901234567890"
                                                     L"12345678901234567890123456789012345",
                                                     0,
                                                     "12345678901234567890123456789012345678901234567890"
                                                     "123456789012345678901234567890",
                                                     true, false},
                                           TItemCase{nullptr, 0, "-", true, false}));

TEST_F(NativeMenus, CopyKeepsItemsAndSharesSubMenusDeleteSparesThem) {
  TTestBar Bars;
  std::wstring Long(200, L'x');
  AppendMenuW(Bars.File, MF_STRING | MF_CHECKED | MF_GRAYED, 77, Long.c_str());
  AppendMenuW(Bars.File, MF_SEPARATOR, 0, nullptr);
  HMENU Copy = CopyHMenu(Bars.File);
  ASSERT_NE(Copy, nullptr);
  ASSERT_EQ(GetMenuItemCount(Copy), GetMenuItemCount(Bars.File));
  wchar_t Text[300] = {};
  GetMenuStringW(Copy, 0, Text, 300, MF_BYPOSITION);
  EXPECT_STREQ(Text, L"&Open");
  EXPECT_EQ(GetMenuItemID(Copy, 0), bartest::kOpen);
  EXPECT_EQ(GetSubMenu(Copy, 1), Bars.Recent) << "shared, not copied";
  GetMenuStringW(Copy, 2, Text, 300, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(Text), std::wstring(128, L'x'));
  const UINT State = GetMenuState(Copy, 2, MF_BYPOSITION);
  EXPECT_TRUE(State & MF_CHECKED);
  EXPECT_TRUE(State & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(Copy, 3, MF_BYPOSITION) & MF_SEPARATOR);
  DeleteHMenu(Copy);
  EXPECT_FALSE(IsMenu(Copy));
  EXPECT_TRUE(IsMenu(Bars.Recent));
  EXPECT_EQ(GetMenuItemCount(Bars.File), 4);
  // Handles that are no menus are refused.
  EXPECT_EQ(CopyHMenu(nullptr), nullptr);
  EXPECT_EQ(CopyHMenu(reinterpret_cast<HMENU>(0x1234)), nullptr);
  DeleteHMenu(reinterpret_cast<HMENU>(0x1234));
  DestroyMenu(Bars.Bar);
}

TEST_F(NativeMenus, OpeningMakesTheDropDownOwnerDrawnAndKeepsItsText) {
  TTestBar Bars;
  TRuzIzivForm Form(nullptr);
  Form.WMINITMENU(Bars.File);
  EXPECT_TRUE(AllOwnerDrawn(Bars.File));
  wchar_t Text[32] = {};
  GetMenuStringW(Bars.File, kDeep, Text, 32, MF_BYCOMMAND);
  EXPECT_STREQ(Text, L"Deep");
  Form.WMINITMENU(Bars.File);  // again: nothing changes
  EXPECT_TRUE(AllOwnerDrawn(Bars.File));
  Form.WMINITMENU(nullptr);
  DestroyMenu(Bars.Bar);
}

TEST_F(NativeMenus, ABareWindowsItemsAreMeasuredFromTheirText) {
  TBarWindow W(Data);
  TFakeTracking Fake;
  MEASUREITEMSTRUCT Text{ODT_MENU, 0, kOpen, 0, 0, 0}, Empty{ODT_MENU, 0, 999, 0, 0, 0};
  Fake.During = [&](int) {
    SendMessageW(W.Wnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&Text));
    SendMessageW(W.Wnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&Empty));
  };
  W.Form->CheckMenu(W.Button(u"&File"));
  const int Margin = Data.MenuItem ? Data.MenuItem->Margins.left : 0;
  EXPECT_GT(static_cast<int>(Text.itemWidth), 26 + Margin + 10);
  EXPECT_GT(static_cast<int>(Text.itemHeight), 4 + 6);
  EXPECT_EQ(static_cast<int>(Empty.itemWidth), 26 + Margin);
  EXPECT_EQ(Empty.itemHeight, 8u);
}

}  // namespace
