// The skin data component on real GDI: creation, properties, persistence, load pipeline, start-up.

#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "framework/core/Description.h"
#include "framework/core/TypInfo.h"
#include "skin/package/SkinNotify.h"
#include "tests/data/FakeSkinManager.h"
#include "tests/data/TestSkins.h"
#include "tests/support/Bitmaps.h"

namespace {

class TDataTestRoot : public TComponent {
  DECLARE_CLASS(TDataTestRoot, TComponent)

 public:
  using TComponent::TComponent;
  TSkinData* skndt1 = nullptr;
  static void Publish(TPublisher<TDataTestRoot>& P) { P.Field("skndt1", &TDataTestRoot::skndt1); }
};

const char kSmallIni[] =
    "[TitlebarSkin]\nSkinName=Small\n"
    "[Personality]\nLeft=left.bmp\nTop=top.bmp\nTopTopHeight=10\nTopBotHeight=19\nTopFrame=2\n"
    "TopStretch=5\nLeftTopHeight=7\nRight=right.BMP\nBottom=sub\\bottom.bmp\n"
    "[Colours]\nButtonFace=240 240 240\nHilight=1,2,\n"
    "[Colour1]\ncolor=255 0 0\n[Colour2]\nx=1\n"
    "[Customcolors]\nColor3=1 2 3\n";

void SmallSkin(TMemoryStream& Out) {
  // Top border: 9 x 8, two stacked frames of 4 rows; the caption colour is sampled at (3, 1).
  BuildSkinArchive(Out, kSmallIni,
                   {{"left.bmp", SolidBmp(4, 6, 0x112233)},
                    {"top.bmp", SolidBmp(9, 8, 0x445566, 3, 1, 0x0A0B0C)},
                    {"right.bmp", SolidBmp(4, 6, 0x778899)},
                    {"bottom.bmp", SolidBmp(5, 3, 0x010203)}});
}

String Hex(const TMemoryStream& S) {
  static const char digits[] = "0123456789ABCDEF";
  String out;
  for (std::uint8_t b : S.Bytes()) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

String LengthHex(std::int32_t N) {
  TMemoryStream s;
  s.WriteInt32(N);
  return Hex(s);
}

String Description(const String& Props, const String& StreamHex) {
  return "object Root: TDataTestRoot\n  object skndt1: TSkinData\n" + Props + "    SkinStream = {" +
         StreamHex + "}\n  end\nend\n";
}

std::vector<String> ShownMessages;

struct TRegisterClasses {
  TRegisterClasses() {
    RegisterComponentClasses<TDataTestRoot, TSkinData>();
    // The archive reader's message box would wait for a click.
    SetSkinMessageNotifier([](const String& Text) { ShownMessages.push_back(Text); });
  }
} registerClasses;

// The skin data notices Loaded's work through OnSkinChanged-free observation: a subclass that records
// what the model looked like when Loaded began.
class TProbeSkinData : public TSkinData {
  DECLARE_CLASS(TProbeSkinData, TSkinData)

 public:
  using TSkinData::TSkinData;
  bool ModelBeforeLoaded = false;
  void Loaded() override {
    ModelBeforeLoaded = !FNoSkin && !Borders[sbLeft]->Bitmap->Empty();
    TSkinData::Loaded();
  }
};

struct TRegisterProbe {
  TRegisterProbe() { RegisterComponentClasses<TProbeSkinData>(); }
} registerProbe;

}  // namespace

TEST(SkinDataCreation, PublishedPropertiesInOrderWithTheirInitialValues) {
  TSkinData data(nullptr);
  std::vector<String> names;
  for (const TPropInfo* p : data.ClassType().PropList()) names.push_back(p->Name);
  const std::vector<String> expected = {
      "Name",      "Tag",        "Active",        "DisableTag",    "SkinControls",     "Options",
      "Skin3rd",   "SkinFile",   "SkinStore",     "SkinFormtype",  "Version",          "MenuUpdate",
      "MenuMerge", "OnFormSkin", "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(GetEnumProp(&data, "Active"), "False");
  EXPECT_EQ(GetOrdProp(&data, "DisableTag"), 99);
  EXPECT_EQ(GetOrdProp(&data, "SkinControls"), 0x1FFFFB);
  EXPECT_EQ(GetOrdProp(&data, "Options"), 0x448);
  EXPECT_EQ(static_cast<TStrings*>(GetObjectProp(&data, "Skin3rd"))->Count(), 118);
  EXPECT_EQ(GetStrProp(&data, "SkinFile"), "");
  EXPECT_EQ(GetStrProp(&data, "SkinStore"), "(none)");
  EXPECT_EQ(GetEnumProp(&data, "SkinFormtype"), "sfMainform");
  EXPECT_EQ(GetStrProp(&data, "Version"), "5.60.03.29");
  EXPECT_EQ(GetEnumProp(&data, "MenuUpdate"), "True");
  EXPECT_EQ(GetEnumProp(&data, "MenuMerge"), "False");
  // No property of the component declares a default, so every one is written.
  for (const TPropInfo* p : data.ClassType().PropList()) {
    if (p->Name == "Tag") continue;
    EXPECT_FALSE(p->HasDefault) << p->Name;
  }
}

TEST(SkinDataCreation, EventTypesAndModelMembers) {
  TSkinData data(nullptr);
  EXPECT_EQ(*GetPropInfo(&data, "OnFormSkin")->Signature, typeid(void(TObject*, const String&, bool&)));
  EXPECT_EQ(*GetPropInfo(&data, "OnSkinChanged")->Signature, typeid(void(TObject*)));
  EXPECT_EQ(*GetPropInfo(&data, "OnBeforeSkinForm")->Signature, typeid(void(TObject*, HWND, const String&)));
  EXPECT_EQ(*GetPropInfo(&data, "OnSkinControl")->Signature,
            typeid(void(TComponent*, TSkinData*, TControl*, TControl*, const String&, TComponent*&)));
  EXPECT_TRUE(data.FNoSkin);
  EXPECT_EQ(data.FSkinStream->Size(), 0);
  EXPECT_EQ(data.Button->Name, "Buttons");
  EXPECT_EQ(data.Title->Name, "Title");
  EXPECT_EQ(data.Borders[sbLeft]->Name, "Left");
  EXPECT_EQ(data.Borders[sbBottom]->Name, "Bottom");
  EXPECT_FALSE(data.Tab || data.MinCaption || data.ComboButton || data.Track);
  EXPECT_TRUE(data.FMainMenuUpdate);
  EXPECT_EQ(data.FHintCounter, 0);
  EXPECT_EQ(data.AppIcon->PixelFormat(), pf24bit);
  // The menu glyph strip comes with every program that links the component.
  EXPECT_EQ(data.MenuImages->Count(), 4);
  EXPECT_EQ(data.MenuImages->Width(), 16);
  EXPECT_EQ(data.MenuImages->Height(), 16);
}

// The menu glyph strip through the framework's image list: cut by the width asked for, white
// transparent; a missing resource or a bad width leaves the list as it was.
struct TStripCase {
  const char* Name;
  const char* Resource;
  int Width;
  bool Loads;
  int Count;
  int ImageWidth;
};

class MenuImageStrip : public ::testing::TestWithParam<TStripCase> {};

TEST_P(MenuImageStrip, LoadsFromTheProgramsResources) {
  const TStripCase& Case = GetParam();
  TImageList List(nullptr, 8, 8);
  EXPECT_EQ(List.LoadFromResourceName(GetModuleHandleW(nullptr), Case.Resource, Case.Width, clWhite),
            Case.Loads);
  EXPECT_EQ(List.Count(), Case.Count);
  EXPECT_EQ(List.Width(), Case.ImageWidth);
  EXPECT_EQ(List.Height(), Case.Loads ? 16 : 8);
  EXPECT_EQ(List.HandleAllocated(), Case.Loads);
  if (!Case.Loads) return;
  TBitmap Below(Case.ImageWidth, 16, pf24bit);
  gfxtest::Fill(Below, clRed);
  List.Draw(Below.Canvas(), 0, 0, Case.Count - 1);
  int Red = 0, Black = 0;
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < Case.ImageWidth; ++X) {
      const TColor C = gfxtest::PixelAt(Below, X, Y);
      Red += C == clRed;
      Black += C == clBlack;
    }
  EXPECT_GT(Black, 0);
  EXPECT_GT(Red, 0);  // the white of the glyph shows what was below
}

INSTANTIATE_TEST_SUITE_P(Table, MenuImageStrip,
                         ::testing::Values(TStripCase{"Glyphs", "PELAGONMENU", 16, true, 4, 16},
                                           TStripCase{"DoubleWidth", "PELAGONMENU", 32, true, 2, 32},
                                           TStripCase{"Missing", "NOSUCHSTRIP", 16, false, 0, 8},
                                           TStripCase{"NoWidth", "PELAGONMENU", 0, false, 0, 8}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SkinDataProperties, WritesThatHaveNoEffect) {
  TSkinData data(nullptr);
  SetStrProp(&data, "SkinStore", "(Good)");
  SetStrProp(&data, "Version", "1.0");
  EXPECT_EQ(GetStrProp(&data, "SkinStore"), "(none)");
  EXPECT_EQ(data.Version(), "5.60.03.29");
  data.FSkinStream->WriteBuffer("x", 1);
  EXPECT_EQ(data.GetSkinStore(), "(none)");  // run time, even with data
  data.SetDesigning(true);
  EXPECT_EQ(data.GetSkinStore(), "(Good)");
  TStringList lines;
  lines.Add("TMine=edit");
  data.SetControlList(&lines);
  lines.Add("TOther=edit");
  EXPECT_EQ(data.Skin3rd()->Text(), "TMine=edit\r\n");
}

TEST(SkinDataPersistence, DescriptionLoadsTheModelWhileReadBeforeLoaded) {
  TMemoryStream archive;
  SmallSkin(archive);
  TDataTestRoot root(nullptr);
  const String text =
      "object Root: TDataTestRoot\n  object skndt1: TProbeSkinData\n    Active = True\n"
      "    SkinStream = {" +
      LengthHex(static_cast<std::int32_t>(archive.Size())) + Hex(archive) + "}\n  end\nend\n";
  ReadComponentFromText(text, &root);
  auto* data = dynamic_cast<TProbeSkinData*>(root.FindComponent("skndt1"));
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->ModelBeforeLoaded);
  EXPECT_FALSE(data->FNoSkin);
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(data->SkinName, "Small");
  EXPECT_EQ(data->FSkinStream->Bytes(), archive.Bytes());
  EXPECT_FALSE(data->FReader || data->FIni || data->FFileStream || data->FSections);

  // Written back: length, then the same archive.
  const String written = WriteComponentToText(&root);
  EXPECT_NE(written.find(LengthHex(static_cast<std::int32_t>(archive.Size())) + Hex(archive).substr(0, 16)),
            String::npos);
}

TEST(SkinDataPersistence, EmptyStreamWithActiveEndsInactive) {
  TDataTestRoot root(nullptr);
  ReadComponentFromText(Description("    Active = True\n", "00000000"), &root);
  ASSERT_NE(root.skndt1, nullptr);
  EXPECT_FALSE(root.skndt1->Active());
  EXPECT_TRUE(root.skndt1->FNoSkin);
  EXPECT_EQ(root.skndt1->FSkinStream->Size(), 0);
}

TEST(SkinDataPersistence, WriteDataStoresLengthThenBytes) {
  TSkinData data(nullptr);
  TMemoryStream out;
  data.WriteData(out);
  EXPECT_EQ(Hex(out), "00000000");
  data.FSkinStream->WriteBuffer("AB", 2);
  out.Clear();
  data.WriteData(out);
  EXPECT_EQ(Hex(out), "020000004142");
}

TEST(SkinDataLoad, BordersAndColours) {
  TSkinData data(nullptr);
  SmallSkin(*data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_FALSE(data.FNoSkin);
  const TDataSkinBorder& top = *data.Borders[sbTop];
  EXPECT_EQ(top.Margins.left, 10);
  EXPECT_EQ(top.Margins.right, 19);
  EXPECT_EQ(top.Margins.top, 0);
  EXPECT_EQ(top.FrameCount, 2);
  EXPECT_EQ(top.Tile, 1);  // 5 read as 1
  EXPECT_EQ(top.Trans, 1);
  const TDataSkinBorder& left = *data.Borders[sbLeft];
  EXPECT_EQ(left.Margins.top, 7);
  EXPECT_EQ(left.Margins.left, 0);
  EXPECT_EQ(left.FrameCount, 1);
  EXPECT_EQ(left.Bitmap->Width(), 4);
  EXPECT_TRUE(data.Borders[sbRight]->Bitmap->Empty());    // ".BMP" is not an image name
  EXPECT_EQ(data.Borders[sbBottom]->Bitmap->Width(), 5);  // directories are stripped
  EXPECT_EQ(data.Colors[csButtonFace], 0xF0F0F0u);
  EXPECT_TRUE(data.ColorGiven[csButtonFace]);
  EXPECT_EQ(data.Colors[csMenuBar], 0xF0F0F0u);
  EXPECT_EQ(data.Colors[csHilight], 0x000201u);
  EXPECT_EQ(data.Colors[csCaption], 0x0C0B0Au);  // pixel (9/3, (8/2)/3) of the top border
  ASSERT_EQ(data.PreColors.size(), 2u);
  EXPECT_EQ(data.PreColors[0], 0x0000FFu);
  EXPECT_EQ(data.PreColors[1], 0x80000008u);
  EXPECT_EQ(data.CustomColors[3], 0x030201u);
  EXPECT_EQ(data.CustomColors[4], 0xFFFFFFu);
  LOGBRUSH lb{};
  ASSERT_TRUE(GetObjectW(data.FaceBrush.Get(), sizeof lb, &lb));
  EXPECT_EQ(lb.lbColor, 0xF0F0F0u);
  // The track images come from the program when the skin has none.
  ASSERT_TRUE(data.Track && data.TrackVert);
  EXPECT_EQ(data.Track->Bitmap->Width(), 16);
  EXPECT_EQ(data.Track->Bitmap->Height(), 4);
  EXPECT_EQ(data.TrackVert->Bitmap->Height(), 16);
  EXPECT_EQ(data.Track->Margins.left, 3);
}

TEST(SkinDataLoad, CaptionColourFallsBackToTheFaceAndSurvivesABadFrameCount) {
  TSkinData data(nullptr);
  BuildSkinArchive(*data.FSkinStream, "[Colours]\nButtonFace=1 2 3\n");
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_EQ(data.Colors[csCaption], 0x030201u);
  BuildSkinArchive(*data.FSkinStream, "[Personality]\nTop=top.bmp\nTopFrame=0\n",
                   {{"top.bmp", SolidBmp(6, 6, 0x102030, 2, 2, 0x405060)}});
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_EQ(data.Colors[csCaption], 0x605040u);  // frame count 0 read as one frame: (2, 2)
}

TEST(SkinDataLoad, FailedArchiveKeepsThePreviousModel) {
  TSkinData data(nullptr);
  SmallSkin(*data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  const HBRUSH brush = data.FaceBrush.Get();
  data.FSkinStream->Clear();
  data.FSkinStream->WriteBuffer("not an archive", 14);
  EXPECT_FALSE(data.LoadSkin());
  EXPECT_FALSE(data.FNoSkin);
  EXPECT_EQ(data.SkinName, "Small");
  EXPECT_EQ(data.FaceBrush.Get(), brush);
  EXPECT_EQ(data.Borders[sbLeft]->Bitmap->Width(), 4);
  EXPECT_FALSE(data.FReader || data.FFileStream);

  TSkinData fresh(nullptr);
  fresh.FSkinStream->WriteBuffer("\x05\x00\x00\x00zz", 6);
  EXPECT_FALSE(fresh.LoadSkin());
  EXPECT_TRUE(fresh.FNoSkin);
}

TEST(SkinDataLoad, UnreadableImageIsEmptyNotFatal) {
  TSkinData data(nullptr);
  std::vector<std::uint8_t> broken = SolidBmp(4, 4, 0);
  broken.resize(30);
  BuildSkinArchive(*data.FSkinStream, "[Personality]\nLeft=left.bmp\nTop=top.bmp\n",
                   {{"left.bmp", broken}, {"top.bmp", SolidBmp(3, 3, 0x00FF00)}});
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_TRUE(data.Borders[sbLeft]->Bitmap->Empty());
  EXPECT_EQ(data.Borders[sbTop]->Bitmap->Width(), 3);
}

TEST(SkinDataLoad, FullDefaultSkin) {
  TSkinData data(nullptr);
  PackSkinFolder(*data.FSkinStream, DefaultSkinFolder());
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_EQ(data.SkinName, "Default");
  EXPECT_EQ(data.Colors[csButtonFace], RGBToColor(240, 242, 245));
  EXPECT_EQ(data.Borders[sbLeft]->Margins.top, 30);
  EXPECT_FALSE(data.Borders[sbTop]->Bitmap->Empty());
  EXPECT_NE(data.Colors[csCaption], data.Colors[csButtonFace]);
}

TEST(SkinDataStartUp, LoadedAdjustsTheKindsOfControl) {
  const TGetScrollBarInfoProc saved = pGetScrollBarInfo;
  {
    TSkinData data(nullptr);
    data.SetLoading(true);
    data.Loaded();
    EXPECT_FALSE(data.SkinControls.Contains(xcMenuItem));
    EXPECT_FALSE(data.SkinControls.Contains(xcFastReport));
    EXPECT_TRUE(data.SkinControls.Contains(xcSystemMenu));
    EXPECT_EQ(data.SkinControls.Contains(xcScrollbar), saved != nullptr);
  }
  pGetScrollBarInfo = nullptr;
  {
    TSkinData data(nullptr);
    data.SkinControls = TSkinControlTypes{xcMenuItem, xcSystemMenu, xcScrollbar};
    data.SetLoading(true);
    data.Loaded();
    EXPECT_EQ(data.SkinControls, TSkinControlTypes{xcMenuItem});
    SCROLLBARINFO info{};
    EXPECT_FALSE(data.GetScrollBarInfo(nullptr, OBJID_VSCROLL, info));
  }
  pGetScrollBarInfo = saved;
  {
    TSkinData data(nullptr);
    data.SkinFormtype = sfDialog;
    data.SkinControls = TSkinControlTypes{xcMenuItem, xcSystemMenu};
    data.SetLoading(true);
    data.Loaded();
    EXPECT_EQ(data.SkinControls, (TSkinControlTypes{xcMenuItem, xcSystemMenu}));  // main form only
  }
}

TEST(SkinDataStartUp, ManagerIsCreatedAndDriven) {
  TFakeManagerScope scope;
  TSkinData data(nullptr);
  SmallSkin(*data.FSkinStream);
  data.SetLoading(true);
  data.SetActive(true);  // while reading: only stored
  ASSERT_TRUE(data.LoadSkin());
  data.Loaded();
  TFakeSkinManager* m = scope.Manager();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"AddSkinData", "InstallHook", "SetAction 1 250"}));
  EXPECT_TRUE(data.Active());

