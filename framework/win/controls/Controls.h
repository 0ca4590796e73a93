// TControl and TWinControl: framework objects in front of real windows. Every message of a control's
// window runs through its replaceable message method WindowProc (by default WndProc), which is what
// the skinning engine swaps for its own and later puts back.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/controls/ControlAtom.h"
#include "framework/win/controls/Messages.h"
#include "framework/win/controls/WndMethod.h"
#include "framework/win/graphics/GraphicsObjects.h"

class TWinControl;
class TPopupMenu;

// What a modal form ends with: a button's ModalResult, or mrCancel when the form is closed.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;
inline constexpr TModalResult mrAll = mrNo + 1;
inline constexpr TModalResult mrNoToAll = mrAll + 1;
inline constexpr TModalResult mrYesToAll = mrNoToAll + 1;

PUBLISHED_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
// Where a control sits in its parent: stuck to an edge (in z-order among those on the same edge) or
// filling what the others leave.
PUBLISHED_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
PUBLISHED_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
PUBLISHED_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
PUBLISHED_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateFlag>;
// A window's border. Forms take every value; a control knows none or single (a sunken client edge)
// and takes any other value as single.
PUBLISHED_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;

// What a control class does by itself. csClickEvents: a press and release of the left button inside
// the control is a click (controls not built on a system button); csOpaque: it paints its whole
// rectangle, so its parent need not erase behind it; csCaptureMouse: it keeps the mouse while the
// button is held; csAcceptsControls: other controls may be placed on it.
enum TControlStyleFlag { csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks };
using TControlStyle = TSet<TControlStyleFlag>;

// The state of an owner-drawn item (DRAWITEMSTRUCT's ODS_ bits as the framework names them).
PUBLISHED_ENUM(TOwnerDrawStateFlag, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault,
               odHotLight, odInactive, odNoAccel, odNoFocusRect, odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
TOwnerDrawState OwnerDrawState(UINT ItemState);

// An operation a control does not allow in its state (a range whose minimum exceeds its maximum...).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// The shift state carried by a mouse message's key flags (plus Alt, which they leave out).
TShiftState KeysToShiftState(WPARAM Keys);

// What CreateParams hands to CreateWnd. WinClassName is the framework's class for the window;
// BaseClassName, when set, is the system class it is built on (its procedure stays the default one).
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  std::wstring WinClassName;
  std::wstring BaseClassName;
  UINT ClassStyle = CS_DBLCLKS;
  HBRUSH Background = nullptr;
};

class TControl : public TComponent {
  DECLARE_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* Owner);
  ~TControl() override;

  static void Publish(TPublisher<TControl>& P);

  // The replaceable message method and the way into it.
  TWndMethod WindowProc;
  LRESULT Perform(UINT Msg, WPARAM Wparam = 0, LPARAM Lparam = 0);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* NewParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int V) { SetBounds(V, FTop, FWidth, FHeight); }
  void SetTop(int V) { SetBounds(FLeft, V, FWidth, FHeight); }
  void SetWidth(int V) { SetBounds(FLeft, FTop, V, FHeight); }
  void SetHeight(int V) { SetBounds(FLeft, FTop, FWidth, V); }
  virtual void SetBounds(int NewLeft, int NewTop, int NewWidth, int NewHeight);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  void SetClientWidth(int V) { SetClientSize(V, ClientHeight()); }
  void SetClientHeight(int V) { SetClientSize(ClientWidth(), V); }
  virtual void SetClientSize(int NewWidth, int NewHeight);
  // Client coordinates of this control and the screen, through the windows it sits on.
  POINT ClientOrigin() const;
  POINT ClientToScreen(POINT Point) const;
  POINT ScreenToClient(POINT Point) const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool Visible() const { return FVisible; }
  void SetVisible(bool V);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool V);

  // Caption and Text are one string (UTF-8) shown by the window.
  String Caption() const { return GetText(); }
  void SetCaption(const String& V) { SetText(V); }
  String Text() const { return GetText(); }
  void SetText(const String& V);

  TColor Color() const { return FColor; }
  void SetColor(TColor V);
  // With ParentColor the control takes its parent's Color and follows it; setting Color ends that.
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  // The control's own font; with ParentFont it follows the parent's.
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* V) { FFont->Assign(V); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool V);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode V);
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }

  // Opens on a right click (or the context-menu key) over the control when its AutoPopup is on; a
  // control without one leaves the request to its parent.
  // Virtual for classes whose other references may hold the same menu: they keep it watched.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  virtual void SetPopupMenu(TPopupMenu* Value);
  // The hint text and whether it shows; with ParentShowHint, ShowHint follows the parent.
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  // The mouse is over the control (between the framework's mouse-enter and mouse-leave notices).
  bool MouseInControl() const { return FMouseInControl; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Description tree: a control is written inside its parent's block.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void Loaded() override;

  virtual void Invalidate() {}
  virtual void Update() {}
  void Refresh() { Repaint(); }
  virtual void Repaint() {
    Invalidate();
    Update();
  }
  virtual void Click();
  virtual void DblClick();
  // The mouse handling behind the mouse events; subclasses extend them.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);

 protected:
  // The default message method; subclasses extend it and call the base for what they leave.
  virtual void WndProc(TMessage& Message);
  // What no handler answered.
  virtual void DefaultHandler(TMessage& Message);
  virtual String GetText() const;
  virtual void TextChanged() {}
  // Font changed (by the program or following the parent).
  virtual void FontChanged();
  void FontChange(TObject* Sender);
  // The parent's colour, font or hint setting changed: followers take it.
  void TakeParentColor();
  void TakeParentShowHint();
  // Asks the parent to place its aligned controls again.
  void RequestAlign();
  // After a move or resize: the parent realigns and hears of it.
  void BoundsChanged();
  // The mouse messages turned into MouseDown, MouseUp, MouseMove and clicks.
  void MouseMessage(TMessage& Message);
  // First mouse move over a window: asks for the leave notice and announces CM_MOUSEENTER.
  void NoticeMouseEnter();

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  String FText;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TControlStyle FControlStyle;
  bool FMouseInControl = false;
  TPopupMenu* FPopupMenu = nullptr;
  bool FClicking = false;

  friend class TWinControl;
};

