// controls_demo [--skin coded|default] [--status FILE]: a form with skinned controls for real input
// (xdotool) and screenshots. A push button, a memo, a bare list box, a drop-down combo box (its frame,
// button and list skinned), check boxes and radio buttons, a speed button, a check-list box, a media
// player, a group box and a status bar of the framework with windowless children (a label, a speed
// button) painted over them, each with its control skin object attached directly. With --status the
// program writes, ten times a second, what a test needs: the click count, the memo's and lists' top
// lines, the faces shown (frame numbers of the colour-coded skin) and where to point the mouse.
#include <windows.h>

#include <string>

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/MediaPlayer.h"
#include "framework/win/controls/StatusBar.h"
#include "framework/win/controls/StdCtrls.h"
#include "framework/win/forms/Forms.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinCheckBoxes.h"
#include "skin/controls/SkinComboBoxes.h"
#include "skin/controls/SkinGlyphs.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/controls/SkinStatusBars.h"
#include "skin/data/SkinData.h"
#include "skin/form/RuzIzivForm.h"
#include "tests/skin/controls/BoxesTestUtil.h"
#include "tests/skin/controls/ControlsTestUtil.h"
#include "tests/skin/controls/DemoSupport.h"
#include "tests/skin/controls/TestControls.h"
#include "tests/skin/controls/TestScrollControls.h"
#include "tests/support/SkinnedWindow.h"
#include "tests/support/StatusFile.h"

using namespace ctltest;

namespace {

struct TDemo : TObject {
  TSkinData Data{nullptr};
  TForm* Form = nullptr;
  std::unique_ptr<TRuzIzivForm> Skin;
  TButton* Button = nullptr;
  TTestMemo* Memo = nullptr;
  HWND List = nullptr;
  HWND Combo = nullptr;
  HWND ComboList = nullptr;
  TSkinButton* ButtonSkin = nullptr;
  TSkinScrollbar* MemoSkin = nullptr;
  TSkinScrollbarH* ListSkin = nullptr;
  TSkinComBox* ComboSkin = nullptr;
  TSpeedButton* Speed = nullptr;
  TCheckListBox* Checks = nullptr;
  TMediaPlayer* Player = nullptr;
  TSkinMP* PlayerSkin = nullptr;
  int Clicks = 0;
  int SpeedClicks = 0;
  int PlayerClicks = 0;
  int PlayerLast = -1;
  TDemoOptions Options;

