// Painting the non-client area of a skinned window: the side and bottom borders, the caption strip
// (background, title, buttons, composed in FFrameBitmap) and the band below the caption, all
// composed on a kept surface and copied to the window part by part, so nothing flickers.
#include <algorithm>
#include <optional>

#include "skin/data/SkinData.h"
#include "skin/form/NCObjects.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/form/RuzIzivMenu.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"

namespace {

// The title element's values, with those of an absent element as zero.
struct TTitleMetrics {
  int TextShift = 0;      // Margins.left
  int TextShiftVert = 0;  // Margins.top
  int TextRightClip = 0;  // Margins.right
  int Alignment = 0;
  int BackLeft = 0;
  int BackRight = 0;
  TBitmap* TextBack = nullptr;
};

TTitleMetrics TitleMetrics(const TSkinData* Data) {
  TTitleMetrics M;
  const TDataSkinTitle* Title = Data ? Data->Title.get() : nullptr;
  if (!Title) return M;
  M.TextShift = Title->Margins.left;
  M.TextShiftVert = Title->Margins.top;
  M.TextRightClip = Title->Margins.right;
  M.Alignment = Title->TextAlignment;
  M.BackLeft = Title->TextBackLeft;
  M.BackRight = Title->TextBackRight;
  if (Title->Bitmap && !Title->Bitmap->Empty()) M.TextBack = Title->Bitmap.get();
  return M;
}

int DrawWide(HDC DC, const WideString& Text, RECT& R, UINT Format) {
  return DrawTextW(DC, reinterpret_cast<LPCWSTR>(Text.c_str()), static_cast<int>(Text.size()), &R, Format);
}

}  // namespace

void TRuzIzivForm::WMNCPaint(TMessage& Message) {
  UpdateStyle(true);
  Message.Result = 0;
  if (!FSkinData || !FSkinData->FMainMenuUpdate) return;  // the framework is rebuilding the menu
  if (IsMaximizedMDIChild() || FBorderStyle == sbsNone) {
    Default(Message);
    return;
  }
  UpdateNc(nullptr);
  Message.Result = 0;
}

void TRuzIzivForm::UpdateNc(HDC DC) {
  if (!BG || (FSkinState != kSkinActive && FSkinState != kSkinChanging) || FBorderStyle == sbsNone ||
      IsMaximizedMDIChild() || !FSkinData || !FHandle)
    return;
  // The frame needs the whole window's DC (GetDC would give the client area only).
  std::optional<TWholeWindowDC> WindowDC;
  if (!DC) {
    WindowDC.emplace(FHandle);
    DC = WindowDC->Get();
  }
  if (DC) {
    GetWindowRect(FHandle, &FWindowRect);
    FWindowWidth = FWindowRect.right - FWindowRect.left;
    FWindowHeight = FWindowRect.bottom - FWindowRect.top;
    const int W = FWindowWidth, H = FWindowHeight;
    if (IsIconic(FHandle) || FWindowState == swsMin) {
      DrawFLine(DC);
    } else {
      // Composed off-screen and copied in a few blits: the window gets each pixel once, and the
      // caption strip picks up the side borders from the composition instead of reading them
      // back from the screen. A border the skin cannot draw leaves the window's own pixels, so
      // then the frame goes straight to the window as its parts are drawn.
      const bool Compose = BorderDrawable(kBorderLeft) && BorderDrawable(kBorderRight) &&
                           BorderDrawable(kBorderTop) && BorderDrawable(kBorderBottom);
      TComposeSurface Surface(Compose ? W : 0, Compose ? H : 0);
      const HDC Paint = Surface.DC() ? Surface.DC() : DC;
      Drawborder(kBorderLeft, RECT{0, 0, FLeftWidth, H}, Paint);
      Drawborder(kBorderRight, RECT{W - FRightWidth, 0, W, H}, Paint);
      Drawborder(kBorderBottom, RECT{FLeftWidth, H - FBottomHeight, W - FRightWidth, H}, Paint);
      DrawFLine(Paint);
      const RECT Band{FLeftWidth, FTitleHeight, W - FRightWidth, FTitleHeight + FMenuHeight};
      bool BandDrawn = true;
      if (FSkinMenu)
        FSkinMenu->DrawMenu(Paint, Band);
      else if (FMenuHeight > 0 && FSkinData->FaceBrush)
        FillRect(Paint, &Band, FSkinData->FaceBrush.Get());
      else
        BandDrawn = false;
      if (Paint != DC) {
        auto Copy = [&](int X, int Y, int Width, int Height) {
          if (Width > 0 && Height > 0) BitBlt(DC, X, Y, Width, Height, Paint, X, Y, SRCCOPY);
        };
        const int Top = std::min(H, FTitleHeight + (BandDrawn ? std::max(FMenuHeight, 0) : 0));
        Copy(0, 0, W, Top);
        Copy(0, Top, FLeftWidth, H - Top);
        Copy(W - FRightWidth, Top, FRightWidth, H - Top);
        Copy(FLeftWidth, std::max(Top, H - FBottomHeight), W - FLeftWidth - FRightWidth,
             H - std::max(Top, H - FBottomHeight));
        SetBkMode(DC, OPAQUE);
      }
    }
  }
  FHotObject = nullptr;
}

