#include "framework/win/graphics/Colors.h"

#include <cstdint>

#include "framework/core/SysUtils.h"

COLORREF ColorToRGB(TColor Color) {
  if (Color & clSystemColor) return GetSysColor(int(Color & 0xFF));
  return Color & 0x00FFFFFF;
}

String ColorToString(TColor Color) {
  String ident;
  if (ColorToIdent(Color, ident)) return ident;
  return "$" + IntToHex(Color, 8);
}

TColor StringToColor(std::string_view S) {
  TColor color;
  if (IdentToColor(S, color)) return color;
  if (SameText(S, "clLtGray")) return clLtGray;
  if (SameText(S, "clDkGray")) return clDkGray;
  std::int64_t value;
  if (!TryStrToInt64(S, value) || value < INT32_MIN || value > UINT32_MAX)
    throw EConvertError("'" + String(S) + "' is not a valid colour");
  return TColor(std::uint32_t(value));
}
