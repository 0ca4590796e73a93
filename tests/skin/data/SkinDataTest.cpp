// The skin data component on real GDI: creation, properties, persistence, load pipeline, start-up.

#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "framework/core/Description.h"
#include "framework/core/TypInfo.h"
#include "skin/package/SkinNotify.h"
#include "tests/skin/data/FakeSkinManager.h"
#include "tests/skin/data/TestSkins.h"
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
  static const char Digits[] = "0123456789ABCDEF";
  String Out;
  for (std::uint8_t B : S.Bytes()) {
    Out += Digits[B >> 4];
    Out += Digits[B & 15];
  }
  return Out;
}

String LengthHex(std::int32_t N) {
  TMemoryStream S;
  S.WriteInt32(N);
  return Hex(S);
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
  TSkinData Data(nullptr);
  std::vector<String> Names;
  for (const TPropInfo* P : Data.ClassType().PropList()) Names.push_back(P->Name);
  const std::vector<String> Expected = {
      "Name",      "Tag",        "Active",        "DisableTag",    "SkinControls",     "Options",
      "Skin3rd",   "SkinFile",   "SkinStore",     "SkinFormtype",  "Version",          "MenuUpdate",
      "MenuMerge", "OnFormSkin", "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"};
  EXPECT_EQ(Names, Expected);
  EXPECT_EQ(GetEnumProp(&Data, "Active"), "False");
  EXPECT_EQ(GetOrdProp(&Data, "DisableTag"), 99);
  EXPECT_EQ(GetOrdProp(&Data, "SkinControls"), 0x1FFFFB);
  EXPECT_EQ(GetOrdProp(&Data, "Options"), 0x448);
  EXPECT_EQ(static_cast<TStrings*>(GetObjectProp(&Data, "Skin3rd"))->Count(), 118);
  EXPECT_EQ(GetStrProp(&Data, "SkinFile"), "");
  EXPECT_EQ(GetStrProp(&Data, "SkinStore"), "(none)");
  EXPECT_EQ(GetEnumProp(&Data, "SkinFormtype"), "sfMainform");
  EXPECT_EQ(GetStrProp(&Data, "Version"), "5.60.03.29");
  EXPECT_EQ(GetEnumProp(&Data, "MenuUpdate"), "True");
  EXPECT_EQ(GetEnumProp(&Data, "MenuMerge"), "False");
  // No property of the component declares a default, so every one is written.
  for (const TPropInfo* P : Data.ClassType().PropList()) {
    if (P->Name == "Tag") continue;
    EXPECT_FALSE(P->HasDefault) << P->Name;
  }
}

TEST(SkinDataCreation, EventTypesAndModelMembers) {
  TSkinData Data(nullptr);
  EXPECT_EQ(*GetPropInfo(&Data, "OnFormSkin")->Signature, typeid(void(TObject*, const String&, bool&)));
  EXPECT_EQ(*GetPropInfo(&Data, "OnSkinChanged")->Signature, typeid(void(TObject*)));
  EXPECT_EQ(*GetPropInfo(&Data, "OnBeforeSkinForm")->Signature, typeid(void(TObject*, HWND, const String&)));
  EXPECT_EQ(*GetPropInfo(&Data, "OnSkinControl")->Signature,
            typeid(void(TComponent*, TSkinData*, TControl*, TControl*, const String&, TComponent*&)));
  EXPECT_TRUE(Data.FNoSkin);
  EXPECT_EQ(Data.FSkinStream->Size(), 0);
  EXPECT_EQ(Data.Button->Name, "Buttons");
  EXPECT_EQ(Data.Title->Name, "Title");
  EXPECT_EQ(Data.Borders[sbLeft]->Name, "Left");
  EXPECT_EQ(Data.Borders[sbBottom]->Name, "Bottom");
  EXPECT_FALSE(Data.Tab || Data.MinCaption || Data.ComboButton || Data.Track);
  EXPECT_TRUE(Data.FMainMenuUpdate);
  EXPECT_EQ(Data.FHintCounter, 0);
  EXPECT_EQ(Data.AppIcon->PixelFormat(), pf24bit);
  // The menu glyph strip comes with every program that links the component.
  EXPECT_EQ(Data.MenuImages->Count(), 4);
  EXPECT_EQ(Data.MenuImages->Width(), 16);
  EXPECT_EQ(Data.MenuImages->Height(), 16);
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
  TSkinData Data(nullptr);
  SetStrProp(&Data, "SkinStore", "(Good)");
  SetStrProp(&Data, "Version", "1.0");
  EXPECT_EQ(GetStrProp(&Data, "SkinStore"), "(none)");
  EXPECT_EQ(Data.Version(), "5.60.03.29");
  Data.FSkinStream->WriteBuffer("x", 1);
  EXPECT_EQ(Data.GetSkinStore(), "(none)");  // run time, even with data
  Data.SetDesigning(true);
  EXPECT_EQ(Data.GetSkinStore(), "(Good)");
  TStringList Lines;
  Lines.Add("TMine=edit");
  Data.SetControlList(&Lines);
  Lines.Add("TOther=edit");
  EXPECT_EQ(Data.Skin3rd()->Text(), "TMine=edit\r\n");
}

