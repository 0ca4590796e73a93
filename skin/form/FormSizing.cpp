// Window size and style around the skinned frame: the native frame's size, resizing so that the client
// area stays as it was when the frame thickness changes, and the system-menu style bit that keeps the
// platform from drawing caption buttons of its own.
#include <windows.h>

#include "framework/win/controls/Controls.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

namespace {

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

int Width(const RECT& R) {
  return R.right - R.left;
}
int Height(const RECT& R) {
  return R.bottom - R.top;
}

struct TMoveChildren {
  HWND Parent;
  int Dx;
};

BOOL CALLBACK MoveChildRight(HWND Child, LPARAM Param) {
  const auto& move = *reinterpret_cast<const TMoveChildren*>(Param);
  // Only the direct children: their own children move with them.
  if (GetParent(Child) != move.Parent) return TRUE;
  RECT r;
  if (!GetWindowRect(Child, &r)) return TRUE;
  POINT p{r.left, r.top};
  ScreenToClient(move.Parent, &p);
  SetWindowPos(Child, nullptr, p.x + move.Dx, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

// Counts one sizing by this object for the time it runs.
class TOwnSizing {
 public:
  explicit TOwnSizing(int& Depth) : FDepth(Depth) { ++FDepth; }
  ~TOwnSizing() { --FDepth; }
  TOwnSizing(const TOwnSizing&) = delete;
  TOwnSizing& operator=(const TOwnSizing&) = delete;

 private:
  int& FDepth;
};

}  // namespace

void TRuzIzivForm::GetBorderSize() {
  if (!FHandle) return;
  RECT window{0, 0, 0, 0};
  GetClientRect(FHandle, &FClientRect);
  GetWindowRect(FHandle, &window);
  FNativeFrame = RECT{0, 0, Width(window) - Width(FClientRect), Height(window) - Height(FClientRect)};
}

void TRuzIzivForm::ResizeForm(int Reskin) {
  if (!FHandle) return;
  const TOwnSizing own(FOwnSizing);
  if (FWindowState == swsMax) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kKeepPlace | SWP_NOSIZE);
    return;
  }
  if (FIsDialog || FSkinState == kSkinChanging || Reskin != 0) GetClientRect(FHandle, &FClientRect);

  // On first skinning a framework form says itself how large its client area is meant to be.
  const bool firstForm = FForm && FSkinState == kSkinResizing;
  const int clientWidth = firstForm ? FForm->ClientWidth() : Width(FClientRect);
  int clientHeight = Height(FClientRect);
  if (firstForm) clientHeight = FForm->ClientHeight() - (FFormStyle == sfsMDIChild ? 0 : FMenuHeight);
  int width = clientWidth + FLeftWidth + FRightWidth;
  const int height = clientHeight + FTitleHeight + FBottomHeight + FMenuHeight;

  // A dialog at least as wide as its caption text needs; its controls stay centred.
  if (FIsDialog && FSkinState == kSkinResizing && FSkinData && FSkinData->Title && FCaptionFont) {
    SIZE extent{0, 0};
    bool measured = false;
    {  // the DC goes back before the children move
      TClientDC Client(FHandle);
      if (Client) {
        TSelectObject Font(Client.Get(), FCaptionFont->Handle());
        const WideString caption = GetFormCaption(FHandle);
        GetTextExtentPoint32W(Client.Get(), reinterpret_cast<const wchar_t*>(caption.c_str()),
                              static_cast<int>(caption.size()), &extent);
        measured = true;
      }
    }
    if (measured) {
      const RECT& m = FSkinData->Title->Margins;
      const int needed = m.left + extent.cx + m.right;
      if (width < needed) {
        TMoveChildren move{FHandle, (needed - width) / 2};
        EnumChildWindows(FHandle, MoveChildRight, reinterpret_cast<LPARAM>(&move));
        width = needed;
      }
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, width, height, kKeepPlace);
}

void TRuzIzivForm::KeepClient() {
  const TOwnSizing own(FOwnSizing);
  const int width = Width(FClientRect) + FLeftWidth + FRightWidth;
  const int height = Height(FClientRect) + FTitleHeight + FBottomHeight + FMenuHeight;
  if (FForm) {
    FForm->SetHeight(height);
    FForm->SetWidth(width);
  } else if (FHandle) {
    SetWindowPos(FHandle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The window sizes itself (the colour dialog widening for its custom colours) with an outer size worked
// out from the native frame measured before it was skinned: the difference between the skinned and the
// native frame goes on top, so the client area is the one it asked for. The user's own sizing (frame,
// system menu), system commands (maximise, restore), this object's sizing, and a move that keeps the
// present size stay as they are. A framework form measures its frame from the window itself.
void TRuzIzivForm::KeepAskedClient(WINDOWPOS& Pos) {
  if ((Pos.flags & SWP_NOSIZE) || FForm || FInSizeMove || FSysCommandDepth > 0 || FOwnSizing > 0) return;
  if (!FActivated || FSkinState != kSkinActive || FBorderStyle == sbsNone || FFormStyle == sfsMDIChild)
    return;
  if (FWindowState != swsNormal || IsZoomed(FHandle) || IsIconic(FHandle)) return;
  RECT window{0, 0, 0, 0};
  if (!GetWindowRect(FHandle, &window)) return;
  if (Pos.cx == Width(window) && Pos.cy == Height(window)) return;
  Pos.cx += FLeftWidth + FRightWidth - Width(FNativeFrame);
  Pos.cy += FTitleHeight + FBottomHeight + FMenuHeight - Height(FNativeFrame);
}

void TRuzIzivForm::UpdateStyle(bool Hide) {
  if (!FHandle || FBorderIcons.Contains(sbicaption)) return;
  const LONG_PTR current =
      FUnicode ? GetWindowLongPtrW(FHandle, GWL_STYLE) : GetWindowLongPtrA(FHandle, GWL_STYLE);
  LONG_PTR style = current;
  if (Hide)
    style &= ~static_cast<LONG_PTR>(WS_SYSMENU);
  else if (FBorderIcons.Contains(sbisystem))
    style |= WS_SYSMENU;
  FStyle = static_cast<DWORD>(style);
  // Writing an unchanged style would still send the style-change messages on every paint.
  if (style == current) return;
  if (FUnicode)
    SetWindowLongPtrW(FHandle, GWL_STYLE, style);
  else
    SetWindowLongPtrA(FHandle, GWL_STYLE, style);
}
