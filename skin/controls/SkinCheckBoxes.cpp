// Check boxes and radio buttons: the mark from the skin's strips, the caption beside it.
#include "skin/controls/SkinCheckBoxes.h"

#include <algorithm>

#include "framework/core/TypInfo.h"
#include "framework/win/controls/CheckLists.h"
#include "skin/data/SkinData.h"

int CheckBoxFrame(int Frame, bool Disabled, bool Indeterminate, int FrameCount) {
  if (Disabled) Frame += 2;
  if (Indeterminate) Frame = 4;
  if (FrameCount == 12) {
    if (Indeterminate) return Disabled ? 12 : 9;
    if (Frame == 2) return 5;
    if (Frame == 3) return 4;
    if (Frame == 4) return 8;
  }
  return Frame;
}

int RadioFrame(bool Checked, bool Disabled, int FrameCount) {
  int Frame = Checked ? 2 : 1;
  if (Disabled) Frame += 2;
  if (FrameCount == 8) {
    if (Frame == 2) return 5;
    if (Frame == 3) return 4;
    if (Frame == 4) return 8;
  }
  return Frame;
}

int CheckListFrame(int CheckState, int FrameCount) {
  int Frame = CheckState == 1 ? 2 : CheckState == 2 ? 4 : 1;
  if (FrameCount == 12) {
    if (Frame == 2) return 5;
    if (Frame == 3) return 4;
    if (Frame == 4) return 8;
  }
  return Frame;
}

namespace {

bool HasStrip(TSkinData* Data, bool Radio) {
  if (!Data || !Data->Button) return false;
  const TBitmap* Strip = Radio ? Data->Button->RadioBitmap.get() : Data->Button->CheckBitmap.get();
  return Strip && !Strip->Empty();
}

bool TransparentFor(TSkinControl& Self) {
  return (Self.FControl && Self.FControl->Tag() == 5555) ||
         (Self.FSkinData && Self.FSkinData->Options.Contains(xoTransparent));
}

// Paint and erase as both button classes take them before the control.
bool CheckBeforeProc(TSkinControl& Self, TMessage& Message, bool Transparent) {
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (Self.FNoMouseDown == 1) {
        Self.WMPaint(Message);
        return false;
      }
      break;
    case WM_ERASEBKGND:
      if (Transparent) {
        Self.WMERASEBKGND(Message);
        return false;
      }
      break;
  }
  return true;
}

bool RepaintsMark(UINT Msg) {
  switch (Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:  // the system draws its own pushed mark at once; ours goes back over it
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case CM_CHECKSTATECHANGED:
      return true;
  }
  return false;
}

// The mark beside the caption; with the full-paint switch on, the background and the caption too.
void PaintCheck(TSkinControl& Self, HDC DC, const RECT& Rect, TBitmap* Strip, int FrameCount, int Frame,
                int RightInset, bool Transparent) {
  HWND Wnd = Self.LiveHandle();
  if (!Wnd) return;
  const int MarkW = Strip->Width() / FrameCount;
  const int StripH = Strip->Height();
  const LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  const bool RightToLeft = Self.FControl && Self.FControl->UseRightToLeftReading();
  RECT Mark{};
  Mark.top = Rect.top + (Rect.bottom - Rect.top - StripH) / 2;
  Mark.bottom = Mark.top + StripH;
  RECT TextArea = Rect;
  UINT Flags = 0;
  if (Style & BS_LEFTTEXT) {
    Mark.right = Rect.right - RightInset;
    Mark.left = Mark.right - MarkW;
    TextArea.right = Mark.left - 2;
    if (RightToLeft) Flags = DT_RIGHT | DT_RTLREADING;
  } else {
    Mark.left = Rect.left;
    Mark.right = Mark.left + MarkW;
    TextArea.left = Mark.right + 2;
    if (RightToLeft) Flags = DT_RTLREADING;
  }
  Flags |= DT_WORDBREAK | DT_EXPANDTABS;
  const bool FullPaint = Self.FNoMouseDown == 1;
  if (FullPaint && !Transparent) Self.FillBG(DC, Rect);
  Self.DrawSkinMap2(DC, Mark, Strip, Frame, FrameCount);
  if (!FullPaint) return;

  TSaveDC Saved(DC);  // background mode, colours and font come back
  Self.FCaption = Self.FControl ? GetStringProp(Self.FControl, "Caption") : WindowTextOf(Wnd);
  if (Self.FControl) SelectObject(DC, Self.FControl->Font()->Handle());
  const bool Enabled = (Style & WS_DISABLED) == 0;
  SetTextColor(DC, ColorToRGB(Enabled && Self.FControl ? Self.FControl->Font()->Color()
                                                       : SystemColor(COLOR_BTNSHADOW)));
  SetBkColor(DC, ColorToRGB(Self.SchemeColor(csButtonFace)));
  SetBkMode(DC, TRANSPARENT);
  RECT Measured = TextArea;
  DrawWideText(DC, Self.FCaption, Measured, Flags | DT_CALCRECT);
  const int TextH = Measured.bottom - Measured.top;
  RECT Placed = TextArea;
  Placed.top = TextArea.top + (TextArea.bottom - TextArea.top - TextH) / 2;
  Placed.bottom = Placed.top + TextH;
  if (GetFocus() == Wnd && !Self.FCaption.empty() && IsVista) {
    Self.DrawFocus(DC, Self.FCaption, TextArea, Flags);
    SetTextColor(DC, ColorToRGB(Enabled && Self.FControl ? Self.FControl->Font()->Color()
                                                         : SystemColor(COLOR_BTNSHADOW)));
  }
  DrawWideText(DC, Self.FCaption, Placed, Flags);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TSkinCheckBox

void TSkinCheckBox::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  FCheckValue = 0;
  FNoMouseDown = FControl && HasStrip(FSkinData, false) ? 1 : 0;
  FTransparent = TransparentFor(*this);
}

