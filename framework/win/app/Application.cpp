#include "framework/win/app/Application.h"

#include "framework/win/app/Screen.h"
#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/ComCtrls.h"
#include "framework/win/controls/ControlAtom.h"
#include "framework/win/controls/Dialogs.h"
#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/controls/ExtCtrls.h"
#include "framework/win/controls/StdRegistration.h"
#include "framework/win/controls/WideText.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/Menus.h"

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kAppClass[] = L"TApplication";

void ReportToApplication(TObject* Sender, std::exception_ptr Error) {
  if (Application) {
    try {
      std::rethrow_exception(Error);
    } catch (...) {
      Application->HandleException(Sender);
    }
  } else {
    ShowExceptionBox(nullptr, L"Error", ExceptionText(Error));
  }
}

// The framework's globals live from static initialisation to process exit. The control atom is
// fetched first so that it outlives every window that still carries it.
struct Globals {
  Globals() {
    ControlAtom();
    // The classes that descriptions may name.
    RegisterComponentClasses<TForm, TButton, TBitBtn, TEdit, TColorDialog, TOpenDialog, TTimer, TImageList>();
    RegisterStdControls();
    RegisterCommonControlClasses();
    Screen = new TScreen(nullptr);
    Application = new TApplication(nullptr);
    SetExceptionHandler(&ReportToApplication);
  }
  ~Globals() {
    SetExceptionHandler(nullptr);
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
  }
} g_globals;

String ModuleBaseName() {
  wchar_t Path[MAX_PATH] = {};
  const DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Name(Path, Length);
  const size_t Slash = Name.find_last_of(L"\\/");
  if (Slash != std::wstring::npos) Name.erase(0, Slash + 1);
  const size_t Dot = Name.rfind(L'.');
  if (Dot != std::wstring::npos) Name.erase(Dot);
  return WideToUtf8(Name);
}

}  // namespace

TApplication::TApplication(TComponent* Owner) : TComponent(Owner), FTitle(ModuleBaseName()) {
  LoadIcons();
}

TApplication::~TApplication() {
  // Forms first: they are owned by the application window.
  DestroyComponents();
  FMainForm = nullptr;
  if (FHandle) {
    DestroyWindow(FHandle);
    FHandle = nullptr;
  }
  if (FSmallIcon) DestroyIcon(FSmallIcon);
  if (FBigIcon) DestroyIcon(FBigIcon);
}

void TApplication::LoadIcons() {
  HINSTANCE Instance = GetModuleHandleW(nullptr);
  auto Load = [&](int Size) -> HICON {
    if (HANDLE Own = LoadImageW(Instance, L"MAINICON", IMAGE_ICON, Size, Size, 0))
      return static_cast<HICON>(Own);
    // The shared system icon must not be destroyed: copy it, so that both icons are ours to free.
    HANDLE Shared = LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, Size, Size, LR_SHARED);
    return Shared ? CopyIcon(static_cast<HICON>(Shared)) : nullptr;
  };
  FSmallIcon = Load(GetSystemMetrics(SM_CXSMICON));
  FBigIcon = Load(GetSystemMetrics(SM_CXICON));
}

HWND TApplication::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TApplication::CreateHandle() {
  HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSW Wc{};
  if (!GetClassInfoW(Instance, kAppClass, &Wc)) {
    Wc.lpfnWndProc = &TApplication::WndProc;
    Wc.hInstance = Instance;
    Wc.lpszClassName = kAppClass;
    Wc.hIcon = FBigIcon;
    Wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    if (!RegisterClassW(&Wc)) throw EOutOfResources("Application window class could not be registered");
  }
  // Zero size in the middle of the screen: invisible itself, yet the owner of all forms and, once
  // shown, the task bar button that carries the title.
  const int X = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int Y = GetSystemMetrics(SM_CYSCREEN) / 2;
  FHandle = CreateWindowExW(0, kAppClass, Utf8ToWide(FTitle).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, X, Y, 0, 0,
                            nullptr, nullptr, Instance, nullptr);
  if (!FHandle) throw EOutOfResources("Application window could not be created");
  SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FSmallIcon));
  SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FBigIcon));
}

LRESULT CALLBACK TApplication::WndProc(HWND Wnd, UINT Msg, WPARAM Wparam, LPARAM Lparam) {
  switch (Msg) {
    case WM_CLOSE:
      // Closing the task bar button closes the main form.
      if (Application && Application->FMainForm) {
        try {
          Application->FMainForm->Close();
        } catch (...) {
          ReportException(Application);
        }
      }
      return 0;
    case WM_ACTIVATEAPP:
      break;
  }
  return DefWindowProcW(Wnd, Msg, Wparam, Lparam);
}

