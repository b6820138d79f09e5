#include "base/core/font_spec.h"

#include <vector>

#include "base/core/encodings.h"

namespace nb {

namespace {

struct StyleWord {
  const char* word;
  tk::FontStyle style;
};
constexpr StyleWord kStyleWords[] = {
    {"fsBold", tk::fsBold},
    {"fsItalic", tk::fsItalic},
    {"fsUnderline", tk::fsUnderline},
    {"fsStrikeOut", tk::fsStrikeOut},
};

// The styles named by blank-separated words; other words count for nothing.
std::uint8_t ReadStyles(std::string_view item) {
  std::uint8_t styles = 0;
  for (const std::string& word : SplitDelimited(item, ' '))
    for (const StyleWord& s : kStyleWords)
      if (word == s.word) styles |= s.style;
  return styles;
}

}  // namespace

FontSpecResult ApplyFontSpec(std::string_view text, tk::FontRecord& font, int pixelsPerInch) {
  std::vector<std::string> items = SplitFields(text, '|');
  if (items.size() < 5) return FontSpecResult::TooFewFields;

  font.name = items[0];

  auto colour = ParseColourValue(items[1]);
  if (!colour) return FontSpecResult::BadColour;
  font.color = *colour;

  auto points = ParseIntegerText(items[2]);
  if (!points) return FontSpecResult::BadSize;
  font.SetSize(*points, pixelsPerInch);

  font.style = ReadStyles(items[3]);

  auto charset = ParseIntegerText(items[4]);
  if (!charset) return FontSpecResult::BadCharset;
  font.charset = static_cast<std::uint8_t>(*charset & 0xFF);
  return FontSpecResult::Applied;
}

std::string FormatFontSpec(std::string_view faceName, tk::TColor colour, int points,
                           std::uint8_t styles, int charset) {
  std::string styleText;
  for (const StyleWord& s : kStyleWords)
    if (styles & s.style) styleText += std::string(s.word) + " ";
  return std::string(faceName) + "|" + FormatColourValue(colour) + "|" + std::to_string(points) +
         "|" + styleText + "|" + std::to_string(charset);
}

}  // namespace nb
