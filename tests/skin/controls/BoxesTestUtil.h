// Helpers of the tests of edits, combo boxes, spin buttons, panels, group boxes, status bars and tool
// bars: the colour-coded skin extended by the elements these controls draw from (every frame in a
// colour of its own), and small framework controls on the system classes they skin.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/win/controls/Controls.h"
#include "skin/data/SkinElements.h"
#include "tests/skin/controls/ControlsTestUtil.h"

namespace ctltest {

inline constexpr TStrip kComboStrip = static_cast<TStrip>(0x90);
inline constexpr TStrip kSunkStrip = static_cast<TStrip>(0xA0);
inline constexpr TStrip kExtraStrip = static_cast<TStrip>(0xB0);
inline constexpr TStrip kSpinStrip = static_cast<TStrip>(0xC0);
inline constexpr TStrip kSpinGlyphStrip = static_cast<TStrip>(0xD0);
inline constexpr TStrip kStatusStrip = static_cast<TStrip>(0xE0);

inline constexpr COLORREF kShadow = RGB(150, 155, 160);  // the coded skin's ButtonShadow
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kStatusText = RGB(10, 120, 200);  // "StatusBarEdges" NormalColour2

// Sizes of the coded strips.
inline constexpr int kComboFrameW = 19;
inline constexpr int kComboFrameH = 21;
inline constexpr int kExtraSize = 7;
inline constexpr int kSpinGlyphW = 5;
inline constexpr int kSpinGlyphH = 3;

struct TBoxesSkin {
  int ComboStyle = 0;   // "ComboButton" Style; -1 leaves the element out
  bool Sunk = false;    // "SunkEdge" (with a "ComboButton" the load combines them into Style 2)
  bool Extra = false;   // "ExtraImages", 5 frames of kExtraSize
  bool Spin = false;    // "UpDown.Vert" and "UpDown.Horz" with glyphs
  bool Status = false;  // "StatusBarEdges"
};
TCodedSkin BoxesSkin(const TBoxesSkin& Options);

// An element named Name from a coded strip of Frames frames of W x H, with Margins.
std::unique_ptr<TDataSkinObject> CodedElement(const String& Name, TStrip Strip, int Frames, int W, int H,
                                              RECT Margins = {0, 0, 0, 0});

// A bare child window of the system class Class on Parent.
HWND BareChild(HWND Parent, const wchar_t* Class, DWORD Style, int X, int Y, int W, int H, DWORD ExStyle = 0,
               const wchar_t* Text = L"");

// Repaints Wnd now (frame and client) and lets the queue run.
void Repaint(HWND Wnd);

// A framework control on a system class, for the skin objects that attach to framework controls.
class TSystemControl : public TWinControl {
  DECLARE_CLASS(TSystemControl, TWinControl)

 public:
  TSystemControl(TComponent* AOwner, const wchar_t* Class, DWORD Style, DWORD ExStyle = 0)
      : TWinControl(AOwner), FClass(Class), FStyle(Style), FExStyle(ExStyle) {}

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    Params.BaseClassName = FClass;
    Params.Style |= FStyle;
    Params.ExStyle |= FExStyle;
  }

 private:
  const wchar_t* FClass;
  DWORD FStyle;
  DWORD FExStyle;
};

}  // namespace ctltest
