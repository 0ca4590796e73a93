// Edits (a flat border over the system's) and spin buttons (drawn whole from the skin).
#include "skin/controls/SkinEdits.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/SkinDrawUtil.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/SkinPaint.h"

using skinctl::FrameColor;
using skinctl::HasImage;

namespace {

constexpr TColor kWhite = 0xFFFFFF;
// The engine asks a skinned edit to paint itself into the DC of the first parameter.
constexpr UINT WM_SKIN_PAINT_INTO = 0xBC4A;

bool IsDeviceContext(HDC DC) {
  if (!DC) return false;
  switch (GetObjectType(DC)) {
    case OBJ_DC:
    case OBJ_MEMDC:
    case OBJ_METADC:
    case OBJ_ENHMETADC:
      return true;
  }
  return false;
}

bool IsSpinClass(HWND Wnd) {
  wchar_t Name[101] = {};
  GetClassNameW(Wnd, Name, 101);
  std::wstring Lower(Name);
  for (wchar_t& C : Lower) C = static_cast<wchar_t>(towlower(C));
  return Lower == L"msctls_updown32" || Lower.find(L"spin") != std::wstring::npos ||
         Lower.find(L"updown") != std::wstring::npos;
}

// A caller's DC with its clipping lifted for the scope: an edit painting or printing into a given DC
// leaves it clipped to its client area, and the border lies outside that.
class TUnclipped {
 public:
  explicit TUnclipped(HDC DC) : FDC(DC), FSaved(DC ? SaveDC(DC) : 0) {
    if (FSaved) SelectClipRgn(FDC, nullptr);
  }
  TUnclipped(const TUnclipped&) = delete;
  TUnclipped& operator=(const TUnclipped&) = delete;
  ~TUnclipped() {
    if (FSaved) RestoreDC(FDC, FSaved);
  }

 private:
  HDC FDC;
  int FSaved;
};

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TSkinEdit

TSkinEdit::~TSkinEdit() {
  // The spin button's skin was made for this edit; it goes with it.
  delete FUpDown;
}

void TSkinEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FUpDown) FUpDown = nullptr;
}

void TSkinEdit::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: {
      const HDC DC = reinterpret_cast<HDC>(Message.WParam);
      TUnclipped Scope(DC);
      PaintControl(DC);
      return;
    }
    case WM_PRINT: {
      const HDC DC = reinterpret_cast<HDC>(Message.WParam);
      TUnclipped Scope(DC);
      PaintControl1(DC);
      return;
    }
    case WM_SKIN_PAINT_INTO:
      if (Message.LParam != kEngineMarker) break;
      if (HWND Wnd = LiveHandle(); Wnd && IsDeviceContext(reinterpret_cast<HDC>(Message.WParam)))
        SendMessageW(Wnd, WM_PAINT, Message.WParam, 0);
      Message.Result = kEngineMarker;
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinEdit::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC) return;
  if (FSkinData && FSkinData->SkinControls.Contains(xcSpin) && !FUpDown) FindUPDown(Wnd, FSkinData, FCanvas);
  RECT Client;
  if (!GetClientRect(Wnd, &Client)) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (Client.right >= W || Client.bottom >= H) return;  // no border to cover
  RECT R = Rect;
  FrameColor(DC, R, SchemeColor(csButtonShadow));
  InflateRect(&R, -1, -1);
  FrameColor(DC, R, kWhite);
  InflateRect(&R, -1, -1);
  FrameColor(DC, R, kWhite);
}

void TSkinEdit::DrawControl1(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC) return;
  RECT Client;
  if (!GetClientRect(Wnd, &Client)) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (Client.right >= W - 2 || Client.bottom >= H - 2) return;
  RECT Inner = Rect;
  InflateRect(&Inner, -1, -1);
  FrameRect(DC, &Inner, static_cast<HBRUSH>(GetCurrentObject(DC, OBJ_BRUSH)));
  FrameColor(DC, Rect, SchemeColor(csButtonShadow));
}

void TSkinEdit::PaintControl1(HDC DC) {
  PaintWindow(DC, [this](HDC Target, const RECT& Rect) { DrawControl1(Target, Rect); });
}

void TSkinEdit::FindUPDown(HWND Handle, TSkinData* SkinData, TCanvas* Canvas) {
  if (!Handle || FUpDown) return;
  for (HWND Child = GetWindow(Handle, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT)) {
    if (!IsSpinClass(Child)) continue;
    // Skinned already (by an earlier edit object or anyone else): left as it is.
    if (SendMessageW(Child, WM_SKIN_QUERY, 0, kEngineMarker) == 1) return;
    auto* Spin = new TSkinUpDown(Owner());
    Spin->FEmbedded = true;
    Spin->Inithwnd(Child, SkinData, Canvas, FFormSkin);
    FUpDown = Spin;
    Spin->FreeNotification(this);
    return;
  }
}

// ---------------------------------------------------------------------------------------------------
// TSkinUpDown

bool TSkinUpDown::Horizontal() const {
  HWND Wnd = LiveHandle();
  return FForceHorz || (Wnd && (GetWindowLongPtrW(Wnd, GWL_STYLE) & UDS_HORZ) != 0);
}

