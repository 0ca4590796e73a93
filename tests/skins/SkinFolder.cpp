#include "tests/skins/SkinFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace skintest {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) < 33) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) < 33) --e;
  return s.substr(b, e - b);
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

SkinIni::SkinIni(const std::string& text) {
  std::istringstream lines(text);
  std::string line, section;
  bool inSection = false;
  std::set<std::string> seen;
  while (std::getline(lines, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Lower(line.substr(1, line.size() - 2));
      // A repeated section is searched only in its first occurrence.
      inSection = seen.insert(section).second;
      values_[section];
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    values_[section].emplace(Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
  }
}

bool SkinIni::HasSection(const std::string& section) const {
  return values_.count(Lower(section)) != 0;
}

std::string SkinIni::Get(const std::string& section, const std::string& key) const {
  auto s = values_.find(Lower(section));
  if (s == values_.end()) return "";
  auto k = s->second.find(Lower(key));
  return k == s->second.end() ? "" : k->second;
}

int SkinIni::GetInt(const std::string& section, const std::string& key, int def) const {
  const std::string v = Get(section, key);
  try {
    size_t used = 0;
    const int n = std::stoi(v, &used);
    return used == v.size() ? n : def;
  } catch (const std::exception&) {
    return def;
  }
}

std::set<std::string> SkinIni::Sections() const {
  std::set<std::string> out;
  for (const auto& [name, keys] : values_) out.insert(name);
  return out;
}

SkinFolder SkinFolder::Load(const std::string& dir) {
  SkinFolder f;
  f.dir = dir;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const std::string lower = Lower(name);
    if (lower.find(".ini") != std::string::npos) {
      if (!f.iniName.empty()) throw std::runtime_error("two descriptions in " + dir);
      f.iniName = name;
      const auto bytes = ReadAll(entry.path());
      f.ini = SkinIni(std::string(bytes.begin(), bytes.end()));
    } else if (lower.size() > 4 && lower.substr(lower.size() - 4) == ".bmp") {
      const auto bytes = ReadAll(entry.path());
      f.bitmaps.emplace(lower, bmp::Decode(bytes));
      f.depths[lower] = f.bitmaps.at(lower).bitCount;
    } else {
      ++f.otherFiles;
    }
  }
  return f;
}

const bmp::Image* SkinFolder::Image(const std::string& section, const std::string& key) const {
  auto it = bitmaps.find(Lower(ini.Get(section, key)));
  return it == bitmaps.end() ? nullptr : &it->second;
}

}  // namespace skintest
