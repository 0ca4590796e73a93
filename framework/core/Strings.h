// String lists: lines of UTF-8 text, each with an optional object; look-up ignores ASCII case.
#pragma once

#include <functional>
#include <vector>

#include "framework/core/Persistent.h"

class TStream;

// The abstract list (list boxes and memos of the window framework derive their lines from it).
class TStrings : public TPersistent {
  DECLARE_CLASS(TStrings, TPersistent)

 public:
  virtual int Count() const = 0;
  virtual String Get(int Index) const = 0;
  virtual void Put(int Index, const String& S);  // default: delete and insert, keeping the object
  virtual TObject* GetObjectAt(int Index) const { return nullptr; }
  virtual void PutObjectAt(int Index, TObject* Object) {}
  virtual void Insert(int Index, const String& S) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;

  String Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const String& S) { Put(Index, S); }
  TObject* Objects(int Index) const { return GetObjectAt(Index); }
  void SetObjects(int Index, TObject* Object) { PutObjectAt(Index, Object); }

  virtual int Add(const String& S);  // returns the new line's index
  int AddObject(const String& S, TObject* Object);
  void InsertObject(int Index, const String& S, TObject* Object);
  void AddStrings(const TStrings& Strings);
  virtual void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);

  virtual int IndexOf(std::string_view S) const;  // -1 when absent
  int IndexOfName(std::string_view Name) const;
  int IndexOfObject(const TObject* Object) const;

  // Lines joined with CR LF after each; setting splits at CR, LF or CR LF (a last empty line is
  // not a line).
  String Text() const;
  virtual void SetText(std::string_view Text);
  // Name=Value lines: the name is the part before the first separator.
  char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(char C) { FNameValueSeparator = C; }
  String Names(int Index) const;
  String ValueFromIndex(int Index) const;
  String Values(std::string_view Name) const;
  void SetValues(std::string_view Name, const String& Value);  // an empty value deletes the line

  // Reads from the stream's position to its end (a UTF-8 byte-order mark is skipped); writes Text.
  virtual void LoadFromStream(TStream& Stream);
  virtual void SaveToStream(TStream& Stream) const;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

  // Nested; the list reports one change when the outermost update ends.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

  bool Equals(const TStrings& Other) const;
  void Assign(TPersistent* Source) override;
  // Form descriptions store the lines as "Strings = ( 'a' 'b' )".
  void DefineProperties(TFiler& Filer) override;
  // Case-insensitive by default (ASCII).
  virtual int CompareStrings(std::string_view A, std::string_view B) const { return CompareText(A, B); }

 protected:
  virtual void SetUpdateState(bool Updating) {}
  void CheckIndex(int Index, int Limit) const;

 private:
  int FUpdateCount = 0;
  char FNameValueSeparator = '=';
};

PUBLISHED_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

class TStringList : public TStrings {
  DECLARE_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;
  explicit TStringList(bool OwnsObjects) : FOwnsObjects(OwnsObjects) {}
  ~TStringList() override;

  int Count() const override { return static_cast<int>(FItems.size()); }
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;  // not allowed on a sorted list
  TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, TObject* Object) override;
  void Insert(int Index, const String& S) override;  // not allowed on a sorted list
  void Delete(int Index) override;
  void Clear() override;
  int Add(const String& S) override;  // sorted lists insert in order and apply Duplicates
  void Exchange(int Index1, int Index2) override;
  int IndexOf(std::string_view S) const override;

  // Binary search in a sorted list; Index receives the match or the insertion point.
  bool Find(std::string_view S, int& Index) const;
  virtual void Sort();
  void CustomSort(const std::function<int(const TStringList& List, int Index1, int Index2)>& Compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  // An owning list deletes the objects of lines it deletes.
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }
  int CompareStrings(std::string_view A, std::string_view B) const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool Updating) override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct TItem {
    String Text;
    TObject* Object = nullptr;
  };
  void InsertItem(int Index, const String& S, TObject* Object);

  std::vector<TItem> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  bool FOwnsObjects = false;
  TDuplicates FDuplicates = dupIgnore;
};
