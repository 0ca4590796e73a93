// The control skin base: attachment on both paths, the message path, painting and the drawing
// helpers the subclasses share.
#include "skin/controls/SkinControl.h"

#include <algorithm>
#include <vector>

#include "framework/win/controls/ExceptionReport.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"

namespace {

constexpr TColor kKeyColor = 0xFF00FF;

const wchar_t* WidePtr(const WideString& Text) {
  return reinterpret_cast<const wchar_t*>(Text.c_str());
}

bool Inverted(const RECT& R) {
  return R.right < R.left || R.bottom < R.top;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Life

TSkinControl::TSkinControl(TComponent* AOwner) : TComponent(AOwner) {
  SkinUnitStart();  // the shared scratch bitmap BG lives while any skin object does
  FActive = true;
}

TSkinControl::~TSkinControl() {
  // Freed from inside one of our own handlers (an application's click handler freeing the control):
  // the procedure that is still running must not touch this object again.
  for (TCallFrame* Frame = FCall; Frame; Frame = Frame->Outer) Frame->Dead = true;
  // A control that is still skinned keeps working natively: its colour comes back too.
  if (FActive && FInited) RestoreColor();
  Unhook();
  if (FFormSkin) FFormSkin->DeleteControl(this);
  SkinUnitEnd();
}

void TSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent) return;
  // The control goes first: nothing of it may be touched from now on.
  if (AComponent == FControl) {
    FControl = nullptr;
    FOldWindowProc.Clear();
  }
  if (AComponent == FGraphicControl) {
    FGraphicControl = nullptr;
    FOldWindowProc.Clear();
  }
  if (AComponent == reinterpret_cast<TComponent*>(FFormSkin)) FFormSkin = nullptr;
}

TWinControl* TSkinControl::WinControl() const {
  return dynamic_cast<TWinControl*>(FControl);
}

TColor TSkinControl::SchemeColor(TShemeColor Index) const {
  if (FSkinData) return FSkinData->Colors[Index];
  return clBtnFace;
}

bool TSkinControl::HookControl(TControl* Control) {
  if (!Control) return false;
  FOldWindowProc = Control->WindowProc;
  Control->WindowProc = TWndMethod::Bind<&TSkinControl::NewWndProc>(this);
  if (Control != Owner()) Control->FreeNotification(this);
  return true;
}

void TSkinControl::AttachForm(TRuzIzivForm* FormSkin) {
  FFormSkin = FormSkin;
  if (!FFormSkin) return;
  FFormSkin->AddControlList(this);
  if (FFormSkin != Owner()) FFormSkin->FreeNotification(this);
}

bool TSkinControl::HookWindow(HWND Handle, bool Unicode) {
  if (!Handle || FObjectInstance) return false;
  FObjectInstance = std::make_unique<TWndProcThunk>(this, &TSkinControl::ThunkProc);
  if (!FObjectInstance->Proc()) {
    FObjectInstance.reset();  // no executable memory: the window stays native
    return false;
  }
  const auto Thunk = reinterpret_cast<LONG_PTR>(FObjectInstance->Proc());
  FHookedWindowUnicode = Unicode;
  FOldWndProc = reinterpret_cast<WNDPROC>(Unicode ? SetWindowLongPtrW(Handle, GWLP_WNDPROC, Thunk)
                                                  : SetWindowLongPtrA(Handle, GWLP_WNDPROC, Thunk));
  return true;
}

void TSkinControl::Unhook() {
  if (FOldWindowProc.Assigned()) {
    TControl* Target = FGraphicControl ? FGraphicControl : FControl;
    // Only our own method is given back: a method installed after ours stays where it is. A control
    // that is being freed (we go with it, as its component) is past taking anything back.
    if (Target && !Target->ComponentState().Contains(csDestroying) &&
        Target->WindowProc == TWndMethod::Bind<&TSkinControl::NewWndProc>(this))
      Target->WindowProc = FOldWindowProc;
    FOldWindowProc.Clear();
  }
  if (FObjectInstance) {
    // A destroyed window is never called again; its handle may already name another window.
    if (FStatus == kControlDestroyed)
      FObjectInstance.reset();
    else
      TWndProcThunk::GiveBack(FObjectInstance, FHandle, FOldWndProc, FHookedWindowUnicode);
    FOldWndProc = nullptr;
  }
}

