// The caption-button records: one per "Button..." section of the skin, then the three buttons of a
// maximised MDI child's menu bar cut out of the "MDICONTROLS" strip.

#include <array>

#include "framework/core/SysUtils.h"
#include "skin/data/SkinBitmapCopy.h"
#include "skin/data/SkinData.h"
#include "skin/package/QuickIni.h"

namespace {

constexpr int kMdiButtonCount = 3;
constexpr std::array<std::int32_t, kMdiButtonCount> kMdiActions = {7, 8, 9};
constexpr std::int32_t kMdiPlacement = 100;
constexpr std::int32_t kMdiFrames = 4;
constexpr std::int32_t kDefaultFrames = 6;
// Caption-button strips of 3 frames are about 3 squares wide; anything wider holds 6.
constexpr double kThreeFrameRatio = 3.8;

bool IsCaptionButtonSection(const TQuickIni& Ini, const String& Section) {
  const String U = UpperCase(Section);
  if (U.rfind("BUTTON", 0) != 0) return false;
  if (U == "BUTTON" || U == "BUTTONS" || U == "BUTTON.RADIO" || U == "BUTTON.CHECKBOX") return false;
  // A disabled button (Action -1) counts only when it says when to show.
  return !(Ini.ReadInteger(Section, "Action", 0) == -1 && Ini.ReadInteger(Section, "Visibility", -1) != 0);
}

// From the picture's size (0 x 0 when there is none); false when the picture is not to be kept.
bool GuessFrameCount(TDataSkinSysButton& B, int Width, int Height) {
  if (B.FrameCount != 0) return true;
  B.FrameCount = kDefaultFrames;
  if (Width > 0 && Height > 0) {
    const double Ratio = static_cast<double>(Width) / Height;
    B.FrameCount = Ratio <= kThreeFrameRatio ? 3 : kDefaultFrames;
    if (B.Action < 0) B.FrameCount = kDefaultFrames;
  }
  // The icon (3) and the one of action 11 are drawn from the window, not from the skin.
  return !(B.Action == 3 || B.Action == 11);
}

}  // namespace

void TSkinData::ReadSysButton() {
  SysButtons.clear();
  if (!FIni) return;
  if (!FSections) FSections = std::make_unique<TStringList>();
  FSections->Clear();
  FIni->ReadSections(*FSections);
  for (int I = FSections->Count() - 1; I >= 0; --I)
    if (!IsCaptionButtonSection(*FIni, FSections->Get(I))) FSections->Delete(I);

  const int N = FSections->Count();
  SysButtons.resize(static_cast<std::size_t>(N + kMdiButtonCount));
  bool Remembered = false;
  POINT RememberedPos{0, 0};
  for (int I = 0; I < N; ++I) {
    const String Section = FSections->Get(I);
    auto B = std::make_unique<TDataSkinSysButton>(UpperCase(Section));
    B->Action = FIni->ReadInteger(Section, "Action", 0);
    B->Align = FIni->ReadInteger(Section, "Align", 0);
    B->XCoord = FIni->ReadInteger(Section, "Xcoord", 0);
    B->YCoord = FIni->ReadInteger(Section, "Ycoord", 0);
    B->Visibility = FIni->ReadInteger(Section, "Visibility", 0);
    B->Visibility1 = FIni->ReadInteger(Section, "Visibility1", B->Action == -1 ? -1 : 0);
    // The help button (action 4) sits where the maximise button (action 1, shown while not
    // maximised) is, whatever it says itself.
    if (B->Action == 1 && B->Visibility == 2) {
      Remembered = true;
      RememberedPos = POINT{B->XCoord, B->YCoord};
    } else if (B->Action == 4 && Remembered) {
      B->XCoord = RememberedPos.x;
      B->YCoord = RememberedPos.y;
    }
    B->CombineOp = FIni->ReadInteger(Section, "CombineOp", -1);
    B->FrameCount = FIni->ReadInteger(Section, "frame", 0);
    // Decoded first and made a bitmap only when it is kept; a dropped picture leaves an empty
    // bitmap of its format, as loading and emptying it did.
    bmp::Image Picture;
    const bool Loaded = ReadImage(Picture, FIni->ReadString(Section, "ButtonImage", ""));
    const bool Keep = GuessFrameCount(*B, Loaded ? Picture.width : 0, Loaded ? Picture.height : 0);
    if (Loaded) {
      if (!Keep) {
        Picture.width = Picture.height = 0;
        Picture.pixels.clear();
      }
      B->Bitmap->FromImage(std::move(Picture));
    }
    SysButtons[static_cast<std::size_t>(I)] = std::move(B);
  }

  for (int K = 0; K < kMdiButtonCount; ++K) {
    auto B = std::make_unique<TDataSkinSysButton>("MDICONTROLS" + IntToStr(K));
    B->Action = kMdiActions[static_cast<std::size_t>(K)];
    B->Align = kMdiPlacement;
    B->Visibility = kMdiPlacement;
    B->Visibility1 = kMdiPlacement;
    B->FrameCount = kMdiFrames;
    SysButtons[static_cast<std::size_t>(N + K)] = std::move(B);
  }
  CreateMdibtn(N);
}

// "MDICONTROLS" holds twelve frames: four for each of the three buttons, left to right.
void TSkinData::CreateMdibtn(int First) {
  if (!FIni || First < 0 || static_cast<std::size_t>(First) + kMdiButtonCount > SysButtons.size()) return;
  // Only cut up: decoded without a bitmap of its own.
  bmp::Image Source;
  if (!ReadImage(Source, FIni->ReadString("MDICONTROLS", "Image", "")) || Source.width <= 0 ||
      Source.height <= 0)
    return;
  const int W = Source.width / 12;
  const int H = Source.height;
  for (int I = 0; I < kMdiButtonCount; ++I) {
    TDataSkinSysButton* B = SysButtons[static_cast<std::size_t>(First + I)].get();
    if (!B) continue;
    CopyBitmapRect(Source, RECT{4 * I * W, 0, 4 * (I + 1) * W, H}, *B->Bitmap);
    B->XCoord = (3 - I) * (W + 4);
  }
}
