// Tab controls, tab sets, button-style tabs, pages and other component sets' page controls.
#include "skin/controls/SkinTabs.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "framework/core/Strings.h"
#include "framework/core/TypInfo.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/controls/LentImages.h"
#include "skin/controls/SkinHeaders.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "skin/imaging/BitmapUtils.h"
#include "skin/imaging/SkinPaint.h"

namespace {

constexpr int kTabTextMax = 80;

bool HasImage(const TDataSkinObject* Element) {
  return Element && Element->Bitmap && !Element->Bitmap->Empty();
}

bool Empty(const TBitmap* Bitmap) {
  return !Bitmap || Bitmap->Empty();
}

// Source copied into Target as a 24-bit picture (empty when Source is missing or empty).
void Copy24(const TBitmap* Source, TBitmap& Target) {
  Target.SetPixelFormat(pf24bit);
  if (Empty(Source)) {
    Target.SetSize(0, 0);
    return;
  }
  Target.SetSize(Source->Width(), Source->Height());
  BitBlt(Target.Canvas()->Handle(), 0, 0, Source->Width(), Source->Height(),
         const_cast<TBitmap*>(Source)->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// Text and image of tab Index, through the Unicode or the ANSI item message.
bool ReadTab(HWND Wnd, int Index, bool Unicode, WideString& Text, int& Image) {
  Image = -1;
  if (Unicode) {
    wchar_t Buffer[kTabTextMax + 1] = {};
    TCITEMW Item{};
    Item.mask = TCIF_TEXT | TCIF_IMAGE;
    Item.pszText = Buffer;
    Item.cchTextMax = kTabTextMax;
    if (!SendMessageW(Wnd, TCM_GETITEMW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item)))
      return false;
    Buffer[kTabTextMax] = L'\0';
    const std::wstring Wide(Item.pszText ? Item.pszText : Buffer);
    Text = WideString(Wide.begin(), Wide.end());
    Image = Item.iImage;
    return true;
  }
  char Buffer[kTabTextMax + 1] = {};
  TCITEMA Item{};
  Item.mask = TCIF_TEXT | TCIF_IMAGE;
  Item.pszText = Buffer;
  Item.cchTextMax = kTabTextMax;
  if (!SendMessageA(Wnd, TCM_GETITEMA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item)))
    return false;
  Buffer[kTabTextMax] = '\0';
  const char* Narrow = Item.pszText ? Item.pszText : Buffer;
  const int Length = static_cast<int>(strnlen(Narrow, kTabTextMax));
  const int WideLength = MultiByteToWideChar(CP_ACP, 0, Narrow, Length, nullptr, 0);
  std::wstring Wide(static_cast<std::size_t>(std::max(WideLength, 0)), L'\0');
  if (WideLength > 0) MultiByteToWideChar(CP_ACP, 0, Narrow, Length, Wide.data(), WideLength);
  Text = WideString(Wide.begin(), Wide.end());
  Image = Item.iImage;
  return true;
}

// The first child window of class "msctls_updown32".
HWND FindUpDownChild(HWND Parent) {
  return Parent ? FindWindowExW(Parent, nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
}

bool Shown(HWND Wnd) {
  return Wnd && (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// TSkinTab

TSkinTab::TSkinTab(TComponent* AOwner)
    : TSkinControl(AOwner),
      FTabBmp(std::make_unique<TBitmap>()),
      FBorderBmp(std::make_unique<TBitmap>()),
      FWork(std::make_unique<TBitmap>()),
      FAlive(std::make_shared<bool>(true)) {}

TSkinTab::~TSkinTab() {
  *FAlive = false;
}

void TSkinTab::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FUpDown) FUpDown = nullptr;
}

bool TSkinTab::WantsCloseButtons(TControl* Control) {
  return Control && Control->Tag() == kCloseBoxTag && Control->InheritsFrom("TPageControl") &&
         LowerCase(GetProperty(Control, "MultiLine")) != "true";
}

void TSkinTab::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  if (HWND Wnd = LiveHandle()) FEnabled = (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_DISABLED) == 0;
  FCloseButtons = WantsCloseButtons(FControl);
  inittab();
  FindScroll();
  FActive = true;
  FUnicodeTabs = FHandle && IsWindowUnicode(FHandle);
}

void TSkinTab::Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) {
  if (FInited) return;
  TSkinControl::Inithwnd(Handle, SkinData, Canvas, FormSkin);
  if (!FInited) return;
  FEnabled = (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED) == 0;
  FFocused = GetFocus() == Handle;
  FCloseButtons = false;  // close boxes free pages, which only page controls have
  inittab();
  FindScroll();
  FActive = true;
  FUnicodeTabs = IsWindowUnicode(Handle) != FALSE;
}

