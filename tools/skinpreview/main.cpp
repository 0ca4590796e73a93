// skinpreview: renders a packed skin into one BMP picture.

#include <iostream>
#include <vector>

#include "framework/core/SysUtils.h"
#include "tools/skinpreview/SkinPreview.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<String> Args;
  for (int I = 1; I < argc; ++I) Args.push_back(WStringToUtf8(argv[I]));
  return SkinPreviewMain(Args, std::cout, std::cerr);
}
