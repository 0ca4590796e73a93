// Compiled into every program that links the skin manager, so that the manager unit is initialised
// before any form is read (the skin data component then finds CreateSkinManager set) and finalised at
// exit, without the program calling anything.

#include "skin/manager/SkinManage.h"

namespace {

struct TSkinManageUnit {
  TSkinManageUnit() { SkinManageUnit::Initialize(); }
  ~TSkinManageUnit() { SkinManageUnit::Finalize(); }
} g_skinManageUnit;

}  // namespace
