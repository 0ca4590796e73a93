#include "framework/win/app/Screen.h"

#include <algorithm>

#include "framework/win/forms/Forms.h"

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* Owner) : TComponent(Owner) {
  UpdateFonts();
}

TScreen::~TScreen() = default;

void TScreen::UpdateFonts() {
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &Metrics.lfMenuFont);
    Metrics.lfCaptionFont = Metrics.lfMenuFont;
    Metrics.lfCaptionFont.lfWeight = FW_BOLD;
    Metrics.lfStatusFont = Metrics.lfMenuFont;
  }
  // The fonts take the handles over and read their descriptions from them.
  if (HFONT Menu = CreateFontIndirectW(&Metrics.lfMenuFont)) FMenuFont->SetHandle(Menu);
  if (HFONT Caption = CreateFontIndirectW(&Metrics.lfCaptionFont)) FCaptionFont->SetHandle(Caption);
  if (HFONT Hint = CreateFontIndirectW(&Metrics.lfStatusFont)) FHintFont->SetHandle(Hint);
}

TCustomForm* TScreen::ActiveForm() const {
  for (HWND Wnd = GetActiveWindow(); Wnd; Wnd = GetWindow(Wnd, GW_OWNER))
    for (TCustomForm* Form : FForms)
      if (Form->WindowHandle() == Wnd) return Form;
  return nullptr;
}

void TScreen::AddForm(TCustomForm* Form) {
  FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
}