  void Click(TObject*) { ++Clicks; }
  void SpeedClick(TObject*) { ++SpeedClicks; }
  // Counted, not run: there is no device to play.
  void PlayerClick(TObject*, TMPBtnType Button, bool& DoDefault) {
    ++PlayerClicks;
    PlayerLast = static_cast<int>(Button);
    DoDefault = false;
  }
};

TDemo* Demo = nullptr;

// The frame of a colour-coded strip that Color shows, 0 when none.
int FrameOf(TStrip Strip, int Frames, COLORREF Color) {
  for (int F = 1; F <= Frames; ++F)
    if (FrameColor(Strip, F) == Color) return F;
  return 0;
}

// A pixel of a window at a screen point, read from the window's own DC.
COLORREF ScreenPixel(HWND Wnd, int X, int Y) {
  RECT R;
  GetWindowRect(Wnd, &R);
  HDC DC = GetWindowDC(Wnd);
  const COLORREF C = GetPixel(DC, X - R.left, Y - R.top);
  ReleaseDC(Wnd, DC);
  return C;
}

void WriteStatus() {
  if (Demo->Options.StatusFile.empty()) return;
  testsupport::TStatusLines Status;
  RECT B;
  GetWindowRect(Demo->Button->Handle(), &B);
  Status.Put("clicks", Demo->Clicks);
  Status.Put("button_x", (B.left + B.right) / 2);
  Status.Put("button_y", (B.top + B.bottom) / 2);
  Status.Put("button_frame",
             FrameOf(kButtonStrip, 5, ScreenPixel(Demo->Button->Handle(), B.left + 2, B.top + 2)));
  Status.Put("focused", GetFocus() == Demo->Button->Handle());

  Status.Put("memo_top", SendMessageW(Demo->Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  if (TWScrollbar* Bar = Demo->MemoSkin->FVertBar.get(); Bar && Bar->WindowHandle()) {
    RECT R;
    GetWindowRect(Bar->WindowHandle(), &R);
    SCROLLBARINFO Info{};
    Info.cbSize = sizeof Info;
    GetScrollBarInfo(Demo->Memo->Handle(), OBJID_VSCROLL, &Info);
    Status.Put("memo_thumb_x", (R.left + R.right) / 2);
    Status.Put("memo_thumb_y", R.top + (Info.xyThumbTop + Info.xyThumbBottom) / 2);
  }

  Status.Put("list_top", SendMessageW(Demo->List, LB_GETTOPINDEX, 0, 0));
  if (TWScrollbar* Bar = Demo->ListSkin->FVertBar.get(); Bar && Bar->WindowHandle()) {
    RECT R;
    GetWindowRect(Bar->WindowHandle(), &R);
    const int A = Bar->FArrowSize;
    Status.Put("list_down_x", (R.left + R.right) / 2);
    Status.Put("list_down_y", R.bottom - A / 2 - 1);
    Status.Put("list_down_frame",
               FrameOf(kScrollStrip, 23,
                       ScreenPixel(Bar->WindowHandle(), (R.left + R.right) / 2, R.bottom - A / 2 - 1)));
  }

  RECT C;
  GetWindowRect(Demo->Combo, &C);
  Status.Put("combo_x", (C.left + C.right) / 2);
  Status.Put("combo_y", (C.top + C.bottom) / 2);
  Status.Put("combo_dropped", SendMessageW(Demo->Combo, CB_GETDROPPEDSTATE, 0, 0));
  Status.Put("combo_top", SendMessageW(Demo->ComboList, LB_GETTOPINDEX, 0, 0));
  SCROLLBARINFO Info{};
  Info.cbSize = sizeof Info;
  if (IsWindowVisible(Demo->ComboList) && GetScrollBarInfo(Demo->ComboList, OBJID_VSCROLL, &Info)) {
    Status.Put("combo_thumb_x", (Info.rcScrollBar.left + Info.rcScrollBar.right) / 2);
    Status.Put("combo_thumb_y", Info.rcScrollBar.top + (Info.xyThumbTop + Info.xyThumbBottom) / 2);
    const COLORREF Thumb = ScreenPixel(Demo->ComboList, (Info.rcScrollBar.left + Info.rcScrollBar.right) / 2,
                                       Info.rcScrollBar.top + Info.xyThumbTop);  // above the grip
    Status.Put("combo_thumb_frame", FrameOf(kVThumbStrip, 3, Thumb));
  }
  // The combo's button (drawn into the last A + 2 columns of its one-piece frame), its frame, the
  // chosen item and where a later item of the open list lies.
  const int A = GetSystemMetrics(SM_CXHSCROLL);
  const POINT Button{C.right - (A + 2) / 2, (C.top + C.bottom) / 2};
  Status.Put("combo_button_x", Button.x);
  Status.Put("combo_button_y", Button.y);
  Status.Put("combo_button_frame", FrameOf(kComboStrip, 4, ScreenPixel(Demo->Combo, Button.x, Button.y)));
  Status.Put("combo_sel", SendMessageW(Demo->Combo, CB_GETCURSEL, 0, 0));
  if (IsWindowVisible(Demo->ComboList)) {
    const LRESULT Item = SendMessageW(Demo->ComboList, LB_GETTOPINDEX, 0, 0) + 3;
    RECT R{};
    SendMessageW(Demo->ComboList, LB_GETITEMRECT, static_cast<WPARAM>(Item), reinterpret_cast<LPARAM>(&R));
    MapWindowPoints(Demo->ComboList, HWND_DESKTOP, reinterpret_cast<POINT*>(&R), 2);
    Status.Put("combo_item", Item);
    Status.Put("combo_item_x", (R.left + R.right) / 2);
    Status.Put("combo_item_y", (R.top + R.bottom) / 2);
  }
  // Speed button: a windowless control, read from the form's DC.
  {
    POINT At{Demo->Speed->Left(), Demo->Speed->Top()};
    ClientToScreen(Demo->Form->Handle(), &At);
    Status.Put("speed_x", At.x + Demo->Speed->Width() / 2);
    Status.Put("speed_y", At.y + Demo->Speed->Height() / 2);
    Status.Put("speed_frame",
               FrameOf(kButtonStrip, 5, ScreenPixel(Demo->Form->Handle(), At.x + 2, At.y + 2)));
    Status.Put("speed_clicks", Demo->SpeedClicks);
  }
  // Check list: the first line's mark.
  {
    const RECT Line = Demo->Checks->ItemRect(0);
    POINT Mark{Line.left + 2 + 6, (Line.top + Line.bottom) / 2};
    ClientToScreen(Demo->Checks->Handle(), &Mark);
    Status.Put("checks_x", Mark.x);
    Status.Put("checks_y", Mark.y);
    Status.Put("checks_frame", FrameOf(kCheckStrip, 12, ScreenPixel(Demo->Checks->Handle(), Mark.x, Mark.y)));
  }
  // Media player: its panel's first two buttons.
  if (TWMediaPlayer* Panel = Demo->PlayerSkin->FPlayer; Panel && Panel->WindowHandle()) {
    RECT R;
    GetWindowRect(Panel->WindowHandle(), &R);
    Panel->ReadButtons();
    const int W = Panel->FButtonWidth;
    Status.Put("player_x", R.left + W / 2);
    Status.Put("player_next_x", R.left + W + W / 2);
    Status.Put("player_y", (R.top + R.bottom) / 2);
    Status.Put("player_frame",
               FrameOf(kButtonStrip, 5, ScreenPixel(Panel->WindowHandle(), R.left + 2, R.top + 2)));
    Status.Put("player_clicks", Demo->PlayerClicks);
    Status.Put("player_last", Demo->PlayerLast);
  }
  Status.Put("alive", GetTickCount());
  testsupport::WriteStatusFile(Demo->Options.StatusFile, Status.Text());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TDemo State;
  Demo = &State;
  State.Options = ReadDemoOptions(__argc, __argv);
  LoadDemoSkin(State.Data, State.Options, BoxesSkin({.Sunk = true}));

  State.Form = NewDemoForm("Skinned controls", 580, 520);

  State.Button = new TButton(State.Form);
  State.Button->SetParent(State.Form);
  State.Button->SetBounds(20, 20, 120, 30);
  State.Button->SetCaption("Press");
  State.Button->OnClick = TNotifyEvent::Bind<&TDemo::Click>(&State);
  auto* Other = new TButton(State.Form);
  Other->SetParent(State.Form);
  Other->SetBounds(160, 20, 120, 30);
  Other->SetCaption("Two||lines");
  Other->SetDefault(true);

  State.Memo = new TTestMemo(State.Form);
  State.Memo->SetParent(State.Form);
  State.Memo->SetBounds(20, 70, 220, 150);
  std::string Text;
  for (int I = 0; I < 80; ++I) Text += "memo line " + std::to_string(I) + "\r\n";
  State.Memo->SetText(Text);

  State.List =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 260,
                      70, 160, 150, State.Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int I = 0; I < 100; ++I)
    SendMessageW(State.List, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>((L"list item " + std::to_wstring(I)).c_str()));

  State.Combo =
      CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 20, 240,
                      180, 200, State.Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int I = 0; I < 60; ++I)
    SendMessageW(State.Combo, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>((L"combo item " + std::to_wstring(I)).c_str()));
  SendMessageW(State.Combo, CB_SETCURSEL, 0, 0);
  COMBOBOXINFO ComboInfo{};
  ComboInfo.cbSize = sizeof ComboInfo;
  GetComboBoxInfo(State.Combo, &ComboInfo);
  State.ComboList = ComboInfo.hwndList;

  auto* Check = new TTestCheck(State.Form);
  Check->SetParent(State.Form);
  Check->SetBounds(260, 240, 140, 24);
  Check->SetCaption("Check box");
  Check->SetState(ctltest::cbChecked);
  auto* Radio = new TTestCheck(State.Form, true);
  Radio->SetParent(State.Form);
  Radio->SetBounds(260, 270, 140, 24);
  Radio->SetCaption("Radio button");
  Radio->SetChecked(true);
  HWND BareCheck =
      CreateWindowExW(0, L"BUTTON", L"Bare check box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 260, 300, 160,
                      24, State.Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  auto* Bar = new TTestScrollBar(State.Form);
  Bar->SetParent(State.Form);
  Bar->SetBounds(260, 340, 200, GetSystemMetrics(SM_CYHSCROLL));
  Bar->SetRange(0, 100, 10, 30);

  State.Speed = new TSpeedButton(State.Form);
  State.Speed->SetParent(State.Form);
  State.Speed->SetBounds(440, 20, 110, 30);
  State.Speed->SetCaption("Speed");
  State.Speed->OnClick = TNotifyEvent::Bind<&TDemo::SpeedClick>(&State);
  State.Checks = new TCheckListBox(State.Form);
  State.Checks->SetParent(State.Form);
  State.Checks->SetBounds(440, 70, 110, 150);
  State.Checks->SetItemHeight(18);
  for (const char* Line :
       {"First", "Second", "Grey", "Locked", "Header", "Six", "Seven", "Eight", "Nine", "Ten"})
    State.Checks->Items()->Add(Line);
  State.Checks->SetState(1, ::cbChecked);
  State.Checks->SetState(2, ::cbGrayed);
  State.Checks->SetItemEnabled(3, false);
  State.Checks->SetHeader(4, true);
  State.Player = new TMediaPlayer(State.Form);
  State.Player->SetAutoEnable(false);
  State.Player->SetParent(State.Form);
  State.Player->SetBounds(20, 380, 270, 30);
  State.Player->SetEnabledButtons(TButtonSet{btPlay, btPause, btStop, btNext, btPrev, btEject});
  State.Player->OnClick = TMPClickEvent::Bind<&TDemo::PlayerClick>(&State);

  auto* Group = new TGroupBox(State.Form);
  Group->SetParent(State.Form);
  Group->SetBounds(310, 370, 240, 60);
  Group->SetCaption("Group box");
  auto* GroupLabel = new TLabel(Group);
  GroupLabel->SetParent(Group);
  GroupLabel->SetBounds(12, 26, 110, 16);
  GroupLabel->SetCaption("A label inside");
  auto* GroupSpeed = new TSpeedButton(Group);
  GroupSpeed->SetParent(Group);
  GroupSpeed->SetBounds(140, 22, 80, 26);
  GroupSpeed->SetCaption("Inside");
  auto* Status = new TStatusBar(State.Form);
  Status->SetParent(State.Form);
  Status->Panels()->Add()->SetText("Ready");
  Status->Panels()->Items(0)->SetWidth(160);
  Status->Panels()->Add()->SetText("second panel");
  Status->Panels()->Items(1)->SetWidth(160);
  auto* StatusLabel = new TLabel(Status);
  StatusLabel->SetParent(Status);
  StatusLabel->SetBounds(340, 3, 120, 16);
  StatusLabel->SetCaption("label on the bar");

  State.Skin = testsupport::MakeFormSkin(*State.Form, State.Data);
  TRuzIzivForm* F = State.Skin.get();
  TCanvas* Canvas = F->FControlCanvas.get();
  State.ButtonSkin = new TSkinButton(State.Button);
  State.ButtonSkin->Init(F, &State.Data, Canvas, false);
  (new TSkinButton(Other))->Init(F, &State.Data, Canvas, false);
  State.MemoSkin = new TSkinScrollbar(State.Memo);
  State.MemoSkin->InitScrollbar(State.Memo, &State.Data, Canvas, F);
  State.ListSkin = new TSkinScrollbarH(F);
  State.ListSkin->Inithwnd(State.List, &State.Data, Canvas, F);
  (new TComboxScrollBar(F))->Inithwnd(State.ComboList, &State.Data, Canvas, F);
  State.ComboSkin = new TSkinComBox(F);
  State.ComboSkin->Inithwnd(State.Combo, &State.Data, Canvas, F);
  (new TSkinCheckBox(Check))->Init(F, &State.Data, Canvas, false);
  (new TSkinRadioButton(Radio))->Init(F, &State.Data, Canvas, false);
  (new TSkinCheckBox(F))->Inithwnd(BareCheck, &State.Data, Canvas, F);
  (new TSkinScControl(Bar))->InitScrollbar(Bar, &State.Data, Canvas, F);
  (new TSkinSpeedButton(State.Speed))->InitGraphicControl(F, &State.Data, Canvas);
  (new TSkinCheckList(State.Checks))->InitScrollbar(State.Checks, &State.Data, Canvas, F);
  State.PlayerSkin = new TSkinMP(State.Player);
  State.PlayerSkin->Init(F, &State.Data, Canvas, false);
  (new TSkinGroupBox(Group))->Init(F, &State.Data, Canvas, false);
  (new TSkinSpeedButton(GroupSpeed))->InitGraphicControl(F, &State.Data, Canvas);
  (new TSkinStatusBar(Status))->Init(F, &State.Data, Canvas, false);
  SetForegroundWindow(State.Form->Handle());
  State.Button->SetFocus();

  ReportEvery100ms(&WriteStatus);
  RunWhileVisible(State.Form->Handle());
  State.Skin.reset();
  delete State.Form;
  return 0;
}
