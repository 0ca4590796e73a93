#pragma once
// Loads a skin folder as it is handed to skinpack: its description and its bitmaps, decoded.

#include <map>
#include <set>
#include <string>

#include "framework/bmp/Bmp.h"

namespace skintest {

// The description as the engine reads it: sections found regardless of case, keys lower-cased, the
// first occurrence wins, comment and blank lines dropped.
class SkinIni {
 public:
  explicit SkinIni(const std::string& Text);
  bool HasSection(const std::string& Section) const;
  std::string Get(const std::string& Section, const std::string& Key) const;  // "" when absent
  int GetInt(const std::string& Section, const std::string& Key, int Def) const;
  std::set<std::string> Sections() const;  // lower-case

 private:
  std::map<std::string, std::map<std::string, std::string>> values_;
};

struct SkinFolder {
  std::string dir;
  std::string iniName;
  SkinIni ini{""};
  std::map<std::string, bmp::Image> bitmaps;  // by lower-case file name
  std::map<std::string, uint16_t> depths;
  int otherFiles = 0;

  // Throws std::runtime_error when the folder cannot be read or a bitmap does not decode.
  static SkinFolder Load(const std::string& Dir);
  // The bitmap an image key names, looked up like the archive does (lower case); nullptr if absent.
  const bmp::Image* Image(const std::string& Section, const std::string& Key) const;
};

std::string Lower(std::string S);
constexpr bmp::Rgb kKey = bmp::MakeRgb(255, 0, 255);

}  // namespace skintest
