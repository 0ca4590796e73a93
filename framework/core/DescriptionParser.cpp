#include "framework/core/DescriptionTree.h"
#include "framework/core/SysUtils.h"

namespace description {
namespace {

bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class TParser {
 public:
  explicit TParser(std::string_view Text) : FText(Text) {
    if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;  // a byte-order mark is not content
  }

  TObjectNode ParseRoot() {
    SkipBlanks();
    TObjectNode root = ParseObject(0);
    SkipBlanks();
    if (!AtEnd()) Fail("Text after the end of the description");
    return root;
  }

 private:
  [[noreturn]] void Fail(const String& Message) const { throw EParserError(FLine, Message); }
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek(std::size_t Ahead = 0) const { return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0'; }

  void SkipBlanks() {
    while (!AtEnd()) {
      const char c = FText[FPos];
      if (c == '\n') {
        ++FLine;
      } else if (c == '\r') {
        if (Peek(1) != '\n') ++FLine;
      } else if (c != ' ' && c != '\t') {
        return;
      }
      ++FPos;
    }
  }

  void Expect(char c, const char* What) {
    SkipBlanks();
    if (Peek() != c) Fail(String("Expected ") + What);
    ++FPos;
  }

  // A name, possibly dotted ("Font.Height").
  String ReadName(bool Dotted) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Fail("Identifier expected");
    const std::size_t start = FPos;
    while (!AtEnd()) {
      if (IsIdentChar(FText[FPos])) {
        ++FPos;
      } else if (Dotted && FText[FPos] == '.' && IsIdentStart(Peek(1))) {
        FPos += 2;
      } else {
        break;
      }
    }
    return String(FText.substr(start, FPos - start));
  }

  // True (and consumes it) when the next word is Keyword.
  bool NextIsKeyword(const char* Keyword) {
    SkipBlanks();
    std::size_t n = 0;
    while (IsIdentChar(Peek(n))) ++n;
    if (n == 0 || !SameText(FText.substr(FPos, n), Keyword)) return false;
    FPos += n;
    return true;
  }

  bool PeekKeyword(const char* Keyword) {
    const std::size_t pos = FPos;
    const int line = FLine;
    const bool found = NextIsKeyword(Keyword);
    FPos = pos;
    FLine = line;
    return found;
  }

  void CheckDepth(int Depth) const {
    if (Depth > kMaxNesting) Fail("Description nested too deeply");
  }

  TObjectNode ParseObject(int Depth) {
    CheckDepth(Depth);
    SkipBlanks();
    TObjectNode node;
    node.Line = FLine;
    if (!NextIsKeyword("object")) Fail("'object' expected");
    const String first = ReadName(false);
    SkipBlanks();
    if (Peek() == ':') {
      ++FPos;
      node.Name = first;
      node.ClassName = ReadName(false);
    } else {
      node.ClassName = first;
    }
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'end' expected");
      if (NextIsKeyword("end")) return node;
      if (PeekKeyword("object")) {
        node.Children.push_back(ParseObject(Depth + 1));
        continue;
      }
      if (!node.Children.empty()) Fail("Property after a nested object");
      node.Props.push_back(ParseProperty(Depth));
    }
  }

  TProperty ParseProperty(int Depth) {
    TProperty prop;
    SkipBlanks();
    prop.Line = FLine;
    prop.Name = ReadName(true);
    Expect('=', "'='");
    prop.Value = ParseValue(Depth + 1);
    return prop;
  }

