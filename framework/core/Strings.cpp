#include "framework/core/Strings.h"

#include <algorithm>

#include "framework/core/Streams.h"
#include "framework/core/WithinUpdate.h"

// ---- TStrings

void TStrings::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit)
    throw EStringListError("List index out of bounds (" + IntToStr(Index) + ")");
}

void TStrings::Put(int Index, const String& S) {
  TObject* Object = GetObjectAt(Index);
  Delete(Index);
  InsertObject(Index, S, Object);
}

int TStrings::Add(const String& S) {
  const int Index = Count();
  Insert(Index, S);
  return Index;
}

int TStrings::AddObject(const String& S, TObject* Object) {
  const int Index = Add(S);
  PutObjectAt(Index, Object);
  return Index;
}

void TStrings::InsertObject(int Index, const String& S, TObject* Object) {
  Insert(Index, S);
  PutObjectAt(Index, Object);
}

void TStrings::AddStrings(const TStrings& Strings) {
  WithinUpdate(*this, [&] {
    for (int I = 0, N = Strings.Count(); I < N; ++I) AddObject(Strings.Get(I), Strings.GetObjectAt(I));
  });
}

void TStrings::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  const String S1 = Get(Index1);
  TObject* O1 = GetObjectAt(Index1);
  Put(Index1, Get(Index2));
  PutObjectAt(Index1, GetObjectAt(Index2));
  Put(Index2, S1);
  PutObjectAt(Index2, O1);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex, Count());
  CheckIndex(NewIndex, Count());
  const String S = Get(CurIndex);
  TObject* O = GetObjectAt(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, S, O);
}

int TStrings::IndexOf(std::string_view S) const {
  for (int I = 0, N = Count(); I < N; ++I)
    if (CompareStrings(Get(I), S) == 0) return I;
  return -1;
}

int TStrings::IndexOfName(std::string_view Name) const {
  for (int I = 0, N = Count(); I < N; ++I) {
    const String Line = Get(I);
    const auto Sep = Line.find(FNameValueSeparator);
    if (Sep != String::npos && CompareStrings(std::string_view(Line).substr(0, Sep), Name) == 0) return I;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* Object) const {
  for (int I = 0, N = Count(); I < N; ++I)
    if (GetObjectAt(I) == Object) return I;
  return -1;
}

String TStrings::Text() const {
  String Out;
  for (int I = 0, N = Count(); I < N; ++I) {
    Out += Get(I);
    Out += "\r\n";
  }
  return Out;
}

void TStrings::SetText(std::string_view Text) {
  WithinUpdate(*this, [&] {
    Clear();
    std::size_t Start = 0;
    while (Start < Text.size()) {
      std::size_t End = Text.find_first_of("\r\n", Start);
      if (End == std::string_view::npos) {
        Add(String(Text.substr(Start)));
        break;
      }
      Add(String(Text.substr(Start, End - Start)));
      Start = End + ((Text[End] == '\r' && End + 1 < Text.size() && Text[End + 1] == '\n') ? 2 : 1);
    }
  });
}

String TStrings::Names(int Index) const {
  const String Line = Get(Index);
  const auto Sep = Line.find(FNameValueSeparator);
  return Sep == String::npos ? String() : Line.substr(0, Sep);
}

String TStrings::ValueFromIndex(int Index) const {
  const String Line = Get(Index);
  const auto Sep = Line.find(FNameValueSeparator);
  return Sep == String::npos ? String() : Line.substr(Sep + 1);
}

String TStrings::Values(std::string_view Name) const {
  const int I = IndexOfName(Name);
  return I < 0 ? String() : ValueFromIndex(I);
}

void TStrings::SetValues(std::string_view Name, const String& Value) {
  int I = IndexOfName(Name);
  if (Value.empty()) {
    if (I >= 0) Delete(I);
    return;
  }
  const String Line = String(Name) + FNameValueSeparator + Value;
  if (I < 0)
    Add(Line);
  else
    Put(I, Line);
}

void TStrings::LoadFromStream(TStream& Stream) {
  const std::int64_t Available = Stream.Size() - Stream.Position();
  String Data(static_cast<std::size_t>(std::max<std::int64_t>(Available, 0)), '\0');
  Data.resize(static_cast<std::size_t>(Stream.Read(Data.data(), static_cast<std::int64_t>(Data.size()))));
  std::string_view Text(Data);
  if (Text.substr(0, 3) == "\xEF\xBB\xBF") Text.remove_prefix(3);
  SetText(Text);
}

void TStrings::SaveToStream(TStream& Stream) const {
  const String AllText = Text();
  Stream.WriteBuffer(AllText.data(), static_cast<std::int64_t>(AllText.size()));
}

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(File);
}

