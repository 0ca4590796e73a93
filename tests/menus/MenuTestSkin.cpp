#include "tests/menus/MenuTestSkin.h"

#include "tests/support/Bitmaps.h"

namespace menutest {

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Color) {
  auto bitmap = std::make_unique<TBitmap>(W, H, pf24bit);
  gfxtest::Fill(*bitmap, Color);
  return bitmap;
}

namespace {
void FillRectOf(TBitmap& B, int L, int T, int R, int Bm, TColor Color) {
  TCanvas* c = B.Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color);
  c->FillRect(RECT{L, T, R, Bm});
}
}  // namespace

void BuildSkin(TSkinData& Data, bool WithMenuItem, bool WithBackground) {
  Data.FNoSkin = false;
  Data.Colors[csMenubg] = kMenuBg;
  Data.Colors[csHilight] = kHilight;
  Data.Colors[csMenuText] = kMenuText;
  Data.Colors[csHilightText] = kHilightText;
  Data.Colors[csButtonShadow] = kShadow;
  Data.MenuItem.reset();
  Data.MenuBackground.reset();
  if (WithMenuItem) {
    auto item = std::make_unique<TDataSkinObject>("MenuItem");
    item->Bitmap = Solid(kFrameW * 5, kFrameH, clWhite);
    TBitmap& b = *item->Bitmap;
    FillRectOf(b, 0, 0, kFrameW, kFrameH, kNormal);
    // Separator: magenta with a 2-pixel line in rows 16-17; its margins (3 and 4) coloured apart.
    FillRectOf(b, kFrameW, 0, 2 * kFrameW, kFrameH, clFuchsia);
    FillRectOf(b, kFrameW, 16, 2 * kFrameW, 18, kSepLine);
    FillRectOf(b, kFrameW, 16, kFrameW + 3, 18, kSepLeft);
    FillRectOf(b, 2 * kFrameW - 4, 16, 2 * kFrameW, 18, kSepRight);
    FillRectOf(b, 3 * kFrameW, 0, 4 * kFrameW, kFrameH, kSelected);
    item->FrameCount = 5;
    item->Margins = RECT{3, 2, 4, 2};
    Data.MenuItem = std::move(item);
  }
  if (WithBackground) {
    auto bg = std::make_unique<TDataSkinObject>("MenuBackground");
    bg->Bitmap = Solid(30, 30, kBgFrame);
    FillRectOf(*bg->Bitmap, 3, 3, 27, 27, kBgInside);
    bg->FrameCount = 1;
    bg->Margins = RECT{3, 3, 3, 3};
    Data.MenuBackground = std::move(bg);
  }
}

void FakeManager::SetPopMenu() {
  ++popMenuCalls;
  for (auto& m : menus) m->FMarked = true;
}

void FakeManager::SetHMenu(HMENU Menu) {
  boundMenus.push_back(Menu);
  for (auto& m : menus)
    if (Menu && m->FMenu == Menu) return;  // already bound: repainting must not bind it again
  for (auto it = menus.rbegin(); it != menus.rend(); ++it)
    if ((*it)->Subclassed() && !(*it)->FMenu) {
      (*it)->FMenu = Menu;
      return;
    }
}

TBitmap* FakeManager::GetMenuBg(HMENU Menu) const {
  if (fixedBackground) return fixedBackground;
  for (auto& m : menus)
    if (Menu && m->FMenu == Menu) return m->FBackground.get();
  return nullptr;
}

}  // namespace menutest
