#pragma once
// The commands of the script language and the shape of their arguments,
// checked for the whole script before anything runs.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/script.h"

namespace host::script {

// A decimal integer in the 32-bit range, with an optional sign.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// Six hexadecimal digits RRGGBB, as 0x00RRGGBB.
std::optional<std::uint32_t> ParseRgb(std::string_view text);

// nullopt when the arguments fit the signature (the pattern language of the
// command table: n integer, s text, q text or nil, h RRGGBB, * the rest,
// words separated by |, a trailing ? for optional); otherwise what is wrong.
std::optional<std::string> CheckArguments(const std::string& signature, const std::vector<Token>& args);

// nullopt when the line is a known command with fitting arguments;
// otherwise what is wrong. isFirst: the line is the script's first command.
std::optional<std::string> CheckLine(const Line& line, bool isFirst);

// Every error of the script: parse errors, then bad lines, in line order.
std::vector<Error> CheckScript(const Script& script);

}  // namespace host::script