TEST(SkinDataPersistence, DescriptionLoadsTheModelWhileReadBeforeLoaded) {
  TMemoryStream Archive;
  SmallSkin(Archive);
  TDataTestRoot TestRoot(nullptr);
  const String Text =
      "object Root: TDataTestRoot\n  object skndt1: TProbeSkinData\n    Active = True\n"
      "    SkinStream = {" +
      LengthHex(static_cast<std::int32_t>(Archive.Size())) + Hex(Archive) + "}\n  end\nend\n";
  ReadComponentFromText(Text, &TestRoot);
  auto* Data = dynamic_cast<TProbeSkinData*>(TestRoot.FindComponent("skndt1"));
  ASSERT_NE(Data, nullptr);
  EXPECT_TRUE(Data->ModelBeforeLoaded);
  EXPECT_FALSE(Data->FNoSkin);
  EXPECT_TRUE(Data->Active());
  EXPECT_EQ(Data->SkinName, "Small");
  EXPECT_EQ(Data->FSkinStream->Bytes(), Archive.Bytes());
  EXPECT_FALSE(Data->FReader || Data->FIni || Data->FFileStream || Data->FSections);

  // Written back: length, then the same archive.
  const String WrittenText = WriteComponentToText(&TestRoot);
  EXPECT_NE(
      WrittenText.find(LengthHex(static_cast<std::int32_t>(Archive.Size())) + Hex(Archive).substr(0, 16)),
      String::npos);
}

TEST(SkinDataPersistence, EmptyStreamWithActiveEndsInactive) {
  TDataTestRoot Root(nullptr);
  ReadComponentFromText(Description("    Active = True\n", "00000000"), &Root);
  ASSERT_NE(Root.skndt1, nullptr);
  EXPECT_FALSE(Root.skndt1->Active());
  EXPECT_TRUE(Root.skndt1->FNoSkin);
  EXPECT_EQ(Root.skndt1->FSkinStream->Size(), 0);
}

TEST(SkinDataPersistence, WriteDataStoresLengthThenBytes) {
  TSkinData Data(nullptr);
  TMemoryStream Out;
  Data.WriteData(Out);
  EXPECT_EQ(Hex(Out), "00000000");
  Data.FSkinStream->WriteBuffer("AB", 2);
  Out.Clear();
  Data.WriteData(Out);
  EXPECT_EQ(Hex(Out), "020000004142");
}

