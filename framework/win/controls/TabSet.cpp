#include "framework/win/controls/TabSet.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/controls/WideText.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 400;  // ms before a held arrow starts repeating
constexpr UINT kRepeat = 100;
constexpr int kTabPadding = 9;  // around a tab's text, both sides together
constexpr int kSlant = 3;       // how far a tab's sides lean inwards

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TScroller

TScroller::TScroller(TComponent* AOwner) : TCustomControl(AOwner) {
  FWidth = 2 * GetSystemMetrics(SM_CXHSCROLL);
  FHeight = GetSystemMetrics(SM_CYHSCROLL);
}

TScroller::~TScroller() {
  if (FHandle) KillTimer(FHandle, kRepeatTimer);
}

void TScroller::SetRange(int AMin, int AMax) {
  FMin = AMin;
  FMax = std::max(AMin, AMax);
  FPosition = std::clamp(FPosition, FMin, FMax);
  Invalidate();
}

void TScroller::SetPosition(int Value) {
  Value = std::clamp(Value, FMin, FMax);
  if (Value == FPosition) return;
  FPosition = Value;
  Invalidate();
}

int TScroller::ArrowAt(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return -1;
  return X < FWidth / 2 ? 0 : 1;
}

void TScroller::Step() {
  const int Next = std::clamp(FPosition + (FPressed == 0 ? -1 : 1), FMin, FMax);
  if (Next == FPosition) return;
  FPosition = Next;
  Invalidate();
  if (OnChange) OnChange(this);
}

void TScroller::Paint() {
  HDC DC = Canvas()->Handle();
  const int Half = FWidth / 2;
  RECT Left{0, 0, Half, FHeight};
  RECT Right{Half, 0, FWidth, FHeight};
  DrawFrameControl(
      DC, &Left, DFC_SCROLL,
      DFCS_SCROLLLEFT | (FPressed == 0 ? DFCS_PUSHED : 0) | (FPosition <= FMin ? DFCS_INACTIVE : 0));
  DrawFrameControl(
      DC, &Right, DFC_SCROLL,
      DFCS_SCROLLRIGHT | (FPressed == 1 ? DFCS_PUSHED : 0) | (FPosition >= FMax ? DFCS_INACTIVE : 0));
}

void TScroller::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FPressed = ArrowAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      if (FPressed >= 0) {
        SetCapture(FHandle);
        SetTimer(FHandle, kRepeatTimer, kFirstRepeat, nullptr);
        Invalidate();
        Step();
      }
      Message.Result = 0;
      return;
    case WM_TIMER:
      if (Message.WParam == kRepeatTimer) {
        POINT Cursor;
        GetCursorPos(&Cursor);
        ::ScreenToClient(FHandle, &Cursor);
        if (FPressed >= 0 && ArrowAt(Cursor.x, Cursor.y) == FPressed) Step();
        SetTimer(FHandle, kRepeatTimer, kRepeat, nullptr);
        Message.Result = 0;
        return;
      }
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (FPressed >= 0) {
        FPressed = -1;
        KillTimer(FHandle, kRepeatTimer);
        if (Message.Msg != WM_CAPTURECHANGED && GetCapture() == FHandle) ReleaseCapture();
        Invalidate();
      }
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TTabSet

TTabSet::TTabSet(TComponent* AOwner)
    : TCustomControl(AOwner), FTabs(std::make_unique<TStringList>()), FScroller(new TScroller(this)) {
  FWidth = 185;
  FHeight = 21;
  FTabStop = true;
  FTabs->OnChange = TNotifyEvent::Bind<&TTabSet::TabsChanged>(this);
  FScroller->SetVisible(false);
  FScroller->OnChange = TNotifyEvent::Bind<&TTabSet::ScrollerChanged>(this);
  FScroller->SetParent(this);
}

TTabSet::~TTabSet() {
  FTabs->OnChange.Clear();
  FScroller->OnChange.Clear();
}

