#include "editors/core/number_field.h"

#include "base/core/encodings.h"

namespace editors {

std::optional<std::int64_t> ReadNumberText(std::string_view text) {
  if (auto value = nb::ParseIntegerText(text)) return *value;
  return std::nullopt;
}

}  // namespace editors
