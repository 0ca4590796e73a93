// Fuzz target: the skin archive reader. The first byte picks the path: odd feeds the rest through
// the decompressor (Loadfromstream), even parses it directly as a container.

#include <cstdint>
#include <cstdlib>

#include "framework/core/Streams.h"
#include "skin/package/SkinNotify.h"
#include "skin/package/SkinReader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetSkinMessageNotifier([](const String&) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  TSkinReader Reader;
  bool Loaded;
  if (Data[0] & 1) {
    TMemoryStream Stream;
    Stream.WriteBuffer(Data + 1, static_cast<int64_t>(Size - 1));
    Loaded = Reader.Loadfromstream(Stream);
  } else {
    Loaded = Reader.LoadContainer(Data + 1, static_cast<int64_t>(Size - 1));
  }
  if (!Loaded) return 0;
  if (Reader.FileCount() > kSkinMaxFiles) abort();
  TMemoryStream Out;
  for (int I = 0; I < Reader.FileCount(); ++I) {
    // By index: exactly the part of the stored size that lies inside the data area.
    Reader.ReadByIndex(I, Out);
    if (Out.Size() != Reader.AvailableSize(I) ||
        Out.Size() > (Reader.FileSize(I) > 0 ? Reader.FileSize(I) : 0))
      abort();
    // By name: names may repeat, so only the bounds are known.
    Reader.readfile(Reader.Names().Get(I), Out);
    if (Out.Size() > Reader.DataSize()) abort();
  }
  String IniName;
  Reader.readIni(".ini", Out, IniName);
  Reader.readIni("", Out, IniName);
  Reader.readfile("no such file", Out);
  if (Out.Size() != 0) abort();
  return 0;
}
