// The codec against the classic coder's published output, byte for byte.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/package/LzhBuffers.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  EXPECT_TRUE(f.good()) << path;
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class LzhVectors : public ::testing::TestWithParam<const char*> {};

TEST_P(LzhVectors, PackGivesStoredBytesAndUnpackGivesText) {
  const std::string dir = PROJECT_SHARED_DIR "/testdata/lzhuf/";
  const auto text = ReadAll(dir + GetParam() + ".txt");
  const auto coded = ReadAll(dir + GetParam() + ".lzh");
  ASSERT_FALSE(text.empty());
  ASSERT_GT(coded.size(), 4u);

  EXPECT_EQ(LzhCompressBytes(text), coded);
  EXPECT_EQ(LzhDecompressBytes(coded), text);
}

INSTANTIATE_TEST_SUITE_P(Classic, LzhVectors, ::testing::Values("tempest", "hamlet"));

}  // namespace
