// Readers of the skin description's element sections. Records held through a pointer are freed
// before reading, so a section missing from the new skin leaves its member absent; the fixed
// records (Button, Title, the Borders) are refilled in place.

#include "framework/core/SysUtils.h"
#include "skin/data/SkinData.h"
#include "skin/package/QuickIni.h"

namespace {

// The two tile switches differ per reader: most read anything above 1 as "stretch" (0), the
// progress bar and the menu bar as "tile" (1).
constexpr std::int32_t kNotGiven = -1;

void LimitTile(TDataSkinObject& Obj, std::int32_t Above1) {
  if (Obj.Tile > 1) Obj.Tile = Above1;
}

void ReadMargins(const TQuickIni& Ini, const String& Section, RECT& M) {
  M.left = Ini.ReadInteger(Section, "LeftWidth", 0);
  M.right = Ini.ReadInteger(Section, "RightWidth", 0);
  M.top = Ini.ReadInteger(Section, "TopHeight", 0);
  M.bottom = Ini.ReadInteger(Section, "BottomHeight", 0);
}

void ReadTextColours(const TQuickIni& Ini, const String& Section, TDataSkinObject& Obj, TColor Default) {
  Obj.NormalColour = Ini.ReadInteger(Section, "NormalColour", kNotGiven);
  Obj.MouseOverColour = Ini.ReadInteger(Section, "MouseOverColour", kNotGiven);
  Obj.PressedColour = Ini.ReadInteger(Section, "PressedColour", kNotGiven);
  Obj.NormalColour2 = TSkinColorScheme::GetColor(Ini.ReadString(Section, "NormalColour2", ""), Default);
  Obj.MouseOverColour2 = TSkinColorScheme::GetColor(Ini.ReadString(Section, "MouseOverColour2", ""), Default);
  Obj.PressedColour2 = TSkinColorScheme::GetColor(Ini.ReadString(Section, "PressedColour2", ""), Default);
}

// The keys every generic element has. "Frame" is left out where SetFrame decides the count.
void ReadElementKeys(const TQuickIni& Ini, const String& Section, TDataSkinObject& Obj, bool WithFrame,
                     TColor TextDefault) {
  Obj.Style = Ini.ReadInteger(Section, "Style", 0);
  ReadMargins(Ini, Section, Obj.Margins);
  if (WithFrame) Obj.FrameCount = Ini.ReadInteger(Section, "Frame", 0);
  Obj.Trans = Ini.ReadInteger(Section, "Trans", 0);
  Obj.Tile = Ini.ReadInteger(Section, "Tile", 0);
  ReadTextColours(Ini, Section, Obj, TextDefault);
}

}  // namespace

void TSkinData::ReadObject(std::unique_ptr<TDataSkinObject>& Obj, const String& Section) {
  Obj.reset();
  if (!FIni) return;
  const String ImageName = FIni->ReadString(Section, "Image", "");
  if (ImageName.empty()) return;
  Obj = std::make_unique<TDataSkinObject>(Section);
  Readbmp(*Obj->Bitmap, ImageName);
  ReadElementKeys(*FIni, Section, *Obj, true, Colors[csButtonText]);
  LimitTile(*Obj, 0);
}

void TSkinData::ReadObject2(std::unique_ptr<TDataSkinBorder>& Obj, const String& Section,
                            const String& SecondKey) {
  Obj.reset();
  if (!FIni) return;
  const String ImageName = FIni->ReadString(Section, "Image", "");
  if (ImageName.empty()) return;
  Obj = std::make_unique<TDataSkinBorder>(Section);
  Readbmp(*Obj->Bitmap, ImageName);
  const String Second = FIni->ReadString(Section, SecondKey, "");
  if (!Second.empty()) Readbmp(*Obj->Bitmap2, Second);
  ReadElementKeys(*FIni, Section, *Obj, false, Colors[csButtonText]);
  LimitTile(*Obj, 0);
}