  m->Calls.clear();
  data.SetActive(false);
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"SetAction 2 250"}));
  EXPECT_EQ(m->FActionData, &data);
  m->Calls.clear();
  data.SetActive(true);
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"SetAction 1 250"}));
  EXPECT_EQ(m->FPhase, 1);

  m->Calls.clear();
  data.UpdateSkin();
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"DeleteSysbtn", "SetAction 3 250"}));
  m->Calls.clear();
  data.SkinForm(nullptr);
  data.InstallThread(7);
  data.UnInstallThread(7);
  data.UpdateMainMenu(false);
  data.UpdateMainMenu(true);
  data.EnableSkin(false);
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"AddForm forced", "InstallThread 7", "UnInstallThread 7",
                                                "UpdateMainMenu"}));
  EXPECT_FALSE(m->FEnabled);
  EXPECT_FALSE(m->FForceSkin);
}

TEST(SkinDataStartUp, OnlyThisFormAndDialogKinds) {
  TFakeManagerScope scope;
  TSkinData data(nullptr);
  data.SkinFormtype = sfOnlyThisForm;
  data.SetLoading(true);
  data.Loaded();
  TFakeSkinManager* m = scope.Manager();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"AddSkinData"}));
  EXPECT_TRUE(m->FEnabled);
  EXPECT_EQ(m->FPhase, 1);
  m->Calls.clear();
  data.SetActive(true);  // no skin: remembered, nothing scheduled
  EXPECT_TRUE(m->Calls.empty());
  EXPECT_EQ(m->FActionData, &data);
  data.SetActive(false);
  EXPECT_EQ(m->Calls, (std::vector<std::string>{"SetAction 2 250"}));

  TSkinData dialog(nullptr);
  dialog.SkinFormtype = sfDialog;
  dialog.SetLoading(true);
  dialog.Loaded();
  m->Calls.clear();
  dialog.SetActive(true);
  EXPECT_TRUE(m->Calls.empty());
  EXPECT_EQ(m->FPhase, 2);
}

