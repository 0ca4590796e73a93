// TRuzIzivForm: the skin object of one top-level window. It takes over the window's message handling
// twice (the platform window procedure, and the framework message method of a framework form), paints
// the non-client area from the skin (frame, caption, caption buttons, menu band), gives the window its
// shaped region, finds the controls to skin, and undoes all of it when skinning ends or the window
// goes away.
//
// Several files implement this class: the life cycle and procedures (RuzIzivForm*.cpp, FormWndProc,
// FormNCPaint, FormRegion, FormCaptionText), the caption buttons, hit test, sizing and system menu
// (NCObjects, FormSysButtons, FormHitTest, FormSizing, FormSysMenu), the menu band (FormMenuBar),
// the control discovery (FormControls) and the owner-drawn menu items (FormMenuItems).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/WndMethod.h"
#include "framework/win/graphics/Graphics.h"
#include "skin/form/WndProcThunk.h"
#include "skin/imaging/CaptionButtonRules.h"

class TSkinData;
class TForm;
class TControl;
class TWinControl;
class TTimer;
class TSkinControl;
class TNCObject;
class TWinSysButton;
class TMenuBtn;
class TRuzIzivMenu;
class TPopupMenu;
class TMenuItem;
class TToolBar;
class TToolButton;

enum TSkinFormStyle { sfsNormal, sfsMDIform, sfsMDIChild, sfsChild };
enum TSkinFormBorder { sbsSizeable, sbsSingle, sbsNone, sbsDialog };
enum TSkinWindowState { swsNormal, swsMax, swsMin };
PUBLISHED_ENUM(TSkinFormIcon, sbiMax, sbiMin, sbiHelp, sbisystem, sbicaption)
using TSkinFormIcons = TSet<TSkinFormIcon>;

// Private messages of the engine (the skin objects' own protocol; the numbers are fixed).
inline constexpr UINT WM_SKIN_CHANGE = 0x3401;         // outside request: re-read the skin
inline constexpr UINT WM_SKIN_REPAINTFRAME = 0x3502;   // repaint the frame
inline constexpr UINT WM_SKIN_ACTIVATE = 0x3503;       // deferred activation, lParam 1000
inline constexpr UINT WM_SKIN_SYSBTNCLICK = 0x3514;    // application caption button, wParam = Action
inline constexpr UINT WM_SKIN_SYSBTNVISIBLE = 0x3515;  // visibility query of a caption button
inline constexpr UINT WM_SKIN_MDIREDRAW = 0x3516;      // to the MDI client: redraw the MDI parent
inline constexpr UINT WM_SKIN_RECREATED = 0x3517;      // a control's window was re-created
inline constexpr UINT WM_SKIN_MENUSELECT = 0x3518;     // open the menu-bar item at a screen point
inline constexpr UINT WM_SKIN_QUERY = 0x3523;          // "is this window skinned?", answered 1
inline constexpr UINT WM_SKIN_PAINTNC = 0xBC4B;        // repaint the frame into the DC in wParam
inline constexpr UINT WM_SKIN_PROBE = 0xBC4D;          // answered 0x41A2 when asked with the marker
inline constexpr UINT WM_SKIN_SKINNED = 0xBC4E;        // notice: the window is skinned
inline constexpr LPARAM kSkinMarker = 0x41A2;
inline constexpr LPARAM kSkinActivateParam = 1000;

// Values of FSkinState.
enum : int {
  kSkinCreated = 0,     // frame not taken over yet
  kSkinActive = 1,      // normal message flow
  kSkinChanging = 3,    // skin being changed
  kSkinDestroying = 4,  // window being destroyed
  kSkinResizing = 5,    // resizing during activation
  kSkinDestroyed = 6,   // window procedure given back
};

// What the form skin objects share with the process-wide skin manager. The manager sets and reads
// these; with no manager they keep their defaults.
struct TFormSkinShared {
  int MenuSource = 0;              // 1 a menu, 2 the system menu (set before a popup opens)
  bool HideWhileSkinning = false;  // windows stay hidden until their first skinned paint
  bool MDIChildMaximized = false;  // the MDI children are held maximised
  HWND MDIClient = nullptr;        // the registered MDI client and its parent form
  HWND MDIForm = nullptr;
  bool ServesModule = false;  // the manager serves a separately loaded module (no system menu popup)
  bool MenuFromBar = false;   // the next popup is opened from a skinned menu bar
  // Called from the destructor so the manager forgets the window; may be null.
  void (*ForgetWindow)(HWND Wnd) = nullptr;
};
extern TFormSkinShared FormSkinShared;

// Owned objects whose classes live in other files of the library; each deleter is defined where its
// class is complete.
struct TWinSysButtonDeleter {
  void operator()(TWinSysButton* Button) const;
};
using TWinSysButtonPtr = std::unique_ptr<TWinSysButton, TWinSysButtonDeleter>;

