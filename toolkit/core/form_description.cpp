#include "toolkit/core/form_description.h"

#include <optional>
#include <set>
#include <utility>

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

namespace {
// True / False in any letter case; nothing for another word.
std::optional<bool> TruthOf(std::string_view word) {
  if (SameTextAscii(word, "True")) return true;
  if (SameTextAscii(word, "False")) return false;
  return std::nullopt;
}
}  // namespace

bool Value::AsBool() const {
  Require(*this, Kind::Identifier);
  if (auto truth = TruthOf(text)) return *truth;
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
  for (auto p = properties.rbegin(); p != properties.rend(); ++p)
    if (p->name == propertyName) return &*p;
  return nullptr;
}

std::optional<int> ObjectNode::FindInteger(std::string_view propertyName) const {
  const Property* p = Find(propertyName);
  if (!p || p->value.kind != Value::Kind::Integer) return std::nullopt;
  if (p->value.integer < INT32_MIN || p->value.integer > INT32_MAX) return std::nullopt;
  return static_cast<int>(p->value.integer);
}

std::optional<bool> ObjectNode::FindBool(std::string_view propertyName) const {
  const Property* p = Find(propertyName);
  if (!p || p->value.kind != Value::Kind::Identifier) return std::nullopt;
  return TruthOf(p->value.text);
}

std::optional<std::string> ObjectNode::FindIdentifier(std::string_view propertyName) const {
  const Property* p = Find(propertyName);
  if (!p || p->value.kind != Value::Kind::Identifier) return std::nullopt;
  return p->value.text;
}

namespace {

constexpr int kMaxFragmentDepth = 16;
// Components nested deeper are refused: the tree is walked and freed
// recursively.
constexpr std::size_t kMaxComponentDepth = 100;

// The raw text of each parameter of an include line, as written.
struct IncludeLine {
  std::string name;
  std::vector<std::pair<std::string, std::string>> parameters;
};

// include Name   or   include Name(Key = value, Other = value)
IncludeLine ParseInclude(std::string_view content, int line) {
  Cursor in(content, line);
  in.Identifier(true);  // the word include
  IncludeLine result;
  result.name = in.Identifier();
  if (in.AtEnd()) return result;
  // The rest is scanned by hand: values are kept exactly as written.
  if (in.Peek() != '(') in.Fail("expected '(' after the fragment's name");
  // Names hold no '(': the first one opens the parameters.
  std::size_t pos = content.find('(');
  ++pos;
  auto skipBlanks = [&] {
    while (pos < content.size() && IsBlank(content[pos])) ++pos;
  };
  auto fail = [&](const std::string& message) -> void { throw DescriptionError(line, message); };
  skipBlanks();
  if (pos < content.size() && content[pos] == ')') {
    ++pos;
  } else {
    for (;;) {
      skipBlanks();
      std::size_t keyStart = pos;
      while (pos < content.size() && IsIdentChar(content[pos])) ++pos;
      if (pos == keyStart || !IsIdentStart(content[keyStart])) fail("expected a parameter name");
      std::string key(content.substr(keyStart, pos - keyStart));
      skipBlanks();
      if (pos >= content.size() || content[pos] != '=') fail("expected '=' after " + key);
      ++pos;
      skipBlanks();
      std::size_t valueStart = pos;
      int depth = 0;
      bool quoted = false;
      for (; pos < content.size(); ++pos) {
        char c = content[pos];
        if (quoted) {
          if (c == '\'') quoted = false;  // '' reads as closing and opening again
          continue;
        }
        if (c == '\'') quoted = true;
        else if (c == '(' || c == '[') ++depth;
        else if ((c == ')' || c == ']') && depth > 0) --depth;
        else if ((c == ',' || c == ')') && depth == 0) break;
      }
      if (quoted) fail("unterminated string");
      if (pos >= content.size()) fail("expected ')' at the end of the include");
      std::size_t valueEnd = pos;
      while (valueEnd > valueStart && IsBlank(content[valueEnd - 1])) --valueEnd;
      if (valueEnd == valueStart) fail("no value for " + key);
      for (const auto& p : result.parameters)
        if (p.first == key) fail("a second value for " + key);
      result.parameters.emplace_back(std::move(key),
                                     std::string(content.substr(valueStart, valueEnd - valueStart)));
      if (content[pos++] == ')') break;
    }
  }
  skipBlanks();
  if (pos < content.size()) fail("unexpected text after the include");
  return result;
}

// Replaces every $(Key) of the fragment by its value; a parameter that the
// fragment never uses and a $(Key) without a value are mistakes.
std::string Substitute(std::string_view text, const IncludeLine& include, int line) {
  std::vector<bool> used(include.parameters.size(), false);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t mark = text.find("$(", pos);
    if (mark == std::string_view::npos) {
      out.append(text.substr(pos));
      break;
    }
    out.append(text.substr(pos, mark - pos));
    std::size_t close = text.find(')', mark + 2);
    std::string_view key =
        close == std::string_view::npos ? text.substr(mark + 2) : text.substr(mark + 2, close - mark - 2);
    bool found = false;
    for (std::size_t i = 0; i < include.parameters.size(); ++i) {
      if (include.parameters[i].first == key) {
        out.append(include.parameters[i].second);
        used[i] = true;
        found = true;
        break;
      }
    }
    if (!found || close == std::string_view::npos)
      throw DescriptionError(line, "fragment " + include.name + " needs a value for $(" +
                                       std::string(key) + ")");
    pos = close + 1;
  }
  for (std::size_t i = 0; i < used.size(); ++i)
    if (!used[i])
      throw DescriptionError(line, "fragment " + include.name + " has no parameter " +
                                       include.parameters[i].first);
  return out;
}