void TSkinTab::SkinChange() {
  inittab();
  TSkinControl::SkinChange();
}

void TSkinTab::GetPosition() {
  HWND Wnd = LiveHandle();
  const LONG_PTR Style = Wnd ? GetWindowLongPtrW(Wnd, GWL_STYLE) : 0;
  const bool Vertical = (Style & TCS_VERTICAL) != 0;
  const bool BottomOrRight = (Style & TCS_BOTTOM) != 0;
  if (Vertical)
    FPosition = BottomOrRight ? Stright : Stleft;
  else
    FPosition = BottomOrRight ? Stbottom : StTop;
}

void TSkinTab::inittab() {
  GetPosition();
  auto* Tab = FSkinData ? FSkinData->Tab.get() : nullptr;
  Copy24(Tab ? Tab->Bitmap.get() : nullptr, *FTabBmp);
  const TBitmap* Border = nullptr;
  if (Tab && Tab->Style == 0)
    Border = Tab->Bitmap2.get();
  else if (Tab && FSkinData->TabPane)
    Border = FSkinData->TabPane->Bitmap.get();
  Copy24(Border, *FBorderBmp);
  switch (FPosition) {
    case Stbottom:
      SpiegelnVertikal(FTabBmp.get());
      SpiegelnVertikal(FBorderBmp.get());
      break;
    case Stleft:
      Drehen270Grad(FBorderBmp.get());
      break;
    case Stright:
      Drehen90Grad(FBorderBmp.get());
      break;
    case StTop:
      break;
  }
}

bool TSkinTab::FindScroll() {
  HWND Arrows = FindUpDownChild(LiveHandle());
  if (!Arrows) return false;
  return Shown(Arrows);
}

RECT TSkinTab::DisplayArea(const RECT& Window) const {
  RECT Display = Window;
  if (HWND Wnd = LiveHandle()) SendMessageW(Wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
  InflateRect(&Display, 4, 4);
  switch (FPosition) {
    case StTop:
      Display.top += 1;
      break;
    case Stbottom:
      Display.bottom -= 1;
      break;
    case Stleft:
      Display.left += 1;
      break;
    case Stright:
      Display.right -= 1;
      break;
  }
  return Display;
}

RECT TSkinTab::TabStrip(const RECT& Window, const RECT& Display) const {
  switch (FPosition) {
    case StTop:
      return RECT{Window.left, Window.top, Window.right, std::max(Window.top, Display.top)};
    case Stbottom:
      return RECT{Window.left, std::min(Window.bottom, Display.bottom), Window.right, Window.bottom};
    case Stleft:
      return RECT{Window.left, Window.top, std::max(Window.left, Display.left), Window.bottom};
    case Stright:
      return RECT{std::min(Window.right, Display.right), Window.top, Window.right, Window.bottom};
  }
  return RECT{0, 0, 0, 0};
}

RECT TSkinTab::ToWork(const RECT& Tab, const RECT& Window, const RECT& Display) const {
  const RECT Strip = TabStrip(Window, Display);
  switch (FPosition) {
    case StTop:
      return RECT{Tab.left, Tab.top + 1, Tab.right, Tab.bottom + 1};
    case Stbottom:
      return RECT{Tab.left, Tab.top - (Display.bottom + 1), Tab.right, Tab.bottom - (Display.bottom + 1)};
    case Stleft: {
      const LONG WorkW = Strip.bottom - Strip.top;
      return RECT{WorkW - Tab.bottom, Tab.left, WorkW - Tab.top, Tab.right};
    }
    case Stright:
      return RECT{Tab.top - 1, Window.right - Tab.right, Tab.bottom - 1, Window.right - Tab.left};
  }
  return Tab;
}

POINT TSkinTab::ToWork(POINT Point, const RECT& Window, const RECT& Display) const {
  // The work bitmap covers the strip (turned for tabs at the side); the shift of the tab pictures
  // inside it is a matter of drawing and does not move the coordinates.
  const RECT Strip = TabStrip(Window, Display);
  const POINT At{Point.x - Strip.left, Point.y - Strip.top};
  switch (FPosition) {
    case StTop:
    case Stbottom:
      return At;
    case Stleft:
      return POINT{(Strip.bottom - Strip.top) - 1 - At.y, At.x};
    case Stright:
      return POINT{At.y, (Strip.right - Strip.left) - 1 - At.x};
  }
  return At;
}

bool TSkinTab::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return false;
    case WM_LBUTTONDOWN:
      if (FCloseButtons && ClickClose(Message)) {
        Message.Result = 0;
        return false;
      }
      break;
  }
  return TSkinControl::BeforeProc(Message);
}

