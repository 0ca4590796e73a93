#include "skin/menus/RuzIzivPopMenu.h"

#include "framework/win/controls/ExceptionReport.h"
#include "skin/data/SkinData.h"
#include "skin/menus/MenuMessageText.h"

TRuzIzivPopMenu::TRuzIzivPopMenu() : FBackground(std::make_unique<TBitmap>()) {}

TRuzIzivPopMenu::~TRuzIzivPopMenu() {
  // The window must never keep a procedure that leads to a freed object.
  UnSubClass();
}

void TRuzIzivPopMenu::Publish(TPublisher<TRuzIzivPopMenu>& P) {
  P.Obj("Background", [](TRuzIzivPopMenu& Self) { return Self.FBackground.get(); });
}

void TRuzIzivPopMenu::InitSkin(HWND Wnd, TSkinData* SkinData, HMENU Menu) {
  if (Subclassed() || !IsWindow(Wnd)) return;
  FHandle = Wnd;
  FSkinData = SkinData;
  FMenu = Menu;
  FObjectInstance = &MenuWndProc;
  SetPropW(FHandle, kPopMenuProp, static_cast<HANDLE>(static_cast<TObject*>(this)));
  FOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(FHandle, GWLP_WNDPROC));
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
  FMarked = false;
}

void TRuzIzivPopMenu::UnSubClass() {
  if (!Subclassed()) return;
  if (IsWindow(FHandle)) {
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
    RemovePropW(FHandle, kPopMenuProp);
  }
  FObjectInstance = nullptr;
  FBackground->SetSize(0, 0);
}

LRESULT CALLBACK TRuzIzivPopMenu::MenuWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Self = static_cast<TRuzIzivPopMenu*>(static_cast<TObject*>(GetPropW(Wnd, kPopMenuProp)));
  if (!Self) {
    // Reached after unsubclassing through someone who kept this procedure: the class's own serves.
    auto ClassProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(Wnd, GCLP_WNDPROC));
    return ClassProc ? CallWindowProcW(ClassProc, Wnd, Msg, WParam, LParam)
                     : DefWindowProcW(Wnd, Msg, WParam, LParam);
  }
  TMessage Message{Msg, WParam, LParam, 0};
  const WNDPROC Old = Self->FOldWndProc;
  try {
    Self->WinWndProc(Message);
    return Message.Result;
  } catch (...) {
    // Reported; the menu window carries on with its own procedure.
    ReportException(Self);
  }
  return Old ? CallWindowProcW(Old, Wnd, Msg, WParam, LParam) : DefWindowProcW(Wnd, Msg, WParam, LParam);
}

void TRuzIzivPopMenu::Default(TMessage& Message) {
  Message.Result = FOldWndProc
                       ? CallWindowProcW(FOldWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam)
                       : DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TRuzIzivPopMenu::WinWndProc(TMessage& Message) {
  if (Message.Msg == kMenuSkinQuery) {
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_DESTROY) {
    // Whatever the manager's state, a dying window gets its own procedure back.
    UnSubClass();
    Default(Message);
    return;
  }
  if (!SkinManager || !SkinManager->FEnabled) {
    Default(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      // The 9x family (top bit of the version set) never erases a skinned menu.
      if ((GetVersion() & 0x80000000u) == 0)
        WMERASEBKGND(Message);
      else
        Message.Result = 0;
      break;
    case WM_NCPAINT:
      NcPaint(Message);
      break;
    case WM_PRINT:
      WMPrint(Message);
      break;
    default:
      Default(Message);
  }
}

void TRuzIzivPopMenu::AddLog(const TMessage& Message) {
  if (!FSkinData) return;
  const String Text = MenuMessageText(Message.Msg, Message.WParam, Message.LParam);
  if (Text.empty()) return;
  char Line[160];
  std::snprintf(Line, sizeof Line, "Menu hook:%4llx %s",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(FHandle)), Text.c_str());
  FSkinData->DoDebug(Line);
}
