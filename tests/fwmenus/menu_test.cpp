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

TMenuItem* NewItem(TComponent* owner, const char* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  return item;
}

MENUITEMINFOW NativeItem(HMENU menu, UINT position, std::wstring* text = nullptr) {
  wchar_t buffer[128] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  info.dwTypeData = buffer;
  info.cch = 127;
  EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
  if (text) *text = buffer;
  return info;
}

TEST(ShortCutText, NamesKeysWithTheirModifiersAndReadsThemBack) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', scCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, scAlt)), "Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, scCtrl | scShift)), "Ctrl+Shift+Del");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_NUMPAD3)), "Num 3");
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(ShortCut(0xFF)), "");  // a key without a name
  for (TShortCut s : {ShortCut('A', scCtrl), ShortCut(VK_F12, scShift | scAlt), ShortCut(VK_BACK, scAlt),
                      ShortCut(VK_ADD, scCtrl), ShortCut('0')})
    EXPECT_EQ(TextToShortCut(ShortCutToText(s)), s) << ShortCutToText(s);
  EXPECT_EQ(TextToShortCut("ctrl+shift+x"), ShortCut('X', scCtrl | scShift));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);
}

TEST(MenuTree, NativeItemsFollowTheItemsAndTheirStates) {
  TPopupMenu menu(nullptr);
  TMenuItem* open = NewItem(&menu, "&Open");
  TMenuItem* line = NewItem(&menu, "-");
  TMenuItem* recent = NewItem(&menu, "Recent");
  TMenuItem* hidden = NewItem(&menu, "Hidden");
  menu.Items()->Add(open);
  menu.Items()->Add(line);
  menu.Items()->Add(recent);
  menu.Items()->Add(hidden);
  TMenuItem* file1 = NewItem(&menu, "file1");
  recent->Add(file1);
  open->SetShortCut(ShortCut('O', scCtrl));
  open->SetDefault(true);
  recent->SetEnabled(false);
  file1->SetChecked(true);
  hidden->SetVisible(false);

  HMENU h = menu.Handle();
  ASSERT_TRUE(IsMenu(h));
  ASSERT_EQ(GetMenuItemCount(h), 3);  // the invisible item has no native item
  std::wstring text;
  MENUITEMINFOW info = NativeItem(h, 0, &text);
  EXPECT_EQ(text, L"&Open\tCtrl+O");
  EXPECT_EQ(info.wID, open->Command());
  EXPECT_TRUE(info.fState & MFS_DEFAULT);
  EXPECT_TRUE(NativeItem(h, 1).fType & MFT_SEPARATOR);
  info = NativeItem(h, 2);
  EXPECT_EQ(info.hSubMenu, recent->Handle());
  EXPECT_TRUE(info.fState & MFS_GRAYED);
  EXPECT_TRUE(NativeItem(recent->Handle(), 0).fState & MFS_CHECKED);

  // Changes reach the native menu at once.
  hidden->SetVisible(true);
  EXPECT_EQ(GetMenuItemCount(h), 4);
  open->SetCaption("&Load");
  NativeItem(h, 0, &text);
  EXPECT_EQ(text, L"&Load\tCtrl+O");
  recent->SetMenuIndex(0);
  EXPECT_EQ(NativeItem(h, 0).hSubMenu, recent->Handle());
  EXPECT_EQ(recent->MenuIndex(), 0);
  EXPECT_EQ(open->MenuIndex(), 1);

  // Owner drawing makes every native item owner-drawn, separators included.
  menu.SetOwnerDraw(true);
  for (int i = 0; i < GetMenuItemCount(h); ++i) EXPECT_TRUE(NativeItem(h, i).fType & MFT_OWNERDRAW) << i;
  NativeItem(h, 1, &text);
  EXPECT_EQ(text, L"&Load");  // an owner-drawn item keeps its caption but shows no shortcut column

  // Right-to-left menus order their items from the right.
  menu.SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(NativeItem(h, 0).fType & MFT_RIGHTORDER);
}

