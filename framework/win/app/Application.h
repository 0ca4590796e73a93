// The application object: its hidden window (owner of every top-level form, carrier of the title and
// icons on the task bar), the main form, the message loop and the reporting of exceptions.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

#include "framework/core/Classes.h"
#include "framework/win/forms/Forms.h"

class TApplication : public TComponent {
  DECLARE_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* Owner);
  ~TApplication() override;

  // The hidden application window, created on first use.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  String Title() const { return FTitle; }
  void SetTitle(const String& Title);

  // Small (16x16) and big (32x32) icon: the executable's "MAINICON" or the system's application icon.
  HICON SmallIcon() const { return FSmallIcon; }
  HICON BigIcon() const { return FBigIcon; }

  TCustomForm* MainForm() const { return FMainForm; }
  // Creates a form owned by the application from its description resource; the first one becomes
  // the main form.
  template <class T>
  void CreateForm(T*& Reference) {
    T* NewForm = new T(this);
    Reference = NewForm;  // reachable from its own OnCreate, as the form's global
    if (!FMainForm) FMainForm = NewForm;
    try {
      NewForm->ReadDescriptionResource();
      NewForm->DoCreate();
    } catch (...) {
      Reference = nullptr;
      delete NewForm;  // takes itself out of MainForm
      throw;
    }
  }

  // Start-up and loop in one: an exception escaping start-up or the loop is shown, and the
  // application ends with exit code 1; otherwise the loop runs until the main form closes.
  int Execute(const std::function<void()>& Startup);
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  void ProcessMessages();
  void HandleMessage();

  // Reports the exception being handled: OnException when set, else the standard exception box.
  void HandleException(TObject* Sender);
  void ShowException(std::exception_ptr Error);
  std::function<void(TObject* Sender, std::exception_ptr Error)> OnException;

  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  bool ShowHint = true;

  // Forms call these as they come and go.
  void FormDestroyed(TCustomForm* Form);

 private:
  bool ProcessMessage(MSG& Msg);
  bool IsDialogChar(const MSG& Msg);
  // A key down that the loop handles itself: the MDI system keys of a child, a menu shortcut of the
  // focused control's popup menus or of its form, a dialog key the focused control does not want.
  bool IsKeyMsg(const MSG& Msg);
  bool IsDialogKey(const MSG& Msg, TWinControl* Control, TCustomForm* Form);
  void CreateHandle();
  void LoadIcons();
  static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM Wparam, LPARAM Lparam);

  HWND FHandle = nullptr;
  String FTitle;
  HICON FSmallIcon = nullptr;
  HICON FBigIcon = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FQuitSeen = false;
};

extern TApplication* Application;
