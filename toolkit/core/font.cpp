#include "toolkit/core/font.h"

#include <cstdint>
#include <cstdlib>

namespace tk {

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t num = static_cast<std::int64_t>(a) * b;
  std::int64_t den = c;
  bool negative = (num < 0) != (den < 0);
  std::uint64_t n = static_cast<std::uint64_t>(num < 0 ? -num : num);
  std::uint64_t d = static_cast<std::uint64_t>(den < 0 ? -den : den);
  std::uint64_t q = (n + d / 2) / d;
  std::int64_t result = negative ? -static_cast<std::int64_t>(q) : static_cast<std::int64_t>(q);
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

int FontRecord::Size(int pixelsPerInch) const { return -MulDivRounded(height, 72, pixelsPerInch); }

void FontRecord::SetSize(int points, int pixelsPerInch) {
  height = -MulDivRounded(points, pixelsPerInch, 72);
}

}  // namespace tk
