// Proves the host test setup: the shared test data is reachable and intact (line ends untouched).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

TEST(Harness, SharedReferenceDataIsReachableWithItsLineEnds) {
  const std::string Dir = PROJECT_SHARED_DIR "/testdata/lzhuf/";
  const std::string Text = ReadAll(Dir + "tempest.txt");
  ASSERT_EQ(Text.size(), 16473u);
  EXPECT_NE(Text.find("\r\n"), std::string::npos);
  const std::string Coded = ReadAll(Dir + "tempest.lzh");
  ASSERT_EQ(Coded.size(), 8206u);
  const auto Stored = static_cast<unsigned>(static_cast<unsigned char>(Coded[0])) |
                      static_cast<unsigned>(static_cast<unsigned char>(Coded[1])) << 8 |
                      static_cast<unsigned>(static_cast<unsigned char>(Coded[2])) << 16 |
                      static_cast<unsigned>(static_cast<unsigned char>(Coded[3])) << 24;
  EXPECT_EQ(Stored, Text.size());
}

}  // namespace
