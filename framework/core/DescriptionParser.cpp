#include "framework/core/DescriptionTree.h"
#include "framework/core/SysUtils.h"

namespace description {
namespace {

bool IsIdentStart(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_';
}
bool IsIdentChar(char C) {
  return IsIdentStart(C) || (C >= '0' && C <= '9');
}
bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}
int HexValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

class TParser {
 public:
  explicit TParser(std::string_view Text) : FText(Text) {
    if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;  // a byte-order mark is not content
  }

  TObjectNode ParseRoot() {
    SkipBlanks();
    TObjectNode Root = ParseObject(0);
    SkipBlanks();
    if (!AtEnd()) Fail("Text after the end of the description");
    return Root;
  }

 private:
  [[noreturn]] void Fail(const String& Message) const { throw EParserError(FLine, Message); }
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek(std::size_t Ahead = 0) const { return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0'; }

  void SkipBlanks() {
    while (!AtEnd()) {
      const char C = FText[FPos];
      if (C == '\n') {
        ++FLine;
      } else if (C == '\r') {
        if (Peek(1) != '\n') ++FLine;
      } else if (C != ' ' && C != '\t') {
        return;
      }
      ++FPos;
    }
  }

  void Expect(char C, const char* What) {
    SkipBlanks();
    if (Peek() != C) Fail(String("Expected ") + What);
    ++FPos;
  }

  // A name, possibly dotted ("Font.Height").
  String ReadName(bool Dotted) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Fail("Identifier expected");
    const std::size_t Start = FPos;
    while (!AtEnd()) {
      if (IsIdentChar(FText[FPos])) {
        ++FPos;
      } else if (Dotted && FText[FPos] == '.' && IsIdentStart(Peek(1))) {
        FPos += 2;
      } else {
        break;
      }
    }
    return String(FText.substr(Start, FPos - Start));
  }

  // True (and consumes it) when the next word is Keyword.
  bool NextIsKeyword(const char* Keyword) {
    SkipBlanks();
    std::size_t Length = 0;
    while (IsIdentChar(Peek(Length))) ++Length;
    if (Length == 0 || !SameText(FText.substr(FPos, Length), Keyword)) return false;
    FPos += Length;
    return true;
  }

  bool PeekKeyword(const char* Keyword) {
    const std::size_t Pos = FPos;
    const int SavedLine = FLine;
    const bool Found = NextIsKeyword(Keyword);
    FPos = Pos;
    FLine = SavedLine;
    return Found;
  }

  void CheckDepth(int Depth) const {
    if (Depth > kMaxNesting) Fail("Description nested too deeply");
  }

  TObjectNode ParseObject(int Depth) {
    CheckDepth(Depth);
    SkipBlanks();
    TObjectNode Node;
    Node.Line = FLine;
    if (!NextIsKeyword("object")) Fail("'object' expected");
    const String First = ReadName(false);
    SkipBlanks();
    if (Peek() == ':') {
      ++FPos;
      Node.Name = First;
      Node.ClassName = ReadName(false);
    } else {
      Node.ClassName = First;
    }
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'end' expected");
      if (NextIsKeyword("end")) return Node;
      if (PeekKeyword("object")) {
        Node.Children.push_back(ParseObject(Depth + 1));
        continue;
      }
      if (!Node.Children.empty()) Fail("Property after a nested object");
      Node.Props.push_back(ParseProperty(Depth));
    }
  }

  TProperty ParseProperty(int Depth) {
    TProperty Prop;
    SkipBlanks();
    Prop.Line = FLine;
    Prop.Name = ReadName(true);
    Expect('=', "'='");
    Prop.Value = ParseValue(Depth + 1);
    return Prop;
  }

