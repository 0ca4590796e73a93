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
  const String u = UpperCase(Section);
  if (u.rfind("BUTTON", 0) != 0) return false;
  if (u == "BUTTON" || u == "BUTTONS" || u == "BUTTON.RADIO" || u == "BUTTON.CHECKBOX") return false;
  // A disabled button (Action -1) counts only when it says when to show.
  return !(Ini.ReadInteger(Section, "Action", 0) == -1 && Ini.ReadInteger(Section, "Visibility", -1) != 0);
}

void GuessFrameCount(TDataSkinSysButton& B) {
  if (B.FrameCount != 0) return;
  B.FrameCount = kDefaultFrames;
  if (!B.Bitmap->Empty()) {
    const double ratio = static_cast<double>(B.Bitmap->Width()) / B.Bitmap->Height();
    B.FrameCount = ratio <= kThreeFrameRatio ? 3 : kDefaultFrames;
    if (B.Action < 0) B.FrameCount = kDefaultFrames;
  }
  // The icon (3) and the one of action 11 are drawn from the window, not from the skin.
  if (B.Action == 3 || B.Action == 11) B.Bitmap->SetSize(0, 0);
}

}  // namespace

void TSkinData::ReadSysButton() {
  SysButtons.clear();
  if (!FIni) return;
  if (!FSections) FSections = std::make_unique<TStringList>();
  FSections->Clear();
  FIni->ReadSections(*FSections);
  for (int i = FSections->Count() - 1; i >= 0; --i)
    if (!IsCaptionButtonSection(*FIni, FSections->Get(i))) FSections->Delete(i);

  const int n = FSections->Count();
  SysButtons.resize(static_cast<std::size_t>(n + kMdiButtonCount));
  bool remembered = false;
  POINT rememberedPos{0, 0};
  for (int i = 0; i < n; ++i) {
    const String section = FSections->Get(i);
    auto b = std::make_unique<TDataSkinSysButton>(UpperCase(section));
    b->Action = FIni->ReadInteger(section, "Action", 0);
    b->Align = FIni->ReadInteger(section, "Align", 0);
    b->XCoord = FIni->ReadInteger(section, "Xcoord", 0);
    b->YCoord = FIni->ReadInteger(section, "Ycoord", 0);
    b->Visibility = FIni->ReadInteger(section, "Visibility", 0);
    b->Visibility1 = FIni->ReadInteger(section, "Visibility1", b->Action == -1 ? -1 : 0);
    // The help button (action 4) sits where the maximise button (action 1, shown while not
    // maximised) is, whatever it says itself.
    if (b->Action == 1 && b->Visibility == 2) {
      remembered = true;
      rememberedPos = POINT{b->XCoord, b->YCoord};
    } else if (b->Action == 4 && remembered) {
      b->XCoord = rememberedPos.x;
      b->YCoord = rememberedPos.y;
    }
    b->CombineOp = FIni->ReadInteger(section, "CombineOp", -1);
    b->FrameCount = FIni->ReadInteger(section, "frame", 0);
    Readbmp(*b->Bitmap, FIni->ReadString(section, "ButtonImage", ""));
    GuessFrameCount(*b);
    SysButtons[static_cast<std::size_t>(i)] = std::move(b);
  }

  for (int k = 0; k < kMdiButtonCount; ++k) {
    auto b = std::make_unique<TDataSkinSysButton>("MDICONTROLS" + IntToStr(k));
    b->Action = kMdiActions[static_cast<std::size_t>(k)];
    b->Align = kMdiPlacement;
    b->Visibility = kMdiPlacement;
    b->Visibility1 = kMdiPlacement;
    b->FrameCount = kMdiFrames;
    SysButtons[static_cast<std::size_t>(n + k)] = std::move(b);
  }
  CreateMdibtn(n);
}

// "MDICONTROLS" holds twelve frames: four for each of the three buttons, left to right.
void TSkinData::CreateMdibtn(int First) {
  if (!FIni || First < 0 || static_cast<std::size_t>(First) + kMdiButtonCount > SysButtons.size()) return;
  TBitmap source;
  Readbmp(source, FIni->ReadString("MDICONTROLS", "Image", ""));
  if (source.Empty()) return;
  const int w = source.Width() / 12;
  const int h = source.Height();
  for (int i = 0; i < kMdiButtonCount; ++i) {
    TDataSkinSysButton* b = SysButtons[static_cast<std::size_t>(First + i)].get();
    if (!b) continue;
    CopyBitmapRect(source, RECT{4 * i * w, 0, 4 * (i + 1) * w, h}, *b->Bitmap);
    b->XCoord = (3 - i) * (w + 4);
  }
}
