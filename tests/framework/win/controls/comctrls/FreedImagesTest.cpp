// An image list freed while controls use it: every control lets go of it, its own reference and its
// window's, also when one list serves several of its references and only some were cleared before.
#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <vector>

#include "framework/win/app/Application.h"
#include "framework/win/controls/Buttons.h"
#include "framework/win/controls/ComCtrls.h"
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

struct TFreedImagesCase {
  const char* Name;
  // Puts the control on Form and gives it Images (and clears what the row clears).
  std::function<void(TForm& Form, TImageList* Images)> Arrange;
  // What could still point at the list: the control's references and its window's list handles.
  std::function<std::vector<const void*>(TForm& Form)> Remaining;
};

class FreedImages : public ::testing::TestWithParam<TFreedImagesCase> {};

TEST_P(FreedImages, NoReferenceOutlivesTheList) {
  const TFreedImagesCase& Case = GetParam();
  SCOPED_TRACE(Case.Name);
  TForm Form(nullptr);
  Form.HandleNeeded();
  auto* Images = new TImageList(&Form);
  Images->Handle();  // a real list, so that a window keeping it shows
  Case.Arrange(Form, Images);
  delete Images;
  for (const void* Left : Case.Remaining(Form)) EXPECT_EQ(Left, nullptr);
  testsupport::Pump(0);
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

}  // namespace
