#pragma once
// The host simulator's script files: lines of blank-separated tokens, quoted
// strings with "" and \xNN escapes, here-documents and repeat/bench blocks.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::script {

struct Token {
  std::string text;  // escapes already decoded for quoted tokens
  bool quoted = false;
  bool IsNil() const { return !quoted && text == "nil"; }
  bool IsWord(std::string_view word) const { return !quoted && text == word; }
};

struct Line {
  int number = 0;                  // 1-based line in the file
  std::vector<Token> tokens;       // tokens[0] is the command word
  std::vector<std::string> body;   // here-document lines, escapes decoded
  bool hasBody = false;
  std::vector<Line> block;         // the lines of a repeat/bench block
  const std::string& Command() const { return tokens.front().text; }
};

struct Error {
  int line = 0;
  std::string message;
};

struct Script {
  std::vector<Line> lines;
  std::vector<Error> errors;
};

// Splits one line into tokens; nullopt and a message when a quote is open or
// a quoted string runs straight into more text.
std::optional<std::vector<Token>> Tokenize(std::string_view line, std::string& error);

// Decodes \xNN escapes only (here-document lines); any other backslash stays.
std::string DecodeHexEscapes(std::string_view text);

// How deep blocks may nest: every reader of a script walks them recursively.
inline constexpr std::size_t kMaxNesting = 100;

// Reads a whole script. Block openers are the commands "repeat" and "bench",
// and "edit" when a dialog step follows it (steps.h); each is closed by
// "end". "loc-file <<MARK" takes the following lines up to MARK.
Script Parse(std::string_view text);

// Replaces every [Name] whose variable is known; unknown names stay as written.
std::string Substitute(std::string_view text,
                       const std::function<std::optional<std::string>(const std::string&)>& lookup);

}  // namespace host::script
