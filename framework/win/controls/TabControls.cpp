#include "framework/win/controls/TabControls.h"

#include <algorithm>

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/WideText.h"

// ---------------------------------------------------------------------------------------------------
// TCustomTabControl

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) {
  FWidth = 289;
  FHeight = 193;
  FTabStop = true;
}

TCustomTabControl::~TCustomTabControl() {
  SetReference(FImages, nullptr);
}

void TCustomTabControl::Publish(TPublisher<TCustomTabControl>& P) {
  P.Enum("Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle).Default(tsTabs);
  P.Enum("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition).Default(tpTop);
  P.Bool("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine).Default(0);
  P.Obj("Images", &TCustomTabControl::Images, &TCustomTabControl::SetImages);
  P.Bool("HotTrack", &TCustomTabControl::HotTrack, &TCustomTabControl::SetHotTrack).Default(0);
  P.Bool("RaggedRight", &TCustomTabControl::RaggedRight, &TCustomTabControl::SetRaggedRight).Default(0);
  P.Int("TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight).Default(0);
  P.Int("TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth).Default(0);
  P.Event("OnChanging", &TCustomTabControl::OnChanging);
  P.Event("OnChange", &TCustomTabControl::OnChange);
}

void TCustomTabControl::CreateParams(TCreateParams& Params) {
  InitCommonControlClasses(ICC_TAB_CLASSES);
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_TABCONTROLW;
  Params.Style |= WS_CLIPCHILDREN;
  if (FStyle == tsButtons) Params.Style |= TCS_BUTTONS;
  if (FStyle == tsFlatButtons) Params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  switch (FTabPosition) {
    case tpTop:
      break;
    case tpBottom:
      Params.Style |= TCS_BOTTOM;
      break;
    case tpLeft:
      Params.Style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case tpRight:
      Params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
  }
  if (FMultiLine) Params.Style |= TCS_MULTILINE;
  if (FHotTrack) Params.Style |= TCS_HOTTRACK;
  if (FRaggedRight) Params.Style |= TCS_RAGGEDRIGHT;
  if (FTabWidth > 0) Params.Style |= TCS_FIXEDWIDTH;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (FImages) SendMessageW(FHandle, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  if (FTabWidth > 0 || FTabHeight > 0)
    SendMessageW(FHandle, TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
  UpdateTabs();
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (FHandle) SendMessageW(FHandle, TCM_SETIMAGELIST, 0, 0);
  }
}

void TCustomTabControl::SetStyle(TTabStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition Value) {
  if (FTabPosition == Value) return;
  FTabPosition = Value;
  RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool Value) {
  if (FHotTrack == Value) return;
  FHotTrack = Value;
  RecreateWnd();
}

void TCustomTabControl::SetRaggedRight(bool Value) {
  if (FRaggedRight == Value) return;
  FRaggedRight = Value;
  RecreateWnd();
}

void TCustomTabControl::SetTabHeight(int Value) {
  FTabHeight = std::max(Value, 0);
  RecreateWnd();
}

void TCustomTabControl::SetTabWidth(int Value) {
  FTabWidth = std::max(Value, 0);
  RecreateWnd();
}

void TCustomTabControl::SetImages(TImageList* Value) {
  if (!SetReference(FImages, Value)) return;
  if (FHandle) {
    SendMessageW(FHandle, TCM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
    UpdateTabs();  // the tabs take their images (or lose them)
  }
}

RECT TCustomTabControl::DisplayRect() const {
  RECT R = ClientRect();
  if (FHandle) {
    SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&R));
  } else {
    // No window yet: one row of tabs of a usual height on the tab side.
    const int Row = FTabHeight > 0 ? FTabHeight + 4 : 24;
    switch (FTabPosition) {
      case tpTop:
        R.top += Row;
        break;
      case tpBottom:
        R.bottom -= Row;
        break;
      case tpLeft:
        R.left += Row;
        break;
      case tpRight:
        R.right -= Row;
        break;
    }
    InflateRect(&R, -4, -4);
  }
  if (R.right < R.left) R.right = R.left;
  if (R.bottom < R.top) R.bottom = R.top;
  return R;
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) const {
  if (!FHandle) return -1;
  TCHITTESTINFO Hit{{X, Y}, 0};
  return static_cast<int>(SendMessageW(FHandle, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&Hit)));
}

RECT TCustomTabControl::TabRect(int Index) const {
  RECT R{};
  if (FHandle &&
      !SendMessageW(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R)))
    R = {};
  return R;
}

int TCustomTabControl::CurrentTab() const {
  if (FHandle) return static_cast<int>(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0));
  return FTabIndex;
}

void TCustomTabControl::SelectTab(int Index) {
  if (Index < -1 || (FHandle && Index >= TabCount())) Index = -1;
  FTabIndex = Index;
  if (FHandle) SendMessageW(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(Index), 0);
}

void TCustomTabControl::UpdateTabs() {
  if (!FHandle) return;
  const int Selected = FTabIndex;
  SendMessageW(FHandle, TCM_DELETEALLITEMS, 0, 0);
  const int Count = TabCount();
  for (int I = 0; I < Count; ++I) {
    std::wstring Text = Utf8ToWide(TabText(I));
    TCITEMW Item{};
    Item.mask = TCIF_TEXT | TCIF_IMAGE;
    Item.pszText = Text.data();
    Item.iImage = FImages ? TabImage(I) : -1;
    SendMessageW(FHandle, TCM_INSERTITEMW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item));
  }
  FTabIndex = Selected < Count ? Selected : -1;
  SendMessageW(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(FTabIndex), 0);
  DisplayChanged();
}

bool TCustomTabControl::CanChange() {
  bool Allow = true;
  if (OnChanging) OnChanging(this, Allow);
  return Allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: {
      const NMHDR* Header = NotifyHeader(Message);
      Message.Result = 0;
      if (!Header) return;
      if (Header->code == static_cast<UINT>(TCN_SELCHANGING)) {
        Message.Result = CanChange() ? FALSE : TRUE;
      } else if (Header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        FTabIndex = CurrentTab();
        Change();
      }
      return;
    }
    case WM_SIZE:
      TWinControl::WndProc(Message);
      DisplayChanged();
      return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TTabControl and its tab strings

// The lines of a tab control; every change reaches its tabs.
class TTabStrings : public TStrings {
  DECLARE_CLASS(TTabStrings, TStrings)

 public:
  explicit TTabStrings(TTabControl* Control) : FControl(Control) {}

  int Count() const override { return static_cast<int>(FLines.size()); }
  String Get(int Index) const override {
    CheckIndex(Index, Count());
    return FLines[static_cast<size_t>(Index)];
  }
  void Put(int Index, const String& S) override {
    CheckIndex(Index, Count());
    FLines[static_cast<size_t>(Index)] = S;
    Changed();
  }
  void Insert(int Index, const String& S) override {
    CheckIndex(Index, Count() + 1);
    FLines.insert(FLines.begin() + Index, S);
    Changed();
  }
  void Delete(int Index) override {
    CheckIndex(Index, Count());
    FLines.erase(FLines.begin() + Index);
    Changed();
  }
  void Clear() override {
    FLines.clear();
    Changed();
  }

 protected:
  void SetUpdateState(bool Updating) override {
    if (!Updating) Changed();
  }

 private:
  void Changed() {
    if (!this->Updating()) FControl->UpdateTabs();
  }

  TTabControl* FControl;
  std::vector<String> FLines;
};

TTabControl::TTabControl(TComponent* AOwner)
    : TCustomTabControl(AOwner), FTabs(std::make_unique<TTabStrings>(this)) {}

TTabControl::~TTabControl() {
  DestroyHandle();  // the tabs' texts go after the window that shows them
}

void TTabControl::Publish(TPublisher<TTabControl>& P) {
  P.Obj("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs);
  P.Int("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1);
}

void TTabControl::Loaded() {
  TCustomTabControl::Loaded();
  if (FTabIndex >= TabCount()) FTabIndex = -1;
}

int TTabControl::TabCount() const {
  return FTabs->Count();
}

String TTabControl::TabText(int Index) const {
  return FTabs->Get(Index);
}

// ---------------------------------------------------------------------------------------------------
// TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
  FVisible = false;  // the page control shows its active page
  FWidth = 200;
  FHeight = 150;
}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = nullptr;
}

void TTabSheet::Publish(TPublisher<TTabSheet>& P) {
  P.Int("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(-1);
  P.Bool("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(1);
  P.Int("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
}

void TTabSheet::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TTabSheet::SetPageControl(TPageControl* Value) {
  if (FPageControl == Value) return;
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = Value;
  TWinControl::SetParent(Value);
  if (FPageControl) FPageControl->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
  if (auto* Pages = dynamic_cast<TPageControl*>(AParent)) {
    SetPageControl(Pages);
    return;
  }
  if (FPageControl) {
    TPageControl* Old = FPageControl;
    FPageControl = nullptr;
    Old->RemovePage(this);
  }
  TWinControl::SetParent(AParent);
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& Pages = FPageControl->FPages;
  return static_cast<int>(std::find(Pages.begin(), Pages.end(), this) - Pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
  if (FPageControl) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
  return FPageControl ? FPageControl->TabOfPage(this) : -1;
}

void TTabSheet::SetTabVisible(bool Value) {
  if (FTabVisible == Value) return;
  FTabVisible = Value;
  if (FPageControl) FPageControl->PageTabChanged(this);
}

void TTabSheet::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (FPageControl) FPageControl->PageTabChanged(this);
}

void TTabSheet::TextChanged() {
  TWinControl::TextChanged();
  if (FPageControl) FPageControl->PageTabChanged(this);
}

void TTabSheet::WndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    EraseWithColor(Message);
    return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------------
// TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
  // The pages still in the child list go with this control; they must not call back into it.
  for (TTabSheet* Page : FPages) Page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

void TPageControl::Publish(TPublisher<TPageControl>& P) {
  P.Obj("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
}

TTabSheet* TPageControl::Pages(int Index) const {
  if (Index < 0 || Index >= PageCount()) return nullptr;
  return FPages[static_cast<size_t>(Index)];
}

int TPageControl::ActivePageIndex() const {
  return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  // Pages in page order, then whatever else sits on the control.
  for (TTabSheet* Page : FPages)
    if (Page->Owner() == Root) Proc(Page);
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* Child = Controls(I);
    if (Child->Owner() == Root && std::find(FPages.begin(), FPages.end(), Child) == FPages.end()) Proc(Child);
  }
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomTabControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FActivePage) FActivePage = nullptr;
}

int TPageControl::TabCount() const {
  return static_cast<int>(
      std::count_if(FPages.begin(), FPages.end(), [](const TTabSheet* Page) { return Page->FTabVisible; }));
}

TTabSheet* TPageControl::PageOfTab(int Tab) const {
  if (Tab < 0) return nullptr;
  for (TTabSheet* Page : FPages)
    if (Page->FTabVisible && Tab-- == 0) return Page;
  return nullptr;
}

int TPageControl::TabOfPage(const TTabSheet* Page) const {
  int Tab = 0;
  for (const TTabSheet* Each : FPages) {
    if (Each == Page) return Page->FTabVisible ? Tab : -1;
    if (Each->FTabVisible) ++Tab;
  }
  return -1;
}

String TPageControl::TabText(int Index) const {
  const TTabSheet* Page = PageOfTab(Index);
  return Page ? Page->Caption() : String();
}

int TPageControl::TabImage(int Index) const {
  const TTabSheet* Page = PageOfTab(Index);
  return Page ? Page->FImageIndex : -1;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward) const {
  const int Count = PageCount();
  if (Count == 0) return nullptr;
  auto Found = std::find(FPages.begin(), FPages.end(), CurPage);
  int Start = Found == FPages.end() ? (GoForward ? Count - 1 : 0) : static_cast<int>(Found - FPages.begin());
  int I = Start;
  for (int Step = 0; Step < Count; ++Step) {
    I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
    if (FPages[static_cast<size_t>(I)]->FTabVisible) return FPages[static_cast<size_t>(I)];
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
  TTabSheet* Next = FindNextPage(FActivePage, GoForward);
  if (!Next || Next == FActivePage || !CanChange()) return;
  SetActivePage(Next);
  TCustomTabControl::Change();
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value && Value->FPageControl != this) return;
  FActivePage = Value;
  SelectTab(TabOfPage(Value));
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  if (ComponentState().Contains(csDestroying)) return;
  // The new page shows before the old one hides, so the display area is never empty.
  if (FActivePage) {
    FActivePage->SetVisible(true);
    if (FActivePage->HandleAllocated())
      SetWindowPos(FActivePage->WindowHandle(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (TTabSheet* Page : FPages)
    if (Page != FActivePage) Page->SetVisible(false);
}

void TPageControl::Change() {
  // The user selected a tab: its page comes forward before the program hears of it.
  TTabSheet* Page = PageOfTab(CurrentTab());
  if (Page) {
    FActivePage = Page;
    ShowActivePage();
  }
  TCustomTabControl::Change();
}

void TPageControl::InsertPage(TTabSheet* Page) {
  if (std::find(FPages.begin(), FPages.end(), Page) != FPages.end()) return;
  FPages.push_back(Page);
  const RECT R = DisplayRect();
  Page->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
  UpdateTabs();
  if (FHandle && !FActivePage && Page->FTabVisible)
    SetActivePage(Page);
  else
    SelectTab(TabOfPage(FActivePage));
  if (Page != FActivePage) Page->SetVisible(false);
}

void TPageControl::RemovePage(TTabSheet* Page) {
  auto Found = std::find(FPages.begin(), FPages.end(), Page);
  if (Found == FPages.end()) return;
  TTabSheet* Next = Page == FActivePage ? FindNextPage(Page, true) : FActivePage;
  if (Next == Page) Next = nullptr;
  FPages.erase(Found);
  if (ComponentState().Contains(csDestroying)) return;
  FActivePage = Next;
  UpdateTabs();
  SetActivePage(FActivePage);
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
  auto Found = std::find(FPages.begin(), FPages.end(), Page);
  if (Found == FPages.end()) return;
  Index = std::clamp(Index, 0, PageCount() - 1);
  FPages.erase(Found);
  FPages.insert(FPages.begin() + Index, Page);
  UpdateTabs();
  SelectTab(TabOfPage(FActivePage));
}

void TPageControl::PageTabChanged(TTabSheet* Page) {
  // A page whose tab goes away stops being the active one.
  if (Page == FActivePage && !Page->FTabVisible) FActivePage = FindNextPage(Page, true);
  UpdateTabs();
  SetActivePage(FActivePage);
}

void TPageControl::DisplayChanged() {
  LayoutPages();
}

void TPageControl::LayoutPages() {
  const RECT R = DisplayRect();
  for (TTabSheet* Page : FPages) Page->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
}

void TPageControl::CreateWnd() {
  TCustomTabControl::CreateWnd();
  if (!FActivePage) FActivePage = FindNextPage(nullptr, true);
  SetActivePage(FActivePage);
}
