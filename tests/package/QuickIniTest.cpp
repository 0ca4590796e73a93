// The INI store: loading rules, case rules, reads with defaults, writes that keep the section
// table right, saving and the compressed files.

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "skin/package/QuickIni.h"

namespace {

void LoadText(TQuickIni& ini, const std::string& text) {
  TMemoryStream s;
  s.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  s.SetPosition(0);
  ini.LoadFromStream(&s);
}

std::string Saved(const TQuickIni& ini) {
  TMemoryStream s;
  ini.SaveToStream(&s);
  return std::string(s.Bytes().begin(), s.Bytes().end());
}

// Every section-table entry must name its own header line.
void ExpectTableConsistent(const TQuickIni& ini) {
  for (int i = 0; i < ini.Sections().Count(); ++i) {
    const int line = ini.SectionLine(i);
    ASSERT_GE(line, 0);
    ASSERT_LT(line, ini.Lines().Count());
    EXPECT_EQ(ini.Lines().Get(line), ini.Sections().Get(i)) << i;
  }
}

TEST(QuickIniLoad, LineEndsTrimmingCommentsAndNulStop) {
  TQuickIni ini;
  LoadText(ini, std::string(
                    "  ; comment\r\n\t[A]  \r\n\r\nk1 = v1 \nk2=v2\r\r\n; x\n[B]\x01\nk=v;not a comment\n") +
                    std::string("last=1\0after=2\n", 16));
  const std::vector<String> expected = {"[A]", "k1 = v1", "k2=v2", "[B]", "k=v;not a comment", "last=1"};
  ASSERT_EQ(ini.Lines().Count(), static_cast<int>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(ini.Lines().Get(static_cast<int>(i)), expected[i]);
  EXPECT_EQ(ini.Sections().Count(), 2);
  EXPECT_EQ(ini.GetSectionIndex("B"), 3);
  EXPECT_EQ(ini.ReadString("B", "k", ""), "v;not a comment");
  ExpectTableConsistent(ini);

  TQuickIni kept;
  LoadText(kept, "[X]\na=1\n");
  kept.LoadFromStream(nullptr);
  EXPECT_EQ(kept.ReadInteger("X", "a", 0), 1);
}

TEST(QuickIniLoad, LoadsFromTheStreamPositionOn) {
  TQuickIni ini;
  TMemoryStream s;
  s.WriteBuffer("[skip]\n[S]\na=5\n", 15);
  s.SetPosition(7);
  ini.LoadFromStream(&s);
  EXPECT_EQ(ini.GetSectionIndex("skip"), -1);
  EXPECT_EQ(ini.ReadInteger("S", "a", 0), 5);
}

TEST(QuickIniCase, SectionsIgnoreCaseKeysAreLowerCasedBracketsNotTrimmed) {
  TQuickIni ini;
  LoadText(ini, "[buttons]\nRightwidth=3\n[ Spaced ]\nx=1\n");
  for (const char* s : {"Buttons", "BUTTONS", "buttons"})
    EXPECT_EQ(ini.ReadInteger(s, "RightWidth", 0), 3) << s;
  EXPECT_EQ(ini.ReadInteger("Buttons", "rightwidth", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Spaced", "x", 0), 0);
  EXPECT_EQ(ini.ReadInteger(" Spaced ", "x", 0), 1);
}

TEST(QuickIniRead, DefaultsDuplicatesAndValues) {
  TQuickIni ini;
  LoadText(ini,
           "[S]\nempty=\n  spaced  =  a = b  \ndup=first\ndup=second\nnoequals\n[S]\nonly=second section\n"
           "[N]\nhex=0x1F\nHEX2=0X10\nbare=0x\nneg=-12\ndollar=$ff\nword=abc\nbig=99999999999\n");
  EXPECT_EQ(ini.ReadString("S", "empty", "def"), "def");
  EXPECT_EQ(ini.ReadString("S", "spaced", ""), "a = b");
  EXPECT_EQ(ini.ReadString("S", "dup", ""), "first");
  EXPECT_EQ(ini.ReadString("S", "only", "absent"), "absent");  // only the first [S] is searched
  EXPECT_EQ(ini.ReadString("S", "", "d"), "d");
  EXPECT_EQ(ini.ReadString("Missing", "x", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("N", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "hex2", 0), 16);
  EXPECT_EQ(ini.ReadInteger("N", "bare", 7), 7);
  EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", 0), 255);
  EXPECT_EQ(ini.ReadInteger("N", "word", 9), 9);
  EXPECT_EQ(ini.ReadInteger("N", "big", 9), 9);
  EXPECT_TRUE(ini.ReadBool("N", "neg", false));
  EXPECT_FALSE(ini.ReadBool("N", "word", false));
  EXPECT_TRUE(ini.ReadBool("N", "missing", true));

  TQuickIni none;
  EXPECT_EQ(none.ReadString("S", "k", "d"), "d");
}

TEST(QuickIniRead, SectionListings) {
  TQuickIni ini;
  LoadText(ini, "[A]\nOne=1\nnoequals\n=x\nTwo=2\n[ B ]\n[A]\nThree=3\n");
  TStringList names, values, sections;
  ini.ReadSection("a", names);
  ASSERT_EQ(names.Count(), 2);
  EXPECT_EQ(names.Get(0), "one");
  EXPECT_EQ(names.Get(1), "two");
  ini.ReadSectionValues("A", values);
  ASSERT_EQ(values.Count(), 4);
  EXPECT_EQ(values.Get(1), "noequals");
  ini.ReadSections(sections);
  ASSERT_EQ(sections.Count(), 3);
  EXPECT_EQ(sections.Get(1), "B");
  EXPECT_EQ(sections.Get(2), "A");
  EXPECT_EQ(sections.Objects(0), nullptr);
  names.Add("stale");
  ini.ReadSection("none", names);
  EXPECT_EQ(names.Count(), 0);
}

TEST(QuickIniWrite, InsertBeforeTheNextSectionKeepsEverySectionReadable) {
  TQuickIni ini;
  LoadText(ini, "[A]\na1=1\n[B]\nb1=2\n[C]\nc1=3\n");
  ini.WriteString("A", "NewKey", "x");
  ini.WriteInteger("B", "b2", -5);
  ini.WriteBool("B", "flag", true);
  ExpectTableConsistent(ini);
  EXPECT_EQ(ini.ReadString("A", "newkey", ""), "x");
  EXPECT_EQ(ini.ReadInteger("A", "a1", 0), 1);
  EXPECT_EQ(ini.ReadInteger("B", "b1", 0), 2);
  EXPECT_EQ(ini.ReadInteger("B", "b2", 0), -5);
  EXPECT_TRUE(ini.ReadBool("B", "flag", false));
  EXPECT_EQ(ini.ReadInteger("C", "c1", 0), 3);
  EXPECT_EQ(Saved(ini), "[A]\r\na1=1\r\nNewKey=x\r\n[B]\r\nb1=2\r\nb2=-5\r\nflag=1\r\n[C]\r\nc1=3\r\n");
}

TEST(QuickIniWrite, ReplaceAppendNewSectionAndEmptyKey) {
  TQuickIni ini;
  LoadText(ini, "[A]\nKey=old\n");
  ini.WriteString("A", "KEY", "new");
  ini.WriteString("A", "tail", "t");  // last section: appended at the end
  ini.WriteString("New", "k", "v");   // new section at the end, no blank line
  ini.WriteString("Other", "", "ignored");
  ini.WriteString("A", "", "ignored");
  ExpectTableConsistent(ini);
  EXPECT_EQ(Saved(ini), "[A]\r\nKEY=new\r\ntail=t\r\n[New]\r\nk=v\r\n[Other]\r\n");
  EXPECT_EQ(ini.ReadString("new", "K", ""), "v");
}

TEST(QuickIniWrite, DeleteKeyAndEraseSection) {
  TQuickIni ini;
  LoadText(ini, "[A]\na=1\n[B]\nb=2\nb2=3\n[C]\nc=4\n");
  ini.DeleteKey("B", "B");
  ini.DeleteKey("B", "missing");
  ini.DeleteKey("Missing", "b2");
  ExpectTableConsistent(ini);
  EXPECT_EQ(ini.ReadString("B", "b", "gone"), "gone");
  EXPECT_EQ(ini.ReadInteger("B", "b2", 0), 3);

  ini.EraseSection("b");
  ExpectTableConsistent(ini);
  EXPECT_EQ(ini.GetSectionIndex("B"), -1);
  EXPECT_EQ(ini.ReadInteger("A", "a", 0), 1);
  EXPECT_EQ(ini.ReadInteger("C", "c", 0), 4);
  EXPECT_EQ(Saved(ini), "[A]\r\na=1\r\n\r\n[C]\r\nc=4\r\n");

  ini.EraseSection("A");  // at line 0: no blank line left behind
  ExpectTableConsistent(ini);
  EXPECT_EQ(Saved(ini), "[C]\r\nc=4\r\n");  // the blank line went with the section above it
  ini.EraseSection("Missing");
  EXPECT_EQ(ini.ReadInteger("C", "c", 0), 4);
}

TEST(QuickIniLines, SetIniFileKeepsLinesAsGiven) {
  TStringList lines;
  lines.Add("[A]");
  lines.Add("  key = v ");
  lines.Add(" [B]");  // not a header for the table (checked as stored), yet ends section A
  lines.Add("; kept");
  TQuickIni ini;
  ini.SetIniFile(&lines);
  EXPECT_EQ(ini.Lines().Count(), 4);
  EXPECT_EQ(ini.Sections().Count(), 1);
  EXPECT_EQ(ini.ReadString("A", "KEY", ""), "v");
  EXPECT_EQ(ini.GetSectionIndex("B"), -1);
  ini.SetIniFile(nullptr);
  EXPECT_EQ(ini.Lines().Count(), 0);
}

// Reads are served from tables made on the first read: each kind of change must be seen by the
// next read even when a read came just before it.
struct TChangeCase {
  const char* Name;
  void (*Change)(TQuickIni&);
  const char* Section;
  const char* Key;
  const char* Expected;
};

class QuickIniChange : public ::testing::TestWithParam<TChangeCase> {};

TEST_P(QuickIniChange, TheNextReadSeesIt) {
  const TChangeCase& c = GetParam();
  TQuickIni ini;
  LoadText(ini, "[A]\nk=1\n[B]\nk=2\n");
  ASSERT_EQ(ini.ReadString("A", "k", ""), "1");
  ASSERT_EQ(ini.ReadString("B", "k", ""), "2");
  c.Change(ini);
  EXPECT_EQ(ini.ReadString(c.Section, c.Key, "none"), c.Expected);
}

const TChangeCase kChanges[] = {
    {"Replace", [](TQuickIni& I) { I.WriteString("A", "K", "9"); }, "A", "k", "9"},
    {"Insert", [](TQuickIni& I) { I.WriteString("A", "new", "5"); }, "A", "new", "5"},
    {"InsertKeepsNextSection", [](TQuickIni& I) { I.WriteString("A", "new", "5"); }, "B", "k", "2"},
    {"NewSection", [](TQuickIni& I) { I.WriteString("C", "x", "7"); }, "c", "X", "7"},
    {"DeleteKey", [](TQuickIni& I) { I.DeleteKey("A", "k"); }, "A", "k", "none"},
    {"EraseSection", [](TQuickIni& I) { I.EraseSection("A"); }, "B", "k", "2"},
    {"Erased", [](TQuickIni& I) { I.EraseSection("A"); }, "A", "k", "none"},
    {"Clear", [](TQuickIni& I) { I.Clear(); }, "A", "k", "none"},
    {"Reload", [](TQuickIni& I) { LoadText(I, "[A]\nk=3\n"); }, "A", "k", "3"},
    {"SetIniFile",
     [](TQuickIni& I) {
       TStringList L;
       L.Add("[b]");
       L.Add("k = 4");
       I.SetIniFile(&L);
     },
     "B", "k", "4"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, QuickIniChange, ::testing::ValuesIn(kChanges),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(QuickIniFiles, PlainAndCompressedFilesRoundTrip) {
  TQuickIni ini;
  LoadText(ini, "[Colours]\ncsText=0x1F\n[Fonts]\nFontHeight=12\n");
  ini.SetFileName("unused.ini");
  const String dir = ::testing::TempDir();
  ini.SaveToFile(dir + "quickini_plain.ini");
  ini.SavetoZip(dir + "quickini_packed.ini");

  TQuickIni plain, packed;
  plain.LoadFromFile(dir + "quickini_plain.ini");
  packed.LoadFromZip(dir + "quickini_packed.ini");
  EXPECT_EQ(Saved(plain), Saved(ini));
  EXPECT_EQ(Saved(packed), Saved(ini));
  EXPECT_EQ(packed.ReadInteger("fonts", "fontheight", 0), 12);

  TMemoryStream raw;  // the compressed file is a length-prefixed LZH stream
  raw.LoadFromFile(dir + "quickini_packed.ini");
  EXPECT_EQ(raw.ReadInt32(), static_cast<int32_t>(Saved(ini).size()));

  EXPECT_THROW(plain.LoadFromFile(dir + "no_such.ini"), EFOpenError);
  EXPECT_THROW(plain.LoadFromZip(dir + "no_such.ini"), EFOpenError);
}

}  // namespace