namespace {

// The pages of a page control, read through their published properties (page controls of other
// component sets keep the same names): the child controls that are tab sheets, with a visible tab,
// in page order, so that the n-th is the page of tab n.
std::vector<TWinControl*> TabbedPages(TWinControl* Pages) {
  std::vector<std::pair<int, TWinControl*>> Found;
  for (int I = 0; I < Pages->ControlCount(); ++I) {
    auto* Page = dynamic_cast<TWinControl*>(Pages->Controls(I));
    if (!Page || !Page->InheritsFrom("TTabSheet")) continue;
    if (LowerCase(GetProperty(Page, "TabVisible")) == "false") continue;
    Found.emplace_back(GetIntProperty(Page, "PageIndex"), Page);
  }
  std::stable_sort(Found.begin(), Found.end(),
                   [](const auto& A, const auto& B) { return A.first < B.first; });
  std::vector<TWinControl*> Result;
  for (const auto& Entry : Found) Result.push_back(Entry.second);
  return Result;
}

TObject* ActivePageOf(TWinControl* Pages) {
  return GetObjProp(Pages, "ActivePage", TWinControl::StaticClass());
}

}  // namespace

bool TSkinTab::ClickClose(TMessage& Message) {
  HWND Wnd = LiveHandle();
  auto* Pages = WinControl();
  if (!Wnd || !Pages || FCloseRects.empty()) return false;
  const POINT Client{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  const POINT At = ToWork(Client, FLastWindow, FLastDisplay);
  int Index = -1;
  for (std::size_t I = 0; I < FCloseRects.size() && Index < 0; ++I)
    if (PtInRect(&FCloseRects[I], At)) Index = static_cast<int>(I);
  if (Index < 0) return false;
  // A click that comes while a close box is freeing a page (from the page's destructor, or from what
  // the question to the form runs) does nothing.
  if (FClosing) return true;
  // Pages that are going away are freed by whoever frees them: nothing is asked, nothing freed here,
  // while the page control, a page or a page's owner is being destroyed.
  auto Destroying = [](TComponent* Component) {
    return Component && Component->ComponentState().Contains(csDestroying);
  };
  if (Destroying(Pages)) return true;
  for (TWinControl* Page : TabbedPages(Pages))
    if (Destroying(Page) || Destroying(Page->Owner())) return true;

  // The form skin object's window may keep the page; what it runs may free this object too.
  const std::shared_ptr<bool> Alive = FAlive;
  struct TClosing {
    TSkinTab* Self;
    std::shared_ptr<bool> Alive;
    ~TClosing() {
      if (*Alive) Self->FClosing = false;
    }
  } Closing{this, Alive};
  FClosing = true;
  HWND Asked = FFormSkin ? FFormSkin->FHandle : nullptr;
  LRESULT Answer = 0;
  if (Asked && IsWindow(Asked))
    Answer = SendMessageW(Asked, WM_SKIN_CLOSETAB, reinterpret_cast<WPARAM>(Wnd), static_cast<LPARAM>(Index));
  if (!*Alive || Answer != 0 || LiveHandle() != Wnd) return true;

  std::vector<TWinControl*> Tabbed = TabbedPages(Pages);
  if (Index >= static_cast<int>(Tabbed.size())) return true;
  TWinControl* Page = Tabbed[static_cast<std::size_t>(Index)];
  if (Page->ComponentState().Contains(csDestroying)) return true;
  if (ActivePageOf(Pages) == Page) {
    // The selection moves off the page first: to the next tab, or to the previous one for the last.
    const std::size_t Next = Index + 1 < static_cast<int>(Tabbed.size()) ? Index + 1 : Index - 1;
    SetObjectProp(Pages, "ActivePage", Next < Tabbed.size() ? Tabbed[Next] : nullptr);
    // What the change ran may have freed either of us, or the page, or kept the page showing.
    if (!*Alive || ActivePageOf(Pages) == Page) return true;
    Tabbed = TabbedPages(Pages);
    if (std::find(Tabbed.begin(), Tabbed.end(), Page) == Tabbed.end()) return true;
  }
  delete Page;
  if (*Alive) Invalidate();
  return true;
}

void TSkinTab::Drawitem(HDC DC, const RECT& Rect, int Frame) {
  auto* Tab = FSkinData ? FSkinData->Tab.get() : nullptr;
  if (!DC || !Tab || Empty(FTabBmp.get())) return;
  DrawRect2(DC, Rect, FTabBmp.get(), Tab->Margins, Frame, std::max(Tab->FrameCount, 1),
            Tab->Trans == 1 ? 1 : 0, Tab->Tile, 0);
}

void TSkinTab::drawCloseBtn(const RECT& Rect, int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= FCloseRects.size()) return;
  TCanvas* Canvas = FWork->Canvas();
  const int X = Rect.right - 8;
  const int Y = Rect.top + 2;
  Canvas->MoveTo(X, Y);
  Canvas->LineTo(X + 5, Y);
  Canvas->LineTo(X + 5, Y + 5);
  Canvas->LineTo(X, Y + 5);
  Canvas->LineTo(X, Y);
  Canvas->MoveTo(X, Y);
  Canvas->LineTo(X + 6, Y + 6);
  Canvas->MoveTo(X + 5, Y);
  Canvas->LineTo(X - 1, Y + 6);
  FCloseRects[static_cast<std::size_t>(Index)] = RECT{X, Y, X + 6, Y + 6};
}

