// Panels, bare static and panel windows, group boxes and size boxes.
#include "skin/controls/SkinPanels.h"

#include "skin/controls/SkinDrawUtil.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"

// ---------------------------------------------------------------------------------------------------
// TSkinBox

void TSkinBox::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FControl = dynamic_cast<TControl*>(Owner());
  if (TWinControl* Win = WinControl()) FHandle = Win->WindowHandle();
  AttachForm(FormSkin);
  if (SetColor && FControl) {
    FSavedColor = FControl->Color();
    FSetColor = true;
    FControl->SetColor(SchemeColor(csButtonFace));
  }
  FInited = true;
  FStatus = kControlInited;
}

void TSkinBox::Unsubclass() {
  if (FActive) RestoreColor();
  FActive = false;
  FStatus = kControlUnhooked;
}

void TSkinBox::AfterProc(TMessage&) {}

// ---------------------------------------------------------------------------------------------------
// TSkinBoxH

bool TSkinBoxH::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (HWND Wnd = LiveHandle(); Wnd && Message.WParam)
        FillBG(reinterpret_cast<HDC>(Message.WParam), WindowRectAtOrigin(Wnd));
      Message.Result = 0;
      return false;
    case WM_CTLCOLORSTATIC:
      Default(Message);
      if (FSkinData && FSkinData->FaceBrush) {
        // The static's text cells take the face colour as well as its blank parts.
        if (Message.WParam)
          SetBkColor(reinterpret_cast<HDC>(Message.WParam), ColorToRGB(SchemeColor(csButtonFace)));
        Message.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush.Get());
      }
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TSkinGroupBox

void TSkinGroupBox::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  // Set before the base attaches and paints: that first picture is already the whole one, with the
  // windowless children on it (the switch set afterwards left them covered until the next paint).
  if (dynamic_cast<TControl*>(Owner())) FPresetNoMouseDown = true;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  if (FControl) FNoMouseDown = 1;
}

bool TSkinGroupBox::BeforeProc(TMessage& Message) {
  if (!TSkinControl::BeforeProc(Message)) return false;
  if (FNoMouseDown == 1 && Message.Msg == WM_PAINT) {
    WMPaint(Message);
    return false;
  }
  return true;
}

void TSkinGroupBox::DrawControl(HDC DC, const RECT& Rect) {
  DefaultDraw(DC, Rect);
  // A framework box is painted here whole, so its labels, images and speed buttons are too.
  if (FNoMouseDown == 1) PaintWindowlessChildren(DC);
}

void TSkinGroupBox::DefaultDraw(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!Wnd || !DC) return;
  WideString Caption = WindowTextOf(Wnd);
  if (Caption.empty() && FControl) Caption = GetStringProp(FControl, "Caption");
  if (FControl) FillBG(DC, Rect);

  // The control's font and its colour, or the window's font.
  HFONT Font = reinterpret_cast<HFONT>(SendMessageW(Wnd, WM_GETFONT, 0, 0));
  TColor TextColor = clNone;
  if (FControl) {
    if (auto* ControlFont = static_cast<TFont*>(GetObjProp(FControl, "Font", TFont::StaticClass()))) {
      Font = ControlFont->Handle();
      TextColor = ControlFont->Color();
    }
  }
  // Made before the DC's state is saved, so that it is out of the DC again when it is deleted.
  TGdiPen Pen(CreatePen(PS_SOLID, 1, ColorToRGB(SchemeColor(csButtonShadow))));
  TSaveDC Saved(DC);  // pen, brush, font and background colour come back
  if (Font) SelectObject(DC, Font);
  if (TextColor != clNone) SetTextColor(DC, ColorToRGB(TextColor));

  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  const int TextH = TextHeight(DC, WideString(1, u'0'));
  const int FrameTop = Rect.top + TextH / 2 - 1;
  if (FNoMouseDown == 0 && FSkinData && FSkinData->FaceBrush) {
    // The system's etched frame goes under the face colour first.
    RECT Cover{Rect.left, FrameTop, Rect.right, Rect.bottom};
    FrameRect(DC, &Cover, FSkinData->FaceBrush.Get());
    InflateRect(&Cover, -1, -1);
    FrameRect(DC, &Cover, FSkinData->FaceBrush.Get());
  }
  SelectObject(DC, Pen.Get());
  SelectObject(DC, GetStockObject(NULL_BRUSH));
  RoundRect(DC, Rect.left + 1, FrameTop, Rect.left + W - 1, Rect.top + H - 1, 5, 5);

  if (!Caption.empty()) {
    SetBkMode(DC, OPAQUE);
    SetBkColor(DC, ColorToRGB(SchemeColor(csButtonFace)));
    const bool RightAligned = (skinctl::ExStyleOf(Wnd) & WS_EX_RIGHT) != 0;
    RECT TextRect = Rect;
    UINT Flags = DT_EXPANDTABS;
    if (RightAligned) {
      TextRect.right -= 8;
      Flags = CheckBiDi(Flags | DT_RIGHT);
    } else {
      TextRect.left += 8;
    }
    DrawWideText(DC, Caption, TextRect, Flags);
  }
}

// ---------------------------------------------------------------------------------------------------
// TSkinSizer

void TSkinSizer::DrawControl(HDC DC, const RECT& Rect) {
  if (DC) FillBG(DC, Rect);
}
