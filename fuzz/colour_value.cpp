// ParseColourValue / FormatColourValue: whatever is read is written so that
// it reads back to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "base/core/encodings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto colour = nb::ParseColourValue(text);
  if (colour && nb::ParseColourValue(nb::FormatColourValue(*colour)) != colour)
    std::abort();
  // Every 32-bit value, read from the input's first bytes, survives a round trip.
  if (size >= 4) {
    std::uint32_t bits;
    std::memcpy(&bits, data, 4);
    auto value = static_cast<tk::TColor>(bits);
    if (nb::ParseColourValue(nb::FormatColourValue(value)) != value) std::abort();
  }
  return 0;
}