int TSkinUpDown::HalfUnderCursor() const {
  HWND Wnd = LiveHandle();
  RECT Window;
  POINT Cursor;
  if (!Wnd || !GetWindowRect(Wnd, &Window) || !GetCursorPos(&Cursor) || !PtInRect(&Window, Cursor)) return -1;
  if (Horizontal()) return Cursor.x - Window.left < (Window.right - Window.left) / 2 ? 0 : 1;
  return Cursor.y - Window.top < (Window.bottom - Window.top) / 2 ? 0 : 1;
}

int TSkinUpDown::ButtonState(const RECT& Half, bool Enabled) const {
  if (!Enabled) return 3;
  HWND Wnd = LiveHandle();
  RECT Window;
  POINT Cursor;
  if (!Wnd || !GetWindowRect(Wnd, &Window) || !GetCursorPos(&Cursor)) return 1;
  const POINT At{Cursor.x - Window.left, Cursor.y - Window.top};
  if (!PtInRect(&Half, At)) return 1;
  if (FState.Contains(scDown)) return 2;
  if (FState.Contains(scMouseIn)) return 4;
  return 1;
}

bool TSkinUpDown::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return false;
    case WM_ERASEBKGND:
      if (HWND Wnd = LiveHandle(); Wnd && !FControl && Message.WParam) {
        RECT Client;
        GetClientRect(Wnd, &Client);
        FillColor(reinterpret_cast<HDC>(Message.WParam), Client, kWhite);
      }
      Message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control's own press runs first: its auto-repeat starts there.
      Default(Message);
      FState.Include(scDown);
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP:
      FState.Exclude(scDown);
      Default(Message);
      PaintControl(nullptr);
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinUpDown::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      HWND Wnd = LiveHandle();
      if (!Wnd || (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_DISABLED)) return;
      if (!FState.Contains(scMouseIn)) {
        FState.Include(scMouseIn);
        DoTrackMouse(Wnd);
      }
      // Repainted only when the cursor moves onto the other button.
      if (const int Half = HalfUnderCursor(); Half != FHotHalf) {
        FHotHalf = Half;
        PaintControl(nullptr);
      }
      return;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      if (FState.Contains(scMouseIn)) {
        FState.Exclude(scMouseIn);
        FHotHalf = -1;
        PaintControl(nullptr);
      }
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinUpDown::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC) return;
  RECT R = Rect;
  if (FEmbedded) {
    // Inside an edit: the white of the edit's own face around us, and its three border pixels kept.
    RECT Client;
    GetClientRect(Wnd, &Client);
    FillColor(DC, Client, kWhite);
    RECT Edit, Self;
    if (HWND Parent = GetParent(Wnd); Parent && GetWindowRect(Parent, &Edit) && GetWindowRect(Wnd, &Self)) {
      if (Self.top - Edit.top < 3) R.top += 3 - (Self.top - Edit.top);
      if (Edit.bottom - Self.bottom < 3) R.bottom -= 3 - (Edit.bottom - Self.bottom);
      if (Edit.right - Self.right < 3) R.right -= 3 - (Edit.right - Self.right);
    }
  }
  const int W = R.right - R.left;
  const int H = R.bottom - R.top;
  if (W <= 0 || H <= 0) return;
  TBitmap Work(W, H);
  if (Work.Empty()) return;
  HDC WorkDC = Work.Canvas()->Handle();
  FillColor(WorkDC, RECT{0, 0, W, H}, SchemeColor(csButtonFace));
  const bool Enabled = (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_DISABLED) == 0;
  const bool Horz = Horizontal();
  TDataSkinBorder* Element = nullptr;
  if (FSkinData) Element = Horz ? FSkinData->UpDownHorz.get() : FSkinData->UpDownVert.get();
  if (!HasImage(Element)) Element = nullptr;
  const RECT Halves[2] = {Horz ? RECT{0, 0, W / 2, H} : RECT{0, 0, W, H / 2},
                          Horz ? RECT{W / 2, 0, W, H} : RECT{0, H / 2, W, H}};
  for (int I = 0; I < 2; ++I) {
    const int Kind = (Horz ? 2 : 0) + I;
    const RECT& Half = Halves[I];
    RECT InWindow = Half;
    OffsetRect(&InWindow, R.left, R.top);
    const int State = ButtonState(InWindow, Enabled);
    if (Element) {
      const int Count = std::max(Element->FrameCount, 1);
      const int Frame = std::min(UpDownFrame(State, Kind), Count);
      DrawRect1(WorkDC, Half, Element->Bitmap.get(), Frame, Count, Element->Trans == 1 ? 1 : 0);
      if (Element->Bitmap2 && !Element->Bitmap2->Empty())
        DrawRect3(WorkDC, Half, Element->Bitmap2.get(), Frame, Count, 1);
      continue;
    }
    TCanvas* Canvas = Work.Canvas();
    Canvas->Pen()->SetColor(SchemeColor(csButtonDkshadow));
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(SchemeColor(State == 2 || State == 4 ? csButtonShadow : csButtonFace));
    Canvas->Rectangle(Half);
    const int X = (Half.left + Half.right) / 2;
    const int Y = (Half.top + Half.bottom) / 2 - (Kind < 2 ? 2 : 0);
    DrawArrow(Canvas, X, Y, Kind);
  }
  BitBlt(DC, R.left, R.top, W, H, WorkDC, 0, 0, SRCCOPY);
}