  TValue ParseValue(int Depth) {
    CheckDepth(Depth);
    SkipBlanks();
    TValue v;
    v.Line = FLine;
    const char c = Peek();
    if (c == '\'' || c == '#') {
      v.Kind = TValue::vkString;
      v.Text = ParseString();
    } else if (c == '-' || c == '+' || c == '$' || IsDigit(c)) {
      v.Kind = TValue::vkInteger;
      v.Integer = ParseInteger();
    } else if (IsIdentStart(c)) {
      v.Kind = TValue::vkIdent;
      v.Ident = ReadName(true);
    } else if (c == '[') {
      ++FPos;
      v.Kind = TValue::vkSet;
      SkipBlanks();
      if (Peek() == ']') {
        ++FPos;
        return v;
      }
      for (;;) {
        v.Set.push_back(ReadName(false));
        SkipBlanks();
        if (Peek() == ']') {
          ++FPos;
          return v;
        }
        Expect(',', "',' or ']'");
      }
    } else if (c == '(') {
      ++FPos;
      v.Kind = TValue::vkList;
      for (;;) {
        SkipBlanks();
        if (AtEnd()) Fail("')' expected");
        if (Peek() == ')') {
          ++FPos;
          return v;
        }
        v.List.push_back(ParseValue(Depth + 1));
      }
    } else if (c == '<') {
      ++FPos;
      v.Kind = TValue::vkCollection;
      for (;;) {
        SkipBlanks();
        if (Peek() == '>') {
          ++FPos;
          return v;
        }
        if (!NextIsKeyword("item")) Fail("'item' or '>' expected");
        TItem item;
        item.Line = FLine;
        for (;;) {
          SkipBlanks();
          if (AtEnd()) Fail("'end' expected");
          if (NextIsKeyword("end")) break;
          item.Props.push_back(ParseProperty(Depth + 1));
        }
        v.Items.push_back(std::move(item));
      }
    } else if (c == '{') {
      ++FPos;
      v.Kind = TValue::vkBinary;
      v.Bytes = ParseBinary();
    } else {
      Fail("Invalid property value");
    }
    return v;
  }

  std::int64_t ParseInteger() {
    const std::size_t start = FPos;
    if (Peek() == '-' || Peek() == '+') ++FPos;
    if (Peek() == '$') ++FPos;
    while (HexValue(Peek()) >= 0) ++FPos;
    const std::string_view text = FText.substr(start, FPos - start);
    if (Peek() == '.' || IsIdentStart(Peek())) Fail("Invalid number");
    std::int64_t value;
    if (!TryStrToInt64(text, value)) Fail("Invalid number " + String(text));
    return value;
  }

  // Quoted parts and #N characters, joined by '+' across lines.
  WideString ParseString() {
    WideString out;
    for (;;) {
      ParseStringParts(out);
      // "+" continues the string, usually on the next line.
      const std::size_t pos = FPos;
      const int line = FLine;
      SkipBlanks();
      if (Peek() != '+') {
        FPos = pos;
        FLine = line;
        return out;
      }
      ++FPos;
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Fail("String expected after '+'");
    }
  }

  void ParseStringParts(WideString& out) {
    for (;;) {
      const char c = Peek();
      if (c == '\'') {
        ++FPos;
        String bytes;
        for (;;) {
          if (AtEnd() || Peek() == '\r' || Peek() == '\n') Fail("Unterminated string");
          if (Peek() == '\'') {
            if (Peek(1) != '\'') break;
            ++FPos;
          }
          bytes += FText[FPos++];
        }
        ++FPos;
        out += Utf8ToUtf16(bytes);
      } else if (c == '#') {
        ++FPos;
        std::uint64_t code = 0;
        const bool hex = Peek() == '$';
        if (hex) ++FPos;
        std::size_t digits = 0;
        for (;; ++digits, ++FPos) {
          const int d = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
          if (d < 0) break;
          code = code * (hex ? 16 : 10) + static_cast<unsigned>(d);
          if (code > 0x10FFFF) Fail("Invalid character code");
        }
        if (digits == 0) Fail("Invalid character code");
        // Code units below 0x10000 are kept as written, so wide text with lone surrogates survives.
        if (code < 0x10000)
          out += static_cast<char16_t>(code);
        else
          AppendUtf16(out, static_cast<char32_t>(code));
      } else {
        return;
      }
    }
  }

  std::vector<std::uint8_t> ParseBinary() {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'}' expected");
      const char c = FText[FPos++];
      if (c == '}') break;
      const int d = HexValue(c);
      if (d < 0) Fail("Invalid binary data");
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
        high = -1;
      }
    }
    if (high >= 0) Fail("Odd number of hex digits in binary data");
    return bytes;
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
