// Status bars drawn from the skin, and tool-bar backgrounds.
#include "skin/controls/SkinStatusBars.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/Collection.h"
#include "skin/controls/SkinDrawUtil.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/SkinPaint.h"
#include "skin/imaging/SkinUnit.h"

using skinctl::HasImage;
using skinctl::StyleOf;

namespace {

constexpr int kLowered = 1;
constexpr int kRaised = 2;
constexpr int kFlat = 3;

// A status bar's text convention: after one tab the text is centred, after two right-aligned.
UINT TakeTabAlignment(std::wstring& Text) {
  if (Text.rfind(L"\t\t", 0) == 0) {
    Text.erase(0, 2);
    return DT_RIGHT;
  }
  if (Text.rfind(L"\t", 0) == 0) {
    Text.erase(0, 1);
    return DT_CENTER;
  }
  return DT_LEFT;
}

UINT AlignmentOf(const String& Name) {
  const String Lower = LowerCase(Name);
  if (Lower == "tacenter") return DT_CENTER;
  if (Lower == "tarightjustify") return DT_RIGHT;
  return DT_LEFT;
}

UINT Swapped(UINT Alignment) {
  if (Alignment == DT_LEFT) return DT_RIGHT;
  if (Alignment == DT_RIGHT) return DT_LEFT;
  return Alignment;
}

WideString Wide(const std::wstring& Text) {
  return WideString(Text.begin(), Text.end());
}

// Text of part Index of a bare status bar (SB_SIMPLEID for the simple text), with its type bits.
std::wstring BarText(HWND Wnd, int Index, WORD& Type) {
  const LRESULT Info = SendMessageW(Wnd, SB_GETTEXTLENGTHW, static_cast<WPARAM>(Index), 0);
  Type = HIWORD(Info);
  const int Length = LOWORD(Info);
  if (Type & SBT_OWNERDRAW) return {};  // the part holds drawing data, not text
  std::wstring Text(static_cast<std::size_t>(Length) + 1, L'\0');
  SendMessageW(Wnd, SB_GETTEXTW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Text.data()));
  Text.resize(wcsnlen(Text.c_str(), static_cast<std::size_t>(Length)));
  return Text;
}

TCollection* PanelsOf(TControl* Control) {
  return static_cast<TCollection*>(GetObjProp(Control, "Panels", TCollection::StaticClass()));
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TSkinStatusBar

bool TSkinStatusBar::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return false;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

bool TSkinStatusBar::IsSimple() {
  if (FControl) {
    if (GetIntProperty(FControl, "SimplePanel") == 1) return true;
    if (TCollection* Items = PanelsOf(FControl)) return Items->Count() == 0;
  }
  HWND Wnd = LiveHandle();
  return Wnd && (SendMessageW(Wnd, SB_ISSIMPLE, 0, 0) != 0);
}

WideString TSkinStatusBar::SimpleText() {
  if (FControl && GetPropInfo(FControl, "SimpleText")) return GetStringProp(FControl, "SimpleText");
  HWND Wnd = LiveHandle();
  if (!Wnd) return {};
  WORD Type = 0;
  std::wstring Text = BarText(Wnd, SB_SIMPLEID, Type);
  // Some bars answer for the simple part only under the first part's index while simple.
  if (Text.empty()) Text = BarText(Wnd, 0, Type);
  TakeTabAlignment(Text);
  return Wide(Text);
}

std::vector<TStatusPanelLook> TSkinStatusBar::Panels(int Width) {
  std::vector<TStatusPanelLook> Result;
  HWND Wnd = LiveHandle();
  if (!Wnd) return Result;
  TCollection* Items = FControl ? PanelsOf(FControl) : nullptr;
  const int Count = Items ? Items->Count() : static_cast<int>(SendMessageW(Wnd, SB_GETPARTS, 0, 0));
  for (int I = 0; I < Count; ++I) {
    TStatusPanelLook Panel;
    Panel.Index = I;
    if (!SendMessageW(Wnd, SB_GETRECT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Panel.Reported)))
      continue;
    Panel.Rect = Panel.Reported;
    Panel.Rect.right += 2;
    Panel.Data = static_cast<ULONG_PTR>(I);
    if (Items) {
      TCollectionItem* Item = Items->Items(I);
      const String Bevel = LowerCase(GetEnumProperty(Item, "Bevel"));
      Panel.Frame = Bevel == "pbnone" ? kFlat : Bevel == "pbraised" ? kRaised : kLowered;
      Panel.Alignment = AlignmentOf(GetEnumProperty(Item, "Alignment"));
      const String BiDi = LowerCase(GetEnumProperty(Item, "BiDiMode"));
      if (BiDi == "bdrighttoleft") Panel.Alignment = Swapped(Panel.Alignment);
      Panel.OwnerDraw = LowerCase(GetEnumProperty(Item, "Style")) == "psownerdraw";
      Panel.Text = GetStringProp(Item, "Text");
    } else {
      WORD Type = 0;
      std::wstring Text = BarText(Wnd, I, Type);
      Panel.Frame = (Type & SBT_NOBORDERS) ? kFlat : (Type & SBT_POPOUT) ? kRaised : kLowered;
      Panel.Alignment = TakeTabAlignment(Text);
      if (Type & SBT_RTLREADING) Panel.Alignment = Swapped(Panel.Alignment);
      Panel.OwnerDraw = (Type & SBT_OWNERDRAW) != 0;
      // An owner-drawn part holds the owner's value instead of a text.
      if (Panel.OwnerDraw) Panel.Data = static_cast<ULONG_PTR>(SendMessageW(Wnd, SB_GETTEXTW, I, 0));
      Panel.Text = Wide(Text);
    }
    Result.push_back(Panel);
  }
  // The last panel reaches the bar's right edge.
  if (!Result.empty()) Result.back().Rect.right = Width;
  return Result;
}

