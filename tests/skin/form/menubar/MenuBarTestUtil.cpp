#include "tests/skin/form/menubar/MenuBarTestUtil.h"

#include "framework/win/graphics/GdiHandles.h"

namespace bartest {

namespace {

void Add(HMENU Menu, const wchar_t* Text, UINT Id, HMENU Sub = nullptr, UINT State = 0,
         bool RightToLeft = false) {
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | (Sub ? MIIM_SUBMENU : 0);
  Info.fType = RightToLeft ? MFT_RIGHTORDER : 0;
  Info.fState = State;
  Info.wID = Id;
  Info.hSubMenu = Sub;
  Info.dwTypeData = const_cast<wchar_t*>(Text);
  Info.cch = static_cast<UINT>(lstrlenW(Text));
  InsertMenuItemW(Menu, static_cast<UINT>(GetMenuItemCount(Menu)), TRUE, &Info);
}

}  // namespace

TTestBar::TTestBar(bool RightToLeft) {
  const bool R = RightToLeft;
  Two = CreatePopupMenu();
  Add(Two, L"Deep", kDeep, nullptr, 0, R);
  Recent = CreatePopupMenu();
  Add(Recent, L"One", kOne, nullptr, 0, R);
  Add(Recent, L"&Two", kTwo, Two, 0, R);
  File = CreatePopupMenu();
  Add(File, L"&Open", kOpen, nullptr, 0, R);
  Add(File, L"&Recent", kRecent, Recent, 0, R);
  Edit = CreatePopupMenu();
  Add(Edit, L"&Undo", kUndo, nullptr, 0, R);
  Locked = CreatePopupMenu();
  Add(Locked, L"Never", kNever, nullptr, 0, R);
  Help = CreatePopupMenu();
  Add(Help, L"&About", kAbout, nullptr, 0, R);
  Bar = CreateMenu();
  Add(Bar, L"&File", kFile, File, 0, R);
  Add(Bar, L"&Edit", kEdit, Edit, 0, R);
  Add(Bar, L"", kNoCaption, nullptr, 0, R);
  Add(Bar, L"&Locked", kLocked, Locked, MFS_GRAYED, R);
  Add(Bar, L"&Plain", kPlain, nullptr, 0, R);
  Add(Bar, L"&Help", kHelp, Help, 0, R);
}

std::unique_ptr<TDataSkinObject> SolidMenuBar(COLORREF Active, COLORREF Inactive, int Left, int Right,
                                              int Tile) {
  auto Element = std::make_unique<TDataSkinObject>("Personality");
  auto Strip = std::make_unique<TBitmap>(40, 40, pf24bit);
  HDC DC = Strip->Canvas()->Handle();
  const RECT Top{0, 0, 40, 20}, Bottom{0, 20, 40, 40};
  TGdiBrush A(CreateSolidBrush(Active)), I(CreateSolidBrush(Inactive));
  FillRect(DC, &Top, A.Get());
  FillRect(DC, &Bottom, I.Get());
  Element->Bitmap = std::move(Strip);
  Element->FrameCount = 2;
  Element->Tile = Tile;
  Element->Margins = RECT{Left, 0, Right, 0};
  return Element;
}

TBarWindow::TBarWindow(TSkinData& Data, bool RightToLeft, RECT Bounds) : Menus(RightToLeft) {
  Window = std::make_unique<testsupport::TKeptWindow>(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds);
  SetMenu(Window->Handle(), Menus.Bar);
  Form = testsupport::Attach(Window->Handle(), Data, testsupport::TAttach::Driven);
  Repaint();
  Window->Clear();
}

TBarWindow::~TBarWindow() {
  if (IsWindow(Window->Handle())) DestroyWindow(Window->Handle());
  testsupport::Pump(10);
  Form.reset();
  Window.reset();
  // The bar was the window's; once taken off it, nobody else destroys it.
  if (IsMenu(Menus.Bar)) DestroyMenu(Menus.Bar);
}

TMenuBtn* TBarWindow::Button(const char16_t* Caption) const {
  if (!Form->FSkinMenu) return nullptr;
  for (auto& B : Form->FSkinMenu->FButtons)
    if (B->FCaption == Caption) return B.get();
  return nullptr;
}

RECT TBarWindow::Band() const {
  const SIZE S = testsupport::WindowSize(Wnd());
  return RECT{Form->FLeftWidth, Form->FTitleHeight, S.cx - Form->FRightWidth,
              Form->FTitleHeight + Form->FMenuHeight};
}

void TBarWindow::Repaint() const {
  SendMessageW(Wnd(), WM_SKIN_REPAINTFRAME, 0, 0);
}

TFakeTracking* TFakeTracking::Current = nullptr;

TFakeTracking::TFakeTracking() : FSaved(MenuLoop.Track) {
  Current = this;
  MenuLoop.Track = &TFakeTracking::Track;
}

TFakeTracking::~TFakeTracking() {
  MenuLoop.Track = FSaved;
  Current = nullptr;
}

BOOL WINAPI TFakeTracking::Track(HMENU Menu, UINT, int, int, int, HWND, const RECT*) {
  if (!Current) return FALSE;
  Current->Menus.push_back(Menu);
  if (Current->During) Current->During(static_cast<int>(Current->Menus.size()));
  return TRUE;
}

std::u16string TakePostedClickTarget(TBarWindow& Window) {
  MSG Msg;
  if (!PeekMessageW(&Msg, Window.Wnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) return u"";
  const POINT P =
      Window.Form->GetWinXY(static_cast<short>(LOWORD(Msg.lParam)), static_cast<short>(HIWORD(Msg.lParam)));
  TMenuBtn* Button = Window.Form->FSkinMenu->FindBtn(P);
  return Button ? std::u16string(Button->FCaption) : u"?";
}

bool AllOwnerDrawn(HMENU Menu) {
  for (int I = 0; I < GetMenuItemCount(Menu); ++I) {
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(Menu, static_cast<UINT>(I), TRUE, &Info) || !(Info.fType & MFT_OWNERDRAW))
      return false;
    if (Info.hSubMenu && !AllOwnerDrawn(Info.hSubMenu)) return false;
  }
  return true;
}

}  // namespace bartest