TEST(SkinDataLoad, BordersAndColours) {
  TSkinData Data(nullptr);
  SmallSkin(*Data.FSkinStream);
  ASSERT_TRUE(Data.LoadSkin());
  EXPECT_FALSE(Data.FNoSkin);
  const TDataSkinBorder& Top = *Data.Borders[sbTop];
  EXPECT_EQ(Top.Margins.left, 10);
  EXPECT_EQ(Top.Margins.right, 19);
  EXPECT_EQ(Top.Margins.top, 0);
  EXPECT_EQ(Top.FrameCount, 2);
  EXPECT_EQ(Top.Tile, 1);  // 5 read as 1
  EXPECT_EQ(Top.Trans, 1);
  const TDataSkinBorder& Left = *Data.Borders[sbLeft];
  EXPECT_EQ(Left.Margins.top, 7);
  EXPECT_EQ(Left.Margins.left, 0);
  EXPECT_EQ(Left.FrameCount, 1);
  EXPECT_EQ(Left.Bitmap->Width(), 4);
  EXPECT_TRUE(Data.Borders[sbRight]->Bitmap->Empty());    // ".BMP" is not an image name
  EXPECT_EQ(Data.Borders[sbBottom]->Bitmap->Width(), 5);  // directories are stripped
  EXPECT_EQ(Data.Colors[csButtonFace], 0xF0F0F0u);
  EXPECT_TRUE(Data.ColorGiven[csButtonFace]);
  EXPECT_EQ(Data.Colors[csMenuBar], 0xF0F0F0u);
  EXPECT_EQ(Data.Colors[csHilight], 0x000201u);
  EXPECT_EQ(Data.Colors[csCaption], 0x0C0B0Au);  // pixel (9/3, (8/2)/3) of the top border
  ASSERT_EQ(Data.PreColors.size(), 2u);
  EXPECT_EQ(Data.PreColors[0], 0x0000FFu);
  EXPECT_EQ(Data.PreColors[1], 0x80000008u);
  EXPECT_EQ(Data.CustomColors[3], 0x030201u);
  EXPECT_EQ(Data.CustomColors[4], 0xFFFFFFu);
  LOGBRUSH Lb{};
  ASSERT_TRUE(GetObjectW(Data.FaceBrush.Get(), sizeof Lb, &Lb));
  EXPECT_EQ(Lb.lbColor, 0xF0F0F0u);
  // The track images come from the program when the skin has none.
  ASSERT_TRUE(Data.Track && Data.TrackVert);
  EXPECT_EQ(Data.Track->Bitmap->Width(), 16);
  EXPECT_EQ(Data.Track->Bitmap->Height(), 4);
  EXPECT_EQ(Data.TrackVert->Bitmap->Height(), 16);
  EXPECT_EQ(Data.Track->Margins.left, 3);
}

TEST(SkinDataLoad, CaptionColourFallsBackToTheFaceAndSurvivesABadFrameCount) {
  TSkinData Data(nullptr);
  BuildSkinArchive(*Data.FSkinStream, "[Colours]\nButtonFace=1 2 3\n");
  ASSERT_TRUE(Data.LoadSkin());
  EXPECT_EQ(Data.Colors[csCaption], 0x030201u);
  BuildSkinArchive(*Data.FSkinStream, "[Personality]\nTop=top.bmp\nTopFrame=0\n",
                   {{"top.bmp", SolidBmp(6, 6, 0x102030, 2, 2, 0x405060)}});
  ASSERT_TRUE(Data.LoadSkin());
  EXPECT_EQ(Data.Colors[csCaption], 0x605040u);  // frame count 0 read as one frame: (2, 2)
}

TEST(SkinDataLoad, FailedArchiveKeepsThePreviousModel) {
  TSkinData Data(nullptr);
  SmallSkin(*Data.FSkinStream);
  ASSERT_TRUE(Data.LoadSkin());
  const HBRUSH Brush = Data.FaceBrush.Get();
  Data.FSkinStream->Clear();
  Data.FSkinStream->WriteBuffer("not an archive", 14);
  EXPECT_FALSE(Data.LoadSkin());
  EXPECT_FALSE(Data.FNoSkin);
  EXPECT_EQ(Data.SkinName, "Small");
  EXPECT_EQ(Data.FaceBrush.Get(), Brush);
  EXPECT_EQ(Data.Borders[sbLeft]->Bitmap->Width(), 4);
  EXPECT_FALSE(Data.FReader || Data.FFileStream);

  TSkinData Fresh(nullptr);
  Fresh.FSkinStream->WriteBuffer("\x05\x00\x00\x00zz", 6);
  EXPECT_FALSE(Fresh.LoadSkin());
  EXPECT_TRUE(Fresh.FNoSkin);
}

