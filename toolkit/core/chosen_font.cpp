#include "toolkit/core/chosen_font.h"

namespace tk {

FontRecord FontFromChosen(const LogFontFields& font, TColor color) {
  FontRecord record;
  record.name = font.faceName;
  record.color = color;
  record.height = font.height;
  record.style = static_cast<std::uint8_t>((font.weight >= kWeightBold ? fsBold : 0) |
                                           (font.italic ? fsItalic : 0) |
                                           (font.underline ? fsUnderline : 0) |
                                           (font.strikeOut ? fsStrikeOut : 0));
  record.charset = font.charset;
  return record;
}

LogFontFields ChosenFromFont(const FontRecord& font) {
  LogFontFields fields;
  fields.height = font.height;
  fields.weight = (font.style & fsBold) ? kWeightBold : kWeightNormal;
  fields.italic = (font.style & fsItalic) != 0;
  fields.underline = (font.style & fsUnderline) != 0;
  fields.strikeOut = (font.style & fsStrikeOut) != 0;
  fields.charset = font.charset;
  fields.faceName = font.name;
  return fields;
}

}  // namespace tk
