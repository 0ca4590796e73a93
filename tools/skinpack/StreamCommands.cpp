// skinpack compress / decompress: the compressed-stream format on whole files.

#include "framework/core/Streams.h"
#include "skin/package/LzhStreams.h"
#include "tools/skinpack/SkinpackCommands.h"

int CmdCompress(const String& In, const String& OutFile, std::ostream& Out, std::ostream& Err) {
  TMemoryStream source;
  TMemoryStream packed;
  try {
    source.LoadFromFile(In);
    LzhCompress(source, packed);
    packed.SaveToFile(OutFile);
  } catch (const Exception& e) {
    Err << "skinpack compress: " << e.Message() << "\n";
    return 1;
  }
  Out << In << ": " << source.Size() << " -> " << packed.Size() << " bytes\n";
  return 0;
}

int CmdDecompress(const String& In, const String& OutFile, std::ostream& Out, std::ostream& Err) {
  TMemoryStream source;
  TMemoryStream unpacked;
  try {
    source.LoadFromFile(In);
    if (source.Size() < 4) {
      Err << "skinpack decompress: \"" << In << "\" is too short to be a compressed stream (" << source.Size()
          << " bytes; a 4-byte length comes first)\n";
      return 1;
    }
    LzhDecompress(source, unpacked);
    // Written only when the whole stream has been decoded, so a failure leaves no partial file.
    unpacked.SaveToFile(OutFile);
  } catch (const Exception& e) {
    Err << "skinpack decompress: " << e.Message() << "\n";
    return 1;
  }
  Out << In << ": " << source.Size() << " -> " << unpacked.Size() << " bytes\n";
  return 0;
}
