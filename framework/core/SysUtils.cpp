#include "framework/core/SysUtils.h"

#include <cstdarg>
#include <cstdio>
#include <limits>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

EParserError::EParserError(int Line, const String& Message)
    : EReadError("Line " + IntToStr(Line) + ": " + Message), FLine(Line) {}

String Format(const char* Fmt, ...) {
  va_list Args;
  va_start(Args, Fmt);
  va_list Copy;
  va_copy(Copy, Args);
  int N = std::vsnprintf(nullptr, 0, Fmt, Copy);
  va_end(Copy);
  String Out;
  if (N > 0) {
    std::vector<char> Buf(static_cast<std::size_t>(N) + 1);
    std::vsnprintf(Buf.data(), Buf.size(), Fmt, Args);
    Out.assign(Buf.data(), static_cast<std::size_t>(N));
  }
  va_end(Args);
  return Out;
}

namespace {

int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

// Parses the magnitude and sign; Hex tells whether the 32-bit pattern rule applies.
bool ParseInteger(std::string_view S, bool& Negative, bool& Hex, std::uint64_t& Magnitude) {
  std::size_t I = 0;
  while (I < S.size() && (S[I] == ' ' || S[I] == '\t')) ++I;
  Negative = false;
  if (I < S.size() && (S[I] == '+' || S[I] == '-')) Negative = S[I++] == '-';
  Hex = false;
  if (I < S.size() && S[I] == '$') {
    Hex = true;
    ++I;
  } else if (I + 1 < S.size() && S[I] == '0' && (S[I + 1] == 'x' || S[I + 1] == 'X')) {
    Hex = true;
    I += 2;
  }
  if (I >= S.size()) return false;
  std::uint64_t Value = 0;
  const unsigned Base = Hex ? 16 : 10;
  for (; I < S.size(); ++I) {
    int D = Hex ? HexDigit(S[I]) : (S[I] >= '0' && S[I] <= '9' ? S[I] - '0' : -1);
    if (D < 0) return false;
    if (Value > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(D)) / Base) return false;
    Value = Value * Base + static_cast<unsigned>(D);
  }
  Magnitude = Value;
  return true;
}

}  // namespace

bool TryStrToInt64(std::string_view S, std::int64_t& Value) {
  bool Negative, Hex;
  std::uint64_t M;
  if (!ParseInteger(S, Negative, Hex, M)) return false;
  const std::uint64_t Limit = std::uint64_t{1} << 63;
  if (Negative) {
    if (M > Limit) return false;
    Value = M == Limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(M);
  } else {
    if (Hex) {
      Value = static_cast<std::int64_t>(M);  // 64-bit patterns are accepted as written
      return true;
    }
    if (M >= Limit) return false;
    Value = static_cast<std::int64_t>(M);
  }
  return true;
}

bool TryStrToInt(std::string_view S, int& Value) {
  bool Negative, Hex;
  std::uint64_t M;
  if (!ParseInteger(S, Negative, Hex, M)) return false;
  if (Hex && M <= 0xFFFFFFFFu) {
    auto Bits = static_cast<std::uint32_t>(M);
    if (Negative) Bits = 0u - Bits;
    Value = static_cast<int>(Bits);
    return true;
  }
  if (Hex) return false;
  if (Negative ? M > 0x80000000u : M > 0x7FFFFFFFu) return false;
  Value = Negative ? static_cast<int>(-static_cast<std::int64_t>(M)) : static_cast<int>(M);
  return true;
}

int StrToIntDef(std::string_view S, int Default) {
  int V;
  return TryStrToInt(S, V) ? V : Default;
}

std::int64_t StrToInt64Def(std::string_view S, std::int64_t Default) {
  std::int64_t V;
  return TryStrToInt64(S, V) ? V : Default;
}

int StrToInt(std::string_view S) {
  int V;
  if (!TryStrToInt(S, V)) throw EConvertError("'" + String(S) + "' is not a valid integer value");
  return V;
}

String IntToStr(std::int64_t Value) {
  return std::to_string(Value);
}

