// TSkinData: creation, published properties, persistence of SkinStream and start-up.

#include "skin/data/SkinData.h"

#include "skin/data/SkinDataHelpers.h"
#include "skin/data/SkinStore.h"
#include "skin/data/SkinWindowBridge.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace {

constexpr std::int32_t kActionInstall = 1;
constexpr std::int32_t kActionUninstall = 2;
constexpr std::int32_t kActionDelay = 250;
constexpr TColor kMenuImageMask = clWhite;

}  // namespace

TSkinData::TSkinData(TComponent* AOwner) : TComponent(AOwner) {
  FSkinStream = std::make_unique<TMemoryStream>();
  AppIcon = std::make_unique<TBitmap>();
  AppIcon->SetPixelFormat(pf24bit);
  FSkin3rd = std::make_unique<TStringList>();
  InitControlList(*FSkin3rd);
  Button = std::make_unique<TDataSkinButton>("Buttons");
  const char* const borderNames[] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i)
    Borders[static_cast<std::size_t>(i)] = std::make_unique<TDataSkinBorder>(borderNames[i]);
  Title = std::make_unique<TDataSkinTitle>("Title");
  MenuImages = std::make_unique<TImageList>(nullptr);
  MenuImages->LoadFromResourceName(GetModuleHandleW(nullptr), "PELAGONMENU", 16, kMenuImageMask);
  FHintWindow = std::make_unique<THintWindow>(nullptr);
}

TSkinData::~TSkinData() {
  // The manager must not keep a pointer to a component that is going away.
  if (SkinManager) {
    SkinManager->RemoveSkinData(this);
    if (SkinManager->FActionData == this) SkinManager->FActionData = nullptr;
  }
}

void TSkinData::SetControlList(TStrings* Value) {
  if (Value)
    FSkin3rd->Assign(Value);
  else
    FSkin3rd->Clear();
}

String TSkinData::GetSkinStore() const {
  return Designing() && FSkinStream->Size() > 0 ? "(Good)" : "(none)";
}

void TSkinData::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "SkinStream", [this](TStream& S) { ReadData(S); }, [this](TStream& S) { WriteData(S); }, true);
}

void TSkinData::WriteData(TStream& Stream) {
  WriteSkinStream(Stream, *FSkinStream);
}

void TSkinData::ReadData(TStream& Stream) {
  if (!ReadSkinStream(Stream, *FSkinStream)) return;
  // Built while the form is still being read, so the model exists before Loaded.
  if (!Designing()) LoadSkin();
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!pGetScrollBarInfo) SkinControls.Exclude(xcScrollbar);
  TSkinManageBase* manager = EnsureSkinManager(0);
  if (manager) manager->AddSkinData(this);
  if (SkinFormtype != sfMainform) {
    if (manager) {
      manager->FEnabled = true;
      ++manager->FPhase;
      if (FActive) {
        if (HWND wnd = SkinOwnerFormWindow(Owner())) manager->AddForm(wnd);
      }
    }
    return;
  }
  if (manager) manager->InstallHook();
  if (FActive) {
    if (FNoSkin)
      FActive = false;  // no usable skin: stay inactive without asking the manager for anything
    else if (manager)
      manager->SetAction(kActionInstall, kActionDelay);
  }
  if (SkinControls.Contains(xcMainMenu))
    SkinControls.Exclude(xcMenuItem);
  else
    SkinControls.Exclude(xcSystemMenu);
  GetAppIcon();
}

void TSkinData::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (Designing() || Reading()) return;
  TSkinManageBase* manager = SkinManager;
  switch (SkinFormtype) {
    case sfMainform:
      if (Value) {
        if (FNoSkin || !manager) return;
        manager->FActionData = this;
        manager->SetAction(kActionInstall, kActionDelay);
        manager->FPhase = 1;
      } else if (manager) {
        manager->FActionData = this;
        manager->SetAction(kActionUninstall, kActionDelay);
      }
      break;
    case sfOnlyThisForm:
      if (!manager) return;
      manager->FActionData = this;
      if (Value && FNoSkin) return;
      manager->SetAction(Value ? kActionInstall : kActionUninstall, kActionDelay);
      break;
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::LoadFromFile(const String& FileName) {
  FNoSkin = true;
  FSkinFile = FileName;
  if (Designing()) {
    if (!FileName.empty() && FSkinStream->Size() > 0) FSkinStream->Clear();
    return;
  }
  // Also reached while a description is read (the property setter): the file is loaded then too.
  if (FileName.empty() || !FileExists(FileName)) return;
  FSkinStream->Clear();
  FSkinStream->LoadFromFile(FileName);
  LoadSkin();
  UpdateSkin();
}

void TSkinData::LoadFromStream(TStream& Stream) {
  FNoSkin = true;
  FSkinStream->LoadFromStream(Stream);
  LoadSkin();
  if (SkinFormtype == sfMainform) UpdateSkin();
}

void TSkinData::ApplyLoadedStream() {
  LoadSkin();
  UpdateSkin();
}

void TSkinData::LoadFromCollection(TSkinStore* Store, int Index) {
  if (!Store || Index < 0 || Index >= Store->Store()->Count()) return;
  FNoSkin = true;
  FSkinStream->Clear();
  Store->Store()->Items(Index)->CopyData(*FSkinStream);
  ApplyLoadedStream();
}

void TSkinData::DoSkinChanged() {
  OnSkinChanged(this);
}

void TSkinData::DoDebug(const String& Text) {
  if (DebugLines) DebugLines->Add(Text);
}

void TSkinData::DoFormSkin(HWND /*Wnd*/, const String& ClassName, bool& DoSkin) {
  if (OnFormSkin.Assigned()) {
    OnFormSkin(this, ClassName, DoSkin);
    return;
  }
  if (ClassName == "SysMonthCal32") DoSkin = false;
  if (SkinControls.Contains(xcFastReport) && ClassName.rfind("Tfr", 0) == 0) DoSkin = false;
}

int TSkinData::GetSectionNum(const String& Prefix, const String& Key) const {
  return FIni ? ::GetSectionNum(*FIni, Prefix, Key) : 0;
}

String TSkinData::GetFileName(const String& Name) {
  return ::GetFileName(Name);
}

void TSkinData::ChangeProperty(TObject* Obj, const String& PropName, const String& Value) {
  if (!Obj) return;
  const TPropInfo* prop = GetPropInfo(Obj, PropName);
  if (!prop || prop->Kind != tkEnumeration || !prop->Enum || !prop->SetOrd) return;
  // An unknown value name leaves the property as it is rather than storing an invalid ordinal.
  if (prop->Enum->ValueOf(Value) < 0) return;
  SetEnumProp(Obj, *prop, Value);
}

bool TSkinData::GetScrollBarInfo(HWND Wnd, LONG idObject, SCROLLBARINFO& Info) const {
  return pGetScrollBarInfo && pGetScrollBarInfo(Wnd, idObject, &Info);
}
