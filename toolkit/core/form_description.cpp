#include "toolkit/core/form_description.h"

#include <set>

#include "toolkit/core/ascii.h"
#include "toolkit/core/color_names.h"

namespace tk::form {

namespace {

std::string LineMessage(int line, const std::string& message) {
  return line > 0 ? "line " + std::to_string(line) + ": " + message : message;
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads one line's worth of tokens; every error names the line.
class Cursor {
 public:
  Cursor(std::string_view text, int line) : text_(text), line_(line) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ >= text_.size();
  }
  bool Accept(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Accept(c)) Fail(std::string("expected '") + c + "'");
  }
  char Peek() {
    SkipBlanks();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  std::string Identifier(bool dotted = false) {
    SkipBlanks();
    std::size_t start = pos_;
    if (pos_ >= text_.size() || !IsIdentStart(text_[pos_])) Fail("expected a name");
    while (pos_ < text_.size() &&
           (IsIdentChar(text_[pos_]) || (dotted && text_[pos_] == '.' && pos_ + 1 < text_.size() &&
                                         IsIdentStart(text_[pos_ + 1]))))
      ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  std::int64_t Integer() {
    SkipBlanks();
    bool negative = false;
    if (pos_ < text_.size() && text_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    std::int64_t value = 0;
    int digits = 0;
    if (pos_ < text_.size() && text_[pos_] == '$') {
      ++pos_;
      for (; pos_ < text_.size(); ++pos_, ++digits) {
        char c = text_[pos_];
        int d = IsDigit(c) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                     : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
        if (d < 0) break;
        value = value * 16 + d;
        if (value > 0xFFFFFFFFll) Fail("number too large");
      }
    } else {
      for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_, ++digits) {
        value = value * 10 + (text_[pos_] - '0');
        if (value > 0xFFFFFFFFll) Fail("number too large");
      }
    }
    if (digits == 0) Fail("expected a number");
    return negative ? -value : value;
  }

  // 'text' and #nnn pieces written next to each other form one string.
  std::string String() {
    SkipBlanks();
    std::string out;
    bool any = false;
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      any = true;
      if (text_[pos_] == '#') {
        ++pos_;
        int code = 0, digits = 0;
        for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_, ++digits) {
          code = code * 10 + (text_[pos_] - '0');
          if (code > 255) Fail("byte code above 255");
        }
        if (digits == 0) Fail("expected a byte code after #");
        out += static_cast<char>(code);
        continue;
      }
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size()) Fail("unterminated string");
        char c = text_[pos_++];
        if (c == '\'') {
          if (pos_ < text_.size() && text_[pos_] == '\'') {
            out += '\'';
            ++pos_;
            continue;
          }
          break;
        }
        out += c;
      }
    }
    if (!any) Fail("expected a string");
    return out;
  }

  [[noreturn]] void Fail(const std::string& message) { throw DescriptionError(line_, message); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_;
};

Value ParseValue(Cursor& in, int line) {
  Value v;
  v.line = line;
  char c = in.Peek();
  if (c == '\'' || c == '#') {
    v.kind = Value::Kind::String;
    v.text = in.String();
  } else if (c == '-' || c == '$' || IsDigit(c)) {
    v.kind = Value::Kind::Integer;
    v.integer = in.Integer();
  } else if (c == '[') {
    in.Expect('[');
    v.kind = Value::Kind::Set;
    if (!in.Accept(']')) {
      do v.items.push_back(in.Identifier());
      while (in.Accept(','));
      in.Expect(']');
    }
  } else if (c == '(') {
    in.Expect('(');
    v.kind = Value::Kind::List;
    while (!in.Accept(')')) {
      v.items.push_back(in.String());
      in.Accept(',');
    }
  } else {
    v.kind = Value::Kind::Identifier;
    v.text = in.Identifier();
  }
  if (!in.AtEnd()) in.Fail("unexpected text after the value");
  return v;
}

