// Menu trees and their native menus: items, states, sub-menus, shortcuts, published properties,
// form descriptions and the form's menu bar.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/Classes.h"
#include "framework/core/Description.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

namespace {

TMenuItem* NewItem(TComponent* Owner, const char* Caption) {
  auto* Item = new TMenuItem(Owner);
  Item->SetCaption(Caption);
  return Item;
}

MENUITEMINFOW NativeItem(HMENU Menu, UINT Position, std::wstring* Text = nullptr) {
  wchar_t Buffer[128] = {};
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  Info.dwTypeData = Buffer;
  Info.cch = 127;
  EXPECT_TRUE(GetMenuItemInfoW(Menu, Position, TRUE, &Info));
  if (Text) *Text = Buffer;
  return Info;
}

TEST(ShortCutText, NamesKeysWithTheirModifiersAndReadsThemBack) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', scCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, scAlt)), "Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, scCtrl | scShift)), "Ctrl+Shift+Del");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_NUMPAD3)), "Num 3");
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(ShortCut(0xFF)), "");  // a key without a name
  for (TShortCut Key : {ShortCut('A', scCtrl), ShortCut(VK_F12, scShift | scAlt), ShortCut(VK_BACK, scAlt),
                        ShortCut(VK_ADD, scCtrl), ShortCut('0')})
    EXPECT_EQ(TextToShortCut(ShortCutToText(Key)), Key) << ShortCutToText(Key);
  EXPECT_EQ(TextToShortCut("ctrl+shift+x"), ShortCut('X', scCtrl | scShift));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);
}

TEST(MenuTree, NativeItemsFollowTheItemsAndTheirStates) {
  TPopupMenu Menu(nullptr);
  TMenuItem* Open = NewItem(&Menu, "&Open");
  TMenuItem* Line = NewItem(&Menu, "-");
  TMenuItem* Recent = NewItem(&Menu, "Recent");
  TMenuItem* Hidden = NewItem(&Menu, "Hidden");
  Menu.Items()->Add(Open);
  Menu.Items()->Add(Line);
  Menu.Items()->Add(Recent);
  Menu.Items()->Add(Hidden);
  TMenuItem* File1 = NewItem(&Menu, "file1");
  Recent->Add(File1);
  Open->SetShortCut(ShortCut('O', scCtrl));
  Open->SetDefault(true);
  Recent->SetEnabled(false);
  File1->SetChecked(true);
  Hidden->SetVisible(false);

  HMENU H = Menu.Handle();
  ASSERT_TRUE(IsMenu(H));
  ASSERT_EQ(GetMenuItemCount(H), 3);  // the invisible item has no native item
  std::wstring Text;
  MENUITEMINFOW Info = NativeItem(H, 0, &Text);
  EXPECT_EQ(Text, L"&Open\tCtrl+O");
  EXPECT_EQ(Info.wID, Open->Command());
  EXPECT_TRUE(Info.fState & MFS_DEFAULT);
  EXPECT_TRUE(NativeItem(H, 1).fType & MFT_SEPARATOR);
  Info = NativeItem(H, 2);
  EXPECT_EQ(Info.hSubMenu, Recent->Handle());
  EXPECT_TRUE(Info.fState & MFS_GRAYED);
  EXPECT_TRUE(NativeItem(Recent->Handle(), 0).fState & MFS_CHECKED);

  // Changes reach the native menu at once.
  Hidden->SetVisible(true);
  EXPECT_EQ(GetMenuItemCount(H), 4);
  Open->SetCaption("&Load");
  NativeItem(H, 0, &Text);
  EXPECT_EQ(Text, L"&Load\tCtrl+O");
  Recent->SetMenuIndex(0);
  EXPECT_EQ(NativeItem(H, 0).hSubMenu, Recent->Handle());
  EXPECT_EQ(Recent->MenuIndex(), 0);
  EXPECT_EQ(Open->MenuIndex(), 1);

  // Owner drawing makes every native item owner-drawn, separators included.
  Menu.SetOwnerDraw(true);
  for (int I = 0; I < GetMenuItemCount(H); ++I) EXPECT_TRUE(NativeItem(H, I).fType & MFT_OWNERDRAW) << I;
  NativeItem(H, 1, &Text);
  EXPECT_EQ(Text, L"&Load");  // an owner-drawn item keeps its caption but shows no shortcut column

  // Right-to-left menus order their items from the right.
  Menu.SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(NativeItem(H, 0).fType & MFT_RIGHTORDER);
}

