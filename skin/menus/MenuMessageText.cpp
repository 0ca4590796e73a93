#include "skin/menus/MenuMessageText.h"

#include <cstdio>

namespace {

const char* MessageName(UINT Msg) {
  switch (Msg) {
    case WM_CREATE:
      return "WM_CREATE";
    case WM_DESTROY:
      return "WM_DESTROY";
    case WM_SHOWWINDOW:
      return "WM_SHOWWINDOW";
    case WM_WINDOWPOSCHANGING:
      return "WM_WINDOWPOSCHANGING";
    case WM_WINDOWPOSCHANGED:
      return "WM_WINDOWPOSCHANGED";
    case WM_PAINT:
      return "WM_PAINT";
    case WM_ERASEBKGND:
      return "WM_ERASEBKGND";
    case WM_NCCREATE:
      return "WM_NCCREATE";
    case WM_NCDESTROY:
      return "WM_NCDESTROY";
    case WM_NCCALCSIZE:
      return "WM_NCCALCSIZE";
    case WM_NCPAINT:
      return "WM_NCPAINT";
    case WM_PRINT:
      return "WM_PRINT";
    case WM_PRINTCLIENT:
      return "WM_PRINTCLIENT";
    case WM_TIMER:
      return "WM_TIMER";
    case WM_MOUSEMOVE:
      return "WM_MOUSEMOVE";
    case WM_KEYDOWN:
      return "WM_KEYDOWN";
    default:
      return nullptr;
  }
}

}  // namespace

String MenuMessageText(UINT Msg, WPARAM WParam, LPARAM LParam) {
  char Text[96];
  if (const char* Name = MessageName(Msg))
    std::snprintf(Text, sizeof Text, "%s wParam=%llx lParam=%llx", Name,
                  static_cast<unsigned long long>(WParam), static_cast<unsigned long long>(LParam));
  else
    std::snprintf(Text, sizeof Text, "msg 0x%04x wParam=%llx lParam=%llx", Msg,
                  static_cast<unsigned long long>(WParam), static_cast<unsigned long long>(LParam));
  return Text;
}
