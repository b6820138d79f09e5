// ParseColourTriple: a result is always a plain RGB colour, and writing it
// back as a triple reads back the same colour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/core/encodings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto colour = nb::ParseColourTriple(text);
  if (!colour) return 0;
  if (static_cast<std::uint32_t>(*colour) > 0xFFFFFFu) std::abort();
  if (nb::ParseColourTriple(nb::FormatColourTriple(*colour)) != colour) std::abort();
  return 0;
}
