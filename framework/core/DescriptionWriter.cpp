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
  String Out;
  bool Quoted = false;
  for (std::size_t I = 0; I < S.size();) {
    char32_t Cp = S[I++];
    if (Cp >= 0xD800 && Cp <= 0xDBFF && I < S.size() && S[I] >= 0xDC00 && S[I] <= 0xDFFF)
      Cp = 0x10000 + ((Cp - 0xD800) << 10) + (S[I++] - 0xDC00);
    if (Cp >= 0x20 && Cp < 0x7F) {
      if (!Quoted) Out += '\'';
      Quoted = true;
      Out += static_cast<char>(Cp);
      if (Cp == '\'') Out += '\'';
    } else {
      if (Quoted) Out += '\'';
      Quoted = false;
      Out += '#' + IntToStr(Cp);
    }
  }
  if (Quoted) Out += '\'';
  return Out;
}

String SetText(const TEnumInfo& Enum, std::uint64_t Bits) {
  String Out = "[";
  for (int I = 0; I < Enum.Count() && I < 64; ++I)
    if (Bits & (std::uint64_t{1} << I)) {
      if (Out.size() > 1) Out += ", ";
      Out += Enum.NameOf(I);
    }
  return Out + "]";
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
    TMemoryStream Stream;
    WriteData(Stream);
    StartLine(FIndent);
    FOut += FPrefix + Name + " = {";
    const std::uint8_t* Bytes = Stream.Memory();
    for (std::int64_t I = 0; I < Stream.Size(); ++I) {
      if (I % 32 == 0) {
        FOut += '\n';
        StartLine(FIndent + 1);
      }
      FOut += IntToHex(Bytes[I], 2);
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
    for (const TPropInfo* Prop : GetPropList(Obj))
      if (Prop->IsStored) WriteProperty(Obj, *Prop, Prefix, Indent, Depth);
    if (auto* Persistent = dynamic_cast<TPersistent*>(Obj)) {
      const String SavedPrefix = FPrefix;
      const int SavedIndent = FIndent;
      FPrefix = Prefix;
      FIndent = Indent;
      Persistent->DefineProperties(*this);
      FPrefix = SavedPrefix;
      FIndent = SavedIndent;
    }
  }

  void Line(int Indent, const String& Text) {
    StartLine(Indent);
    FOut += Text;
    FOut += '\n';
  }

  void WriteProperty(TObject* Obj, const TPropInfo& P, const String& Prefix, int Indent, int Depth) {
    const String Head = Prefix + P.Name + " = ";
    if (P.IsOrdinal()) {
      if (!P.SetOrd) return;
      const std::int64_t V = P.GetOrd(*Obj);
      if (P.HasDefault && V == P.DefaultValue) return;
      String ValueText;
      switch (P.Kind) {
        case tkBoolean:
        case tkEnumeration:
          ValueText = P.Enum->NameOf(V);
          if (ValueText.empty()) return;  // not a value of the type: nothing readable to write
          break;
        case tkSet:
          ValueText = SetText(*P.Enum, static_cast<std::uint64_t>(V));
          break;
        case tkColor:
          if (!ColorToIdent(static_cast<TColor>(V), ValueText))
            ValueText = "$" + IntToHex(static_cast<std::uint32_t>(V), 8);
          break;
        default:
          ValueText = IntToStr(V);
      }
      Line(Indent, Head + ValueText);
    } else if (P.Kind == tkString) {
      if (!P.SetStr) return;
      const String V = P.GetStr(*Obj);
      if (!V.empty()) Line(Indent, Head + QuoteString(Utf8ToUtf16(V)));
    } else if (P.Kind == tkWString) {
      if (!P.SetWStr) return;
      const WideString V = P.GetWStr(*Obj);
      if (!V.empty()) Line(Indent, Head + QuoteString(V));
    } else if (P.Kind == tkMethod) {
      const TMethod M = P.GetMethod(*Obj);
      if (!M.Assigned() || M.Data != FRoot) return;  // only the root's handlers have names here
      const String Handler = MethodName(M);
      if (!Handler.empty()) Line(Indent, Head + Handler);
    } else if (P.Kind == tkClass) {
      TObject* O = P.GetObj(*Obj);
      if (!O) return;
      if (auto* Component = dynamic_cast<TComponent*>(O)) {
        if (!P.SetObj || Component->Name().empty()) return;
        if (Component == FRoot || Component->Owner() == FRoot) Line(Indent, Head + Component->Name());
      } else if (auto* Collection = dynamic_cast<TCollection*>(O)) {
        if (Collection->Count() == 0) return;
        StartLine(Indent);
        FOut += Head + "<\n";
        for (int I = 0; I < Collection->Count(); ++I) {
          Line(Indent + 1, "item");
          WriteProperties(Collection->Items(I), String(), Indent + 2, Depth + 1);
          Line(Indent + 1, "end");
        }
        FOut.insert(FOut.size() - 1, ">");
      } else {
        WriteProperties(O, Prefix + P.Name + ".", Indent, Depth + 1);
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
  const String Text = WriteComponentToText(Root);
  Stream.WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
}
