// ParseIntegerText: any text either fails or gives a value that its own
// decimal and hexadecimal spellings read back to.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/core/encodings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto value = nb::ParseIntegerText(text);
  if (!value) return 0;
  if (nb::ParseIntegerText(std::to_string(*value)) != value) std::abort();
  char hex[16];
  std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(*value));
  if (nb::ParseIntegerText(hex) != value) std::abort();
  return 0;
}
