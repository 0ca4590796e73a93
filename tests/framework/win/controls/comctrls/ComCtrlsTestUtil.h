// A description holding every common control, and what the common-control tests do with a form read
// from one (reading it, pumping and counting handles come from tests/support).
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/win/forms/Forms.h"

// The control of Form named Name, of class T (test failure when absent or of another class).
template <class T>
T* Find(TForm& Form, std::string_view Name) {
  return dynamic_cast<T*>(Form.FindComponent(Name));
}
// The default window procedure of a window class registered by the system.
WNDPROC SystemClassProc(const wchar_t* ClassName);
// With COMCTRLS_HOLD_MS set, keeps the windows up and pumping that long, so a person (or a
// screenshot) can look at them.
void HoldForLook();

// A form holding one or more of each common control, the states their properties give them set.
inline constexpr std::string_view kAllControlsForm = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 700
  Height = 500
  Caption = 'Common controls'
  object TrackH: TTrackBar
    Left = 8
    Top = 8
    Max = 20
    Position = 5
  end
  object TrackV: TTrackBar
    Left = 160
    Top = 8
    Width = 45
    Height = 120
    Orientation = trVertical
    TickMarks = tmBoth
    TickStyle = tsNone
  end
  object ProgressH: TProgressBar
    Left = 8
    Top = 60
    Position = 30
  end
  object ProgressV: TProgressBar
    Left = 210
    Top = 8
    Width = 16
    Height = 120
    Orientation = pbVertical
    Smooth = True
  end
  object Edit1: TEdit
    Left = 8
    Top = 90
    Text = '3'
  end
  object UpDown1: TUpDown
    Left = 129
    Top = 90
    Associate = Edit1
    Min = 1
    Max = 9
    Position = 3
  end
  object UpDownH: TUpDown
    Left = 240
    Top = 8
    Width = 34
    Height = 17
    Orientation = udHorizontal
    Wrap = True
  end
  object TabsBottom: TTabControl
    Left = 8
    Top = 130
    Width = 200
    Height = 100
    TabPosition = tpBottom
    Tabs.Strings = ('First' 'Second')
    TabIndex = 1
  end
  object TabsLeft: TTabControl
    Left = 220
    Top = 130
    Width = 200
    Height = 100
    TabPosition = tpLeft
    Style = tsButtons
    Tabs.Strings = ('A' 'B' 'C')
  end
  object Pages: TPageControl
    Left = 430
    Top = 130
    Width = 250
    Height = 150
    ActivePage = Sheet2
    Style = tsFlatButtons
    MultiLine = True
    object Sheet1: TTabSheet
      Caption = 'One'
    end
    object Sheet2: TTabSheet
      Caption = 'Two'
    end
  end
  object Header1: THeaderControl
    Left = 8
    Top = 290
    Width = 300
    Height = 20
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Alignment = taRightJustify
        Text = 'Size'
        Width = 80
      end>
  end
  object Report: TListView
    Left = 8
    Top = 315
    Width = 300
    Height = 110
    ViewStyle = vsReport
    RowSelect = True
    Columns = <
      item
        Caption = 'Name'
        Width = 120
      end
      item
        Caption = 'Size'
        Alignment = taRightJustify
      end>
    Items = <
      item
        Caption = 'readme.txt'
        SubItems.Strings = ('12 KB')
      end
      item
        Caption = 'picture.bmp'
        SubItems.Strings = ('340 KB')
      end>
  end
  object List: TListView
    Left = 320
    Top = 315
    Width = 100
    Height = 110
    BorderStyle = bsNone
    ViewStyle = vsList
  end
  object Tree: TTreeView
    Left = 430
    Top = 290
    Width = 120
    Height = 135
    ReadOnly = True
    Items.Nodes = ('Documents' ('Letters' ('To Anna') 'Drafts') 'Pictures')
  end
  object FlatTree: TTreeView
    Left = 440
    Top = 70
    Width = 120
    Height = 56
    BorderStyle = bsNone
    ShowRoot = False
    Items.Nodes = ('Flat' ('Without an edge'))
  end
  object DateCombo: TDateTimePicker
    Left = 240
    Top = 40
    Date = '2024-05-17'
  end
  object DateUpDown: TDateTimePicker
    Left = 240
    Top = 66
    DateMode = dmUpDown
    Date = '2000-02-29'
  end
  object TimeOnly: TDateTimePicker
    Left = 240
    Top = 92
    Kind = dtkTime
    Time = '13:45:30'
  end
  object Cool: TCoolBar
    Align = alNone
    Left = 440
    Top = 8
    Width = 240
    Height = 30
    Bands = <
      item
        Control = BandEdit
        Text = 'Find'
        Width = 200
      end>
    object BandEdit: TEdit
      Left = 0
      Top = 0
      Text = 'in a band'
    end
  end
  object Frame1: TFrame
    Left = 560
    Top = 290
    Width = 120
    Height = 135
    object FrameEdit: TEdit
      Left = 8
      Top = 8
      Width = 100
    end
  end
  object Tools: TToolBar
    Align = alNone
    Left = 440
    Top = 40
    Width = 240
    Height = 26
    Flat = True
    ShowCaptions = True
    List = True
    object ToolNew: TToolButton
      Caption = 'New'
    end
    object ToolBold: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
    end
    object ToolSep: TToolButton
      Style = tbsSeparator
      Width = 8
    end
    object ToolOpen: TToolButton
      Caption = 'Open'
      Style = tbsDropDown
      DropdownMenu = ToolMenu
    end
    object ToolOff: TToolButton
      Caption = 'Off'
      Enabled = False
    end
  end
  object Tabs31: TTabSet
    Left = 8
    Top = 240
    Width = 200
    Height = 21
    Tabs.Strings = ('Alpha' 'Beta' 'Gamma' 'Delta' 'Epsilon' 'Zeta' 'Eta' 'Theta')
    TabIndex = 1
  end
  object Player: TMediaPlayer
    Left = 220
    Top = 240
    Width = 200
    Height = 30
    AutoEnable = False
    EnabledButtons = [btPlay, btStop, btNext, btPrev, btEject]
    ColoredButtons = [btPlay, btStop]
    VisibleButtons = [btPlay, btPause, btStop, btNext, btPrev, btEject]
  end
  object ToolMenu: TPopupMenu
    object ToolMenuFirst: TMenuItem
      Caption = 'First'
    end
  end
  object Status: TStatusBar
    Left = 0
    Top = 440
    Width = 692
    Height = 19
    Panels = <
      item
        Text = 'Lowered'
        Width = 120
      end
      item
        Style = psOwnerDraw
        Bevel = pbRaised
        Width = 120
      end
      item
        Bevel = pbNone
        Alignment = taRightJustify
        Text = 'None'
        Width = 100
      end>
  end
end
)";