TEST(MenuTree, CommandsAreUniqueAndFindTheirItems) {
  TPopupMenu a(nullptr), b(nullptr);
  TMenuItem* x = NewItem(&a, "x");
  TMenuItem* y = NewItem(&b, "y");
  a.Items()->Add(x);
  b.Items()->Add(y);
  EXPECT_NE(x->Command(), y->Command());
  EXPECT_GT(x->Command(), 0u);
  EXPECT_LT(x->Command(), kMenuCommandLimit);
  EXPECT_EQ(FindMenuItemByCommand(x->Command()), x);
  EXPECT_EQ(a.FindItem(x->Command()), x);
  EXPECT_EQ(a.FindItem(y->Command()), nullptr);  // another menu's item
  TMenuItem* sub = NewItem(&a, "sub");
  x->Add(sub);
  EXPECT_EQ(FindMenuItemByHandle(x->Handle()), x);
  EXPECT_EQ(a.FindItemByHandle(x->Handle()), x);
  const UINT gone = sub->Command();
  delete sub;
  EXPECT_EQ(FindMenuItemByCommand(gone), nullptr);
  EXPECT_EQ(x->Count(), 0);
}

TEST(MenuTree, RefusesCyclesAndRadioItemsUncheckTheirGroup) {
  TPopupMenu menu(nullptr);
  TMenuItem* a = NewItem(&menu, "a");
  TMenuItem* b = NewItem(&menu, "b");
  TMenuItem* c = NewItem(&menu, "c");
  menu.Items()->Add(a);
  a->Add(b);
  EXPECT_THROW(b->Add(a), std::invalid_argument);
  EXPECT_THROW(a->Add(a), std::invalid_argument);
  EXPECT_THROW(a->Add(nullptr), std::invalid_argument);
  menu.Items()->Add(c);
  for (TMenuItem* i : {a, c}) i->SetRadioItem(true);
  a->SetChecked(true);
  c->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(c->Checked());
  // Moving an item takes it out of its old parent.
  c->Add(b);
  EXPECT_EQ(a->Count(), 0);
  EXPECT_EQ(b->Parent(), c);
}

TEST(MenuTree, AutoCheckItemsChangeBeforeTheirClick) {
  TPopupMenu menu(nullptr);
  TMenuItem* toggle = NewItem(&menu, "toggle");
  TMenuItem* one = NewItem(&menu, "one");
  TMenuItem* two = NewItem(&menu, "two");
  TMenuItem* plain = NewItem(&menu, "plain");
  for (TMenuItem* i : {toggle, one, two, plain}) menu.Items()->Add(i);
  for (TMenuItem* i : {toggle, one, two}) i->SetAutoCheck(true);
  for (TMenuItem* i : {one, two}) i->SetRadioItem(true);
  one->SetChecked(true);
  struct Seen : TObject {
    bool Checked = false;
    void Click(TObject* Sender) { Checked = static_cast<TMenuItem*>(Sender)->Checked(); }
  } seen;
  for (TMenuItem* i : {toggle, two}) i->OnClick = TNotifyEvent::Bind<&Seen::Click>(&seen);
  toggle->Click();
  EXPECT_TRUE(toggle->Checked());
  EXPECT_TRUE(seen.Checked);  // the handler sees the new state
  toggle->Click();
  EXPECT_FALSE(toggle->Checked());
  two->Click();  // a radio item checks, its group unchecks
  EXPECT_TRUE(two->Checked());
  EXPECT_FALSE(one->Checked());
  two->Click();  // and stays checked
  EXPECT_TRUE(two->Checked());
  plain->Click();
  EXPECT_FALSE(plain->Checked());
  EXPECT_EQ(GetPropInfo(toggle, "AutoCheck")->Kind, tkBoolean);
}

TEST(MenuTree, DestroyingItemsFreesTheirNativeMenusOnce) {
  HMENU root, sub;
  {
    TPopupMenu menu(nullptr);
    TMenuItem* a = NewItem(&menu, "a");
    menu.Items()->Add(a);
    a->Add(NewItem(&menu, "b"));
    root = menu.Handle();
    sub = a->Handle();
    ASSERT_TRUE(IsMenu(sub));
    delete a;  // owned by the menu component, but a parent can go first
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_EQ(GetMenuItemCount(root), 0);
    TMenuItem* c = NewItem(&menu, "c");
    menu.Items()->Add(c);
    c->Add(NewItem(&menu, "d"));
    sub = c->Handle();
  }
  EXPECT_FALSE(IsMenu(root));
  EXPECT_FALSE(IsMenu(sub));
}

