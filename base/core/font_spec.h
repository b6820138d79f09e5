#pragma once
// The font spec: face name, colour value, size in points, style words and
// character set, joined by "|".

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/core/font.h"

namespace nb {

// How far a font spec was read. Fields before the failing one stay applied.
enum class FontSpecResult {
  Applied,
  TooFewFields,  // nothing changed
  BadColour,     // face name set
  BadSize,       // face name and colour set
  BadCharset,    // everything but the character set set
};

// Applies the font spec to font field by field. Fields are split at "|" and
// trimmed of blanks at both ends, so a face name keeps its inner blanks
// ("Times New Roman"). The style field holds style words separated by
// blanks and sets exactly the styles it names (none when empty). The size in
// points becomes a height at pixelsPerInch.
FontSpecResult ApplyFontSpec(std::string_view text, tk::FontRecord& font, int pixelsPerInch);

// Arial|clRed|12|fsBold fsItalic |204
std::string FormatFontSpec(std::string_view faceName, tk::TColor colour, int points,
                           std::uint8_t styles, int charset);

}  // namespace nb
