// Skin archives for tests and timing: hand-made small ones and the packed skin folders of skins/.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/Types.h"

class TMemoryStream;

using TSkinFiles = std::vector<std::pair<String, std::vector<std::uint8_t>>>;

// A 24-bit BMP file of W x H pixels in one colour (0x00RRGGBB), with Probe at (X, Y) when X >= 0.
std::vector<std::uint8_t> SolidBmp(int W, int H, std::uint32_t Rgb, int X = -1, int Y = -1,
                                   std::uint32_t Probe = 0);
// Compressed archive (what SkinStream holds) of skin.ini = Ini plus Files.
void BuildSkinArchive(TMemoryStream& Out, const String& Ini, const TSkinFiles& Files = {});
// Compressed archive of every file in Folder (skins/default and the like).
void PackSkinFolder(TMemoryStream& Out, const String& Folder);
// The folder of the default skin in the source tree.
String DefaultSkinFolder();