TEST(MenuTree, CommandsAreUniqueAndFindTheirItems) {
  TPopupMenu A(nullptr), B(nullptr);
  TMenuItem* X = NewItem(&A, "x");
  TMenuItem* Y = NewItem(&B, "y");
  A.Items()->Add(X);
  B.Items()->Add(Y);
  EXPECT_NE(X->Command(), Y->Command());
  EXPECT_GT(X->Command(), 0u);
  EXPECT_LT(X->Command(), kMenuCommandLimit);
  EXPECT_EQ(FindMenuItemByCommand(X->Command()), X);
  EXPECT_EQ(A.FindItem(X->Command()), X);
  EXPECT_EQ(A.FindItem(Y->Command()), nullptr);  // another menu's item
  TMenuItem* Sub = NewItem(&A, "sub");
  X->Add(Sub);
  EXPECT_EQ(FindMenuItemByHandle(X->Handle()), X);
  EXPECT_EQ(A.FindItemByHandle(X->Handle()), X);
  const UINT Gone = Sub->Command();
  delete Sub;
  EXPECT_EQ(FindMenuItemByCommand(Gone), nullptr);
  EXPECT_EQ(X->Count(), 0);
}

TEST(MenuTree, RefusesCyclesAndRadioItemsUncheckTheirGroup) {
  TPopupMenu Menu(nullptr);
  TMenuItem* A = NewItem(&Menu, "a");
  TMenuItem* B = NewItem(&Menu, "b");
  TMenuItem* C = NewItem(&Menu, "c");
  Menu.Items()->Add(A);
  A->Add(B);
  EXPECT_THROW(B->Add(A), std::invalid_argument);
  EXPECT_THROW(A->Add(A), std::invalid_argument);
  EXPECT_THROW(A->Add(nullptr), std::invalid_argument);
  Menu.Items()->Add(C);
  for (TMenuItem* I : {A, C}) I->SetRadioItem(true);
  A->SetChecked(true);
  C->SetChecked(true);
  EXPECT_FALSE(A->Checked());
  EXPECT_TRUE(C->Checked());
  // Moving an item takes it out of its old parent.
  C->Add(B);
  EXPECT_EQ(A->Count(), 0);
  EXPECT_EQ(B->Parent(), C);
}

TEST(MenuTree, AutoCheckItemsChangeBeforeTheirClick) {
  TPopupMenu Menu(nullptr);
  TMenuItem* Toggle = NewItem(&Menu, "toggle");
  TMenuItem* One = NewItem(&Menu, "one");
  TMenuItem* Two = NewItem(&Menu, "two");
  TMenuItem* Plain = NewItem(&Menu, "plain");
  for (TMenuItem* I : {Toggle, One, Two, Plain}) Menu.Items()->Add(I);
  for (TMenuItem* I : {Toggle, One, Two}) I->SetAutoCheck(true);
  for (TMenuItem* I : {One, Two}) I->SetRadioItem(true);
  One->SetChecked(true);
  struct Seen : TObject {
    bool Checked = false;
    void Click(TObject* Sender) { Checked = static_cast<TMenuItem*>(Sender)->Checked(); }
  } Clicks;
  for (TMenuItem* I : {Toggle, Two}) I->OnClick = TNotifyEvent::Bind<&Seen::Click>(&Clicks);
  Toggle->Click();
  EXPECT_TRUE(Toggle->Checked());
  EXPECT_TRUE(Clicks.Checked);  // the handler sees the new state
  Toggle->Click();
  EXPECT_FALSE(Toggle->Checked());
  Two->Click();  // a radio item checks, its group unchecks
  EXPECT_TRUE(Two->Checked());
  EXPECT_FALSE(One->Checked());
  Two->Click();  // and stays checked
  EXPECT_TRUE(Two->Checked());
  Plain->Click();
  EXPECT_FALSE(Plain->Checked());
  EXPECT_EQ(GetPropInfo(Toggle, "AutoCheck")->Kind, tkBoolean);
}

