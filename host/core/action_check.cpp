#include "host/core/action_check.h"

#include <algorithm>

#include "host/core/syntax.h"
#include "host/core/text.h"
#include "base/core/action_table.h"
#include "base/core/encodings.h"
#include "base/core/font_spec.h"
#include "base/core/words.h"
#include "toolkit/core/ascii.h"
#include "toolkit/core/color_names.h"

namespace host {
namespace {

enum class Reads { Object, Kind, Triple, Integer, Font, Flags, Visibility };

struct ParamInfo {
  const char* name;
  Reads reads;
  const char* otherwise;  // what the action does when it cannot read the text
};

struct ActionParams {
  std::uint32_t number;
  std::vector<ParamInfo> params;
};

const std::vector<ActionParams>& Params() {
  static const std::vector<ActionParams> table = {
      {1,
       {{"object name", Reads::Object, ""},
        {"kind", Reads::Kind, "the gauge stays a vertical bar"},
        {"progress colour", Reads::Triple, "the colour stays black"},
        {"background colour", Reads::Triple, "the colour stays white"},
        {"colour outside the figure", Reads::Triple, "the colour stays white"},
        {"minimum", Reads::Integer, "0 is used"},
        {"maximum", Reads::Integer, "100 is used"},
        {"font", Reads::Font, ""},
        {"progress", Reads::Integer, "0 is used"},
        {"flags", Reads::Flags, ""}}},
      {2, {{"object name", Reads::Object, ""}}},
      {3, {{"object name", Reads::Object, ""}, {"progress", Reads::Integer, "0 is used"}}},
      {4,
       {{"object name", Reads::Object, ""},
        {"minimum", Reads::Integer, "0 is used"},
        {"maximum", Reads::Integer, "0 is used"}}},
      {5,
       {{"object name", Reads::Object, ""},
        {"background colour", Reads::Triple, "the colour is left as it was"},
        {"colour outside the figure", Reads::Triple, "the colour is left as it was"}}},
      {6, {{"object name", Reads::Object, ""}, {"progress colour", Reads::Triple, "the colour is left as it was"}}},
      {7, {{"object name", Reads::Object, ""}, {"font", Reads::Font, ""}}},
      {8, {{"object name", Reads::Object, ""}, {"visibility", Reads::Visibility, ""}}},
  };
  return table;
}

// Text as the script writes it.
std::string Q(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += c;
  }
  return out + "\"";
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32; }

std::string Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool HasVariable(const std::string& text) {
  std::size_t open = text.find('[');
  return open != std::string::npos && text.find(']', open) != std::string::npos;
}

std::string Ordinal(std::size_t n) {
  static const char* words[] = {"first", "second", "third", "fourth", "fifth",
                                "sixth", "seventh", "eighth", "ninth", "tenth"};
  return n >= 1 && n <= 10 ? words[n - 1] : "#" + std::to_string(n);
}

std::string JoinNames(const std::vector<ParamInfo>& params) {
  std::string out;
  for (std::size_t i = 0; i < params.size(); ++i) out += (i ? ", " : "") + std::string(params[i].name);
  return out;
}

void CheckInteger(const ParamInfo& p, const std::string& text, std::vector<std::string>& out) {
  if (text.empty() || nb::ParseIntegerText(text)) return;
  std::string what = "the " + std::string(p.name) + " " + Q(text);
  if (nb::ParseIntegerText(Trim(text))) {
    const char* where = IsBlank(text.back()) ? "a blank after the number"
                                             : "a blank other than a space before the number";
    out.push_back(what + " has " + where + ", so it is not read as a number: " + p.otherwise);
  } else {
    out.push_back(what + " is not a whole number (digits, or $ and hexadecimal digits): " + p.otherwise);
  }
}

void CheckTriple(const ParamInfo& p, const std::string& text, std::vector<std::string>& out) {
  if (text.empty()) return;
  std::string what = "the " + std::string(p.name) + " " + Q(text);
  std::vector<std::string> items = nb::SplitDelimited(text, ',');
  if (!nb::ParseColourTriple(text)) {
    std::string hint = tk::ColorFromName(Trim(text))
                           ? " (colour identifiers such as clRed are for the font's colour only)"
                           : "";
    out.push_back(what + " cannot be read as red,green,blue (three numbers such as 255,128,0)" + hint + ": " +
                  p.otherwise);
    return;
  }
  if (items.size() > 3) out.push_back(what + " has more than three numbers: only the first three count");
  for (std::size_t i = 0; i < 3 && i < items.size(); ++i) {
    std::optional<std::int32_t> n = nb::ParseIntegerText(items[i]);
    if (n && (*n < 0 || *n > 255)) {
      out.push_back(what + ": " + items[i] + " lies outside 0 to 255 and counts as " + std::to_string(*n & 0xFF));
    }
  }
}

void CheckKind(const std::string& text, std::vector<std::string>& out) {
  if (text.empty() || nb::ParseKindName(text)) return;
  for (auto kind : {nb::GaugeKind::HorizontalBar, nb::GaugeKind::Needle, nb::GaugeKind::Pie,
                    nb::GaugeKind::Text, nb::GaugeKind::VerticalBar}) {
    std::string name = nb::KindName(kind);
    if (tk::SameTextAscii(text, name)) {
      out.push_back("the kind " + Q(text) + " matches " + Q(name) +
                    " only in another case; kind names are read with their case, so the gauge stays a vertical bar");
      return;
    }
  }
  out.push_back("the kind " + Q(text) +
                " is none of HorizontalBar, Needle, Pie, Text, VerticalBar: the gauge stays a vertical bar");
}

void CheckVisibility(const std::string& text, std::vector<std::string>& out) {
  if (nb::ParseVisibilityWord(text)) return;
  for (const char* word : {"Show", "Hide"}) {
    if (tk::SameTextAscii(text, word)) {
      out.push_back("the visibility " + Q(text) + " matches " + Q(word) +
                    " only in another case; the word is read with its case, so nothing changes");
      return;
    }
  }
  out.push_back("the visibility " + Q(text) + " is neither Show nor Hide: nothing changes");
}

void CheckFlags(const std::string& text, std::vector<std::string>& out) {
  if (text.empty()) return;
  std::vector<std::string> items = nb::SplitDelimited(text, '|');
  const char* what[] = {"hide-text", "hide-gauge"};
  for (std::size_t i = 0; i < 2 && i < items.size(); ++i) {
    if (items[i] != "True" && items[i] != "False") {
      out.push_back("the " + std::string(what[i]) + " flag " + Q(items[i]) + " in " + Q(text) +
                    " is neither True nor False: only True (with its case) hides, so it counts as False");
    }
  }
  if (items.size() < 2) {
    out.push_back("the flags " + Q(text) + " have one word, not two joined by |: the gauge's visibility is not set");
  } else if (items.size() > 2) {
    out.push_back("the flags " + Q(text) + " have more than two words: the rest are ignored");
  }
}

void CheckFont(const std::string& text, std::vector<std::string>& out) {
  if (text.empty()) return;
  tk::FontRecord font;
  nb::FontSpecResult result = nb::ApplyFontSpec(text, font, 96);
  // The fields as the author wrote them, for the messages only.
  std::vector<std::string> items;
  for (std::size_t start = 0;;) {
    std::size_t bar = text.find('|', start);
    items.push_back(Trim(std::string_view(text).substr(start, bar == std::string::npos ? bar : bar - start)));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  auto item = [&](std::size_t i) { return i < items.size() ? items[i] : std::string(); };
  std::string what = "the font " + Q(text);
  switch (result) {
    case nb::FontSpecResult::TooFewFields:
      out.push_back(what + " has fewer than the five fields face|colour|size|styles|charset: the font is not changed");
      return;
    case nb::FontSpecResult::BadColour:
      if (item(1).size() > 2 && tk::SameTextAscii(item(1).substr(0, 2), "cl")) {
        out.push_back(what + ": " + Q(item(1)) +
                      " is not one of the 52 colour identifiers: only the face is set, not the size, styles or charset");
      } else {
        out.push_back(what + ": the colour " + Q(item(1)) +
                      " is no colour identifier or number: only the face is set, not the size, styles or charset");
      }
      return;
    case nb::FontSpecResult::BadSize:
      out.push_back(what + ": the size " + Q(item(2)) +
                    " is not a whole number of points: face and colour are set, not the size, styles or charset");
      return;
    case nb::FontSpecResult::BadCharset:
      out.push_back(what + ": the character set " + Q(item(4)) +
                    " is not a number (0 ANSI, 1 default, 204 Cyrillic...): the charset is not set");
      break;
    case nb::FontSpecResult::Applied: break;
  }
  std::vector<std::string> words = nb::SplitDelimited(item(3), ' ');
  for (const std::string& word : words) {
    if (word != "fsBold" && word != "fsItalic" && word != "fsUnderline" && word != "fsStrikeOut") {
      out.push_back(what + ": the style " + Q(word) +
                    " is none of fsBold, fsItalic, fsUnderline, fsStrikeOut (with their case): it is ignored");
    }
  }
}

const ActionParams* FindParams(std::uint32_t number) {
  for (const ActionParams& a : Params())
    if (a.number == number) return &a;
  return nullptr;
}

const nb::ActionInfo* FindAction(const std::string& word) {
  if (std::optional<std::int32_t> number = script::ParseInteger(word)) {
    return *number > 0 ? nb::FindAction(static_cast<std::uint32_t>(*number)) : nullptr;
  }
  for (const nb::ActionInfo& action : nb::ActionTable())
    if (tk::SameTextAscii(action.name, word)) return &action;
  return nullptr;
}

}  // namespace

std::string ActionChecker::FoldName(const std::string& name) { return text::FoldAscii(name); }

std::vector<std::string> ActionChecker::Feed(const script::Line& line, const Lookup& lookup) {
  const std::string& command = line.Command();
  auto arg = [&](std::size_t i) { return i < line.tokens.size() ? line.tokens[i].text : std::string(); };
  if (command == "object") {
    objects_.insert(FoldName(arg(1)));
  } else if (command == "destroy-object") {
    objects_.erase(FoldName(arg(1)));
    if (gauges_.erase(FoldName(arg(1)))) deleted_[FoldName(arg(1))] = line.number;
  } else if (command == "answer7") {
    if (line.tokens.size() > 2 && line.tokens[2].IsWord("default")) {
      answered_.erase(FoldName(arg(1)));
    } else {
      answered_.insert(FoldName(arg(1)));
    }
  } else if (command == "set") {
    variables_[FoldName(arg(1))] = arg(2);
  } else if (command == "message" && arg(1) == "2") {
    for (const auto& [name, at] : gauges_) deleted_[name] = line.number;
    gauges_.clear();
  } else if (command == "exec") {
    return Exec(line, lookup);
  }
  return {};
}

std::vector<std::string> ActionChecker::Exec(const script::Line& line, const Lookup& lookup) {
  std::vector<std::string> out;
  const nb::ActionInfo* action = FindAction(line.tokens.at(1).text);
  if (!action) {
    out.push_back("no Tarvex action is named " + Q(line.tokens.at(1).text) +
                  "; the actions are TarvexCreate, TarvexDelete, TarvexSetProgress, TarvexSetValue, "
                  "TarvexSetColor, TarvexSetProgressColor, TarvexSetFont, TarvexSetVisible");
    return out;
  }
  const ActionParams& info = *FindParams(action->number);
  std::string name(action->name);

  Lookup own = [this](const std::string& variable) -> std::optional<std::string> {
    auto found = variables_.find(FoldName(variable));
    return found == variables_.end() ? std::nullopt : found->second;
  };
  const Lookup& find = lookup ? lookup : own;
  std::vector<std::string> params;
  std::vector<bool> known;
  for (std::size_t i = 2; i < line.tokens.size(); ++i) {
    std::string value = line.tokens[i].IsNil() ? std::string() : script::Substitute(line.tokens[i].text, find);
    known.push_back(!HasVariable(value));
    params.push_back(std::move(value));
  }

  std::size_t count = info.params.size();
  if (params.size() != count) {
    std::string said = name + " takes " + std::to_string(count) + (count == 1 ? " parameter (" : " parameters (") +
                       JoinNames(info.params) + "), this line gives " + std::to_string(params.size());
    if (params.size() > count) {
      out.push_back(said + ": from the " + Ordinal(count + 1) + " on they are ignored");
    } else {
      out.push_back(said + ": the missing ones count as empty text");
    }
  }
  params.resize(count);
  known.resize(count, true);

  std::vector<std::string> found;
  for (std::size_t i = 0; i < count; ++i) {
    if (!known[i]) continue;
    const ParamInfo& p = info.params[i];
    const std::string& text = params[i];
    switch (p.reads) {
      case Reads::Object: break;
      case Reads::Kind: CheckKind(text, found); break;
      case Reads::Triple: CheckTriple(p, text, found); break;
      case Reads::Integer: CheckInteger(p, text, found); break;
      case Reads::Font: CheckFont(text, found); break;
      case Reads::Flags: CheckFlags(text, found); break;
      case Reads::Visibility: CheckVisibility(text, found); break;
    }
  }
  // A crossed range is refused as a whole.
  if (action->number == 1 || action->number == 4) {
    std::size_t lo = action->number == 1 ? 5 : 1;
    if (known[lo] && known[lo + 1]) {
      const std::optional<std::int32_t> min = nb::ParseIntegerText(params[lo]);
      const std::optional<std::int32_t> max = nb::ParseIntegerText(params[lo + 1]);
      if (min && max && *min > *max) {
        found.push_back("the minimum " + std::to_string(*min) + " is above the maximum " + std::to_string(*max) +
                        ": the action answers False");
      }
    }
  }
  for (std::string& f : found) out.push_back(name + ": " + f);

  if (!known[0]) return out;
  std::string object = FoldName(params[0]);
  if (params[0].empty()) {
    out.push_back(name + ": the object name is empty");
  } else if (action->number == 1) {
    if (!objects_.count(object) && !answered_.count(object)) {
      out.push_back(name + ": the host has no object named " + Q(params[0]) +
                    " (no object line made one): the action answers True but shows nothing");
    } else {
      gauges_[object] = line.number;
      deleted_.erase(object);
    }
  } else if (!gauges_.count(object)) {
    auto gone = deleted_.find(object);
    out.push_back(name + ": no gauge named " + Q(params[0]) +
                  (gone != deleted_.end() ? " is left (it was removed on line " + std::to_string(gone->second) + ")"
                                          : " was created before this line (TarvexCreate)") +
                  ": the action answers False");
  } else if (action->number == 2) {
    gauges_.erase(object);
    deleted_[object] = line.number;
  }
  return out;
}

std::vector<std::string> CheckScriptActions(const script::Script& script, const std::string& fileName) {
  ActionChecker checker;
  std::vector<std::string> out;
  auto walk = [&](const std::vector<script::Line>& lines, auto& self) -> void {
    for (const script::Line& line : lines) {
      for (const std::string& warning : checker.Feed(line)) {
        out.push_back(fileName + ":" + std::to_string(line.number) + ": warning: " + warning);
      }
      if (line.Command() == "repeat" && line.tokens.size() > 3) checker.Unknown(line.tokens[3].text);
      self(line.block, self);
    }
  };
  walk(script.lines, walk);
  return out;
}

}  // namespace host
