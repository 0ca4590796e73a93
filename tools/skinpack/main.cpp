// skinpack: command-line tool for skin authors (compressed streams and skin archives).

#include <iostream>

#include "framework/core/SysUtils.h"
#include "tools/skinpack/SkinpackCommands.h"

#ifdef _WIN32
// Wide arguments, so that file names outside the ANSI code page survive.
int wmain(int argc, wchar_t** argv) {
  std::vector<String> args;
  for (int i = 1; i < argc; ++i) args.push_back(WStringToUtf8(argv[i]));
  return RunSkinpack(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  std::vector<String> Args(argv + 1, argv + argc);
  return RunSkinpack(Args, std::cout, std::cerr);
}
#endif
