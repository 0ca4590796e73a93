// Header controls drawn whole from the "Headerbar" element (frame 1 normal, 2 under the mouse, the
// captions in its NormalColour2 and MouseOverColour2), and list views: skinned scroll bars as any
// scrolling control, plus a skinned column header.
#pragma once

#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinScrollbars.h"

class TImageList;

// The canvas takes the control's font: a framework control's "Font", else a copy of the window's own
// font (the GUI font when it has none). Colour: the framework font's, else the window text colour.
void AssignControlFont(TCanvas* Canvas, TControl* Control, HWND Wnd);

class TSkinHeader : public TSkinControl {
  DECLARE_CLASS(TSkinHeader, TSkinControl)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinHeader() override;

  // One per item at the last paint, each 3 pixels narrower on both sides (the dividers between them
  // belong to no item).
  std::vector<RECT> FItemRects;
  int FHotItem = -1;

  void Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool SetColor) override;
  void Inithwnd(HWND Handle, TSkinData* SkinData, TCanvas* Canvas, TRuzIzivForm* FormSkin) override;
  bool BeforeProc(TMessage& Message) override;
  void AfterProc(TMessage& Message) override;
  void DrawControl(HDC DC, const RECT& Rect) override;

  void DrawItem(TImageList* ImageList, TCanvas* Canvas, int Index, const RECT& Rect);
  void WMMouseMove(TMessage& Message);

 private:
  std::unique_ptr<TBitmap> FWork;
};

class TSkinListView : public TSkinScrollbar {
  DECLARE_CLASS(TSkinListView, TSkinScrollbar)

 public:
  using TSkinScrollbar::TSkinScrollbar;
  ~TSkinListView() override;

  // The skin object of the list view's header window, owned by this object (so it goes with it).
  TSkinHeader* FHeader = nullptr;

  void InitScrollbar(TControl* Control, TSkinData* SkinData, TCanvas* Canvas,
                     TRuzIzivForm* FormSkin) override;
  void Unsubclass() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
};