const char* KindName(Value::Kind kind) {
  switch (kind) {
    case Value::Kind::Integer: return "a number";
    case Value::Kind::String: return "a string";
    case Value::Kind::Identifier: return "a name";
    case Value::Kind::Set: return "a set";
    case Value::Kind::List: return "a list of strings";
  }
  return "?";
}

void Require(const Value& v, Value::Kind kind) {
  if (v.kind != kind)
    throw DescriptionError(v.line, std::string("expected ") + KindName(kind) + ", found " +
                                       KindName(v.kind));
}

}  // namespace

DescriptionError::DescriptionError(int line, const std::string& message)
    : std::runtime_error(LineMessage(line, message)), line_(line) {}

int Value::AsInt() const {
  Require(*this, Kind::Integer);
  if (integer < INT32_MIN || integer > INT32_MAX)
    throw DescriptionError(line, "number out of range");
  return static_cast<int>(integer);
}

const std::string& Value::AsString() const {
  Require(*this, Kind::String);
  return text;
}

const std::string& Value::AsIdentifier() const {
  Require(*this, Kind::Identifier);
  return text;
}

bool Value::AsBool() const {
  Require(*this, Kind::Identifier);
  if (SameTextAscii(text, "True")) return true;
  if (SameTextAscii(text, "False")) return false;
  throw DescriptionError(line, "expected True or False, found " + text);
}

TColor Value::AsColor() const {
  if (kind == Kind::Integer) {
    // Written as an unsigned $FF00000F or as a signed number alike.
    if (integer < INT32_MIN || integer > 0xFFFFFFFFll)
      throw DescriptionError(line, "colour out of range");
    return static_cast<TColor>(static_cast<std::uint32_t>(integer));
  }
  Require(*this, Kind::Identifier);
  if (auto c = ColorFromName(text)) return *c;
  throw DescriptionError(line, "unknown colour " + text);
}

const std::vector<std::string>& Value::AsSet() const {
  Require(*this, Kind::Set);
  return items;
}

const std::vector<std::string>& Value::AsList() const {
  Require(*this, Kind::List);
  return items;
}

const Property* ObjectNode::Find(std::string_view propertyName) const {
  for (const Property& p : properties)
    if (p.name == propertyName) return &p;
  return nullptr;
}

ObjectNode ParseDescription(std::string_view text) {
  ObjectNode root;
  bool haveRoot = false, rootClosed = false;
  std::vector<ObjectNode*> open;
  std::set<std::string> names;
  int line = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    std::string_view content = text.substr(pos, eol - pos);
    pos = eol + 1;
    ++line;
    Cursor in(content, line);
    if (in.AtEnd() || in.Peek() == '#') continue;
    std::string word = in.Identifier(true);
    if (rootClosed) in.Fail("text after the end of the form");
    if (word == "object") {
      ObjectNode node;
      node.line = line;
      node.name = in.Identifier();
      in.Expect(':');
      node.className = in.Identifier();
      if (!in.AtEnd()) in.Fail("unexpected text after the class name");
      if (!names.insert(node.name).second) in.Fail("a second component named " + node.name);
      if (!haveRoot) {
        root = std::move(node);
        haveRoot = true;
        open.push_back(&root);
      } else {
        if (open.empty()) in.Fail("a second form");
        open.back()->children.push_back(std::move(node));
        open.push_back(&open.back()->children.back());
      }
    } else if (word == "end") {
      if (!in.AtEnd()) in.Fail("unexpected text after end");
      if (open.empty()) in.Fail("end without object");
      open.pop_back();
      if (open.empty()) rootClosed = true;
    } else {
      if (open.empty()) in.Fail("property outside an object");
      in.Expect('=');
      Property p;
      p.name = std::move(word);
      p.line = line;
      p.value = ParseValue(in, line);
      open.back()->properties.push_back(std::move(p));
    }
  }
  if (!haveRoot) throw DescriptionError(0, "no object in the description");
  if (!open.empty()) throw DescriptionError(open.back()->line, "missing end of " + open.back()->name);
  return root;
}

}  // namespace tk::form