class TWinControl : public TControl {
  DECLARE_CLASS(TWinControl, TControl)
  friend class TControl;

 public:
  explicit TWinControl(TComponent* Owner);
  ~TWinControl() override;

  static void Publish(TPublisher<TWinControl>& P) {
    P.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    P.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
  }
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

  HWND Handle();  // creates the window when there is none yet
  HWND WindowHandle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys and re-creates the window; CM_RECREATEWND is sent first so listeners can let go of it.
  void RecreateWnd();

  // Child controls in z-order (first = bottom), apart from the owned components.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  // The top-most visible child under a client point (enabled ones only unless AllowDisabled);
  // windowless children only unless AllowWinControls.
  TControl* ControlAtPos(POINT Point, bool AllowDisabled, bool AllowWinControls = false) const;
  // Paints the visible windowless children onto DC (this window's client coordinates), each with
  // its own origin and clip, in z-order, starting at First (all when null).
  void PaintControls(HDC DC, TControl* First = nullptr);
  // Places the aligned children in the client area.
  void Realign();

  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int V) { FTabOrder = V; }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool V) { FTabStop = V; }
  bool Focused() const;
  virtual void SetFocus();
  bool CanFocus() const;
  // Whether the window can take the focus now: it and its parents shown and enabled.
  bool CanFocusNow() const;
  // The windowed controls below this one in tab order: each child by TabOrder (unset ones after the
  // set ones, in list order), followed by its own children.
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  // The next (or previous) control after Current in tab order that can take the focus; with
  // CheckTabStop only tab stops, with CheckParent only Current's siblings. Wraps around; null when
  // there is none.
  TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                               bool CheckParent) const;

  void SetBounds(int Left, int Top, int Width, int Height) override;
  RECT ClientRect() const override;
  void SetEnabled(bool V) override;
  void Invalidate() override;
  void Update() override;
  // A solid brush of Color for painting and for answering the colour messages; owned here.
  HBRUSH ColorBrush();

  // The first message procedure of every framework window: finds the object and runs its message
  // method, turning an escaping exception into the application's exception report.
  static LRESULT CALLBACK StdWndProc(HWND Wnd, UINT Msg, WPARAM Wparam, LPARAM Lparam);

 protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void CreateHandle();
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  // After the window exists: children get theirs, state is pushed into the window.
  virtual void CreateChildren();
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  String GetText() const override;
  void FontChanged() override;
  // Runs the message method with exception reporting; also what StdWndProc calls.
  void MainWndProc(TMessage& Message);
  void UpdateBounds();
  virtual void UpdateVisibility();
  // WM_CONTEXTMENU: the popup menu of the windowless child under the point, else of this control;
  // true when one was shown.
  bool DoContextPopup(TMessage& Message);
  // WM_PAINT of a window with windowless children or its own painting: the DC comes from the
  // message (a parent painting this window into its DC) or from a paint cycle begun here.
  void PaintHandler(TMessage& Message);
  // Answers WM_PAINT by running Paint on the DC the message brings (a parent painting this window
  // into its own) or else on a paint cycle's, ended on every path; nothing runs without a DC.
  void AnswerSelfPaint(TMessage& Message, const std::function<void(HDC DC)>& Paint);
  // Hands a child window's message back to that child as Notice (its CN_ reflection); the child's
  // answer is the message's. False when ChildWnd belongs to no framework control but this one.
  bool ReflectToChild(HWND ChildWnd, UINT Notice, TMessage& Message);
  // Answers WM_ERASEBKGND by filling the client area with ColorBrush.
  void EraseWithColor(TMessage& Message);
  // Answers a colour message (WM_CTLCOLOR* or its CN_ reflection): the control's Font colour on its
  // Color, the rest filled with ColorBrush.
  void AnswerCtlColor(TMessage& Message);
  // Paints this window's own picture; the default lets the window's class paint into DC.
  virtual void PaintWindow(HDC DC);
  // Gives a mouse message over a windowless child to that child; false when none takes it.
  bool RouteMouseToControl(TMessage& Message);
  // Whether this window paints through PaintHandler (it draws itself or has windowless children).
  virtual bool OwnPainting() const;
  // The part of the client area that aligned children share (inside borders a control draws).
  virtual void AdjustClientRect(RECT& Rect) const {}
  // A child moved or changed size (scrolling containers follow their children's extent).
  virtual void ControlBoundsChanged(TControl* Control) {}
  // Moves the client area's picture and every child by the deltas (windows and windowless ones).
  void ScrollBy(int DeltaX, int DeltaY);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  int FTabOrder = -1;
  bool FTabStop = false;
  bool FRecreating = false;
  bool FSettingBounds = false;
  bool FAligning = false;
  TGdiBrush FBrush;  // ColorBrush's, remade when the colour changes
  TColor FBrushColor = 0;
  // The windowless child that holds the mouse while a button is down, and the one under it.
  TControl* FCaptureControl = nullptr;
  TControl* FMouseControl = nullptr;
};

// Adds the PopupMenu property (where the menu class is known).
void PublishPopupMenu(TPublisher<TControl>& P);

// The first control under a screen point that belongs to this framework (null if none).
TControl* FindDragTarget(POINT Screen);
