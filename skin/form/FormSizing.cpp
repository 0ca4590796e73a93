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
  const auto& Move = *reinterpret_cast<const TMoveChildren*>(Param);
  // Only the direct children: their own children move with them.
  if (GetParent(Child) != Move.Parent) return TRUE;
  RECT R;
  if (!GetWindowRect(Child, &R)) return TRUE;
  POINT P{R.left, R.top};
  ScreenToClient(Move.Parent, &P);
  SetWindowPos(Child, nullptr, P.x + Move.Dx, P.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  RECT Window{0, 0, 0, 0};
  GetClientRect(FHandle, &FClientRect);
  GetWindowRect(FHandle, &Window);
  FNativeFrame = RECT{0, 0, Width(Window) - Width(FClientRect), Height(Window) - Height(FClientRect)};
}

void TRuzIzivForm::ResizeForm(int Reskin) {
  if (!FHandle) return;
  const TOwnSizing Own(FOwnSizing);
  if (FWindowState == swsMax) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kKeepPlace | SWP_NOSIZE);
    return;
  }
  if (FIsDialog || FSkinState == kSkinChanging || Reskin != 0) GetClientRect(FHandle, &FClientRect);

  // On first skinning a framework form says itself how large its client area is meant to be.
  const bool FirstForm = FForm && FSkinState == kSkinResizing;
  const int ClientW = FirstForm ? FForm->ClientWidth() : Width(FClientRect);
  int ClientH = Height(FClientRect);
  if (FirstForm) ClientH = FForm->ClientHeight() - (FFormStyle == sfsMDIChild ? 0 : FMenuHeight);
  int OuterW = ClientW + FLeftWidth + FRightWidth;
  const int OuterH = ClientH + FTitleHeight + FBottomHeight + FMenuHeight;

  // A dialog at least as wide as its caption text needs; its controls stay centred.
  if (FIsDialog && FSkinState == kSkinResizing && FSkinData && FSkinData->Title && FCaptionFont) {
    SIZE Extent{0, 0};
    bool Measured = false;
    {  // the DC goes back before the children move
      TClientDC Client(FHandle);
      if (Client) {
        TSelectObject Font(Client.Get(), FCaptionFont->Handle());
        const WideString Caption = GetFormCaption(FHandle);
        GetTextExtentPoint32W(Client.Get(), reinterpret_cast<const wchar_t*>(Caption.c_str()),
                              static_cast<int>(Caption.size()), &Extent);
        Measured = true;
      }
    }
    if (Measured) {
      const RECT& M = FSkinData->Title->Margins;
      const int Needed = M.left + Extent.cx + M.right;
      if (OuterW < Needed) {
        TMoveChildren Move{FHandle, (Needed - OuterW) / 2};
        EnumChildWindows(FHandle, MoveChildRight, reinterpret_cast<LPARAM>(&Move));
        OuterW = Needed;
      }
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, OuterW, OuterH, kKeepPlace);
}

void TRuzIzivForm::KeepClient() {
  const TOwnSizing Own(FOwnSizing);
  const int OuterW = Width(FClientRect) + FLeftWidth + FRightWidth;
  const int OuterH = Height(FClientRect) + FTitleHeight + FBottomHeight + FMenuHeight;
  if (FForm) {
    FForm->SetHeight(OuterH);
    FForm->SetWidth(OuterW);
  } else if (FHandle) {
    SetWindowPos(FHandle, nullptr, 0, 0, OuterW, OuterH, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  RECT Window{0, 0, 0, 0};
  if (!GetWindowRect(FHandle, &Window)) return;
  if (Pos.cx == Width(Window) && Pos.cy == Height(Window)) return;
  Pos.cx += FLeftWidth + FRightWidth - Width(FNativeFrame);
  Pos.cy += FTitleHeight + FBottomHeight + FMenuHeight - Height(FNativeFrame);
}

void TRuzIzivForm::UpdateStyle(bool Hide) {
  if (!FHandle || FBorderIcons.Contains(sbicaption)) return;
  const LONG_PTR Current =
      FUnicode ? GetWindowLongPtrW(FHandle, GWL_STYLE) : GetWindowLongPtrA(FHandle, GWL_STYLE);
  LONG_PTR Style = Current;
  if (Hide)
    Style &= ~static_cast<LONG_PTR>(WS_SYSMENU);
  else if (FBorderIcons.Contains(sbisystem))
    Style |= WS_SYSMENU;
  FStyle = static_cast<DWORD>(Style);
  // Writing an unchanged style would still send the style-change messages on every paint.
  if (Style == Current) return;
  if (FUnicode)
    SetWindowLongPtrW(FHandle, GWL_STYLE, Style);
  else
    SetWindowLongPtrA(FHandle, GWL_STYLE, Style);
}
