// Header controls drawn from the "Headerbar" element, and list views with skinned bars and header.
#include "skin/controls/SkinHeaders.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "framework/win/graphics/ImageList.h"
#include "skin/controls/LentImages.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SkinPaint.h"

namespace {

constexpr TColor kKeyColor = 0xFF00FF;
constexpr int kHeaderTextMax = 200;

TDataSkinObject* HeaderElement(TSkinData* Data) {
  TDataSkinObject* Element = Data ? Data->Headerbar.get() : nullptr;
  return Element && Element->Bitmap && !Element->Bitmap->Empty() ? Element : nullptr;
}

// A frame of the element laid over R of the canvas (magenta transparent when the element says so).
void DrawHeaderFrame(HDC DC, const RECT& R, TDataSkinObject* Element, int Frame) {
  if (R.right <= R.left || R.bottom <= R.top) return;
  auto Map = GetHMap(RECT{0, 0, R.right - R.left, R.bottom - R.top}, Element->Bitmap.get(), Element->Margins,
                     Frame, std::max(Element->FrameCount, 1), Element->Tile, 0);
  if (!Map || Map->Empty()) return;
  if (Element->Trans == 1)
    DrawTranmap(DC, R, Map.get(), kKeyColor);
  else
    BitBlt(DC, R.left, R.top, Map->Width(), Map->Height(), Map->Canvas()->Handle(), 0, 0, SRCCOPY);
}

}  // namespace

void AssignControlFont(TCanvas* Canvas, TControl* Control, HWND Wnd) {
  if (!Canvas) return;
  if (auto* Font = static_cast<TFont*>(GetObjProp(Control, "Font", TFont::StaticClass()))) {
    Canvas->Font()->Assign(Font);
    return;
  }
  auto Handle = Wnd ? reinterpret_cast<HFONT>(SendMessageW(Wnd, WM_GETFONT, 0, 0)) : nullptr;
  if (!Handle) Handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW Log{};
  if (Handle && GetObjectW(Handle, sizeof Log, &Log) == sizeof Log) {
    if (HFONT Copy = CreateFontIndirectW(&Log)) Canvas->Font()->SetHandle(Copy);  // the font owns the copy
  }
  Canvas->Font()->SetColor(SystemColor(COLOR_WINDOWTEXT));
}

// ---------------------------------------------------------------------------------------------------
// TSkinHeader

TSkinHeader::~TSkinHeader() {
  FItemRects.clear();
}

void TSkinHeader::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  FHotItem = -1;
}

void TSkinHeader::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  TSkinControl::Inithwnd(Handle, SkinData, Canvas, FormSkin);
  FHotItem = -1;
}

bool TSkinHeader::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      // Without the picture the header paints itself (ours would leave it blank).
      if (!HeaderElement(FSkinData)) break;
      WMPaint(Message);
      return false;
    case WM_ERASEBKGND:
      if (!HeaderElement(FSkinData)) break;
      Message.Result = 1;
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinHeader::AfterProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      WMMouseMove(Message);
      return;
    case WM_MOUSELEAVE:
      FHotItem = -1;
      Invalidate();
      return;
  }
  TSkinControl::AfterProc(Message);
}

void TSkinHeader::WMMouseMove(TMessage& Message) {
  const POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  for (std::size_t I = 0; I < FItemRects.size(); ++I) {
    if (static_cast<int>(I) == FHotItem || !PtInRect(&FItemRects[I], P)) continue;
    FHotItem = static_cast<int>(I);
    Invalidate();
    break;
  }
  if (HWND Wnd = LiveHandle()) DoTrackMouse(Wnd);
}