void TSkinStatusBar::drawitem(HDC DC, const RECT& Rect, UINT, const WideString&, int Frame) {
  TDataSkinObject* Edges = FSkinData ? FSkinData->StatusBarEdges.get() : nullptr;
  if (!DC || !HasImage(Edges) || Rect.right < Rect.left || Rect.bottom < Rect.top) return;
  auto Map = GetHMap(Rect, Edges->Bitmap.get(), Edges->Margins, Frame, 3, Edges->Tile, 0);
  if (!Map || Map->Empty()) return;
  BitBlt(DC, Rect.left, Rect.top, Map->Width(), Map->Height(), Map->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSkinStatusBar::Defaultpaint(TCanvas* Canvas, const RECT& Rect, UINT, const WideString&, int Bevel) {
  if (!Canvas || (Bevel != kLowered && Bevel != kRaised)) return;
  const TColor Shadow = SchemeColor(csButtonShadow);
  const TColor Light = SchemeColor(csButtonHilight);
  const TColor TopLeft = Bevel == kLowered ? Shadow : Light;
  const TColor BottomRight = Bevel == kLowered ? Light : Shadow;
  HDC DC = Canvas->Handle();
  FillColor(DC, RECT{Rect.left, Rect.top, Rect.right, Rect.top + 1}, TopLeft);
  FillColor(DC, RECT{Rect.left, Rect.top, Rect.left + 1, Rect.bottom}, TopLeft);
  FillColor(DC, RECT{Rect.left, Rect.bottom - 1, Rect.right, Rect.bottom}, BottomRight);
  FillColor(DC, RECT{Rect.right - 1, Rect.top, Rect.right, Rect.bottom}, BottomRight);
}

bool TSkinStatusBar::DrawOwnerPanel(HDC DC, const TStatusPanelLook& Panel) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC) return false;
  if (FControl && !GetObjMethod(FControl, "OnDrawPanel").Assigned()) return false;
  HWND Parent = GetParent(Wnd);
  if (!Parent) return false;
  DRAWITEMSTRUCT Item{};
  Item.CtlID = static_cast<UINT>(GetDlgCtrlID(Wnd));
  Item.itemID = static_cast<UINT>(Panel.Index);
  Item.itemAction = ODA_DRAWENTIRE;
  Item.hwndItem = Wnd;
  Item.hDC = DC;
  Item.rcItem = Panel.Reported;
  InflateRect(&Item.rcItem, -2, -2);
  Item.itemData = Panel.Data;
  const int Saved = SaveDC(DC);
  SendMessageW(Parent, WM_DRAWITEM, Item.CtlID, reinterpret_cast<LPARAM>(&Item));
  if (Saved) RestoreDC(DC, Saved);
  return true;
}

