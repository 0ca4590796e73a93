// The class-name list that maps controls of other component sets to the kind of skin object they
// get ("ClassName=kind" lines), and the persistent holder of four such lists offered to applications.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "framework/core/Strings.h"

// Appends the built-in lines, in their fixed order (the first line for a class is the one that counts).
void InitControlList(TStrings& Lines);
// The number of built-in lines.
int BuiltInControlListCount();

// The kind that Lines give for ClassName: the lower-case text after the first "=" of the first line
// that starts with the lower-case class name and "=", cut to 50 characters; nothing when unlisted.
// Blanks are kept, so "TFoo =edit" never matches "TFoo".
std::optional<String> FindControlKind(const TStrings& Lines, std::string_view ClassName);

class TSkinControlList : public TPersistent {
  DECLARE_CLASS(TSkinControlList, TPersistent)

 public:
  TSkinControlList();
  ~TSkinControlList() override;

  static void Publish(TPublisher<TSkinControlList>& P) {
    P.Obj("Edit", &TSkinControlList::Edit, &TSkinControlList::SetEdit);
    P.Obj("Checkbox", &TSkinControlList::Checkbox, &TSkinControlList::SetCheckbox);
    P.Obj("Combobox", &TSkinControlList::Combobox, &TSkinControlList::Setcombobox);
    P.Obj("Radiobutton", &TSkinControlList::Radiobutton, &TSkinControlList::SetRadiobutton);
  }

  TStrings* Edit() const { return FEdit.get(); }
  TStrings* Checkbox() const { return FCheckbox.get(); }
  TStrings* Combobox() const { return FCombobox.get(); }
  TStrings* Radiobutton() const { return FRadiobutton.get(); }
  // Assigning copies the lines; a null list empties.
  void SetEdit(TStrings* Value) { Copy(*FEdit, Value); }
  void SetCheckbox(TStrings* Value) { Copy(*FCheckbox, Value); }
  void Setcombobox(TStrings* Value) { Copy(*FCombobox, Value); }
  void SetRadiobutton(TStrings* Value) { Copy(*FRadiobutton, Value); }

 private:
  static void Copy(TStringList& Dest, TStrings* Source);

  std::unique_ptr<TStringList> FEdit, FCheckbox, FCombobox, FRadiobutton;
};
