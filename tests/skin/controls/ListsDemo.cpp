// lists_demo [--skin coded|default] [--status FILE]: a form of skinned track bars, progress bars, a
// header, a list view and a page control with close boxes for real input (xdotool) and screenshots, each skin
// object attached directly (the track bars inside a container that hands notifications back). With --status
// the program writes, ten times a second, what a test needs: the header's hot item, the frame each header
// item shows (colour-coded skin) and where its items are on the screen.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "framework/win/forms/Forms.h"
#include "skin/controls/SkinBars.h"
#include "skin/controls/SkinHeaders.h"
#include "skin/controls/SkinTabs.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/controls/CodedTabs.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/DemoSupport.h"
#include "tests/skin/controls/TestListControls.h"
#include "tests/support/SkinnedWindow.h"
#include "tests/support/StatusFile.h"

// The page control with close boxes, where the framework has page controls.
#if __has_include("framework/win/controls/TabControls.h")
#include "framework/win/controls/TabControls.h"
#define HAVE_FRAMEWORK_TABS 1
#endif

using namespace ctltest;

namespace {

constexpr int kHeaderItems = 3;
constexpr int kHeaderItemW = 90;

struct TDemo {
  TSkinData Data{nullptr};
  TForm* Form = nullptr;
  std::unique_ptr<TRuzIzivForm> Skin;
  HWND Header = nullptr;
  TSkinHeader* HeaderSkin = nullptr;
#ifdef HAVE_FRAMEWORK_TABS
  TPageControl* Pages = nullptr;
#endif
  TDemoOptions Options;
};

TDemo* Demo = nullptr;

int FrameOf(TListStrip Strip, int Frames, COLORREF Color) {
  for (int F = 1; F <= Frames; ++F)
    if (FrameColor(Strip, F) == Color) return F;
  return 0;
}

void WriteStatus() {
  if (Demo->Options.StatusFile.empty()) return;
  testsupport::TStatusLines Status;
  RECT H;
  GetWindowRect(Demo->Header, &H);
  Status.Put("header_hot", Demo->HeaderSkin->FHotItem);
  HDC DC = GetWindowDC(Demo->Header);
  for (int I = 0; I < kHeaderItems; ++I) {
    const std::string N = std::to_string(I);
    Status.Put("item" + N + "_x", H.left + I * kHeaderItemW + kHeaderItemW / 2);
    Status.Put("item" + N + "_y", (H.top + H.bottom) / 2);
    Status.Put("item" + N + "_frame", FrameOf(kHeaderStrip, 5, GetPixel(DC, I * kHeaderItemW + 4, 1)));
  }
  ReleaseDC(Demo->Header, DC);

#ifdef HAVE_FRAMEWORK_TABS
  HWND Tabs = Demo->Pages->Handle();
  RECT T;
  GetWindowRect(Tabs, &T);
  const int Count = static_cast<int>(SendMessageW(Tabs, TCM_GETITEMCOUNT, 0, 0));
  Status.Put("pages", Demo->Pages->PageCount());
  Status.Put("tab_sel", SendMessageW(Tabs, TCM_GETCURSEL, 0, 0));
  DC = GetWindowDC(Tabs);
  for (int I = 0; I < Count; ++I) {
    RECT R{0, 0, 0, 0};
    SendMessageW(Tabs, TCM_GETITEMRECT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&R));
    const std::string N = std::to_string(I);
    Status.Put("tab" + N + "_x", T.left + R.left + 12);
    Status.Put("tab" + N + "_y", T.top + (R.top + R.bottom) / 2);
    Status.Put("tab" + N + "_frame", FrameOf(kTabStrip, 5, GetPixel(DC, R.left + 2, (R.top + R.bottom) / 2)));
    Status.Put("close" + N + "_x", T.left + R.right - 5);
    Status.Put("close" + N + "_y", T.top + R.top + 4);
  }
  ReleaseDC(Tabs, DC);
#endif
  Status.Put("alive", GetTickCount());
  testsupport::WriteStatusFile(Demo->Options.StatusFile, Status.Text());
}

