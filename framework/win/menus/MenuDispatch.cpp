#include <map>

#include "framework/win/app/Screen.h"
#include "framework/win/menus/MenuRegistry.h"
#include "framework/win/menus/Menus.h"

namespace {

// Never destroyed: menu items freed by static destructors (the forms of the application object)
// still give their identifiers back.
std::map<UINT, TMenuItem*>& Items() {
  static auto* items = new std::map<UINT, TMenuItem*>;
  return *items;
}

UINT g_nextCommand = 1;

// A DC canvas that lets go of the DC it was lent (the system's own) when it goes.
class TLentCanvas : public TCanvas {
 public:
  explicit TLentCanvas(HDC dc) { SetHandle(dc); }
  ~TLentCanvas() override { SetHandle(nullptr); }
};

void UseMenuFont(TCanvas& canvas) {
  if (Screen) canvas.SetFont(Screen->MenuFont());
}

LRESULT CALLBACK PopupListProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  if (DispatchMenuMessage(message)) return message.Result;
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

}  // namespace

namespace menus_detail {

UINT AllocCommand(TMenuItem* Item) {
  auto& items = Items();
  if (items.size() >= kMenuCommandLimit - 1) throw std::runtime_error("Out of menu command identifiers");
  // Identifiers are handed out in turn and reused only after wrapping, so a late WM_COMMAND of a
  // freed item does not reach its successor at once.
  while (items.count(g_nextCommand))
    g_nextCommand = g_nextCommand + 1 < kMenuCommandLimit ? g_nextCommand + 1 : 1;
  const UINT command = g_nextCommand;
  g_nextCommand = command + 1 < kMenuCommandLimit ? command + 1 : 1;
  items[command] = Item;
  return command;
}

void ReleaseCommand(UINT Command) {
  Items().erase(Command);
}

}  // namespace menus_detail

TMenuItem* FindMenuItemByCommand(UINT Command) {
  auto& items = Items();
  auto it = items.find(Command);
  return it == items.end() ? nullptr : it->second;
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
        if (TMenuItem* item = FindMenuItemByCommand(LOWORD(Message.WParam))) {
          item->Click();
          Message.Result = 0;
          return true;
        }
      }
      return false;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (!measure || measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = FindMenuItemByCommand(measure->itemID);
      if (!item) item = FindMenuItemByCommand(static_cast<UINT>(measure->itemData));
      if (!item) return false;
      {
        TScreenDC Screen;
        TLentCanvas canvas(Screen.Get());
        UseMenuFont(canvas);
        int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
        item->MeasureItem(&canvas, width, height);
        measure->itemWidth = static_cast<UINT>(width > 0 ? width : 0);
        measure->itemHeight = static_cast<UINT>(height > 0 ? height : 0);
      }
      Message.Result = 1;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
      if (!draw || draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = FindMenuItemByCommand(draw->itemID);
      if (!item) item = FindMenuItemByCommand(static_cast<UINT>(draw->itemData));
      if (!item) return false;
      const int saved = SaveDC(draw->hDC);
      {
        TLentCanvas canvas(draw->hDC);
        UseMenuFont(canvas);
        item->DrawItem(&canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
      }
      RestoreDC(draw->hDC, saved);
      Message.Result = 1;
      return true;
    }
    case WM_INITMENUPOPUP:
      // The item that opens a sub-menu is "clicked" first, so its handler can update the sub-items.
      if (TMenuItem* item = FindMenuItemByHandle(reinterpret_cast<HMENU>(Message.WParam))) {
        if (item->Parent()) item->Click();
        Message.Result = 0;
        return true;
      }
      return false;
  }
  return false;
}

HWND PopupListWindow() {
  static HWND wnd = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = PopupListProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"TPopupListWindow";
    RegisterClassW(&cls);
    // Hidden and top-level: a popup menu needs an owner that can take the foreground.
    return CreateWindowExW(WS_EX_TOOLWINDOW, cls.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           cls.hInstance, nullptr);
  }();
  return wnd;
}

void RegisterMenuClasses() {
  RegisterComponentClasses<TMenuItem, TMainMenu, TPopupMenu>();
}

namespace {
// Descriptions may name the menu classes in every program that has forms.
const bool g_registered = (RegisterMenuClasses(), true);
}  // namespace
