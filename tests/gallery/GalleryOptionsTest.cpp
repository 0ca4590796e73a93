// The gallery's command line: what it accepts and what it refuses, without crashing on any of it.
#include <gtest/gtest.h>

#include "gallery/GalleryOptions.h"

namespace {

struct OptionsCase {
  std::vector<std::wstring> Args;
  bool Valid;
  int Page = 0;
  int Skin = 0;
  bool Help = false;
  std::wstring Dump = L"";
};

class GalleryOptions : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(GalleryOptions, AreReadOrRefusedWithAReason) {
  const OptionsCase& Case = GetParam();
  TGalleryOptions Options;
  std::wstring Error;
  ASSERT_EQ(ParseGalleryOptions(Case.Args, 7, Options, Error), Case.Valid);
  if (!Case.Valid) {
    EXPECT_FALSE(Error.empty());
    return;
  }
  EXPECT_EQ(Options.Page, Case.Page);
  EXPECT_EQ(Options.Skin, Case.Skin);
  EXPECT_EQ(Options.Help, Case.Help);
  EXPECT_EQ(Options.DumpControls, Case.Dump);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GalleryOptions,
    ::testing::Values(
        OptionsCase{{}, true, 0, 0, false}, OptionsCase{{L"--page", L"3"}, true, 2, 0, false},
        OptionsCase{{L"--skin", L"dark", L"--page", L"7"}, true, 6, 1, false},
        OptionsCase{{L"--skin", L"NONE"}, true, 0, 2, false},
        OptionsCase{{L"--skin", L"default"}, true, 0, 0, false}, OptionsCase{{L"--help"}, true, 0, 0, true},
        OptionsCase{
            {L"--dump-controls", L"Z:\\tmp\\c.txt", L"--page", L"2"}, true, 1, 0, false, L"Z:\\tmp\\c.txt"},
        OptionsCase{{L"--dump-controls", L""}, false}, OptionsCase{{L"--dump-controls"}, false},
        OptionsCase{{L"/?"}, true, 0, 0, true},
        // Pages outside 1..7, numbers that are not, values that are missing.
        OptionsCase{{L"--page", L"0"}, false}, OptionsCase{{L"--page", L"8"}, false},
        OptionsCase{{L"--page", L"-1"}, false}, OptionsCase{{L"--page", L"2x"}, false},
        OptionsCase{{L"--page", L"99999999999999999999"}, false}, OptionsCase{{L"--page", L""}, false},
        OptionsCase{{L"--page"}, false}, OptionsCase{{L"--skin", L"blue"}, false},
        OptionsCase{{L"--skin"}, false}, OptionsCase{{L"--colour", L"red"}, false},
        OptionsCase{{L"3"}, false}));

TEST(GalleryUsage, NamesEveryOptionAndThePageRange) {
  const std::wstring Usage = GalleryUsage(7);
  for (const wchar_t* Part :
       {L"--page N", L"--skin", L"default|dark|none", L"1 to 7", L"--dump-controls FILE"})
    EXPECT_NE(Usage.find(Part), std::wstring::npos) << Part;
}

}  // namespace
