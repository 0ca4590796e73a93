#include "tests/skin/menus/MenuTestSkin.h"

#include "tests/support/Bitmaps.h"

namespace menutest {

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Color) {
  auto Bitmap = std::make_unique<TBitmap>(W, H, pf24bit);
  gfxtest::Fill(*Bitmap, Color);
  return Bitmap;
}

namespace {
void FillRectOf(TBitmap& B, int L, int T, int R, int Bm, TColor Color) {
  TCanvas* C = B.Canvas();
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Color);
  C->FillRect(RECT{L, T, R, Bm});
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
    auto Item = std::make_unique<TDataSkinObject>("MenuItem");
    Item->Bitmap = Solid(kFrameW * 5, kFrameH, clWhite);
    TBitmap& B = *Item->Bitmap;
    FillRectOf(B, 0, 0, kFrameW, kFrameH, kNormal);
    // Separator: magenta with a 2-pixel line in rows 16-17; its margins (3 and 4) coloured apart.
    FillRectOf(B, kFrameW, 0, 2 * kFrameW, kFrameH, clFuchsia);
    FillRectOf(B, kFrameW, 16, 2 * kFrameW, 18, kSepLine);
    FillRectOf(B, kFrameW, 16, kFrameW + 3, 18, kSepLeft);
    FillRectOf(B, 2 * kFrameW - 4, 16, 2 * kFrameW, 18, kSepRight);
    FillRectOf(B, 3 * kFrameW, 0, 4 * kFrameW, kFrameH, kSelected);
    Item->FrameCount = 5;
    Item->Margins = RECT{3, 2, 4, 2};
    Data.MenuItem = std::move(Item);
  }
  if (WithBackground) {
    auto Bg = std::make_unique<TDataSkinObject>("MenuBackground");
    Bg->Bitmap = Solid(30, 30, kBgFrame);
    FillRectOf(*Bg->Bitmap, 3, 3, 27, 27, kBgInside);
    Bg->FrameCount = 1;
    Bg->Margins = RECT{3, 3, 3, 3};
    Data.MenuBackground = std::move(Bg);
  }
}

void FakeManager::SetPopMenu() {
  ++popMenuCalls;
  for (auto& M : menus) M->FMarked = true;
}

void FakeManager::SetHMenu(HMENU Menu) {
  boundMenus.push_back(Menu);
  for (auto& M : menus)
    if (Menu && M->FMenu == Menu) return;  // already bound: repainting must not bind it again
  for (auto It = menus.rbegin(); It != menus.rend(); ++It)
    if ((*It)->Subclassed() && !(*It)->FMenu) {
      (*It)->FMenu = Menu;
      return;
    }
}

TBitmap* FakeManager::GetMenuBg(HMENU Menu) const {
  if (fixedBackground) return fixedBackground;
  for (auto& M : menus)
    if (Menu && M->FMenu == Menu) return M->FBackground.get();
  return nullptr;
}

}  // namespace menutest
