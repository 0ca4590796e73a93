// A skin description for tests, written as INI text.
#pragma once

#include <memory>
#include <string_view>

#include "framework/core/Streams.h"
#include "skin/package/QuickIni.h"

inline std::unique_ptr<TQuickIni> IniFromText(std::string_view Text) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
  Stream.SetPosition(0);
  auto Ini = std::make_unique<TQuickIni>();
  Ini->LoadFromStream(&Stream);
  return Ini;
}