TEST(MenuTree, DestroyingItemsFreesTheirNativeMenusOnce) {
  HMENU Root, Sub;
  {
    TPopupMenu Menu(nullptr);
    TMenuItem* A = NewItem(&Menu, "a");
    Menu.Items()->Add(A);
    A->Add(NewItem(&Menu, "b"));
    Root = Menu.Handle();
    Sub = A->Handle();
    ASSERT_TRUE(IsMenu(Sub));
    delete A;  // owned by the menu component, but a parent can go first
    EXPECT_FALSE(IsMenu(Sub));
    EXPECT_EQ(GetMenuItemCount(Root), 0);
    TMenuItem* C = NewItem(&Menu, "c");
    Menu.Items()->Add(C);
    C->Add(NewItem(&Menu, "d"));
    Sub = C->Handle();
  }
  EXPECT_FALSE(IsMenu(Root));
  EXPECT_FALSE(IsMenu(Sub));
}

TEST(MenuTree, PublishesItsPropertiesByName) {
  TPopupMenu Menu(nullptr);
  TMenuItem* Item = NewItem(&Menu, "Save");
  Menu.Items()->Add(Item);
  SetOrdProp(Item, "Checked", 1);
  SetOrdProp(Item, "ImageIndex", 3);
  EXPECT_EQ(GetStrProp(Item, "Caption"), "Save");
  EXPECT_TRUE(Item->Checked());
  EXPECT_EQ(GetOrdProp(Item, "ImageIndex"), 3);
  EXPECT_EQ(GetOrdProp(Item, "Enabled"), 1);
  EXPECT_EQ(GetOrdProp(Item, "Command"), static_cast<std::int64_t>(Item->Command()));
  EXPECT_TRUE(IsPublishedProp(Item, "OnDrawItem"));
  EXPECT_TRUE(IsPublishedProp(Item, "OnMeasureItem"));
  EXPECT_TRUE(IsPublishedProp(&Menu, "OwnerDraw"));
  EXPECT_TRUE(IsPublishedProp(&Menu, "Images"));
  EXPECT_EQ(GetEnumProp(&Menu, "BiDiMode"), "bdLeftToRight");
}

// A form class whose description names its menu and items.
class TMenuForm : public TForm {
  DECLARE_CLASS(TMenuForm, TForm)

 public:
  explicit TMenuForm(TComponent* Owner) : TForm(Owner) {}
  static void Publish(TPublisher<TMenuForm>& P) {
    P.Field("MainMenu1", &TMenuForm::MainMenu1);
    P.Field("mniFile", &TMenuForm::mniFile);
    P.Field("mniExit", &TMenuForm::mniExit);
    P.Method<&TMenuForm::ExitClick>("ExitClick");
  }
  void ExitClick(TObject*) { ++clicks; }
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* mniFile = nullptr;
  TMenuItem* mniExit = nullptr;
  int clicks = 0;
};

constexpr char kDescription[] = R"(object MenuForm1: TMenuForm
  Caption = 'menus'
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    OwnerDraw = True
    object mniFile: TMenuItem
      Caption = '&File'
      object mniNew: TMenuItem
        Caption = '&New'
        ShortCut = 16462
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mniExit: TMenuItem
        Caption = 'E&xit'
        Checked = True
        OnClick = ExitClick
      end
    end
  end
end
)";

