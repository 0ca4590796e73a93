// Command-line dispatch of skinpack.

#include "tools/skinpack/SkinpackCommands.h"

namespace {

constexpr const char* kUsage =
    "usage: skinpack compress IN OUT       LZH-compress a file (4-byte length, then the code)\n"
    "       skinpack decompress IN OUT     undo compress\n";

int Usage(std::ostream& Err, const String& Problem) {
  if (!Problem.empty()) Err << "skinpack: " << Problem << "\n";
  Err << kUsage;
  return 2;
}

}  // namespace

int RunSkinpack(const std::vector<String>& Args, std::ostream& Out, std::ostream& Err) {
  if (Args.empty()) return Usage(Err, "");
  const String& cmd = Args[0];
  const size_t n = Args.size() - 1;
  if (cmd == "compress" || cmd == "decompress") {
    if (n != 2) return Usage(Err, cmd + " needs IN and OUT");
    return cmd == "compress" ? CmdCompress(Args[1], Args[2], Out, Err)
                             : CmdDecompress(Args[1], Args[2], Out, Err);
  }
  if (cmd == "help" || cmd == "--help" || cmd == "-h") {
    Out << kUsage;
    return 0;
  }
  return Usage(Err, "unknown command \"" + cmd + "\"");
}
