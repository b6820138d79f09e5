#include "host/core/syntax.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "host/core/steps.h"
#include "host/core/usage.h"

namespace host::script {
namespace {

struct CommandShape {
  // One pattern element per argument: n integer, s any text (quoted or not),
  // q text or nil, h RRGGBB, * any number of texts or nils, a trailing ?
  // makes it optional; anything else is a list of words separated by |.
  const char* signature;
  const char* usage;  // nullptr: the usage line is made from the signature
};

const std::map<std::string, CommandShape, std::less<>>& Commands() {
  static const std::map<std::string, CommandShape, std::less<>> table = {
      {"no-auto-start", {"", nullptr}},
      {"register", {"", nullptr}},
      {"init", {"", nullptr}},
      {"register-interface", {"", nullptr}},
      {"unregister-interface", {"", nullptr}},
      {"register-script-processor", {"", nullptr}},
      {"init-twice-check", {"", nullptr}},
      {"unload", {"", nullptr}},
      {"load", {"", nullptr}},
      {"expect-class", {"s registered|gone", "expect-class \"Window class\" registered|gone"}},
      {"expect-actions", {"n", "expect-actions COUNT"}},
      {"expect-action", {"n s s s", "expect-action NUMBER \"Name\" \"description\" \"type codes\""}},
      {"expect-identity", {"s s s", "expect-identity \"name\" \"author\" \"description\""}},
      {"expect-plugin-version", {"s", "expect-plugin-version \"2.0.N\""}},
      {"list", {"", nullptr}},
      {"set", {"s s", "set NAME \"value\""}},
      {"object", {"s n n n n", "object NAME X Y WIDTH HEIGHT"}},
      {"host-window", {"n n", "host-window WIDTH HEIGHT"}},
      {"move", {"s n n", "move NAME X Y"}},
      {"resize", {"s n n", "resize NAME WIDTH HEIGHT"}},
      {"destroy-object", {"s", "destroy-object NAME"}},
      {"destroy-plugin-window", {"s", nullptr}},
      {"answer7", {"s s", "answer7 OBJECT \"answer\" | answer7 OBJECT default"}},
      {"answer", {"8|14 true|false s", "answer 8|14 true|false \"text\""}},
      {"exec",
       {"s *", "exec ACTION \"parameter\" ... (ACTION: a name such as TarvexCreate, or its number)"}},
      {"edit", {"s *", "edit ACTION \"parameter\" ... (then dialog steps and end, or nothing)"}},
      {"expect-param", {"n q", "expect-param SLOT \"text\"|nil"}},
      {"expect-slot", {"n q", "expect-slot SLOT \"text\"|nil"}},
      {"expect", {"true|false", "expect true|false"}},
      {"expect-interface-call", {"n q", "expect-interface-call COMMAND \"slot text\"|nil"}},
      {"message", {"n", "message CODE"}},
      {"post", {"s n", "post OBJECT CODE"}},
      {"expect-reply", {"n", "expect-reply NUMBER"}},
      {"capture", {"s", "capture OBJECT"}},
      {"expect-pixel", {"n n h", "expect-pixel X Y RRGGBB"}},
      {"expect-pixels-in", {"n n n n h at-least|at-most n", nullptr}},
      {"expect-capture-untouched", {"", nullptr}},
      {"save-capture", {"s", "save-capture \"file.png\""}},
      {"expect-plugin-windows", {"s n", "expect-plugin-windows OBJECT COUNT"}},
      {"expect-plugin-window",
       {"s visible|hidden|enabled|disabled|size n? n?",
        "expect-plugin-window OBJECT visible|hidden|enabled|disabled | "
        "expect-plugin-window OBJECT size WIDTH HEIGHT"}},
      {"expect-gauge", {"s shown|hidden", "expect-gauge OBJECT shown|hidden"}},
      {"gdi-mark", {"", nullptr}},
      {"expect-gdi-flat", {"n?", "expect-gdi-flat [TOLERANCE]"}},
      {"about", {"close-with ok|frame screenshot? s? window|client?",
                 "about close-with ok|frame [screenshot \"file.png\" [window|client]]"}},
      {"dialog", {"close-with ok|cancel|frame", "dialog close-with ok|cancel|frame"}},
      {"loc-file", {"none", "loc-file <<END (lines) END | loc-file none"}},
      {"loc-file-raw", {"s", "loc-file-raw \"bytes\""}},
      {"expect-messages", {"n", "expect-messages COUNT"}},
      {"expect-message", {"s", "expect-message \"text\""}},
      {"clear-messages", {"", nullptr}},
      {"wait", {"n", "wait MILLISECONDS"}},
      {"pump", {"", nullptr}},
      {"screenshot", {"s", "screenshot \"file.png\""}},
      {"echo", {"*", nullptr}},
      {"fpu", {"53|64", "fpu 53|64"}},
      {"contrast", {"white-on-black|black-on-white|off", "contrast white-on-black|black-on-white|off"}},
      {"repeat", {"n as? s?", "repeat COUNT [as NAME] ... end"}},
      {"warnings", {"on|off", "warnings on|off"}},
      {"bench", {"s n", "bench \"label\" COUNT ... end"}},
  };
  return table;
}

std::vector<std::string> SplitOn(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<std::string> CheckArgument(const std::string& element, const Token& token) {
  std::string kind = element.ends_with('?') ? element.substr(0, element.size() - 1) : element;
  if (kind == "q") return std::nullopt;
  if (token.IsNil()) return std::string("nil is not allowed here");
  if (kind == "s") return std::nullopt;
  if (kind == "n") {
    if (ParseInteger(token.text)) return std::nullopt;
    return "\"" + token.text + "\" is not an integer";
  }
  if (kind == "h") {
    if (ParseRgb(token.text)) return std::nullopt;
    return "\"" + token.text + "\" is not a colour RRGGBB";
  }
  std::vector<std::string> words = SplitOn(kind, '|');
  if (!token.quoted && std::find(words.begin(), words.end(), token.text) != words.end()) {
    return std::nullopt;
  }
  return "expected " + kind + ", found \"" + token.text + "\"";
}


}  // namespace

std::optional<std::string> CheckArguments(const std::string& signature,
                                          const std::vector<Token>& args) {
  std::vector<std::string> elements = signature.empty() ? std::vector<std::string>{}
                                                        : SplitOn(signature, ' ');
  std::size_t i = 0;
  for (const std::string& element : elements) {
    if (element == "*") return std::nullopt;
    if (i >= args.size()) {
      if (element.ends_with('?')) return std::nullopt;
      return std::string("too few arguments");
    }
    if (auto error = CheckArgument(element, args[i])) return error;
    ++i;
  }
  if (i < args.size()) return std::string("too many arguments");
  return std::nullopt;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                     [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  if (text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseRgb(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    int digit = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::optional<std::string> CheckLine(const Line& line, bool isFirst) {
  const Token& word = line.tokens.front();
  auto found = word.quoted ? Commands().end() : Commands().find(word.text);
  if (found == Commands().end()) {
    if (!word.quoted && IsDialogOnlyStep(word.text)) {
      return word.text + " is a step inside a dialog: it belongs in the lines after an edit";
    }
    return "unknown command \"" + word.text + "\"";
  }
  std::vector<Token> args(line.tokens.begin() + 1, line.tokens.end());
  if (word.text == "no-auto-start" && !isFirst) {
    return std::string("no-auto-start must be the first command");
  }
  if (word.text == "loc-file" && line.hasBody) {
    if (args.size() != 1) return std::string("too many arguments");
    return std::nullopt;
  }
  const CommandShape& shape = found->second;
  const std::string usage = shape.usage ? shape.usage : UsageFromSignature(word.text, shape.signature);
  if (auto error = CheckArguments(shape.signature, args)) {
    if (*error == "too few arguments" || *error == "too many arguments") *error += "; usage: " + usage;
    return error;
  }
  if (word.text == "repeat" && args.size() == 2) return "as needs a name; usage: " + usage;
  if (word.text == "repeat" && args.size() == 3 && (args[2].quoted || args[2].text.find_first_of("[]") != std::string::npos)) {
    return "the loop counter's name " + args[2].text + " must be a plain word, used as [" + args[2].text + "]";
  }
  if (word.text == "about" && args.size() == 3) return std::string("screenshot needs a file name");
  if (word.text == "expect-plugin-window" && args[1].text == "size" && args.size() != 4) {
    return std::string("size needs a width and a height");
  }
  if (word.text == "expect-plugin-window" && args[1].text != "size" && args.size() != 2) {
    return std::string("too many arguments");
  }
  return std::nullopt;
}

std::vector<Error> CheckScript(const Script& script) {
  std::vector<Error> errors = script.errors;
  bool first = true;
  auto checkSteps = [&](const Line& edit) {
    const Line* ending = nullptr;
    for (const Line& step : edit.block) {
      if (ending) {
        errors.push_back({step.number, "the dialog ends with " + ending->Command() + " on line " +
                                           std::to_string(ending->number) + "; no step may follow it"});
      } else if (auto error = CheckStep(step)) {
        errors.push_back({step.number, *error});
      }
      if (!ending && IsEndingStep(step.Command())) ending = &step;
    }
  };
  auto walk = [&](const std::vector<Line>& lines, auto& self) -> void {
    for (const Line& line : lines) {
      if (auto error = CheckLine(line, first)) errors.push_back({line.number, *error});
      first = false;
      if (line.Command() == "edit") {
        checkSteps(line);
      } else {
        self(line.block, self);
      }
    }
  };
  walk(script.lines, walk);
  std::stable_sort(errors.begin(), errors.end(),
                   [](const Error& a, const Error& b) { return a.line < b.line; });
  return errors;
}

}  // namespace host::script
