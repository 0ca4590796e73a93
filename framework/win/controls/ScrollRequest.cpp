#include "framework/win/controls/ScrollRequest.h"

#include <algorithm>

std::optional<int> ScrollRequestPosition(const SCROLLINFO& Info, int Code) {
  constexpr int kLine = 8;
  const int Page = static_cast<int>(Info.nPage);
  int Pos = Info.nPos;
  switch (Code) {
    case SB_LINEUP:
      Pos -= kLine;
      break;
    case SB_LINEDOWN:
      Pos += kLine;
      break;
    case SB_PAGEUP:
      Pos -= Page;
      break;
    case SB_PAGEDOWN:
      Pos += Page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      Pos = Info.nTrackPos;
      break;
    case SB_TOP:
      Pos = Info.nMin;
      break;
    case SB_BOTTOM:
      Pos = Info.nMax;
      break;
    default:
      return std::nullopt;
  }
  const int Limit = std::max(Info.nMin, Info.nMax - std::max(Page - 1, 0));
  return std::clamp(Pos, Info.nMin, Limit);
}

std::optional<int> ScrollRequestPosition(HWND Wnd, int Bar, int Code) {
  SCROLLINFO Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = SIF_ALL;
  if (!GetScrollInfo(Wnd, Bar, &Info)) return std::nullopt;
  return ScrollRequestPosition(Info, Code);
}
