// ApplyFontSpec on any text: it stops at the first bad field, leaves the
// styles alone unless it reached the style field, takes the face name
// trimmed of blanks at both ends, and a font it fully read is written back
// to a font text that reads to the same font.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/core/font_spec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  tk::FontRecord before;
  before.style = tk::fsUnderline;
  tk::FontRecord font = before;
  auto result = nb::ApplyFontSpec(text, font, 96);
  auto isBlank = [](char c) {
    return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32;
  };
  // A face name read without quotes has no blanks at either end.
  if (result != nb::FontSpecResult::TooFewFields && !font.name.empty() &&
      text.find('"') == std::string_view::npos &&
      (isBlank(font.name.front()) || isBlank(font.name.back())))
    std::abort();
  switch (result) {
    case nb::FontSpecResult::TooFewFields:
      if (!(font == before)) std::abort();
      break;
    case nb::FontSpecResult::BadColour:
      if (font.color != before.color || font.height != before.height || font.style != before.style)
        std::abort();
      break;
    case nb::FontSpecResult::BadSize:
      if (font.height != before.height || font.style != before.style) std::abort();
      break;
    case nb::FontSpecResult::BadCharset:
      if (font.charset != before.charset) std::abort();
      break;
    case nb::FontSpecResult::Applied: {
      // Face names that start with a quote, hold "|" or end in blanks are
      // not written by the font dialog; the round trip holds for every other
      // read font, inner blanks included.
      if (font.name.empty() || font.name.find('|') != std::string::npos || font.name.front() == '"' ||
          isBlank(font.name.front()) || isBlank(font.name.back()))
        break;
      int points = font.Size(96);
      tk::FontRecord written = font;
      written.SetSize(points, 96);
      std::string fontText =
          nb::FormatFontSpec(font.name, font.color, points, font.style, font.charset);
      tk::FontRecord read = before;
      if (nb::ApplyFontSpec(fontText, read, 96) != nb::FontSpecResult::Applied) std::abort();
      if (!(read == written)) std::abort();
      break;
    }
  }
  return 0;
}
