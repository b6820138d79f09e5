#pragma once

#include <cstdint>
#include <string>

#include "toolkit/core/color.h"

namespace tk {

enum FontStyle : std::uint8_t {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};

constexpr std::uint8_t DEFAULT_CHARSET_VALUE = 1;
constexpr std::uint8_t ANSI_CHARSET_VALUE = 0;

// A font as a plain record, so that the text encodings can be tested without
// GDI. Height follows LOGFONT: negative is the character height in pixels.
struct FontRecord {
  std::string name = "MS Sans Serif";
  TColor color = clWindowText;
  int height = -11;
  std::uint8_t style = 0;
  std::uint8_t charset = DEFAULT_CHARSET_VALUE;

  bool operator==(const FontRecord&) const = default;

  // Size in points at the given pixels per inch (the screen's, when drawing).
  int Size(int pixelsPerInch) const;
  void SetSize(int points, int pixelsPerInch);
};

// a * b / c rounded to nearest, halves away from zero, as the platform's
// MulDiv rounds; -1 when c is 0 or the result does not fit.
int MulDivRounded(int a, int b, int c);

}  // namespace tk
