#include "WindowDefinition.h"

#include <string>
#include <vector>

#include "Decimal.h"
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
    std::wstring name = Identifier(L"a component name");
    ObjectDefinition root = Object(std::move(name), line, 0);
    SkipSpace();
    if (!AtEnd()) Fail(L"text after the end of the definition");
    return root;
  }

private:
  // The rest of "Name: Class { ... }" once the name has been read.
  ObjectDefinition Object(std::wstring name, int line, int depth) {
    if (depth > kMaxDepth) Fail(L"components nested too deeply");
    ObjectDefinition object;
    object.line = line;
    object.name = std::move(name);
    Expect(':');
    object.className = Identifier(L"a class name");
    Expect('{');
    for (;;) {
      SkipSpace();
      if (AtEnd()) Fail(L"missing \"}\"");
      if (Peek() == '}') {
        ++pos_;
        return object;
      }
      const int memberLine = line_;
      std::wstring memberName = Identifier(L"a property or component name");
      SkipSpace();
      if (Peek() == ':') {
        object.components.push_back(Object(std::move(memberName), memberLine, depth + 1));
        continue;
      }
      while (Peek() == '.') {
        ++pos_;
        memberName += L'.';
        memberName += Identifier(L"a property name after \".\"");
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
          value.items.push_back(Identifier(L"a set member"));
          SkipSpace();
          if (Peek() != ',') break;
          ++pos_;
        }
      }
      Expect(']');
    } else {
      value.kind = PropertyValue::Kind::Identifier;
      value.text = Identifier(L"a value");
    }
    return value;
  }

  std::wstring Identifier(const wchar_t* what) {
    SkipSpace();
    const std::size_t start = pos_;
    if (AtEnd() || !IsIdentifierStart(Peek())) Fail(L"expected " + std::wstring(what));
    while (!AtEnd() && (IsIdentifierStart(Peek()) || IsDigit(Peek()))) ++pos_;
    return std::wstring(text_.begin() + static_cast<std::ptrdiff_t>(start),
                        text_.begin() + static_cast<std::ptrdiff_t>(pos_));
  }

  std::int64_t Integer() {
    const bool negative = Peek() == '-';
    if (negative) ++pos_;
    if (AtEnd() || !IsDigit(Peek())) Fail(L"expected a digit");
    std::int64_t magnitude = 0;
    while (!AtEnd() && IsDigit(Peek())) {
      magnitude = magnitude * 10 + (Peek() - '0');
      if (magnitude > std::int64_t{INT32_MAX} + 1) Fail(L"number out of range");
      ++pos_;
    }
    if (!negative && magnitude > INT32_MAX) Fail(L"number out of range");
    return negative ? -magnitude : magnitude;
  }

  std::wstring String() {
    ++pos_; // opening quote
    std::vector<char> bytes;
    for (;;) {
      if (AtEnd() || Peek() == '\n') Fail(L"unterminated string");
      const char c = text_[pos_++];
      if (c == '"') break;
      if (c == '\\') {
        if (AtEnd() || (Peek() != '"' && Peek() != '\\')) Fail(L"unknown escape in string");
        bytes.push_back(text_[pos_++]);
      } else {
        bytes.push_back(c);
      }
    }
    auto decoded = DecodeUtf8(std::string_view(bytes.data(), bytes.size()));
    if (!decoded) Fail(L"string is not valid UTF-8");
    return std::move(*decoded);
  }

  void Expect(char c) {
    SkipSpace();
    if (AtEnd() || Peek() != c) Fail(std::wstring(L"expected \"") + static_cast<wchar_t>(c) + L"\"");
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

  [[noreturn]] void Fail(const std::wstring& what) const {
    throw EParserError(L"Window definition, line " + DecimalText(static_cast<std::uint32_t>(line_)) + L": " + what);
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