class TRuzIzivForm : public TComponent {
  DECLARE_CLASS(TRuzIzivForm, TComponent)

 public:
  explicit TRuzIzivForm(TComponent* AOwner);
  ~TRuzIzivForm() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Identity.
  HWND FHandle = nullptr;
  TControl* FForm = nullptr;  // the framework form or control, or none for a bare window
  String FName;
  String FClassName;
  HWND FOwnerWnd = nullptr;
  TSkinData* FSkinData = nullptr;

  // Subclassing.
  TWndMethod FOldWindowProc;
  WNDPROC FOldWndProc = nullptr;
  std::unique_ptr<TWndProcThunk> FWndProcInstance;
  HWND FMDIClient = nullptr;
  WNDPROC FOldMDIProc = nullptr;
  std::unique_ptr<TWndProcThunk> FMDIProcInstance;
  bool FUnicode = false;

  // Styles.
  DWORD FStyle = 0;
  DWORD FExStyle = 0;
  TSkinFormStyle FFormStyle = sfsNormal;
  TSkinFormBorder FBorderStyle = sbsSizeable;
  TSkinFormIcons FBorderIcons;
  TSkinWindowState FWindowState = swsNormal;
  bool FSizeable = false;
  bool FIsChild = false;
  bool FLeftScrollBar = false;
  bool FIsDialog = false;
  bool FSkinFrame = false;

  // State.
  int FSkinState = kSkinCreated;
  std::uint8_t FActive = 1;
  bool FActivated = false;
  TColor FSavedColor = 0;

  // Geometry (pixels).
  int FLeftWidth = 0;
  int FTitleHeight = 0;
  int FRightWidth = 0;
  int FBottomHeight = 0;
  int FMenuHeight = 0;
  RECT FNativeFrame{0, 0, 0, 0};
  RECT FClientRect{0, 0, 0, 0};

  // Caption parts.
  std::unique_ptr<TFont> FCaptionFont;
  HICON FIcon = nullptr;
  int FIconSize = 0;
  std::unique_ptr<TBitmap> FIconBitmap;
  HMENU FSysMenu = nullptr;
  HMENU FMenuHandle = nullptr;
  std::vector<TWinSysButtonPtr> FSysButtons;
  int FSysButtonCount = 0;
  TNCObject* FHotObject = nullptr;  // not owned
  std::unique_ptr<TRuzIzivMenu> FSkinMenu;
  TPopupMenu* FSysPopup = nullptr;  // owned; released by FreeSysPopup
  bool FMenuLoop = false;           // a drop-down of the skinned menu bar is being tracked
  bool FSavedMenuUpdate = true;     // the skin data's MenuUpdate when an MDI parent was skinned

  // Drawing.
  std::unique_ptr<TCanvas> FNCCanvas;       // non-client painting
  std::unique_ptr<TCanvas> FControlCanvas;  // shared by the control skin objects
  std::unique_ptr<TBitmap> FFrameBitmap;    // the caption strip, composed off-screen
  std::unique_ptr<TBitmap> FCaptionBack;    // the same strip before its buttons were drawn on it
  RECT FWindowRect{0, 0, 0, 0};
  int FWindowWidth = 0;
  int FWindowHeight = 0;
  WideString FCaptionText;
  RECT FTextRect{0, 0, 0, 0};
  int FMaxButtonExtent = 0;
  // The region last handed to the window. Once handed over the window owns it; FOwnsRegion says it
  // is ours (so it may be replaced or removed), not that we delete it.
  HRGN FRegion = nullptr;
  bool FOwnsRegion = false;
  int FRegionWidth = 0;
  int FRegionHeight = 0;
  bool FFrameRecalc = false;  // the frame thicknesses must be applied again (WM_NCCALCSIZE)
  // Who is sizing the window: the user's sizing loop, a system command, or this object itself.
  bool FInSizeMove = false;
  int FSysCommandDepth = 0;
  int FOwnSizing = 0;

  // Controls.
  std::vector<TSkinControl*> FControls;
  TSkinControl* FHotControl = nullptr;
  // Tool bars given our custom-draw handlers (they must lose them before this object goes).
  std::vector<TComponent*> FCustomDrawBars;

  std::unique_ptr<TTimer> FTimer;
  UINT FDblClickTime = 0;

