#include "framework/win/controls/StdRegistration.h"

#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/CheckLists.h"
#include "framework/win/controls/ComboBoxes.h"
#include "framework/win/controls/Grids.h"
#include "framework/win/controls/GroupBoxes.h"
#include "framework/win/controls/Images.h"
#include "framework/win/controls/Labels.h"
#include "framework/win/controls/ListBoxes.h"
#include "framework/win/controls/Memos.h"
#include "framework/win/controls/Panels.h"
#include "framework/win/controls/ScrollBars.h"
#include "framework/win/controls/ScrollBoxes.h"
#include "framework/win/controls/Shapes.h"

void RegisterStdControls() {
  RegisterComponentClasses<TPanel, TLabel, TImage, TBevel, TShape>();
  RegisterComponentClasses<TCheckBox, TRadioButton, TGroupBox, TRadioGroup, TSpeedButton>();
  RegisterComponentClasses<TMemo, TListBox, TCheckListBox, TComboBox, TScrollBar, TScrollBox, TDrawGrid,
                           TStringGrid>();
}
