#include "framework/core/Collection.h"
#include "framework/core/Colors.h"
#include "framework/core/Description.h"
#include "framework/core/Streams.h"
#include "framework/core/TypInfo.h"

namespace {

// Printable ASCII stays quoted; everything else becomes #N, so a description is plain ASCII and can
// be embedded anywhere. Lone surrogates of wide text are kept as their code unit.
String QuoteString(const WideString& S) {
  if (S.empty()) return "''";
  String out;
  bool quoted = false;
  for (std::size_t i = 0; i < S.size();) {
    char32_t cp = S[i++];
    if (cp >= 0xD800 && cp <= 0xDBFF && i < S.size() && S[i] >= 0xDC00 && S[i] <= 0xDFFF)
      cp = 0x10000 + ((cp - 0xD800) << 10) + (S[i++] - 0xDC00);
    if (cp >= 0x20 && cp < 0x7F) {
      if (!quoted) out += '\'';
      quoted = true;
      out += static_cast<char>(cp);
      if (cp == '\'') out += '\'';
    } else {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + IntToStr(cp);
    }
  }
  if (quoted) out += '\'';
  return out;
}

String SetText(const TEnumInfo& Enum, std::uint64_t Bits) {
  String out = "[";
  for (int i = 0; i < Enum.Count() && i < 64; ++i)
    if (Bits & (std::uint64_t{1} << i)) {
      if (out.size() > 1) out += ", ";
      out += Enum.NameOf(i);
    }
  return out + "]";
}

class TTextWriter : public TWriter {
 public:
  explicit TTextWriter(TComponent* Root) : FRoot(Root) {}

  String Write() {
    WriteComponent(FRoot, 0);
    return std::move(FOut);
  }

  // ---- TFiler
  void DefineProperty(const String& Name, const TReaderProc&, const TWriterProc& WriteData,
                      bool HasData) override {
    if (!HasData || !WriteData) return;
    StartLine(FIndent);
    FOut += FPrefix + Name + " = ";
    FListDepth = 0;
    WriteData(*this);
    FOut += '\n';
  }

  void DefineBinaryProperty(const String& Name, const TStreamProc&, const TStreamProc& WriteData,
                            bool HasData) override {
    if (!HasData || !WriteData) return;
    TMemoryStream data;
    WriteData(data);
    StartLine(FIndent);
    FOut += FPrefix + Name + " = {";
    const std::uint8_t* bytes = data.Memory();
    for (std::int64_t i = 0; i < data.Size(); ++i) {
      if (i % 32 == 0) {
        FOut += '\n';
        StartLine(FIndent + 1);
      }
      FOut += IntToHex(bytes[i], 2);
    }
    FOut += "}\n";
  }

  // ---- TWriter: values of a custom property
  void WriteInteger(std::int64_t Value) override { Value_(IntToStr(Value)); }
  void WriteBoolean(bool Value) override { Value_(Value ? "True" : "False"); }
  void WriteIdent(const String& Ident) override { Value_(Ident); }
  void WriteString(const String& Value) override { Value_(QuoteString(Utf8ToUtf16(Value))); }
  void WriteWideString(const WideString& Value) override { Value_(QuoteString(Value)); }
  void WriteListBegin() override {
    Value_("(");
    ++FListDepth;
  }
  void WriteListEnd() override {
    FOut += ')';
    if (FListDepth > 0) --FListDepth;
  }

 private:
  void StartLine(int Indent) { FOut.append(static_cast<std::size_t>(Indent) * 2, ' '); }

  // Inside a list every value starts a line of its own.
  void Value_(const String& Text) {
    if (FListDepth > 0) {
      FOut += '\n';
      StartLine(FIndent + FListDepth);
    }
    FOut += Text;
  }

  void WriteComponent(TComponent* C, int Indent) {
    StartLine(Indent);
    FOut += "object " + (C->Name().empty() ? C->ClassName() : C->Name() + ": " + C->ClassName()) + '\n';
    WriteProperties(C, String(), Indent + 1, 0);
    C->GetChildren([this, Indent](TComponent* Child) { WriteComponent(Child, Indent + 1); }, FRoot);
    StartLine(Indent);
    FOut += "end\n";
  }

