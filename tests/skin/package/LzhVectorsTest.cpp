// The codec against the classic coder's published output, byte for byte.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/package/LzhBuffers.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& Path) {
  std::ifstream F(Path, std::ios::binary);
  EXPECT_TRUE(F.good()) << Path;
  return {std::istreambuf_iterator<char>(F), std::istreambuf_iterator<char>()};
}

class LzhVectors : public ::testing::TestWithParam<const char*> {};

TEST_P(LzhVectors, PackGivesStoredBytesAndUnpackGivesText) {
  const std::string Dir = PROJECT_SHARED_DIR "/testdata/lzhuf/";
  const auto Text = ReadAll(Dir + GetParam() + ".txt");
  const auto Coded = ReadAll(Dir + GetParam() + ".lzh");
  ASSERT_FALSE(Text.empty());
  ASSERT_GT(Coded.size(), 4u);

  EXPECT_EQ(LzhCompressBytes(Text), Coded);
  EXPECT_EQ(LzhDecompressBytes(Coded), Text);
}

INSTANTIATE_TEST_SUITE_P(Classic, LzhVectors, ::testing::Values("tempest", "hamlet"));

}  // namespace
