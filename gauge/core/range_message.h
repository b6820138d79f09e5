#pragma once

#include <cstdint>
#include <string>

namespace gauges::core {

// The message of a refused MinValue or MaxValue write.
// A MinValue above MaxValue names -2147483647 .. MaxValue - 1; a MaxValue
// below MinValue names MinValue + 1 .. 2147483647. The bounds are formed in
// 64 bits, so the extreme ranges name the true neighbours instead of wrapped
// values.
std::string RangeMessage(std::int64_t low, std::int64_t high);
std::string MinValueRangeMessage(std::int32_t maxValue);
std::string MaxValueRangeMessage(std::int32_t minValue);

}  // namespace gauges::core