void TSkinHeader::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  TDataSkinObject* Element = HeaderElement(FSkinData);
  if (!DC || !Wnd || !Element) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return;
  if (!FWork) FWork = std::make_unique<TBitmap>();
  if (FWork->Width() != W || FWork->Height() != H) FWork->SetSize(W, H);
  if (FWork->Empty()) return;
  TCanvas* Canvas = FWork->Canvas();
  HDC WorkDC = Canvas->Handle();
  FillBG(WorkDC, RECT{0, 0, W, H});
  AssignControlFont(Canvas, FControl, Wnd);
  SetBkMode(WorkDC, TRANSPARENT);
  FEnabled = IsWindowEnabled(Wnd) != FALSE;
  TLentImages Images(FControl, Wnd, HDM_GETIMAGELIST);

  const int Count = std::max(0, static_cast<int>(SendMessageW(Wnd, HDM_GETITEMCOUNT, 0, 0)));
  FItemRects.assign(static_cast<std::size_t>(Count), RECT{0, 0, 0, 0});
  int Right = 0;
  for (int I = 0; I < Count; ++I) {
    RECT Item{0, 0, 0, 0};
    if (!SendMessageW(Wnd, HDM_GETITEMRECT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item)))
      continue;
    DrawItem(Images.List, Canvas, I, Item);
    FItemRects[static_cast<std::size_t>(I)] = RECT{Item.left + 3, Item.top, Item.right - 3, Item.bottom};
    Right = std::max<int>(Right, Item.right);
  }
  DrawHeaderFrame(WorkDC, RECT{Right, 0, W, H}, Element, 1);
  BitBlt(DC, Rect.left, Rect.top, W, H, WorkDC, 0, 0, SRCCOPY);
}

void TSkinHeader::DrawItem(TImageList* ImageList, TCanvas* Canvas, int Index, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  TDataSkinObject* Element = HeaderElement(FSkinData);
  if (!Wnd || !Element || !Canvas) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return;
  wchar_t Buffer[kHeaderTextMax + 1] = {};
  HDITEMW Item{};
  Item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  Item.pszText = Buffer;
  Item.cchTextMax = kHeaderTextMax;
  if (!SendMessageW(Wnd, HDM_GETITEMW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item))) return;
  Buffer[kHeaderTextMax] = L'\0';
  const std::wstring Wide(Buffer);
  const WideString Text(Wide.begin(), Wide.end());

  // The item's picture goes straight onto the header's work bitmap, its caption clipped to it.
  DrawHeaderFrame(Canvas->Handle(), Rect, Element, Index == FHotItem ? 2 : 1);
  if (Text.empty()) return;
  const UINT Alignment = (Item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER  ? DT_CENTER
                         : (Item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? DT_RIGHT
                                                                     : DT_LEFT;
  // A clip region of its own, not a saved DC: restoring one would take the canvas's font out of the
  // DC behind the canvas's back.
  HDC DC = Canvas->Handle();
  // The skin's text colour for its header face (its button text unless the element names one), not
  // the window text colour, which a dark face would swallow.
  Canvas->Font()->SetColor(Index == FHotItem ? Element->MouseOverColour2 : Element->NormalColour2);
  TGdiRegion Clip(CreateRectRgnIndirect(&Rect));
  SelectClipRgn(DC, Clip.Get());
  DrawImageText(Canvas, Rect, Alignment, DT_SINGLELINE, Text, (Item.fmt & HDF_IMAGE) ? Item.iImage : -1,
                ImageList);
  SelectClipRgn(DC, nullptr);
}

// ---------------------------------------------------------------------------------------------------
// TSkinListView

TSkinListView::~TSkinListView() {
  // The header object goes with this one (it is owned here); it lets its window go by itself.
  FHeader = nullptr;
}

void TSkinListView::InitScrollbar(TControl* Control, TSkinData* SkinData, TCanvas* Canvas,
                                  TRuzIzivForm* FormSkin) {
  if (FInited) return;
  TSkinScrollbar::InitScrollbar(Control, SkinData, Canvas, FormSkin);
  HWND Wnd = LiveHandle();
  if (!Wnd) return;
  HWND Header = reinterpret_cast<HWND>(SendMessageW(Wnd, LVM_GETHEADER, 0, 0));
  if (!Header || !IsWindow(Header)) return;
  FHeader = new TSkinHeader(this);
  FHeader->Inithwnd(Header, SkinData, Canvas, FormSkin);
}

void TSkinListView::Unsubclass() {
  if (FHeader && FActive) FHeader->Unsubclass();
  TSkinScrollbar::Unsubclass();
}

void TSkinListView::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinScrollbar::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FHeader) FHeader = nullptr;
}
