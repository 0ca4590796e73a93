// Events of the common controls fired by real messages: clicks, keys and paints reach the window,
// the window notifies its parent, the parent reflects the notification to the control.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/controls/ComCtrls.h"
#include "framework/win/controls/StdCtrls.h"
#include "tests/framework/win/controls/comctrls/ComCtrlsTestUtil.h"
#include "tests/support/Forms.h"
#include "tests/support/Handles.h"
#include "tests/support/Pump.h"

using testsupport::Centre;
using testsupport::Pump;
using testsupport::ReadForm;

namespace {

constexpr std::string_view kForm = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 640
  Height = 400
  Caption = 'Events'
  object Pages: TPageControl
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    object Sheet1: TTabSheet
      Caption = 'First'
    end
    object Sheet2: TTabSheet
      Caption = 'Second'
    end
  end
  object Tabs: TTabControl
    Left = 220
    Top = 8
    Width = 200
    Height = 60
    Tabs.Strings = ('One' 'Two' 'Three')
    TabIndex = 0
  end
  object Track: TTrackBar
    Left = 8
    Top = 140
    Max = 10
    Position = 3
  end
  object Edit1: TEdit
    Left = 220
    Top = 80
    Text = '5'
  end
  object Spin: TUpDown
    Left = 341
    Top = 80
    Associate = Edit1
    Max = 9
    Position = 5
  end
  object Header1: THeaderControl
    Left = 220
    Top = 110
    Width = 200
    Height = 20
    Sections = <
      item
        Text = 'Name'
        Width = 100
      end
      item
        Text = 'Size'
        Width = 100
      end>
  end
  object Report: TListView
    Left = 8
    Top = 200
    Width = 200
    Height = 100
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Name'
        Width = 150
      end>
    Items = <
      item
        Caption = 'first'
      end
      item
        Caption = 'second'
      end>
  end
  object Tree: TTreeView
    Left = 220
    Top = 140
    Width = 200
    Height = 100
    Items.Nodes = ('Root' ('Leaf'))
  end
  object Picker: TDateTimePicker
    Left = 430
    Top = 8
    DateMode = dmUpDown
    Date = '2020-01-15'
  end
  object Tools: TToolBar
    Align = alNone
    Left = 430
    Top = 40
    Width = 200
    Height = 26
    Flat = True
    object ToolNew: TToolButton
      Caption = 'New'
    end
    object ToolBold: TToolButton
      Style = tbsCheck
      Down = True
    end
    object ToolOff: TToolButton
      Enabled = False
    end
  end
  object Tabs31: TTabSet
    Left = 430
    Top = 80
    Width = 150
    Height = 21
    Tabs.Strings = ('Alpha' 'Beta' 'Gamma' 'Delta' 'Epsilon' 'Zeta')
    TabIndex = 0
  end
  object Player: TMediaPlayer
    Left = 430
    Top = 110
    Width = 180
    Height = 30
    AutoEnable = False
  end
  object Status: TStatusBar
    Left = 0
    Top = 350
    Width = 632
    Height = 20
    Panels = <
      item
        Text = 'Text'
        Width = 100
      end
      item
        Style = psOwnerDraw
        Width = 100
      end>
  end
end
)";

class EventsTest : public testing::Test {
 protected:
  void SetUp() override { Form = ReadForm(kForm, true); }
  template <class T>
  T* Get(std::string_view Name) {
    return Find<T>(*Form, Name);
  }
  std::unique_ptr<TForm> Form;
};

// Counts the calls of any event it is bound to.
struct TCounter : TObject {
  int Calls = 0;
  TObject* LastSender = nullptr;
  void Notify(TObject* Sender) {
    ++Calls;
    LastSender = Sender;
  }
  void Changing(TObject* Sender, bool& Allow) {
    ++Calls;
    LastSender = Sender;
    Allow = AllowChange;
  }
  bool AllowChange = true;
};

// A press and release of the left button at a client point of Wnd, as the mouse would send them. The
// release is queued first: list and tree views wait for it in a loop of their own inside the press.
void ClickAt(HWND Wnd, POINT At) {
  PostMessageW(Wnd, WM_LBUTTONUP, 0, MAKELPARAM(At.x, At.y));
  SendMessageW(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At.x, At.y));
  Pump(0);
}

