#pragma once
// File-system helpers of skinpack: UTF-8 names in, platform paths out.

#include <filesystem>
#include <vector>

#include "framework/core/Types.h"

std::filesystem::path PathFromUtf8(const String& Name);
String Utf8FromPath(const std::filesystem::path& Path);

// A name that unpacking may create inside a folder: no directories, no drive, not "." or "..",
// no control characters, not empty.
bool IsSafeEntryName(const String& Name);
