// Glyph adapters: the skin's check and radio strips in the frame order of other component sets.
#include "skin/controls/SkinGlyphs.h"

#include <array>
#include <utility>

#include "skin/data/SkinData.h"

namespace {

// (new frame, source frame) pairs; the second list only when the source has 5 frames.
struct TCopyPlan {
  int Frames;
  std::vector<std::pair<int, int>> Always;
  std::vector<std::pair<int, int>> WithFifth;
};

const TCopyPlan* PlanOf(int Kind) {
  static const TCopyPlan Check{9, {{1, 1}, {4, 1}, {2, 2}, {5, 2}, {7, 3}, {8, 4}}, {{3, 5}, {6, 5}, {9, 5}}};
  static const TCopyPlan Radio{6, {{1, 1}, {3, 1}, {2, 2}, {4, 2}, {5, 3}, {6, 4}}, {}};
  static const TCopyPlan DevCheck{6, {{1, 1}, {4, 1}, {2, 2}, {5, 2}}, {{3, 5}, {6, 5}}};
  switch (Kind) {
    case kObjImageCheck:
      return &Check;
    case kObjImageRadio:
      return &Radio;
    case kObjImageDevCheck:
      return &DevCheck;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TBitmap> BuildGlyphStrip(int Kind, TBitmap* Source, int FrameCount) {
  const TCopyPlan* Plan = PlanOf(Kind);
  if (!Plan || !Source || Source->Empty() || FrameCount < 1) return nullptr;
  const int W = Source->Width() / FrameCount;
  const int H = Source->Height();
  if (W <= 0) return nullptr;
  auto Strip = std::make_unique<TBitmap>(W * Plan->Frames, H);
  HDC To = Strip->Canvas()->Handle();
  HDC From = Source->Canvas()->Handle();
  auto Copy = [&](const std::pair<int, int>& Step) {
    if (Step.second > FrameCount) return;
    BitBlt(To, (Step.first - 1) * W, 0, W, H, From, (Step.second - 1) * W, 0, SRCCOPY);
  };
  for (const auto& Step : Plan->Always) Copy(Step);
  if (FrameCount == 5)
    for (const auto& Step : Plan->WithFifth) Copy(Step);
  return Strip;
}

void TSkinObjImage::Init(TRuzIzivForm* FormSkin, TSkinData* SkinData, TCanvas* Canvas, bool /*SetColor*/) {
  if (FInited) return;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FControl = dynamic_cast<TControl*>(Owner());
  AttachForm(FormSkin);
  ChangeImage();
  FInited = true;
  FStatus = kControlInited;
}

void TSkinObjImage::SkinChange() {
  ChangeImage();
}

void TSkinObjImage::ChangeImage() {
  switch (FKind) {
    case kObjImageCheck:
      SetRzImage();
      break;
    case kObjImageRadio:
      SetRzRadio();
      break;
    case kObjImageDevCheck:
      SetDevCheck();
      break;
  }
}

namespace {

void HandOverCustomGlyphs(TControl* Control, TBitmap* Strip) {
  auto* Glyphs = static_cast<TBitmap*>(GetObjProp(Control, "CustomGlyphs", TBitmap::StaticClass()));
  if (!Glyphs || !Strip) return;
  Glyphs->Assign(Strip);
  SetProperty(Control, "transparentcolor", IntToStr(0xFF00FF));
  // Off and on again, so the control takes the new glyphs.
  SetProperty(Control, "UseCustomGlyphs", "false");
  SetProperty(Control, "UseCustomGlyphs", "true");
}

}  // namespace

void TSkinObjImage::SetRzImage() {
  if (!FSkinData || !FSkinData->Button) return;
  auto Strip =
      BuildGlyphStrip(kObjImageCheck, FSkinData->Button->CheckBitmap.get(), FSkinData->Button->CheckFrame);
  HandOverCustomGlyphs(FControl, Strip.get());
}

void TSkinObjImage::SetRzRadio() {
  if (!FSkinData || !FSkinData->Button) return;
  auto Strip =
      BuildGlyphStrip(kObjImageRadio, FSkinData->Button->RadioBitmap.get(), FSkinData->Button->RadioFrame);
  HandOverCustomGlyphs(FControl, Strip.get());
}

void TSkinObjImage::SetDevCheck() {
  if (!FSkinData || !FSkinData->Button) return;
  auto Strip =
      BuildGlyphStrip(kObjImageDevCheck, FSkinData->Button->CheckBitmap.get(), FSkinData->Button->CheckFrame);
  if (!Strip) return;
  TObject* Properties = GetObjProp(FControl, "Properties", TPersistent::StaticClass());
  auto* Glyph = static_cast<TBitmap*>(GetObjProp(Properties, "Glyph", TBitmap::StaticClass()));
  if (!Glyph) return;
  Glyph->Assign(Strip.get());
  Glyph->SetTransparentColor(0xFF00FF);
  Glyph->SetTransparent(false);
}

void TSkinObjImage::Unsubclass() {
  TSkinControl::Unsubclass();
  if (FStatus == kControlDestroyed || !FControl) return;
  if (FKind == kObjImageCheck || FKind == kObjImageRadio) {
    SetProperty(FControl, "UseCustomGlyphs", "false");
  } else if (FKind == kObjImageDevCheck) {
    TObject* Properties = GetObjProp(FControl, "Properties", TPersistent::StaticClass());
    if (auto* Glyph = static_cast<TBitmap*>(GetObjProp(Properties, "Glyph", TBitmap::StaticClass()))) {
      TBitmap Empty;
      Glyph->Assign(&Empty);
    }
  }
}
