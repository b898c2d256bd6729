#include "WindowDefinition.h"

#include <string>

#include "Exceptions.h"
#include "Utf8.h"

namespace {

// Deeper nesting than any window needs; keeps hostile input from exhausting the stack.
constexpr int kMaxDepth = 16;

class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  ObjectDefinition Document() {
    SkipSpace();
    const int line = line_;
    std::wstring name = Identifier("a component name");
    ObjectDefinition root = Object(std::move(name), line, 0);
    SkipSpace();
    if (!AtEnd()) Fail("text after the end of the definition");
    return root;
  }

private:
  // The rest of "Name: Class { ... }" once the name has been read.
  ObjectDefinition Object(std::wstring name, int line, int depth) {
    if (depth > kMaxDepth) Fail("components nested too deeply");
    ObjectDefinition object;
    object.line = line;
    object.name = std::move(name);
    Expect(':');
    object.className = Identifier("a class name");
    Expect('{');
    for (;;) {
      SkipSpace();
      if (AtEnd()) Fail("missing \"}\"");
      if (Peek() == '}') {
        ++pos_;
        return object;
      }
      const int memberLine = line_;
      std::wstring memberName = Identifier("a property or component name");
      SkipSpace();
      if (Peek() == ':') {
        object.components.push_back(Object(std::move(memberName), memberLine, depth + 1));
        continue;
      }
      while (Peek() == '.') {
        ++pos_;
        memberName += L'.';
        memberName += Identifier("a property name after \".\"");
        SkipSpace();
      }
      Expect('=');
      object.properties.push_back({std::move(memberName), Value(), memberLine});
    }
  }

  PropertyValue Value() {
    SkipSpace();
    PropertyValue value;
    const char c = Peek();
    if (c == '"') {
      value.kind = PropertyValue::Kind::String;
      value.text = String();
    } else if (c == '-' || IsDigit(c)) {
      value.kind = PropertyValue::Kind::Integer;
      value.integer = Integer();
    } else if (c == '[') {
      ++pos_;
      value.kind = PropertyValue::Kind::Set;
      SkipSpace();
      if (Peek() != ']') {
        for (;;) {
          value.items.push_back(Identifier("a set member"));
          SkipSpace();
          if (Peek() != ',') break;
          ++pos_;
        }
      }
      Expect(']');
    } else {
      value.kind = PropertyValue::Kind::Identifier;
      value.text = Identifier("a value");
    }
    return value;
  }

  std::wstring Identifier(const char* what) {
    SkipSpace();
    const std::size_t start = pos_;
    if (AtEnd() || !IsIdentifierStart(Peek())) Fail(std::string("expected ") + what);
    while (!AtEnd() && (IsIdentifierStart(Peek()) || IsDigit(Peek()))) ++pos_;
    return std::wstring(text_.begin() + static_cast<std::ptrdiff_t>(start),
                        text_.begin() + static_cast<std::ptrdiff_t>(pos_));
  }

  std::int64_t Integer() {
    const bool negative = Peek() == '-';
    if (negative) ++pos_;
    if (AtEnd() || !IsDigit(Peek())) Fail("expected a digit");
    std::int64_t magnitude = 0;
    while (!AtEnd() && IsDigit(Peek())) {
      magnitude = magnitude * 10 + (Peek() - '0');
      if (magnitude > std::int64_t{INT32_MAX} + 1) Fail("number out of range");
      ++pos_;
    }
    if (!negative && magnitude > INT32_MAX) Fail("number out of range");
    return negative ? -magnitude : magnitude;
  }

  std::wstring String() {
    ++pos_; // opening quote
    std::string bytes;
    for (;;) {
      if (AtEnd() || Peek() == '\n') Fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') break;
      if (c == '\\') {
        if (AtEnd() || (Peek() != '"' && Peek() != '\\')) Fail("unknown escape in string");
        bytes += text_[pos_++];
      } else {
        bytes += c;
      }
    }
    auto decoded = DecodeUtf8(bytes);
    if (!decoded) Fail("string is not valid UTF-8");
    return std::move(*decoded);
  }

  void Expect(char c) {
    SkipSpace();
    if (AtEnd() || Peek() != c) Fail(std::string("expected \"") + c + "\"");
    ++pos_;
  }

  void SkipSpace() {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '#') {
        while (!AtEnd() && Peek() != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw EParserError(L"Window definition, line " + std::to_wstring(line_) + L": " +
                       std::wstring(what.begin(), what.end()));
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  static bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

} // namespace

ObjectDefinition ParseWindowDefinition(std::string_view utf8Text) { return Parser(utf8Text).Document(); }
