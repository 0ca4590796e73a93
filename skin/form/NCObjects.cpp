// Mouse state of the non-client objects: at most one of a form's objects is hot or pressed at a time
// (the form's FHotObject), and every change of state repaints the object at once.
#include "skin/form/NCObjects.h"

#include "skin/data/SkinElements.h"
#include "skin/form/RuzIzivForm.h"

TNCObject::~TNCObject() {
  if (FForm && FForm->FHotObject == this) FForm->FHotObject = nullptr;
}

void TNCObject::MouseDown() {
  if (FForm->FHotObject && FForm->FHotObject != this) FForm->FHotObject->MouseLeave();
  if (!FVisible) return;
  FForm->FHotObject = this;
  FState = kNCPressed;
  Draw();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FState = kNCHot;
  Draw();
}

void TNCObject::MouseEnter() {
  if (FForm->FHotObject == this) return;
  if (FForm->FHotObject) FForm->FHotObject->MouseLeave();
  if (!FVisible) return;
  FForm->FHotObject = this;
  FState = kNCHot;
  Draw();
}

void TNCObject::MouseLeave() {
  // A hidden object may still be the hot one (it was hidden while hot): it is let go either way.
  if (FForm->FHotObject == this) FForm->FHotObject = nullptr;
  if (!FVisible) return;
  FState = kNCNormal;
  Draw();
  FForm->HintReset();
}

void TWinSysButton::Draw() {
  FForm->DrawSysbtn(this, FState);
}

int TWinSysButton::Action() const {
  return FData ? FData->Action : -1;
}

int TWinSysButton::FrameCount() const {
  return FData && FData->FrameCount > 0 ? FData->FrameCount : 1;
}

SIZE TWinSysButton::FrameSize() const {
  if (IsIcon()) {
    const int Cx = GetSystemMetrics(SM_CXSMICON);
    return SIZE{Cx, GetSystemMetrics(SM_CYSMICON)};
  }
  if (!FData || !FData->Bitmap) return SIZE{0, 0};
  return SIZE{FData->Bitmap->Width() / FrameCount(), FData->Bitmap->Height()};
}

bool TWinSysButton::Empty() const {
  if (IsIcon()) return false;
  return !FData || !FData->Bitmap || FData->Bitmap->Empty();
}