TEST_F(EventsTest, ClickOnATabChangesThePageAndFiresOnChangingThenOnChange) {
  auto* Pages = Get<TPageControl>("Pages");
  TCounter Changing, Changed;
  Pages->OnChanging = TTabChangingEvent::Bind<&TCounter::Changing>(&Changing);
  Pages->OnChange = TNotifyEvent::Bind<&TCounter::Notify>(&Changed);
  ASSERT_EQ(Pages->ActivePage(), Get<TTabSheet>("Sheet1"));

  ClickAt(Pages->WindowHandle(), Centre(Pages->TabRect(1)));
  EXPECT_EQ(Changing.Calls, 1);
  EXPECT_EQ(Changed.Calls, 1);
  EXPECT_EQ(Changed.LastSender, Pages);
  EXPECT_EQ(Pages->ActivePage(), Get<TTabSheet>("Sheet2"));
  EXPECT_TRUE(IsWindowVisible(Get<TTabSheet>("Sheet2")->WindowHandle()));
  EXPECT_FALSE(IsWindowVisible(Get<TTabSheet>("Sheet1")->WindowHandle()));

  // OnChanging can keep the page.
  Changing.AllowChange = false;
  ClickAt(Pages->WindowHandle(), Centre(Pages->TabRect(0)));
  EXPECT_EQ(Changing.Calls, 2);
  EXPECT_EQ(Changed.Calls, 1);
  EXPECT_EQ(Pages->ActivePage(), Get<TTabSheet>("Sheet2"));
  EXPECT_EQ(Pages->TabIndex(), 1);
}

