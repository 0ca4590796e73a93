#include "framework/win/graphics/Canvas.h"

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Graphic.h"

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  InitializeCriticalSection(&FLock);
  FFont->OnChange = TNotifyEvent::Bind<&TCanvas::FontChanged>(this);
  FPen->OnChange = TNotifyEvent::Bind<&TCanvas::PenChanged>(this);
  FBrush->OnChange = TNotifyEvent::Bind<&TCanvas::BrushChanged>(this);
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);  // our objects out of the DC before they go
  DeleteCriticalSection(&FLock);
}

HDC TCanvas::Handle() {
  Changing();
  RequiredState(csHandleValid | csFontValid | csPenValid | csBrushValid);
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (Value == FHandle) return;
  if (FHandle) DeselectHandles();
  FHandle = Value;
  FState = Value ? csHandleValid : 0;
  if (FHandle && FStretchMode) SetStretchBltMode(FHandle, FStretchMode);
}

void TCanvas::Lock() {
  EnterCriticalSection(&FLock);
  ++FLockCount;
}

bool TCanvas::TryLock() {
  if (!TryEnterCriticalSection(&FLock)) return false;
  ++FLockCount;
  return true;
}

void TCanvas::Unlock() {
  --FLockCount;
  LeaveCriticalSection(&FLock);
}

void TCanvas::SetStretchMode(int Value) {
  FStretchMode = Value;
  if (FHandle && Value) SetStretchBltMode(FHandle, Value);
}

void TCanvas::RequiredState(int State) {
  const int Needed = State & ~FState;
  if (!Needed) return;
  if (Needed & csHandleValid) {
    CreateHandle();
    if (!FHandle) throw Exception("Canvas does not allow drawing");
  }
  if (Needed & csFontValid) SelectFont();
  if (Needed & csPenValid) SelectPen();
  if (Needed & csBrushValid) SelectBrush();
}

void TCanvas::SelectFont() {
  SelectObject(FHandle, FFont->Handle());
  SetTextColor(FHandle, ColorToRGB(FFont->Color()));
  FState |= csFontValid;
}

void TCanvas::SelectPen() {
  SelectObject(FHandle, FPen->Handle());
  SetROP2(FHandle, int(FPen->Mode()) + R2_BLACK);
  FState |= csPenValid;
}

void TCanvas::SelectBrush() {
  const HBRUSH Brush = FBrush->Handle();
  UnrealizeObject(Brush);  // pattern origin follows the DC
  SelectObject(FHandle, Brush);
  SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
  SetBkMode(FHandle, FBrush->Style() == bsSolid ? OPAQUE : TRANSPARENT);
  FState |= csBrushValid;
}

// Stock objects take the place of ours, which can then be deleted.
void TCanvas::DeselectHandles() {
  if (!FHandle) return;
  if (FState & csFontValid) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  if (FState & csPenValid) SelectObject(FHandle, GetStockObject(BLACK_PEN));
  if (FState & csBrushValid) SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
  FState &= ~(csFontValid | csPenValid | csBrushValid);
}

void TCanvas::Refresh() {
  DeselectHandles();
}

void TCanvas::FontChanged(TObject*) {
  if (FState & csFontValid) {
    SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
    FState &= ~csFontValid;
  }
}

void TCanvas::PenChanged(TObject*) {
  if (FState & csPenValid) {
    SelectObject(FHandle, GetStockObject(BLACK_PEN));
    FState &= ~csPenValid;
  }
}

void TCanvas::BrushChanged(TObject*) {
  if (FState & csBrushValid) {
    SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
    FState &= ~csBrushValid;
  }
}

void TCanvas::Changing() {
  OnChanging(this);
}
void TCanvas::Changed() {
  OnChange(this);
}

POINT TCanvas::PenPos() {
  RequiredState(csHandleValid);
  POINT P{};
  GetCurrentPositionEx(FHandle, &P);
  return P;
}

void TCanvas::MoveTo(int X, int Y) {
  RequiredState(csHandleValid);
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Polyline(std::span<const POINT> Points) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Polyline(FHandle, Points.data(), int(Points.size()));
  Changed();
}

void TCanvas::Polygon(std::span<const POINT> Points) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Polygon(FHandle, Points.data(), int(Points.size()));
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::FillRect(const RECT& R) {
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  ::FillRect(FHandle, &R, FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const RECT& R) {
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  ::FrameRect(FHandle, &R, FBrush->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const RECT& R) {
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  ::DrawFocusRect(FHandle, &R);
  Changed();
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
  Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  const std::wstring W = Utf8ToWString(Text);
  ExtTextOutW(FHandle, X, Y, 0, nullptr, W.c_str(), UINT(W.size()), nullptr);
  Changed();
}

void TCanvas::TextRect(const RECT& R, int X, int Y, const String& Text) {
  Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  const std::wstring W = Utf8ToWString(Text);
  const UINT Options = ETO_CLIPPED | (FBrush->Style() != bsClear ? ETO_OPAQUE : 0);
  ExtTextOutW(FHandle, X, Y, Options, &R, W.c_str(), UINT(W.size()), nullptr);
  Changed();
}

SIZE TCanvas::TextExtent(const String& Text) {
  RequiredState(csHandleValid | csFontValid);
  const std::wstring W = Utf8ToWString(Text);
  SIZE Size{0, 0};
  GetTextExtentPoint32W(FHandle, W.c_str(), int(W.size()), &Size);
  return Size;
}

int TCanvas::DrawText(const String& Text, RECT& R, UINT Format) {
  Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  std::wstring W = Utf8ToWString(Text);
  // DT_MODIFYSTRING may write an ellipsis into the buffer: give it room.
  W.reserve(W.size() + 4);
  const int Height = ::DrawTextW(FHandle, W.data(), int(W.size()), &R, Format & ~UINT(DT_MODIFYSTRING));
  Changed();
  return Height;
}

TColor TCanvas::Pixel(int X, int Y) {
  RequiredState(csHandleValid);
  return TColor(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
  Changing();
  RequiredState(csHandleValid | csPenValid);
  ::SetPixel(FHandle, X, Y, ColorToRGB(Color));
  Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState(csHandleValid);
  Graphic->Draw(this, RECT{X, Y, X + Graphic->Width(), Y + Graphic->Height()});
  Changed();
}

void TCanvas::StretchDraw(const RECT& R, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState(csHandleValid);
  Graphic->Draw(this, R);
  Changed();
}

void TCanvas::CopyRect(const RECT& Dest, TCanvas* Source, const RECT& SourceRect) {
  if (!Source) return;
  Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  Source->RequiredState(csHandleValid | csBrushValid);
  const int Dw = Dest.right - Dest.left, Dh = Dest.bottom - Dest.top;
  const int Sw = SourceRect.right - SourceRect.left, Sh = SourceRect.bottom - SourceRect.top;
  if (Dw == Sw && Dh == Sh)
    BitBlt(FHandle, Dest.left, Dest.top, Dw, Dh, Source->FHandle, SourceRect.left, SourceRect.top, FCopyMode);
  else
    StretchBlt(FHandle, Dest.left, Dest.top, Dw, Dh, Source->FHandle, SourceRect.left, SourceRect.top, Sw, Sh,
               FCopyMode);
  Changed();
}

RECT TCanvas::ClipRect() {
  RequiredState(csHandleValid);
  RECT R{};
  GetClipBox(FHandle, &R);
  return R;
}