  void WriteProperties(TObject* Obj, const String& Prefix, int Indent, int Depth) {
    if (Depth > 16) return;  // sub-objects that lead back to themselves
    for (const TPropInfo* p : GetPropList(Obj))
      if (p->IsStored) WriteProperty(Obj, *p, Prefix, Indent, Depth);
    if (auto* persistent = dynamic_cast<TPersistent*>(Obj)) {
      const String savedPrefix = FPrefix;
      const int savedIndent = FIndent;
      FPrefix = Prefix;
      FIndent = Indent;
      persistent->DefineProperties(*this);
      FPrefix = savedPrefix;
      FIndent = savedIndent;
    }
  }

  void Line(int Indent, const String& Text) {
    StartLine(Indent);
    FOut += Text;
    FOut += '\n';
  }

  void WriteProperty(TObject* Obj, const TPropInfo& P, const String& Prefix, int Indent, int Depth) {
    const String name = Prefix + P.Name + " = ";
    if (P.IsOrdinal()) {
      if (!P.SetOrd) return;
      const std::int64_t v = P.GetOrd(*Obj);
      if (P.HasDefault && v == P.DefaultValue) return;
      String text;
      switch (P.Kind) {
        case tkBoolean:
        case tkEnumeration:
          text = P.Enum->NameOf(v);
          if (text.empty()) return;  // not a value of the type: nothing readable to write
          break;
        case tkSet:
          text = SetText(*P.Enum, static_cast<std::uint64_t>(v));
          break;
        case tkColor:
          if (!ColorToIdent(static_cast<TColor>(v), text))
            text = "$" + IntToHex(static_cast<std::uint32_t>(v), 8);
          break;
        default:
          text = IntToStr(v);
      }
      Line(Indent, name + text);
    } else if (P.Kind == tkString) {
      if (!P.SetStr) return;
      const String v = P.GetStr(*Obj);
      if (!v.empty()) Line(Indent, name + QuoteString(Utf8ToUtf16(v)));
    } else if (P.Kind == tkWString) {
      if (!P.SetWStr) return;
      const WideString v = P.GetWStr(*Obj);
      if (!v.empty()) Line(Indent, name + QuoteString(v));
    } else if (P.Kind == tkMethod) {
      const TMethod m = P.GetMethod(*Obj);
      if (!m.Assigned() || m.Data != FRoot) return;  // only the root's handlers have names here
      const String handler = MethodName(m);
      if (!handler.empty()) Line(Indent, name + handler);
    } else if (P.Kind == tkClass) {
      TObject* o = P.GetObj(*Obj);
      if (!o) return;
      if (auto* c = dynamic_cast<TComponent*>(o)) {
        if (!P.SetObj || c->Name().empty()) return;
        if (c == FRoot || c->Owner() == FRoot) Line(Indent, name + c->Name());
      } else if (auto* collection = dynamic_cast<TCollection*>(o)) {
        if (collection->Count() == 0) return;
        StartLine(Indent);
        FOut += name + "<\n";
        for (int i = 0; i < collection->Count(); ++i) {
          Line(Indent + 1, "item");
          WriteProperties(collection->Items(i), String(), Indent + 2, Depth + 1);
          Line(Indent + 1, "end");
        }
        FOut.insert(FOut.size() - 1, ">");
      } else {
        WriteProperties(o, Prefix + P.Name + ".", Indent, Depth + 1);
      }
    }
  }

  TComponent* FRoot;
  String FOut;
  String FPrefix;  // context of DefineProperties calls
  int FIndent = 0;
  int FListDepth = 0;
};

}  // namespace

String WriteComponentToText(TComponent* Root) {
  return TTextWriter(Root).Write();
}

void WriteComponentToStream(TStream& Stream, TComponent* Root) {
  const String text = WriteComponentToText(Root);
  Stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}