bool TSkinCheckBox::BeforeProc(TMessage& Message) {
  if (!TSkinControl::BeforeProc(Message)) return false;
  return CheckBeforeProc(*this, Message, FTransparent);
}

void TSkinCheckBox::AfterProc(TMessage& Message) {
  if (Message.Msg == BM_SETCHECK) FCheckValue = static_cast<int>(Message.WParam) + 1;
  if (RepaintsMark(Message.Msg)) {
    Invalidate();
    return;
  }
  TSkinControl::AfterProc(Message);
}

int TSkinCheckBox::StateFrame() {
  HWND Wnd = LiveHandle();
  const LRESULT State = Wnd ? SendMessageW(Wnd, BM_GETSTATE, 0, 0) : 0;
  int Frame = (State & BST_CHECKED) ? 2 : 1;
  if (FControl) {
    if (GetPropInfo(FControl, "State")) {
      const String Value = LowerCase(GetProperty(FControl, "State"));
      if (Value.find("uncheck") != String::npos)
        Frame = 1;
      else if (Value.find("check") != String::npos)
        Frame = 2;
      else if (Value.find("gray") != String::npos)
        Frame = 4;
    } else if (GetPropInfo(FControl, "Checked")) {
      Frame = LowerCase(GetProperty(FControl, "Checked")) == "true" ? 2 : 1;
    }
    if (GetPropInfo(FControl, "DataField") && FCheckValue != 0) Frame = FCheckValue == 3 ? 4 : FCheckValue;
    if (GetPropInfo(FControl, "DataBinding")) Frame = 1;
  }
  return Frame;
}

void TSkinCheckBox::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd) return;
  if (!HasStrip(FSkinData, false)) {
    FNoMouseDown = 0;
    return;
  }
  TBitmap* Strip = FSkinData->Button->CheckBitmap.get();
  const int Count = std::max(FSkinData->Button->CheckFrame, 1);
  const bool Disabled = (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_DISABLED) != 0;
  const bool Indeterminate = (SendMessageW(Wnd, BM_GETSTATE, 0, 0) & BST_INDETERMINATE) != 0;
  const int Frame = CheckBoxFrame(StateFrame(), Disabled, Indeterminate, Count);
  PaintCheck(*this, DC, Rect, Strip, Count, Frame, 0, FTransparent);
}

// ---------------------------------------------------------------------------------------------------
// TSkinRadioButton

void TSkinRadioButton::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  FNoMouseDown = FControl && HasStrip(FSkinData, true) ? 1 : 0;
  FTransparent = TransparentFor(*this);
}

bool TSkinRadioButton::BeforeProc(TMessage& Message) {
  if (!TSkinControl::BeforeProc(Message)) return false;
  return CheckBeforeProc(*this, Message, FTransparent);
}

void TSkinRadioButton::AfterProc(TMessage& Message) {
  if (RepaintsMark(Message.Msg)) {
    Invalidate();
    return;
  }
  TSkinControl::AfterProc(Message);
}

bool TSkinRadioButton::IsChecked() {
  HWND Wnd = LiveHandle();
  bool Checked = Wnd && (SendMessageW(Wnd, BM_GETCHECK, 0, 0) & BST_CHECKED);
  if (FControl && GetPropInfo(FControl, "Checked"))
    Checked = LowerCase(GetProperty(FControl, "Checked")) == "true";
  return Checked;
}

void TSkinRadioButton::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd) return;
  if (!HasStrip(FSkinData, true)) {
    FNoMouseDown = 0;
    return;
  }
  TBitmap* Strip = FSkinData->Button->RadioBitmap.get();
  const int Count = std::max(FSkinData->Button->RadioFrame, 1);
  const bool Disabled = (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_DISABLED) != 0;
  PaintCheck(*this, DC, Rect, Strip, Count, RadioFrame(IsChecked(), Disabled, Count), 1, FTransparent);
}

// ---------------------------------------------------------------------------------------------------
// TSkinCheckList