TEST_F(EventsTest, ControlsReportTheirUsersActions) {
  TCounter Counter;
  const TNotifyEvent Notify = TNotifyEvent::Bind<&TCounter::Notify>(&Counter);
  struct TCase {
    const char* Name;
    std::function<void()> Act;
    std::function<bool()> Then;  // the state the action left
    bool Fires = true;           // the action fires an event the counter hears
  };
  auto* Tabs = Get<TTabControl>("Tabs");
  auto* Track = Get<TTrackBar>("Track");
  auto* Spin = Get<TUpDown>("Spin");
  auto* Header = Get<THeaderControl>("Header1");
  auto* Report = Get<TListView>("Report");
  auto* Tree = Get<TTreeView>("Tree");
  auto* Picker = Get<TDateTimePicker>("Picker");
  TUDBtnType Arrow = TUDBtnType::btPrev;
  struct TSpinClicks : TObject {
    TUDBtnType* Arrow;
    TCounter* Counter;
    void Click(TObject* Sender, TUDBtnType Button) {
      *Arrow = Button;
      Counter->Notify(Sender);
    }
  } SpinClicks;
  SpinClicks.Arrow = &Arrow;
  SpinClicks.Counter = &Counter;
  struct TItems : TObject {
    TCounter* Counter;
    TListItem* Item = nullptr;
    TTreeNode* Node = nullptr;
    THeaderSection* Section = nullptr;
    void Select(TObject* Sender, TListItem* Selected, bool IsSelected) {
      if (IsSelected) Item = Selected;
      Counter->Notify(Sender);
    }
    void Change(TObject* Sender, TTreeNode* Changed) {
      Node = Changed;
      Counter->Notify(Sender);
    }
    void SectionClick(THeaderControl* Sender, THeaderSection* Clicked) {
      Section = Clicked;
      Counter->Notify(Sender);
    }
  } Items;
  Items.Counter = &Counter;

  auto* Tools = Get<TToolBar>("Tools");
  auto* Tabs31 = Get<TTabSet>("Tabs31");
  auto* Player = Get<TMediaPlayer>("Player");
  struct TOthers : TObject {
    TCounter* Counter;
    int NewTab = -1;
    TMPBtnType Played = btEject;
    void TabChange(TObject* Sender, int Tab, bool& Allow) {
      NewTab = Tab;
      Allow = true;
      Counter->Notify(Sender);
    }
    void PlayerClick(TObject* Sender, TMPBtnType Button, bool& DoDefault) {
      Played = Button;
      DoDefault = false;  // no device: the button's command is not run
      Counter->Notify(Sender);
    }
  } Others;
  Others.Counter = &Counter;
  Get<TToolButton>("ToolNew")->OnClick = Notify;
  Get<TToolButton>("ToolBold")->OnClick = Notify;
  Tabs31->OnChange = TTabChangeEvent::Bind<&TOthers::TabChange>(&Others);
  Player->OnClick = TMPClickEvent::Bind<&TOthers::PlayerClick>(&Others);
  Tabs->OnChange = Notify;
  Track->OnChange = Notify;
  Spin->OnClick = decltype(Spin->OnClick)::Bind<&TSpinClicks::Click>(&SpinClicks);
  Header->OnSectionClick = TSectionNotifyEvent::Bind<&TItems::SectionClick>(&Items);
  Report->OnSelectItem = decltype(Report->OnSelectItem)::Bind<&TItems::Select>(&Items);
  Tree->OnChange = TTVChangedEvent::Bind<&TItems::Change>(&Items);
  Picker->OnChange = Notify;

  const TCase Cases[] = {
      {"tab control click", [&] { ClickAt(Tabs->WindowHandle(), Centre(Tabs->TabRect(2))); },
       [&] { return Tabs->TabIndex() == 2 && Counter.LastSender == Tabs; }},
      {"track bar key",
       [&] {
         SendMessageW(Track->WindowHandle(), WM_KEYDOWN, VK_RIGHT, 0);
         Pump(0);
       },
       [&] { return Track->Position() == 4 && Counter.LastSender == Track; }},
      {"up-down arrow click",
       [&] {
         RECT R;
         GetClientRect(Spin->WindowHandle(), &R);
         ClickAt(Spin->WindowHandle(), {R.right / 2, R.bottom / 4});
       },
       [&] {
         return Spin->Position() == 6 && Arrow == TUDBtnType::btNext && Get<TEdit>("Edit1")->Text() == "6";
       }},
      {"header section click",
       [&] {
         ClickAt(Header->WindowHandle(), {150, 10});
       },
       [&] { return Items.Section == Header->Sections()->Items(1); }},
      {"list view item click",
       [&] {
         RECT R{};
         R.left = LVIR_LABEL;
         SendMessageW(Report->WindowHandle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&R));
         ClickAt(Report->WindowHandle(), Centre(R));
       },
       [&] { return Items.Item == Report->Items()->Items(1) && Report->Selected() == Items.Item; }},
      {"tree view node click",
       [&] {
         // The item goes in where the rectangle comes out.
         RECT R{};
         const HTREEITEM Item = Tree->Items()->GetFirstNode()->ItemId();
         std::memcpy(&R, &Item, sizeof Item);
         SendMessageW(Tree->WindowHandle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&R));
         ClickAt(Tree->WindowHandle(), Centre(R));
       },
       [&] { return Items.Node == Tree->Items()->GetFirstNode() && Tree->Selected() == Items.Node; }},
      {"tool button click",
       [&] { ClickAt(Tools->WindowHandle(), Centre(Get<TToolButton>("ToolNew")->BoundsRect())); },
       [&] { return Counter.LastSender == Get<TToolButton>("ToolNew"); }},
      {"check tool button click",
       [&] { ClickAt(Tools->WindowHandle(), Centre(Get<TToolButton>("ToolBold")->BoundsRect())); },
       [&] {
         return Counter.LastSender == Get<TToolButton>("ToolBold") && !Get<TToolButton>("ToolBold")->Down();
       }},
      {"tab set click", [&] { ClickAt(Tabs31->WindowHandle(), Centre(Tabs31->ItemRect(1))); },
       [&] { return Others.NewTab == 1 && Tabs31->TabIndex() == 1; }},
      {"tab set scroller click",
       [&] {
         TScroller* Scroller = Tabs31->Scroller();
         ClickAt(Scroller->WindowHandle(), {Scroller->Width() * 3 / 4, Scroller->Height() / 2});
       },
       [&] { return Tabs31->FirstIndex() == 1 && Tabs31->Scroller()->Position() == 1; }, false},
      {"media player button click",
       [&] { ClickAt(Player->WindowHandle(), Centre(Player->ButtonRect(btStop))); },
       [&] { return Others.Played == btStop && Counter.LastSender == Player; }},
      {"date picker key",
       [&] {
         // The first field is chosen with the mouse, then moved with the arrow key.
         ClickAt(Picker->WindowHandle(), {6, Picker->ClientHeight() / 2});
         SendMessageW(Picker->WindowHandle(), WM_KEYDOWN, VK_UP, 0);
         Pump(0);
       },
       [&] { return Counter.LastSender == Picker && Picker->Date() != "2020-01-15"; }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const int Before = Counter.Calls;
    Case.Act();
    if (Case.Fires) {
      EXPECT_GT(Counter.Calls, Before);
    }
    EXPECT_TRUE(Case.Then());
  }
}