TEST(MenuDescription, NestedItemsAreReadWrittenAndShownAsTheFormsMenuBar) {
  RegisterComponentClasses<TMenuForm>();
  auto Form = std::make_unique<TMenuForm>(nullptr);
  ReadComponentFromText(kDescription, Form.get());
  ASSERT_NE(Form->MainMenu1, nullptr);
  EXPECT_EQ(Form->Menu(), Form->MainMenu1);
  ASSERT_EQ(Form->MainMenu1->Items()->Count(), 1);
  ASSERT_EQ(Form->mniFile->Count(), 3);
  EXPECT_EQ(Form->mniFile->Items(0)->ShortCut(), ShortCut('N', scCtrl));
  EXPECT_TRUE(Form->mniExit->Checked());
  EXPECT_EQ(Form->mniExit->Parent(), Form->mniFile);

  HWND Wnd = Form->Handle();
  HMENU Bar = GetMenu(Wnd);
  ASSERT_EQ(Bar, Form->MainMenu1->Handle());
  // The bar's own items are measured by the system; what drops down is owner-drawn.
  EXPECT_FALSE(NativeItem(Bar, 0).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(NativeItem(Form->mniFile->Handle(), 2).fType & MFT_OWNERDRAW);

  // The chosen item arrives as WM_COMMAND at the form.
  SendMessageW(Wnd, WM_COMMAND, MAKEWPARAM(Form->mniExit->Command(), 0), 0);
  EXPECT_EQ(Form->clicks, 1);

  const String Text = WriteComponentToText(Form.get());
  EXPECT_NE(Text.find("Menu = MainMenu1"), String::npos) << Text;
  EXPECT_NE(Text.find("      object mniExit: TMenuItem"), String::npos) << Text;
  EXPECT_NE(Text.find("OnClick = ExitClick"), String::npos) << Text;

  // Destroying the form leaves no menu behind and destroys none twice.
  HMENU Sub = Form->mniFile->Handle();
  Form.reset();
  EXPECT_FALSE(IsMenu(Bar));
  EXPECT_FALSE(IsMenu(Sub));
}

TEST(MenuDescription, TheFormLetsGoOfAMenuThatIsFreedOrDetached) {
  auto Form = std::make_unique<TForm>(nullptr);
  auto* MainMenu = new TMainMenu(Form.get());
  MainMenu->Items()->Add(NewItem(MainMenu, "&Edit"));
  Form->SetMenu(MainMenu);
  HWND Wnd = Form->Handle();
  EXPECT_EQ(GetMenu(Wnd), MainMenu->Handle());
  // Changes of the bar's items are announced to the form's message method (a skinned bar rebuilds).
  struct Spy : TObject {
    TWndMethod saved;
    int changes = 0;
    void Proc(TMessage& M) {
      if (M.Msg == CM_MENUCHANGED) ++changes;
      saved(M);
    }
  } FormSpy;
  FormSpy.saved = Form->WindowProc;
  Form->WindowProc = TWndMethod::Bind<&Spy::Proc>(&FormSpy);
  MainMenu->Items()->Items(0)->SetCaption("&Edit2");
  EXPECT_GE(FormSpy.changes, 1);
  Form->WindowProc = FormSpy.saved;
  Form->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(Wnd), nullptr);
  Form->SetMenu(MainMenu);
  HMENU Bar = MainMenu->Handle();
  delete MainMenu;
  EXPECT_EQ(Form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(Wnd), nullptr);
  EXPECT_FALSE(IsMenu(Bar));
  // Re-creating the window puts a new menu's bar on the new window.
  auto* Second = new TMainMenu(Form.get());
  Second->Items()->Add(NewItem(Second, "&View"));
  Form->SetMenu(Second);
  Form->SetBorderStyle(bsSingle);  // re-creates the window
  EXPECT_NE(Form->WindowHandle(), Wnd);
  EXPECT_EQ(GetMenu(Form->WindowHandle()), Second->Handle());
}

}  // namespace