TEST(SkinDataLoad, UnreadableImageIsEmptyNotFatal) {
  TSkinData Data(nullptr);
  std::vector<std::uint8_t> Broken = SolidBmp(4, 4, 0);
  Broken.resize(30);
  BuildSkinArchive(*Data.FSkinStream, "[Personality]\nLeft=left.bmp\nTop=top.bmp\n",
                   {{"left.bmp", Broken}, {"top.bmp", SolidBmp(3, 3, 0x00FF00)}});
  ASSERT_TRUE(Data.LoadSkin());
  EXPECT_TRUE(Data.Borders[sbLeft]->Bitmap->Empty());
  EXPECT_EQ(Data.Borders[sbTop]->Bitmap->Width(), 3);
}

TEST(SkinDataLoad, FullDefaultSkin) {
  TSkinData Data(nullptr);
  PackSkinFolder(*Data.FSkinStream, DefaultSkinFolder());
  ASSERT_TRUE(Data.LoadSkin());
  EXPECT_EQ(Data.SkinName, "Default");
  EXPECT_EQ(Data.Colors[csButtonFace], RGBToColor(240, 242, 245));
  EXPECT_EQ(Data.Borders[sbLeft]->Margins.top, 30);
  EXPECT_FALSE(Data.Borders[sbTop]->Bitmap->Empty());
  EXPECT_NE(Data.Colors[csCaption], Data.Colors[csButtonFace]);
}

TEST(SkinDataStartUp, LoadedAdjustsTheKindsOfControl) {
  const TGetScrollBarInfoProc Saved = pGetScrollBarInfo;
  {
    TSkinData Data(nullptr);
    Data.SetLoading(true);
    Data.Loaded();
    EXPECT_FALSE(Data.SkinControls.Contains(xcMenuItem));
    EXPECT_FALSE(Data.SkinControls.Contains(xcFastReport));
    EXPECT_TRUE(Data.SkinControls.Contains(xcSystemMenu));
    EXPECT_EQ(Data.SkinControls.Contains(xcScrollbar), Saved != nullptr);
  }
  pGetScrollBarInfo = nullptr;
  {
    TSkinData Data(nullptr);
    Data.SkinControls = TSkinControlTypes{xcMenuItem, xcSystemMenu, xcScrollbar};
    Data.SetLoading(true);
    Data.Loaded();
    EXPECT_EQ(Data.SkinControls, TSkinControlTypes{xcMenuItem});
    SCROLLBARINFO Info{};
    EXPECT_FALSE(Data.GetScrollBarInfo(nullptr, OBJID_VSCROLL, Info));
  }
  pGetScrollBarInfo = Saved;
  {
    TSkinData Data(nullptr);
    Data.SkinFormtype = sfDialog;
    Data.SkinControls = TSkinControlTypes{xcMenuItem, xcSystemMenu};
    Data.SetLoading(true);
    Data.Loaded();
    EXPECT_EQ(Data.SkinControls, (TSkinControlTypes{xcMenuItem, xcSystemMenu}));  // main form only
  }
}

TEST(SkinDataStartUp, ManagerIsCreatedAndDriven) {
  TFakeManagerScope Scope;
  TSkinData Data(nullptr);
  SmallSkin(*Data.FSkinStream);
  Data.SetLoading(true);
  Data.SetActive(true);  // while reading: only stored
  ASSERT_TRUE(Data.LoadSkin());
  Data.Loaded();
  TFakeSkinManager* M = Scope.Manager();
  ASSERT_NE(M, nullptr);
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"AddSkinData", "InstallHook", "SetAction 1 250"}));
  EXPECT_TRUE(Data.Active());

  M->Calls.clear();
  Data.SetActive(false);
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"SetAction 2 250"}));
  EXPECT_EQ(M->FActionData, &Data);
  M->Calls.clear();
  Data.SetActive(true);
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"SetAction 1 250"}));
  EXPECT_EQ(M->FPhase, 1);

  M->Calls.clear();
  Data.UpdateSkin();
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"DeleteSysbtn", "SetAction 3 250"}));
  M->Calls.clear();
  Data.SkinForm(nullptr);
  Data.InstallThread(7);
  Data.UnInstallThread(7);
  Data.UpdateMainMenu(false);
  Data.UpdateMainMenu(true);
  Data.EnableSkin(false);
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"AddForm forced", "InstallThread 7", "UnInstallThread 7",
                                                "UpdateMainMenu"}));
  EXPECT_FALSE(M->FEnabled);
  EXPECT_FALSE(M->FForceSkin);
}