void TSkinTab::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  if (!DC || !Wnd || !FSkinData) return;
  auto* Tab = FSkinData->Tab.get();
  FEnabled = IsWindowEnabled(Wnd) != FALSE;
  GetPosition();
  const RECT Display = DisplayArea(Rect);
  const RECT Strip = TabStrip(Rect, Display);
  FLastWindow = Rect;
  FLastDisplay = Display;
  const int StripW = Strip.right - Strip.left;
  const int StripH = Strip.bottom - Strip.top;
  const bool Sideways = FPosition == Stleft || FPosition == Stright;

  if (HasImage(Tab) && !Empty(FTabBmp.get()) && StripW > 0 && StripH > 0) {
    FWork->SetPixelFormat(pf24bit);
    FWork->SetSize(Sideways ? StripH : StripW, Sideways ? StripW : StripH);
    TCanvas* Canvas = FWork->Canvas();
    HDC WorkDC = Canvas->Handle();
    FillParentBG(WorkDC, RECT{0, 0, FWork->Width(), FWork->Height()});
    AssignControlFont(Canvas, FControl, Wnd);
    Canvas->Pen()->SetColor(clBlack);
    TLentImages Images(FControl, Wnd, TCM_GETIMAGELIST);

    const int Count = std::max(0, static_cast<int>(SendMessageW(Wnd, TCM_GETITEMCOUNT, 0, 0)));
    FCloseRects.assign(static_cast<std::size_t>(Count), RECT{0, 0, 0, 0});
    const int Selected = static_cast<int>(SendMessageW(Wnd, TCM_GETCURSEL, 0, 0));
    for (int I = 0; I < Count; ++I) {
      WideString Text;
      int Image = -1;
      if (!ReadTab(Wnd, I, FUnicodeTabs, Text, Image)) continue;
      RECT Item{0, 0, 0, 0};
      if (!SendMessageW(Wnd, TCM_GETITEMRECT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item)))
        continue;
      const RECT At = ToWork(Item, Rect, Display);
      const int Frame = I == Selected ? 2 : 1;
      Drawitem(WorkDC, At, Frame);
      if (FCloseButtons) drawCloseBtn(At, I);
      Canvas->Font()->SetColor(Frame == 1 ? Tab->NormalColour2 : Tab->MouseOverColour2);
      DrawImageText(Canvas, At, DT_CENTER, DT_WORDBREAK, Text, Image, Images.List);
    }
    if (FPosition == Stright) Drehen90Grad(FWork.get());
    if (FPosition == Stleft) Drehen270Grad(FWork.get());

    // Scroll arrows in the strip keep their own picture.
    const int Saved = SaveDC(DC);
    if (FindScroll()) {
      RECT Arrows;
      HWND UpDown = FindUpDownChild(Wnd);
      GetWindowRect(UpDown, &Arrows);
      MapWindowPoints(HWND_DESKTOP, Wnd, reinterpret_cast<POINT*>(&Arrows), 2);
      ExcludeClipRect(DC, Arrows.left, Arrows.top, Arrows.right, Arrows.bottom);
    }
    BitBlt(DC, Strip.left, Strip.top, StripW, StripH, WorkDC, 0, 0, SRCCOPY);
    if (Saved) RestoreDC(DC, Saved);
  }

  if (!Empty(FBorderBmp.get())) {
    const bool Pane = Tab && Tab->Style != 0;
    const TDataSkinObject* Look = Pane && FSkinData->TabPane ? FSkinData->TabPane.get() : Tab;
    const RECT Margins = Pane && FSkinData->TabPane ? FSkinData->TabPane->Margins : RECT{4, 5, 4, 4};
    try {
      DrawRect2(DC, Display, FBorderBmp.get(), Margins, 1, 1, Look && Look->Trans == 1 ? 1 : 0, 0, 0);
    } catch (...) {
      // A border that cannot be drawn leaves the display area as it was.
    }
  }
  // A plain tab control's windowless children sit on the display area just painted over.
  if (FNoMouseDown == kPlainTabControl) PaintWindowlessChildren(DC);
}

