#include "framework/win/graphics/Colors.h"

#include <cstdint>

#include "framework/core/SysUtils.h"

COLORREF ColorToRGB(TColor Color) {
  if (Color & clSystemColor) return GetSysColor(int(Color & 0xFF));
  return Color & 0x00FFFFFF;
}

String ColorToString(TColor Color) {
  String Ident;
  if (ColorToIdent(Color, Ident)) return Ident;
  return "$" + IntToHex(Color, 8);
}

TColor StringToColor(std::string_view S) {
  TColor Color;
  if (IdentToColor(S, Color)) return Color;
  if (SameText(S, "clLtGray")) return clLtGray;
  if (SameText(S, "clDkGray")) return clDkGray;
  std::int64_t Value;
  if (!TryStrToInt64(S, Value) || Value < INT32_MIN || Value > UINT32_MAX)
    throw EConvertError("'" + String(S) + "' is not a valid colour");
  return TColor(std::uint32_t(Value));
}