// Sits in front of a window's message method and records the custom-draw stages that pass.
struct TDrawSpy : TObject {
  TControl* Control;
  TWndMethod Saved;
  UINT Watched;  // WM_NOTIFY at the parent, CN_NOTIFY at the control
  HWND From;
  std::vector<DWORD> Stages;
  LRESULT PrePaintAnswer = -1;  // -1: whatever the window behind answers
  TDrawSpy(TControl* C, UINT Msg, HWND Source)
      : Control(C), Saved(C->WindowProc), Watched(Msg), From(Source) {
    C->WindowProc = TWndMethod::Bind<&TDrawSpy::Proc>(this);
  }
  ~TDrawSpy() override { Control->WindowProc = Saved; }
  void Proc(TMessage& M) {
    const auto* Draw = reinterpret_cast<const NMCUSTOMDRAW*>(M.LParam);
    const bool Mine =
        M.Msg == Watched && Draw && Draw->hdr.hwndFrom == From && Draw->hdr.code == NM_CUSTOMDRAW;
    if (Mine) Stages.push_back(Draw->dwDrawStage);
    if (Mine && Draw->dwDrawStage == CDDS_PREPAINT && PrePaintAnswer >= 0) {
      M.Result = PrePaintAnswer;
      return;
    }
    Saved(M);
  }
  bool Saw(DWORD Stage) const { return std::find(Stages.begin(), Stages.end(), Stage) != Stages.end(); }
};

TEST_F(EventsTest, TrackBarCustomDrawReachesTheParentAndTheControlWhoseAnswerCounts) {
  auto* Track = Get<TTrackBar>("Track");
  HWND Wnd = Track->WindowHandle();
  TDrawSpy AtParent(Form.get(), WM_NOTIFY, Wnd);
  TDrawSpy AtControl(Track, CN_NOTIFY, Wnd);
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(AtParent.Saw(CDDS_PREPAINT));
  EXPECT_TRUE(AtControl.Saw(CDDS_PREPAINT));
  EXPECT_FALSE(AtControl.Saw(CDDS_ITEMPREPAINT));  // nobody asked for the parts

  // Asked for the parts by whoever sits in front of the control, the window draws them one by one.
  AtControl.PrePaintAnswer = CDRF_NOTIFYITEMDRAW;
  AtControl.Stages.clear();
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(AtControl.Saw(CDDS_ITEMPREPAINT));
}

