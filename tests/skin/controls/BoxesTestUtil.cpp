#include "tests/skin/controls/BoxesTestUtil.h"

#include <commctrl.h>

#include "framework/core/Streams.h"
#include "framework/win/graphics/Bitmap.h"

namespace ctltest {

TCodedSkin BoxesSkin(const TBoxesSkin& Options) {
  TCodedSkin Skin;
  String Ini;
  if (Options.ComboStyle >= 0) {
    Ini += "[ComboButton]\nImage=combo.bmp\nStyle=" + IntToStr(Options.ComboStyle) + "\nTrans=0\n";
    Skin.ExtraFiles.push_back({"combo.bmp", StripBmp(kComboStrip, 4, kComboFrameW, kComboFrameH)});
  }
  if (Options.Sunk) {
    Ini += "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n";
    Skin.ExtraFiles.push_back({"sunk.bmp", StripBmp(kSunkStrip, 4, 30, 21)});
  }
  if (Options.Extra) {
    Ini += "[ExtraImages]\nImage=extra.bmp\nFrame=5\nTrans=1\n";
    Skin.ExtraFiles.push_back({"extra.bmp", StripBmp(kExtraStrip, 5, kExtraSize, kExtraSize)});
  }
  if (Options.Spin) {
    Ini += "[UpDown.Vert]\nImage=spinv.bmp\nGlyphImage=glyph.bmp\n[UpDown.Horz]\nImage=spinh.bmp\n";
    Skin.ExtraFiles.push_back({"spinv.bmp", StripBmp(kSpinStrip, 8, 15, 10)});
    Skin.ExtraFiles.push_back({"spinh.bmp", StripBmp(kSpinStrip, 8, 10, 15)});
    Skin.ExtraFiles.push_back({"glyph.bmp", StripBmp(kSpinGlyphStrip, 8, kSpinGlyphW, kSpinGlyphH)});
  }
  if (Options.Status) {
    Ini += "[StatusBarEdges]\nImage=status.bmp\nNormalColour2=10 120 200\n";
    Skin.ExtraFiles.push_back({"status.bmp", StripBmp(kStatusStrip, 3, 10, 10)});
  }
  Skin.ExtraIni = Ini;
  return Skin;
}

std::unique_ptr<TDataSkinObject> CodedElement(const String& Name, TStrip Strip, int Frames, int W, int H,
                                              RECT Margins) {
  auto Element = std::make_unique<TDataSkinObject>(Name);
  const std::vector<std::uint8_t> Bytes = StripBmp(Strip, Frames, W, H);
  TMemoryStream Stream;
  Stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  Stream.SetPosition(0);
  Element->Bitmap->LoadFromStream(Stream);
  Element->FrameCount = Frames;
  Element->Margins = Margins;
  return Element;
}

HWND BareChild(HWND Parent, const wchar_t* Class, DWORD Style, int X, int Y, int W, int H, DWORD ExStyle,
               const wchar_t* Text) {
  static const bool Registered = [] {
    INITCOMMONCONTROLSEX Init{sizeof Init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    return InitCommonControlsEx(&Init) != FALSE;
  }();
  (void)Registered;
  return CreateWindowExW(ExStyle, Class, Text, WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void Repaint(HWND Wnd) {
  RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  Pump(10);
}

}  // namespace ctltest