void TSkinStatusBar::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC || !BG) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return;
  BG->SetSize(W, H);
  if (BG->Empty()) return;
  TCanvas* Canvas = BG->Canvas();
  HDC Buffer = Canvas->Handle();
  FillColor(Buffer, RECT{0, 0, W, H}, SchemeColor(csButtonFace));

  // The bar's font in plain style, the skin's status text colour.
  TFont* Font = Canvas->Font();
  TColor TextColor = SchemeColor(csButtonText);
  if (FControl) {
    Font->Assign(FControl->Font());
    TextColor = FControl->Font()->Color();
  } else if (HFONT Own = reinterpret_cast<HFONT>(SendMessageW(Wnd, WM_GETFONT, 0, 0))) {
    LOGFONTW Log{};
    if (GetObjectW(Own, sizeof Log, &Log)) Font->SetHandle(CreateFontIndirectW(&Log));
  }
  Font->SetStyle(TFontStyles());
  TDataSkinObject* Edges = FSkinData ? FSkinData->StatusBarEdges.get() : nullptr;
  const bool Skinned = HasImage(Edges);
  if (Skinned) TextColor = Edges->NormalColour2;
  Font->SetColor(TextColor);

  auto Background = [&](const RECT& R, int Frame) {
    if (Skinned)
      drawitem(Buffer, R, DT_LEFT, WideString(), Frame);
    else
      Defaultpaint(Canvas, R, DT_LEFT, WideString(), Frame);
  };
  const bool RightToLeft = FControl && FControl->UseRightToLeftReading();
  std::vector<TStatusPanelLook> Shown;
  if (IsSimple()) {
    WideString Text = SimpleText();
    if (Text.empty()) Text = WideString(1, u' ');
    const RECT All{0, 0, W, H};
    Background(All, kLowered);
    DrawCaption(Canvas, RECT{2, 0, W - 2, H}, Text, true, false, RightToLeft ? DT_RIGHT : DT_LEFT);
  } else {
    Shown = Panels(W);
    for (const TStatusPanelLook& Panel : Shown) {
      Background(Panel.Rect, Panel.Frame);
      if (Panel.OwnerDraw) continue;
      const WideString Text = Panel.Text.empty() ? WideString(1, u' ') : Panel.Text;
      RECT TextRect = Panel.Rect;
      InflateRect(&TextRect, -2, 0);
      DrawCaption(Canvas, TextRect, Text, true, false, Panel.Alignment);
    }
  }
  if ((StyleOf(Wnd) & SBARS_SIZEGRIP) && FSkinData && HasImage(FSkinData->ExtraImages.get())) {
    TDataSkinObject* Extra = FSkinData->ExtraImages.get();
    const int Count = std::max(Extra->FrameCount, 1);
    const int GripW = Extra->Bitmap->Width() / Count;
    const int GripH = Extra->Bitmap->Height();
    DrawSkinMap1(Buffer, RECT{W - 1 - GripW, H - 1 - GripH, W - 1, H - 1}, Extra->Bitmap.get(), 5, Count);
  }
  DrawBuf(DC, RECT{0, 0, W, H});
  // Owner-drawn panels are the application's: its handler paints them over the skinned bevel (and
  // only them, so that a handler painting whatever it is given cannot cover the skinned texts).
  for (const TStatusPanelLook& Panel : Shown)
    if (Panel.OwnerDraw) DrawOwnerPanel(DC, Panel);
  // The bar's own painting is replaced, so its windowless children are painted here, on top.
  PaintWindowlessChildren(DC);
}

// ---------------------------------------------------------------------------------------------------
// TSkinToolbar

void TSkinToolbar::SetGradient() {
  const TColor Caption = FSkinData ? FSkinData->GetCaptionColor() : SchemeColor(csCaption);
  FGradTo = Blend(0x808080, Caption, 150);
  FGradFrom = Blend(SchemeColor(csButtonFace), 0xFFFFFF, 150);
}

void TSkinToolbar::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  SetGradient();
}

void TSkinToolbar::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  if (FInited) return;
  TSkinControl::Inithwnd(Handle, SkinData, Canvas, FormSkin);
  SetGradient();
}

bool TSkinToolbar::BeforeProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    ERASEBKGND(Message);
    Message.Result = 1;
    return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinToolbar::ERASEBKGND(TMessage& Message) {
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd) return;
  RECT Client;
  GetClientRect(Wnd, &Client);
  TDataSkinObject* Picture = FSkinData ? FSkinData->Toolbar.get() : nullptr;
  if (HasImage(Picture)) {
    const int Previous = SetStretchBltMode(DC, COLORONCOLOR);
    StretchBlt(DC, 0, 0, Client.right, Client.bottom, Picture->Bitmap->Canvas()->Handle(), 0, 0,
               Picture->Bitmap->Width(), Picture->Bitmap->Height(), SRCCOPY);
    if (Previous) SetStretchBltMode(DC, Previous);
    return;
  }
  GradFill(DC, Client, FGradFrom, FGradTo, 1);
}
