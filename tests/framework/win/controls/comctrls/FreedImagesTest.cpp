// An image list or a menu freed while controls use it: every control lets go of it, its own
// references and its window's, also when one component serves several of its references and only
// some were cleared before.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <type_traits>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/ComCtrls.h"
#include "framework/win/menus/Menus.h"
#include "tests/support/Pump.h"

namespace {

template <class T>
T* Put(TForm& Form) {
  auto* Control = new T(&Form);
  Control->SetParent(&Form);
  if constexpr (std::is_base_of_v<TWinControl, T>) Control->HandleNeeded();
  return Control;
}

template <class T>
T* First(TForm& Form) {
  for (int I = 0; I < Form.ComponentCount(); ++I)
    if (auto* Found = dynamic_cast<T*>(Form.Components(I))) return Found;
  return nullptr;
}

const void* Sent(TWinControl* Control, UINT Msg, WPARAM WParam = 0) {
  return reinterpret_cast<const void*>(SendMessageW(Control->WindowHandle(), Msg, WParam, 0));
}

template <class T>
struct TFreedCase {
  const char* Name;
  // Puts the control on Form and gives it the component (and clears what the row clears).
  std::function<void(TForm& Form, T* Freed)> Arrange;
  // What could still point at the component: the control's references and its window's handles.
  std::function<std::vector<const void*>(TForm& Form)> Remaining;
};

template <class T>
void PrintTo(const TFreedCase<T>& Case, std::ostream* Out) {
  *Out << Case.Name;
}

// Frees the component (made by Make) while the row's control refers to it; then the form goes, which
// must not touch it either.
template <class T>
void FreeWhileReferenced(const TFreedCase<T>& Case, const std::function<T*(TForm& Form)>& Make) {
  SCOPED_TRACE(Case.Name);
  TForm Form(nullptr);
  Form.HandleNeeded();
  T* Freed = Make(Form);
  Case.Arrange(Form, Freed);
  delete Freed;
  for (const void* Left : Case.Remaining(Form)) EXPECT_EQ(Left, nullptr);
  testsupport::Pump(0);
}

using TFreedImagesCase = TFreedCase<TImageList>;
class FreedImages : public ::testing::TestWithParam<TFreedImagesCase> {};

TEST_P(FreedImages, NoReferenceOutlivesTheList) {
  FreeWhileReferenced<TImageList>(GetParam(), [](TForm& Form) {
    auto* Images = new TImageList(&Form);
    Images->Handle();  // a real list, so that a window keeping it shows
    return Images;
  });
}

// Menus belong to no one here, so that only the control's own watch can tell it of the freeing.
using TFreedMenuCase = TFreedCase<TPopupMenu>;
class FreedMenus : public ::testing::TestWithParam<TFreedMenuCase> {};

TEST_P(FreedMenus, NoReferenceOutlivesTheMenu) {
  FreeWhileReferenced<TPopupMenu>(GetParam(), [](TForm&) { return new TPopupMenu(nullptr); });
}

std::vector<const void*> ListViewImages(TForm& Form) {
  auto* List = First<TListView>(Form);
  return {List->SmallImages(), List->LargeImages(), Sent(List, LVM_GETIMAGELIST, LVSIL_SMALL),
          Sent(List, LVM_GETIMAGELIST, LVSIL_NORMAL)};
}

std::vector<const void*> ToolBarImages(TForm& Form) {
  auto* Bar = First<TToolBar>(Form);
  return {Bar->Images(),
          Bar->DisabledImages(),
          Bar->HotImages(),
          Sent(Bar, TB_GETIMAGELIST),
          Sent(Bar, TB_GETDISABLEDIMAGELIST),
          Sent(Bar, TB_GETHOTIMAGELIST)};
}

const TFreedImagesCase kFreedImages[] = {
    {"list view, small images",
     [](TForm& Form, TImageList* Images) { Put<TListView>(Form)->SetSmallImages(Images); }, ListViewImages},
    {"list view, large images",
     [](TForm& Form, TImageList* Images) { Put<TListView>(Form)->SetLargeImages(Images); }, ListViewImages},
    {"list view, one list as both, the small one cleared first",
     [](TForm& Form, TImageList* Images) {
       auto* List = Put<TListView>(Form);
       List->SetSmallImages(Images);
       List->SetLargeImages(Images);
       List->SetSmallImages(nullptr);
     },
     ListViewImages},
    {"list view, one list as both, the large one cleared first",
     [](TForm& Form, TImageList* Images) {
       auto* List = Put<TListView>(Form);
       List->SetLargeImages(Images);
       List->SetSmallImages(Images);
       List->SetLargeImages(nullptr);
     },
     ListViewImages},
    {"tree view", [](TForm& Form, TImageList* Images) { Put<TTreeView>(Form)->SetImages(Images); },
     [](TForm& Form) -> std::vector<const void*> {
       auto* Tree = First<TTreeView>(Form);
       return {Tree->Images(), Sent(Tree, TVM_GETIMAGELIST, TVSIL_NORMAL)};
     }},
    {"header control", [](TForm& Form, TImageList* Images) { Put<THeaderControl>(Form)->SetImages(Images); },
     [](TForm& Form) -> std::vector<const void*> {
       auto* Header = First<THeaderControl>(Form);
       return {Header->Images(), Sent(Header, HDM_GETIMAGELIST)};
     }},
    {"tab control", [](TForm& Form, TImageList* Images) { Put<TTabControl>(Form)->SetImages(Images); },
     [](TForm& Form) -> std::vector<const void*> {
       auto* Tabs = First<TTabControl>(Form);
       return {Tabs->Images(), Sent(Tabs, TCM_GETIMAGELIST)};
     }},
    {"tool bar, one list as all three, the hot one cleared first",
     [](TForm& Form, TImageList* Images) {
       auto* Bar = Put<TToolBar>(Form);
       Bar->SetImages(Images);
       Bar->SetDisabledImages(Images);
       Bar->SetHotImages(Images);
       Bar->SetHotImages(nullptr);
     },
     ToolBarImages},
    {"tool bar, one list as images and hot images, the images cleared first",
     [](TForm& Form, TImageList* Images) {
       auto* Bar = Put<TToolBar>(Form);
       Bar->SetImages(Images);
       Bar->SetHotImages(Images);
       Bar->SetImages(nullptr);
     },
     ToolBarImages},
    {"cool bar", [](TForm& Form, TImageList* Images) { Put<TCoolBar>(Form)->SetImages(Images); },
     [](TForm& Form) -> std::vector<const void*> {
       auto* Bar = First<TCoolBar>(Form);
       REBARINFO Info{};
       Info.cbSize = sizeof Info;
       Info.fMask = RBIM_IMAGELIST;
       SendMessageW(Bar->WindowHandle(), RB_GETBARINFO, 0, reinterpret_cast<LPARAM>(&Info));
       return {Bar->Images(), Info.himl};
     }},
    {"bit button", [](TForm& Form, TImageList* Images) { Put<TBitBtn>(Form)->SetImages(Images); },
     [](TForm& Form) -> std::vector<const void*> { return {First<TBitBtn>(Form)->Images()}; }},
    {"speed button", [](TForm& Form, TImageList* Images) { Put<TSpeedButton>(Form)->SetImages(Images); },
     [](TForm& Form) -> std::vector<const void*> { return {First<TSpeedButton>(Form)->Images()}; }},
};

INSTANTIATE_TEST_SUITE_P(Rows, FreedImages, ::testing::ValuesIn(kFreedImages));

TToolButton* PutToolButton(TForm& Form) {
  auto* Button = new TToolButton(&Form);
  Button->SetParent(Put<TToolBar>(Form));
  return Button;
}

std::vector<const void*> ToolButtonMenus(TForm& Form) {
  auto* Button = First<TToolButton>(Form);
  return {Button->PopupMenu(), Button->DropdownMenu()};
}

const TFreedMenuCase kFreedMenus[] = {
    {"tool button, drop-down menu",
     [](TForm& Form, TPopupMenu* Menu) { PutToolButton(Form)->SetDropdownMenu(Menu); }, ToolButtonMenus},
    {"tool button, popup menu",
     [](TForm& Form, TPopupMenu* Menu) { PutToolButton(Form)->SetPopupMenu(Menu); }, ToolButtonMenus},
    {"tool button, one menu as both, the popup menu cleared first",
     [](TForm& Form, TPopupMenu* Menu) {
       auto* Button = PutToolButton(Form);
       Button->SetPopupMenu(Menu);
       Button->SetDropdownMenu(Menu);
       Button->SetPopupMenu(nullptr);
     },
     ToolButtonMenus},
    {"tool button, one menu as both, the drop-down menu cleared first",
     [](TForm& Form, TPopupMenu* Menu) {
       auto* Button = PutToolButton(Form);
       Button->SetDropdownMenu(Menu);
       Button->SetPopupMenu(Menu);
       Button->SetDropdownMenu(nullptr);
     },
     ToolButtonMenus},
    {"tool button, one menu as both, set again and both kept",
     [](TForm& Form, TPopupMenu* Menu) {
       auto* Button = PutToolButton(Form);
       Button->SetDropdownMenu(Menu);
       Button->SetPopupMenu(Menu);
       Button->SetPopupMenu(Menu);
       Button->SetDropdownMenu(Menu);
     },
     ToolButtonMenus},
};

INSTANTIATE_TEST_SUITE_P(Rows, FreedMenus, ::testing::ValuesIn(kFreedMenus));

}  // namespace
