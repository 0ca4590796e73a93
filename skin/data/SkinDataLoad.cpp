// The load pipeline: archive -> skin description -> skin model, in a fixed order (the element
// readers rely on the colours read before them, the derived elements on the elements).

#include <algorithm>
#include <span>
#include <string_view>

#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/SectionReuse.h"
#include "skin/data/SkinBitmapCopy.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinDataHelpers.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace {

const char* const kPersonality = "Personality";
constexpr int kTabPaneMaxMargin = 4;

// Frees everything that only lives during a load, however the load ends.
class TLoadScope {
 public:
  explicit TLoadScope(TSkinData& Data) : FData(Data) {}
  TLoadScope(const TLoadScope&) = delete;
  TLoadScope& operator=(const TLoadScope&) = delete;
  ~TLoadScope() {
    FData.FSections.reset();
    FData.FIni.reset();
    FData.FFileStream.reset();
    FData.FReader.reset();
  }

 private:
  TSkinData& FData;
};

void EmptyBitmap(TBitmap& Bitmap) {
  Bitmap.SetSize(0, 0);
}

}  // namespace

bool TSkinData::LoadSkin(const std::function<void()>& BeforeLoadEnds) {
  const bool HadNoSkin = FNoSkin;
  FNoSkin = true;
  if (Designing()) return false;
  // The pictures of the model being replaced leave their DIB sections to the new ones of the same
  // shapes (all of them when the same skin is loaded again); the rest are deleted at the end.
  TSectionReuse Sections;
  TLoadScope Scope(*this);
  FReader = std::make_unique<TSkinReader>();
  FFileStream = std::make_unique<TMemoryStream>();
  FSkinStream->SetPosition(0);
  if (!FReader->Loadfromstream(*FSkinStream)) {
    FNoSkin = HadNoSkin;  // the previous model stays, and so does whether it is complete
    return false;
  }
  FIni = std::make_unique<TQuickIni>();
  String IniName;
  FReader->readIni(".ini", *FFileStream, IniName);
  FFileStream->SetPosition(0);
  FIni->LoadFromStream(FFileStream.get());
  LoadFromIni(IniName);
  if (BeforeLoadEnds) BeforeLoadEnds();
  return true;
}

void TSkinData::LoadFromIni(const String& /*IniName*/) {
  if (!FIni) return;  // only meaningful inside LoadSkin
  FSections = std::make_unique<TStringList>();
  FIni->ReadSections(*FSections);
  SkinName = FIni->ReadString("TitlebarSkin", "SkinName", "");
  for (const TLoadStep& Step : LoadSteps()) Step.Run(*this);
  // The section list stays until the load ends, for anything run before then (LoadSkin's hook).
  FNoSkin = false;
}

namespace {

void ReadGenericElements(TSkinData& D) {
  D.ReadProgress(D.Progress, "Progress");
  D.ReadObject(D.ProgressChunk, "Progress.Chunk");
  D.ReadMenuBar(D.MenuBar, kPersonality);
  D.ReadObject(D.GroupBoxEdge, "GroupBoxEdge");
  D.ReadBoxLabel(D.GroupBox, "GroupBox");
  D.ReadObject2(D.Tab, "Tabs", "Border");
  D.ReadObject(D.StatusBarEdges, "StatusBarEdges");
  D.ReadObject(D.TabPane, "Tab.Pane");
  if (D.TabPane) {
    RECT& M = D.TabPane->Margins;
    M.left = std::min<LONG>(M.left, kTabPaneMaxMargin);
    M.top = std::min<LONG>(M.top, kTabPaneMaxMargin);
    M.right = std::min<LONG>(M.right, kTabPaneMaxMargin);
    M.bottom = std::min<LONG>(M.bottom, kTabPaneMaxMargin);
  }
  D.ReadObject(D.ToolBars, "ToolBars");
  D.ReadObject(D.ExtraImages, "ExtraImages");
  D.ReadObject(D.Headerbar, "Headerbar");
  D.ReadObject(D.MenuItem, "MenuItem");
  D.ReadObject(D.MenuBackground, "MenuBackground");
  D.ReadObject(D.Scrollbar, "Scrollbar");
  D.ReadObject(D.HorzScroll, "HorzScroll");
  D.ReadObject(D.VertScroll, "VertScroll");
  D.ReadObject(D.HorzScrollThumb, "HorzScrollThumb");
  D.ReadObject(D.VertScrollThumb, "VertScrollThumb");
  D.ReadObject(D.TrackbarThumbHorz, "Trackbar.ThumbHorz");
  D.ReadObject(D.TrackbarThumbVert, "Trackbar.ThumbVert");
  D.ReadObject(D.TrackbarThumbLeft, "Trackbar.ThumbLeft");
  D.ReadObject(D.TrackbarThumbRight, "Trackbar.ThumbRight");
  D.ReadObject(D.TrackbarThumbUp, "Trackbar.ThumbUp");
  D.ReadObject(D.TrackbarThumbDown, "Trackbar.ThumbDown");
  D.ReadObject2(D.UpDownHorz, "UpDown.Horz", "GlyphImage");
  D.ReadObject2(D.UpDownVert, "UpDown.Vert", "GlyphImage");
}

void ReadTracks(TSkinData& D) {
  D.ReadObject(D.Track, "Track");
  if (!D.Track) D.ReadTrack(D.Track, "TRACK");
  D.ReadObject(D.TrackVert, "TRACKVERT");
  if (!D.TrackVert) D.ReadTrack(D.TrackVert, "TRACKVERT");
}

void ReadComboSources(TSkinData& D) {
  D.ReadObject2(D.ComboButton, "ComboButton", "****");  // no such key: the second image stays empty
  D.ReadObject(D.SunkEdge, "SunkEdge");
  D.MirrorComboButton();
}

// Where the combo sources are read: the combo strip replaces the combo button it is built from.
constexpr int kComboSourcesStep = 6;

constexpr TSkinData::TLoadStep kLoadSteps[] = {
    {"borders", [](TSkinData& D) { D.ReadBord(); }},
    {"colours", [](TSkinData& D) { D.ReadColor(); }},
    {"caption buttons", [](TSkinData& D) { D.ReadSysButton(); }},
    {"push button, title",
     [](TSkinData& D) {
       D.ReadButton();
       D.ReadTitle(*D.Title, kPersonality);
     }},
    {"generic elements", ReadGenericElements},
    {"tracks", ReadTracks},
    {"combo sources", ReadComboSources},
    {"frame counts", [](TSkinData& D) { D.SetFrame(); }},
    {"combo strip and arrows",
     [](TSkinData& D) {
       D.ReBuildCombobox();
       D.ReBuildComboxArrow();
     },
     kComboSourcesStep},
    {"tool-bar gradient", [](TSkinData& D) { D.RebuildToolbar(); }},
    {"caption colour, face brush",
     [](TSkinData& D) {
       D.Colors[csCaption] = D.GetCaptionColor();
       D.FaceBrush.Reset(CreateSolidBrush(ColorToRGB(D.Colors[csButtonFace])));
     }},
};
static_assert(std::string_view(kLoadSteps[kComboSourcesStep].Name) == "combo sources");

}  // namespace

