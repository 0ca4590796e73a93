// The INI store: loading rules, case rules, reads with defaults, writes that keep the section
// table right, saving and the compressed files.

#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "skin/package/QuickIni.h"

namespace {

void LoadText(TQuickIni& Ini, const std::string& Text) {
  TMemoryStream S;
  S.WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
  S.SetPosition(0);
  Ini.LoadFromStream(&S);
}

std::string Saved(const TQuickIni& Ini) {
  TMemoryStream S;
  Ini.SaveToStream(&S);
  return std::string(S.Bytes().begin(), S.Bytes().end());
}

// Every section-table entry must name its own header line.
void ExpectTableConsistent(const TQuickIni& Ini) {
  for (int I = 0; I < Ini.Sections().Count(); ++I) {
    const int Line = Ini.SectionLine(I);
    ASSERT_GE(Line, 0);
    ASSERT_LT(Line, Ini.Lines().Count());
    EXPECT_EQ(Ini.Lines().Get(Line), Ini.Sections().Get(I)) << I;
  }
}

TEST(QuickIniLoad, LineEndsTrimmingCommentsAndNulStop) {
  TQuickIni Ini;
  LoadText(Ini, std::string(
                    "  ; comment\r\n\t[A]  \r\n\r\nk1 = v1 \nk2=v2\r\r\n; x\n[B]\x01\nk=v;not a comment\n") +
                    std::string("last=1\0after=2\n", 16));
  const std::vector<String> Expected = {"[A]", "k1 = v1", "k2=v2", "[B]", "k=v;not a comment", "last=1"};
  ASSERT_EQ(Ini.Lines().Count(), static_cast<int>(Expected.size()));
  for (size_t I = 0; I < Expected.size(); ++I) EXPECT_EQ(Ini.Lines().Get(static_cast<int>(I)), Expected[I]);
  EXPECT_EQ(Ini.Sections().Count(), 2);
  EXPECT_EQ(Ini.GetSectionIndex("B"), 3);
  EXPECT_EQ(Ini.ReadString("B", "k", ""), "v;not a comment");
  ExpectTableConsistent(Ini);

  TQuickIni Kept;
  LoadText(Kept, "[X]\na=1\n");
  Kept.LoadFromStream(nullptr);
  EXPECT_EQ(Kept.ReadInteger("X", "a", 0), 1);
}

TEST(QuickIniLoad, LoadsFromTheStreamPositionOn) {
  TQuickIni Ini;
  TMemoryStream Source;
  Source.WriteBuffer("[skip]\n[S]\na=5\n", 15);
  Source.SetPosition(7);
  Ini.LoadFromStream(&Source);
  EXPECT_EQ(Ini.GetSectionIndex("skip"), -1);
  EXPECT_EQ(Ini.ReadInteger("S", "a", 0), 5);
}

TEST(QuickIniCase, SectionsIgnoreCaseKeysAreLowerCasedBracketsNotTrimmed) {
  TQuickIni Ini;
  LoadText(Ini, "[buttons]\nRightwidth=3\n[ Spaced ]\nx=1\n");
  for (const char* S : {"Buttons", "BUTTONS", "buttons"})
    EXPECT_EQ(Ini.ReadInteger(S, "RightWidth", 0), 3) << S;
  EXPECT_EQ(Ini.ReadInteger("Buttons", "rightwidth", 0), 3);
  EXPECT_EQ(Ini.ReadInteger("Spaced", "x", 0), 0);
  EXPECT_EQ(Ini.ReadInteger(" Spaced ", "x", 0), 1);
}

TEST(QuickIniRead, DefaultsDuplicatesAndValues) {
  TQuickIni Ini;
  LoadText(Ini,
           "[S]\nempty=\n  spaced  =  a = b  \ndup=first\ndup=second\nnoequals\n[S]\nonly=second section\n"
           "[N]\nhex=0x1F\nHEX2=0X10\nbare=0x\nneg=-12\ndollar=$ff\nword=abc\nbig=99999999999\n");
  EXPECT_EQ(Ini.ReadString("S", "empty", "def"), "def");
  EXPECT_EQ(Ini.ReadString("S", "spaced", ""), "a = b");
  EXPECT_EQ(Ini.ReadString("S", "dup", ""), "first");
  EXPECT_EQ(Ini.ReadString("S", "only", "absent"), "absent");  // only the first [S] is searched
  EXPECT_EQ(Ini.ReadString("S", "", "d"), "d");
  EXPECT_EQ(Ini.ReadString("Missing", "x", "d"), "d");
  EXPECT_EQ(Ini.ReadInteger("N", "hex", 0), 31);
  EXPECT_EQ(Ini.ReadInteger("N", "hex2", 0), 16);
  EXPECT_EQ(Ini.ReadInteger("N", "bare", 7), 7);
  EXPECT_EQ(Ini.ReadInteger("N", "neg", 0), -12);
  EXPECT_EQ(Ini.ReadInteger("N", "dollar", 0), 255);
  EXPECT_EQ(Ini.ReadInteger("N", "word", 9), 9);
  EXPECT_EQ(Ini.ReadInteger("N", "big", 9), 9);
  EXPECT_TRUE(Ini.ReadBool("N", "neg", false));
  EXPECT_FALSE(Ini.ReadBool("N", "word", false));
  EXPECT_TRUE(Ini.ReadBool("N", "missing", true));

  TQuickIni None;
  EXPECT_EQ(None.ReadString("S", "k", "d"), "d");
}

TEST(QuickIniRead, SectionListings) {
  TQuickIni Ini;
  LoadText(Ini, "[A]\nOne=1\nnoequals\n=x\nTwo=2\n[ B ]\n[A]\nThree=3\n");
  TStringList Names, Values, Sections;
  Ini.ReadSection("a", Names);
  ASSERT_EQ(Names.Count(), 2);
  EXPECT_EQ(Names.Get(0), "one");
  EXPECT_EQ(Names.Get(1), "two");
  Ini.ReadSectionValues("A", Values);
  ASSERT_EQ(Values.Count(), 4);
  EXPECT_EQ(Values.Get(1), "noequals");
  Ini.ReadSections(Sections);
  ASSERT_EQ(Sections.Count(), 3);
  EXPECT_EQ(Sections.Get(1), "B");
  EXPECT_EQ(Sections.Get(2), "A");
  EXPECT_EQ(Sections.Objects(0), nullptr);
  Names.Add("stale");
  Ini.ReadSection("none", Names);
  EXPECT_EQ(Names.Count(), 0);
}

TEST(QuickIniWrite, InsertBeforeTheNextSectionKeepsEverySectionReadable) {
  TQuickIni Ini;
  LoadText(Ini, "[A]\na1=1\n[B]\nb1=2\n[C]\nc1=3\n");
  Ini.WriteString("A", "NewKey", "x");
  Ini.WriteInteger("B", "b2", -5);
  Ini.WriteBool("B", "flag", true);
  ExpectTableConsistent(Ini);
  EXPECT_EQ(Ini.ReadString("A", "newkey", ""), "x");
  EXPECT_EQ(Ini.ReadInteger("A", "a1", 0), 1);
  EXPECT_EQ(Ini.ReadInteger("B", "b1", 0), 2);
  EXPECT_EQ(Ini.ReadInteger("B", "b2", 0), -5);
  EXPECT_TRUE(Ini.ReadBool("B", "flag", false));
  EXPECT_EQ(Ini.ReadInteger("C", "c1", 0), 3);
  EXPECT_EQ(Saved(Ini), "[A]\r\na1=1\r\nNewKey=x\r\n[B]\r\nb1=2\r\nb2=-5\r\nflag=1\r\n[C]\r\nc1=3\r\n");
}

TEST(QuickIniWrite, ReplaceAppendNewSectionAndEmptyKey) {
  TQuickIni Ini;
  LoadText(Ini, "[A]\nKey=old\n");
  Ini.WriteString("A", "KEY", "new");
  Ini.WriteString("A", "tail", "t");  // last section: appended at the end
  Ini.WriteString("New", "k", "v");   // new section at the end, no blank line
  Ini.WriteString("Other", "", "ignored");
  Ini.WriteString("A", "", "ignored");
  ExpectTableConsistent(Ini);
  EXPECT_EQ(Saved(Ini), "[A]\r\nKEY=new\r\ntail=t\r\n[New]\r\nk=v\r\n[Other]\r\n");
  EXPECT_EQ(Ini.ReadString("new", "K", ""), "v");
}

TEST(QuickIniWrite, DeleteKeyAndEraseSection) {
  TQuickIni Ini;
  LoadText(Ini, "[A]\na=1\n[B]\nb=2\nb2=3\n[C]\nc=4\n");
  Ini.DeleteKey("B", "B");
  Ini.DeleteKey("B", "missing");
  Ini.DeleteKey("Missing", "b2");
  ExpectTableConsistent(Ini);
  EXPECT_EQ(Ini.ReadString("B", "b", "gone"), "gone");
  EXPECT_EQ(Ini.ReadInteger("B", "b2", 0), 3);

  Ini.EraseSection("b");
  ExpectTableConsistent(Ini);
  EXPECT_EQ(Ini.GetSectionIndex("B"), -1);
  EXPECT_EQ(Ini.ReadInteger("A", "a", 0), 1);
  EXPECT_EQ(Ini.ReadInteger("C", "c", 0), 4);
  EXPECT_EQ(Saved(Ini), "[A]\r\na=1\r\n\r\n[C]\r\nc=4\r\n");

  Ini.EraseSection("A");  // at line 0: no blank line left behind
  ExpectTableConsistent(Ini);
  EXPECT_EQ(Saved(Ini), "[C]\r\nc=4\r\n");  // the blank line went with the section above it
  Ini.EraseSection("Missing");
  EXPECT_EQ(Ini.ReadInteger("C", "c", 0), 4);
}

TEST(QuickIniLines, SetIniFileKeepsLinesAsGiven) {
  TStringList Given;
  Given.Add("[A]");
  Given.Add("  key = v ");
  Given.Add(" [B]");  // not a header for the table (checked as stored), yet ends section A
  Given.Add("; kept");
  TQuickIni Ini;
  Ini.SetIniFile(&Given);
  EXPECT_EQ(Ini.Lines().Count(), 4);
  EXPECT_EQ(Ini.Sections().Count(), 1);
  EXPECT_EQ(Ini.ReadString("A", "KEY", ""), "v");
  EXPECT_EQ(Ini.GetSectionIndex("B"), -1);
  Ini.SetIniFile(nullptr);
  EXPECT_EQ(Ini.Lines().Count(), 0);
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
  const TChangeCase& C = GetParam();
  TQuickIni Ini;
  LoadText(Ini, "[A]\nk=1\n[B]\nk=2\n");
  ASSERT_EQ(Ini.ReadString("A", "k", ""), "1");
  ASSERT_EQ(Ini.ReadString("B", "k", ""), "2");
  C.Change(Ini);
  EXPECT_EQ(Ini.ReadString(C.Section, C.Key, "none"), C.Expected);
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
  TQuickIni Ini;
  LoadText(Ini, "[Colours]\ncsText=0x1F\n[Fonts]\nFontHeight=12\n");
  Ini.SetFileName("unused.ini");
  const String Dir = ::testing::TempDir();
  Ini.SaveToFile(Dir + "quickini_plain.ini");
  Ini.SavetoZip(Dir + "quickini_packed.ini");

  TQuickIni Plain, Packed;
  Plain.LoadFromFile(Dir + "quickini_plain.ini");
  Packed.LoadFromZip(Dir + "quickini_packed.ini");
  EXPECT_EQ(Saved(Plain), Saved(Ini));
  EXPECT_EQ(Saved(Packed), Saved(Ini));
  EXPECT_EQ(Packed.ReadInteger("fonts", "fontheight", 0), 12);

  TMemoryStream Raw;  // the compressed file is a length-prefixed LZH stream
  Raw.LoadFromFile(Dir + "quickini_packed.ini");
  EXPECT_EQ(Raw.ReadInt32(), static_cast<int32_t>(Saved(Ini).size()));

  EXPECT_THROW(Plain.LoadFromFile(Dir + "no_such.ini"), EFOpenError);
  EXPECT_THROW(Plain.LoadFromZip(Dir + "no_such.ini"), EFOpenError);
}

}  // namespace
