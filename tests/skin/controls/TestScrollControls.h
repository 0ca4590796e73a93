// Test-only framework controls with scroll bars: a multi-line edit (a memo) and a scroll-bar control,
// publishing the properties the scroll-bar skin objects read.
#pragma once

#include <windows.h>

#include "framework/win/controls/Controls.h"

namespace ctltest {

class TTestMemo : public TWinControl {
  DECLARE_CLASS(TTestMemo, TWinControl)

 public:
  explicit TTestMemo(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 160;
    FHeight = 100;
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.BaseClassName = L"EDIT";
    Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

PUBLISHED_ENUM(TTestScrollKind, sbHorizontal, sbVertical)

class TTestScrollBar : public TWinControl {
  DECLARE_CLASS(TTestScrollBar, TWinControl)

 public:
  explicit TTestScrollBar(TComponent* AOwner, TTestScrollKind Kind = sbHorizontal)
      : TWinControl(AOwner), FKind(Kind) {
    FWidth = Kind == sbHorizontal ? 200 : GetSystemMetrics(SM_CXVSCROLL);
    FHeight = Kind == sbHorizontal ? GetSystemMetrics(SM_CYHSCROLL) : 200;
  }
  static void Publish(TPublisher<TTestScrollBar>& P) { P.Enum("Kind", &TTestScrollBar::Kind); }
  TTestScrollKind Kind() const { return FKind; }

  void SetRange(int Min, int Max, int Page, int Position) {
    SCROLLINFO Info{};
    Info.cbSize = sizeof Info;
    Info.fMask = SIF_ALL;
    Info.nMin = Min;
    Info.nMax = Max;
    Info.nPage = static_cast<UINT>(Page);
    Info.nPos = Position;
    SetScrollInfo(Handle(), SB_CTL, &Info, TRUE);
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.BaseClassName = L"SCROLLBAR";
    Params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
  }

 private:
  TTestScrollKind FKind;
};

}  // namespace ctltest
