// Status bars, drawn completely from the skin (panels from the "StatusBarEdges" strip: 1 lowered,
// 2 raised, 3 no bevel; texts in its NormalColour2; the size grip as frame 5 of "ExtraImages"), and
// tool bars, whose background becomes the skin's tool-bar picture or a gradient.
#pragma once

#include <vector>

#include "skin/controls/SkinControl.h"

// One panel of a status bar as the skin draws it.
struct TStatusPanelLook {
  RECT Rect{0, 0, 0, 0};      // where it is drawn: the bar's rectangle 2 pixels wider, the last to the edge
  RECT Reported{0, 0, 0, 0};  // the rectangle the bar reports
  int Frame = 1;              // 1 lowered, 2 raised, 3 no bevel
  UINT Alignment = DT_LEFT;
  WideString Text;
  bool OwnerDraw = false;
  int Index = 0;       // the panel's index in the bar
  ULONG_PTR Data = 0;  // an owner-drawn part's value (a bare bar's), else the index
};

class TSkinStatusBar : public TSkinControl {
  DECLARE_CLASS(TSkinStatusBar, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;

  // One panel's background: the "StatusBarEdges" frame for Rect, copied opaquely.
  void drawitem(HDC DC, const RECT& Rect, UINT Alignment, const WideString& Text, int Frame);
  // The background without a "StatusBarEdges" picture: a one-pixel 3-D frame for a lowered (1) or
  // raised (2) bevel, nothing otherwise.
  void Defaultpaint(TCanvas* Canvas, const RECT& Rect, UINT Alignment, const WideString& Text, int Bevel);

  // The bar in one text (its simple-panel flag, or no panels).
  bool IsSimple();
  WideString SimpleText();
  // The panels the bar reports a rectangle for, as they are to be drawn on a bar Width wide.
  std::vector<TStatusPanelLook> Panels(int Width);

 private:
  // An owner-drawn panel drawn by its owner, the way the bar itself asks for it (a draw-item message
  // to its parent, which a framework bar turns into its draw-panel handler), in the reported
  // rectangle less 2 pixels all round. A framework bar without a handler is not asked. False when
  // nobody was asked.
  bool DrawOwnerPanel(HDC DC, const TStatusPanelLook& Panel);
};

class TSkinToolbar : public TSkinControl {
  DECLARE_CLASS(TSkinToolbar, TSkinControl)

 public:
  using TSkinControl::TSkinControl;

  TColor FGradTo = 0;
  TColor FGradFrom = 0;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) override;
  bool BeforeProc(TMessage& Message) override;
  void ERASEBKGND(TMessage& Message);

 private:
  void SetGradient();
};
