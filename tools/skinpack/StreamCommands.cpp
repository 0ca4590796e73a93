// skinpack compress / decompress: the compressed-stream format on whole files.

#include "framework/core/Streams.h"
#include "skin/package/LzhStreams.h"
#include "tools/skinpack/SkinpackCommands.h"

int CmdCompress(const String& In, const String& OutFile, std::ostream& Out, std::ostream& Err) {
  TMemoryStream Source;
  TMemoryStream Packed;
  try {
    Source.LoadFromFile(In);
    LzhCompress(Source, Packed);
    Packed.SaveToFile(OutFile);
  } catch (const Exception& E) {
    Err << "skinpack compress: " << E.Message() << "\n";
    return 1;
  }
  Out << In << ": " << Source.Size() << " -> " << Packed.Size() << " bytes\n";
  return 0;
}

int CmdDecompress(const String& In, const String& OutFile, std::ostream& Out, std::ostream& Err) {
  TMemoryStream Source;
  TMemoryStream Unpacked;
  try {
    Source.LoadFromFile(In);
    if (Source.Size() < 4) {
      Err << "skinpack decompress: \"" << In << "\" is too short to be a compressed stream (" << Source.Size()
          << " bytes; a 4-byte length comes first)\n";
      return 1;
    }
    LzhDecompress(Source, Unpacked);
    // Written only when the whole stream has been decoded, so a failure leaves no partial file.
    Unpacked.SaveToFile(OutFile);
  } catch (const Exception& E) {
    Err << "skinpack decompress: " << E.Message() << "\n";
    return 1;
  }
  Out << In << ": " << Source.Size() << " -> " << Unpacked.Size() << " bytes\n";
  return 0;
}
