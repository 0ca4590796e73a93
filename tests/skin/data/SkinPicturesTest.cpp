// Every picture a load leaves in the model of each shipped skin, read pixel by pixel, against the
// digest it had when the pictures were all made through device contexts: a change to how the load
// decodes, cuts or builds pictures must not change a single pixel of any element.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/bmp/BmpPixels.h"
#include "framework/core/Streams.h"
#include "skin/data/SkinData.h"
#include "tests/skin/data/TestSkins.h"

namespace {

// Size, format and every pixel's colour.
std::string Digest(TBitmap& B) {
  std::uint64_t H = 1469598103934665603ull;
  auto Add = [&](std::uint32_t V) {
    for (int I = 0; I < 4; ++I) H = (H ^ ((V >> (8 * I)) & 0xFF)) * 1099511628211ull;
  };
  Add(static_cast<std::uint32_t>(B.Width()));
  Add(static_cast<std::uint32_t>(B.Height()));
  Add(static_cast<std::uint32_t>(B.PixelFormat()));
  if (!B.Empty()) {
    const bmp::Image Image = B.ToImage();
    for (int Y = 0; Y < Image.height; ++Y)
      for (int X = 0; X < Image.width; ++X) Add(bmp::GetPixel(Image, X, Y));
  }
  char Text[17];
  std::snprintf(Text, sizeof Text, "%016llx", static_cast<unsigned long long>(H));
  return Text;
}

// Every picture of the model by a name of its own.
std::map<std::string, TBitmap*> Pictures(TSkinData& D) {
  std::map<std::string, TBitmap*> P;
  auto Put = [&](const std::string& Name, TBitmap* B) {
    if (B) P[Name] = B;
  };
  auto Element = [&](const std::string& Name, TDataSkinObject* E) {
    if (E) Put(Name, E->Bitmap.get());
  };
  auto Border = [&](const std::string& Name, TDataSkinBorder* E) {
    if (!E) return;
    Put(Name, E->Bitmap.get());
    Put(Name + ".2", E->Bitmap2.get());
  };
  const char* const Sides[] = {"Left", "Right", "Top", "Bottom"};
  for (int I = 0; I < 4; ++I) Border(Sides[I], D.Borders[static_cast<std::size_t>(I)].get());
  Element("Title", D.Title.get());
  Put("Button", D.Button->Bitmap.get());
  Put("Button.Check", D.Button->CheckBitmap.get());
  Put("Button.Radio", D.Button->RadioBitmap.get());
  for (const auto& B : D.SysButtons)
    if (B) Put("Sys." + B->Name, B->Bitmap.get());
  Border("Tab", D.Tab.get());
  Border("UpDownHorz", D.UpDownHorz.get());
  Border("UpDownVert", D.UpDownVert.get());
  Border("ComboButton", D.ComboButton.get());
  const std::pair<const char*, TDataSkinObject*> Others[] = {
      {"SunkEdge", D.SunkEdge.get()},
      {"ExtraImages", D.ExtraImages.get()},
      {"ComboxArrow", D.ComboxArrow.get()},
      {"GroupBoxEdge", D.GroupBoxEdge.get()},
      {"Toolbar", D.Toolbar.get()},
      {"ToolBars", D.ToolBars.get()},
      {"Progress", D.Progress.get()},
      {"ProgressChunk", D.ProgressChunk.get()},
      {"GroupBox", D.GroupBox.get()},
      {"StatusBarEdges", D.StatusBarEdges.get()},
      {"TabPane", D.TabPane.get()},
      {"Headerbar", D.Headerbar.get()},
      {"MenuBar", D.MenuBar.get()},
      {"MenuItem", D.MenuItem.get()},
      {"MenuBackground", D.MenuBackground.get()},
      {"Scrollbar", D.Scrollbar.get()},
      {"HorzScroll", D.HorzScroll.get()},
      {"VertScroll", D.VertScroll.get()},
      {"HorzScrollThumb", D.HorzScrollThumb.get()},
      {"VertScrollThumb", D.VertScrollThumb.get()},
      {"TrackbarThumbHorz", D.TrackbarThumbHorz.get()},
      {"TrackbarThumbVert", D.TrackbarThumbVert.get()},
      {"TrackbarThumbLeft", D.TrackbarThumbLeft.get()},
      {"TrackbarThumbRight", D.TrackbarThumbRight.get()},
      {"TrackbarThumbUp", D.TrackbarThumbUp.get()},
      {"TrackbarThumbDown", D.TrackbarThumbDown.get()},
      {"Track", D.Track.get()},
      {"TrackVert", D.TrackVert.get()},
  };
  for (const auto& [Name, E] : Others) Element(Name, E);
  return P;
}

struct TSkinCase {
  const char* Skin;                                           // folder under skins/
  std::vector<std::pair<const char*, const char*>> Expected;  // picture, digest
};

class SkinPictures : public ::testing::TestWithParam<TSkinCase> {};

void ExpectPictures(TSkinData& Data, const TSkinCase& Case) {
  std::map<std::string, TBitmap*> Got = Pictures(Data);
  for (const auto& [Name, Want] : Case.Expected) {
    const auto It = Got.find(Name);
    if (It == Got.end()) {
      ADD_FAILURE() << Name << " is missing";
      continue;
    }
    EXPECT_EQ(Digest(*It->second), Want) << Name;
    Got.erase(It);
  }
  for (const auto& [Name, B] : Got) ADD_FAILURE() << "{\"" << Name << "\", \"" << Digest(*B) << "\"},";
}

TEST_P(SkinPictures, EveryPictureKeepsItsPixels) {
  const TSkinCase& Case = GetParam();
  TSkinData Data(nullptr);
  PackSkinFolder(*Data.FSkinStream, String(PROJECT_SOURCE_DIR) + "/skins/" + Case.Skin);
  ASSERT_TRUE(Data.LoadSkin());
  ExpectPictures(Data, Case);
}

// Each step of a load run again on the model it built, with the steps it names before it, as the
// skin-load benchmark times them: the model must come out as the load made it, or the benchmark
// times work a load never does.
TEST_P(SkinPictures, EachLoadStepRunAgainKeepsThePictures) {
  const TSkinCase& Case = GetParam();
  TSkinData Data(nullptr);
  PackSkinFolder(*Data.FSkinStream, String(PROJECT_SOURCE_DIR) + "/skins/" + Case.Skin);
  const std::span<const TSkinData::TLoadStep> Steps = TSkinData::LoadSteps();
  ASSERT_TRUE(Data.LoadSkin([&] {
    for (std::size_t I = 0; I < Steps.size(); ++I) {
      const std::size_t First = Steps[I].RepeatFrom >= 0 ? static_cast<std::size_t>(Steps[I].RepeatFrom) : I;
      ASSERT_LE(First, I) << Steps[I].Name;
      for (int Round = 0; Round < 2; ++Round)
        for (std::size_t K = First; K <= I; ++K) Steps[K].Run(Data);
    }
  }));
  ExpectPictures(Data, Case);
}

const TSkinCase kSkins[] = {
    {"default",
     {
         {"Bottom", "623b812f0910ccc6"},
         {"Bottom.2", "c327e8bf29be1593"},
         {"Button", "77df971b5cb969a4"},
         {"Button.Check", "0e94c45309e0f7cf"},
         {"Button.Radio", "c0104e358caa0a9e"},
         {"ComboButton", "bf7d0ca8a9832a62"},
         {"ComboButton.2", "2d8582b48f7c6bfe"},
         {"ComboxArrow", "42ee728626df9c16"},
         {"ExtraImages", "dc1ba67e81e49e69"},
         {"Headerbar", "f39dd20de2426159"},
         {"HorzScroll", "a42a7462d7d27090"},
         {"HorzScrollThumb", "7c1b7d126d6d29bb"},
         {"Left", "bf9057fabdc2c0bd"},
         {"Left.2", "c327e8bf29be1593"},
         {"MenuBackground", "7c6956104ae7bb95"},
         {"MenuItem", "c50353c7a2d2ad5b"},
         {"Progress", "dd7a4a59bbcbd36a"},
         {"Right", "878e20bd48fe358d"},
         {"Right.2", "c327e8bf29be1593"},
         {"Scrollbar", "95e282d8457f4284"},
         {"StatusBarEdges", "59f640dafdd049d7"},
         {"Sys.BUTTON0", "435e22ca5e72ff29"},
         {"Sys.BUTTON1", "531d62e8e57fab69"},
         {"Sys.BUTTON2", "7c9faacc8f5d5b13"},
         {"Sys.BUTTON3", "ea9e41ce8264cd11"},
         {"Sys.BUTTON4", "fb802836e28ea191"},
         {"Sys.BUTTON5", "4a2fb0bf76b75759"},
         {"Sys.MDICONTROLS0", "6d0960e98e73afb3"},
         {"Sys.MDICONTROLS1", "5de20f94c97aa008"},
         {"Sys.MDICONTROLS2", "f6f1f34a9cc14a3b"},
         {"Tab", "3a03fea4f921bf7e"},
         {"Tab.2", "2ae6bcb30a38d125"},
         {"TabPane", "7892ee49613f27af"},
         {"Title", "1abebf74f3aec04c"},
         {"Toolbar", "aab21dd8e1f349ef"},
         {"Top", "f22ad5214eb77580"},
         {"Top.2", "c327e8bf29be1593"},
         {"Track", "26de82aadeeda8a8"},
         {"TrackVert", "1e45d975debd7fe1"},
         {"TrackbarThumbDown", "f48a375388f7860c"},
         {"TrackbarThumbHorz", "f48a375388f7860c"},
         {"UpDownHorz", "9d3e497d0770fb85"},
         {"UpDownHorz.2", "c327e8bf29be1593"},
         {"UpDownVert", "b24672ffd26d7cdf"},
         {"UpDownVert.2", "c327e8bf29be1593"},
         {"VertScroll", "efada21463ddc390"},
         {"VertScrollThumb", "7c1b7d126d6d29bb"},
     }},
    {"dark",
     {
         {"Bottom", "0909940597e95504"},
         {"Bottom.2", "c327e8bf29be1593"},
         {"Button", "14aa460e8ebcd74c"},
         {"Button.Check", "e470f406b3785d8f"},
         {"Button.Radio", "2c9d7f22602cdea8"},
         {"ComboButton", "7d64fd50932a4038"},
         {"ComboButton.2", "23153f47012908bc"},
         {"ComboxArrow", "2399708014efe350"},
         {"ExtraImages", "aa23169db55e8905"},
         {"Headerbar", "05041b1577ec16e1"},
         {"HorzScroll", "7178b51e893575f0"},
         {"HorzScrollThumb", "c9c03933b0a93828"},
         {"Left", "ef463f3278a659c9"},
         {"Left.2", "c327e8bf29be1593"},
         {"MenuBackground", "bcaf03018a6732bd"},
         {"MenuItem", "24ed69d2659db15b"},
         {"Progress", "d0ddb6e1b3c6baca"},
         {"Right", "aed6e53a629daf7d"},
         {"Right.2", "c327e8bf29be1593"},
         {"Scrollbar", "419729d2ce8a5d94"},
         {"StatusBarEdges", "f83f4d668f916df3"},
         {"Sys.BUTTON0", "fb181b658171f219"},
         {"Sys.BUTTON1", "16331d26001a11a9"},
         {"Sys.BUTTON2", "f90bcc9050d06401"},
         {"Sys.BUTTON3", "00ec2e329c326835"},
         {"Sys.BUTTON4", "fb802836e28ea191"},
         {"Sys.BUTTON5", "313d3d86e6838411"},
         {"Sys.MDICONTROLS0", "414c3dfa1ba5125b"},
         {"Sys.MDICONTROLS1", "7548506bcf4a3fd3"},
         {"Sys.MDICONTROLS2", "ed070f385a81325b"},
         {"Tab", "3aac067043bca7d6"},
         {"Tab.2", "9ef0cc0754da1255"},
         {"TabPane", "310ab1c5b70cfacd"},
         {"Title", "930bc249b30b6794"},
         {"Toolbar", "c0991e6498a8213b"},
         {"Top", "00274dbf47ffa65c"},
         {"Top.2", "c327e8bf29be1593"},
         {"Track", "596d5045ad7507ac"},
         {"TrackVert", "1e45d975debd7fe1"},
         {"TrackbarThumbDown", "a5f9dfeaec4a4eca"},
         {"TrackbarThumbHorz", "a5f9dfeaec4a4eca"},
         {"UpDownHorz", "dfc80490f3c4721d"},
         {"UpDownHorz.2", "c327e8bf29be1593"},
         {"UpDownVert", "361cb7777b0d4af7"},
         {"UpDownVert.2", "c327e8bf29be1593"},
         {"VertScroll", "19e0a6d9dc94b170"},
         {"VertScrollThumb", "c9c03933b0a93828"},
     }},
};

INSTANTIATE_TEST_SUITE_P(Shipped, SkinPictures, ::testing::ValuesIn(kSkins),
                         [](const auto& Info) { return std::string(Info.param.Skin); });

}  // namespace