void TStrings::SaveToFile(const String& FileName) const {
  TFileStream File(FileName, fmCreate);
  SaveToStream(File);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& Other) const {
  if (Count() != Other.Count()) return false;
  for (int I = 0, N = Count(); I < N; ++I)
    if (Get(I) != Other.Get(I)) return false;
  return true;
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* SourceStrings = dynamic_cast<TStrings*>(Source)) {
    if (SourceStrings == this) return;
    WithinUpdate(*this, [&] {
      Clear();
      FNameValueSeparator = SourceStrings->FNameValueSeparator;
      AddStrings(*SourceStrings);
    });
    return;
  }
  TPersistent::Assign(Source);
}

void TStrings::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Strings",
      [this](TReader& Reader) {
        WithinUpdate(*this, [&] {
          Clear();
          Reader.ReadListBegin();
          while (!Reader.EndOfList()) Add(Reader.ReadString());
          Reader.ReadListEnd();
        });
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int I = 0, N = Count(); I < N; ++I) Writer.WriteString(Get(I));
        Writer.WriteListEnd();
      },
      Count() > 0);
}

// ---- TStringList

TStringList::~TStringList() {
  if (FOwnsObjects)
    for (TItem& Item : FItems) delete Item.Object;
}

String TStringList::Get(int Index) const {
  CheckIndex(Index, Count());
  return FItems[static_cast<std::size_t>(Index)].Text;
}

void TStringList::Put(int Index, const String& S) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count());
  Changing();
  FItems[static_cast<std::size_t>(Index)].Text = S;
  Changed();
}

TObject* TStringList::GetObjectAt(int Index) const {
  CheckIndex(Index, Count());
  return FItems[static_cast<std::size_t>(Index)].Object;
}

void TStringList::PutObjectAt(int Index, TObject* Object) {
  CheckIndex(Index, Count());
  Changing();
  FItems[static_cast<std::size_t>(Index)].Object = Object;
  Changed();
}

void TStringList::InsertItem(int Index, const String& S, TObject* Object) {
  Changing();
  FItems.insert(FItems.begin() + Index, TItem{S, Object});
  Changed();
}

void TStringList::Insert(int Index, const String& S) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count() + 1);
  InsertItem(Index, S, nullptr);
}

void TStringList::Delete(int Index) {
  CheckIndex(Index, Count());
  Changing();
  TObject* Owned = FItems[static_cast<std::size_t>(Index)].Object;
  FItems.erase(FItems.begin() + Index);
  if (FOwnsObjects) delete Owned;
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<TItem> Old;
  Old.swap(FItems);
  if (FOwnsObjects)
    for (TItem& Item : Old) delete Item.Object;
  Changed();
}

int TStringList::Add(const String& S) {
  if (!FSorted) {
    InsertItem(Count(), S, nullptr);
    return Count() - 1;
  }
  int Index;
  if (Find(S, Index)) {
    if (FDuplicates == dupIgnore) return Index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(Index, S, nullptr);
  return Index;
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  Changing();
  std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]);
  Changed();
}

int TStringList::IndexOf(std::string_view S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int Index;
  return Find(S, Index) ? Index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const {
  int Lo = 0, Hi = Count() - 1;
  bool Found = false;
  while (Lo <= Hi) {
    const int Mid = Lo + (Hi - Lo) / 2;
    const int C = CompareStrings(FItems[static_cast<std::size_t>(Mid)].Text, S);
    if (C < 0) {
      Lo = Mid + 1;
    } else {
      Hi = Mid - 1;
      if (C == 0) {
        Found = true;
        if (FDuplicates != dupAccept) Lo = Mid;
      }
    }
  }
  Index = Lo;
  return Found;
}

void TStringList::Sort() {
  CustomSort(
      [](const TStringList& List, int A, int B) { return List.CompareStrings(List.Get(A), List.Get(B)); });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& Compare) {
  if (FItems.size() < 2) return;
  Changing();
  // Sort an index permutation so the comparison sees the list as it is.
  std::vector<int> Order(FItems.size());
  for (std::size_t I = 0; I < Order.size(); ++I) Order[I] = static_cast<int>(I);
  std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) { return Compare(*this, A, B) < 0; });
  std::vector<TItem> Sorted;
  Sorted.reserve(FItems.size());
  for (int I : Order) Sorted.push_back(std::move(FItems[static_cast<std::size_t>(I)]));
  FItems = std::move(Sorted);
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}

int TStringList::CompareStrings(std::string_view A, std::string_view B) const {
  return FCaseSensitive ? CompareStr(A, B) : CompareText(A, B);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    OnChanging(this);
  else
    OnChange(this);
}

void TStringList::Changed() {
  if (!Updating()) OnChange(this);
}

void TStringList::Changing() {
  if (!Updating()) OnChanging(this);
}