// ---------------------------------------------------------------------------------------------------
// TSkinTab31

TSkinTab31::TSkinTab31(TComponent* AOwner) : TSkinControl(AOwner), FTabBmp(std::make_unique<TBitmap>()) {}

TSkinTab31::~TSkinTab31() = default;

void TSkinTab31::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FUpDown) FUpDown = nullptr;
  if (AComponent == FScroller) FScroller = nullptr;
}

void TSkinTab31::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool) {
  if (FInited) return;
  auto* Win = dynamic_cast<TWinControl*>(Owner());
  if (!Win) return;
  HWND Handle = nullptr;
  try {
    Handle = Win->Handle();
  } catch (...) {
    return;  // no window: the tab set stays as it draws itself
  }
  Inithwnd(Handle, SkinData, Canvas, FormSkin);
  inittab();
  if (Win->ComponentCount() > 0) {
    auto* First = dynamic_cast<TControl*>(Win->Components(0));
    if (First && First->InheritsFrom("TScroller")) {
      FScroller = First;
      FScroller->FreeNotification(this);
    }
  }
}

void TSkinTab31::SkinChange() {
  inittab();
  TSkinControl::SkinChange();
}

void TSkinTab31::inittab() {
  auto* Tab = FSkinData ? FSkinData->Tab.get() : nullptr;
  Copy24(Tab ? Tab->Bitmap.get() : nullptr, *FTabBmp);
  SpiegelnVertikal(FTabBmp.get());
}