TEST(SkinDataStartUp, ComponentLeavesTheManagerWhenFreed) {
  TFakeManagerScope scope;
  auto* data = new TSkinData(nullptr);
  data->SetLoading(true);
  data->Loaded();
  ASSERT_EQ(scope.Manager()->Datas.size(), 1u);
  scope.Manager()->FActionData = data;
  delete data;
  EXPECT_TRUE(scope.Manager()->Datas.empty());
  EXPECT_EQ(scope.Manager()->FActionData, nullptr);
}

TEST(SkinDataHooks, DoFormSkin) {
  TSkinData data(nullptr);
  bool skin = true;
  data.DoFormSkin(nullptr, "SysMonthCal32", skin);
  EXPECT_FALSE(skin);
  skin = true;
  data.DoFormSkin(nullptr, "sysmonthcal32", skin);
  EXPECT_TRUE(skin);
  data.DoFormSkin(nullptr, "TfrPreviewForm", skin);
  EXPECT_TRUE(skin);  // without xcFastReport
  data.SkinControls.Include(xcFastReport);
  data.DoFormSkin(nullptr, "TfrPreviewForm", skin);
  EXPECT_FALSE(skin);
  skin = true;
  data.DoFormSkin(nullptr, "TFRPreview", skin);
  EXPECT_TRUE(skin);
  skin = false;
  data.DoFormSkin(nullptr, "TForm1", skin);
  EXPECT_FALSE(skin);  // other classes keep the caller's answer
}

