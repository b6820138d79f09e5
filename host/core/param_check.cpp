#include "host/core/param_check.h"

#include "base/core/encodings.h"
#include "base/core/font_spec.h"
#include "base/core/words.h"
#include "runtime/core/number_params.h"
#include "toolkit/core/ascii.h"
#include "toolkit/core/color_names.h"
#include "toolkit/core/gauge_kind.h"

namespace host {
namespace {

const std::vector<std::vector<ParamInfo>>& Table() {
  using runtime::kCreateMaximumDefault, runtime::kCreateMinimumDefault, runtime::kCreateProgressDefault;
  using runtime::kSetProgressDefault, runtime::kSetValueMaximumDefault, runtime::kSetValueMinimumDefault;
  const ParamInfo object{"object name", Reads::Object, "", 0};
  static const std::vector<std::vector<ParamInfo>> table = {
      {object,
       {"kind", Reads::Kind, "the gauge stays a vertical bar", 0},
       {"progress colour", Reads::Triple, "the colour stays black", 0},
       {"background colour", Reads::Triple, "the colour stays white", 0},
       {"colour outside the figure", Reads::Triple, "the colour stays white", 0},
       {"minimum", Reads::Integer, "", kCreateMinimumDefault},
       {"maximum", Reads::Integer, "", kCreateMaximumDefault},
       {"font", Reads::Font, "", 0},
       {"progress", Reads::Integer, "", kCreateProgressDefault},
       {"flags", Reads::Flags, "", 0}},
      {object},
      {object, {"progress", Reads::Integer, "", kSetProgressDefault}},
      {object,
       {"minimum", Reads::Integer, "", kSetValueMinimumDefault},
       {"maximum", Reads::Integer, "", kSetValueMaximumDefault}},
      {object,
       {"background colour", Reads::Triple, "the colour is left as it was", 0},
       {"colour outside the figure", Reads::Triple, "the colour is left as it was", 0}},
      {object, {"progress colour", Reads::Triple, "the colour is left as it was", 0}},
      {object, {"font", Reads::Font, "", 0}},
      {object, {"visibility", Reads::Visibility, "", 0}},
  };
  return table;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32; }

std::string Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

void CheckInteger(const ParamInfo& p, const std::string& text, std::vector<std::string>& out) {
  if (text.empty() || nb::ParseIntegerText(text)) return;
  std::string why = WhyDefault(p, text);
  if (nb::ParseIntegerText(Trim(text))) {
    out.push_back(why + ": " + std::to_string(p.whenUnread) + " is used");
  } else {
    out.push_back(why + " (digits, or $ and hexadecimal digits): " + std::to_string(p.whenUnread) + " is used");
  }
}

void CheckTriple(const ParamInfo& p, const std::string& text, std::vector<std::string>& out) {
  if (text.empty()) return;
  std::string what = "the " + std::string(p.name) + " " + Quoted(text);
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
  if (text.empty() || tk::GaugeKindFromWord(text)) return;
  std::string words;
  for (const tk::GaugeKindEntry& kind : tk::kGaugeKinds) {
    std::string name(kind.word);
    if (tk::SameTextAscii(text, name)) {
      out.push_back("the kind " + Quoted(text) + " matches " + Quoted(name) +
                    " only in another case; kind names are read with their case, so the gauge stays a vertical bar");
      return;
    }
    words += (words.empty() ? "" : ", ") + name;
  }
  out.push_back("the kind " + Quoted(text) + " is none of " + words + ": the gauge stays a vertical bar");
}

void CheckVisibility(const std::string& text, std::vector<std::string>& out) {
  if (nb::ParseVisibilityWord(text)) return;
  for (const char* word : {"Show", "Hide"}) {
    if (tk::SameTextAscii(text, word)) {
      out.push_back("the visibility " + Quoted(text) + " matches " + Quoted(word) +
                    " only in another case; the word is read with its case, so nothing changes");
      return;
    }
  }
  out.push_back("the visibility " + Quoted(text) + " is neither Show nor Hide: nothing changes");
}

void CheckFlags(const std::string& text, std::vector<std::string>& out) {
  if (text.empty()) return;
  std::vector<std::string> items = nb::SplitDelimited(text, '|');
  const char* what[] = {"hide-text", "hide-gauge"};
  for (std::size_t i = 0; i < 2 && i < items.size(); ++i) {
    if (items[i] != "True" && items[i] != "False") {
      out.push_back("the " + std::string(what[i]) + " flag " + Quoted(items[i]) + " in " + Quoted(text) +
                    " is neither True nor False: only True (with its case) hides, so it counts as False");
    }
  }
  if (items.size() < 2) {
    out.push_back("the flags " + Quoted(text) +
                  " have one word, not two joined by |: the gauge's visibility is not set");
  } else if (items.size() > 2) {
    out.push_back("the flags " + Quoted(text) + " have more than two words: the rest are ignored");
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
  std::string what = "the font " + Quoted(text);
  switch (result) {
    case nb::FontSpecResult::TooFewFields:
      out.push_back(what +
                    " has fewer than the five fields face|colour|size|styles|charset: the font is not changed");
      return;
    case nb::FontSpecResult::BadColour:
      if (item(1).size() > 2 && tk::SameTextAscii(item(1).substr(0, 2), "cl")) {
        out.push_back(what + ": " + Quoted(item(1)) +
                      " is not one of the 52 colour identifiers: only the face is set, not the size, styles or "
                      "charset");
      } else {
        out.push_back(what + ": the colour " + Quoted(item(1)) +
                      " is no colour identifier or number: only the face is set, not the size, styles or charset");
      }
      return;
    case nb::FontSpecResult::BadSize:
      out.push_back(what + ": the size " + Quoted(item(2)) +
                    " is not a whole number of points: face and colour are set, not the size, styles or charset");
      return;
    case nb::FontSpecResult::BadCharset:
      out.push_back(what + ": the character set " + Quoted(item(4)) +
                    " is not a number (0 ANSI, 1 default, 204 Cyrillic...): the charset is not set");
      break;
    case nb::FontSpecResult::Applied: break;
  }
  std::vector<std::string> words = nb::SplitDelimited(item(3), ' ');
  for (const std::string& word : words) {
    if (word != "fsBold" && word != "fsItalic" && word != "fsUnderline" && word != "fsStrikeOut") {
      out.push_back(what + ": the style " + Quoted(word) +
                    " is none of fsBold, fsItalic, fsUnderline, fsStrikeOut (with their case): it is ignored");
    }
  }
}

}  // namespace

const std::vector<ParamInfo>& ActionParams(std::uint32_t number) { return Table().at(number - 1); }

void CheckParamText(const ParamInfo& p, const std::string& text, std::vector<std::string>& out) {
  switch (p.reads) {
    case Reads::Object: break;
    case Reads::Kind: CheckKind(text, out); break;
    case Reads::Triple: CheckTriple(p, text, out); break;
    case Reads::Integer: CheckInteger(p, text, out); break;
    case Reads::Font: CheckFont(text, out); break;
    case Reads::Flags: CheckFlags(text, out); break;
    case Reads::Visibility: CheckVisibility(text, out); break;
  }
}

std::string WhyDefault(const ParamInfo& p, const std::string& text) {
  std::string what = "the " + std::string(p.name);
  if (text.empty()) return what + " is empty";
  what += ' ';
  what += Quoted(text);
  if (nb::ParseIntegerText(Trim(text))) {
    const char* where =
        IsBlank(text.back()) ? "a blank after the number" : "a blank other than a space before the number";
    return what + " has " + where + ", so it is not read as a number";
  }
  return what + " is not a whole number";
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += c;
  }
  return out + "\"";
}

}  // namespace host
