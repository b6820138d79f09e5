#pragma once
// A font as the system's font dialog gives it (the fields of a LOGFONT that
// matter here, plus its colour) and the toolkit's FontRecord, both ways.

#include <cstdint>
#include <string>

#include "toolkit/core/font.h"

namespace tk {

struct LogFontFields {
  int height = 0;           // lfHeight: negative is the character height in pixels
  int weight = 400;         // lfWeight: 700 and above is bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint8_t charset = DEFAULT_CHARSET_VALUE;
  std::string faceName;     // bytes in the ANSI code page

  bool operator==(const LogFontFields&) const = default;
};

constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;

// The chosen font with its colour (an RGB value) as a font record: face,
// colour, height, exactly the chosen styles, character set.
FontRecord FontFromChosen(const LogFontFields& font, TColor color);
// The fields that preset the dialog from a font record (its colour is given
// to the dialog apart, resolved to RGB).
LogFontFields ChosenFromFont(const FontRecord& font);

}  // namespace tk