namespace {
struct THandler : TObject {
  int Calls = 0;
  void FormSkin(TObject*, const String& Name, bool& DoSkin) {
    ++Calls;
    DoSkin = Name == "SysMonthCal32";
  }
};
}  // namespace

TEST(SkinDataHooks, OnFormSkinAloneDecides) {
  TSkinData data(nullptr);
  THandler h;
  data.OnFormSkin = TOnFormSkin::Bind<&THandler::FormSkin>(&h);
  bool skin = false;
  data.DoFormSkin(nullptr, "SysMonthCal32", skin);
  EXPECT_TRUE(skin);
  EXPECT_EQ(h.Calls, 1);
}

TEST(SkinDataHooks, DebugHintsAndProperties) {
  TSkinData data(nullptr);
  data.DoDebug("lost");  // no list attached
  TStringList lines;
  data.DebugLines = &lines;
  data.DoDebug("Menu hook: 1a2b x");
  EXPECT_EQ(lines.Text(), "Menu hook: 1a2b x\r\n");

  data.ActivateHint(RECT{100, 100, 120, 120}, "Close");
  EXPECT_TRUE(data.IsHint());
  data.ActivateHint(RECT{0, 0, 1, 1}, "Again");  // one at a time
  data.HideHint();
  EXPECT_FALSE(data.IsHint());
  data.Options.Exclude(xoCaptionButtonHint);
  data.ActivateHint(RECT{100, 100, 120, 120}, "Close");
  EXPECT_FALSE(data.IsHint());

  TSkinData::ChangeProperty(&data, "SkinFormtype", "sfDialog");
  EXPECT_EQ(data.SkinFormtype, sfDialog);
  TSkinData::ChangeProperty(&data, "SkinFormtype", "sfNothing");
  EXPECT_EQ(data.SkinFormtype, sfDialog);
  TSkinData::ChangeProperty(&data, "DisableTag", "sfMainform");
  TSkinData::ChangeProperty(nullptr, "SkinFormtype", "sfMainform");
  TSkinData::ChangeProperty(&data, "Unknown", "sfMainform");
  EXPECT_EQ(data.DisableTag, 99);
  EXPECT_EQ(TSkinData::GetFileName("top.bmp"), "top");
  EXPECT_EQ(data.GetSectionNum("Button", "Image"), 0);  // only during a load
}