void TApplication::SetTitle(const String& Title) {
  FTitle = Title;
  if (FHandle) SetWindowTextW(FHandle, Utf8ToWide(Title).c_str());
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

bool TApplication::IsDialogChar(const MSG& Msg) {
  if (Msg.message != WM_SYSCHAR && Msg.message != WM_CHAR) return false;
  TCustomForm* Form = GetParentForm(FindControlx(Msg.hwnd));
  if (!Form) return false;
  // WM_CHAR only reaches a form's buttons when the focused control does not want characters.
  if (Msg.message == WM_CHAR && (SendMessageW(Msg.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS)) return false;
  return Form->Perform(CM_DIALOGCHAR, Msg.wParam, Msg.lParam) != 0;
}

namespace {

// The shortcut that a key-down message makes with the modifier keys held now.
TShortCut KeyToShortCut(const MSG& Msg) {
  const WORD Key = static_cast<WORD>(Msg.wParam & 0xFF);
  if (Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU) return scNone;
  TShortCut Modifiers = scNone;
  if (GetKeyState(VK_SHIFT) < 0) Modifiers |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) Modifiers |= scCtrl;
  if (GetKeyState(VK_MENU) < 0 || (Msg.lParam & (1 << 29))) Modifiers |= scAlt;
  return ShortCut(Key, Modifiers);
}

// The MDI client window that holds Wnd, if any.
HWND MDIClientOf(HWND Wnd) {
  for (; Wnd; Wnd = GetParent(Wnd)) {
    wchar_t Name[16] = {};
    if (GetClassNameW(Wnd, Name, 16) && lstrcmpiW(Name, L"MDIClient") == 0) return Wnd;
    if (!(GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

// A combo box (or its edit) whose list is open keeps Enter and Escape to close it.
bool IsDroppedCombo(HWND Wnd) {
  for (int Level = 0; Wnd && Level < 2; ++Level, Wnd = GetParent(Wnd)) {
    wchar_t Name[16] = {};
    if (GetClassNameW(Wnd, Name, 16) && lstrcmpiW(Name, L"ComboBox") == 0)
      return SendMessageW(Wnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

}  // namespace

bool TApplication::IsDialogKey(const MSG& Msg, TWinControl* Control, TCustomForm* Form) {
  const WPARAM Key = Msg.wParam;
  const bool Arrow = Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN;
  if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && !Arrow) return false;
  // Ctrl+Tab and Ctrl+arrows belong to the control (a page control changes pages with them).
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  const LRESULT Code = SendMessageW(Msg.hwnd, WM_GETDLGCODE, Key, 0);
  if (Code & DLGC_WANTALLKEYS) return false;
  if (Key == VK_TAB && (Code & DLGC_WANTTAB)) return false;
  if (Arrow && (Code & DLGC_WANTARROWS)) return false;
  if ((Key == VK_RETURN || Key == VK_ESCAPE) && IsDroppedCombo(Msg.hwnd)) return false;
  if (Control->Perform(CM_WANTSPECIALKEY, Key, Msg.lParam) != 0) return false;
  return Form->Perform(CM_DIALOGKEY, Key, Msg.lParam) != 0;
}

bool TApplication::IsKeyMsg(const MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  // The framework control that holds the focus window (a combo box holds its edit).
  TWinControl* Control = nullptr;
  for (HWND Wnd = Msg.hwnd; Wnd && !Control; Wnd = GetParent(Wnd))
    Control = dynamic_cast<TWinControl*>(FindControlx(Wnd));
  if (HWND Client = MDIClientOf(Msg.hwnd); Client && TranslateMDISysAccel(Client, const_cast<MSG*>(&Msg)))
    return true;
  if (!Control) return false;
  TCustomForm* Form = GetParentForm(Control);
  if (const TShortCut Key = KeyToShortCut(Msg); Key != scNone) {
    for (TControl* Up = Control; Up; Up = Up->Parent())
      if (TPopupMenu* Menu = Up->PopupMenu(); Menu && Menu->IsShortCut(Key)) return true;
    if (Form && Form->IsShortCut(Key)) return true;
  }
  return Form && Msg.message == WM_KEYDOWN && IsDialogKey(Msg, Control, Form);
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    FQuitSeen = true;
    return true;
  }
  if (IsKeyMsg(Msg) || IsDialogChar(Msg)) return true;
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG Msg;
  try {
    while (ProcessMessage(Msg)) {
    }
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::HandleMessage() {
  MSG Msg;
  try {
    if (!ProcessMessage(Msg)) WaitMessage();
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::Run() {
  if (FMainForm) {
    FMainForm->Show();
    if (FHandle) ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  }
  // Until the quit message itself has come: left in the queue it would end the next modal loop
  // (a message box at shut-down) at once.
  FQuitSeen = false;
  while (!FQuitSeen) HandleMessage();
}

int TApplication::Execute(const std::function<void()>& Startup) {
  try {
    if (Startup) Startup();
    Run();
    return 0;
  } catch (...) {
    ShowException(std::current_exception());
    return 1;
  }
}

void TApplication::HandleException(TObject* Sender) {
  std::exception_ptr Error = std::current_exception();
  if (OnException)
    OnException(Sender, Error);
  else
    ShowException(Error);
}

void TApplication::ShowException(std::exception_ptr Error) {
  HWND Owner = nullptr;
  if (FMainForm && FMainForm->HandleAllocated()) Owner = FMainForm->WindowHandle();
  ShowExceptionBox(Owner, Utf8ToWide(FTitle), ExceptionText(Error));
}

void TApplication::FormDestroyed(TCustomForm* Form) {
  if (Form == FMainForm) FMainForm = nullptr;
}
