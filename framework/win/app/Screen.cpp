#include "framework/win/app/Screen.h"

#include <algorithm>

#include "framework/win/forms/Forms.h"

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  UpdateFonts();
}

TScreen::~TScreen() = default;

void TScreen::UpdateFonts() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &metrics.lfMenuFont);
    metrics.lfCaptionFont = metrics.lfMenuFont;
    metrics.lfCaptionFont.lfWeight = FW_BOLD;
    metrics.lfStatusFont = metrics.lfMenuFont;
  }
  // The fonts take the handles over and read their descriptions from them.
  if (HFONT menu = CreateFontIndirectW(&metrics.lfMenuFont)) FMenuFont->SetHandle(menu);
  if (HFONT caption = CreateFontIndirectW(&metrics.lfCaptionFont)) FCaptionFont->SetHandle(caption);
  if (HFONT hint = CreateFontIndirectW(&metrics.lfStatusFont)) FHintFont->SetHandle(hint);
}

TCustomForm* TScreen::ActiveForm() const {
  for (HWND wnd = GetActiveWindow(); wnd; wnd = GetWindow(wnd, GW_OWNER))
    for (TCustomForm* form : FForms)
      if (form->WindowHandle() == wnd) return form;
  return nullptr;
}

void TScreen::AddForm(TCustomForm* form) {
  FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(FForms, form);
}