std::span<const TSkinData::TLoadStep> TSkinData::LoadSteps() {
  return kLoadSteps;
}

namespace {

// The bytes of a picture the archive holds, in place; nothing for a name that is no bitmap's, a
// missing file, or outside a load.
std::span<const std::uint8_t> PictureBytes(const TSkinReader* Reader, const String& FileName) {
  const String Name = SkinBitmapName(FileName);
  if (Name.empty() || !Reader) return {};
  return Reader->FileBytes(Name);
}

}  // namespace

void TSkinData::Readbmp(TBitmap& Bitmap, const String& FileName) {
  const std::span<const std::uint8_t> Bytes = PictureBytes(FReader.get(), FileName);
  if (Bytes.empty()) {
    EmptyBitmap(Bitmap);
    return;
  }
  try {
    Bitmap.LoadFromBytes(Bytes.data(), Bytes.size());
  } catch (const Exception&) {
    // An image the archive holds but that is not a readable bitmap counts as missing: one broken
    // file must not take the rest of the skin down with it.
    EmptyBitmap(Bitmap);
  }
}

bool TSkinData::ReadImage(bmp::Image& Image, const String& FileName) const {
  const std::span<const std::uint8_t> Bytes = PictureBytes(FReader.get(), FileName);
  if (Bytes.empty()) return false;
  try {
    Image = TBitmap::DecodeImage(Bytes.data(), Bytes.size());
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void TSkinData::ReadColor2(TShemeColor Index, const String& Key, TColor Default) {
  if (FIni) TSkinColorScheme::ReadColor2(*FIni, Index, Key, Default);
}

void TSkinData::ReadColor() {
  if (!FIni) return;
  TStringList Scratch;
  ReadColors(*FIni, FSections ? *FSections : Scratch);
}

// Step 17: the combo button's second image is its image facing the other way (for right-to-left
// combo boxes).
void TSkinData::MirrorComboButton() {
  if (!ComboButton || ComboButton->Bitmap->Empty()) return;
  TBitmap& Mirror = *ComboButton->Bitmap2;
  // Turned in memory and made once: no bitmap for the copy and another for its 24-bit form.
  bmp::Image Picture = Pixels24(*ComboButton->Bitmap);
  const int W = Picture.width;
  for (int Y = 0; Y < Picture.height; ++Y) {
    std::uint8_t* Line = Picture.Row(Y);
    for (int L = 0, R = W - 1; L < R; ++L, --R)
      std::swap_ranges(Line + 3 * L, Line + 3 * L + 3, Line + 3 * R);
  }
  Mirror.FromImage(std::move(Picture));  // both pictures are new in this load: nothing else to copy
}

TColor TSkinData::GetCaptionColor() const {
  TBitmap& Top = *Borders[sbTop]->Bitmap;
  if (Top.Empty()) return Colors[csButtonFace];
  // A frame count of 0 or less in the skin is read as one frame rather than divided by.
  const int Frames = std::max(1, static_cast<int>(Borders[sbTop]->FrameCount));
  return Top.Canvas()->Pixel(Top.Width() / 3, (Top.Height() / Frames) / 3);
}
