// Forms: top-level framework windows, owned by the application's hidden window, optionally read from
// a persisted description stored in the executable.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/controls/Controls.h"
#include "framework/win/menus/ShortCuts.h"

PUBLISHED_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
PUBLISHED_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
               poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
PUBLISHED_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
// An MDI form (fsMDIForm) holds its children (fsMDIChild) in its MDI client window.
PUBLISHED_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm)

class TMainMenu;
class TMenuItem;

// The identifier of the first window-list item that the MDI client adds to the window menu.
inline constexpr UINT kFirstMDIChildId = 0xFF00;

class TCustomForm : public TWinControl {
  DECLARE_CLASS(TCustomForm, TWinControl)

 public:
  explicit TCustomForm(TComponent* Owner);
  ~TCustomForm() override;

  static void Publish(TPublisher<TCustomForm>& P);
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  void Loaded() override;
  void SetClientSize(int Width, int Height) override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle V);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons V);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition V) { FPosition = V; }
  // Scroll bars appear when the children reach beyond the client area.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool V);

  void Show();
  // Shows the form with every other window of the thread disabled and returns once ModalResult is
  // set (a button's ModalResult, or mrCancel when the form is closed); the form is hidden again.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Modal() const { return FModal; }
  void Close();
  // Frees the form once the messages already queued for it are handled.
  void Release();
  bool Active() const;

  // The menu bar; the form's window shows it (an MDI child shows none of its own).
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);

  // MDI. The style is fixed once the window exists. An MDI child needs an MDI form with a window
  // (the application's main form, else the first such form on the screen).
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  // The MDI client window of an MDI form (null otherwise).
  HWND ClientHandle() const { return FClientHandle; }
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int Index) const;  // top of the z-order first; null outside
  TCustomForm* ActiveMDIChild() const;
  // The item whose sub-menu lists the MDI children.
  TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* Value);
  void Cascade();
  void Tile();
  void ArrangeIcons();
  void Next();
  void Previous();

  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The control that has (or, while the form is inactive, gets back) the focus; null for the form.
  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* Value);
  // Moves the focus to the next (previous) control in tab order, as Tab (Shift+Tab) does.
  void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);
  // Runs the click of the enabled item with that shortcut in the form's menu (an MDI child's also in
  // its MDI form's); true when there was one.
  virtual bool IsShortCut(TShortCut Key);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  // OnClose may change Action (caHide by default, caNone keeps the form open).
  TEvent<void(TObject* Sender, TCloseAction& Action)> OnClose;

  // Runs OnCreate once the form is complete (after its description was read).
  void DoCreate();
  // Reads the description stored in the executable as an RCDATA resource named after the form's class
  // (upper case, e.g. "TFORM1"); false when there is no such resource.
  bool ReadDescriptionResource(HINSTANCE Instance = nullptr);

  // The designer's resolution and text height; kept for descriptions that carry them.
  int PixelsPerInch = 96;
  int TextHeight = 13;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void UpdateVisibility() override;
  void DefaultHandler(TMessage& Message) override;
  void CreateMDIClient();
  void SetMDIMenus();
  TCustomForm* FindMDIParent() const;
  void PlaceOnScreen();
  void UpdateScrollRange();
  void ScrollBy(int Bar, int Code);
  // Tab, arrows, Enter and Escape that the focused control did not want.
  bool DialogKey(WPARAM Key);
  // Whether Control is still one of this form's controls (ActiveControl may have gone).
  bool Contains(const TWinControl* Control) const;

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  bool FAutoScroll = false;
  bool FPlaced = false;
  bool FClicking = false;
  POINT FScrollPos{0, 0};
  // Client size asked for while loading: applied in Loaded, once the border style is known.
  int FLoadClientWidth = -1;
  int FLoadClientHeight = -1;
  // Client size set before the window exists: made exact once it does.
  int FWantClientWidth = -1;
  int FWantClientHeight = -1;
  TMainMenu* FMenu = nullptr;
  TMenuItem* FWindowMenu = nullptr;
  TFormStyle FFormStyle = fsNormal;
  HWND FClientHandle = nullptr;
  TWinControl* FActiveControl = nullptr;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
};

// A form class of an application: its constructor reads the description resource named after the
// class when there is one, then runs OnCreate.
class TForm : public TCustomForm {
  DECLARE_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* Owner) : TCustomForm(Owner) {}
};

// Creates a form of class T and reads its description resource; OnCreate runs after reading.
//   Application->CreateForm(Form1);  or  auto* f = CreateFormFromResource<TForm1>(owner);
template <class T>
T* CreateFormFromResource(TComponent* Owner) {
  auto* Form = new T(Owner);
  try {
    Form->ReadDescriptionResource();
    Form->DoCreate();
  } catch (...) {
    delete Form;
    throw;
  }
  return Form;
}

// The parent form of a control (null when it is on none).
TCustomForm* GetParentForm(TControl* Control);
