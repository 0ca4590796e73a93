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
  TSkinReader reader;
  bool ok;
  if (Data[0] & 1) {
    TMemoryStream s;
    s.WriteBuffer(Data + 1, static_cast<int64_t>(Size - 1));
    ok = reader.Loadfromstream(s);
  } else {
    ok = reader.LoadContainer(Data + 1, static_cast<int64_t>(Size - 1));
  }
  if (!ok) return 0;
  if (reader.FileCount() > kSkinMaxFiles) abort();
  TMemoryStream out;
  for (int i = 0; i < reader.FileCount(); ++i) {
    // By index: exactly the part of the stored size that lies inside the data area.
    reader.ReadByIndex(i, out);
    if (out.Size() != reader.AvailableSize(i) ||
        out.Size() > (reader.FileSize(i) > 0 ? reader.FileSize(i) : 0))
      abort();
    // By name: names may repeat, so only the bounds are known.
    reader.readfile(reader.Names().Get(i), out);
    if (out.Size() > reader.DataSize()) abort();
  }
  String name;
  reader.readIni(".ini", out, name);
  reader.readIni("", out, name);
  reader.readfile("no such file", out);
  if (out.Size() != 0) abort();
  return 0;
}
