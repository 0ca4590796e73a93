// Forms: top-level framework windows, owned by the application's hidden window, optionally read from
// a persisted description stored in the executable.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/controls/Controls.h"

PUBLISHED_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
PUBLISHED_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
PUBLISHED_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
               poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
PUBLISHED_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)

class TCustomForm : public TWinControl {
  DECLARE_CLASS(TCustomForm, TWinControl)

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  static void Publish(TPublisher<TCustomForm>& P);
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;
  void SetClientSize(int width, int height) override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons v);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition v) { FPosition = v; }
  // Scroll bars appear when the children reach beyond the client area.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool v);

  void Show();
  void Close();
  // Frees the form once the messages already queued for it are handled.
  void Release();
  bool Active() const;

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
  bool ReadDescriptionResource(HINSTANCE instance = nullptr);

  // The designer's resolution and text height; kept for descriptions that carry them.
  int PixelsPerInch = 96;
  int TextHeight = 13;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void UpdateVisibility() override;
  void PlaceOnScreen();
  void UpdateScrollRange();
  void ScrollBy(int bar, int code);

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
};

// A form class of an application: its constructor reads the description resource named after the
// class when there is one, then runs OnCreate.
class TForm : public TCustomForm {
  DECLARE_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Creates a form of class T and reads its description resource; OnCreate runs after reading.
//   Application->CreateForm(Form1);  or  auto* f = CreateFormFromResource<TForm1>(owner);
template <class T>
T* CreateFormFromResource(TComponent* owner) {
  auto* form = new T(owner);
  try {
    form->ReadDescriptionResource();
    form->DoCreate();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

// The parent form of a control (null when it is on none).
TCustomForm* GetParentForm(TControl* control);
