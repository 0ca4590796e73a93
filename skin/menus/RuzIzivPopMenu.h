// TRuzIzivPopMenu: the skin object of one system popup menu window ("#32768"). It subclasses the
// window and paints its 3-pixel frame and background from the skin's MenuBackground element; the
// items are owner-drawn by the owning form's skin object, which takes their backgrounds from
// FBackground (through the skin manager's GetMenuBg). Without a loaded skin or a menu background
// the window keeps its native look, but stays subclassed.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/core/Classes.h"
#include "framework/win/controls/Messages.h"
#include "framework/win/graphics/Bitmap.h"

class TSkinData;

// The engine's query whether a window is already skinned (answered 1).
inline constexpr UINT kMenuSkinQuery = 0x3523;
// The window property under which the object hangs on its menu window.
inline constexpr wchar_t kPopMenuProp[] = L"RuzIzivPopMenu";
// Width of the skinned frame on every side of the menu window.
inline constexpr int kPopMenuBorder = 3;

class TRuzIzivPopMenu : public TObject {
  DECLARE_CLASS(TRuzIzivPopMenu, TObject)

 public:
  TRuzIzivPopMenu();
  // Gives the window its procedure back if that was not done yet.
  ~TRuzIzivPopMenu() override;

  // "Background": the rendered background, for code that finds the object through its window.
  static void Publish(TPublisher<TRuzIzivPopMenu>& P);

  // Stores the three values and subclasses the window (once; a second call does nothing).
  void InitSkin(HWND Wnd, TSkinData* SkinData, HMENU Menu);
  // Puts the previous procedure back and empties the background; harmless when not subclassed.
  void UnSubClass();
  bool Subclassed() const { return FObjectInstance != nullptr; }

  void Default(TMessage& Message);
  void WinWndProc(TMessage& Message);
  void WMERASEBKGND(TMessage& Message);
  void WMPrint(TMessage& Message);
  void NcPaint(TMessage& Message);
  // Writes "Menu hook:<window> <message>" to the skin data's debug lines.
  void AddLog(const TMessage& Message);

  WNDPROC FOldWndProc = nullptr;
  WNDPROC FObjectInstance = nullptr;  // this object's procedure while subclassed
  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  std::unique_ptr<TBitmap> FBackground;
  HMENU FMenu = nullptr;
  bool FMarked = false;

 private:
  static LRESULT CALLBACK MenuWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  // The skin has a loaded skin with a non-empty menu background.
  bool Skinned() const;
  // Renders the menu background over the whole window into FBackground; false when it cannot.
  bool RenderBackground(int Width, int Height);
};
