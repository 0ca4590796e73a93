// TSkinControl: the base of every per-control skin object. One object sits in front of one standard
// control's message handling, either by replacing a framework control's message method (WindowProc)
// or by subclassing a bare window through a procedure thunk, sees each message before the control
// (BeforeProc) and after it (AfterProc), and paints the control from the skin into an off-screen
// bitmap that is copied to the screen in one block. The subclasses (push buttons, check boxes, scroll
// bars, ...) override the virtual operations below, in this order, and share the drawing helpers.
//
// Life: created with the control as owner (a bare window's object is owned by the form skin object),
// Init / Inithwnd attach it, the form skin object lists it, Unsubclass switches it off, destruction
// gives back exactly the procedure or method it replaced. A control whose window is destroyed first
// (WM_NCDESTROY: status 6) is never touched through that window again; a framework control that is
// freed first is forgotten through its free notification.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/core/Classes.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/WndMethod.h"
#include "framework/win/graphics/Graphics.h"
#include "skin/data/SkinColors.h"
#include "skin/form/WndProcThunk.h"

class TSkinData;
class TRuzIzivForm;
class TDataSkinObject;
class TImageList;

PUBLISHED_ENUM(TSkinControlState, scMouseIn, scDown)
using TSkinControlStates = TSet<TSkinControlState>;

// The skin switch: first parameter > 0 turns the object's skinning on, 0 off.
inline constexpr UINT WM_SKIN_SWITCH = 0x3506;
// Values of FStatus.
enum : int {
  kControlInited = 1,     // attached
  kControlUnhooked = 2,   // a panel gave its window back
  kControlDestroyed = 6,  // the window is being (or has been) destroyed
};

class TSkinControl : public TComponent {
  DECLARE_CLASS(TSkinControl, TComponent)

 public:
  explicit TSkinControl(TComponent* AOwner);
  ~TSkinControl() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Fields, in declaration order.
  TSkinControlStates FState;
  TCanvas* FCanvas = nullptr;  // lent by the form skin object
  bool FHandled = false;
  bool FEnabled = false;
  bool FFocused = false;
  WideString FCaption;
  std::unique_ptr<TWndProcThunk> FObjectInstance;  // bare-window path only
  WNDPROC FOldWndProc = nullptr;                   // bare-window path only
  bool FActive = true;
  bool FUnicode = false;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  TWndMethod FOldWindowProc;  // framework path only
  TControl* FControl = nullptr;
  RECT FWindowRect{0, 0, 0, 0};
  TControl* FGraphicControl = nullptr;
  bool FSetColor = false;
  TColor FSavedColor = 0;
  bool FInited = false;
  int FStatus = 0;
  TRuzIzivForm* FFormSkin = nullptr;
  int FNoMouseDown = 0;
  bool FScrollFlag = false;
  bool FPresetNoMouseDown = false;

