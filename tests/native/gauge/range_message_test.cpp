#include "gauge/core/range_message.h"

#include <limits>

#include <gtest/gtest.h>

namespace gauges::core {
namespace {

TEST(RangeMessage, NamesTheBoundsOfTheRefusedWrite) {
  struct Case {
    std::string actual;
    const char* expected;
  } cases[] = {
      {MinValueRangeMessage(100), "Value must be between -2147483647 and 99"},
      {MaxValueRangeMessage(0), "Value must be between 1 and 2147483647"},
      {MinValueRangeMessage(-5), "Value must be between -2147483647 and -6"},
      // Extreme ranges: the neighbours, not 32-bit wrap-arounds.
      {MinValueRangeMessage(std::numeric_limits<std::int32_t>::min()),
       "Value must be between -2147483647 and -2147483649"},
      {MaxValueRangeMessage(std::numeric_limits<std::int32_t>::max()),
       "Value must be between 2147483648 and 2147483647"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

}  // namespace
}  // namespace gauges::core
