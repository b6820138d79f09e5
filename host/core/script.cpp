#include "host/core/script.h"

#include "host/core/steps.h"
#include "toolkit/core/ascii.h"

namespace host::script {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Appends the byte of a \xNN escape at text[i] and returns its length, or 0.
std::size_t HexEscape(std::string_view text, std::size_t i, std::string& out) {
  if (i + 4 > text.size() || text[i] != '\\' || text[i + 1] != 'x') return 0;
  int hi = tk::HexDigit(text[i + 2]), lo = tk::HexDigit(text[i + 3]);
  if (hi < 0 || lo < 0) return 0;
  out.push_back(static_cast<char>(hi * 16 + lo));
  return 4;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool OpensBlock(const Line& line) { return line.Command() == "repeat" || line.Command() == "bench"; }

}  // namespace

namespace {

// An edit line takes the lines after it as dialog steps, up to an end, when a
// step that only a dialog knows comes before any other command: a plain edit
// followed by, say, a screenshot of the host window stays a plain edit.
bool EditOpensSteps(const std::vector<std::string_view>& raw, std::size_t at) {
  for (std::size_t j = at + 1; j < raw.size(); ++j) {
    std::string_view content = Trim(raw[j]);
    if (content.empty() || content.front() == '#') continue;
    std::string error;
    std::optional<std::vector<Token>> tokens = Tokenize(content, error);
    if (!tokens || tokens->empty() || tokens->front().quoted) return false;
    const std::string& word = tokens->front().text;
    if (IsDialogOnlyStep(word)) return true;
    if (!IsDialogStep(word)) return false;
  }
  return false;
}

}  // namespace

std::optional<std::vector<Token>> Tokenize(std::string_view line, std::string& error) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    Token token;
    if (line[i] == '"') {
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            token.text.push_back('"');
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        if (std::size_t n = HexEscape(line, i, token.text)) {
          i += n;
          continue;
        }
        token.text.push_back(line[i++]);
      }
      if (!closed) {
        error = "the quoted string is not closed";
        return std::nullopt;
      }
      if (i < line.size() && !IsBlank(line[i])) {
        error = "a blank must follow the closing quote";
        return std::nullopt;
      }
    } else {
      while (i < line.size() && !IsBlank(line[i])) {
        if (line[i] == '"') {
          error = "a quote inside an unquoted word";
          return std::nullopt;
        }
        token.text.push_back(line[i++]);
      }
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::string DecodeHexEscapes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (std::size_t n = HexEscape(text, i, out)) {
      i += n;
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

Script Parse(std::string_view text) {
  Script script;
  std::vector<std::string_view> raw = SplitLines(text);
  // Open blocks, innermost last; the bottom one is the script itself.
  std::vector<std::vector<Line>*> open{&script.lines};
  std::vector<int> openedAt;
  // Blocks opened past the deepest allowed, with everything in them, are
  // left out (one error names the outermost); their ends close them.
  int refused = 0;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    int number = static_cast<int>(i + 1);
    std::string_view content = Trim(raw[i]);
    if (content.empty() || content.front() == '#') continue;
    std::string error;
    std::optional<std::vector<Token>> tokens = Tokenize(content, error);
    if (!tokens) {
      script.errors.push_back({number, error});
      continue;
    }
    Line line;
    line.number = number;
    line.tokens = std::move(*tokens);
    const Token& second = line.tokens.size() > 1 ? line.tokens[1] : Token{};
    if (line.Command() == "loc-file" && !second.quoted && second.text.starts_with("<<")) {
      std::string marker = second.text.substr(2);
      if (marker.empty()) {
        script.errors.push_back({number, "the here-document needs an end marker after <<"});
        continue;
      }
      bool ended = false;
      for (++i; i < raw.size(); ++i) {
        if (Trim(raw[i]) == marker) {
          ended = true;
          break;
        }
        line.body.push_back(DecodeHexEscapes(raw[i]));
      }
      if (!ended) script.errors.push_back({number, "no line " + marker + " ends the here-document"});
      line.hasBody = true;
    }
    const bool opens = OpensBlock(line) || (line.Command() == "edit" && EditOpensSteps(raw, i));
    if (refused > 0) {
      if (opens) ++refused;
      if (line.Command() == "end" && line.tokens.size() == 1) --refused;
      continue;
    }
    if (opens && openedAt.size() >= kMaxNesting) {
      script.errors.push_back({number, "blocks nested more than " + std::to_string(kMaxNesting) + " deep"});
      refused = 1;
      continue;
    }
    if (line.Command() == "end" && line.tokens.size() == 1) {
      if (open.size() == 1) {
        script.errors.push_back({number, "end without repeat, bench or edit steps"});
      } else {
        open.pop_back();
        openedAt.pop_back();
      }
      continue;
    }
    open.back()->push_back(std::move(line));
    if (opens) {
      open.push_back(&open.back()->back().block);
      openedAt.push_back(number);
    }
  }
  for (int at : openedAt) script.errors.push_back({at, "the block has no end"});
  return script;
}

std::string Substitute(std::string_view text,
                       const std::function<std::optional<std::string>(const std::string&)>& lookup) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t open = text.find('[', i);
    if (open == std::string_view::npos) break;
    std::size_t close = text.find(']', open + 1);
    if (close == std::string_view::npos) break;
    std::size_t nested = text.find('[', open + 1);
    if (nested < close) {  // "[a[b]": only the inner pair can be a name
      out.append(text.substr(i, nested - i));
      i = nested;
      continue;
    }
    out.append(text.substr(i, open - i));
    std::string name(text.substr(open + 1, close - open - 1));
    if (std::optional<std::string> value = lookup(name)) {
      out += *value;
    } else {
      out.append(text.substr(open, close - open + 1));
    }
    i = close + 1;
  }
  out.append(text.substr(i));
  return out;
}

}  // namespace host::script
