// Track bars (channel and thumb through the control's custom-draw notifications, horizontal and
// vertical, with and without the vertical pictures) and progress bars (both styles, empty, full, with a
// low limit above 0, vertical).
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/controls/SkinBars.h"
#include "tests/skin/controls/CodedTabs.h"
#include "tests/skin/controls/ControlsTestUtil.h"

using namespace ctltest;

namespace {

// A parent that hands its children's notifications back to them, as a framework parent does.
LRESULT CALLBACK ReflectProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NOTIFY && LParam) {
    HWND From = reinterpret_cast<const NMHDR*>(LParam)->hwndFrom;
    if (From && GetParent(From) == Wnd) return SendMessageW(From, WM_NOTIFY, WParam, LParam);
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

HWND ReflectingParent(HWND Form, int X, int Y, int W, int H) {
  static const ATOM Class = [] {
    WNDCLASSW Wc{};
    Wc.lpfnWndProc = &ReflectProc;
    Wc.hInstance = GetModuleHandleW(nullptr);
    Wc.lpszClassName = L"ReflectingParent";
    Wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    return RegisterClassW(&Wc);
  }();
  (void)Class;
  return CreateWindowExW(0, L"ReflectingParent", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, X, Y, W, H,
                         Form, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Redraw(HWND Wnd) {
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

POINT Mid(const RECT& R) {
  return {(R.left + R.right) / 2, (R.top + R.bottom) / 2};
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Track bars

struct TTrackCase {
  const char* Name;
  bool Vertical;
  bool DropTrackVert;   // the skin without "TRACKVERT"
  bool DropThumbVert;   // the skin without "Trackbar.ThumbVert"
  bool UprightChannel;  // "TRACKVERT" upright; otherwise "Track" lying where the control reports it
  TListStrip Thumb;
};

class TrackBars : public ::testing::TestWithParam<TTrackCase> {};

TEST_P(TrackBars, ChannelAndThumbFromTheSkin) {
  const TTrackCase C = GetParam();
  TSkinnedForm Fixture;
  if (C.DropTrackVert) Fixture.Data().TrackVert.reset();
  if (C.DropThumbVert) Fixture.Data().TrackbarThumbVert.reset();
  HWND Parent = ReflectingParent(Fixture.Form()->Handle(), 10, 10, 260, 260);
  HWND Bar = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | (C.Vertical ? TBS_VERT : 0), 10,
                             10, C.Vertical ? 40 : 200, C.Vertical ? 200 : 40, Parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(Bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  SendMessageW(Bar, TBM_SETPOS, TRUE, 50);
  auto* Skin = new TSkinTrackBar(&Fixture.Skin());
  Skin->Inithwnd(Bar, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Redraw(Bar);

  RECT Channel;
  SendMessageW(Bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&Channel));
  // The channel as the platform describes a vertical one: lying, axes exchanged.
  if (C.Vertical && Channel.bottom - Channel.top > Channel.right - Channel.left)
    Channel = RECT{Channel.top, Channel.left, Channel.bottom, Channel.right};
  const int Length = Channel.right - Channel.left;
  const int Across = (Channel.top + Channel.bottom) / 2;
  const struct {
    int Along;
    std::uint32_t Lying, Upright;
  } Probes[] = {{Channel.left, coded::kTrackHead, coded::kTrackVertHead},
                {Channel.left + (C.Vertical && !C.UprightChannel ? 10 : Length / 4), coded::kTrackBody,
                 coded::kTrackVertBody},
                {Channel.right - 1, coded::kTrackTail, coded::kTrackVertTail}};
  for (const auto& P : Probes) {
    // A channel lying in a standing bar runs out of the window; only what is inside can be seen.
    if (C.Vertical && !C.UprightChannel && P.Along >= 40) continue;
    const COLORREF Got = C.UprightChannel ? Pixel(Bar, Across, P.Along) : Pixel(Bar, P.Along, Across);
    EXPECT_EQ(Got, Rgb(C.UprightChannel ? P.Upright : P.Lying)) << C.Name << " at " << P.Along;
  }
  RECT Thumb;
  SendMessageW(Bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&Thumb));
  const POINT M = Mid(Thumb);
  EXPECT_EQ(Pixel(Bar, M.x, M.y), FrameColor(C.Thumb, 2)) << C.Name;
  delete Skin;
  DestroyWindow(Parent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrackBars,
    ::testing::Values(TTrackCase{"Horizontal", false, false, false, false, kThumbHorzStrip},
                      TTrackCase{"Vertical", true, false, false, true, kThumbVertStrip},
                      TTrackCase{"VerticalWithoutTrackVert", true, true, false, false, kThumbVertStrip},
                      TTrackCase{"VerticalWithoutThumbVert", true, false, true, true, kThumbHorzStrip}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(TrackBars, OtherNotificationsAndTheSkinNoticeReachTheControl) {
  TSkinnedForm Fixture;
  HWND Parent = ReflectingParent(Fixture.Form()->Handle(), 10, 10, 260, 80);
  HWND Bar = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 40, Parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  auto* Skin = new TSkinTrackBar(&Fixture.Skin());
  Skin->Inithwnd(Bar, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  // The custom-draw answers: item notifications asked for, channel and thumb skipped, the rest default.
  NMCUSTOMDRAW Info{};
  Info.hdr.hwndFrom = Bar;
  Info.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
  HDC DC = GetDC(Bar);
  Info.hdc = DC;
  struct TRow {
    DWORD Stage;
    DWORD_PTR Item;
    LRESULT Answer;
  };
  for (const TRow Row :
       {TRow{CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW}, TRow{CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_SKIPDEFAULT},
        TRow{CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT}, TRow{CDDS_ITEMPREPAINT, TBCD_TICS, 0},
        TRow{CDDS_POSTPAINT, 0, 0}}) {
    Info.dwDrawStage = Row.Stage;
    Info.dwItemSpec = Row.Item;
    EXPECT_EQ(SendMessageW(Bar, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&Info)), Row.Answer) << Row.Stage;
  }
  ReleaseDC(Bar, DC);
  // The skin's notice shares the reflected notification's number: never read as a record.
  EXPECT_EQ(SendMessageW(Bar, 0xBC4E, 0, 0x41A2), 0);
  EXPECT_EQ(SendMessageW(Bar, 0xBC4E, 0, 1), 0);
  delete Skin;
  DestroyWindow(Parent);
}

// ---------------------------------------------------------------------------------------------------
// Progress bars

struct TFillCase {
  int Width, Position, Low, High, Fill;
};

class ProgressFill : public ::testing::TestWithParam<TFillCase> {};

TEST_P(ProgressFill, ShareOfTheBar) {
  const TFillCase C = GetParam();
  EXPECT_EQ(TSkinProgress::FillWidth(C.Width, C.Position, C.Low, C.High), C.Fill);
}

INSTANTIATE_TEST_SUITE_P(Table, ProgressFill,
                         ::testing::Values(TFillCase{200, 0, 0, 100, 0}, TFillCase{200, 100, 0, 100, 200},
                                           TFillCase{200, 50, 0, 100, 100}, TFillCase{200, 100, 50, 150, 100},
                                           TFillCase{200, 50, 50, 150, 0}, TFillCase{200, 150, 50, 150, 200},
                                           TFillCase{200, 5, 5, 5, 0},     // no range
                                           TFillCase{0, 50, 0, 100, 0}));  // no room

struct TProgressCase {
  const char* Name;
  int Style;
  int Tile;
  bool Vertical;
  int Low, High, Position;
  // Sample points as per mille of the bar's length from where it starts filling, and whether each
  // shows the fill.
  int At[3];
  bool Filled[3];
};

class ProgressBars : public ::testing::TestWithParam<TProgressCase> {};

TEST_P(ProgressBars, FilledInProportion) {
  const TProgressCase C = GetParam();
  TCodedSkin Options;
  Options.ProgressStyle = C.Style;
  Options.ChunkTile = C.Tile;
  TSkinnedForm Fixture(Options);
  const int W = C.Vertical ? 20 : 200;
  const int H = C.Vertical ? 200 : 20;
  HWND Bar =
      CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | (C.Vertical ? PBS_VERTICAL : 0), 20,
                      20, W, H, Fixture.Form()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(Bar, PBM_SETRANGE32, static_cast<WPARAM>(C.Low), C.High);
  SendMessageW(Bar, PBM_SETPOS, static_cast<WPARAM>(C.Position), 0);
  auto* Skin = new TSkinProgress(&Fixture.Skin());
  Skin->Inithwnd(Bar, &Fixture.Data(), Fixture.Canvas(), &Fixture.Skin());
  Redraw(Bar);
  const COLORREF Fill = C.Style == 0 ? FrameColor(kProgressStrip, 2) : Rgb(coded::kChunk);
  const COLORREF Empty = FrameColor(kProgressStrip, 1);
  for (int I = 0; I < 3; ++I) {
    const int Along = std::min(C.At[I] * 200 / 1000, 199);
    const COLORREF Got = C.Vertical ? Pixel(Bar, W / 2, H - 1 - Along) : Pixel(Bar, Along, H / 2);
    EXPECT_EQ(Got, C.Filled[I] ? Fill : Empty) << C.Name << " at " << C.At[I] << " per mille";
  }
  delete Skin;
  DestroyWindow(Bar);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressBars,
    ::testing::Values(
        TProgressCase{"Empty", 0, 0, false, 0, 100, 0, {20, 500, 990}, {false, false, false}},
        TProgressCase{"Full", 0, 0, false, 0, 100, 100, {0, 500, 999}, {true, true, true}},
        TProgressCase{"LowLimit", 0, 0, false, 50, 150, 100, {10, 450, 550}, {true, true, false}},
        TProgressCase{"Vertical", 0, 0, true, 0, 100, 50, {10, 450, 550}, {true, true, false}},
        TProgressCase{"ChunksEmpty", 1, 0, false, 0, 100, 0, {20, 500, 990}, {false, false, false}},
        TProgressCase{"ChunksFull", 1, 0, false, 0, 100, 100, {20, 500, 999}, {true, true, true}},
        TProgressCase{"ChunksLowLimit", 1, 0, false, 50, 150, 100, {20, 450, 550}, {true, true, false}},
        TProgressCase{"TiledChunksLowLimit", 1, 1, false, 50, 150, 100, {20, 450, 550}, {true, true, false}},
        TProgressCase{"ChunksVertical", 1, 0, true, 0, 100, 50, {20, 450, 550}, {true, true, false}}),
    [](const auto& Info) { return std::string(Info.param.Name); });
