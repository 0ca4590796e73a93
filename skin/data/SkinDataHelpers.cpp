// Portable rules of the skin data component.

#include "skin/data/SkinDataHelpers.h"

#include <limits>
#include <vector>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "skin/package/QuickIni.h"

int GetSectionNum(const TQuickIni& Ini, const String& Prefix, const String& Key) {
  // Every counted section exists, so the count can never pass the number of sections.
  const int Limit = Ini.Sections().Count();
  int N = 0;
  while (N < Limit && !Ini.ReadString(Format("%s%1d", Prefix.c_str(), N), Key, "").empty()) ++N;
  return N;
}

String GetFileName(std::string_view Name) {
  const auto Dot = Name.find('.');
  return Dot == std::string_view::npos ? String() : String(Name.substr(0, Dot));
}

String SkinBitmapName(std::string_view FileName) {
  String Name = ExtractFileName(FileName);
  if (Name.empty() || ExtractFileExt(Name) != ".bmp") return {};
  return Name;
}

void WriteSkinStream(TStream& Writer, TMemoryStream& Data) {
  const std::int64_t ByteCount = Data.Size();
  if (ByteCount > std::numeric_limits<std::int32_t>::max()) throw EWriteError("Skin stream too large");
  Writer.WriteInt32(static_cast<std::int32_t>(ByteCount));
  if (ByteCount > 0) Writer.WriteBuffer(Data.Memory(), ByteCount);
}

bool ReadSkinStream(TStream& Reader, TMemoryStream& Data) {
  const std::int32_t ByteCount = Reader.ReadInt32();
  if (ByteCount <= 0) return false;
  // Checked before anything is allocated or changed: a damaged description must not leave half a
  // skin behind nor ask for gigabytes.
  if (Reader.Size() - Reader.Position() < ByteCount) throw EReadError("Stream read error");
  std::vector<std::uint8_t> Bytes(static_cast<std::size_t>(ByteCount));
  Reader.ReadBuffer(Bytes.data(), ByteCount);
  Data.Clear();
  Data.WriteBuffer(Bytes.data(), ByteCount);
  Data.SetPosition(0);
  return true;
}
