// skinpreview SKIN OUT.bmp: renders a packed skin into one BMP picture.

#include <iostream>
#include <vector>

#include "framework/core/SysUtils.h"
#include "tools/skinpreview/SkinPreview.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::cerr << "usage: skinpreview SKIN OUT.bmp\n";
    return 64;
  }
  return RunSkinPreview(WStringToUtf8(argv[1]), WStringToUtf8(argv[2]), std::cerr);
}