void TSkinData::ReadProgress(std::unique_ptr<TDataSkinObject>& Obj, const String& Section) {
  Obj.reset();
  if (!FIni) return;
  const String Image = FIni->ReadString(Section, "Bitmap", "");
  if (Image.empty()) return;
  Obj = std::make_unique<TDataSkinBorder>(Section);
  Readbmp(*Obj->Bitmap, Image);
  Obj->Style = FIni->ReadInteger(Section, "Style", 0);
  ReadMargins(*FIni, Section, Obj->Margins);
  Obj->Trans = FIni->ReadInteger(Section, "Trans", 0);
  Obj->Tile = FIni->ReadInteger(Section, "Tile", 0);
  LimitTile(*Obj, 1);
}

void TSkinData::ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& Obj, const String& Section) {
  Obj.reset();
  if (!FIni) return;
  const String ImageName = FIni->ReadString(Section, "Image", "");
  if (ImageName.empty()) return;
  Obj = std::make_unique<TDataSkinBoxLabel>(Section);
  Readbmp(*Obj->Bitmap, ImageName);
  ReadElementKeys(*FIni, Section, *Obj, false, Colors[csButtonText]);
  LimitTile(*Obj, 0);
  Obj->BackgroundAlignment = FIni->ReadInteger(Section, "BackgroundAlignment", 0);
  Obj->BackgroundLeftShift = FIni->ReadInteger(Section, "BackgroundLeftShift", 0);
  Obj->BackgroundRightShift = FIni->ReadInteger(Section, "BackgroundRightShift", 0);
}

// The menu bar lives in "Personality"; its left and right margins are switches (tile the end
// pieces or not), not widths.
void TSkinData::ReadMenuBar(std::unique_ptr<TDataSkinObject>& Obj, const String& Section) {
  Obj.reset();
  if (!FIni) return;
  const String Image = FIni->ReadString(Section, "menuBar", "");
  if (Image.empty()) return;
  Obj = std::make_unique<TDataSkinObject>(Section);
  Readbmp(*Obj->Bitmap, Image);
  Obj->Margins = RECT{0, 0, 0, 0};
  Obj->Tile = FIni->ReadInteger(Section, "TileMenu", 1);
  Obj->Margins.left = FIni->ReadInteger(Section, "TileLeftMenu", 1);
  Obj->Margins.right = FIni->ReadInteger(Section, "TileRightMenu", 1);
  LimitTile(*Obj, 1);
}

// The caption text record reuses its margins: Left/Top shift the text, Right clips it.
void TSkinData::ReadTitle(TDataSkinTitle& Obj, const String& Section) {
  if (!FIni) return;
  Readbmp(*Obj.Bitmap, FIni->ReadString(Section, "TextBack", ""));
  Obj.Margins.left = FIni->ReadInteger(Section, "TextShift", 0);
  Obj.Margins.top = FIni->ReadInteger(Section, "TextShiftVert", 0);
  Obj.Margins.right = FIni->ReadInteger(Section, "TextRightClip", 0);
  Obj.Margins.bottom = 0;
  Obj.TextAlignment = FIni->ReadInteger(Section, "TextAlignment", 0);
  Obj.TextBackground = FIni->ReadInteger(Section, "Textbackground", 0);
  Obj.FontHeight = FIni->ReadInteger("Fonts", "FontHeight", 14);
  Obj.TextBackLeft = FIni->ReadInteger(Section, "TXTBackleft", 0);
  Obj.TextBackRight = FIni->ReadInteger(Section, "TXTBackRight", 0);
  Obj.ActiveTextColor = kTitleColorNotGiven;
  Obj.InactiveTextColor = kTitleColorNotGiven;
  ReadRGB(Section, "ActiveText", Obj.ActiveTextColor);
  ReadRGB(Section, "InActiveText", Obj.InactiveTextColor);
}

