// SplitDelimited on any text, with both delimiters the actions use.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/core/encodings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (char delimiter : {',', '|'}) {
    auto items = nb::SplitDelimited(text, delimiter);
    std::size_t total = 0;
    for (const auto& item : items) total += item.size();
    // Items are taken from the text: never more characters than it holds.
    if (total > text.size()) std::abort();
    // An unquoted item never holds a blank or the delimiter, so joining the
    // items of quote-free text with the delimiter splits back the same way.
    if (text.find('"') == std::string_view::npos) {
      for (const auto& item : items)
        for (char c : item)
          if (c == delimiter || (static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32))
            std::abort();
    }
  }
  return 0;
}
