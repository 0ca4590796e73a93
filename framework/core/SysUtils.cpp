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
  va_list args;
  va_start(args, Fmt);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, Fmt, copy);
  va_end(copy);
  String out;
  if (n > 0) {
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), Fmt, args);
    out.assign(buf.data(), static_cast<std::size_t>(n));
  }
  va_end(args);
  return out;
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses the magnitude and sign; Hex tells whether the 32-bit pattern rule applies.
bool ParseInteger(std::string_view S, bool& Negative, bool& Hex, std::uint64_t& Magnitude) {
  std::size_t i = 0;
  while (i < S.size() && (S[i] == ' ' || S[i] == '\t')) ++i;
  Negative = false;
  if (i < S.size() && (S[i] == '+' || S[i] == '-')) Negative = S[i++] == '-';
  Hex = false;
  if (i < S.size() && S[i] == '$') {
    Hex = true;
    ++i;
  } else if (i + 1 < S.size() && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
    Hex = true;
    i += 2;
  }
  if (i >= S.size()) return false;
  std::uint64_t value = 0;
  const unsigned base = Hex ? 16 : 10;
  for (; i < S.size(); ++i) {
    int d = Hex ? HexDigit(S[i]) : (S[i] >= '0' && S[i] <= '9' ? S[i] - '0' : -1);
    if (d < 0) return false;
    if (value > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(d)) / base) return false;
    value = value * base + static_cast<unsigned>(d);
  }
  Magnitude = value;
  return true;
}

}  // namespace

bool TryStrToInt64(std::string_view S, std::int64_t& Value) {
  bool negative, hex;
  std::uint64_t m;
  if (!ParseInteger(S, negative, hex, m)) return false;
  const std::uint64_t limit = std::uint64_t{1} << 63;
  if (negative) {
    if (m > limit) return false;
    Value = m == limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(m);
  } else {
    if (hex) {
      Value = static_cast<std::int64_t>(m);  // 64-bit patterns are accepted as written
      return true;
    }
    if (m >= limit) return false;
    Value = static_cast<std::int64_t>(m);
  }
  return true;
}

bool TryStrToInt(std::string_view S, int& Value) {
  bool negative, hex;
  std::uint64_t m;
  if (!ParseInteger(S, negative, hex, m)) return false;
  if (hex && m <= 0xFFFFFFFFu) {
    auto bits = static_cast<std::uint32_t>(m);
    if (negative) bits = 0u - bits;
    Value = static_cast<int>(bits);
    return true;
  }
  if (hex) return false;
  if (negative ? m > 0x80000000u : m > 0x7FFFFFFFu) return false;
  Value = negative ? static_cast<int>(-static_cast<std::int64_t>(m)) : static_cast<int>(m);
  return true;
}

int StrToIntDef(std::string_view S, int Default) {
  int v;
  return TryStrToInt(S, v) ? v : Default;
}

std::int64_t StrToInt64Def(std::string_view S, std::int64_t Default) {
  std::int64_t v;
  return TryStrToInt64(S, v) ? v : Default;
}

int StrToInt(std::string_view S) {
  int v;
  if (!TryStrToInt(S, v)) throw EConvertError("'" + String(S) + "' is not a valid integer value");
  return v;
}

String IntToStr(std::int64_t Value) {
  return std::to_string(Value);
}

String IntToHex(std::int64_t Value, int Digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  auto v = static_cast<std::uint64_t>(Value);
  String out;
  do {
    out.insert(out.begin(), kDigits[v & 15]);
    v >>= 4;
  } while (v != 0);
  if (Digits > 16) Digits = 16;
  while (static_cast<int>(out.size()) < Digits) out.insert(out.begin(), '0');
  return out;
}

namespace {
char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
}  // namespace

String UpperCase(std::string_view S) {
  String out(S);
  for (char& c : out) c = Upper(c);
  return out;
}

String LowerCase(std::string_view S) {
  String out(S);
  for (char& c : out) c = Lower(c);
  return out;
}

