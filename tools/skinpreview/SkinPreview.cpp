// The preview picture. It draws with the same painting primitives as the engine, with the frame
// and caption laid out the way a sizeable window with minimise and maximise buttons shows them.

#include "tools/skinpreview/SkinPreview.h"

#include <algorithm>
#include <array>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Colors.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/CaptionButtonRules.h"
#include "skin/imaging/SkinElementView.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/package/SkinNotify.h"

namespace {

constexpr TColor kBackground = 0x00E8E8E8;

int FrameWidth(const TBitmap* Bitmap, int FrameCount) {
  if (!Bitmap || Bitmap->Empty()) return 0;
  return Bitmap->Width() / std::max(1, FrameCount);
}

int FrameHeight(const TBitmap* Bitmap, int FrameCount) {
  if (!Bitmap || Bitmap->Empty()) return 0;
  return Bitmap->Height() / std::max(1, FrameCount);
}

bool Usable(const TDataSkinObject* E) {
  return E && E->Bitmap && !E->Bitmap->Empty();
}

void Fill(HDC DC, const RECT& R, TColor Color) {
  TGdiBrush Brush(CreateSolidBrush(ColorToRGB(Color)));
  FillRect(DC, &R, Brush.Get());
}

void Label(TCanvas* Canvas, int X, int Y, const String& Text, TColor Color = 0x00404040) {
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Font()->SetColor(Color);
  Canvas->TextOut(X, Y, Text);
}

// One frame of a strip, unscaled, with its top-left at (X, Y).
void DrawFrameAt(HDC DC, int X, int Y, const TDataSkinObject& E, int Frame, bool Keyed) {
  const int Count = std::max(1, static_cast<int>(E.FrameCount));
  const RECT R{X, Y, X + FrameWidth(E.Bitmap.get(), Count), Y + E.Bitmap->Height()};
  DrawRect3(DC, R, E.Bitmap.get(), Frame, Count, Keyed || E.Trans == 1 ? 1 : 0);
}

// A bare glyph strip (check and radio bitmaps are not records of their own).
void DrawGlyphFrame(HDC DC, int X, int Y, TBitmap* Strip, int Frame, int Count) {
  const RECT R{X, Y, X + FrameWidth(Strip, Count), Y + Strip->Height()};
  DrawRect3(DC, R, Strip, Frame, Count, 1);
}

// Nine-slice of one element into R, like every control painter does.
void DrawElement(HDC DC, const RECT& R, const TDataSkinObject& E, int Frame, int Vertical = 0) {
  DrawRect2(DC, R, E.Bitmap.get(), E.Margins, Frame, std::max(1, static_cast<int>(E.FrameCount)),
            E.Trans == 1 ? 1 : 0, E.Tile, Vertical);
}

// The window the preview shows: sizeable, with system menu, minimise and maximise boxes, not
// maximised, no help box.
skin::TCaptionWindow PreviewWindow(bool Active) {
  skin::TCaptionWindow Window;
  Window.Active = Active;
  Window.MinBox = Window.MaxBox = Window.SystemMenu = true;
  return Window;
}

struct TFrameSizes {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

TFrameSizes FrameSizes(const TSkinData& Data) {
  TFrameSizes S;
  auto Side = [&](TSkinBorderIndex I) -> const TDataSkinBorder* {
    const auto& B = Data.Borders[I];
    return B && B->Bitmap && !B->Bitmap->Empty() ? B.get() : nullptr;
  };
  if (auto* B = Side(sbLeft)) S.Left = FrameWidth(B->Bitmap.get(), B->FrameCount);
  if (auto* B = Side(sbRight)) S.Right = FrameWidth(B->Bitmap.get(), B->FrameCount);
  if (auto* B = Side(sbTop)) S.Top = FrameHeight(B->Bitmap.get(), B->FrameCount);
  if (auto* B = Side(sbBottom)) S.Bottom = FrameHeight(B->Bitmap.get(), B->FrameCount);
  if (S.Top == 0) S.Top = GetSystemMetrics(SM_CYCAPTION);
  return S;
}

// One border element into R: frame 1 active, 2 inactive; top and bottom strips are stacked.
void DrawBorderPart(HDC DC, const TDataSkinBorder* B, const RECT& R, bool Active, bool Vertical) {
  if (!B || !B->Bitmap || B->Bitmap->Empty() || R.right <= R.left || R.bottom <= R.top) return;
  const int Index = Active || B->FrameCount == 1 ? 1 : 2;
  auto Map = GetHMap(RECT{0, 0, R.right - R.left, R.bottom - R.top}, B->Bitmap.get(), B->Margins, Index,
                     B->FrameCount, B->Tile != 1 ? 1 : 0, Vertical ? 1 : 0);
  if (!Map || Map->Empty()) return;
  BitBlt(DC, R.left, R.top, Map->Width(), Map->Height(), Map->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void DrawMockWindow(TSkinData& Data, TCanvas* Canvas, const RECT& Where, bool Active) {
  const int W = Where.right - Where.left, H = Where.bottom - Where.top;
  const TFrameSizes S = FrameSizes(Data);
  TBitmap Window(W, H, pf32bit);
  HDC DC = Window.Canvas()->Handle();
  Fill(DC, RECT{0, 0, W, H}, Data.Colors[csButtonFace]);
  DrawBorderPart(DC, Data.Borders[sbLeft].get(), RECT{0, 0, S.Left, H}, Active, false);
  DrawBorderPart(DC, Data.Borders[sbRight].get(), RECT{W - S.Right, 0, W, H}, Active, false);
  DrawBorderPart(DC, Data.Borders[sbBottom].get(), RECT{S.Left, H - S.Bottom, W - S.Right, H}, Active, true);
  DrawBorderPart(DC, Data.Borders[sbTop].get(), RECT{S.Left, 0, W - S.Right, S.Top}, Active, true);

  // Title: its text background, then the text.
  TCanvas* C = Window.Canvas();
  C->Font()->SetName("Tahoma");
  C->Font()->SetHeight(-12);
  C->Font()->SetStyle(TFontStyles{fsBold});
  const String Caption = Active ? "  Active window " : "  Inactive window ";
  RECT T{0, 0, 0, 0};
  C->DrawText(Caption, T, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  const TDataSkinTitle* Title = Data.Title.get();
  const int BackLeft = Title ? Title->TextBackLeft : 0, BackRight = Title ? Title->TextBackRight : 0;
  const int TextWidth = (T.right - T.left) + BackLeft + BackRight;
  const int Shift = Title ? Title->Margins.left : 0;
  const RECT Back{S.Left + Shift, 0, S.Left + Shift + TextWidth, S.Top};
  if (Usable(Title)) {
    DrawRectTile(C, Back, Title->Bitmap.get(), RECT{BackLeft, 0, BackRight, 0}, Active ? 1 : 2, 2, 1, 1);
  }
  RECT Text{Back.left + BackLeft, 0, Back.right - BackRight, S.Top};
  C->Brush()->SetStyle(bsClear);
  C->Font()->SetColor(Active ? Data.Colors[csTitleTextActive] : Data.Colors[csTitleTextNoActive]);
  C->DrawText(Caption, Text, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS);

  // Caption buttons at their places (the preview has no menu bar).
  skin::TCaptionLayout Layout;
  Layout.WindowWidth = W;
  Layout.TitleTextLeft = Text.left;
  Layout.TitleTextRight = Text.right;
  Layout.RightBorder = S.Right;
  Layout.TitleHeight = S.Top;
  for (const auto& B : Data.SysButtons) {
    if (!B || !Usable(B.get()) || B->Action < 0 || B->Align == skin::align::kMenuBar) continue;
    if (!skin::CaptionButtonState(PreviewWindow(Active), B->Action, B->Visibility, B->Visibility1).Visible)
      continue;
    const int BW = FrameWidth(B->Bitmap.get(), B->FrameCount), BH = B->Bitmap->Height();
    const skin::TCaptionPoint At = skin::CaptionButtonOrigin(B->Align, B->XCoord, B->YCoord, BW, BH, Layout);
    const int Frame = B->FrameCount < 4 || Active ? 1 : 4;
    DrawRect1(DC, RECT{At.X, At.Y, At.X + BW, At.Y + BH}, B->Bitmap.get(), Frame,
              std::max(1, static_cast<int>(B->FrameCount)), 1);
  }
  Label(C, S.Left + 8, S.Top + 10, Active ? "Client area (active)" : "Client area (inactive)",
        Data.Colors[csText]);
  // Magenta left in the border is what the window region cuts away: show the background there.
  DrawTranmap(Canvas->Handle(), Where, &Window, clFuchsia);
}

// Every caption button in all its frames, in rows on the skin's own (active) caption, each frame at
// its button's Ycoord, as the caption shows it: light glyphs of a dark skin need their dark caption.
int DrawCaptionButtonRows(TSkinData& Data, TCanvas* Canvas, TSkinPreviewLayout& Layout) {
  HDC DC = Canvas->Handle();
  const TFrameSizes S = FrameSizes(Data);
  const TDataSkinBorder* Caption = Data.Borders[sbTop].get();
  struct TCell {
    const TDataSkinSysButton* Button;
    int X;
  };
  std::vector<std::vector<TCell>> Rows(1);
  int X = 10;
  for (const auto& B : Data.SysButtons) {
    if (!B || !Usable(B.get())) continue;
    const int Count = std::max(1, static_cast<int>(B->FrameCount));
    const int Needed = Count * (FrameWidth(B->Bitmap.get(), Count) + 4) + 12;
    if (X > 10 && X + Needed > TSkinPreviewLayout::Width - 10) {
      Rows.emplace_back();
      X = 10;
    }
    Rows.back().push_back(TCell{B.get(), X});
    X += Needed;
  }
  int Y = Layout.CaptionButtonsTop;
  for (const auto& Row : Rows) {
    if (Row.empty()) continue;
    int Height = S.Top, Right = 10;
    for (const TCell& Cell : Row) {
      const int Count = std::max(1, static_cast<int>(Cell.Button->FrameCount));
      Height = std::max(Height,
                        std::max(0, static_cast<int>(Cell.Button->YCoord)) + Cell.Button->Bitmap->Height());
      Right = Cell.X + Count * (FrameWidth(Cell.Button->Bitmap.get(), Count) + 4) + 8;
    }
    DrawBorderPart(DC, Caption, RECT{6, Y, Right, Y + Height}, true, true);
    for (const TCell& Cell : Row) {
      const TDataSkinSysButton& B = *Cell.Button;
      const int Count = std::max(1, static_cast<int>(B.FrameCount));
      const int FW = FrameWidth(B.Bitmap.get(), Count);
      const int Top = Y + std::max(0, static_cast<int>(B.YCoord));
      // Caption buttons are always drawn with the key colour transparent.
      for (int F = 1; F <= Count; ++F) {
        const int Left = Cell.X + (F - 1) * (FW + 4);
        DrawFrameAt(DC, Left, Top, B, F, true);
        Layout.CaptionButtonFrames.push_back(RECT{Left, Top, Left + FW, Top + B.Bitmap->Height()});
      }
    }
    Y += Height + 6;
  }
  return Y;
}

void DrawPushButtons(TSkinData& Data, TCanvas* Canvas, int Top) {
  static constexpr std::array<const char*, 5> kStates{"Normal", "Pressed", "Disabled", "Hot", "Default"};
  const TDataSkinButton* B = Data.Button.get();
  for (int I = 0; I < 5; ++I) {
    const int X = 10 + I * (TSkinPreviewLayout::PushButtonWidth + 8);
    RECT R{X, Top, X + TSkinPreviewLayout::PushButtonWidth, Top + TSkinPreviewLayout::PushButtonHeight};
    if (Usable(B)) DrawElement(Canvas->Handle(), R, *B, I + 1);
    TColor TextColor = I == 2 ? Data.Colors[csTextDisable] : Data.Colors[csButtonText];
    if (B && I == 0 && B->HasNormalColour2) TextColor = B->NormalColour2;
    if (B && I == 1 && B->HasPressedColour2) TextColor = B->PressedColour2;
    if (B && I == 3 && B->HasMouseOverColour2) TextColor = B->MouseOverColour2;
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->SetStyle(TFontStyles{});
    Canvas->Font()->SetColor(TextColor);
    Canvas->DrawText(kStates[I], R, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

void DrawGlyphs(TSkinData& Data, TCanvas* Canvas, int Top) {
  const TDataSkinButton* B = Data.Button.get();
  if (!B) return;
  HDC DC = Canvas->Handle();
  int X = 10;
  for (auto [Strip, Count] : {std::pair{B->CheckBitmap.get(), static_cast<int>(B->CheckFrame)},
                              std::pair{B->RadioBitmap.get(), static_cast<int>(B->RadioFrame)}}) {
    if (!Strip || Strip->Empty() || Count < 1) continue;
    const int FW = FrameWidth(Strip, Count);
    for (int F = 1; F <= Count; ++F) DrawGlyphFrame(DC, X + (F - 1) * (FW + 4), Top, Strip, F, Count);
    X += Count * (FW + 4) + 16;
  }
}

void DrawScrollBar(TSkinData& Data, TCanvas* Canvas, const RECT& Bar) {
  const TDataSkinObject* Strip = Data.Scrollbar.get();
  if (!Usable(Strip)) return;
  HDC DC = Canvas->Handle();
  const int A = Bar.bottom - Bar.top;
  if (Usable(Data.HorzScroll.get())) {
    const auto& Track = *Data.HorzScroll;
    DrawRect2(DC, RECT{Bar.left + A, Bar.top, Bar.right - A, Bar.bottom}, Track.Bitmap.get(), Track.Margins,
              1, 4, Track.Trans == 1 ? 1 : 0, Track.Tile, 0);
  }
  DrawRect1(DC, RECT{Bar.left, Bar.top, Bar.left + A, Bar.bottom}, Strip->Bitmap.get(), 1, 23, 0);
  DrawRect1(DC, RECT{Bar.right - A, Bar.top, Bar.right, Bar.bottom}, Strip->Bitmap.get(), 5, 23, 0);
  const RECT Thumb{Bar.left + A + 30, Bar.top, Bar.left + A + 90, Bar.bottom};
  if (Usable(Data.HorzScrollThumb.get())) DrawElement(DC, Thumb, *Data.HorzScrollThumb, 1);
  const int G = Strip->Bitmap->Height();
  const int Mid = (Thumb.left + Thumb.right - G) / 2;
  DrawRect1(DC, RECT{Mid, Bar.top, Mid + G, Bar.bottom}, Strip->Bitmap.get(), 17, 23, 1);
}

void DrawTabs(TSkinData& Data, TCanvas* Canvas, int Left, int Top) {
  const TDataSkinBorder* Tab = Data.Tab.get();
  HDC DC = Canvas->Handle();
  constexpr int TabW = 64, TabH = 22;
  if (Usable(Data.TabPane.get()))
    DrawElement(DC, RECT{Left, Top + TabH - 2, Left + 3 * TabW + 20, Top + 70}, *Data.TabPane, 1);
  if (!Usable(Tab)) return;
  static constexpr std::array<std::pair<int, const char*>, 3> kTabs{
      {{2, "Selected"}, {1, "Normal"}, {4, "Hot"}}};
  for (int I = 0; I < 3; ++I) {
    const int Lift = I == 0 ? 0 : 2;
    RECT R{Left + I * TabW, Top + Lift, Left + (I + 1) * TabW, Top + TabH};
    DrawElement(DC, R, *Tab, kTabs[I].first);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->SetColor(Data.Colors[csText]);
    Canvas->DrawText(kTabs[I].second, R, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

void DrawProgressAndTrack(TSkinData& Data, TCanvas* Canvas, int Left, int Top) {
  HDC DC = Canvas->Handle();
  const RECT Bar{Left, Top, Left + 200, Top + 16};
  if (Usable(Data.Progress.get())) {
    const auto& P = *Data.Progress;
    DrawElement(DC, Bar, P, 1);
    if (P.FrameCount >= 2) DrawElement(DC, RECT{Bar.left, Bar.top, Bar.left + 120, Bar.bottom}, P, 2);
  }
  const RECT Channel{Left, Top + 40, Left + 200, Top + 40 + 5};
  if (Usable(Data.Track.get())) DrawElement(DC, Channel, *Data.Track, 1);
  if (Usable(Data.TrackbarThumbHorz.get())) {
    const auto& T = *Data.TrackbarThumbHorz;
    const int TW = FrameWidth(T.Bitmap.get(), T.FrameCount), TH = T.Bitmap->Height();
    DrawFrameAt(DC, Left + 80, Top + 42 - TH / 2, T, 1, false);
    DrawFrameAt(DC, Left + 130, Top + 42 - TH / 2, T, std::min<int>(4, std::max<int>(1, T.FrameCount)),
                false);
    (void)TW;
  }
}

void DrawMenu(TSkinData& Data, TCanvas* Canvas, int Left, int Top) {
  HDC DC = Canvas->Handle();
  const RECT Menu{Left, Top, Left + 170, Top + 3 + 22 * 2 + 8 + 3};
  if (Usable(Data.MenuBackground.get())) {
    DrawElement(DC, Menu, *Data.MenuBackground, 1);
  } else {
    Fill(DC, Menu, Data.Colors[csMenubg]);
  }
  const TDataSkinObject* Item = Data.MenuItem.get();
  const RECT Normal{Menu.left + 3, Menu.top + 3, Menu.right - 3, Menu.top + 25};
  const RECT Selected{Normal.left, Normal.bottom, Normal.right, Normal.bottom + 22};
  const RECT Separator{Normal.left, Selected.bottom, Normal.right, Selected.bottom + 8};
  if (Usable(Item)) {
    DrawRect2(DC, Normal, Item->Bitmap.get(), Item->Margins, 1, 5, Item->Trans == 1 ? 1 : 0, Item->Tile, 0);
    DrawRect2(DC, Selected, Item->Bitmap.get(), Item->Margins, 4, 5, Item->Trans == 1 ? 1 : 0, Item->Tile, 0);
    // The separator: the bottom rows of frame 2, the margins 1:1 and the middle stretched between
    // them, drawn with the key colour transparent.
    const int FW = FrameWidth(Item->Bitmap.get(), 5), FH = Item->Bitmap->Height();
    const int SW = Separator.right - Separator.left, SH = Separator.bottom - Separator.top;
    const int Rows = std::min(SH, FH), SrcTop = FH - Rows;
    const int L = Item->Margins.left, R = Item->Margins.right;
    TBitmap Line(SW, SH, pf32bit);
    HDC LineDC = Line.Canvas()->Handle();
    Fill(LineDC, RECT{0, 0, SW, SH}, clFuchsia);
    HDC Src = Item->Bitmap->Canvas()->Handle();
    SetStretchBltMode(LineDC, COLORONCOLOR);
    BitBlt(LineDC, 0, 0, L, Rows, Src, FW, SrcTop, SRCCOPY);
    BitBlt(LineDC, SW - R, 0, R, Rows, Src, 2 * FW - R, SrcTop, SRCCOPY);
    StretchBlt(LineDC, L, 0, SW - L - R, Rows, Src, FW + L, SrcTop, FW - L - R, Rows, SRCCOPY);
    DrawTranmap(DC, Separator, &Line, clFuchsia);
  } else {
    Fill(DC, Selected, Data.Colors[csHilight]);
    RECT Line{Separator.left, Separator.top + 4, Separator.right, Separator.bottom};
    DrawEdge(DC, &Line, EDGE_ETCHED, BF_TOP);
  }
  RECT T1{Normal.left + 28, Normal.top, Normal.right, Normal.bottom};
  RECT T2{Selected.left + 28, Selected.top, Selected.right, Selected.bottom};
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Font()->SetColor(Data.Colors[csMenuText]);
  Canvas->DrawText("Menu item", T1, DT_SINGLELINE | DT_VCENTER);
  Canvas->Font()->SetColor(Data.Colors[csHilightText]);
  Canvas->DrawText("Selected item", T2, DT_SINGLELINE | DT_VCENTER);
}

void DrawSwatches(TSkinData& Data, TCanvas* Canvas, int Top) {
  HDC DC = Canvas->Handle();
  constexpr int S = TSkinPreviewLayout::SwatchSize;
  for (int I = 0; I < kShemeColorCount; ++I) {
    const int X = 10 + I * (S + 8);
    const RECT R{X, Top, X + S, Top + S};
    Fill(DC, RECT{R.left - 1, R.top - 1, R.right + 1, R.bottom + 1}, 0x00404040);
    Fill(DC, R, Data.Colors[I]);
  }
}

}  // namespace

std::unique_ptr<TBitmap> RenderSkinPreview(TSkinData& Data, TSkinPreviewLayout& Layout) {
  auto Out = std::make_unique<TBitmap>(TSkinPreviewLayout::Width, TSkinPreviewLayout::Height, pf32bit);
  TCanvas* C = Out->Canvas();
  Fill(C->Handle(), RECT{0, 0, TSkinPreviewLayout::Width, TSkinPreviewLayout::Height}, kBackground);
  C->Font()->SetName("Tahoma");
  C->Font()->SetHeight(-11);

  DrawMockWindow(Data, C, Layout.ActiveWindow, true);
  DrawMockWindow(Data, C, Layout.InactiveWindow, false);
  C->Font()->SetStyle(TFontStyles{});

  Layout.PushButtonsTop = DrawCaptionButtonRows(Data, C, Layout) + 6;
  DrawPushButtons(Data, C, Layout.PushButtonsTop);
  Layout.GlyphsTop = Layout.PushButtonsTop + TSkinPreviewLayout::PushButtonHeight + 10;
  DrawGlyphs(Data, C, Layout.GlyphsTop);
  Layout.ControlsTop = Layout.GlyphsTop + 26;
  DrawScrollBar(Data, C, RECT{10, Layout.ControlsTop, 250, Layout.ControlsTop + 17});
  DrawProgressAndTrack(Data, C, 10, Layout.ControlsTop + 30);
  DrawTabs(Data, C, 280, Layout.ControlsTop);
  Layout.MenuTop = Layout.ControlsTop;
  DrawMenu(Data, C, 460, Layout.MenuTop);
  Layout.SwatchesTop = Layout.ControlsTop + 100;
  Label(C, 10, Layout.SwatchesTop - 15, "Colours");
  DrawSwatches(Data, C, Layout.SwatchesTop);
  Label(C, 10, Layout.SwatchesTop + TSkinPreviewLayout::SwatchSize + 6, "Skin: " + Data.SkinName);
  return Out;
}

int RunSkinPreview(const String& SkinFile, const String& OutFile, std::ostream& Err) {
  if (!FileExists(SkinFile)) {
    Err << "skinpreview: cannot open " << SkinFile << "\n";
    return 1;
  }
  // An old archive is reported here, not in a message box nobody would close.
  String Message;
  TSkinMessageNotifier Previous = SetSkinMessageNotifier(
      [&Message](const String& Text) { Message += (Message.empty() ? "" : " ") + Text; });
  TSkinData Data(nullptr);
  bool Loaded = false;
  try {
    Data.FSkinStream->LoadFromFile(SkinFile);
    Loaded = Data.LoadSkin();
  } catch (const std::exception& E) {
    Message = E.what();
  }
  SetSkinMessageNotifier(Previous);
  if (!Loaded || Data.FNoSkin) {
    Err << "skinpreview: " << SkinFile << " is not a usable skin archive" << (Message.empty() ? "" : ": ")
        << Message << "\n";
    return 1;
  }
  TSkinPreviewLayout Layout;
  auto Picture = RenderSkinPreview(Data, Layout);
  try {
    TFileStream File(OutFile, fmCreate);
    Picture->SaveToStream(File);
  } catch (const std::exception& E) {
    Err << "skinpreview: cannot write " << OutFile << ": " << E.what() << "\n";
    return 1;
  }
  return 0;
}

namespace {

constexpr const char* kUsage =
    "usage: skinpreview SKIN OUT.bmp   draw every element of the packed skin SKIN once (frame and\n"
    "                                  caption active and inactive, caption buttons in all their\n"
    "                                  frames, push buttons, check and radio glyphs, scroll bar, tabs,\n"
    "                                  progress and track bars, a menu, the colour scheme) into the\n"
    "                                  32-bit picture OUT.bmp\n"
    "exit status: 0 success, 1 failure, 2 wrong usage\n";

}  // namespace

int SkinPreviewMain(const std::vector<String>& Args, std::ostream& Out, std::ostream& Err) {
  if (Args.size() == 1 && (Args[0] == "--help" || Args[0] == "-h" || Args[0] == "help")) {
    Out << kUsage;
    return 0;
  }
  if (Args.size() != 2) {
    if (!Args.empty()) Err << "skinpreview: SKIN and OUT.bmp expected\n";
    Err << kUsage;
    return 2;
  }
  return RunSkinPreview(Args[0], Args[1], Err);
}
