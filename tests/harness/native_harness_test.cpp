// Proves the host test setup: the shared test data is reachable and intact (line ends untouched).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Harness, SharedReferenceDataIsReachableWithItsLineEnds) {
  const std::string dir = PROJECT_SHARED_DIR "/testdata/lzhuf/";
  const std::string text = ReadAll(dir + "tempest.txt");
  ASSERT_EQ(text.size(), 16473u);
  EXPECT_NE(text.find("\r\n"), std::string::npos);
  const std::string coded = ReadAll(dir + "tempest.lzh");
  ASSERT_EQ(coded.size(), 8206u);
  const auto stored = static_cast<unsigned>(static_cast<unsigned char>(coded[0])) |
                      static_cast<unsigned>(static_cast<unsigned char>(coded[1])) << 8 |
                      static_cast<unsigned>(static_cast<unsigned char>(coded[2])) << 16 |
                      static_cast<unsigned>(static_cast<unsigned char>(coded[3])) << 24;
  EXPECT_EQ(stored, text.size());
}

}  // namespace
