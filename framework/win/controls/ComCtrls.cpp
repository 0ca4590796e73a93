#include "framework/win/controls/ComCtrls.h"

void RegisterCommonControlClasses() {
  RegisterComponentClasses<TTabControl, TPageControl, TTabSheet, TTrackBar, TProgressBar, TStatusBar, TUpDown,
                           THeaderControl, TListView, TTreeView, TDateTimePicker, TCoolBar, TFrame, TToolBar,
                           TToolButton, TTabSet, TMediaPlayer>();
}
