#include "framework/win/controls/CommonControls.h"

#include <stdexcept>

#include "framework/win/controls/Controls.h"

namespace {

// ICC_* flags already registered; touched only by the GUI thread.
DWORD g_Registered = 0;

}  // namespace

void InitCommonControlClasses(DWORD Classes) {
  if ((g_Registered & Classes) == Classes) return;
  INITCOMMONCONTROLSEX Init{sizeof Init, Classes};
  if (!InitCommonControlsEx(&Init)) throw std::runtime_error("Common controls could not be loaded");
  g_Registered |= Classes;
}

const NMHDR* NotifyHeader(const TMessage& Message) {
  // A real record lives in memory far above the first 64 KB; the engine's marker is a small number.
  if (Message.LParam == kEngineMarker || static_cast<ULONG_PTR>(Message.LParam) < 0x10000) return nullptr;
  return reinterpret_cast<const NMHDR*>(Message.LParam);
}

TCustomDrawState CustomDrawStateOf(UINT ItemState) {
  static constexpr struct {
    UINT Bit;
    TCustomDrawStateFlag Flag;
  } kStates[] = {
      {CDIS_SELECTED, cdsSelected}, {CDIS_GRAYED, cdsGrayed}, {CDIS_DISABLED, cdsDisabled},
      {CDIS_CHECKED, cdsChecked},   {CDIS_FOCUS, cdsFocused}, {CDIS_DEFAULT, cdsDefault},
      {CDIS_HOT, cdsHot},           {CDIS_MARKED, cdsMarked}, {CDIS_INDETERMINATE, cdsIndeterminate}};
  TCustomDrawState State;
  for (const auto& Entry : kStates)
    if (ItemState & Entry.Bit) State.Include(Entry.Flag);
  return State;
}

HWND HandleOf(TWinControl* Control) {
  if (!Control) return nullptr;
  // A control without a parent window cannot have a window yet.
  if (!Control->Parent() && !Control->HandleAllocated()) return nullptr;
  return Control->Handle();
}
