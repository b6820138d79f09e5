#include "gauge/core/range_message.h"

#include <cinttypes>
#include <cstdio>

namespace gauges::core {

std::string RangeMessage(std::int64_t low, std::int64_t high) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "Value must be between %" PRId64 " and %" PRId64, low, high);
  return buffer;
}

std::string MinValueRangeMessage(std::int32_t maxValue) {
  return RangeMessage(-2147483647, std::int64_t{maxValue} - 1);
}

std::string MaxValueRangeMessage(std::int32_t minValue) {
  return RangeMessage(std::int64_t{minValue} + 1, 2147483647);
}

}  // namespace gauges::core