void TSkinControl::RestoreColor() {
  if (FStatus == kControlDestroyed || !FSetColor || !FControl) return;
  FSetColor = false;
  try {
    FControl->SetColor(FSavedColor);
  } catch (...) {
  }
}

void TSkinControl::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  FSkinData = SkinData;
  FFormSkin = FormSkin;
  FCanvas = Canvas;
  FControl = dynamic_cast<TControl*>(Owner());
  if (TWinControl* Win = WinControl()) {
    try {
      FHandle = Win->Handle();
    } catch (...) {
      FHandle = nullptr;  // a control without a window stays native
    }
    FUnicode = FHandle && IsWindowUnicode(FHandle);
  }
  HookControl(FControl);
  AttachForm(FormSkin);
  if (SetColor && FControl) {
    FSavedColor = FControl->Color();
    FSetColor = true;
    FControl->SetColor(SchemeColor(csButtonFace));
  }
  if (FPresetNoMouseDown) FNoMouseDown = 1;
  Invalidate();
  FInited = true;
  FStatus = kControlInited;
}

void TSkinControl::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  if (FInited || !Handle || !IsWindow(Handle)) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FFormSkin = FormSkin;
  FHandle = Handle;
  FEnabled = true;
  FNoMouseDown = 0;
  AttachForm(FormSkin);
  FUnicode = IsWindowUnicode(Handle) != FALSE;
  FCaption = WindowTextOf(Handle);
  HookWindow(Handle, FUnicode);
  InvalidateRect(Handle, nullptr, TRUE);
  FInited = true;
  FStatus = kControlInited;
}

void TSkinControl::Unsubclass() {
  if (!FActive) return;
  FActive = false;
  RestoreColor();
}

void TSkinControl::SkinChange() {
  if (FSetColor && FControl) FControl->SetColor(SchemeColor(csButtonFace));
  Invalidate();
}

int TSkinControl::GetState() {
  return 1;
}

// ---------------------------------------------------------------------------------------------------
// Message path

LRESULT CALLBACK TSkinControl::ThunkProc(HWND Self, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Control = reinterpret_cast<TSkinControl*>(Self);
  TMessage Message{Msg, WParam, LParam, 0};
  Control->NewWndProc(Message);  // catches everything itself
  return Message.Result;
}

void TSkinControl::NewWndProc(TMessage& Message) {
  TCallFrame Frame{&Message, false, false, FCall};
  FCall = &Frame;
  try {
    FHandled = false;
    if (Message.Msg == WM_SKIN_SWITCH) {
      FActive = Message.WParam > 0;
      // Either way the control shows its new look at once.
      Invalidate();
    } else if (!FActive) {
      Default(Message);
    } else if (BeforeProc(Message) && !Frame.Dead) {
      Default(Message);
      if (!Frame.Dead) AfterProc(Message);
    }
  } catch (...) {
    // The message still takes its default path, once; a framework control's application code that
    // failed is reported the way the framework reports it.
    if (Frame.Dead) return;
    if (!Frame.Passed) {
      try {
        Default(Message);
      } catch (...) {
      }
    }
    if (Frame.Dead) return;
    if (FControl) ReportException(FControl);
  }
  if (!Frame.Dead) FCall = Frame.Outer;
}

void TSkinControl::Default(TMessage& Message) {
  if (FCall && FCall->Message == &Message) FCall->Passed = true;
  if (FOldWindowProc.Assigned()) {
    FOldWindowProc(Message);
    return;
  }
  if (!FObjectInstance || !FHandle) return;
  // The old procedure gets the message in the form it arrived in at our thunk.
  Message.Result = FHookedWindowUnicode
                       ? CallWindowProcW(FOldWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam)
                       : CallWindowProcA(FOldWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

bool TSkinControl::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCDESTROY:
      FStatus = kControlDestroyed;
      Default(Message);
      if (FActive) Unsubclass();
      return false;
    case WM_SKIN_QUERY:
      Message.Result = 1;
      return false;
  }
  return true;
}

