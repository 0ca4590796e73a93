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
  const char* const BorderNames[] = {"Left", "Right", "Top", "Bottom"};
  for (int I = 0; I < 4; ++I)
    Borders[static_cast<std::size_t>(I)] = std::make_unique<TDataSkinBorder>(BorderNames[I]);
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
  TSkinManageBase* Manager = EnsureSkinManager(0);
  if (Manager) Manager->AddSkinData(this);
  if (SkinFormtype != sfMainform) {
    if (Manager) {
      Manager->FEnabled = true;
      ++Manager->FPhase;
      if (FActive) {
        if (HWND Wnd = SkinOwnerFormWindow(Owner())) Manager->AddForm(Wnd);
      }
    }
    return;
  }
  if (Manager) Manager->InstallHook();
  if (FActive) {
    if (FNoSkin)
      FActive = false;  // no usable skin: stay inactive without asking the manager for anything
    else if (Manager)
      Manager->SetAction(kActionInstall, kActionDelay);
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
  TSkinManageBase* Manager = SkinManager;
  switch (SkinFormtype) {
    case sfMainform:
      if (Value) {
        if (FNoSkin || !Manager) return;
        Manager->FActionData = this;
        Manager->SetAction(kActionInstall, kActionDelay);
        Manager->FPhase = 1;
      } else if (Manager) {
        Manager->FActionData = this;
        Manager->SetAction(kActionUninstall, kActionDelay);
      }
      break;
    case sfOnlyThisForm:
      if (!Manager) return;
      Manager->FActionData = this;
      if (Value && FNoSkin) return;
      Manager->SetAction(Value ? kActionInstall : kActionUninstall, kActionDelay);
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
  const TPropInfo* Prop = GetPropInfo(Obj, PropName);
  if (!Prop || Prop->Kind != tkEnumeration || !Prop->Enum || !Prop->SetOrd) return;
  // An unknown value name leaves the property as it is rather than storing an invalid ordinal.
  if (Prop->Enum->ValueOf(Value) < 0) return;
  SetEnumProp(Obj, *Prop, Value);
}

bool TSkinData::GetScrollBarInfo(HWND Wnd, LONG IdObject, SCROLLBARINFO& Info) const {
  return pGetScrollBarInfo && pGetScrollBarInfo(Wnd, IdObject, &Info);
}