TEST(SkinDataFunctions, TextHelpers) {
  EXPECT_EQ(RGBToColor(1, 2, 3), 0x030201u);
  const wchar_t text[] = L"abc";
  EXPECT_EQ(_WStr(text, -1), u"abc");
  EXPECT_EQ(_WStr(text, 2), u"ab");
  EXPECT_EQ(_WStr(text, 9), u"abc");
  EXPECT_EQ(_WStr(nullptr, 3), u"");
  const String utf8 = "\xE5\xA4\xB4 head";
  EXPECT_EQ(StrToWideStr(utf8), u"\u5934 head");
  EXPECT_EQ(WideStringToStringEx(u"\u5934 head"), utf8);
  HDC dc = CreateCompatibleDC(nullptr);
  RECT r{0, 0, 0, 0};
  EXPECT_GT(Tnt_DrawTextW(dc, u"Wide", r, DT_CALCRECT), 0);
  EXPECT_GT(r.right, 0);
  DeleteDC(dc);
  DoTrackMouse(nullptr);  // harmless for no window
}

TEST(SkinDataLoad, SkinFileAndStreamSources) {
  TFakeManagerScope scope;
  TMemoryStream archive;
  SmallSkin(archive);
  char dir[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, dir), 0u);
  const String path = String(dir) + "skin_data_test.skn";
  archive.SaveToFile(path);

  TSkinData data(nullptr);
  SetStrProp(&data, "SkinFile", path + ".missing");
  EXPECT_EQ(data.SkinFile(), path + ".missing");
  EXPECT_TRUE(data.FNoSkin);
  EXPECT_EQ(data.FSkinStream->Size(), 0);
  EXPECT_EQ(SkinManager, nullptr);  // nothing loaded, nothing asked

  SetStrProp(&data, "SkinFile", path);
  EXPECT_FALSE(data.FNoSkin);
  EXPECT_EQ(data.SkinName, "Small");
  ASSERT_NE(scope.Manager(), nullptr);  // UpdateSkin ran Loaded to get a manager
  EXPECT_EQ(scope.Manager()->FActionData, &data);
  DeleteFileA(path.c_str());

  TSkinData other(nullptr);
  other.SkinFormtype = sfDialog;
  archive.SetPosition(archive.Size());  // copied from its start whatever the position
  scope.Manager()->Calls.clear();
  other.LoadFromStream(archive);
  EXPECT_EQ(other.FSkinStream->Bytes(), archive.Bytes());
  EXPECT_FALSE(other.FNoSkin);
  EXPECT_TRUE(scope.Manager()->Calls.empty());  // only a main-form component re-applies at once
}
