// TBitBtn: a push button that draws itself (owner-drawn), so that its font colour and glyph show.
#pragma once

#include "framework/win/controls/StdCtrls.h"

class TBitBtn : public TButton {
  DECLARE_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // Paints face, caption in the font's colour and focus frame.
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
};
