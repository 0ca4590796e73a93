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
  const String& cmd = Args[0];
  const size_t n = Args.size() - 1;
  if (cmd == "compress" || cmd == "decompress") {
    if (n != 2) return Usage(Err, cmd + " needs IN and OUT");
    return cmd == "compress" ? CmdCompress(Args[1], Args[2], Out, Err)
                             : CmdDecompress(Args[1], Args[2], Out, Err);
  }
  if (cmd == "pack") {
    uint32_t version = kSkinDefaultVersion;
    std::vector<String> plain;
    for (size_t i = 1; i < Args.size(); ++i) {
      if (Args[i] == "--version") {
        int v;
        if (i + 1 >= Args.size() || !TryStrToInt(Args[i + 1], v) ||
            SkinExtraBlockLength(static_cast<uint32_t>(v)) < 0)
          return Usage(Err, "--version needs one of 20000, 30000, 40000, 50000, 60000, 70000");
        version = static_cast<uint32_t>(v);
        ++i;
      } else {
        plain.push_back(Args[i]);
      }
    }
    if (plain.size() != 2) return Usage(Err, "pack needs DIR and OUT");
    return CmdPack(plain[0], plain[1], version, Out, Err);
  }
  if (cmd == "unpack") {
    if (n != 2) return Usage(Err, "unpack needs ARCHIVE and DIR");
    return CmdUnpack(Args[1], Args[2], Out, Err);
  }
  if (cmd == "list" || cmd == "verify") {
    if (n != 1) return Usage(Err, cmd + " needs ARCHIVE");
    return cmd == "list" ? CmdList(Args[1], Out, Err) : CmdVerify(Args[1], Out, Err);
  }
  if (cmd == "help" || cmd == "--help" || cmd == "-h") {
    Out << kUsage;
    return 0;
  }
  return Usage(Err, "unknown command \"" + cmd + "\"");
}
