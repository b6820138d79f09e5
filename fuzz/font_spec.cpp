// ApplyFontSpec on any text: it stops at the first bad field, only adds
// styles, and a font it fully read is written back to a spec that reads to
// the same font.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "plugin/core/font_spec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  tk::FontRecord before;
  before.style = tk::fsUnderline;
  tk::FontRecord font = before;
  auto result = nb::ApplyFontSpec(text, font, 96);
  if ((font.style & before.style) != before.style) std::abort();
  // Every space goes before the face name is taken from the font spec.
  if (result != nb::FontSpecResult::TooFewFields && font.name.find(' ') != std::string::npos)
    std::abort();
  switch (result) {
    case nb::FontSpecResult::TooFewFields:
      if (!(font == before)) std::abort();
      break;
    case nb::FontSpecResult::BadColour:
      if (font.color != before.color || font.height != before.height) std::abort();
      break;
    case nb::FontSpecResult::BadSize:
      if (font.height != before.height || font.style != before.style) std::abort();
      break;
    case nb::FontSpecResult::BadCharset:
      if (font.charset != before.charset) std::abort();
      break;
    case nb::FontSpecResult::Applied: {
      // Face names that need quoting or hold "|" are not written by the
      // font dialog; the round trip holds for every other read font.
      if (font.name.empty() || font.name.find_first_of("|\"") != std::string::npos) break;
      bool blank = false;
      for (char c : font.name) blank |= static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32;
      if (blank) break;
      int points = font.Size(96);
      tk::FontRecord written = font;
      written.SetSize(points, 96);
      std::string spec =
          nb::FormatFontSpec(font.name, font.color, points, font.style, font.charset);
      tk::FontRecord read = before;
      if (nb::ApplyFontSpec(spec, read, 96) != nb::FontSpecResult::Applied) std::abort();
      if (!(read == written)) std::abort();
      break;
    }
  }
  return 0;
}
