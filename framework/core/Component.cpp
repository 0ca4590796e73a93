#include "framework/core/Component.h"

#include <algorithm>
#include <map>

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  // Tell everyone linked to us, dropping each link first so nobody calls back into a dying object.
  while (!FFreeNotifies.empty()) {
    TComponent* Other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& Theirs = Other->FFreeNotifies;
    Theirs.erase(std::remove(Theirs.begin(), Theirs.end(), this), Theirs.end());
    Other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& List = FOwner->FComponents;
  return static_cast<int>(std::find(List.begin(), List.end(), this) - List.begin());
}

TComponent* TComponent::FindComponent(std::string_view Name) const {
  if (Name.empty()) return nullptr;
  for (TComponent* C : FComponents)
    if (SameText(C->FName, Name)) return C;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  ValidateRename(AComponent, String(), AComponent->FName);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (It == FComponents.end()) return;
  // Published fields that point at the component would dangle; clear them.
  if (!FComponentState.Contains(csDestroying))
    for (const TFieldEntry* F : ClassType().FieldList())
      if (F->Get(*this) == AComponent) F->Set(*this, nullptr);
  FComponents.erase(It);
  AComponent->FOwner = nullptr;
  Notification(AComponent, opRemove);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* C = FComponents.back();
    FComponents.pop_back();
    C->FOwner = nullptr;
    delete C;
  }
}

void TComponent::SetName(const String& NewName) {
  if (NewName == FName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("'" + NewName + "' is not a valid component name");
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) {
  if (NewName.empty() || SameText(CurName, NewName)) return;
  TComponent* Existing = FindComponent(NewName);
  if (Existing && Existing != AComponent)
    throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  if (SetChildren)
    for (TComponent* C : FComponents) C->SetDesigning(Value, true);
}

void TComponent::SetLoading(bool Value) {
  if (Value)
    FComponentState.Include(csLoading);
  else
    FComponentState.Exclude(csLoading);
}

void TComponent::SetReading(bool Value) {
  if (Value)
    FComponentState.Include(csReading);
  else
    FComponentState.Exclude(csReading);
}

void TComponent::Loaded() {
  FComponentState.Exclude(csLoading);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  if (FComponentState.Contains(csDestroying)) return;
  // Copy: a receiver may free components in response.
  const std::vector<TComponent*> Owned = FComponents;
  for (TComponent* C : Owned)
    if (std::find(FComponents.begin(), FComponents.end(), C) != FComponents.end())
      C->Notification(AComponent, Operation);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  auto& Theirs = AComponent->FFreeNotifies;
  if (std::find(Theirs.begin(), Theirs.end(), this) == Theirs.end()) Theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent),
                      FFreeNotifies.end());
  auto& Theirs = AComponent->FFreeNotifies;
  Theirs.erase(std::remove(Theirs.begin(), Theirs.end(), this), Theirs.end());
}

void TComponent::Rewatch(TComponent* Old, TComponent* New, std::initializer_list<const TComponent*> Kept) {
  if (Old && std::find(Kept.begin(), Kept.end(), Old) == Kept.end()) RemoveFreeNotification(Old);
  if (New) FreeNotification(New);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  if (Root != this) return;
  for (TComponent* C : FComponents)
    if (!C->HasParent()) Proc(C);
}

bool IsValidIdent(std::string_view Ident) {
  if (Ident.empty()) return false;
  for (std::size_t I = 0; I < Ident.size(); ++I) {
    const char C = Ident[I];
    const bool Alpha = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_';
    if (!Alpha && !(I > 0 && C >= '0' && C <= '9')) return false;
  }
  return true;
}

namespace {
struct TRegistered {
  const TClassInfo* Class;
  TComponentFactory Factory;
};
struct TCaseless {
  bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};
std::map<String, TRegistered, TCaseless>& Registry() {
  static std::map<String, TRegistered, TCaseless> Classes;
  return Classes;
}
}  // namespace

void RegisterComponentClass(const TClassInfo& Class, TComponentFactory Factory) {
  Registry()[Class.ClassName()] = TRegistered{&Class, Factory};
}

const TClassInfo* FindComponentClass(std::string_view ClassName) {
  auto It = Registry().find(String(ClassName));
  return It == Registry().end() ? nullptr : It->second.Class;
}

TComponent* CreateComponentByClassName(std::string_view ClassName, TComponent* Owner) {
  auto It = Registry().find(String(ClassName));
  if (It == Registry().end()) throw EClassNotFound("Class " + String(ClassName) + " not found");
  return It->second.Factory(Owner);
}
