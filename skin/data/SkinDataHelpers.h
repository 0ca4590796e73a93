// Small portable rules of the skin data component: numbered sections, archive file names and the
// byte layout of the persisted SkinStream property.
#pragma once

#include <string_view>

#include "framework/core/Types.h"

class TQuickIni;
class TStream;
class TMemoryStream;

// How many of the sections Prefix0, Prefix1, ... in a row give Key a non-empty value.
int GetSectionNum(const TQuickIni& Ini, const String& Prefix, const String& Key);

// The part of Name before its first "."; empty when Name has no ".".
String GetFileName(std::string_view Name);

// The archive name of a skin image: FileName without its directories, when it ends in exactly
// ".bmp" (lower case: the archives are written that way and a different case is not an image).
// Empty otherwise.
String SkinBitmapName(std::string_view FileName);

// SkinStream as stored: a signed 32-bit little-endian length N, then N archive bytes.
void WriteSkinStream(TStream& Writer, TMemoryStream& Data);
// Returns false, leaving Data as it was, for N <= 0. Raises EReadError, leaving Data as it was,
// when fewer than N bytes follow.
bool ReadSkinStream(TStream& Reader, TMemoryStream& Data);
