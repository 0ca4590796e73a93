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
  RECT r = FHintWindow->CalcHintRect(kHintMaxWidth, Text);
  OffsetRect(&r, R.left, R.top);
  FHintWindow->ActivateHint(r, Text);
  FHintShown = true;
}

void TSkinData::HideHint() {
  if (!FHintShown) return;
  FHintWindow->Hide();
  FHintShown = false;
}

void TSkinData::GetAppIcon() {
  HWND app = SkinApplicationWindow();
  if (!app) return;
  auto icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  TBitmap bitmap(cx, cy, pf24bit);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(kIconBackground);
  canvas->FillRect(RECT{0, 0, cx, cy});
  auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  DrawIconEx(canvas->Handle(), 0, 0, copy ? copy : icon, cx, cy, 0, nullptr, DI_NORMAL);
  if (copy) DestroyIcon(copy);
  AppIcon->Assign(&bitmap);
  AppIcon->SetTransparentColor(kIconBackground);
}