TEST(MenuTree, PublishesItsPropertiesByName) {
  TPopupMenu menu(nullptr);
  TMenuItem* item = NewItem(&menu, "Save");
  menu.Items()->Add(item);
  SetOrdProp(item, "Checked", 1);
  SetOrdProp(item, "ImageIndex", 3);
  EXPECT_EQ(GetStrProp(item, "Caption"), "Save");
  EXPECT_TRUE(item->Checked());
  EXPECT_EQ(GetOrdProp(item, "ImageIndex"), 3);
  EXPECT_EQ(GetOrdProp(item, "Enabled"), 1);
  EXPECT_EQ(GetOrdProp(item, "Command"), static_cast<std::int64_t>(item->Command()));
  EXPECT_TRUE(IsPublishedProp(item, "OnDrawItem"));
  EXPECT_TRUE(IsPublishedProp(item, "OnMeasureItem"));
  EXPECT_TRUE(IsPublishedProp(&menu, "OwnerDraw"));
  EXPECT_TRUE(IsPublishedProp(&menu, "Images"));
  EXPECT_EQ(GetEnumProp(&menu, "BiDiMode"), "bdLeftToRight");
}

// A form class whose description names its menu and items.
class TMenuForm : public TForm {
  DECLARE_CLASS(TMenuForm, TForm)

 public:
  explicit TMenuForm(TComponent* owner) : TForm(owner) {}
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
  auto form = std::make_unique<TMenuForm>(nullptr);
  ReadComponentFromText(kDescription, form.get());
  ASSERT_NE(form->MainMenu1, nullptr);
  EXPECT_EQ(form->Menu(), form->MainMenu1);
  ASSERT_EQ(form->MainMenu1->Items()->Count(), 1);
  ASSERT_EQ(form->mniFile->Count(), 3);
  EXPECT_EQ(form->mniFile->Items(0)->ShortCut(), ShortCut('N', scCtrl));
  EXPECT_TRUE(form->mniExit->Checked());
  EXPECT_EQ(form->mniExit->Parent(), form->mniFile);

  HWND wnd = form->Handle();
  HMENU bar = GetMenu(wnd);
  ASSERT_EQ(bar, form->MainMenu1->Handle());
  // The bar's own items are measured by the system; what drops down is owner-drawn.
  EXPECT_FALSE(NativeItem(bar, 0).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(NativeItem(form->mniFile->Handle(), 2).fType & MFT_OWNERDRAW);

  // The chosen item arrives as WM_COMMAND at the form.
  SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(form->mniExit->Command(), 0), 0);
  EXPECT_EQ(form->clicks, 1);

  const String text = WriteComponentToText(form.get());
  EXPECT_NE(text.find("Menu = MainMenu1"), String::npos) << text;
  EXPECT_NE(text.find("      object mniExit: TMenuItem"), String::npos) << text;
  EXPECT_NE(text.find("OnClick = ExitClick"), String::npos) << text;

  // Destroying the form leaves no menu behind and destroys none twice.
  HMENU sub = form->mniFile->Handle();
  form.reset();
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(IsMenu(sub));
}

TEST(MenuDescription, TheFormLetsGoOfAMenuThatIsFreedOrDetached) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* menu = new TMainMenu(form.get());
  menu->Items()->Add(NewItem(menu, "&Edit"));
  form->SetMenu(menu);
  HWND wnd = form->Handle();
  EXPECT_EQ(GetMenu(wnd), menu->Handle());
  // Changes of the bar's items are announced to the form's message method (a skinned bar rebuilds).
  struct Spy : TObject {
    TWndMethod saved;
    int changes = 0;
    void Proc(TMessage& m) {
      if (m.Msg == CM_MENUCHANGED) ++changes;
      saved(m);
    }
  } spy;
  spy.saved = form->WindowProc;
  form->WindowProc = TWndMethod::Bind<&Spy::Proc>(&spy);
  menu->Items()->Items(0)->SetCaption("&Edit2");
  EXPECT_GE(spy.changes, 1);
  form->WindowProc = spy.saved;
  form->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  form->SetMenu(menu);
  HMENU bar = menu->Handle();
  delete menu;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_FALSE(IsMenu(bar));
  // Re-creating the window puts a new menu's bar on the new window.
  auto* second = new TMainMenu(form.get());
  second->Items()->Add(NewItem(second, "&View"));
  form->SetMenu(second);
  form->SetBorderStyle(bsSingle);  // re-creates the window
  EXPECT_NE(form->WindowHandle(), wnd);
  EXPECT_EQ(GetMenu(form->WindowHandle()), second->Handle());
}

}  // namespace
