#include "runtime/core/number_params.h"

#include <optional>

#include "base/core/encodings.h"

namespace runtime {

NumberParam ReadNumberParam(std::string_view text, std::int32_t whenUnread) {
  if (std::optional<std::int32_t> number = nb::ParseIntegerText(text)) return {*number, true};
  return {whenUnread, false};
}

RangeParams ReadCreateRange(std::string_view minimum, std::string_view maximum) {
  return {ReadNumberParam(minimum, kCreateMinimumDefault), ReadNumberParam(maximum, kCreateMaximumDefault)};
}

NumberParam ReadCreateProgress(std::string_view text) { return ReadNumberParam(text, kCreateProgressDefault); }

RangeParams ReadSetValueRange(std::string_view minimum, std::string_view maximum) {
  return {ReadNumberParam(minimum, kSetValueMinimumDefault), ReadNumberParam(maximum, kSetValueMaximumDefault)};
}

NumberParam ReadSetProgress(std::string_view text) { return ReadNumberParam(text, kSetProgressDefault); }

}  // namespace runtime
