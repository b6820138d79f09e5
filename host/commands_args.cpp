#include <cstdio>

#include "host/commands.h"
#include "host/core/syntax.h"

namespace host {

std::int32_t IntArg(const script::Line& line, std::size_t index) {
  return script::ParseInteger(line.tokens.at(index).text).value_or(0);
}

const std::string& TextArg(const script::Line& line, std::size_t index) {
  return line.tokens.at(index).text;
}

std::optional<std::string> TextOrNilArg(const script::Line& line, std::size_t index) {
  const script::Token& token = line.tokens.at(index);
  if (token.IsNil()) return std::nullopt;
  return token.text;
}

CloseWith CloseWithArg(const script::Line& line, std::size_t index) {
  const std::string& word = TextArg(line, index);
  if (word == "ok") return CloseWith::Ok;
  if (word == "cancel") return CloseWith::Cancel;
  if (word == "frame") return CloseWith::Frame;
  return CloseWith::Nothing;
}

// Written as a script would write it, so that a failure can be pasted back.
std::string Shown(const std::string& bytes) {
  std::string out = "\"";
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", b);
      out += escape;
    } else {
      out += c;
      if (c == '"') out += c;  // as the script language writes it
    }
  }
  return out + "\"";
}

std::string Shown(const std::optional<std::string>& bytes) { return bytes ? Shown(*bytes) : "nil"; }

}  // namespace host
