#include "tests/skin/controls/ControlsTestUtil.h"

#include "framework/bmp/Bmp.h"
#include "tests/skin/controls/CodedTabs.h"
#include "tests/skin/data/TestSkins.h"
#include "tests/support/Bitmaps.h"
#include "tests/support/Handles.h"

namespace ctltest {

std::uint32_t FrameRgb(TStrip Strip, int Frame) {
  // Red names the element, green the frame; blue keeps every colour away from magenta and the face.
  return (static_cast<std::uint32_t>(Strip) << 16) | (static_cast<std::uint32_t>(Frame * 9) << 8) | 0x30;
}

COLORREF FrameColor(TStrip Strip, int Frame) {
  const std::uint32_t Rgb = FrameRgb(Strip, Frame);
  return RGB((Rgb >> 16) & 0xFF, (Rgb >> 8) & 0xFF, Rgb & 0xFF);
}

std::vector<std::uint8_t> StripBmp(TStrip Strip, int Frames, int W, int H) {
  bmp::Image Image;
  Image.Allocate(W * Frames, H, 24);
  for (int Y = 0; Y < H; ++Y) {
    std::uint8_t* Row = Image.Row(Y);
    for (int X = 0; X < W * Frames; ++X) {
      const std::uint32_t C = FrameRgb(Strip, X / W + 1);
      Row[3 * X] = static_cast<std::uint8_t>(C);
      Row[3 * X + 1] = static_cast<std::uint8_t>(C >> 8);
      Row[3 * X + 2] = static_cast<std::uint8_t>(C >> 16);
    }
  }
  return bmp::Encode(Image);
}

bool LoadCodedSkin(TSkinData& Data, const TCodedSkin& Options) {
  const String Ini =
      "[Colours]\n"
      "ButtonFace=240 242 245\n"
      "ButtonText=30 35 45\n"
      "ButtonShadow=150 155 160\n"
      "[Buttons]\n"
      "Bitmap=button.bmp\n"
      "Trans=0\n"
      "CheckButton=check.bmp\n"
      "CheckButtonFrame=" +
      IntToStr(Options.CheckFrames) +
      "\n"
      "RadioButton=radio.bmp\n"
      "RadioButtonFrame=" +
      IntToStr(Options.RadioFrames) +
      "\n"
      "[Scrollbar]\nImage=scrollbar.bmp\n"
      "[HorzScroll]\nImage=hscroll.bmp\n"
      "[VertScroll]\nImage=vscroll.bmp\n"
      "[HorzScrollThumb]\nImage=hthumb.bmp\nFrameCount=3\n"
      "[VertScrollThumb]\nImage=vthumb.bmp\nFrameCount=3\n" +
      Options.ExtraIni;
  const int S = Options.ScrollSize;
  TSkinFiles Files = {
      {"button.bmp", StripBmp(kButtonStrip, 5, 20, 20)},
      {"check.bmp", StripBmp(kCheckStrip, Options.CheckFrames, Options.MarkSize, Options.MarkSize)},
      {"radio.bmp", StripBmp(kRadioStrip, Options.RadioFrames, Options.MarkSize, Options.MarkSize)},
      {"scrollbar.bmp", StripBmp(kScrollStrip, 23, S, S)},
      {"hscroll.bmp", StripBmp(kHTrackStrip, 4, S, S)},
      {"vscroll.bmp", StripBmp(kVTrackStrip, 4, S, S)},
      {"hthumb.bmp", StripBmp(kHThumbStrip, 3, S, S)},
      {"vthumb.bmp", StripBmp(kVThumbStrip, 3, S, S)},
  };
  Files.insert(Files.end(), Options.ExtraFiles.begin(), Options.ExtraFiles.end());
  String Full = Ini + Options.ExtraIni;
  AddListElements(Full, Files, Options);
  BuildSkinArchive(*Data.FSkinStream, Full, Files);
  return Data.LoadSkin();
}

TSkinnedForm::TSkinnedForm(const TCodedSkin& Options, int X, int Y, int W, int H)
    : FData(std::make_unique<TSkinData>(nullptr)) {
  LoadCodedSkin(*FData, Options);
  FData->SkinControls.Exclude(xcMainMenu);  // native frame: only the controls are skinned here
  FForm = new TForm(nullptr);
  FForm->SetBounds(X, Y, W, H);
  FForm->Show();
  SetForegroundWindow(FForm->Handle());
  Pump();
  FSkin = std::make_unique<TRuzIzivForm>(nullptr);
  FSkin->FHandle = FForm->Handle();
  FSkin->FName = "TForm";
  FSkin->InitTform(FData.get(), FForm);
}

TSkinnedForm::~TSkinnedForm() {
  FSkin.reset();
  delete FForm;
  Pump(5);
}

int CountColor(HWND Wnd, const RECT& R, COLORREF Color) {
  TWholeWindowDC Window(Wnd);
  const HDC DC = Window.Get();
  int Count = 0;
  for (int Y = R.top; Y < R.bottom; ++Y)
    for (int X = R.left; X < R.right; ++X)
      if (GetPixel(DC, X, Y) == Color) ++Count;
  return Count;
}

int InkSpan(HWND Wnd, const RECT& R, COLORREF Background) {
  TWholeWindowDC Window(Wnd);
  const HDC DC = Window.Get();
  int First = -1, Last = -1;
  for (int Y = R.top; Y < R.bottom; ++Y) {
    for (int X = R.left; X < R.right; ++X)
      if (GetPixel(DC, X, Y) != Background) {
        if (First < 0) First = Y;
        Last = Y;
        break;
      }
  }
  return First < 0 ? 0 : Last - First + 1;
}

TObjectCounts Counts() {
  return {testsupport::GdiObjects(), testsupport::UserObjects()};
}

}  // namespace ctltest
