#pragma once
// Text formats of the action parameters: the splitting rule, integer text,
// colour triples and colour values. Portable: no window system here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/color.h"

namespace nb {

// Splits text into items at the delimiter and at blanks (codes 1 to 32);
// a double-quoted item may hold blanks and delimiters, "" inside it standing
// for one quote. Two delimiters in a row give an empty item between them, a
// delimiter as the very last character gives a trailing empty item, and an
// empty text gives no items.
std::vector<std::string> SplitDelimited(std::string_view text, char delimiter);

// Splits text into fields at the delimiter only, each field trimmed of
// blanks at both ends and keeping those inside ("Times New Roman"); a field
// that starts with a double quote is read as in SplitDelimited, and what
// follows its closing quote up to the delimiter is dropped. n delimiters
// give n + 1 fields; a text of blanks only gives none.
std::vector<std::string> SplitFields(std::string_view text, char delimiter);

// Optional leading spaces, optional sign, then decimal digits (within a
// signed 32-bit integer) or $, x, X, 0x, 0X and hexadecimal digits (all 32
// bits, so $FFFFFFFF is -1). Nothing may follow; empty text is invalid.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// "red,green,blue" in decimal (blanks may stand for the commas). Fewer than
// three items or an unreadable one is invalid; only the low 8 bits of each
// number count, so the result is always a plain RGB colour.
std::optional<tk::TColor> ParseColourTriple(std::string_view text);
// The red, green and blue bytes in decimal joined by commas: 255,128,0.
std::string FormatColourTriple(tk::TColor colour);

// An identifier of the colour-identifier table (ASCII case ignored) or
// integer text.
std::optional<tk::TColor> ParseColourValue(std::string_view text);
// The first identifier with that value, else "$" and 8 upper-case hex digits.
std::string FormatColourValue(tk::TColor colour);

}  // namespace nb