bool TSkinTab31::BeforeProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return true;  // the tab set paints on after us (into an update region we have emptied)
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinTab31::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  auto* Tab = FSkinData ? FSkinData->Tab.get() : nullptr;
  auto* TabSet = dynamic_cast<TControl*>(Owner());
  if (!DC || !Wnd || !HasImage(Tab) || Empty(FTabBmp.get()) || !TabSet) return;
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0) return;
  if (!FWork) FWork = std::make_unique<TBitmap>();
  FWork->SetSize(W, H);
  TCanvas* Canvas = FWork->Canvas();
  HDC WorkDC = Canvas->Handle();
  FillBG(WorkDC, RECT{0, 0, W, H});
  AssignControlFont(Canvas, TabSet, Wnd);

  auto* Tabs = static_cast<TStrings*>(GetObjProp(TabSet, "Tabs", TStrings::StaticClass()));
  const int Selected = GetIntProperty(TabSet, "TabIndex");
  const int First = std::max(0, GetIntProperty(TabSet, "FirstIndex"));
  const int StartMargin = std::max(0, GetIntProperty(TabSet, "StartMargin"));
  const int EndMargin = std::max(0, GetIntProperty(TabSet, "EndMargin"));
  // With the scroller showing, the tabs leave it 12 pixels more room.
  const bool Scrolling = FScroller && FScroller->Visible();
  const int Room = W - EndMargin - (Scrolling ? 12 : 0);
  const int Count = Tabs ? Tabs->Count() : 0;
  int X = StartMargin;
  for (int I = First; I < Count; ++I) {
    const WideString Text = StrToWideStr(Tabs->Get(I));
    SIZE Size{0, 0};
    Canvas->TextExtent("");  // the canvas's font in the DC
    GetTextExtentPoint32W(WorkDC, reinterpret_cast<const wchar_t*>(Text.c_str()),
                          static_cast<int>(Text.size()), &Size);
    const int Width = Size.cx + 9;
    if (X + Width > Room) break;  // a tab that does not fit whole is left out, with those after it
    const int Frame = I == Selected ? 2 : 1;
    const RECT At{X, 0, X + Width, H};
    DrawRect2(WorkDC, At, FTabBmp.get(), Tab->Margins, Frame, std::max(Tab->FrameCount, 1),
              Tab->Trans == 1 ? 1 : 0, Tab->Tile, 0);
    Canvas->Font()->SetColor(Frame == 1 ? Tab->NormalColour2 : Tab->MouseOverColour2);
    DrawCaption(Canvas, At, Text, true, false, DT_CENTER);
    X += Width;
  }
  BitBlt(DC, Rect.left, Rect.top, W, H, WorkDC, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// TSkinTabBtn

bool TSkinTabBtn::BeforeProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    WMPaint(Message);
    return false;
  }
  return TSkinControl::BeforeProc(Message);
}

