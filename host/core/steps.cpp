#include "host/core/steps.h"

#include <algorithm>
#include <map>

#include "host/core/syntax.h"

namespace host::script {
namespace {

struct StepShape {
  const char* signature;  // the pattern language of the command table
  const char* usage;
  bool dialogOnly;
};

const std::map<std::string, StepShape, std::less<>>& Steps() {
  static const std::map<std::string, StepShape, std::less<>> table = {
      {"type", {"s s", "type NAME \"text\"", true}},
      {"pick", {"s s", "pick NAME \"item\"", true}},
      {"tick", {"s", "tick NAME", true}},
      {"click", {"s", "click NAME", true}},
      {"key", {"s F4|shift+F4", "key NAME F4|shift+F4", true}},
      {"expect-field", {"s s", "expect-field NAME \"text\"", true}},
      {"expect-ticked", {"s true|false", "expect-ticked NAME true|false", true}},
      {"expect-visible", {"s true|false", "expect-visible NAME true|false", true}},
      {"colour-dialog", {"ok|cancel *", "colour-dialog ok RED GREEN BLUE | colour-dialog cancel", true}},
      {"font-dialog",
       {"ok|cancel *",
        "font-dialog ok \"FACE\" SIZE [bold] [italic] [underline] [strikeout] [colour RRGGBB] | font-dialog cancel",
        true}},
      {"ok", {"", "ok", true}},
      {"cancel", {"", "cancel", true}},
      {"close", {"", "close", true}},
      {"screenshot", {"s window|client?", "screenshot \"FILE.png\" [window|client]", false}},
      {"answer", {"8|14 true|false s", "answer 8|14 true|false \"text\"", false}},
      {"wait", {"n", "wait MS", false}},
      {"echo", {"*", "echo TEXT...", false}},
  };
  return table;
}

std::vector<Token> After(const Line& line, std::size_t first) {
  if (line.tokens.size() <= first) return {};
  return std::vector<Token>(line.tokens.begin() + static_cast<std::ptrdiff_t>(first), line.tokens.end());
}

}  // namespace

bool IsDialogOnlyStep(std::string_view word) {
  auto found = Steps().find(word);
  return found != Steps().end() && found->second.dialogOnly;
}

bool IsDialogStep(std::string_view word) { return Steps().find(word) != Steps().end(); }

bool IsEndingStep(std::string_view word) { return word == "ok" || word == "cancel" || word == "close"; }

std::string UsageOf(std::string_view command) {
  auto step = Steps().find(command);
  return step != Steps().end() ? step->second.usage : std::string();
}

std::optional<std::string> CheckStep(const Line& line) {
  const Token& word = line.tokens.front();
  auto found = word.quoted ? Steps().end() : Steps().find(word.text);
  if (found == Steps().end()) {
    return "\"" + word.text + "\" is not a step of a dialog; an edit's steps end with end";
  }
  std::vector<Token> args = After(line, 1);
  if (auto error = CheckArguments(found->second.signature, args)) {
    if (*error == "too few arguments" || *error == "too many arguments") {
      *error += "; usage: " + std::string(found->second.usage);
    }
    return error;
  }
  std::string error;
  if (word.text == "colour-dialog" && args[0].text == "ok" && !ParseColourChoice(After(line, 2), error)) {
    return error;
  }
  if (word.text == "font-dialog" && args[0].text == "ok" && !ParseFontChoice(After(line, 2), error)) {
    return error;
  }
  if ((word.text == "colour-dialog" || word.text == "font-dialog") && args[0].text == "cancel" &&
      args.size() > 1) {
    return "too many arguments; usage: " + std::string(found->second.usage);
  }
  return std::nullopt;
}

std::optional<std::uint32_t> ParseColourChoice(const std::vector<Token>& args, std::string& error) {
  const char* usage = "; usage: colour-dialog ok RED GREEN BLUE";
  if (args.size() != 3) {
    error = std::string(args.size() < 3 ? "too few arguments" : "too many arguments") + usage;
    return std::nullopt;
  }
  std::uint32_t rgb = 0;
  for (const Token& token : args) {
    std::optional<std::int32_t> value = token.IsNil() ? std::nullopt : ParseInteger(token.text);
    if (!value || *value < 0 || *value > 255) {
      error = "\"" + token.text + "\" is not a colour component 0 to 255";
      return std::nullopt;
    }
    rgb = (rgb << 8) | static_cast<std::uint32_t>(*value);
  }
  return rgb;
}

std::optional<FontChoice> ParseFontChoice(const std::vector<Token>& args, std::string& error) {
  const char* usage =
      "; usage: font-dialog ok \"FACE\" SIZE [bold] [italic] [underline] [strikeout] [colour RRGGBB]";
  if (args.size() < 2) {
    error = std::string("too few arguments") + usage;
    return std::nullopt;
  }
  FontChoice choice;
  if (args[0].IsNil() || args[0].text.empty()) {
    error = "the font dialog needs a face name";
    return std::nullopt;
  }
  choice.face = args[0].text;
  std::optional<std::int32_t> size = args[1].IsNil() ? std::nullopt : ParseInteger(args[1].text);
  if (!size || *size < 1 || *size > 999) {
    error = "\"" + args[1].text + "\" is not a font size 1 to 999";
    return std::nullopt;
  }
  choice.size = *size;
  struct Style {
    const char* word;
    bool FontChoice::*flag;
  };
  static constexpr Style kStyles[] = {{"bold", &FontChoice::bold},
                                      {"italic", &FontChoice::italic},
                                      {"underline", &FontChoice::underline},
                                      {"strikeout", &FontChoice::strikeout}};
  for (std::size_t i = 2; i < args.size(); ++i) {
    const Token& token = args[i];
    auto style = std::find_if(std::begin(kStyles), std::end(kStyles),
                              [&](const Style& s) { return token.IsWord(s.word); });
    if (style != std::end(kStyles)) {
      choice.*(style->flag) = true;
      continue;
    }
    if (token.IsWord("colour") && i + 1 < args.size()) {
      choice.colour = args[i + 1].quoted ? std::nullopt : ParseRgb(args[i + 1].text);
      if (!choice.colour) {
        error = "\"" + args[i + 1].text + "\" is not a colour RRGGBB";
        return std::nullopt;
      }
      ++i;
      continue;
    }
    error = "expected bold, italic, underline, strikeout or colour RRGGBB, found \"" + token.text + "\"" +
            (token.IsWord("colour") ? " without a colour" : "");
    return std::nullopt;
  }
  return choice;
}

}  // namespace host::script
