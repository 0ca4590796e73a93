// Caption-button hints and the application icon that the caption shows.

#include "framework/win/graphics/Colors.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinWindowBridge.h"

namespace {

constexpr int kHintMaxWidth = 500;
constexpr TColor kIconBackground = 0xFF00FF;  // the transparent colour of skin images

}  // namespace

void TSkinData::ActivateHint(const RECT& R, const String& Text) {
  if (!Options.Contains(xoCaptionButtonHint) || FHintShown) return;
  RECT HintRect = FHintWindow->CalcHintRect(kHintMaxWidth, Text);
  OffsetRect(&HintRect, R.left, R.top);
  FHintWindow->ActivateHint(HintRect, Text);
  FHintShown = true;
}

void TSkinData::HideHint() {
  if (!FHintShown) return;
  FHintWindow->Hide();
  FHintShown = false;
}

void TSkinData::GetAppIcon() {
  HWND App = SkinApplicationWindow();
  if (!App) return;
  auto Icon = reinterpret_cast<HICON>(SendMessageW(App, WM_GETICON, ICON_SMALL, 0));
  if (!Icon) Icon = reinterpret_cast<HICON>(SendMessageW(App, WM_GETICON, ICON_BIG, 0));
  if (!Icon) return;
  const int Cx = GetSystemMetrics(SM_CXSMICON), Cy = GetSystemMetrics(SM_CYSMICON);
  TBitmap Bitmap(Cx, Cy, pf24bit);
  TCanvas* Surface = Bitmap.Canvas();
  Surface->Brush()->SetColor(kIconBackground);
  Surface->FillRect(RECT{0, 0, Cx, Cy});
  auto Copy = static_cast<HICON>(CopyImage(Icon, IMAGE_ICON, Cx, Cy, LR_COPYFROMRESOURCE));
  DrawIconEx(Surface->Handle(), 0, 0, Copy ? Copy : Icon, Cx, Cy, 0, nullptr, DI_NORMAL);
  if (Copy) DestroyIcon(Copy);
  AppIcon->Assign(&Bitmap);
  AppIcon->SetTransparentColor(kIconBackground);
}
