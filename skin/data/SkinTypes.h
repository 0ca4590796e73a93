// The switches a skin data component carries: which kinds of control get skinned, which optional
// behaviours are on, and which windows the component serves. Persisted in form descriptions by name,
// so the enumerator order is part of the format (sets are stored as bit n for ordinal n).
#pragma once

#include "framework/core/Types.h"

PUBLISHED_ENUM(TSkinControlType, xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo,
               xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton,
               xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport)
using TSkinControlTypes = TSet<TSkinControlType>;

PUBLISHED_ENUM(TSkinOption, xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround,
               xoNoFocusRect, xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint,
               xoFormScrollbar)
using TSkinOptions = TSet<TSkinOption>;

PUBLISHED_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog, sfDLL)

// Every kind except the menu-item drawing (which excludes the skinned menu bar) and the report
// exemption.
inline constexpr TSkinControlTypes kDefaultSkinControls =
    TSkinControlTypes::FromBits((std::uint64_t{1} << 22) - 1) - xcMenuItem - xcFastReport;
inline constexpr TSkinOptions kDefaultSkinOptions{xoPreview, xoToolbarBK, xoCaptionButtonHint};
inline constexpr int kDefaultDisableTag = 99;