TEST_F(EventsTest, StatusBarOwnerDrawnPanelIsDrawnByOnDrawPanel) {
  auto* Status = Get<TStatusBar>("Status");
  struct TPanels : TObject {
    std::vector<TStatusPanel*> Drawn;
    RECT Rect{};
    HDC DC = nullptr;
    TCustomStatusBar* Bar = nullptr;
    void Draw(TCustomStatusBar* Sender, TStatusPanel* Panel, const RECT& R) {
      Drawn.push_back(Panel);
      Rect = R;
      Bar = Sender;
      DC = Sender->Canvas()->Handle();
      Sender->Canvas()->Brush()->SetColor(clRed);
      Sender->Canvas()->FillRect(R);
    }
  } Panels;
  Status->OnDrawPanel = TDrawPanelEvent::Bind<&TPanels::Draw>(&Panels);
  RedrawWindow(Status->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  ASSERT_EQ(Panels.Drawn.size(), 1u);  // only the owner-drawn one
  EXPECT_EQ(Panels.Drawn[0], Status->Panels()->Items(1));
  EXPECT_EQ(Panels.Bar, Status);
  EXPECT_NE(Panels.DC, nullptr);
  const RECT Panel = Status->PanelRect(1);
  EXPECT_GE(Panels.Rect.left, Panel.left);
  EXPECT_LE(Panels.Rect.right, Panel.right);
  // What the handler drew is on the screen.
  HDC Screen = GetDC(Status->WindowHandle());
  const POINT Middle = Centre(Panels.Rect);
  EXPECT_EQ(GetPixel(Screen, Middle.x, Middle.y), RGB(255, 0, 0));
  ReleaseDC(Status->WindowHandle(), Screen);
  EXPECT_FALSE(Status->Canvas()->HandleAllocated());  // lent for the drawing only
}

TEST_F(EventsTest, ToolBarCustomDrawEventsArriveWithEachButtonsState) {
  auto* Tools = Get<TToolBar>("Tools");
  HWND Wnd = Tools->WindowHandle();
  struct TRecorder : TObject {
    int Backgrounds = 0;
    RECT Area{};
    std::vector<std::pair<TToolButton*, TCustomDrawState>> Buttons;
    TToolButton* Skip = nullptr;  // drawn red here, without the bar's own drawing
    void Background(TToolBar* Sender, const RECT& R, bool& DefaultDraw) {
      ++Backgrounds;
      Area = R;
      EXPECT_TRUE(Sender->Canvas()->HandleAllocated());
    }
    void Button(TToolBar* Sender, TToolButton* B, TCustomDrawState State, bool& DefaultDraw) {
      Buttons.emplace_back(B, State);
      if (B == Skip) {
        Sender->Canvas()->Brush()->SetColor(clRed);
        Sender->Canvas()->FillRect(B->BoundsRect());
        DefaultDraw = false;
      }
    }
    TCustomDrawState StateOf(TToolButton* B) const {
      for (auto It = Buttons.rbegin(); It != Buttons.rend(); ++It)
        if (It->first == B) return It->second;
      ADD_FAILURE() << "no custom draw for " << B->Name();
      return {};
    }
  } Recorder;
  Tools->OnCustomDraw = TTBCustomDrawEvent::Bind<&TRecorder::Background>(&Recorder);
  Tools->OnCustomDrawButton = TTBCustomDrawBtnEvent::Bind<&TRecorder::Button>(&Recorder);
  auto Redraw = [&] {
    Recorder.Buttons.clear();
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  };
  auto* New = Get<TToolButton>("ToolNew");
  auto* Bold = Get<TToolButton>("ToolBold");
  auto* Off = Get<TToolButton>("ToolOff");
  const int NewId = static_cast<int>(SendMessageW(Wnd, TB_COMMANDTOINDEX, 0, 0)) >= 0 ? 0 : 0;
  (void)NewId;

  struct TStateCase {
    const char* Name;
    std::function<void()> Arrange;
    TToolButton* Button;
    TCustomDrawState Has;
    TCustomDrawState HasNot;
  };
  TBBUTTON Native{};
  SendMessageW(Wnd, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&Native));
  const WPARAM NewCommand = static_cast<WPARAM>(Native.idCommand);
  const TStateCase Cases[] = {
      {"plain", [] {}, New, {}, {cdsChecked, cdsDisabled, cdsSelected, cdsHot}},
      {"checked", [] {}, Bold, {cdsChecked}, {cdsDisabled}},
      {"disabled", [] {}, Off, {cdsDisabled}, {cdsChecked}},
      {"hot", [&] { SendMessageW(Wnd, TB_SETHOTITEM, 0, 0); }, New, {cdsHot}, {cdsDisabled}},
      {"pressed",
       [&] { SendMessageW(Wnd, TB_PRESSBUTTON, NewCommand, TRUE); },
       New,
       {cdsSelected},
       {cdsDisabled}},
  };
  for (const TStateCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Case.Arrange();
    Redraw();
    const TCustomDrawState State = Recorder.StateOf(Case.Button);
    EXPECT_EQ(State * Case.Has, Case.Has) << State.Bits();
    EXPECT_TRUE((State * Case.HasNot).Empty()) << State.Bits();
  }
  EXPECT_GT(Recorder.Backgrounds, 0);
  RECT Client;
  GetClientRect(Wnd, &Client);
  EXPECT_TRUE(EqualRect(&Recorder.Area, &Client));

  // A handler that draws the button itself keeps the bar from drawing over it.
  SendMessageW(Wnd, TB_PRESSBUTTON, NewCommand, FALSE);
  Recorder.Skip = Off;
  Redraw();
  HDC Screen = GetDC(Wnd);
  const POINT Middle = Centre(Off->BoundsRect());
  EXPECT_EQ(GetPixel(Screen, Middle.x, Middle.y), RGB(255, 0, 0));
  ReleaseDC(Wnd, Screen);
  EXPECT_FALSE(Tools->Canvas()->HandleAllocated());
}

TEST_F(EventsTest, AMediaPlayerCommandWithoutADeviceIsReportedNotCrashed) {
  auto* Player = Get<TMediaPlayer>("Player");
  String Reported;
  Application->OnException = [&](TObject*, std::exception_ptr Error) {
    try {
      std::rethrow_exception(Error);
    } catch (const Exception& E) {
      Reported = E.Message();
    }
  };
  // Play with no file open: the click's command fails inside the window procedure and is reported.
  ClickAt(Player->WindowHandle(), Centre(Player->ButtonRect(btPlay)));
  Application->OnException = nullptr;
  EXPECT_NE(Reported.find("play"), String::npos) << Reported;
  EXPECT_TRUE(IsWindow(Player->WindowHandle()));
}

}  // namespace
