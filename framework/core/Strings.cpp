#include "framework/core/Strings.h"

#include <algorithm>

#include "framework/core/Streams.h"

// ---- TStrings

void TStrings::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit)
    throw EStringListError("List index out of bounds (" + IntToStr(Index) + ")");
}

void TStrings::Put(int Index, const String& S) {
  TObject* object = GetObjectAt(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

int TStrings::Add(const String& S) {
  const int index = Count();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const String& S, TObject* Object) {
  const int index = Add(S);
  PutObjectAt(index, Object);
  return index;
}

void TStrings::InsertObject(int Index, const String& S, TObject* Object) {
  Insert(Index, S);
  PutObjectAt(Index, Object);
}

void TStrings::AddStrings(const TStrings& Strings) {
  BeginUpdate();
  try {
    for (int i = 0, n = Strings.Count(); i < n; ++i) AddObject(Strings.Get(i), Strings.GetObjectAt(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  const String s1 = Get(Index1);
  TObject* o1 = GetObjectAt(Index1);
  Put(Index1, Get(Index2));
  PutObjectAt(Index1, GetObjectAt(Index2));
  Put(Index2, s1);
  PutObjectAt(Index2, o1);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex, Count());
  CheckIndex(NewIndex, Count());
  const String s = Get(CurIndex);
  TObject* o = GetObjectAt(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
}

int TStrings::IndexOf(std::string_view S) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(std::string_view Name) const {
  for (int i = 0, n = Count(); i < n; ++i) {
    const String line = Get(i);
    const auto sep = line.find(FNameValueSeparator);
    if (sep != String::npos && CompareStrings(std::string_view(line).substr(0, sep), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* Object) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (GetObjectAt(i) == Object) return i;
  return -1;
}

String TStrings::Text() const {
  String out;
  for (int i = 0, n = Count(); i < n; ++i) {
    out += Get(i);
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(std::string_view Text) {
  BeginUpdate();
  try {
    Clear();
    std::size_t start = 0;
    while (start < Text.size()) {
      std::size_t end = Text.find_first_of("\r\n", start);
      if (end == std::string_view::npos) {
        Add(String(Text.substr(start)));
        break;
      }
      Add(String(Text.substr(start, end - start)));
      start = end + ((Text[end] == '\r' && end + 1 < Text.size() && Text[end + 1] == '\n') ? 2 : 1);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

String TStrings::Names(int Index) const {
  const String line = Get(Index);
  const auto sep = line.find(FNameValueSeparator);
  return sep == String::npos ? String() : line.substr(0, sep);
}

String TStrings::ValueFromIndex(int Index) const {
  const String line = Get(Index);
  const auto sep = line.find(FNameValueSeparator);
  return sep == String::npos ? String() : line.substr(sep + 1);
}

String TStrings::Values(std::string_view Name) const {
  const int i = IndexOfName(Name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStrings::SetValues(std::string_view Name, const String& Value) {
  int i = IndexOfName(Name);
  if (Value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  const String line = String(Name) + FNameValueSeparator + Value;
  if (i < 0)
    Add(line);
  else
    Put(i, line);
}

void TStrings::LoadFromStream(TStream& Stream) {
  const std::int64_t available = Stream.Size() - Stream.Position();
  String data(static_cast<std::size_t>(std::max<std::int64_t>(available, 0)), '\0');
  data.resize(static_cast<std::size_t>(Stream.Read(data.data(), static_cast<std::int64_t>(data.size()))));
  std::string_view text(data);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  SetText(text);
}

void TStrings::SaveToStream(TStream& Stream) const {
  const String text = Text();
  Stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TStrings::SaveToFile(const String& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToStream(file);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& Other) const {
  if (Count() != Other.Count()) return false;
  for (int i = 0, n = Count(); i < n; ++i)
    if (Get(i) != Other.Get(i)) return false;
  return true;
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TStrings*>(Source)) {
    if (source == this) return;
    BeginUpdate();
    try {
      Clear();
      FNameValueSeparator = source->FNameValueSeparator;
      AddStrings(*source);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

void TStrings::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Strings",
      [this](TReader& Reader) {
        BeginUpdate();
        try {
          Clear();
          Reader.ReadListBegin();
          while (!Reader.EndOfList()) Add(Reader.ReadString());
          Reader.ReadListEnd();
        } catch (...) {
          EndUpdate();
          throw;
        }
        EndUpdate();
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int i = 0, n = Count(); i < n; ++i) Writer.WriteString(Get(i));
        Writer.WriteListEnd();
      },
      Count() > 0);
}

// ---- TStringList

TStringList::~TStringList() {
  if (FOwnsObjects)
    for (TItem& item : FItems) delete item.Object;
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
  TObject* object = FItems[static_cast<std::size_t>(Index)].Object;
  FItems.erase(FItems.begin() + Index);
  if (FOwnsObjects) delete object;
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<TItem> old;
  old.swap(FItems);
  if (FOwnsObjects)
    for (TItem& item : old) delete item.Object;
  Changed();
}

int TStringList::Add(const String& S) {
  if (!FSorted) {
    InsertItem(Count(), S, nullptr);
    return Count() - 1;
  }
  int index;
  if (Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, S, nullptr);
  return index;
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
  int index;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = CompareStrings(FItems[static_cast<std::size_t>(mid)].Text, S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) lo = mid;
      }
    }
  }
  Index = lo;
  return found;
}

void TStringList::Sort() {
  CustomSort(
      [](const TStringList& list, int a, int b) { return list.CompareStrings(list.Get(a), list.Get(b)); });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& Compare) {
  if (FItems.size() < 2) return;
  Changing();
  // Sort an index permutation so the comparison sees the list as it is.
  std::vector<int> order(FItems.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(*this, a, b) < 0; });
  std::vector<TItem> sorted;
  sorted.reserve(FItems.size());
  for (int i : order) sorted.push_back(std::move(FItems[static_cast<std::size_t>(i)]));
  FItems = std::move(sorted);
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