TEST(SkinDataStartUp, OnlyThisFormAndDialogKinds) {
  TFakeManagerScope Scope;
  TSkinData Data(nullptr);
  Data.SkinFormtype = sfOnlyThisForm;
  Data.SetLoading(true);
  Data.Loaded();
  TFakeSkinManager* M = Scope.Manager();
  ASSERT_NE(M, nullptr);
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"AddSkinData"}));
  EXPECT_TRUE(M->FEnabled);
  EXPECT_EQ(M->FPhase, 1);
  M->Calls.clear();
  Data.SetActive(true);  // no skin: remembered, nothing scheduled
  EXPECT_TRUE(M->Calls.empty());
  EXPECT_EQ(M->FActionData, &Data);
  Data.SetActive(false);
  EXPECT_EQ(M->Calls, (std::vector<std::string>{"SetAction 2 250"}));

  TSkinData Dialog(nullptr);
  Dialog.SkinFormtype = sfDialog;
  Dialog.SetLoading(true);
  Dialog.Loaded();
  M->Calls.clear();
  Dialog.SetActive(true);
  EXPECT_TRUE(M->Calls.empty());
  EXPECT_EQ(M->FPhase, 2);
}

TEST(SkinDataStartUp, ComponentLeavesTheManagerWhenFreed) {
  TFakeManagerScope Scope;
  auto* Data = new TSkinData(nullptr);
  Data->SetLoading(true);
  Data->Loaded();
  ASSERT_EQ(Scope.Manager()->Datas.size(), 1u);
  Scope.Manager()->FActionData = Data;
  delete Data;
  EXPECT_TRUE(Scope.Manager()->Datas.empty());
  EXPECT_EQ(Scope.Manager()->FActionData, nullptr);
}

TEST(SkinDataHooks, DoFormSkin) {
  TSkinData Data(nullptr);
  bool Skin = true;
  Data.DoFormSkin(nullptr, "SysMonthCal32", Skin);
  EXPECT_FALSE(Skin);
  Skin = true;
  Data.DoFormSkin(nullptr, "sysmonthcal32", Skin);
  EXPECT_TRUE(Skin);
  Data.DoFormSkin(nullptr, "TfrPreviewForm", Skin);
  EXPECT_TRUE(Skin);  // without xcFastReport
  Data.SkinControls.Include(xcFastReport);
  Data.DoFormSkin(nullptr, "TfrPreviewForm", Skin);
  EXPECT_FALSE(Skin);
  Skin = true;
  Data.DoFormSkin(nullptr, "TFRPreview", Skin);
  EXPECT_TRUE(Skin);
  Skin = false;
  Data.DoFormSkin(nullptr, "TForm1", Skin);
  EXPECT_FALSE(Skin);  // other classes keep the caller's answer
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
  TSkinData Data(nullptr);
  THandler H;
  Data.OnFormSkin = TOnFormSkin::Bind<&THandler::FormSkin>(&H);
  bool Skin = false;
  Data.DoFormSkin(nullptr, "SysMonthCal32", Skin);
  EXPECT_TRUE(Skin);
  EXPECT_EQ(H.Calls, 1);
}

