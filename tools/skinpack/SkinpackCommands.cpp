// Command-line dispatch of skinpack.

#include "tools/skinpack/SkinpackCommands.h"

#include "framework/core/SysUtils.h"
#include "skin/package/SkinArchiveFormat.h"

namespace {

constexpr const char* kUsage =
    "usage: skinpack compress IN OUT       LZH-compress a file (4-byte length, then the code)\n"
    "       skinpack decompress IN OUT     undo compress\n"
    "       skinpack pack DIR OUT [--version N]\n"
    "                                      the INI and the bitmaps of DIR into a compressed skin\n"
    "                                      archive (N: 20000, 30000, 40000, 50000, 60000 or 70000;\n"
    "                                      default 70000)\n"
    "       skinpack unpack ARCHIVE DIR    every file of ARCHIVE into DIR\n"
    "       skinpack list ARCHIVE          version, names and sizes\n"
    "       skinpack verify ARCHIVE        the INI is there and every image it names is a bitmap\n"
    "exit status: 0 success, 1 failure or problems found, 2 wrong usage\n";

int Usage(std::ostream& Err, const String& Problem) {
  if (!Problem.empty()) Err << "skinpack: " << Problem << "\n";
  Err << kUsage;
  return 2;
}

}  // namespace

int RunSkinpack(const std::vector<String>& Args, std::ostream& Out, std::ostream& Err) {
  if (Args.empty()) return Usage(Err, "");
  const String& Cmd = Args[0];
  const size_t N = Args.size() - 1;
  if (Cmd == "compress" || Cmd == "decompress") {
    if (N != 2) return Usage(Err, Cmd + " needs IN and OUT");
    return Cmd == "compress" ? CmdCompress(Args[1], Args[2], Out, Err)
                             : CmdDecompress(Args[1], Args[2], Out, Err);
  }
  if (Cmd == "pack") {
    uint32_t Version = kSkinDefaultVersion;
    std::vector<String> Plain;
    for (size_t I = 1; I < Args.size(); ++I) {
      if (Args[I] == "--version") {
        int V;
        if (I + 1 >= Args.size() || !TryStrToInt(Args[I + 1], V) ||
            SkinExtraBlockLength(static_cast<uint32_t>(V)) < 0)
          return Usage(Err, "--version needs one of 20000, 30000, 40000, 50000, 60000, 70000");
        Version = static_cast<uint32_t>(V);
        ++I;
      } else {
        Plain.push_back(Args[I]);
      }
    }
    if (Plain.size() != 2) return Usage(Err, "pack needs DIR and OUT");
    return CmdPack(Plain[0], Plain[1], Version, Out, Err);
  }
  if (Cmd == "unpack") {
    if (N != 2) return Usage(Err, "unpack needs ARCHIVE and DIR");
    return CmdUnpack(Args[1], Args[2], Out, Err);
  }
  if (Cmd == "list" || Cmd == "verify") {
    if (N != 1) return Usage(Err, Cmd + " needs ARCHIVE");
    return Cmd == "list" ? CmdList(Args[1], Out, Err) : CmdVerify(Args[1], Out, Err);
  }
  if (Cmd == "help" || Cmd == "--help" || Cmd == "-h") {
    Out << kUsage;
    return 0;
  }
  return Usage(Err, "unknown command \"" + Cmd + "\"");
}
