// Tab controls and their pages drawn from the skin's "Tabs" element (frame 1 a normal tab, 2 the
// selected one; its "Border" picture, or "Tab.Pane" for Style 1, around the display area).
//
// TSkinTab draws tabs on any side the same way: they are laid out lying on top of a work bitmap
// (mirrored pictures for tabs at the bottom) which is turned upright for tabs at the left or right,
// so pictures and captions turn with it. A page control tagged 7777 also gets a close box on each
// tab; MultiLine switches them off, since on several rows of tabs the rows move whenever another tab
// is selected. A close box asks the form skin object's window first (message 0x3507, the tab
// control and the tab index; any answer but 0 keeps the page), moves the selection off the page
// when it is the active one, and only then frees the page. A click that comes while a close box is
// already freeing a page, or while the page control, a page or a page's owner is being destroyed,
// asks nothing and frees nothing.
//
// TSkinTab31 draws the framework's older tab set (tabs hanging below a line), TSkinTabBtn button-style
// page controls (faces of the "Buttons" element), TSkinTabSheet the pages, and TSkinAdvPage hands
// tab pictures to page controls of other component sets that take them as bitmap properties.
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/SkinControl.h"

PUBLISHED_ENUM(TSkinTabPosition, StTop, Stbottom, Stleft, Stright)

// The tag that asks for close boxes on a page control's tabs.
inline constexpr std::intptr_t kCloseBoxTag = 7777;
// Sent to the form skin object's window before a close box frees a page: wParam the tab control,
// lParam the tab index; an answer other than 0 keeps the page.
inline constexpr UINT WM_SKIN_CLOSETAB = 0x3507;
// FNoMouseDown of a TSkinTab that skins a plain tab control (not a page control): its windowless
// child controls are painted over the skinned display area.
inline constexpr int kPlainTabControl = 2;

class TSkinTab : public TSkinControl {
  DECLARE_CLASS(TSkinTab, TSkinControl)

 public:
  explicit TSkinTab(TComponent* AOwner);
  ~TSkinTab() override;

  std::vector<RECT> FCloseRects;  // one per tab, in work-bitmap coordinates
  TSkinTabPosition FPosition = StTop;
  bool FUnicodeTabs = false;
  std::unique_ptr<TBitmap> FTabBmp;
  std::unique_ptr<TBitmap> FBorderBmp;
  std::unique_ptr<TBitmap> FWork;
  TSkinControl* FUpDown = nullptr;  // the scroll arrows' skin object, owned here
  bool FCloseButtons = false;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) override;
  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void SkinChange() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  void inittab();
  void GetPosition();
  // Skins the scroll arrows the control shows when its tabs do not fit; true while they show.
  bool FindScroll();
  bool ClickClose(TMessage& Message);
  void Drawitem(HDC DC, const RECT& Rect, int Frame);
  void drawCloseBtn(const RECT& Rect, int Index);

  // The display area as the skin draws it (window coordinates at origin), the strip of tabs beside it,
  // and a rectangle or point of the control carried into the work bitmap.
  RECT DisplayArea(const RECT& Window) const;
  RECT TabStrip(const RECT& Window, const RECT& Display) const;
  RECT ToWork(const RECT& Tab, const RECT& Window, const RECT& Display) const;
  POINT ToWork(POINT Point, const RECT& Window, const RECT& Display) const;
  // Whether a page control with this tag and multi-line setting shows close boxes.
  static bool WantsCloseButtons(TControl* Control);

 private:
  RECT FLastWindow{0, 0, 0, 0};  // geometry of the paint that laid out FCloseRects
  RECT FLastDisplay{0, 0, 0, 0};
  std::shared_ptr<bool> FAlive;  // cleared by the destructor, for code that runs after a send
  bool FClosing = false;         // a close box is asking about or freeing a page
};

class TSkinTab31 : public TSkinControl {
  DECLARE_CLASS(TSkinTab31, TSkinControl)

 public:
  explicit TSkinTab31(TComponent* AOwner);
  ~TSkinTab31() override;

  std::unique_ptr<TBitmap> FTabBmp;  // the "Tabs" picture upside down
  TSkinControl* FUpDown = nullptr;   // owned here
  TControl* FScroller = nullptr;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void SkinChange() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void inittab();

 private:
  std::unique_ptr<TBitmap> FWork;
};

class TSkinTabBtn : public TSkinControl {
  DECLARE_CLASS(TSkinTabBtn, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
};

class TSkinTabSheet : public TSkinControl {
  DECLARE_CLASS(TSkinTabSheet, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;
};

class TSkinAdvPage : public TSkinControl {
  DECLARE_CLASS(TSkinAdvPage, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  TSkinControl* FUpDown = nullptr;  // owned here
  int FKind = 0;                    // 4: "TabBackGround" / "TabBackGroundActive" pictures

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Unsubclass() override;
  void DrawControl(HDC DC, const RECT& Rect) override;
  void SkinChange() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ChangeImage();
  bool FindScroll();
};