bool TSkinCheckList::BeforeProc(TMessage& Message) {
  // Without a check strip in the skin the list draws its lines itself rather than leave them blank.
  if (Message.Msg == CN_DRAWITEM && HasStrip(FSkinData, false)) {
    CNDrawItem(Message);
    return false;
  }
  return TSkinScrollbar::BeforeProc(Message);
}

void TSkinCheckList::CNDrawItem(TMessage& Message) {
  Message.Result = TRUE;
  const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  auto* List = dynamic_cast<TCustomListBox*>(FControl);
  if (!Item || !Item->hDC || !FCanvas || !List) return;
  TSaveDC Saved(Item->hDC);
  // The lent canvas may hold a DC of its own: it gets it back afterwards.
  const HDC Previous = FCanvas->HandleAllocated() ? FCanvas->Handle() : nullptr;
  FCanvas->SetHandle(Item->hDC);
  struct TUnbind {
    TCanvas* Canvas;
    HDC Previous;
    ~TUnbind() { Canvas->SetHandle(Previous); }
  } Unbind{FCanvas, Previous};
  FCanvas->Font()->Assign(List->Font());
  FCanvas->Brush()->SetStyle(bsSolid);
  FCanvas->Brush()->SetColor(List->Color());
  const int Index = static_cast<int>(Item->itemID);
  if (Index >= 0 && (Item->itemState & ODS_SELECTED)) {
    FCanvas->Brush()->SetColor(clHighlight);
    FCanvas->Font()->SetColor(clHighlightText);
  }
  if (Index < 0)
    FCanvas->FillRect(Item->rcItem);
  else
    DrawItem(Item->hDC, Index, Item->itemState, Item->rcItem);
}

void TSkinCheckList::DrawItem(HDC DC, int Index, UINT State, const RECT& Rect) {
  auto* List = dynamic_cast<TCheckListBox*>(FControl);
  if (!DC || !FCanvas || !List || !HasStrip(FSkinData, false)) return;
  if (Index < 0 || Index >= List->Count()) return;
  TCanvas* Canvas = FCanvas;
  const WideString Text = Utf8ToUtf16(List->Items()->Strings(Index));
  const bool Enabled = List->Enabled() && List->ItemEnabled(Index);
  if (List->Header(Index)) {
    // A header: its own colours over the whole line, the text as a single line, no mark.
    Canvas->Font()->SetColor(List->HeaderColor());
    Canvas->Brush()->SetColor(List->HeaderBackgroundColor());
    Canvas->FillRect(Rect);
    RECT TextRect = Rect;
    InflateRect(&TextRect, -2, 0);
    Canvas->TextExtent("");  // the canvas's font into the DC
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, ColorToRGB(List->HeaderColor()));
    DrawWideText(DC, Text, TextRect, CheckBiDi(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
    return;
  }
  TBitmap* Strip = FSkinData->Button->CheckBitmap.get();
  const int Count = std::max(FSkinData->Button->CheckFrame, 1);
  const int MarkW = Strip->Width() / Count;
  const int MarkH = Strip->Height();
  const bool RightToLeft = List->UseRightToLeftReading();
  RECT Mark{};
  Mark.top = Rect.top + (Rect.bottom - Rect.top - MarkH) / 2;
  Mark.bottom = Mark.top + MarkH;
  RECT TextArea = Rect;
  RECT Column = Rect;  // the mark's column keeps the list's colour
  UINT Flags = DT_WORDBREAK | DT_EXPANDTABS;
  if (RightToLeft) {
    Mark.right = Rect.right;
    Mark.left = Mark.right - MarkW;
    TextArea.right = Mark.left - 2;
    Column.left = TextArea.right;
    Flags |= DT_RIGHT | DT_RTLREADING;
  } else {
    Mark.left = Rect.left + 2;
    Mark.right = Mark.left + MarkW;
    TextArea.left = Mark.right + 2;
    Column.right = TextArea.left;
  }
  FillColor(DC, Column, List->Color());
  int CheckState = 0;
  switch (List->State(Index)) {
    case cbChecked:
      CheckState = 1;
      break;
    case cbGrayed:
      CheckState = 2;
      break;
    default:
      break;
  }
  DrawSkinMap2(DC, Mark, Strip, CheckListFrame(CheckState, Count), Count);

  Canvas->FillRect(TextArea);
  Canvas->TextExtent("");
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(Enabled ? Canvas->Font()->Color() : SystemColor(COLOR_GRAYTEXT)));
  RECT Measured = TextArea;
  DrawWideText(DC, Text, Measured, Flags | DT_CALCRECT);
  const int TextH = Measured.bottom - Measured.top;
  RECT Placed = TextArea;
  Placed.top = TextArea.top + (TextArea.bottom - TextArea.top - TextH) / 2;
  Placed.bottom = Placed.top + TextH;
  DrawWideText(DC, Text, Placed, Flags);
  if (State & ODS_FOCUS) {
    SetTextColor(DC, RGB(0, 0, 0));
    SetBkColor(DC, RGB(255, 255, 255));
    DrawFocusRect(DC, &TextArea);
  }
}