// Reads descriptions and the fragments that they include into one tree.
class Parser {
 public:
  explicit Parser(const FragmentSource& fragments) : fragments_(fragments) {}

  ObjectNode Run(std::string_view text) {
    Lines(text, 0, 0);
    if (!haveRoot_) throw DescriptionError(0, "no object in the description");
    if (!open_.empty()) throw DescriptionError(open_.back()->line, "missing end of " + open_.back()->name);
    return std::move(root_);
  }

 private:
  // reportLine: the line that nodes and properties carry; 0 for the
  // description itself (each its own line), the include's line for fragments.
  void Lines(std::string_view text, int reportLine, int depth) {
    const std::size_t openAtStart = open_.size();
    int line = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
      std::size_t eol = text.find('\n', pos);
      if (eol == std::string_view::npos) eol = text.size();
      std::string_view content = text.substr(pos, eol - pos);
      pos = eol + 1;
      ++line;
      const int at = reportLine > 0 ? reportLine : line;
      Cursor in(content, line);
      if (in.AtEnd() || in.Peek() == '#') continue;
      std::string word = in.Identifier(true);
      if (rootClosed_) in.Fail("text after the end of the form");
      if (word == "object") {
        ObjectNode node;
        node.line = at;
        node.name = in.Identifier();
        in.Expect(':');
        node.className = in.Identifier();
        if (!in.AtEnd()) in.Fail("unexpected text after the class name");
        if (!names_.insert(node.name).second) in.Fail("a second component named " + node.name);
        if (!haveRoot_) {
          root_ = std::move(node);
          haveRoot_ = true;
          open_.push_back(&root_);
        } else {
          if (open_.empty()) in.Fail("a second form");
          if (open_.size() >= kMaxComponentDepth)
            in.Fail("components nested more than " + std::to_string(kMaxComponentDepth) + " deep");
          open_.back()->children.push_back(std::move(node));
          open_.push_back(&open_.back()->children.back());
        }
      } else if (word == "end") {
        if (!in.AtEnd()) in.Fail("unexpected text after end");
        if (open_.size() <= openAtStart) in.Fail(depth > 0 ? "end without object in the fragment" : "end without object");
        open_.pop_back();
        if (open_.empty()) rootClosed_ = true;
      } else if (word == "include" && in.Peek() != '=') {
        if (open_.empty()) in.Fail("include outside an object");
        Include(content, line, reportLine > 0 ? reportLine : line, depth);
      } else {
        if (open_.empty()) in.Fail("property outside an object");
        in.Expect('=');
        Property p;
        p.name = std::move(word);
        p.line = at;
        p.value = ParseValue(in, at);
        open_.back()->properties.push_back(std::move(p));
      }
    }
    if (depth > 0 && open_.size() != openAtStart)
      throw DescriptionError(open_.back()->line, "missing end of " + open_.back()->name + " in the fragment");
  }

  void Include(std::string_view content, int line, int at, int depth) {
    IncludeLine include = ParseInclude(content, line);
    if (depth >= kMaxFragmentDepth)
      throw DescriptionError(line, "fragments include each other too deeply (" + include.name + ")");
    std::optional<std::string> stored = fragments_ ? fragments_(include.name) : std::nullopt;
    if (!stored) throw DescriptionError(line, "no fragment " + include.name);
    std::string text = Substitute(*stored, include, line);
    try {
      Lines(text, at, depth + 1);
    } catch (const DescriptionError& e) {
      throw DescriptionError(line, "in fragment " + include.name + ", " + e.what());
    }
  }

  const FragmentSource& fragments_;
  ObjectNode root_;
  bool haveRoot_ = false, rootClosed_ = false;
  std::vector<ObjectNode*> open_;
  std::set<std::string> names_;
};

}  // namespace

ObjectNode ParseDescription(std::string_view text, const FragmentSource& fragments) {
  return Parser(fragments).Run(text);
}

}  // namespace tk::form
