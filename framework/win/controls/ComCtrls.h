// The framework's common controls in one include, and their registration for form descriptions.
#pragma once

#include "framework/win/controls/CommonControls.h"
#include "framework/win/controls/CoolBar.h"
#include "framework/win/controls/DateTimePicker.h"
#include "framework/win/controls/Frames.h"
#include "framework/win/controls/HeaderControl.h"
#include "framework/win/controls/ListView.h"
#include "framework/win/controls/MediaPlayer.h"
#include "framework/win/controls/ProgressBar.h"
#include "framework/win/controls/StatusBar.h"
#include "framework/win/controls/TabControls.h"
#include "framework/win/controls/TabSet.h"
#include "framework/win/controls/ToolBar.h"
#include "framework/win/controls/TrackBar.h"
#include "framework/win/controls/TreeView.h"
#include "framework/win/controls/UpDown.h"

// Lets descriptions name every common-control class (the application registers them at start-up).
void RegisterCommonControlClasses();