  TValue ParseValue(int Depth) {
    CheckDepth(Depth);
    SkipBlanks();
    TValue V;
    V.Line = FLine;
    const char C = Peek();
    if (C == '\'' || C == '#') {
      V.Kind = TValue::vkString;
      V.Text = ParseString();
    } else if (C == '-' || C == '+' || C == '$' || IsDigit(C)) {
      V.Kind = TValue::vkInteger;
      V.Integer = ParseInteger();
    } else if (IsIdentStart(C)) {
      V.Kind = TValue::vkIdent;
      V.Ident = ReadName(true);
    } else if (C == '[') {
      ++FPos;
      V.Kind = TValue::vkSet;
      SkipBlanks();
      if (Peek() == ']') {
        ++FPos;
        return V;
      }
      for (;;) {
        V.Set.push_back(ReadName(false));
        SkipBlanks();
        if (Peek() == ']') {
          ++FPos;
          return V;
        }
        Expect(',', "',' or ']'");
      }
    } else if (C == '(') {
      ++FPos;
      V.Kind = TValue::vkList;
      for (;;) {
        SkipBlanks();
        if (AtEnd()) Fail("')' expected");
        if (Peek() == ')') {
          ++FPos;
          return V;
        }
        V.List.push_back(ParseValue(Depth + 1));
      }
    } else if (C == '<') {
      ++FPos;
      V.Kind = TValue::vkCollection;
      for (;;) {
        SkipBlanks();
        if (Peek() == '>') {
          ++FPos;
          return V;
        }
        if (!NextIsKeyword("item")) Fail("'item' or '>' expected");
        TItem Item;
        Item.Line = FLine;
        for (;;) {
          SkipBlanks();
          if (AtEnd()) Fail("'end' expected");
          if (NextIsKeyword("end")) break;
          Item.Props.push_back(ParseProperty(Depth + 1));
        }
        V.Items.push_back(std::move(Item));
      }
    } else if (C == '{') {
      ++FPos;
      V.Kind = TValue::vkBinary;
      V.Bytes = ParseBinary();
    } else {
      Fail("Invalid property value");
    }
    return V;
  }

  std::int64_t ParseInteger() {
    const std::size_t Start = FPos;
    if (Peek() == '-' || Peek() == '+') ++FPos;
    if (Peek() == '$') ++FPos;
    while (HexValue(Peek()) >= 0) ++FPos;
    const std::string_view NumberText = FText.substr(Start, FPos - Start);
    if (Peek() == '.' || IsIdentStart(Peek())) Fail("Invalid number");
    std::int64_t Number;
    if (!TryStrToInt64(NumberText, Number)) Fail("Invalid number " + String(NumberText));
    return Number;
  }

  // Quoted parts and #N characters, joined by '+' across lines.
  WideString ParseString() {
    WideString Out;
    for (;;) {
      ParseStringParts(Out);
      // "+" continues the string, usually on the next line.
      const std::size_t Pos = FPos;
      const int SavedLine = FLine;
      SkipBlanks();
      if (Peek() != '+') {
        FPos = Pos;
        FLine = SavedLine;
        return Out;
      }
      ++FPos;
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Fail("String expected after '+'");
    }
  }

  void ParseStringParts(WideString& Out) {
    for (;;) {
      const char C = Peek();
      if (C == '\'') {
        ++FPos;
        String Bytes;
        for (;;) {
          if (AtEnd() || Peek() == '\r' || Peek() == '\n') Fail("Unterminated string");
          if (Peek() == '\'') {
            if (Peek(1) != '\'') break;
            ++FPos;
          }
          Bytes += FText[FPos++];
        }
        ++FPos;
        Out += Utf8ToUtf16(Bytes);
      } else if (C == '#') {
        ++FPos;
        std::uint64_t Code = 0;
        const bool Hex = Peek() == '$';
        if (Hex) ++FPos;
        std::size_t Digits = 0;
        for (;; ++Digits, ++FPos) {
          const int D = Hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
          if (D < 0) break;
          Code = Code * (Hex ? 16 : 10) + static_cast<unsigned>(D);
          if (Code > 0x10FFFF) Fail("Invalid character code");
        }
        if (Digits == 0) Fail("Invalid character code");
        // Code units below 0x10000 are kept as written, so wide text with lone surrogates survives.
        if (Code < 0x10000)
          Out += static_cast<char16_t>(Code);
        else
          AppendUtf16(Out, static_cast<char32_t>(Code));
      } else {
        return;
      }
    }
  }

  std::vector<std::uint8_t> ParseBinary() {
    std::vector<std::uint8_t> Bytes;
    int High = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'}' expected");
      const char C = FText[FPos++];
      if (C == '}') break;
      const int D = HexValue(C);
      if (D < 0) Fail("Invalid binary data");
      if (High < 0) {
        High = D;
      } else {
        Bytes.push_back(static_cast<std::uint8_t>(High * 16 + D));
        High = -1;
      }
    }
    if (High >= 0) Fail("Odd number of hex digits in binary data");
    return Bytes;
  }

  std::string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;
};

}  // namespace

TObjectNode Parse(std::string_view Text) {
  return TParser(Text).ParseRoot();
}

}  // namespace description