void TSkinControl::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case WM_PAINT:
      PaintControl(reinterpret_cast<HDC>(Message.WParam));
      break;
  }
}

void TSkinControl::Invalidate() {
  if (FGraphicControl) {
    FGraphicControl->Invalidate();
    return;
  }
  if (HWND Wnd = LiveHandle(); Wnd && IsWindow(Wnd)) {
    InvalidateRect(Wnd, nullptr, TRUE);
    UpdateWindow(Wnd);
  }
}

void TSkinControl::MouseLeave() {
  if (HWND Wnd = LiveHandle()) SendMessageW(Wnd, CM_MOUSELEAVE, 0, 0);
}

LONG_PTR TSkinControl::GetWindowLongEx(HWND Handle, int Index) const {
  return FUnicode ? GetWindowLongPtrW(Handle, Index) : GetWindowLongPtrA(Handle, Index);
}

// ---------------------------------------------------------------------------------------------------
// Painting

void TSkinControl::WMPaint(TMessage& Message) {
  HWND Wnd = LiveHandle();
  if (!Wnd) return;
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  PAINTSTRUCT Paint{};
  struct TEndPaint {
    HWND Wnd;
    PAINTSTRUCT* Paint;
    ~TEndPaint() {
      if (Wnd) EndPaint(Wnd, Paint);
    }
  } End{nullptr, &Paint};
  if (!DC) {
    DC = BeginPaint(Wnd, &Paint);
    End.Wnd = Wnd;
  }
  RECT R;
  if (DC && ReadWindowRect(Wnd, R)) {
    try {
      DrawControl(DC, R);
    } catch (...) {
      // Painting never fails a message; the control keeps its last image.
    }
  }
}

bool TSkinControl::ReadWindowRect(HWND Wnd, RECT& AtOrigin) {
  RECT R;
  if (!GetWindowRect(Wnd, &R)) return false;
  FWindowRect = R;
  OffsetRect(&R, -R.left, -R.top);
  AtOrigin = R;
  return true;
}

void TSkinControl::PaintWindow(HDC DC, const std::function<void(HDC, const RECT&)>& Draw) {
  HWND Wnd = LiveHandle();
  RECT R;
  if (!Wnd || !ReadWindowRect(Wnd, R)) return;
  try {
    if (DC) {
      Draw(DC, R);
    } else {
      TWholeWindowDC WindowDC(Wnd);
      if (WindowDC.Get()) Draw(WindowDC.Get(), R);
    }
  } catch (...) {
    // Painting never raises.
  }
}

