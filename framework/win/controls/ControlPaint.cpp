#include "framework/win/controls/ControlPaint.h"

#include <algorithm>
#include <cwctype>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Colors.h"

wchar_t AcceleratorChar(const String& Text) {
  const std::wstring Wide = Utf8ToWide(Text);
  for (size_t I = 0; I + 1 < Wide.size(); ++I) {
    if (Wide[I] != L'&') continue;
    if (Wide[I + 1] != L'&') return static_cast<wchar_t>(std::towlower(Wide[I + 1]));
    ++I;
  }
  return 0;
}

bool IsAccelerator(WPARAM Char, const String& Text) {
  const wchar_t Key = AcceleratorChar(Text);
  return Key && Key == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(Char)));
}

void Frame3D(TCanvas* Canvas, RECT& Rect, TColor TopLeft, TColor BottomRight, int Width) {
  if (!Canvas) return;
  HDC DC = Canvas->Handle();
  for (int I = 0; I < Width && Rect.right - Rect.left > 0 && Rect.bottom - Rect.top > 0; ++I) {
    const RECT Top{Rect.left, Rect.top, Rect.right - 1, Rect.top + 1};
    const RECT Left{Rect.left, Rect.top, Rect.left + 1, Rect.bottom - 1};
    const RECT Bottom{Rect.left, Rect.bottom - 1, Rect.right, Rect.bottom};
    const RECT Right{Rect.right - 1, Rect.top, Rect.right, Rect.bottom};
    TGdiBrush Light(CreateSolidBrush(ColorToRGB(TopLeft)));
    TGdiBrush Dark(CreateSolidBrush(ColorToRGB(BottomRight)));
    FillRect(DC, &Top, Light.Get());
    FillRect(DC, &Left, Light.Get());
    FillRect(DC, &Bottom, Dark.Get());
    FillRect(DC, &Right, Dark.Get());
    InflateRect(&Rect, -1, -1);
  }
}

UINT AccelFlags(bool ShowAccelChar) {
  return ShowAccelChar ? 0 : DT_NOPREFIX;
}

void DrawStateText(TCanvas* Canvas, const String& Text, RECT Rect, UINT Flags, bool Enabled) {
  if (!Canvas) return;
  const TBrushStyle OldStyle = Canvas->Brush()->Style();
  Canvas->Brush()->SetStyle(bsClear);
  if (Enabled) {
    Canvas->DrawText(Text, Rect, Flags);
  } else {
    const TColor OldColor = Canvas->Font()->Color();
    RECT Shifted = Rect;
    OffsetRect(&Shifted, 1, 1);
    Canvas->Font()->SetColor(clBtnHighlight);
    Canvas->DrawText(Text, Shifted, Flags);
    Canvas->Font()->SetColor(clBtnShadow);
    Canvas->DrawText(Text, Rect, Flags);
    Canvas->Font()->SetColor(OldColor);
  }
  Canvas->Brush()->SetStyle(OldStyle);
}

void MakeDisabledImage(TBitmap* Source, TBitmap* Target) {
  if (!Source || !Target) return;
  const int W = Source->Width(), H = Source->Height();
  Target->SetPixelFormat(pf24bit);
  Target->SetSize(W, H);
  if (W <= 0 || H <= 0) return;
  TCanvas* Out = Target->Canvas();
  Out->Brush()->SetColor(clBtnFace);
  Out->FillRect({0, 0, W, H});
  TCanvas* In = Source->Canvas();
  const TColor Back = In->Pixel(0, H - 1);
  const TColor Face = ColorToRGB(clBtnFace);
  const TColor Highlight = ColorToRGB(clBtnHighlight), Shadow = ColorToRGB(clBtnShadow);
  // Two passes: the highlight one pixel down and right, the shadow in place over it.
  for (int Pass = 0; Pass < 2; ++Pass)
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        const TColor C = In->Pixel(X, Y);
        if (C == Back) continue;
        // Light pixels of the picture stay out of the emboss, as in the system's disabled look.
        const int Luma = (GetRValue(C) * 30 + GetGValue(C) * 59 + GetBValue(C) * 11) / 100;
        if (Luma > 192 && C != Face) continue;
        if (Pass == 0 && X + 1 < W && Y + 1 < H)
          Out->SetPixel(X + 1, Y + 1, Highlight);
        else if (Pass == 1)
          Out->SetPixel(X, Y, Shadow);
      }
  Target->SetTransparentMode(tmFixed);
  Target->SetTransparentColor(Face);
}
