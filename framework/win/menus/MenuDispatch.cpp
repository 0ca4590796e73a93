#include <map>

#include "framework/win/app/Screen.h"
#include "framework/win/menus/MenuRegistry.h"
#include "framework/win/menus/Menus.h"

namespace {

// Never destroyed: menu items freed by static destructors (the forms of the application object)
// still give their identifiers back.
std::map<UINT, TMenuItem*>& Items() {
  static auto* Table = new std::map<UINT, TMenuItem*>;
  return *Table;
}

UINT g_nextCommand = 1;

// A DC canvas that lets go of the DC it was lent (the system's own) when it goes.
class TLentCanvas : public TCanvas {
 public:
  explicit TLentCanvas(HDC Dc) { SetHandle(Dc); }
  ~TLentCanvas() override { SetHandle(nullptr); }
};

void UseMenuFont(TCanvas& Canvas) {
  if (Screen) Canvas.SetFont(Screen->MenuFont());
}

LRESULT CALLBACK PopupListProc(HWND Wnd, UINT Msg, WPARAM Wparam, LPARAM Lparam) {
  TMessage Message{Msg, Wparam, Lparam, 0};
  if (DispatchMenuMessage(Message)) return Message.Result;
  return DefWindowProcW(Wnd, Msg, Wparam, Lparam);
}

}  // namespace

namespace menus_detail {

UINT AllocCommand(TMenuItem* Item) {
  auto& Table = Items();
  if (Table.size() >= kMenuCommandLimit - 1) throw std::runtime_error("Out of menu command identifiers");
  // Identifiers are handed out in turn and reused only after wrapping, so a late WM_COMMAND of a
  // freed item does not reach its successor at once.
  while (Table.count(g_nextCommand))
    g_nextCommand = g_nextCommand + 1 < kMenuCommandLimit ? g_nextCommand + 1 : 1;
  const UINT Command = g_nextCommand;
  g_nextCommand = Command + 1 < kMenuCommandLimit ? Command + 1 : 1;
  Table[Command] = Item;
  return Command;
}

void ReleaseCommand(UINT Command) {
  Items().erase(Command);
}

}  // namespace menus_detail

TMenuItem* FindMenuItemByCommand(UINT Command) {
  auto& Table = Items();
  auto It = Table.find(Command);
  return It == Table.end() ? nullptr : It->second;
}

TMenuItem* FindMenuItemByHandle(HMENU Menu) {
  if (!Menu) return nullptr;
  for (auto& [command, item] : Items())
    if (item->HandleAllocated() && item->Handle() == Menu) return item;
  return nullptr;
}

bool DispatchMenuMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
      // Menus and accelerators send no control window.
      if (Message.LParam == 0 && HIWORD(Message.WParam) <= 1) {
        if (TMenuItem* Item = FindMenuItemByCommand(LOWORD(Message.WParam))) {
          Item->Click();
          Message.Result = 0;
          return true;
        }
      }
      return false;
    case WM_MEASUREITEM: {
      auto* Measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (!Measure || Measure->CtlType != ODT_MENU) return false;
      TMenuItem* Item = FindMenuItemByCommand(Measure->itemID);
      if (!Item) Item = FindMenuItemByCommand(static_cast<UINT>(Measure->itemData));
      if (!Item) return false;
      {
        TScreenDC Screen;
        TLentCanvas Canvas(Screen.Get());
        UseMenuFont(Canvas);
        int Width = static_cast<int>(Measure->itemWidth), Height = static_cast<int>(Measure->itemHeight);
        Item->MeasureItem(&Canvas, Width, Height);
        Measure->itemWidth = static_cast<UINT>(Width > 0 ? Width : 0);
        Measure->itemHeight = static_cast<UINT>(Height > 0 ? Height : 0);
      }
      Message.Result = 1;
      return true;
    }
    case WM_DRAWITEM: {
      auto* Draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
      if (!Draw || Draw->CtlType != ODT_MENU) return false;
      TMenuItem* Item = FindMenuItemByCommand(Draw->itemID);
      if (!Item) Item = FindMenuItemByCommand(static_cast<UINT>(Draw->itemData));
      if (!Item) return false;
      const int Saved = SaveDC(Draw->hDC);
      {
        TLentCanvas Canvas(Draw->hDC);
        UseMenuFont(Canvas);
        Item->DrawItem(&Canvas, Draw->rcItem, (Draw->itemState & ODS_SELECTED) != 0);
      }
      RestoreDC(Draw->hDC, Saved);
      Message.Result = 1;
      return true;
    }
    case WM_INITMENUPOPUP:
      // The item that opens a sub-menu is "clicked" first, so its handler can update the sub-items.
      if (TMenuItem* Item = FindMenuItemByHandle(reinterpret_cast<HMENU>(Message.WParam))) {
        if (Item->Parent()) Item->Click();
        Message.Result = 0;
        return true;
      }
      return false;
  }
  return false;
}

HWND PopupListWindow() {
  static HWND Wnd = [] {
    WNDCLASSW Cls{};
    Cls.lpfnWndProc = PopupListProc;
    Cls.hInstance = GetModuleHandleW(nullptr);
    Cls.lpszClassName = L"TPopupListWindow";
    RegisterClassW(&Cls);
    // Hidden and top-level: a popup menu needs an owner that can take the foreground.
    return CreateWindowExW(WS_EX_TOOLWINDOW, Cls.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           Cls.hInstance, nullptr);
  }();
  return Wnd;
}

void RegisterMenuClasses() {
  RegisterComponentClasses<TMenuItem, TMainMenu, TPopupMenu>();
}

namespace {
// Descriptions may name the menu classes in every program that has forms.
const bool g_registered = (RegisterMenuClasses(), true);
}  // namespace