HWND Child(HWND Parent, const wchar_t* Class, DWORD Style, int X, int Y, int W, int H) {
  return CreateWindowExW(0, Class, L"", WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// A plain container that hands its children's notifications back to them, as framework parents do
// for their own controls (the track bars below are bare windows).
LRESULT CALLBACK ReflectProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NOTIFY && LParam) {
    HWND From = reinterpret_cast<const NMHDR*>(LParam)->hwndFrom;
    if (From && GetParent(From) == Wnd) return SendMessageW(From, WM_NOTIFY, WParam, LParam);
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

HWND ReflectingParent(HWND Parent, int X, int Y, int W, int H) {
  WNDCLASSW Class{};
  Class.lpfnWndProc = &ReflectProc;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = L"ListsDemoReflector";
  Class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassW(&Class);
  return Child(Parent, L"ListsDemoReflector", WS_CLIPCHILDREN, X, Y, W, H);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TDemo State;
  Demo = &State;
  State.Options = ReadDemoOptions(__argc, __argv);
  LoadDemoSkin(State.Data, State.Options);

  State.Form = NewDemoForm("Skinned bars and lists", 640, 420);
  HWND FormWnd = State.Form->Handle();
  HWND Bars = ReflectingParent(FormWnd, 10, 10, 300, 360);
  HWND Track = Child(Bars, TRACKBAR_CLASSW, TBS_AUTOTICKS, 10, 10, 220, 40);
  SendMessageW(Track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
  SendMessageW(Track, TBM_SETPOS, TRUE, 8);
  HWND TrackVert = Child(Bars, TRACKBAR_CLASSW, TBS_VERT | TBS_AUTOTICKS, 250, 10, 40, 180);
  SendMessageW(TrackVert, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
  SendMessageW(TrackVert, TBM_SETPOS, TRUE, 5);
  HWND Progress = Child(Bars, PROGRESS_CLASSW, 0, 10, 70, 220, 20);
  SendMessageW(Progress, PBM_SETRANGE32, 50, 150);
  SendMessageW(Progress, PBM_SETPOS, 100, 0);
  HWND ProgressVert = Child(Bars, PROGRESS_CLASSW, PBS_VERTICAL, 10, 110, 20, 120);
  SendMessageW(ProgressVert, PBM_SETPOS, 70, 0);

  State.Header = Child(FormWnd, WC_HEADERW, HDS_HORZ | HDS_BUTTONS, 320, 20, 290, 24);
  SendMessageW(State.Header, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  const wchar_t* Captions[kHeaderItems] = {L"Name", L"Size", L"Date"};
  const int Formats[kHeaderItems] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
  for (int I = 0; I < kHeaderItems; ++I) {
    HDITEMW Item{};
    Item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
    Item.pszText = const_cast<wchar_t*>(Captions[I]);
    Item.cxy = kHeaderItemW;
    Item.fmt = Formats[I] | HDF_STRING;
    SendMessageW(State.Header, HDM_INSERTITEMW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item));
  }
  auto* List = new TTestListView(State.Form);
  List->SetParent(State.Form);
  List->SetBounds(320, 60, 290, 180);
  List->Fill(3, 120, 40);

#ifdef HAVE_FRAMEWORK_TABS
  // Tagged for close boxes on its tabs.
  State.Pages = new TPageControl(State.Form);
  State.Pages->SetParent(State.Form);
  State.Pages->SetBounds(320, 250, 290, 110);
  State.Pages->SetTag(kCloseBoxTag);
  for (const char* Caption : {"General", "Details", "Notes", "More"}) {
    auto* Sheet = new TTabSheet(State.Form);
    Sheet->SetPageControl(State.Pages);
    Sheet->SetCaption(Caption);
  }
  State.Pages->SetActivePageIndex(0);
#endif

  State.Skin = testsupport::MakeFormSkin(*State.Form, State.Data);
  TRuzIzivForm* F = State.Skin.get();
  TCanvas* Canvas = F->FControlCanvas.get();
  (new TSkinTrackBar(F))->Inithwnd(Track, &State.Data, Canvas, F);
  (new TSkinTrackBar(F))->Inithwnd(TrackVert, &State.Data, Canvas, F);
  (new TSkinProgress(F))->Inithwnd(Progress, &State.Data, Canvas, F);
  (new TSkinProgress(F))->Inithwnd(ProgressVert, &State.Data, Canvas, F);
  State.HeaderSkin = new TSkinHeader(F);
  State.HeaderSkin->Inithwnd(State.Header, &State.Data, Canvas, F);
  (new TSkinListView(List))->InitScrollbar(List, &State.Data, Canvas, F);
#ifdef HAVE_FRAMEWORK_TABS
  (new TSkinTab(State.Pages))->Init(F, &State.Data, Canvas, false);
  for (int I = 0; I < State.Pages->PageCount(); ++I) {
    TTabSheet* Sheet = State.Pages->Pages(I);
    (new TSkinTabSheet(Sheet))->Init(F, &State.Data, Canvas, false);
  }
#endif
  RedrawWindow(State.Form->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  SetForegroundWindow(State.Form->Handle());

  ReportEvery100ms(&WriteStatus);
  RunWhileVisible(State.Form->Handle());
  State.Skin.reset();
  delete State.Form;
  return 0;
}