  // Life cycle and the procedures.
  void InitTform(TSkinData* SkinData, TForm* Form);
  void InitDlg(TSkinData* SkinData);
  void InitSkin(TSkinData* SkinData);
  void InitSkinData();
  void NewWndProc(TMessage& Message);
  void WinWndProc(TMessage& Message);
  void Default(TMessage& Message);
  void WinMDIProc(TMessage& Message);
  void DefaultMDI(TMessage& Message);
  void SubclassMDI();
  void UnSubclassMDI();
  void SkinChange();
  void AfterSkin();
  void Refresh();
  void RePaint(HWND Wnd);
  void BeginUpdate();
  void StopUpdate();
  void UnSubclass();
  void UnSubclass2();
  void UnSubclass3();
  void GetFormstyle();
  void GetWindowstate();
  void CreateCaptionFont();
  void Activate();  // the deferred activation (message 0x3503)
  void WMSize(TMessage& Message);
  void WMNCActive(TMessage& Message);
  void WMCommand(TMessage& Message);
  void WMERASEBKGND(TMessage& Message);
  void WMCtlcolor(TMessage& Message);
  void WMCtlcolorBtn(TMessage& Message);
  bool IsSubclassed() const { return FWndProcInstance != nullptr; }
  bool IsMaximizedMDIChild() const { return FFormStyle == sfsMDIChild && FWindowState == swsMax; }
  static void doLog(const String& Text);

  // Frame and caption painting.
  void WMNCPaint(TMessage& Message);
  void UpdateNc(HDC DC);
  void Drawborder(int Kind, const RECT& R, HDC DC);
  bool BorderDrawable(int Kind) const;  // the skin has a picture for border Kind
  void DrawFLine(HDC DC);
  void DrawLine(TCanvas* Canvas, const RECT& R);
  void Cropwindow();
  void Uncropwindow();

