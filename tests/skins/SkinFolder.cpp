#include "tests/skins/SkinFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace skintest {

std::string Lower(std::string S) {
  std::transform(S.begin(), S.end(), S.begin(), [](unsigned char C) { return char(std::tolower(C)); });
  return S;
}

namespace {

std::string Trim(const std::string& S) {
  size_t B = 0, E = S.size();
  while (B < E && static_cast<unsigned char>(S[B]) < 33) ++B;
  while (E > B && static_cast<unsigned char>(S[E - 1]) < 33) --E;
  return S.substr(B, E - B);
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + Path.string());
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

}  // namespace

SkinIni::SkinIni(const std::string& Text) {
  std::istringstream Lines(Text);
  std::string Line, Section;
  bool InSection = false;
  std::set<std::string> Seen;
  while (std::getline(Lines, Line)) {
    Line = Trim(Line);
    if (Line.empty() || Line[0] == ';') continue;
    if (Line.front() == '[' && Line.back() == ']') {
      Section = Lower(Line.substr(1, Line.size() - 2));
      // A repeated section is searched only in its first occurrence.
      InSection = Seen.insert(Section).second;
      values_[Section];
      continue;
    }
    const size_t Eq = Line.find('=');
    if (!InSection || Eq == std::string::npos) continue;
    values_[Section].emplace(Lower(Trim(Line.substr(0, Eq))), Trim(Line.substr(Eq + 1)));
  }
}

bool SkinIni::HasSection(const std::string& Section) const {
  return values_.count(Lower(Section)) != 0;
}

std::string SkinIni::Get(const std::string& Section, const std::string& Key) const {
  auto S = values_.find(Lower(Section));
  if (S == values_.end()) return "";
  auto K = S->second.find(Lower(Key));
  return K == S->second.end() ? "" : K->second;
}

int SkinIni::GetInt(const std::string& Section, const std::string& Key, int Def) const {
  const std::string V = Get(Section, Key);
  try {
    size_t Used = 0;
    const int N = std::stoi(V, &Used);
    return Used == V.size() ? N : Def;
  } catch (const std::exception&) {
    return Def;
  }
}

std::set<std::string> SkinIni::Sections() const {
  std::set<std::string> Out;
  for (const auto& [name, keys] : values_) Out.insert(name);
  return Out;
}

SkinFolder SkinFolder::Load(const std::string& Dir) {
  SkinFolder F;
  F.dir = Dir;
  for (const auto& Entry : std::filesystem::directory_iterator(Dir)) {
    if (!Entry.is_regular_file()) continue;
    const std::string Name = Entry.path().filename().string();
    const std::string LowerName = Lower(Name);
    if (LowerName.find(".ini") != std::string::npos) {
      if (!F.iniName.empty()) throw std::runtime_error("two descriptions in " + Dir);
      F.iniName = Name;
      const auto Bytes = ReadAll(Entry.path());
      F.ini = SkinIni(std::string(Bytes.begin(), Bytes.end()));
    } else if (LowerName.size() > 4 && LowerName.substr(LowerName.size() - 4) == ".bmp") {
      const auto Bytes = ReadAll(Entry.path());
      F.bitmaps.emplace(LowerName, bmp::Decode(Bytes));
      F.depths[LowerName] = F.bitmaps.at(LowerName).bitCount;
    } else {
      ++F.otherFiles;
    }
  }
  return F;
}

const bmp::Image* SkinFolder::Image(const std::string& Section, const std::string& Key) const {
  auto It = bitmaps.find(Lower(ini.Get(Section, Key)));
  return It == bitmaps.end() ? nullptr : &It->second;
}

}  // namespace skintest
