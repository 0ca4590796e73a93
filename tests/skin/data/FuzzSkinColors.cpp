// Any skin description text through the colour reader and any property bytes through the SkinStream
// reader: nothing may crash, read out of bounds or allocate from an unchecked length.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/core/Strings.h"
#include "framework/core/SysUtils.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinDataHelpers.h"
#include "tests/skin/data/SkinIniText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  (void)strcolor(Text);
  auto Ini = IniFromText(Text);
  TSkinColorScheme Scheme;
  TStringList Sections;
  Scheme.ReadColors(*Ini, Sections);
  (void)GetSectionNum(*Ini, "Button", "Image");
  TMemoryStream In, Out;
  In.WriteBuffer(Data, static_cast<std::int64_t>(Size));
  In.SetPosition(0);
  try {
    ReadSkinStream(In, Out);
  } catch (const EReadError&) {
  }
  return 0;
}
