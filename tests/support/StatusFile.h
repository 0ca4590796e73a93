// The status file through which a demo program tells its real-input script what it shows: key=value
// lines, replaced whole so that the script never reads half a file.
#pragma once

#include <string>
#include <string_view>

namespace testsupport {

// Key=value lines, one per Put.
class TStatusLines {
 public:
  void Put(std::string_view Key, long long Value);
  const std::string& Text() const { return FText; }

 private:
  std::string FText;
};

// Writes Text to a file beside Path and moves it over Path; false when either step fails.
bool WriteStatusFile(const std::string& Path, const std::string& Text);

}  // namespace testsupport
