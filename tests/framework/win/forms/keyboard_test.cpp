// The keyboard through the application's message loop, with real key input: dialog keys (Tab,
// arrows, Enter, Escape), menu shortcuts of the form's menu and of a control's popup menu, the MDI
// system keys; popup menus opened by a right click; modal forms and their ModalResult.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"

namespace {

void PumpUntil(const std::function<bool()>& Done, int Milliseconds = 2000) {
  const auto End = std::chrono::steady_clock::now() + std::chrono::milliseconds(Milliseconds);
  while (true) {
    Application->ProcessMessages();
    if ((Done && Done()) || std::chrono::steady_clock::now() > End) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void PumpFor(int Milliseconds) {
  PumpUntil(nullptr, Milliseconds);
}

// Presses the keys in order and lets them go in reverse, as a person holding Ctrl then O would.
void Press(std::vector<WORD> Keys) {
  std::vector<INPUT> Inputs;
  for (WORD Key : Keys) {
    INPUT In{};
    In.type = INPUT_KEYBOARD;
    In.ki.wVk = Key;
    Inputs.push_back(In);
  }
  for (auto It = Keys.rbegin(); It != Keys.rend(); ++It) {
    INPUT In{};
    In.type = INPUT_KEYBOARD;
    In.ki.wVk = *It;
    In.ki.dwFlags = KEYEVENTF_KEYUP;
    Inputs.push_back(In);
  }
  SendInput(static_cast<UINT>(Inputs.size()), Inputs.data(), sizeof(INPUT));
}

void RightClick(HWND Wnd, int X, int Y) {
  POINT At{X, Y};
  ClientToScreen(Wnd, &At);
  SetCursorPos(At.x, At.y);
  INPUT In[2] = {};
  In[0].type = In[1].type = INPUT_MOUSE;
  In[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  In[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, In, sizeof(INPUT));
}

// Records who was clicked, in order.
struct TClicks : TObject {
  std::vector<TObject*> Senders;
  void Click(TObject* Sender) { Senders.push_back(Sender); }
  TNotifyEvent Handler() { return TNotifyEvent::Bind<&TClicks::Click>(this); }
};

String NameOf(TObject* Object) {
  auto* Component = dynamic_cast<TComponent*>(Object);
  return Component ? Component->Name() : String("(none)");
}

String FocusName() {
  return NameOf(FindControlx(GetFocus()));
}

// A dialog-like form: an edit, a nested container with three buttons, a disabled edit, a
// multi-line edit, OK (default) and Cancel.
class TKeysForm : public TForm {
 public:
  explicit TKeysForm(TComponent* Owner) : TForm(Owner) {
    SetName("KeysForm");
    SetBounds(40, 40, 420, 260);
    Edit1 = Add<TEdit>("Edit1", this, 10, 10, 0);
    Box = new TWinControl(this);
    Box->SetName("Box");
    Box->SetBounds(10, 40, 300, 40);
    Box->SetParent(this);
    Box->SetTabOrder(1);
    // In the container the order is B, C, A: TabOrder, not creation order, decides.
    A = Add<TButton>("A", Box, 5, 5, 2);
    B = Add<TButton>("B", Box, 90, 5, 0);
    C = Add<TButton>("C", Box, 175, 5, 1);
    Disabled = Add<TEdit>("Disabled", this, 10, 90, 2);
    Disabled->SetEnabled(false);
    NoStop = Add<TEdit>("NoStop", this, 140, 90, 3);
    NoStop->SetTabStop(false);
    Memo = Add<TMultiLineEdit>("Memo", this, 10, 120, 4);
    Ok = Add<TButton>("Ok", this, 200, 190, 5);
    Ok->SetDefault(true);
    Ok->ModalResult = mrOk;
    Cancel = Add<TButton>("Cancel", this, 290, 190, 6);
    Cancel->SetCancel(true);
    Cancel->ModalResult = mrCancel;
    for (TButton* Button : {A, B, C, Ok, Cancel}) Button->OnClick = Clicks.Handler();
  }

  // A multi-line edit wants every key itself.
  class TMultiLineEdit : public TEdit {
   public:
    using TEdit::TEdit;

   protected:
    void CreateParams(TCreateParams& Params) override {
      TEdit::CreateParams(Params);
      Params.Style |= ES_MULTILINE | ES_WANTRETURN;
    }
  };

  template <class T>
  T* Add(const char* Name, TWinControl* Parent, int X, int Y, int TabOrder) {
    auto* Control = new T(this);
    Control->SetName(Name);
    Control->SetBounds(X, Y, 80, 24);
    Control->SetParent(Parent);
    Control->SetTabOrder(TabOrder);
    return Control;
  }

  TClicks Clicks;
  TEdit* Edit1;
  TWinControl* Box;
  TButton *A, *B, *C, *Ok, *Cancel;
  TEdit *Disabled, *NoStop, *Memo;
};

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = std::make_unique<TKeysForm>(nullptr);
    Form->Show();
    PumpUntil([&] { return GetForegroundWindow() == Form->WindowHandle(); });
    ASSERT_EQ(GetForegroundWindow(), Form->WindowHandle());
  }
  void TearDown() override {
    Form.reset();
    PumpFor(20);
  }
  void Focus(const char* Name) {
    auto* Control = dynamic_cast<TWinControl*>(Form->FindComponent(Name));
    ASSERT_NE(Control, nullptr) << Name;
    Control->SetFocus();
    PumpUntil([&] { return Control->Focused(); });
  }
  std::unique_ptr<TKeysForm> Form;
};

struct KeyCase {
  const char* Start;
  std::vector<WORD> Keys;
  const char* Focus;    // where the focus is afterwards
  const char* Clicked;  // the button that was clicked, or ""
};

std::ostream& operator<<(std::ostream& Out, const KeyCase& Case) {
  Out << Case.Start << " +";
  for (WORD Key : Case.Keys) Out << ' ' << Key;
  return Out;
}

class DialogKeys : public Keyboard, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeys, MoveTheFocusOrPressTheRightButton) {
  const KeyCase& Case = GetParam();
  Focus(Case.Start);
  Press(Case.Keys);
  PumpUntil([&] { return FocusName() == Case.Focus && (!*Case.Clicked || !Form->Clicks.Senders.empty()); });
  PumpFor(30);
  EXPECT_EQ(FocusName(), Case.Focus);
  if (*Case.Clicked) {
    ASSERT_EQ(Form->Clicks.Senders.size(), 1u);
    EXPECT_EQ(NameOf(Form->Clicks.Senders[0]), Case.Clicked);
  } else {
    EXPECT_TRUE(Form->Clicks.Senders.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogKeys,
    ::testing::Values(
        // Tab follows TabOrder into the container and skips disabled controls and non-tab stops.
        KeyCase{"Edit1", {VK_TAB}, "B", ""}, KeyCase{"B", {VK_TAB}, "C", ""},
        KeyCase{"A", {VK_TAB}, "Memo", ""}, KeyCase{"Cancel", {VK_TAB}, "Edit1", ""},
        KeyCase{"Edit1", {VK_SHIFT, VK_TAB}, "Cancel", ""}, KeyCase{"B", {VK_SHIFT, VK_TAB}, "Edit1", ""},
        // Arrows stay among the siblings; an edit keeps its own arrows.
        KeyCase{"B", {VK_RIGHT}, "C", ""}, KeyCase{"A", {VK_DOWN}, "B", ""}, KeyCase{"B", {VK_LEFT}, "A", ""},
        KeyCase{"Edit1", {VK_DOWN}, "Edit1", ""},
        // Enter presses the focused button, else the default one; Escape the cancel button.
        KeyCase{"Edit1", {VK_RETURN}, "Edit1", "Ok"}, KeyCase{"C", {VK_RETURN}, "C", "C"},
        KeyCase{"Edit1", {VK_ESCAPE}, "Edit1", "Cancel"}, KeyCase{"A", {VK_ESCAPE}, "A", "Cancel"},
        // A control that wants every key keeps them; Ctrl+Tab is not a dialog key.
        KeyCase{"Memo", {VK_RETURN}, "Memo", ""}, KeyCase{"Memo", {VK_TAB}, "Memo", ""},
        KeyCase{"Edit1", {VK_CONTROL, VK_TAB}, "Edit1", ""}));

TEST_F(Keyboard, TheDefaultFrameFollowsTheFocusedButtonAndTheFormGivesTheFocusBack) {
  auto Style = [](TButton* Button) { return GetWindowLongPtrW(Button->Handle(), GWL_STYLE) & BS_TYPEMASK; };
  Focus("Edit1");
  EXPECT_TRUE(Form->Ok->Active());
  EXPECT_EQ(Style(Form->Ok), BS_DEFPUSHBUTTON);
  Focus("C");
  EXPECT_TRUE(Form->C->Active());
  EXPECT_FALSE(Form->Ok->Active());
  EXPECT_EQ(Style(Form->Ok), BS_PUSHBUTTON);
  EXPECT_EQ(Style(Form->C), BS_DEFPUSHBUTTON);
  Focus("Edit1");
  EXPECT_TRUE(Form->Ok->Active());
  EXPECT_FALSE(Form->C->Active());
  EXPECT_EQ(Form->ActiveControl(), Form->Edit1);

  // Another window takes the activation; coming back, the form gives the focus to its control.
  TForm Other(nullptr);
  Other.SetBounds(300, 300, 100, 80);
  Other.Show();
  PumpUntil([&] { return GetActiveWindow() == Other.WindowHandle(); });
  Form->Show();
  PumpUntil([&] { return Form->Edit1->Focused(); });
  EXPECT_EQ(FocusName(), "Edit1");
}

// --- Menu shortcuts --------------------------------------------------------------------------------

TMenuItem* NewItem(TComponent* Owner, TMenuItem* Parent, const char* Caption, TShortCut Key,
                   TClicks& Clicks) {
  auto* Item = new TMenuItem(Owner);
  Item->SetName(String(Caption));
  Item->SetCaption(Caption);
  Item->SetShortCut(Key);
  Item->OnClick = Clicks.Handler();
  Parent->Add(Item);
  return Item;
}

struct ShortCutCase {
  std::vector<WORD> Keys;
  const char* Clicked;  // "" when no item may run
};

std::ostream& operator<<(std::ostream& Out, const ShortCutCase& Case) {
  for (WORD Key : Case.Keys) Out << Key << ' ';
  return Out << Case.Clicked;
}

class MenuShortCuts : public Keyboard, public ::testing::WithParamInterface<ShortCutCase> {
 protected:
  void SetUp() override {
    Keyboard::SetUp();
    Menu = new TMainMenu(Form.get());
    TMenuItem* File = NewItem(Form.get(), Menu->Items(), "File", scNone, Clicks);
    NewItem(Form.get(), File, "Open", ShortCut('O', scCtrl), Clicks);
    NewItem(Form.get(), File, "Gone", ShortCut('G', scCtrl), Clicks)->SetEnabled(false);
    NewItem(Form.get(), File, "Exit", ShortCut('X', scAlt), Clicks);
    TMenuItem* Deep = NewItem(Form.get(), File, "Deep", scNone, Clicks);
    TMenuItem* Deeper = NewItem(Form.get(), Deep, "Deeper", scNone, Clicks);
    NewItem(Form.get(), Deeper, "Deepest", ShortCut('D', scCtrl | scShift), Clicks);
    TMenuItem* Off = NewItem(Form.get(), File, "Off", scNone, Clicks);
    Off->SetEnabled(false);
    NewItem(Form.get(), Off, "UnderOff", ShortCut('U', scCtrl), Clicks);
    Form->SetMenu(Menu);
    auto* Popup = new TPopupMenu(Form.get());
    NewItem(Form.get(), Popup->Items(), "Paste", ShortCut('P', scCtrl), Clicks);
    Form->Edit1->SetPopupMenu(Popup);
    Form->Edit1->SetText("");
  }
  TMainMenu* Menu = nullptr;
  TClicks Clicks;
};

TEST_P(MenuShortCuts, RunTheEnabledItemWhereverItSits) {
  Focus("Edit1");
  Press(GetParam().Keys);
  PumpFor(150);
  if (*GetParam().Clicked) {
    ASSERT_EQ(Clicks.Senders.size(), 1u);
    EXPECT_EQ(NameOf(Clicks.Senders[0]), GetParam().Clicked);
    EXPECT_EQ(Form->Edit1->Text(), "");  // the key did not reach the edit as well
  } else {
    EXPECT_TRUE(Clicks.Senders.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuShortCuts,
                         ::testing::Values(ShortCutCase{{VK_CONTROL, 'O'}, "Open"},
                                           ShortCutCase{{VK_MENU, 'X'}, "Exit"},
                                           ShortCutCase{{VK_CONTROL, VK_SHIFT, 'D'}, "Deepest"},
                                           ShortCutCase{{VK_CONTROL, 'P'}, "Paste"},  // the edit's popup
                                           ShortCutCase{{VK_CONTROL, 'G'}, ""},       // disabled item
                                           ShortCutCase{{VK_CONTROL, 'U'}, ""},       // under a disabled one
                                           ShortCutCase{{'O'}, ""}));

TEST_F(Keyboard, ADisabledItemLeavesItsKeyToTheControl) {
  TClicks Clicks;
  auto* Menu = new TMainMenu(Form.get());
  TMenuItem* Edit = NewItem(Form.get(), Menu->Items(), "Edit", scNone, Clicks);
  NewItem(Form.get(), Edit, "Letter", ShortCut('Q'), Clicks)->SetEnabled(false);
  Form->SetMenu(Menu);
  Focus("Edit1");
  Form->Edit1->SetText("");
  Press({'Q'});
  PumpUntil([&] { return !Form->Edit1->Text().empty(); });
  EXPECT_EQ(Form->Edit1->Text(), "q");
  EXPECT_TRUE(Clicks.Senders.empty());
}

// --- Popup menus on a right click ------------------------------------------------------------------

// Closes the popup menu as soon as it is open, and remembers whether it was.
struct TMenuCloser {
  static inline bool Seen = false;
  UINT_PTR Timer;
  TMenuCloser() {
    Seen = false;
    Timer = SetTimer(nullptr, 0, 20, &Tick);
  }
  ~TMenuCloser() { KillTimer(nullptr, Timer); }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (HWND Menu = FindWindowW(L"#32768", nullptr); Menu && IsWindowVisible(Menu)) {
      Seen = true;
      EndMenu();
    }
  }
};

struct TPopups : TObject {
  std::vector<TComponent*> Shown;
  void Popup(TObject* Sender) { Shown.push_back(static_cast<TPopupMenu*>(Sender)->PopupComponent()); }
};

TEST_F(Keyboard, ARightClickOpensThePopupMenuOfTheControlOrOfTheNearestParentWithOne) {
  TPopups Popups;
  TClicks Clicks;
  auto MakePopup = [&](const char* Name) {
    auto* Menu = new TPopupMenu(Form.get());
    Menu->SetName(Name);
    NewItem(Form.get(), Menu->Items(), (String(Name) + "Item").c_str(), scNone, Clicks);
    Menu->OnPopup = TNotifyEvent::Bind<&TPopups::Popup>(&Popups);
    return Menu;
  };
  TPopupMenu* FormMenu = MakePopup("FormMenu");
  TPopupMenu* EditMenu = MakePopup("EditMenu");
  TPopupMenu* ShapeMenu = MakePopup("ShapeMenu");
  Form->SetPopupMenu(FormMenu);
  Form->Edit1->SetPopupMenu(EditMenu);
  // A windowless control gets its popup through its parent's window.
  auto* Shape = new TControl(Form.get());
  Shape->SetName("Shape");
  Shape->SetBounds(330, 10, 60, 60);
  Shape->SetParent(Form.get());
  Shape->SetPopupMenu(ShapeMenu);

  struct Row {
    HWND Wnd;
    POINT At;
    TComponent* Expected;
  };
  const Row Rows[] = {
      {Form->Edit1->Handle(), {5, 5}, Form->Edit1},  // its own menu, not the edit's built-in one
      {Form->A->Handle(), {5, 5}, Form.get()},       // a button without one: the form's
      {Form->WindowHandle(), {350, 30}, Shape},      // the windowless control under the point
      {Form->WindowHandle(), {300, 120}, Form.get()},
  };
  for (const Row& R : Rows) {
    Popups.Shown.clear();
    TMenuCloser Closer;
    RightClick(R.Wnd, R.At.x, R.At.y);
    PumpUntil([&] { return TMenuCloser::Seen; });
    PumpFor(30);
    ASSERT_EQ(Popups.Shown.size(), 1u) << NameOf(R.Expected);
    EXPECT_EQ(Popups.Shown[0], R.Expected);
    EXPECT_TRUE(TMenuCloser::Seen);
  }

  // The context-menu key opens it too; with AutoPopup off nothing opens.
  Focus("Edit1");
  Popups.Shown.clear();
  {
    TMenuCloser Closer;
    Press({VK_SHIFT, VK_F10});
    PumpUntil([&] { return TMenuCloser::Seen; });
    PumpFor(30);
  }
  ASSERT_EQ(Popups.Shown.size(), 1u);
  EXPECT_EQ(Popups.Shown[0], Form->Edit1);
  FormMenu->SetAutoPopup(false);
  Popups.Shown.clear();
  RightClick(Form->WindowHandle(), 300, 120);
  PumpFor(150);
  EXPECT_TRUE(Popups.Shown.empty());
  EXPECT_TRUE(Clicks.Senders.empty());

  // A freed popup menu is no longer the control's.
  delete EditMenu;
  EXPECT_EQ(Form->Edit1->PopupMenu(), nullptr);
}

// --- Modal forms ----------------------------------------------------------------------------------

// Runs Step once the modal form is up (from a timer, inside the modal loop).
struct TWhileModal {
  static inline std::function<void()> Step;
  static inline TCustomForm* Modal = nullptr;
  static inline bool Done = false;
  UINT_PTR Timer;
  TWhileModal(TCustomForm* Form, std::function<void()> Action) {
    Modal = Form;
    Step = std::move(Action);
    Done = false;
    Timer = SetTimer(nullptr, 0, 20, &Tick);
  }
  ~TWhileModal() { KillTimer(nullptr, Timer); }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Done || !Modal->WindowHandle() || GetForegroundWindow() != Modal->WindowHandle()) return;
    Done = true;
    Step();
  }
};

struct TCloseVeto : TObject {
  int Calls = 0;
  void Close(TObject*, TCloseAction& Action) {
    if (++Calls == 1) Action = caNone;
  }
};

TEST(ModalForm, EndsWithTheModalResultOfTheButtonOrCancelWhenClosed) {
  TForm Main(nullptr);
  Main.SetBounds(10, 10, 200, 120);
  Main.Show();
  struct Row {
    const char* What;
    std::function<void(TKeysForm&)> Step;
    TModalResult Expected;
  };
  const Row Rows[] = {
      {"Enter", [](TKeysForm&) { Press({VK_RETURN}); }, mrOk},
      {"Escape", [](TKeysForm&) { Press({VK_ESCAPE}); }, mrCancel},
      {"close box", [](TKeysForm& F) { PostMessageW(F.WindowHandle(), WM_CLOSE, 0, 0); }, mrCancel},
      {"a button's click", [](TKeysForm& F) { F.C->ModalResult = mrRetry, F.C->Click(); }, mrRetry},
  };
  for (const Row& R : Rows) {
    TKeysForm Dialog(nullptr);
    bool MainDisabled = false;
    TWhileModal Driver(&Dialog, [&] {
      MainDisabled = !IsWindowEnabled(Main.WindowHandle());
      R.Step(Dialog);
    });
    EXPECT_EQ(Dialog.ShowModal(), R.Expected) << R.What;
    EXPECT_TRUE(MainDisabled) << R.What;
    EXPECT_TRUE(IsWindowEnabled(Main.WindowHandle())) << R.What;
    EXPECT_FALSE(Dialog.Visible()) << R.What;
    EXPECT_FALSE(Dialog.Modal());
  }

  // OnClose can keep the form open; the second close ends it.
  TKeysForm Dialog(nullptr);
  TCloseVeto Veto;
  Dialog.OnClose = TEvent<void(TObject*, TCloseAction&)>::Bind<&TCloseVeto::Close>(&Veto);
  TWhileModal Driver(&Dialog, [&] {
    PostMessageW(Dialog.WindowHandle(), WM_CLOSE, 0, 0);
    PostMessageW(Dialog.WindowHandle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(Dialog.ShowModal(), mrCancel);
  EXPECT_EQ(Veto.Calls, 2);

  // A visible form cannot become modal.
  Dialog.Show();
  EXPECT_THROW(Dialog.ShowModal(), std::logic_error);
}

// --- MDI: system keys and the window menu ----------------------------------------------------------

TEST(MDIKeys, CtrlF6GoesToTheNextChildAndTheWindowMenuListsTheChildrenThroughRebuilds) {
  TForm Parent(nullptr);
  Parent.SetFormStyle(fsMDIForm);
  Parent.SetBounds(20, 20, 520, 400);
  TClicks Clicks;
  auto* Menu = new TMainMenu(&Parent);
  TMenuItem* Window = NewItem(&Parent, Menu->Items(), "Window", scNone, Clicks);
  TMenuItem* Tile = NewItem(&Parent, Window, "Tile", ShortCut(VK_F5, scShift), Clicks);
  NewItem(&Parent, Window, "Cascade", scNone, Clicks);
  Parent.SetMenu(Menu);
  Parent.SetWindowMenu(Window);
  Parent.Show();
  TForm* Children[3];
  const char* Names[3] = {"First", "Second", "Third"};
  for (int I = 0; I < 3; ++I) {
    Children[I] = new TForm(&Parent);
    Children[I]->SetFormStyle(fsMDIChild);
    Children[I]->SetCaption(Names[I]);
    Children[I]->SetBounds(10 * I, 10 * I, 200, 120);
    Children[I]->HandleNeeded();
  }
  auto ListedCaptions = [&] {
    std::vector<std::wstring> Listed;
    HMENU H = Window->Handle();
    for (int I = 0; I < GetMenuItemCount(H); ++I) {
      if (GetMenuItemID(H, I) < kFirstMDIChildId) continue;
      wchar_t Text[64] = {};
      GetMenuStringW(H, static_cast<UINT>(I), Text, 64, MF_BYPOSITION);
      Listed.push_back(Text);
    }
    return Listed;
  };
  PumpUntil([&] { return ListedCaptions().size() == 3; });
  ASSERT_EQ(ListedCaptions().size(), 3u);
  // Changing an item rebuilds the native menu; the list comes back with it.
  Tile->SetChecked(true);
  PumpFor(20);
  std::vector<std::wstring> Listed = ListedCaptions();
  ASSERT_EQ(Listed.size(), 3u);
  for (int I = 0; I < 3; ++I) EXPECT_NE(Listed[I].find(Utf8ToWide(Names[I])), std::wstring::npos) << I;

  // Choosing a listed child activates it.
  EXPECT_EQ(Parent.ActiveMDIChild(), Children[2]);
  SendMessageW(Parent.Handle(), WM_COMMAND, kFirstMDIChildId, 0);
  EXPECT_EQ(Parent.ActiveMDIChild(), Children[0]);

  // Ctrl+F6 from a child's focus goes to the next child; a shortcut of the MDI form's menu works
  // from inside a child.
  PumpUntil([&] { return GetForegroundWindow() == Parent.WindowHandle(); });
  HWND Before = Parent.ActiveMDIChild()->WindowHandle();
  Press({VK_CONTROL, VK_F6});
  PumpUntil([&] { return Parent.ActiveMDIChild() && Parent.ActiveMDIChild()->WindowHandle() != Before; });
  EXPECT_NE(Parent.ActiveMDIChild()->WindowHandle(), Before);
  Press({VK_SHIFT, VK_F5});
  PumpUntil([&] { return !Clicks.Senders.empty(); });
  ASSERT_EQ(Clicks.Senders.size(), 1u);
  EXPECT_EQ(Clicks.Senders[0], Tile);
}

}  // namespace