  // Virtual operations, in slot order.
  virtual void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor);
  virtual void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin);
  virtual void Unsubclass();
  virtual bool BeforeProc(TMessage& Message);
  virtual void AfterProc(TMessage& Message);
  virtual void PaintControl(HDC DC);
  virtual void DrawControl(HDC DC, const RECT& Rect);
  virtual void SkinChange();
  virtual int GetState();

  // The message path.
  void NewWndProc(TMessage& Message);
  void Default(TMessage& Message);
  void Invalidate();
  void MouseLeave();
  LONG_PTR GetWindowLongEx(HWND Handle, int Index) const;
  // The window of the object, or none once it is destroyed.
  HWND LiveHandle() const { return FStatus == kControlDestroyed ? nullptr : FHandle; }

  // Painting.
  // Wnd's window rectangle, kept in FWindowRect, moved to 0,0; false when the window has none.
  bool ReadWindowRect(HWND Wnd, RECT& AtOrigin);
  // Draw on DC, else on a DC of the whole window, with the window's rectangle at 0,0; what Draw
  // throws stays here (the control keeps its last image).
  void PaintWindow(HDC DC, const std::function<void(HDC, const RECT&)>& Draw);
  void WMPaint(TMessage& Message);
  void WMERASEBKGND(TMessage& Message);
  void DrawBuf(HDC DC, const RECT& Rect);

  // Drawing helpers shared by the subclasses. Frame indices are 1-based; an inverted target draws
  // nothing.
  void DrawSkinMap(HDC DC, const RECT& Rect, TDataSkinObject* Skin, int FrameIndex, int FrameCount);
  void DrawBMPSkin(TBitmap* Bitmap, const RECT& Rect, TDataSkinObject* Skin, int FrameIndex, int FrameCount,
                   int Transparent);
  void DrawSkin(const RECT& Rect, TDataSkinObject* Skin, int FrameIndex, int FrameCount, int Transparent);
  void DrawSkinMap1(HDC DC, const RECT& Rect, TBitmap* Bitmap, int FrameIndex, int FrameCount);
  void DrawSkinMap2(HDC DC, const RECT& Rect, TBitmap* Bitmap, int FrameIndex, int FrameCount);
  void DrawSkinMap3(TCanvas* Canvas, const RECT& Rect, TBitmap* Bitmap, int FrameIndex, int FrameCount);
  void FillBG(HDC DC, const RECT& Rect);
  void FillParentBG(HDC DC, const RECT& Rect);
  TColor GetParentColor(TColor Default);
  UINT CheckBiDi(UINT Flags);
  void DrawCaption(TCanvas* Canvas, const RECT& Rect, const WideString& Text, bool Enabled, bool Spare,
                   UINT Alignment);
  // Image ImageIndex of ImageList (when it fits) with Text beside it, the pair placed in Rect by
  // Alignment (DT_LEFT, DT_CENTER or DT_RIGHT); Lines is DT_WORDBREAK or DT_SINGLELINE, and long text
  // ends in an ellipsis.
  void DrawImageText(TCanvas* Canvas, const RECT& Rect, UINT Alignment, UINT Lines, const WideString& Text,
                     int ImageIndex, TImageList* ImageList);
  void DrawFocus(HDC DC, const WideString& Text, const RECT& Rect, UINT Flags);
  int TextHeight(HDC DC, const WideString& Text);

  // The scheme colour Index of the skin in force (csButtonFace before there is one).
  TColor SchemeColor(TShemeColor Index) const;
  // The framework window control, when the owner is one.
  TWinControl* WinControl() const;
  // Paints the visible windowless children of the framework window control onto DC (its client
  // coordinates), each at its place and clipped to itself: a skin object that paints the control
  // whole stands in for the control's own painting, which would have drawn them.
  void PaintWindowlessChildren(HDC DC);

 protected:
  // Takes the framework control's message method (framework path); false when there is no control.
  bool HookControl(TControl* Control);
  // Subclasses a bare window with a thunk, with the Unicode or ANSI window-long calls.
  bool HookWindow(HWND Handle, bool Unicode);
  // Lists this object with the form skin object (which frees it when it unskins).
  void AttachForm(TRuzIzivForm* FormSkin);
  // Gives back the method or the window procedure that was taken; safe to call twice.
  void Unhook();
  // The "Color" put back where Init replaced it (not while the window goes away).
  void RestoreColor();

 private:
  static LRESULT CALLBACK ThunkProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam);
  // One frame per message being handled, so a failure inside BeforeProc or AfterProc knows whether
  // the control has seen the message already.
  struct TCallFrame {
    TMessage* Message;
    bool Passed;
    bool Dead;  // the object was freed while it handled the message
    TCallFrame* Outer;
  };
  TCallFrame* FCall = nullptr;
  bool FHookedWindowUnicode = false;
};

// TSkinTransObj: controls that only need the skin's background behind them.
class TSkinTransObj : public TSkinControl {
  DECLARE_CLASS(TSkinTransObj, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& Message) override;
};

// Published-property access by name on any object, including classes the engine does not know.
// None of them raises.
// Enumerations give the value's name, sets their "[a,b]" text, other ordinals the decimal number;
// empty otherwise.
String GetProperty(TObject* Object, std::string_view Name);
int GetIntProperty(TObject* Object, std::string_view Name);  // -1 when absent or not ordinal
String GetEnumProperty(TObject* Object, std::string_view Name);
WideString GetStringProp(TObject* Object, std::string_view Name);
TMethod GetObjMethod(TObject* Object, std::string_view Name);
// The object the property holds when it is of Class (or derived); none otherwise.
TObject* GetObjProp(TObject* Object, std::string_view Name, const TClassInfo& Class);
// Enumerations by name, ordinals from decimal text, strings as text.
void SetProperty(TObject* Object, std::string_view Name, const String& Value);

// Free drawing functions of the unit.
// Wnd's window rectangle moved to 0,0 (empty when the window has none).
RECT WindowRectAtOrigin(HWND Wnd);
void CopyBMP(TBitmap* Source, TBitmap* Target);
void FillColor(HDC DC, const RECT& Rect, TColor Color);
void MyDrawCaption(TCanvas* Canvas, const RECT& Rect, const WideString& Text, UINT Alignment, bool Enabled);
void MyDrawImgCaption(TCanvas* Canvas, const RECT& Rect, TImageList* Images, UINT Alignment, bool Enabled,
                      int ImageIndex, const WideString& Text);
// A small solid arrow in the canvas pen: 0 up, 1 down, 2 left, 3 right.
void DrawArrow(TCanvas* Canvas, int X, int Y, int Kind);

// Wide text drawn into a DC with the DT_ flags; with DT_CALCRECT, Rect receives the size.
int DrawWideText(HDC DC, const WideString& Text, RECT& Rect, UINT Flags);
// A window's text, wide (the ANSI get-text message, at most 1000 characters, where the platform has
// no Unicode windows).
WideString WindowTextOf(HWND Wnd);
