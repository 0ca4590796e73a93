// Track bars through their custom-draw notifications, progress bars drawn whole.
#include "skin/controls/SkinBars.h"

#include <algorithm>

#include "framework/win/controls/Messages.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/SkinPaint.h"

namespace {

constexpr TColor kKeyColor = 0xFF00FF;

bool HasImage(const TDataSkinObject* Element) {
  return Element && Element->Bitmap && !Element->Bitmap->Empty();
}

// The notification record a (reflected) notification message carries. The skin's own notice shares
// the reflected message's number with the marker as its second parameter, and nothing below the first
// 64 KB of the address space is a record.
const NMHDR* NotifyRecord(const TMessage& Message) {
  if (Message.LParam == kEngineMarker || static_cast<ULONG_PTR>(Message.LParam) < 0x10000) return nullptr;
  return reinterpret_cast<const NMHDR*>(Message.LParam);
}

// Source rows (or columns) [From, From + Count) of Bitmap stretched over Count2 target rows at At,
// keeping the bitmap's width (or height) across.
void StretchPart(HDC DC, TBitmap* Bitmap, bool Vertical, int At, int Across, int Length, int From, int Count,
                 bool Transparent) {
  if (Length <= 0 || Count <= 0) return;
  const int BW = Bitmap->Width();
  const int BH = Bitmap->Height();
  const int W = Vertical ? BW : Length;
  const int H = Vertical ? Length : BH;
  const RECT Target = Vertical ? RECT{Across, At, Across + W, At + H} : RECT{At, Across, At + W, Across + H};
  HDC Source = Bitmap->Canvas()->Handle();
  const int SX = Vertical ? 0 : From;
  const int SY = Vertical ? From : 0;
  const int SW = Vertical ? BW : Count;
  const int SH = Vertical ? Count : BH;
  if (!Transparent) {
    SetStretchBltMode(DC, COLORONCOLOR);
    StretchBlt(DC, Target.left, Target.top, W, H, Source, SX, SY, SW, SH, SRCCOPY);
    return;
  }
  TBitmap Part(W, H);
  HDC PartDC = Part.Canvas()->Handle();
  SetStretchBltMode(PartDC, COLORONCOLOR);
  StretchBlt(PartDC, 0, 0, W, H, Source, SX, SY, SW, SH, SRCCOPY);
  DrawTranmap(DC, Target, &Part, kKeyColor);
}

// A channel picture in three slices along the channel: both caps unscaled, the middle stretched; the
// picture is centred across a channel wider than itself.
void DrawChannel(HDC DC, const RECT& Channel, TDataSkinObject* Element, bool Vertical) {
  TBitmap* Bitmap = Element->Bitmap.get();
  const int Along = Vertical ? Channel.bottom - Channel.top : Channel.right - Channel.left;
  const int Across = Vertical ? Channel.right - Channel.left : Channel.bottom - Channel.top;
  const int Size = Vertical ? Bitmap->Width() : Bitmap->Height();
  const int Extent = Vertical ? Bitmap->Height() : Bitmap->Width();
  if (Along <= 0) return;
  const int Offset = Across > Size ? (Across - Size) / 2 : 0;
  const int Start = Vertical ? Channel.top : Channel.left;
  const int Cross = (Vertical ? Channel.left : Channel.top) + Offset;
  const int Head = std::clamp<int>(Vertical ? Element->Margins.top : Element->Margins.left, 0, Extent);
  const int Tail =
      std::clamp<int>(Vertical ? Element->Margins.bottom : Element->Margins.right, 0, Extent - Head);
  const bool Transparent = Element->Trans == 1;
  StretchPart(DC, Bitmap, Vertical, Start, Cross, Head, 0, Head, Transparent);
  StretchPart(DC, Bitmap, Vertical, Start + Head, Cross, Along - Head - Tail, Head, Extent - Head - Tail,
              Transparent);
  StretchPart(DC, Bitmap, Vertical, Start + Along - Tail, Cross, Tail, Extent - Tail, Tail, Transparent);
}

// The element's nine-slice image for R drawn into DC at R, magenta transparent.
void DrawElement(HDC DC, const RECT& R, TDataSkinObject* Element, int Frame, int FrameCount, int Tile) {
  if (R.right <= R.left || R.bottom <= R.top) return;
  auto Map = GetHMap(RECT{0, 0, R.right - R.left, R.bottom - R.top}, Element->Bitmap.get(), Element->Margins,
                     Frame, FrameCount, Tile, 0);
  if (Map && !Map->Empty()) DrawTranmap(DC, R, Map.get(), kKeyColor);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TSkinTrackBar

void TSkinTrackBar::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
}

void TSkinTrackBar::Unsubclass() {
  TSkinControl::Unsubclass();
}

void TSkinTrackBar::SkinChange() {
  HWND Wnd = LiveHandle();
  if (!Wnd || !IsWindow(Wnd)) return;
  // Taking the focus makes the control draw itself again through its notifications; the focus then
  // goes back where it was.
  HWND Had = GetFocus();
  SetFocus(Wnd);
  if (Had != Wnd && Had && IsWindow(Had)) SetFocus(Had);
  InvalidateRect(Wnd, nullptr, TRUE);
}

bool TSkinTrackBar::BeforeProc(TMessage& Message) {
  if (Message.Msg == WM_NOTIFY || Message.Msg == CN_NOTIFY) {
    const NMHDR* Header = NotifyRecord(Message);
    if (Header && Header->code == static_cast<UINT>(NM_CUSTOMDRAW) && Header->hwndFrom == FHandle) {
      Message.Result =
          CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(const_cast<NMHDR*>(Header)));  // NOLINT: the record
      return false;
    }
    if (Header) return true;  // other notifications are the control's
  }
  return TSkinControl::BeforeProc(Message);
}

int TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& Info) {
  switch (Info.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      if (Info.dwItemSpec == TBCD_THUMB) {
        Drawthumb(Info.hdc);
        return CDRF_SKIPDEFAULT;
      }
      if (Info.dwItemSpec == TBCD_CHANNEL) {
        DrawTrack(Info.hdc);
        return CDRF_SKIPDEFAULT;
      }
      break;
  }
  return CDRF_DODEFAULT;
}

void TSkinTrackBar::DrawTrack(HDC DC) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !FSkinData) return;
  RECT Channel{0, 0, 0, 0};
  SendMessageW(Wnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&Channel));
  const bool Vertical = (GetWindowLongPtrW(Wnd, GWL_STYLE) & TBS_VERT) != 0;
  // A vertical bar reports its channel as if it lay horizontally, with both axes exchanged; some
  // implementations of the control report it upright instead, which is taken back to the same form.
  if (Vertical && Channel.bottom - Channel.top > Channel.right - Channel.left)
    Channel = RECT{Channel.top, Channel.left, Channel.bottom, Channel.right};
  if (Vertical && HasImage(FSkinData->TrackVert.get())) {
    const RECT Upright{Channel.top, Channel.left, Channel.bottom, Channel.right};
    DrawChannel(DC, Upright, FSkinData->TrackVert.get(), true);
  } else if (HasImage(FSkinData->Track.get())) {
    // Without a vertical picture the channel is drawn lying down, where the control reports it.
    DrawChannel(DC, Channel, FSkinData->Track.get(), false);
  }
}

void TSkinTrackBar::Drawthumb(HDC DC) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !IsWindow(Wnd) || !FSkinData) return;
  RECT Thumb{0, 0, 0, 0};
  SendMessageW(Wnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&Thumb));
  const bool Vertical = (GetWindowLongPtrW(Wnd, GWL_STYLE) & TBS_VERT) != 0;
  TDataSkinObject* Element = FSkinData->TrackbarThumbHorz.get();
  if (Vertical && HasImage(FSkinData->TrackbarThumbVert.get())) Element = FSkinData->TrackbarThumbVert.get();
  if (HasImage(Element)) {
    DrawSkinMap1(DC, Thumb, Element->Bitmap.get(), 2, 5);
    return;
  }
  TGdiPen Pen(CreatePen(PS_SOLID, 1, ColorToRGB(SchemeColor(csButtonShadow))));
  TGdiBrush Brush(CreateSolidBrush(ColorToRGB(SchemeColor(csButtonFace))));
  TSelectObject UsePen(DC, Pen.Get());
  TSelectObject UseBrush(DC, Brush.Get());
  Rectangle(DC, Thumb.left, Thumb.top, Thumb.right, Thumb.bottom);
}

