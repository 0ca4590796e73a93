// skinpreview: renders a packed skin into one BMP picture.

#include <iostream>
#include <vector>

#include "framework/core/SysUtils.h"
#include "tools/skinpreview/SkinPreview.h"

int wmain(int Argc, wchar_t** Argv) {
  std::vector<String> Args;
  for (int I = 1; I < Argc; ++I) Args.push_back(WStringToUtf8(Argv[I]));
  return SkinPreviewMain(Args, std::cout, std::cerr);
}