void TSkinData::ReadRGB(const String& Section, const String& Name, TColor& Color) {
  if (!FIni) return;
  const std::int32_t Red = FIni->ReadInteger(Section, Name + "R", -1);
  const std::int32_t Green = FIni->ReadInteger(Section, Name + "G", -1);
  const std::int32_t Blue = FIni->ReadInteger(Section, Name + "B", -1);
  // A partly given colour keeps the previous one rather than mixing in defaults.
  if (Red < 0 || Green < 0 || Blue < 0) return;
  Color = RGBToColor(static_cast<std::uint8_t>(Red), static_cast<std::uint8_t>(Green),
                     static_cast<std::uint8_t>(Blue));
}

// The push-button element also carries the check and radio glyph strips.
void TSkinData::ReadButton() {
  if (!FIni) return;
  const char* const S = "Buttons";
  TDataSkinButton& B = *Button;
  ReadMargins(*FIni, S, B.Margins);
  B.Trans = FIni->ReadInteger(S, "Trans", 0);
  Readbmp(*B.Bitmap, FIni->ReadString(S, "Bitmap", ""));
  B.Tile = FIni->ReadInteger(S, "Tile", 0);
  Readbmp(*B.CheckBitmap, FIni->ReadString(S, "CheckButton", ""));
  Readbmp(*B.RadioBitmap, FIni->ReadString(S, "RadioButton", ""));
  B.NormalColour = FIni->ReadInteger(S, "NormalColour", kNotGiven);
  B.MouseOverColour = FIni->ReadInteger(S, "MouseOverColour", kNotGiven);
  B.PressedColour = FIni->ReadInteger(S, "PressedColour", kNotGiven);
  B.RadioFrame = FIni->ReadInteger(S, "RadioButtonFrame", 0);
  B.CheckFrame = FIni->ReadInteger(S, "CheckButtonFrame", 0);
  LimitTile(B, 0);
  B.HasNormalColour2 = !FIni->ReadString(S, "NormalColour2", "").empty();
  B.HasMouseOverColour2 = !FIni->ReadString(S, "MouseOverColour2", "").empty();
  B.HasPressedColour2 = !FIni->ReadString(S, "PressedColour2", "").empty();
  const TColor Text = Colors[csButtonText];
  B.NormalColour2 = GetColor(FIni->ReadString(S, "NormalColour2", ""), Text);
  B.MouseOverColour2 = GetColor(FIni->ReadString(S, "MouseOverColour2", ""), Text);
  B.PressedColour2 = GetColor(FIni->ReadString(S, "PressedColour2", ""), Text);
}

void TSkinData::ReadBord() {
  if (!FIni) return;
  const char* const S = "Personality";
  for (int I = 0; I < 4; ++I) {
    TDataSkinBorder& B = *Borders[static_cast<std::size_t>(I)];
    const String& N = B.Name;
    const std::int32_t First = FIni->ReadInteger(S, N + "TopHeight", 0);
    const std::int32_t Second = FIni->ReadInteger(S, N + "BotHeight", 0);
    // Side borders measure their top and bottom parts, top and bottom borders their left and right.
    if (I == sbLeft || I == sbRight)
      B.Margins = RECT{0, First, 0, Second};
    else
      B.Margins = RECT{First, 0, Second, 0};
    B.FrameCount = FIni->ReadInteger(S, N + "Frame", 1);
    B.Tile = FIni->ReadInteger(S, N + "Stretch", 1);
    B.Trans = FIni->ReadInteger(S, N + "Trans", 1);
    Readbmp(*B.Bitmap, FIni->ReadString(S, N, ""));
    LimitTile(B, 1);
  }
}

void TSkinData::ReadTrack(std::unique_ptr<TDataSkinObject>& Obj, const String& Name) {
  Obj = std::make_unique<TDataSkinObject>(Name);
  try {
    Obj->Bitmap->LoadFromResourceName(GetModuleHandleW(nullptr), Name);
  } catch (const Exception&) {
    Obj->Bitmap->SetSize(0, 0);  // a program built without the resource draws no track
  }
  Obj->Margins = RECT{3, 3, 3, 3};
  Obj->Tile = 0;
  Obj->FrameCount = 1;
}