String IntToHex(std::int64_t Value, int Digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  auto V = static_cast<std::uint64_t>(Value);
  String Out;
  do {
    Out.insert(Out.begin(), kDigits[V & 15]);
    V >>= 4;
  } while (V != 0);
  if (Digits > 16) Digits = 16;
  while (static_cast<int>(Out.size()) < Digits) Out.insert(Out.begin(), '0');
  return Out;
}

namespace {
char Upper(char C) {
  return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C;
}
char Lower(char C) {
  return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C;
}
}  // namespace

String UpperCase(std::string_view S) {
  String Out(S);
  for (char& C : Out) C = Upper(C);
  return Out;
}

String LowerCase(std::string_view S) {
  String Out(S);
  for (char& C : Out) C = Lower(C);
  return Out;
}

int CompareStr(std::string_view A, std::string_view B) {
  int R = A.compare(B);
  return R < 0 ? -1 : (R > 0 ? 1 : 0);
}

int CompareText(std::string_view A, std::string_view B) {
  const std::size_t N = A.size() < B.size() ? A.size() : B.size();
  for (std::size_t I = 0; I < N; ++I) {
    auto CharA = static_cast<unsigned char>(Upper(A[I]));
    auto CharB = static_cast<unsigned char>(Upper(B[I]));
    if (CharA != CharB) return CharA < CharB ? -1 : 1;
  }
  return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() && CompareText(A, B) == 0;
}

bool StartsText(std::string_view SubText, std::string_view Text) {
  return Text.size() >= SubText.size() && SameText(Text.substr(0, SubText.size()), SubText);
}

namespace {
bool IsBlank(char C) {
  return static_cast<unsigned char>(C) <= ' ';
}
}  // namespace

String TrimLeft(std::string_view S) {
  std::size_t I = 0;
  while (I < S.size() && IsBlank(S[I])) ++I;
  return String(S.substr(I));
}

String TrimRight(std::string_view S) {
  std::size_t N = S.size();
  while (N > 0 && IsBlank(S[N - 1])) --N;
  return String(S.substr(0, N));
}

String Trim(std::string_view S) {
  return TrimLeft(TrimRight(S));
}