void TTabSet::Publish(TPublisher<TTabSet>& P) {
  P.Obj("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs);
  P.Int("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex).Default(-1);
  P.Int("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex).Default(0);
  P.Int("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin).Default(5);
  P.Int("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin).Default(15);
  P.Int("TabHeight", &TTabSet::TabHeight, &TTabSet::SetTabHeight).Default(20);
  P.Color("SelectedColor", &TTabSet::SelectedColor, &TTabSet::SetSelectedColor).Default(clBtnFace);
  P.Color("UnselectedColor", &TTabSet::UnselectedColor, &TTabSet::SetUnselectedColor).Default(clWindow);
  P.Color("BackgroundColor", &TTabSet::BackgroundColor, &TTabSet::SetBackgroundColor).Default(clBtnFace);
  P.Bool("DitherBackground", &TTabSet::DitherBackground, &TTabSet::SetDitherBackground).Default(1);
  P.Bool("AutoScroll", &TTabSet::AutoScroll, &TTabSet::SetAutoScroll).Default(1);
  P.Enum("Style", &TTabSet::Style, &TTabSet::SetStyle).Default(tsStandard);
  P.Event("OnChange", &TTabSet::OnChange);
  P.Event("OnDrawTab", &TTabSet::OnDrawTab);
}

void TTabSet::Loaded() {
  TCustomControl::Loaded();
  if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
  FFirstIndex = std::clamp(FFirstIndex, 0, std::max(FTabs->Count() - 1, 0));
}

std::vector<TTabSet::TTabPlace> TTabSet::Layout() {
  std::vector<TTabPlace> Places;
  if (!FHandle) return Places;
  TCanvas* C = Canvas();
  SyncCanvasFont(C, FFont.get());
  std::vector<int> Widths(static_cast<size_t>(FTabs->Count()));
  int Total = FStartMargin;
  for (int I = 0; I < FTabs->Count(); ++I) {
    Widths[static_cast<size_t>(I)] = C->TextWidth(FTabs->Get(I)) + kTabPadding;
    Total += Widths[static_cast<size_t>(I)];
  }
  // The scroller takes the right end when the tabs need more than there is.
  const bool Scrolls = FAutoScroll && Total > FWidth - FEndMargin;
  int Room = FWidth - FEndMargin;
  if (Scrolls) Room = std::min(Room, FWidth - FScroller->Width() - 4);
  int X = FStartMargin;
  for (int I = FFirstIndex; I < FTabs->Count(); ++I) {
    const int W = Widths[static_cast<size_t>(I)];
    if (X + W > Room) break;  // a tab that does not fit whole is not shown
    Places.push_back({I, {X, 0, X + W, FTabHeight}});
    X += W;
  }
  return Places;
}

void TTabSet::UpdateScroller() {
  if (!FHandle) return;
  TCanvas* C = Canvas();
  SyncCanvasFont(C, FFont.get());
  int Total = FStartMargin;
  for (int I = 0; I < FTabs->Count(); ++I) Total += C->TextWidth(FTabs->Get(I)) + kTabPadding;
  const bool Scrolls = FAutoScroll && Total > FWidth - FEndMargin;
  if (!Scrolls && FFirstIndex > 0) {
    FFirstIndex = 0;
    Invalidate();
  }
  FScroller->SetRange(0, std::max(FTabs->Count() - 1, 0));
  FScroller->SetPosition(FFirstIndex);
  const int Height = std::min(FScroller->Height(), std::max(FTabHeight - 2, 1));
  FScroller->SetBounds(FWidth - FScroller->Width() - 2, 1, FScroller->Width(), Height);
  FScroller->SetVisible(Scrolls);
}

int TTabSet::VisibleTabs() {
  return static_cast<int>(Layout().size());
}

int TTabSet::ItemAtPos(POINT Pos) {
  for (const TTabPlace& Place : Layout())
    if (PtInRect(&Place.Rect, Pos)) return Place.Index;
  return -1;
}

RECT TTabSet::ItemRect(int Index) {
  for (const TTabPlace& Place : Layout())
    if (Place.Index == Index) return Place.Rect;
  return {};
}

bool TTabSet::CanChange(int NewTab) {
  bool Allow = true;
  if (OnChange) OnChange(this, NewTab, Allow);
  return Allow;
}

void TTabSet::SetTabIndex(int Value) {
  if (Value < -1 || Value >= FTabs->Count()) Value = -1;
  if (Value == FTabIndex) return;
  const bool Loading = ComponentState().Contains(csLoading);
  if (!Loading && !CanChange(Value)) return;
  FTabIndex = Value;
  if (!Loading && FHandle && Value >= 0) {
    // Scrolled into view.
    if (Value < FFirstIndex) FFirstIndex = Value;
    while (FFirstIndex < Value) {
      const auto Places = Layout();
      if (std::any_of(Places.begin(), Places.end(), [&](const TTabPlace& P) { return P.Index == Value; }))
        break;
      ++FFirstIndex;
    }
    FScroller->SetPosition(FFirstIndex);
  }
  Invalidate();
}

void TTabSet::SetFirstIndex(int Value) {
  if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, 0, std::max(FTabs->Count() - 1, 0));
  if (Value == FFirstIndex) return;
  FFirstIndex = Value;
  FScroller->SetPosition(Value);
  Invalidate();
}

void TTabSet::SetStartMargin(int Value) {
  FStartMargin = std::max(Value, 0);
  Invalidate();
}

void TTabSet::SetEndMargin(int Value) {
  FEndMargin = std::max(Value, 0);
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetTabHeight(int Value) {
  FTabHeight = std::max(Value, 1);
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetSelectedColor(TColor Value) {
  FSelectedColor = Value;
  Invalidate();
}

void TTabSet::SetUnselectedColor(TColor Value) {
  FUnselectedColor = Value;
  Invalidate();
}

void TTabSet::SetBackgroundColor(TColor Value) {
  FBackgroundColor = Value;
  Invalidate();
}

void TTabSet::SetDitherBackground(bool Value) {
  FDitherBackground = Value;
  Invalidate();
}

void TTabSet::SetAutoScroll(bool Value) {
  FAutoScroll = Value;
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetStyle(TTabSetStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TTabSet::TabsChanged(TObject*) {
  if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
  if (FFirstIndex >= FTabs->Count()) FFirstIndex = std::max(FTabs->Count() - 1, 0);
  UpdateScroller();
  Invalidate();
}

void TTabSet::ScrollerChanged(TObject*) {
  FFirstIndex = FScroller->Position();
  Invalidate();
}

void TTabSet::DrawTab(const TTabPlace& Place, bool Selected) {
  TCanvas* C = Canvas();
  const RECT& R = Place.Rect;
  if (FStyle == tsOwnerDraw && OnDrawTab) {
    OnDrawTab(this, C, R, Place.Index, Selected);
    return;
  }
  // A tab hangs from the line, its sides leaning in towards its bottom edge.
  const POINT Shape[] = {
      {R.left, 0}, {R.left + kSlant, R.bottom - 1}, {R.right - kSlant, R.bottom - 1}, {R.right, 0}};
  C->Pen()->SetColor(clWindowFrame);
  C->Brush()->SetColor(Selected ? FSelectedColor : FUnselectedColor);
  C->Polygon(Shape);
  if (Selected) {
    // The selected tab joins what lies above the line.
    C->Pen()->SetColor(FSelectedColor);
    C->MoveTo(R.left + 1, 0);
    C->LineTo(R.right, 0);
  }
  RECT Text = R;
  C->Brush()->SetStyle(bsClear);
  C->DrawText(FTabs->Get(Place.Index), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  C->Brush()->SetStyle(bsSolid);
}

void TTabSet::Paint() {
  TCanvas* C = Canvas();
  HDC DC = C->Handle();
  const RECT All{0, 0, FWidth, FHeight};
  if (FDitherBackground) {
    // Every other pixel white: an 8 x 8 checker of the two colours.
    static constexpr WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    TGdiBitmap Pattern(CreateBitmap(8, 8, 1, 1, kChecker));
    TGdiBrush Brush(CreatePatternBrush(Pattern.Get()));
    const COLORREF OldText = SetTextColor(DC, ColorToRGB(FBackgroundColor));
    const COLORREF OldBack = SetBkColor(DC, RGB(255, 255, 255));
    FillRect(DC, &All, Brush.Get());
    SetTextColor(DC, OldText);
    SetBkColor(DC, OldBack);
  } else {
    C->Brush()->SetColor(FBackgroundColor);
    C->FillRect(All);
  }
  C->Pen()->SetColor(clWindowFrame);
  C->MoveTo(0, 0);
  C->LineTo(FWidth, 0);
  SyncCanvasFont(C, FFont.get());
  const auto Places = Layout();
  for (const TTabPlace& Place : Places)
    if (Place.Index != FTabIndex) DrawTab(Place, false);
  for (const TTabPlace& Place : Places)
    if (Place.Index == FTabIndex) DrawTab(Place, true);
}

void TTabSet::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int Hit = ItemAtPos({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
      if (Hit >= 0 && Hit != FTabIndex) SetTabIndex(Hit);
      break;
    }
    case WM_SIZE:
      TCustomControl::WndProc(Message);
      UpdateScroller();
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(Message);
      UpdateScroller();
      return;
  }
  TCustomControl::WndProc(Message);
}