// ---------------------------------------------------------------------------------------------------
// TSkinProgress

int TSkinProgress::FillWidth(int Width, int Position, int Low, int High) {
  if (High <= 0 || Position <= 0 || High <= Low || Width <= 0) return 0;
  const int Fill = MulDiv(Width, Position - Low, High - Low);
  return std::clamp(Fill, 0, Width);
}

bool TSkinProgress::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (!FSkinData || !HasImage(FSkinData->Progress.get())) break;
      WMPaint(Message);
      Message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinProgress::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !FSkinData || !HasImage(FSkinData->Progress.get())) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return;
  const bool Vertical = (GetWindowLongPtrW(Wnd, GWL_STYLE) & PBS_VERTICAL) != 0;
  // Lying down: the fill grows from the left, which the turn at the end puts at the bottom.
  const int WorkW = Vertical ? H : W;
  const int WorkH = Vertical ? W : H;
  TBitmap Work;
  Work.SetPixelFormat(pf24bit);
  Work.SetSize(WorkW, WorkH);
  if (Work.Empty()) return;
  HDC WorkDC = Work.Canvas()->Handle();
  FillBG(WorkDC, RECT{0, 0, WorkW, WorkH});
  const int Position = static_cast<int>(SendMessageW(Wnd, PBM_GETPOS, 0, 0));
  const int High = static_cast<int>(SendMessageW(Wnd, PBM_GETRANGE, FALSE, 0));
  const int Low = static_cast<int>(SendMessageW(Wnd, PBM_GETRANGE, TRUE, 0));
  const int Fill = FillWidth(WorkW, Position, Low, High);
  if (FSkinData->Progress->Style == 0)
    DrawControl0(WorkDC, WorkW, WorkH, Fill);
  else
    DrawControl1(WorkDC, WorkW, WorkH, Fill);
  if (Vertical) Drehen270Grad(&Work);
  BitBlt(DC, Rect.left, Rect.top, W, H, Work.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawControl0(HDC DC, int Width, int Height, int Fill) {
  TDataSkinObject* Bar = FSkinData->Progress.get();
  DrawElement(DC, RECT{0, 0, Width, Height}, Bar, 1, 2, Bar->Tile);
  if (Fill > 0) DrawElement(DC, RECT{0, 0, Fill, Height}, Bar, 2, 2, Bar->Tile);
}

void TSkinProgress::DrawControl1(HDC DC, int Width, int Height, int Fill) {
  TDataSkinObject* Chunk = FSkinData->ProgressChunk.get();
  if (!HasImage(Chunk)) return;
  DrawElement(DC, RECT{0, 0, Width, Height}, FSkinData->Progress.get(), 1, 1, 0);
  if (Fill <= 0) return;
  TBitmap* Picture = Chunk->Bitmap.get();
  const int ChunkW = Picture->Width();
  const int ChunkH = Picture->Height();
  if (Chunk->Tile == 1) {
    // Chunks side by side over the fill, centred across the bar.
    TBitmap Strip(Fill, ChunkH);
    HDC StripDC = Strip.Canvas()->Handle();
    for (int X = 0; X < Fill; X += ChunkW)
      BitBlt(StripDC, X, 0, ChunkW, ChunkH, Picture->Canvas()->Handle(), 0, 0, SRCCOPY);
    const int X = Chunk->Margins.left + 2;
    const int Y = (Height - ChunkH) / 2;
    const RECT At{X, Y, X + Fill, Y + ChunkH};
    if (Chunk->Trans == 1)
      DrawTranmap(DC, At, &Strip, kKeyColor);
    else
      BitBlt(DC, X, Y, Fill, ChunkH, StripDC, 0, 0, SRCCOPY);
    return;
  }
  DrawRectH(DC, RECT{2, 2, 2 + Fill, Height - 2}, Picture, Chunk->Margins, 1, 1, Chunk->Tile);
}
