// TComponent: named objects in an ownership tree, with notification when one goes away, and the
// registry that creates components by class name.
#pragma once

#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "framework/core/Persistent.h"

PUBLISHED_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning)
using TComponentState = TSet<TComponentStateFlag>;
PUBLISHED_ENUM(TOperation, opInsert, opRemove)

// An owner frees the components it owns when it is destroyed; deleting an owned component takes it
// out of its owner. Notification(X, opRemove) reaches the owner (and, through it, the owner's other
// components) and everyone who asked FreeNotification(X), while X is being destroyed; receivers must
// only compare the pointer then. Classes whose owned components refer back to them (forms) should
// call DestroyComponents() first thing in their destructor, while they are still whole.
class TComponent : public TPersistent {
  DECLARE_CLASS(TComponent, TPersistent)

 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  static void Publish(TPublisher<TComponent>& P) {
    P.Str("Name", &TComponent::Name, &TComponent::SetName).Stored(false);  // written as "object Name: ..."
    P.Int("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
  }

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;  // raises EListError out of range
  int ComponentIndex() const;
  TComponent* FindComponent(std::string_view Name) const;  // case-insensitive; null when absent
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();

  const String& Name() const { return FName; }
  // A valid identifier (or empty), unique among the owner's components regardless of case;
  // EComponentError otherwise.
  virtual void SetName(const String& NewName);
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  void SetDesigning(bool Value, bool SetChildren = true);
  // Used by description readers: csLoading until Loaded, csReading while properties are read.
  void SetLoading(bool Value);
  void SetReading(bool Value);
  // Runs once the whole description has been read; the base clears csLoading.
  virtual void Loaded();

  // AComponent was inserted into or removed from this component's owner tree, or a component this
  // one asked to be told about is being destroyed. The base forwards to the owned components.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Both sides are told when either goes away; the link is dropped then.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Points a reference to another component (Images, PopupMenu...) at Value and watches Value in
  // place of the old one. The old one stays watched while Kept, the class's other references, still
  // holds it (one image list set as both small and large images). False when the field had Value.
  template <class T>
  bool SetReference(T*& Field, std::type_identity_t<T>* Value,
                    std::initializer_list<const TComponent*> Kept = {}) {
    if (Field == Value) return false;
    T* Old = Field;
    Field = Value;
    Rewatch(Old, Value, Kept);
    return true;
  }

  // Tree structure of form descriptions. A component with a parent (a control on a form) is written
  // inside its parent's block; reading calls SetParentComponent with the enclosing component (the
  // window framework makes that the control's Parent). GetChildren lists what is written inside this
  // component's block: by default, for the root, the owned components that have no parent.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* Value) {}
  virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);

  TPersistent* GetOwner() const override { return FOwner; }

 protected:
  // Raises EComponentError when NewName is taken by another of this owner's components.
  virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);

 private:
  void Rewatch(TComponent* Old, TComponent* New, std::initializer_list<const TComponent*> Kept);

  TComponent* FOwner = nullptr;
  String FName;
  std::intptr_t FTag = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
};

bool IsValidIdent(std::string_view Ident);

// Class registry: descriptions name the classes of their components; only registered classes can
// be created from them. Registering twice is harmless.
using TComponentFactory = TComponent* (*)(TComponent* Owner);
void RegisterComponentClass(const TClassInfo& Class, TComponentFactory Factory);
template <class T>
void RegisterComponentClass() {
  RegisterComponentClass(T::StaticClass(), [](TComponent* Owner) -> TComponent* { return new T(Owner); });
}
template <class... T>
void RegisterComponentClasses() {
  (RegisterComponentClass<T>(), ...);
}
const TClassInfo* FindComponentClass(std::string_view ClassName);  // case-insensitive; null when absent
// Raises EClassNotFound "Class X not found" for an unregistered name.
TComponent* CreateComponentByClassName(std::string_view ClassName, TComponent* Owner);