bool TRuzIzivForm::BorderDrawable(int Kind) const {
  if (!FSkinData || Kind < kBorderLeft || Kind > kBorderBottom) return false;
  const TDataSkinBorder* Border = FSkinData->Borders[Kind - 1].get();
  return Border && Border->Bitmap && !Border->Bitmap->Empty();
}

void TRuzIzivForm::Drawborder(int Kind, const RECT& R, HDC DC) {
  const int W = R.right - R.left, H = R.bottom - R.top;
  if (W < 0 || H < 0 || Kind < kBorderLeft || Kind > kBorderBottom || !FSkinData || !DC) return;
  const TDataSkinBorder* Border = FSkinData->Borders[Kind - 1].get();
  if (!Border || !Border->Bitmap || Border->Bitmap->Empty()) return;
  const int Index = FActive || Border->FrameCount == 1 ? 1 : 2;
  // Rendering the nine slices straight into DC clipped to R gives the pixels of a rendering apart
  // copied 1:1, without a scratch surface per border.
  DrawRect2(DC, R, Border->Bitmap.get(), Border->Margins, Index, Border->FrameCount, 0,
            Border->Tile != 1 ? 1 : 0, Kind >= kBorderTop ? 1 : 0);
}

void TRuzIzivForm::DrawFLine(HDC DC) {
  const int W = FWindowWidth, H = FWindowHeight;
  const RECT C{0, 0, W, FTitleHeight};
  const bool Minimized = IsIconic(FHandle) || FWindowState == swsMin;
  RECT Caption;
  if (Minimized) {
    FFrameBitmap->SetSize(W, H);
    TCanvas* Canvas = FFrameBitmap->Canvas();
    const RECT All{0, 0, W, H};
    Canvas->Brush()->SetColor(FSkinData->Colors[csButtonFace]);
    Canvas->FillRect(All);
    Caption = RECT{0, 0, W, FTitleHeight};
  } else {
    FFrameBitmap->SetSize(W, FTitleHeight);
    // The side borders painted just before stay in the picture.
    BitBlt(FFrameBitmap->Canvas()->Handle(), 0, 0, W, FTitleHeight, DC, 0, 0, SRCCOPY);
    Caption = RECT{FLeftWidth, 0, W - FRightWidth, FTitleHeight};
  }
  if (FFrameBitmap->Empty()) return;
  TCanvas* Canvas = FFrameBitmap->Canvas();
  Drawborder(kBorderTop, Caption, Canvas->Handle());
  DrawLine(Canvas, Caption);
  // Kept so that one button can later be drawn in another state over what lies under it.
  if (!FCaptionBack) FCaptionBack = std::make_unique<TBitmap>();
  FCaptionBack->SetSize(FFrameBitmap->Width(), FFrameBitmap->Height());
  BitBlt(FCaptionBack->Canvas()->Handle(), 0, 0, FFrameBitmap->Width(), FFrameBitmap->Height(),
         Canvas->Handle(), 0, 0, SRCCOPY);
  SetSysbtnRect();
  DrawAllSysbtn(Canvas, C);
  BitBlt(DC, 0, 0, FFrameBitmap->Width(), FFrameBitmap->Height(), Canvas->Handle(), 0, 0, SRCCOPY);
  SetBkMode(DC, OPAQUE);
}

