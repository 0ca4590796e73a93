// The gallery's command line: gallery [--page N] [--skin default|dark|none] [--dump-controls FILE] [--help].
#pragma once

#include <string>
#include <vector>

struct TGalleryOptions {
  int Page = 0;  // counted from 0; the command line counts from 1
  int Skin = 0;  // 0 default, 1 dark, 2 none (the order of TGallerySkin)
  bool Help = false;
  std::wstring DumpControls;  // for tests: where the list of the controls and their skin is written
};

// Reads the arguments after the program's name. False with Error set for anything it does not
// understand: an unknown option, a missing or malformed value, a page outside 1..PageCount.
bool ParseGalleryOptions(const std::vector<std::wstring>& Args, int PageCount, TGalleryOptions& Options,
                         std::wstring& Error);

// The text that --help shows and that follows an error.
std::wstring GalleryUsage(int PageCount);