void TSkinTabBtn::DrawControl(HDC DC, const RECT& Rect) {
  HWND Wnd = LiveHandle();
  auto* Face = FSkinData ? FSkinData->Button.get() : nullptr;
  if (!DC || !Wnd || !HasImage(Face)) return;
  FEnabled = IsWindowEnabled(Wnd) != FALSE;
  RECT Display = Rect;
  SendMessageW(Wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
  InflateRect(&Display, 4, 4);
  Display.top += 1;
  const int W = Rect.right - Rect.left;
  const int H = std::min<int>(Display.top + 1, Rect.bottom) - Rect.top;
  if (W <= 0 || H <= 0) return;
  TBitmap Work;
  Work.SetPixelFormat(pf24bit);
  Work.SetSize(W, H);
  TCanvas* Canvas = Work.Canvas();
  HDC WorkDC = Canvas->Handle();
  FillBG(WorkDC, RECT{0, 0, W, H});
  AssignControlFont(Canvas, FControl, Wnd);
  Canvas->Font()->SetColor(clBlack);
  TLentImages Images(FControl, Wnd, TCM_GETIMAGELIST);
  const bool Unicode = IsWindowUnicode(Wnd) != FALSE;
  const int Count = std::max(0, static_cast<int>(SendMessageW(Wnd, TCM_GETITEMCOUNT, 0, 0)));
  const int Selected = static_cast<int>(SendMessageW(Wnd, TCM_GETCURSEL, 0, 0));
  for (int I = 0; I < Count; ++I) {
    WideString Text;
    int Image = -1;
    if (!ReadTab(Wnd, I, Unicode, Text, Image)) continue;
    RECT Item{0, 0, 0, 0};
    if (!SendMessageW(Wnd, TCM_GETITEMRECT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item)))
      continue;
    OffsetRect(&Item, 0, 1);
    const int Frame = I == Selected ? 2 : 1;
    DrawRect2(WorkDC, Item, Face->Bitmap.get(), Face->Margins, Frame, std::max(Face->FrameCount, 1),
              Face->Trans == 1 ? 1 : 0, Face->Tile, 0);
    if (Frame == 1 && Face->HasNormalColour2) Canvas->Font()->SetColor(Face->NormalColour2);
    if (Frame == 2 && Face->HasPressedColour2) Canvas->Font()->SetColor(Face->PressedColour2);
    DrawImageText(Canvas, Item, DT_CENTER, DT_WORDBREAK, Text, Image, Images.List);
  }
  BitBlt(DC, Rect.left, Rect.top, W, H, WorkDC, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------------
// TSkinTabSheet

bool TSkinTabSheet::BeforeProc(TMessage& Message) {
  if (!TSkinControl::BeforeProc(Message)) return false;
  if (FNoMouseDown != 0) return true;
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      WMPaint(Message);
      return false;
    case WM_ERASEBKGND:
      if (HWND Wnd = LiveHandle(); Wnd && Message.WParam) {
        RECT Client;
        GetClientRect(Wnd, &Client);
        FillBG(reinterpret_cast<HDC>(Message.WParam), Client);
      }
      Message.Result = 1;
      return false;
  }
  return true;
}

void TSkinTabSheet::DrawControl(HDC DC, const RECT& Rect) {
  if (!DC) return;
  FillBG(DC, Rect);
  PaintWindowlessChildren(DC);
}

// ---------------------------------------------------------------------------------------------------
// TSkinAdvPage

void TSkinAdvPage::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FUpDown) FUpDown = nullptr;
}

void TSkinAdvPage::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) {
  if (FInited) return;
  TSkinControl::Init(FormSkin, SkinData, Canvas, SetColor);
  ChangeImage();
}

void TSkinAdvPage::SkinChange() {
  ChangeImage();
  TSkinControl::SkinChange();
}

void TSkinAdvPage::ChangeImage() {
  if (FKind != 4 || !FControl || !FSkinData) return;
  auto* Tab = FSkinData->Tab.get();
  if (!HasImage(Tab)) return;
  static constexpr const char* kProps[2] = {"TabBackGround", "TabBackGroundActive"};
  for (int Frame = 1; Frame <= 2; ++Frame) {
    auto* Target = static_cast<TBitmap*>(GetObjProp(FControl, kProps[Frame - 1], TBitmap::StaticClass()));
    if (!Target) continue;
    auto Map = GetHMap(RECT{0, 0, 100, 21}, Tab->Bitmap.get(), Tab->Margins, Frame,
                       std::max(Tab->FrameCount, 1), Tab->Tile, 0);
    if (Map) Target->Assign(Map.get());
  }
}

void TSkinAdvPage::Unsubclass() {
  if (FActive && FControl && FStatus != kControlDestroyed) {
    for (const char* Name : {"TabBackGround", "TabBackGroundActive"}) {
      auto* Target = static_cast<TBitmap*>(GetObjProp(FControl, Name, TBitmap::StaticClass()));
      if (!Target) continue;
      TBitmap Empty;
      Target->Assign(&Empty);
    }
  }
  TSkinControl::Unsubclass();
}

bool TSkinAdvPage::FindScroll() {
  HWND Arrows = FindUpDownChild(LiveHandle());
  return Arrows && Shown(Arrows);
}

void TSkinAdvPage::DrawControl(HDC, const RECT&) {
  FindScroll();
}