void TRuzIzivForm::DrawLine(TCanvas* Canvas, const RECT& R) {
  if (!Canvas || !FSkinData) return;
  HDC DC = Canvas->Handle();
  const TTitleMetrics Title = TitleMetrics(FSkinData);

  UINT Flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (FLeftScrollBar) Flags |= DT_RIGHT | DT_RTLREADING;

  WideString Caption;
  if (FUnicode) {
    Caption = GetFormCaption(FHandle);
  } else {
    const String Ansi = GetFormCaptionA(FHandle);
    const int Length = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()), nullptr, 0);
    Caption.resize(static_cast<std::size_t>(std::max(Length, 0)));
    if (Length > 0)
      MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()),
                          reinterpret_cast<LPWSTR>(Caption.data()), Length);
  }
  FCaptionText = u"  " + Caption + u" ";

  // The buttons counted from the right edge, sized as they are placed and drawn (an icon button has
  // no bitmap of its own, yet takes the small-icon size).
  FMaxButtonExtent = 0;
  for (std::size_t I = 0; I < FSysButtons.size(); ++I) {
    const TWinSysButton* Button = FSysButtons[I].get();
    if (!Button || !Button->FData || Button->FData->Align != 1 || Button->Empty()) continue;
    if (SysBtnVisible(static_cast<int>(I)))
      FMaxButtonExtent = std::max(FMaxButtonExtent, Button->FData->XCoord);
  }

  TSelectObject Font(DC, FCaptionFont ? FCaptionFont->Handle() : nullptr);
  const int OldMode = SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(FSkinData->Colors[FActive ? csTitleTextActive : csTitleTextNoActive]));

  RECT T{R.left, R.top, R.left, R.top};
  DrawWide(DC, FCaptionText, T, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE);
  const int TextWidth = T.right - T.left, TextHeight = T.bottom - T.top;
  const int Tw = TextWidth + Title.BackLeft + Title.BackRight;
  const int Rw = R.right - R.left;
  int X = 0;
  if (!FLeftScrollBar) {
    if (Title.Alignment == 1)
      X = (Rw - Tw) / 2;
    else if (Title.Alignment == 2)
      X = Rw - Title.TextRightClip - Tw;
    else
      X = Title.TextShift;
  } else {
    if (Title.Alignment == 1)
      X = (Rw - FMaxButtonExtent - Tw) / 2;
    else if (Title.Alignment == 2)
      X = Title.TextShift;
    else
      X = Rw - FMaxButtonExtent - Tw;
  }
  const int Y = (R.bottom - R.top - TextHeight) / 2 + Title.TextShiftVert / 2;
  T = RECT{R.left + X, R.top + Y, R.left + X + Tw, R.top + Y + TextHeight};
  if (FLeftScrollBar && X < 1) T.left = Title.TextShift;

  if (FStyle & WS_POPUP) {
    if (FLeftScrollBar)
      OffsetRect(&T, 10, 0);
    else if (FMaxButtonExtent > 5 && R.right - FMaxButtonExtent - 5 < T.right)
      T.right = R.right - FMaxButtonExtent - 5;
  } else {
    if (FLeftScrollBar)
      OffsetRect(&T, 10, 0);
    else
      T.right = std::min<LONG>(T.right, R.right - Title.TextRightClip);
  }
  if (FBorderStyle == sbsDialog && Title.Alignment == 0) T.left -= 16;  // dialogs show no icon
  FTextRect = T;

  if (Title.TextBack) {
    const RECT Back{T.left, R.top, T.right, R.bottom};
    DrawRectTile(Canvas, Back, Title.TextBack, RECT{Title.BackLeft, 0, Title.BackRight, 0}, FActive ? 1 : 2,
                 2, 1, 1);
  }
  T.left += Title.BackLeft;
  T.right -= Title.BackRight;
  DrawWide(DC, FCaptionText, T, Flags);
  SetBkMode(DC, OldMode);
}