TEST(SkinDataHooks, DebugHintsAndProperties) {
  TSkinData Data(nullptr);
  Data.DoDebug("lost");  // no list attached
  TStringList Lines;
  Data.DebugLines = &Lines;
  Data.DoDebug("Menu hook: 1a2b x");
  EXPECT_EQ(Lines.Text(), "Menu hook: 1a2b x\r\n");

  Data.ActivateHint(RECT{100, 100, 120, 120}, "Close");
  EXPECT_TRUE(Data.IsHint());
  Data.ActivateHint(RECT{0, 0, 1, 1}, "Again");  // one at a time
  Data.HideHint();
  EXPECT_FALSE(Data.IsHint());
  Data.Options.Exclude(xoCaptionButtonHint);
  Data.ActivateHint(RECT{100, 100, 120, 120}, "Close");
  EXPECT_FALSE(Data.IsHint());

  TSkinData::ChangeProperty(&Data, "SkinFormtype", "sfDialog");
  EXPECT_EQ(Data.SkinFormtype, sfDialog);
  TSkinData::ChangeProperty(&Data, "SkinFormtype", "sfNothing");
  EXPECT_EQ(Data.SkinFormtype, sfDialog);
  TSkinData::ChangeProperty(&Data, "DisableTag", "sfMainform");
  TSkinData::ChangeProperty(nullptr, "SkinFormtype", "sfMainform");
  TSkinData::ChangeProperty(&Data, "Unknown", "sfMainform");
  EXPECT_EQ(Data.DisableTag, 99);
  EXPECT_EQ(TSkinData::GetFileName("top.bmp"), "top");
  EXPECT_EQ(Data.GetSectionNum("Button", "Image"), 0);  // only during a load
}

TEST(SkinDataFunctions, TextHelpers) {
  EXPECT_EQ(RGBToColor(1, 2, 3), 0x030201u);
  const wchar_t Text[] = L"abc";
  EXPECT_EQ(_WStr(Text, -1), u"abc");
  EXPECT_EQ(_WStr(Text, 2), u"ab");
  EXPECT_EQ(_WStr(Text, 9), u"abc");
  EXPECT_EQ(_WStr(nullptr, 3), u"");
  const String Utf8 = "\xE5\xA4\xB4 head";
  EXPECT_EQ(StrToWideStr(Utf8), u"\u5934 head");
  EXPECT_EQ(WideStringToStringEx(u"\u5934 head"), Utf8);
  HDC DC = CreateCompatibleDC(nullptr);
  RECT R{0, 0, 0, 0};
  EXPECT_GT(Tnt_DrawTextW(DC, u"Wide", R, DT_CALCRECT), 0);
  EXPECT_GT(R.right, 0);
  DeleteDC(DC);
  DoTrackMouse(nullptr);  // harmless for no window
}

TEST(SkinDataLoad, SkinFileAndStreamSources) {
  TFakeManagerScope Scope;
  TMemoryStream Archive;
  SmallSkin(Archive);
  char Dir[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, Dir), 0u);
  const String Path = String(Dir) + "skin_data_test.skn";
  Archive.SaveToFile(Path);

  TSkinData Data(nullptr);
  SetStrProp(&Data, "SkinFile", Path + ".missing");
  EXPECT_EQ(Data.SkinFile(), Path + ".missing");
  EXPECT_TRUE(Data.FNoSkin);
  EXPECT_EQ(Data.FSkinStream->Size(), 0);
  EXPECT_EQ(SkinManager, nullptr);  // nothing loaded, nothing asked

  SetStrProp(&Data, "SkinFile", Path);
  EXPECT_FALSE(Data.FNoSkin);
  EXPECT_EQ(Data.SkinName, "Small");
  ASSERT_NE(Scope.Manager(), nullptr);  // UpdateSkin ran Loaded to get a manager
  EXPECT_EQ(Scope.Manager()->FActionData, &Data);
  DeleteFileA(Path.c_str());

  TSkinData Other(nullptr);
  Other.SkinFormtype = sfDialog;
  Archive.SetPosition(Archive.Size());  // copied from its start whatever the position
  Scope.Manager()->Calls.clear();
  Other.LoadFromStream(Archive);
  EXPECT_EQ(Other.FSkinStream->Bytes(), Archive.Bytes());
  EXPECT_FALSE(Other.FNoSkin);
  EXPECT_TRUE(Scope.Manager()->Calls.empty());  // only a main-form component re-applies at once
}