char32_t DecodeUtf8(std::string_view S, std::size_t& Pos) {
  auto Byte = [&](std::size_t I) { return static_cast<unsigned char>(S[I]); };
  const unsigned char C = Byte(Pos);
  if (C < 0x80) {
    ++Pos;
    return C;
  }
  int Len;
  char32_t Cp;
  if (C >= 0xC2 && C <= 0xDF) {
    Len = 2;
    Cp = C & 0x1F;
  } else if (C >= 0xE0 && C <= 0xEF) {
    Len = 3;
    Cp = C & 0x0F;
  } else if (C >= 0xF0 && C <= 0xF4) {
    Len = 4;
    Cp = C & 0x07;
  } else {
    ++Pos;
    return 0xFFFD;
  }
  if (Pos + static_cast<std::size_t>(Len) > S.size()) {
    ++Pos;
    return 0xFFFD;
  }
  for (int K = 1; K < Len; ++K) {
    unsigned char Cc = Byte(Pos + static_cast<std::size_t>(K));
    if ((Cc & 0xC0) != 0x80) {
      ++Pos;
      return 0xFFFD;
    }
    Cp = (Cp << 6) | (Cc & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are malformed.
  if ((Len == 3 && Cp < 0x800) || (Len == 4 && (Cp < 0x10000 || Cp > 0x10FFFF)) ||
      (Cp >= 0xD800 && Cp <= 0xDFFF)) {
    ++Pos;
    return 0xFFFD;
  }
  Pos += static_cast<std::size_t>(Len);
  return Cp;
}

void AppendUtf8(String& Out, char32_t Cp) {
  if (Cp > 0x10FFFF || (Cp >= 0xD800 && Cp <= 0xDFFF)) Cp = 0xFFFD;
  if (Cp < 0x80) {
    Out += static_cast<char>(Cp);
  } else if (Cp < 0x800) {
    Out += static_cast<char>(0xC0 | (Cp >> 6));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else if (Cp < 0x10000) {
    Out += static_cast<char>(0xE0 | (Cp >> 12));
    Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Cp >> 18));
    Out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  }
}

void AppendUtf16(WideString& Out, char32_t Cp) {
  if (Cp > 0x10FFFF || (Cp >= 0xD800 && Cp <= 0xDFFF)) Cp = 0xFFFD;
  if (Cp < 0x10000) {
    Out += static_cast<char16_t>(Cp);
  } else {
    Cp -= 0x10000;
    Out += static_cast<char16_t>(0xD800 | (Cp >> 10));
    Out += static_cast<char16_t>(0xDC00 | (Cp & 0x3FF));
  }
}

WideString Utf8ToUtf16(std::string_view S) {
  WideString Out;
  Out.reserve(S.size());
  for (std::size_t I = 0; I < S.size();) AppendUtf16(Out, DecodeUtf8(S, I));
  return Out;
}

namespace {
// Reads one code point from UTF-16; a lone surrogate becomes U+FFFD.
char32_t DecodeUtf16(std::u16string_view S, std::size_t& I) {
  char16_t C = S[I++];
  if (C >= 0xD800 && C <= 0xDBFF) {
    if (I < S.size() && S[I] >= 0xDC00 && S[I] <= 0xDFFF) {
      char32_t Cp = 0x10000 + ((static_cast<char32_t>(C) - 0xD800) << 10) + (S[I] - 0xDC00);
      ++I;
      return Cp;
    }
    return 0xFFFD;
  }
  if (C >= 0xDC00 && C <= 0xDFFF) return 0xFFFD;
  return C;
}
}  // namespace

String Utf16ToUtf8(std::u16string_view S) {
  String Out;
  Out.reserve(S.size());
  for (std::size_t I = 0; I < S.size();) AppendUtf8(Out, DecodeUtf16(S, I));
  return Out;
}

std::wstring Utf8ToWString(std::string_view S) {
  std::wstring Out;
  if constexpr (sizeof(wchar_t) == 2) {
    WideString W = Utf8ToUtf16(S);
    Out.assign(W.begin(), W.end());
  } else {
    for (std::size_t I = 0; I < S.size();) Out += static_cast<wchar_t>(DecodeUtf8(S, I));
  }
  return Out;
}

String WStringToUtf8(std::wstring_view S) {
  if constexpr (sizeof(wchar_t) == 2) {
    WideString W(S.begin(), S.end());
    return Utf16ToUtf8(W);
  } else {
    String Out;
    for (wchar_t C : S) AppendUtf8(Out, static_cast<char32_t>(C));
    return Out;
  }
}

namespace {
std::size_t LastDelimiter(std::string_view S) {
  std::size_t P = S.find_last_of("/\\:");
  return P == std::string_view::npos ? 0 : P + 1;
}
}  // namespace

String ExtractFileName(std::string_view FileName) {
  return String(FileName.substr(LastDelimiter(FileName)));
}

String ExtractFilePath(std::string_view FileName) {
  return String(FileName.substr(0, LastDelimiter(FileName)));
}

String ExtractFileExt(std::string_view FileName) {
  std::size_t Start = LastDelimiter(FileName);
  std::size_t Dot = FileName.rfind('.');
  if (Dot == std::string_view::npos || Dot < Start) return String();
  return String(FileName.substr(Dot));
}

String ChangeFileExt(std::string_view FileName, std::string_view Extension) {
  std::size_t Start = LastDelimiter(FileName);
  std::size_t Dot = FileName.rfind('.');
  std::size_t End = (Dot == std::string_view::npos || Dot < Start) ? FileName.size() : Dot;
  return String(FileName.substr(0, End)) + String(Extension);
}

bool FileExists(const String& FileName) {
#ifdef _WIN32
  DWORD attr = GetFileAttributesW(Utf8ToWString(FileName).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
  struct stat St;
  return stat(FileName.c_str(), &St) == 0 && S_ISREG(St.st_mode);
#endif
}
