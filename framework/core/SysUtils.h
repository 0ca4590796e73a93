// Exceptions and string helpers with the framework's semantics (ASCII case rules, "$" hex numbers).
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "framework/core/Types.h"

// Root of every error the framework raises; Message() is what the standard exception box shows.
class Exception : public std::exception {
 public:
  explicit Exception(String Message) : FMessage(std::move(Message)) {}
  const String& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  String FMessage;
};

#define FRAMEWORK_EXCEPTION(Name, Base) \
  class Name : public Base {            \
   public:                              \
    using Base::Base;                   \
  };

FRAMEWORK_EXCEPTION(EStreamError, Exception)
FRAMEWORK_EXCEPTION(EFilerError, EStreamError)
FRAMEWORK_EXCEPTION(EReadError, EFilerError)
FRAMEWORK_EXCEPTION(EWriteError, EFilerError)
FRAMEWORK_EXCEPTION(EClassNotFound, EFilerError)
FRAMEWORK_EXCEPTION(EFOpenError, EStreamError)
FRAMEWORK_EXCEPTION(EFCreateError, EStreamError)
FRAMEWORK_EXCEPTION(EConvertError, Exception)
FRAMEWORK_EXCEPTION(EAssignError, EConvertError)
FRAMEWORK_EXCEPTION(EListError, Exception)
FRAMEWORK_EXCEPTION(EStringListError, EListError)
FRAMEWORK_EXCEPTION(EComponentError, Exception)
FRAMEWORK_EXCEPTION(EPropertyError, Exception)
FRAMEWORK_EXCEPTION(EInvalidCast, Exception)
FRAMEWORK_EXCEPTION(EOutOfResources, Exception)

// A malformed form description; Line() is 1-based and also leads the message ("Line 12: ...").
class EParserError : public EReadError {
 public:
  EParserError(int Line, const String& Message);
  int Line() const { return FLine; }

 private:
  int FLine;
};

#undef FRAMEWORK_EXCEPTION

// printf-style formatting into a String ("%4x %s").
String Format(const char* Fmt, ...) __attribute__((format(printf, 1, 2)));

// Numbers: optional leading blanks, optional sign, decimal digits or "$"/"0x" followed by hex digits.
// Hex values up to $FFFFFFFF are taken as 32-bit patterns ("$FFFFFFFF" is -1).
bool TryStrToInt(std::string_view S, int& Value);
bool TryStrToInt64(std::string_view S, std::int64_t& Value);
int StrToIntDef(std::string_view S, int Default);
std::int64_t StrToInt64Def(std::string_view S, std::int64_t Default);
int StrToInt(std::string_view S);  // raises EConvertError
String IntToStr(std::int64_t Value);
// Upper-case hex with at least Digits digits; negative values print their 64-bit pattern.
String IntToHex(std::int64_t Value, int Digits);

// Case rules are ASCII only, as the skin description and the class names need.
String UpperCase(std::string_view S);
String LowerCase(std::string_view S);
int CompareStr(std::string_view A, std::string_view B);
int CompareText(std::string_view A, std::string_view B);
bool SameText(std::string_view A, std::string_view B);
bool StartsText(std::string_view SubText, std::string_view Text);
// Removes characters up to and including the space (control characters too).
String Trim(std::string_view S);
String TrimLeft(std::string_view S);
String TrimRight(std::string_view S);

// UTF-8 <-> UTF-16; malformed input becomes U+FFFD, so conversion never fails.
WideString Utf8ToUtf16(std::string_view S);
String Utf16ToUtf8(std::u16string_view S);
// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; these follow the platform.
std::wstring Utf8ToWString(std::string_view S);
String WStringToUtf8(std::wstring_view S);
// Decodes one code point at S[Pos], advancing Pos; U+FFFD (Pos + 1) for a malformed sequence.
char32_t DecodeUtf8(std::string_view S, std::size_t& Pos);
void AppendUtf8(String& Out, char32_t CodePoint);
void AppendUtf16(WideString& Out, char32_t CodePoint);

// File names: both '/' and '\' separate directories (':' ends a drive).
String ExtractFileName(std::string_view FileName);
String ExtractFilePath(std::string_view FileName);  // keeps the trailing separator
String ExtractFileExt(std::string_view FileName);   // with the dot; empty when there is none
String ChangeFileExt(std::string_view FileName, std::string_view Extension);
bool FileExists(const String& FileName);