void TSkinControl::PaintControl(HDC DC) {
  PaintWindow(DC, [this](HDC Target, const RECT& Rect) { DrawControl(Target, Rect); });
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::PaintWindowlessChildren(HDC DC) {
  TWinControl* Parent = WinControl();
  if (!Parent || !DC) return;
  std::vector<TControl*> Children;
  for (int I = 0; I < Parent->ControlCount(); ++I) Children.push_back(Parent->Controls(I));
  for (TControl* Control : Children) {
    if (!Control || dynamic_cast<TWinControl*>(Control) || !Control->Visible()) continue;
    if (Control->Width() <= 0 || Control->Height() <= 0) continue;
    const int Saved = SaveDC(DC);
    POINT Origin{};
    GetViewportOrgEx(DC, &Origin);
    SetViewportOrgEx(DC, Origin.x + Control->Left(), Origin.y + Control->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, Control->Width(), Control->Height());
    Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    if (Saved) RestoreDC(DC, Saved);
  }
}

void TSkinControl::WMERASEBKGND(TMessage& Message) {
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  if (DC) {
    if (FControl) {
      DrawParentImage(FControl, DC);
    } else if (HWND Wnd = LiveHandle()) {
      RECT R;
      GetClientRect(Wnd, &R);
      FillParentBG(DC, R);
    }
  }
  Message.Result = 1;
}

void TSkinControl::DrawBuf(HDC DC, const RECT& Rect) {
  if (!BG || !DC || Inverted(Rect)) return;
  BitBlt(DC, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top, BG->Canvas()->Handle(), 0,
         0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// Drawing helpers

void TSkinControl::DrawSkinMap(HDC DC, const RECT& Rect, TDataSkinObject* Skin, int FrameIndex,
                               int FrameCount) {
  if (!DC || !Skin || !Skin->Bitmap || Skin->Bitmap->Empty() || Inverted(Rect)) return;
  auto Map = GetHMap(Rect, Skin->Bitmap.get(), Skin->Margins, FrameIndex, FrameCount, Skin->Tile, 0);
  if (!Map || Map->Empty()) return;
  if (Skin->Trans == 1)
    DrawTranmap(DC, Rect, Map.get(), kKeyColor);
  else
    BitBlt(DC, Rect.left, Rect.top, Map->Width(), Map->Height(), Map->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSkinControl::DrawBMPSkin(TBitmap* Bitmap, const RECT& Rect, TDataSkinObject* Skin, int FrameIndex,
                               int FrameCount, int Transparent) {
  if (!Bitmap || !Skin || !Skin->Bitmap || Skin->Bitmap->Empty() || Inverted(Rect)) return;
  auto Map = GetHMap(Rect, Skin->Bitmap.get(), Skin->Margins, FrameIndex, FrameCount, Skin->Tile, 0);
  HDC DC = Bitmap->Canvas()->Handle();
  FillColor(DC, Rect, SchemeColor(csButtonFace));
  if (!Map || Map->Empty()) return;
  const RECT At{0, 0, Map->Width(), Map->Height()};
  if (Transparent == 1)
    DrawTranmap(DC, At, Map.get(), kKeyColor);
  else
    BitBlt(DC, 0, 0, Map->Width(), Map->Height(), Map->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSkinControl::DrawSkin(const RECT& Rect, TDataSkinObject* Skin, int FrameIndex, int FrameCount,
                            int Transparent) {
  DrawBMPSkin(BG, Rect, Skin, FrameIndex, FrameCount, Transparent);
}

namespace {

// Frame FrameIndex of a strip of FrameCount equal frames, stretched to Rect and drawn at Rect's
// top-left with magenta transparent. Margins are not kept.
void DrawStripFrame(HDC DC, const RECT& Rect, TBitmap* Bitmap, int FrameIndex, int FrameCount) {
  if (!DC || !Bitmap || Bitmap->Empty() || Inverted(Rect)) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W == 0 || H == 0) return;
  const int Count = std::max(FrameCount, 1);
  const int Index = std::clamp(FrameIndex, 1, Count);
  const int FrameWidth = Bitmap->Width() / Count;
  if (FrameWidth <= 0) return;
  TBitmap Frame(W, H);
  HDC FrameDC = Frame.Canvas()->Handle();
  SetStretchBltMode(FrameDC, COLORONCOLOR);
  StretchBlt(FrameDC, 0, 0, W, H, Bitmap->Canvas()->Handle(), (Index - 1) * FrameWidth, 0, FrameWidth,
             Bitmap->Height(), SRCCOPY);
  DrawTranmap(DC, Rect, &Frame, kKeyColor);
}

}  // namespace

void TSkinControl::DrawSkinMap1(HDC DC, const RECT& Rect, TBitmap* Bitmap, int FrameIndex, int FrameCount) {
  DrawStripFrame(DC, Rect, Bitmap, FrameIndex, FrameCount);
}

void TSkinControl::DrawSkinMap2(HDC DC, const RECT& Rect, TBitmap* Bitmap, int FrameIndex, int FrameCount) {
  DrawStripFrame(DC, Rect, Bitmap, FrameIndex, FrameCount);
}

void TSkinControl::DrawSkinMap3(TCanvas* Canvas, const RECT& Rect, TBitmap* Bitmap, int FrameIndex,
                                int FrameCount) {
  if (Canvas) DrawStripFrame(Canvas->Handle(), Rect, Bitmap, FrameIndex, FrameCount);
}

void TSkinControl::FillBG(HDC DC, const RECT& Rect) {
  FillColor(DC, Rect, SchemeColor(csButtonFace));
}

void TSkinControl::FillParentBG(HDC DC, const RECT& Rect) {
  FillColor(DC, Rect, GetParentColor(SchemeColor(csButtonFace)));
}

TColor TSkinControl::GetParentColor(TColor Default) {
  if (!FControl || !FControl->Parent()) return Default;
  const TPropInfo* Prop = GetPropInfo(FControl->Parent(), "Color");
  if (!Prop || !Prop->IsOrdinal()) return Default;
  try {
    return static_cast<TColor>(GetOrdProp(FControl->Parent(), *Prop));
  } catch (...) {
    return Default;
  }
}

UINT TSkinControl::CheckBiDi(UINT Flags) {
  if ((FControl && FControl->UseRightToLeftReading()) ||
      (FGraphicControl && FGraphicControl->UseRightToLeftReading()))
    Flags |= DT_RTLREADING;
  return Flags;
}

namespace {

// Text placed in Rect as the captions of the skinned controls are: measured, centred horizontally
// for centre alignment (left and right kept otherwise), one pixel above the vertical centre.
RECT PlaceCaption(HDC DC, const RECT& Rect, const WideString& Text, UINT Flags) {
  RECT Measured = Rect;
  DrawWideText(DC, Text, Measured, Flags | DT_CALCRECT);
  const int TextW = Measured.right - Measured.left;
  const int TextH = Measured.bottom - Measured.top;
  RECT Placed = Rect;
  if (Flags & DT_CENTER) {
    Placed.left = Rect.left + (Rect.right - Rect.left - TextW) / 2;
    Placed.right = Placed.left + TextW;
  }
  Placed.top = Rect.top + (Rect.bottom - Rect.top - TextH) / 2 - 1;
  Placed.bottom = Placed.top + TextH;
  return Placed;
}

void PrepareCaptionCanvas(TCanvas* Canvas, bool Enabled) {
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Font()->SetStyle(TFontStyles());
  if (!Enabled) Canvas->Font()->SetColor(SystemColor(COLOR_BTNSHADOW));
}

}  // namespace

void TSkinControl::DrawCaption(TCanvas* Canvas, const RECT& Rect, const WideString& Text, bool Enabled,
                               bool /*Spare*/, UINT Alignment) {
  if (!Canvas) return;
  const UINT Flags = Alignment | DT_EXPANDTABS;
  PrepareCaptionCanvas(Canvas, Enabled);
  HDC DC = Canvas->Handle();
  SetBkMode(DC, TRANSPARENT);
  Canvas->TextExtent("");  // selects the canvas's font into the DC
  RECT Placed = PlaceCaption(DC, Rect, Text, Flags);
  SetTextColor(DC, ColorToRGB(Canvas->Font()->Color()));
  DrawWideText(DC, Text, Placed, CheckBiDi(Flags));
}

void TSkinControl::DrawImageText(TCanvas* Canvas, const RECT& Rect, UINT Alignment, UINT Lines,
                                 const WideString& Text, int ImageIndex, TImageList* ImageList) {
  if (!Canvas) return;
  const UINT Flags = Lines | DT_EXPANDTABS | DT_END_ELLIPSIS;
  const int RectW = Rect.right - Rect.left;
  const int RectH = Rect.bottom - Rect.top;
  const bool HasImage = ImageIndex != -1 && ImageList && ImageList->Width() < RectW;
  const int ImageW = HasImage ? ImageList->Width() : 0;
  Canvas->Brush()->SetStyle(bsClear);
  if (!FEnabled) Canvas->Font()->SetColor(SystemColor(COLOR_BTNSHADOW));
  HDC DC = Canvas->Handle();
  Canvas->TextExtent("");  // selects the canvas's font
  SetBkMode(DC, TRANSPARENT);
  RECT Measured{0, 0, std::max(RectW - ImageW, 0), RectH};
  DrawWideText(DC, Text, Measured, Flags | DT_CALCRECT);
  const int TextW = std::min<int>(Measured.right - Measured.left, RectW - ImageW);
  const int TextH = Measured.bottom - Measured.top;
  const int Free = RectW - ImageW - TextW;
  int Left = 3;
  if (Alignment & DT_CENTER)
    Left = Free / 2;
  else if (Alignment & DT_RIGHT)
    Left = Free - 2;
  Left = std::max(Left, 1);
  int X = Rect.left + Left;
  if (HasImage) {
    ImageList->Draw(Canvas, X, Rect.top + (RectH - ImageList->Height()) / 2, ImageIndex, FEnabled);
    X += ImageW;
  }
  RECT TextRect{X, Rect.top + (RectH - TextH) / 2, std::min<LONG>(X + std::max(TextW, 0), Rect.right), 0};
  TextRect.bottom = TextRect.top + TextH;
  SetTextColor(DC, ColorToRGB(Canvas->Font()->Color()));
  DrawWideText(DC, Text, TextRect, CheckBiDi(Flags));
}

void TSkinControl::DrawFocus(HDC DC, const WideString& /*Text*/, const RECT& Rect, UINT Flags) {
  if (!DC) return;
  RECT Measured = Rect;
  DrawWideText(DC, FCaption, Measured, Flags | DT_CALCRECT);
  const int TextW = Measured.right - Measured.left;
  const int TextH = Measured.bottom - Measured.top;
  RECT Focus = Measured;
  if (Flags & DT_CENTER) {
    Focus.left = Rect.left + (Rect.right - Rect.left - TextW) / 2;
    Focus.top = Rect.top + (Rect.bottom - Rect.top - TextH) / 2 - 1;
  } else {
    if (Flags & DT_RIGHT) Focus.left = Rect.right - TextW;
    Focus.top = Rect.top + (Rect.bottom - Rect.top - TextH) / 2;
  }
  Focus.right = Focus.left + TextW;
  Focus.bottom = Focus.top + TextH;
  InflateRect(&Focus, 2, 1);
  RECT Clipped;
  if (!IntersectRect(&Clipped, &Focus, &Rect)) return;
  SetTextColor(DC, RGB(0, 0, 0));
  SetBkColor(DC, RGB(255, 255, 255));
  DrawFocusRect(DC, &Clipped);
}

int TSkinControl::TextHeight(HDC DC, const WideString& Text) {
  SIZE Size{0, 0};
  if (DC) GetTextExtentPoint32W(DC, WidePtr(Text), static_cast<int>(Text.size()), &Size);
  return Size.cy;
}

// ---------------------------------------------------------------------------------------------------
// TSkinTransObj

bool TSkinTransObj::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (Message.WParam)
        SetBkColor(reinterpret_cast<HDC>(Message.WParam), ColorToRGB(SchemeColor(csButtonFace)));
      break;
    case WM_ERASEBKGND:
      if (HWND Wnd = LiveHandle(); Wnd && Message.WParam)
        FillBG(reinterpret_cast<HDC>(Message.WParam), WindowRectAtOrigin(Wnd));
      Message.Result = 1;
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// Free functions

RECT WindowRectAtOrigin(HWND Wnd) {
  RECT R{};
  if (!GetWindowRect(Wnd, &R)) return RECT{};
  return RECT{0, 0, R.right - R.left, R.bottom - R.top};
}

int DrawWideText(HDC DC, const WideString& Text, RECT& Rect, UINT Flags) {
  if (!DC) return 0;
  return DrawTextW(DC, WidePtr(Text), static_cast<int>(Text.size()), &Rect, Flags);
}

WideString WindowTextOf(HWND Wnd) {
  if (!Wnd) return {};
  if (Win32PlatformIsUnicode) {
    const int Length = GetWindowTextLengthW(Wnd);
    if (Length <= 0) return {};
    std::wstring Buffer(static_cast<std::size_t>(Length) + 1, L'\0');
    const int Got = GetWindowTextW(Wnd, Buffer.data(), Length + 1);
    Buffer.resize(static_cast<std::size_t>(std::clamp(Got, 0, Length)));
    return WideString(Buffer.begin(), Buffer.end());
  }
  char Buffer[1001] = {};
  const LRESULT Got = SendMessageA(Wnd, WM_GETTEXT, 1000, reinterpret_cast<LPARAM>(Buffer));
  const int Length = static_cast<int>(std::clamp<LRESULT>(Got, 0, 1000));
  if (Length == 0) return {};
  const int WideLength = MultiByteToWideChar(CP_ACP, 0, Buffer, Length, nullptr, 0);
  std::wstring Wide(static_cast<std::size_t>(std::max(WideLength, 0)), L'\0');
  if (WideLength > 0) MultiByteToWideChar(CP_ACP, 0, Buffer, Length, Wide.data(), WideLength);
  return WideString(Wide.begin(), Wide.end());
}

void CopyBMP(TBitmap* Source, TBitmap* Target) {
  if (!Source || !Target || Source == Target) return;
  Target->SetPixelFormat(Source->PixelFormat());
  Target->SetSize(Source->Width(), Source->Height());
  if (Source->Empty()) return;
  BitBlt(Target->Canvas()->Handle(), 0, 0, Source->Width(), Source->Height(), Source->Canvas()->Handle(), 0,
         0, SRCCOPY);
}

void FillColor(HDC DC, const RECT& Rect, TColor Color) {
  if (!DC || Inverted(Rect)) return;
  TGdiBrush Brush(CreateSolidBrush(ColorToRGB(Color)));
  ::FillRect(DC, &Rect, Brush.Get());
}

void MyDrawCaption(TCanvas* Canvas, const RECT& Rect, const WideString& Text, UINT Alignment, bool Enabled) {
  if (!Canvas) return;
  const UINT Flags = Alignment | DT_EXPANDTABS;
  PrepareCaptionCanvas(Canvas, Enabled);
  HDC DC = Canvas->Handle();
  Canvas->TextExtent("");
  SetBkMode(DC, TRANSPARENT);
  RECT Placed = PlaceCaption(DC, Rect, Text, Flags);
  SetTextColor(DC, ColorToRGB(Canvas->Font()->Color()));
  DrawWideText(DC, Text, Placed, Flags);
}

void MyDrawImgCaption(TCanvas* Canvas, const RECT& Rect, TImageList* Images, UINT Alignment, bool Enabled,
                      int ImageIndex, const WideString& Text) {
  if (!Canvas) return;
  RECT TextRect = Rect;
  if (Images && ImageIndex >= 0) {
    Images->Draw(Canvas, Rect.left + 6, Rect.top + 1, ImageIndex, Enabled);
    TextRect.left = Rect.left + 6 + 16;
  }
  MyDrawCaption(Canvas, TextRect, Text, Alignment | DT_CENTER, Enabled);
}

void DrawArrow(TCanvas* Canvas, int X, int Y, int Kind) {
  if (!Canvas) return;
  auto Row = [&](int Y0, int X0, int X1) {
    Canvas->MoveTo(X0, Y0);
    Canvas->LineTo(X1, Y0);
  };
  auto Column = [&](int X0, int Y0, int Y1) {
    Canvas->MoveTo(X0, Y0);
    Canvas->LineTo(X0, Y1);
  };
  switch (Kind) {
    case 0:  // up: tip at Y - 1, base 9 wide at Y + 4
      Row(Y - 1, X, X + 1);
      for (int I = 0; I <= 4; ++I) Row(Y + I, X - I, X + I + 1);
      break;
    case 1:  // down: the same mirrored, 3 pixels lower
      for (int I = 0; I <= 4; ++I) Row(Y + 2 + I, X - 4 + I, X + 5 - I);
      Row(Y + 7, X, X + 1);
      break;
    case 2:  // left, 4 high and 2 wide
      Column(X, Y + 1, Y + 3);
      Column(X + 1, Y, Y + 4);
      break;
    case 3:  // right
      Column(X, Y, Y + 4);
      Column(X + 1, Y + 1, Y + 3);
      break;
  }
}