int CompareStr(std::string_view A, std::string_view B) {
  int r = A.compare(B);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CompareText(std::string_view A, std::string_view B) {
  const std::size_t n = A.size() < B.size() ? A.size() : B.size();
  for (std::size_t i = 0; i < n; ++i) {
    auto a = static_cast<unsigned char>(Upper(A[i]));
    auto b = static_cast<unsigned char>(Upper(B[i]));
    if (a != b) return a < b ? -1 : 1;
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
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

String TrimLeft(std::string_view S) {
  std::size_t i = 0;
  while (i < S.size() && IsBlank(S[i])) ++i;
  return String(S.substr(i));
}

String TrimRight(std::string_view S) {
  std::size_t n = S.size();
  while (n > 0 && IsBlank(S[n - 1])) --n;
  return String(S.substr(0, n));
}

String Trim(std::string_view S) {
  return TrimLeft(TrimRight(S));
}

char32_t DecodeUtf8(std::string_view S, std::size_t& Pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(S[i]); };
  const unsigned char c = byte(Pos);
  if (c < 0x80) {
    ++Pos;
    return c;
  }
  int len;
  char32_t cp;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    cp = c & 0x07;
  } else {
    ++Pos;
    return 0xFFFD;
  }
  if (Pos + static_cast<std::size_t>(len) > S.size()) {
    ++Pos;
    return 0xFFFD;
  }
  for (int k = 1; k < len; ++k) {
    unsigned char cc = byte(Pos + static_cast<std::size_t>(k));
    if ((cc & 0xC0) != 0x80) {
      ++Pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are malformed.
  if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
      (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++Pos;
    return 0xFFFD;
  }
  Pos += static_cast<std::size_t>(len);
  return cp;
}

void AppendUtf8(String& Out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    Out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    Out += static_cast<char>(0xC0 | (cp >> 6));
    Out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    Out += static_cast<char>(0xE0 | (cp >> 12));
    Out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (cp >> 18));
    Out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(WideString& Out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x10000) {
    Out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    Out += static_cast<char16_t>(0xD800 | (cp >> 10));
    Out += static_cast<char16_t>(0xDC00 | (cp & 0x3FF));
  }
}

WideString Utf8ToUtf16(std::string_view S) {
  WideString out;
  out.reserve(S.size());
  for (std::size_t i = 0; i < S.size();) AppendUtf16(out, DecodeUtf8(S, i));
  return out;
}

namespace {
// Reads one code point from UTF-16; a lone surrogate becomes U+FFFD.
char32_t DecodeUtf16(std::u16string_view S, std::size_t& i) {
  char16_t c = S[i++];
  if (c >= 0xD800 && c <= 0xDBFF) {
    if (i < S.size() && S[i] >= 0xDC00 && S[i] <= 0xDFFF) {
      char32_t cp = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (S[i] - 0xDC00);
      ++i;
      return cp;
    }
    return 0xFFFD;
  }
  if (c >= 0xDC00 && c <= 0xDFFF) return 0xFFFD;
  return c;
}
}  // namespace

String Utf16ToUtf8(std::u16string_view S) {
  String out;
  out.reserve(S.size());
  for (std::size_t i = 0; i < S.size();) AppendUtf8(out, DecodeUtf16(S, i));
  return out;
}

std::wstring Utf8ToWString(std::string_view S) {
  std::wstring out;
  if constexpr (sizeof(wchar_t) == 2) {
    WideString w = Utf8ToUtf16(S);
    out.assign(w.begin(), w.end());
  } else {
    for (std::size_t i = 0; i < S.size();) out += static_cast<wchar_t>(DecodeUtf8(S, i));
  }
  return out;
}

String WStringToUtf8(std::wstring_view S) {
  if constexpr (sizeof(wchar_t) == 2) {
    WideString w(S.begin(), S.end());
    return Utf16ToUtf8(w);
  } else {
    String out;
    for (wchar_t c : S) AppendUtf8(out, static_cast<char32_t>(c));
    return out;
  }
}

namespace {
std::size_t LastDelimiter(std::string_view S) {
  std::size_t p = S.find_last_of("/\\:");
  return p == std::string_view::npos ? 0 : p + 1;
}
}  // namespace

String ExtractFileName(std::string_view FileName) {
  return String(FileName.substr(LastDelimiter(FileName)));
}

String ExtractFilePath(std::string_view FileName) {
  return String(FileName.substr(0, LastDelimiter(FileName)));
}

String ExtractFileExt(std::string_view FileName) {
  std::size_t start = LastDelimiter(FileName);
  std::size_t dot = FileName.rfind('.');
  if (dot == std::string_view::npos || dot < start) return String();
  return String(FileName.substr(dot));
}

String ChangeFileExt(std::string_view FileName, std::string_view Extension) {
  std::size_t start = LastDelimiter(FileName);
  std::size_t dot = FileName.rfind('.');
  std::size_t end = (dot == std::string_view::npos || dot < start) ? FileName.size() : dot;
  return String(FileName.substr(0, end)) + String(Extension);
}

bool FileExists(const String& FileName) {
#ifdef _WIN32
  DWORD attr = GetFileAttributesW(Utf8ToWString(FileName).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
  struct stat st;
  return stat(FileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}