  // Caption buttons, hit testing, sizing, system menu
  void CreateSysButtons();  // InitSkinData step 3: one caption button per record of the skin
  void FreeSysButtons();
  void FreeSysPopup();
  void DeleteSysbtn();  // the skin is being replaced: drop the caption buttons
  TWinSysButton* FindBtn(POINT P);
  // The window as the caption-button rules see it.
  skin::TCaptionWindow CaptionWindow();
  bool SysBtnVisible(int Index);
  void SetSysbtnRect();
  void DrawAllSysbtn(TCanvas* Canvas, const RECT& R);
  void DrawSysbtn(TWinSysButton* Button, int State);
  void DrawIcon(HDC DC, const RECT& R);
  void GetIcon();
  void SysBtnAction(short X, short Y);
  void MDIChildAction(int Command);
  bool MDIChildMax();
  void Maximize();
  void Minimize();
  void Restore();
  void RestoreMDI();
  POINT GetWinXY(short X, short Y);
  String GetSysBtnHint(int Action);
  void HintReset();
  void OnTimer(TObject* Sender);
  void PopSysmenu(POINT P);
  void CreateSysmenu();
  void CreateSysmenu2();
  void AddSysMenuitem(const String& Caption, int Tag);
  bool CheckSysmenu();
  void DoSysMenu(TObject* Sender);
  void DoSysMenu2(TObject* Sender);
  void UpdateStyle(bool Hide);
  void GetBorderSize();
  void ResizeForm(int Reskin);
  void KeepClient();
  // A size the window gives itself, worked out from its native frame, keeps the client area it meant.
  void KeepAskedClient(WINDOWPOS& Pos);
  void WMNCHitTest(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCMouseMove(TMessage& Message);
  void WMNCLButtonDown(TMessage& Message);
  void WMNCLButtonUp(TMessage& Message);
  void WMNCLBUTTONDBLCLK(TMessage& Message);
  void WMNCRButtonUp(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);
  // The caption button or menu-bar button at a window point, or none.
  TNCObject* FindNCObject(POINT P);
  // FHotObject when it is one of the caption buttons.
  TWinSysButton* HotSysButton() const;
  // The leftmost button of the skinned menu bar (Alt alone opens it).
  TMenuBtn* FirstMenuButton();
  // The active child of an MDI parent, and whether it is maximised; none for other windows.
  HWND ActiveMDIChild(bool* Maximized) const;
  DWORD FLastSysPopup = 0;  // tick count of the last system-menu popup (0: none yet)
  // End of caption buttons, hit testing, sizing, system menu

  // Skinned menu bar.
  // Opens the button's drop-down (modal); false when it has none. Asked while another window's bar
  // menu is tracked it does nothing; asked from inside this window's own loop it switches menus.
  bool CheckMenu(TMenuBtn* Button);
  void ClickButton(TMenuBtn* Button);
  void MenuSelect(TMessage& Message);
  TMenuBtn* FindButtonFromAccel(unsigned short Key);
  void CancelMenu();
  void CMDialogChar(TMessage& Message);
  void SelectMDIform(TObject* Item);
  void WMINITMENU(HMENU Menu);
  void WMMEASUREITEM(TMessage& Message);
  void WMMEASUREITEMH(TMessage& Message);
  void WMDRAWITEM(TMessage& Message);
  void WMDrawMenuitem(TMessage& Message);
  void WMDrawMenuitemH(TMessage& Message);
  // A stand-in framework item for a native item, owned by the caller.
  std::unique_ptr<TMenuItem> CreateMenuItem(HMENU Menu, int Id);
  void InitMainMenu(TWinControl* Container, bool On, bool Spare);
  void InitPopMenu(TWinControl* Container, bool On, bool Spare);
  void InitToolbarMenu(TMenuItem* Item, bool On);
  void UpdateMainMenu();
  // The menu loop of the bar (process-wide state in MenuLoop): one message the platform's loop
  // filters, a highlight change it reports, and the bar after the loop.
  void MenuLoopMessage(MSG& Msg);
  void MenuLoopSelect(WPARAM WParam, LPARAM LParam);
  bool OpenBarMenu(TMenuBtn& Button);
  void AfterMenuLoop();
  // The next (Step 1) or previous (-1) button that can be hit, from the open one, wrapping round.
  TMenuBtn* NeighbourButton(int Step);

  // Control discovery.
  void InitControls(TWinControl* Form);
  void InitControlA(TWinControl* Container);
  void InitChildCtrl(TWinControl* Container);
  void InitNestform(TWinControl* Form);
  void AddComp(TControl* Control, TWinControl* Container);
  bool FindSkinComp(TControl* Control);
  bool FindSkinComp2(TWinControl* Control);
  void DisableControl(TControl* Control);
  void DoSkinEdit(TWinControl* Control);
  bool IsScrollControl(TComponent* Component);
  void InitHwndControls(HWND Parent);
  void AddControlh(HWND Wnd);
  static BOOL CALLBACK EnumControl(HWND Wnd, LPARAM Form);
  TSkinControl* Lookupcontrol(HWND Wnd);
  bool AddControlList(TSkinControl* Control);
  void DeleteControl(TSkinControl* Control);
  // Stops and frees the first object that skins the windowless Control; the control paints itself.
  void DeleteGraphicControl(TControl* Control);
  void DeleteControls();
  void DeleteSkinDeleted();
  void WMReCreateWnd(TMessage& Message);
  bool Find3rdControl(const String& ClassName, TControl* Control);
  // The tool bar's painters become ours where it has none; ReleaseToolBars takes them back.
  void HookToolBar(TToolBar* Toolbar);
  void ReleaseToolBars();

  // Owner-drawn menu items
  void MeasureItem(TObject* Item, TCanvas* ACanvas, int& Width, int& Height);
  void MeasureItemPop(TObject* Item, TCanvas* ACanvas, int& Width, int& Height);
  void DrawMenuItem(TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected);
  void DrawHMenuItem2(HMENU Menu, TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected);
  void DefaultMenuItem(TObject* Item, TCanvas* ACanvas, const RECT& R, bool Selected);
  void DrawMenuCaption(TCanvas* ACanvas, const RECT& R);
  void DrawItemText(TMenuItem* Item, TCanvas* ACanvas, const RECT& R, bool Selected);
  // With DT_CALCRECT in Flags, R receives the measured size.
  void DoDrawText(TMenuItem* Item, TCanvas* ACanvas, const WideString& Text, RECT& R, bool Selected,
                  int Flags);
  void ToolBarDrawBackground(TToolBar* Toolbar, const RECT& R, bool& DefaultDraw);
  void ToolBarDrawButton(TToolBar* Toolbar, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw);
  TBitmap* GetMenuBG();
  // End of owner-drawn menu items

 private:
  // Reached through the thunks, which pass the object in place of the window handle.
  static LRESULT CALLBACK ThunkWndProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT CALLBACK ThunkMDIProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT CallOld(WNDPROC Proc, HWND Wnd, const TMessage& Message, bool Unicode);
  void WinWndProcStage2(TMessage& Message, bool& On);
  void WinWndProcStage3(TMessage& Message, bool On);
  void RestoreWindowProc();
  void ReleaseControlsAndMenus();
  bool FSetTextDone = false;  // NewWndProc's re-entrancy flag
};

// TRuzIzivSpy: a component that holds a form skin object for the form that owns the spy (a form
// embedded in another window).
class TRuzIzivSpy : public TComponent {
  DECLARE_CLASS(TRuzIzivSpy, TComponent)

 public:
  explicit TRuzIzivSpy(TComponent* AOwner) : TComponent(AOwner) {}
  ~TRuzIzivSpy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TRuzIzivForm* FSkinForm = nullptr;  // not owned
};

// Caption text of any window: wide, 8-bit (WM_GETTEXT alone) and in the framework's narrow text.
WideString GetFormCaption(HWND Wnd);
String GetFormCaptionA(HWND Wnd);
String GetFormText(HWND Wnd);
