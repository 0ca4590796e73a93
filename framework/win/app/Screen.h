// The screen: the list of existing forms, the active form and the system's menu, caption and hint
// fonts.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/graphics/GraphicsObjects.h"

class TCustomForm;

class TScreen : public TComponent {
  DECLARE_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* Owner);
  ~TScreen() override;

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(Index); }
  // The framework form whose window is (or owns) the active window, else null.
  TCustomForm* ActiveForm() const;

  // Fonts of the system's non-client metrics; UpdateFonts reads them again.
  TFont* MenuFont() const { return FMenuFont.get(); }
  TFont* CaptionFont() const { return FCaptionFont.get(); }
  // The font of tooltips and status lines.
  TFont* HintFont() const { return FHintFont.get(); }
  void UpdateFonts();

  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

  // Forms call these as they come and go.
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);

 private:
  std::vector<TCustomForm*> FForms;
  std::unique_ptr<TFont> FMenuFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FCaptionFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FHintFont = std::make_unique<TFont>();
};

extern TScreen* Screen;
