#include "gauge/core/arithmetic.h"

#include <limits>

namespace gauges::core {

namespace {

struct U128 {
  std::uint64_t hi;
  std::uint64_t lo;
};

// 64 x 64 -> 128 bits from 32-bit halves (no __int128 on i686).
U128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
  const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const std::uint64_t mid = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
  return U128{p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32), (mid << 32) | (p00 & 0xFFFFFFFFu)};
}

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

std::int32_t Saturate32(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

}  // namespace

Extended ExtendedFromInt(std::int64_t value) {
  Extended e;
  if (value == 0) return e;
  e.negative = value < 0;
  std::uint64_t m = e.negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  int shift = 0;
  while ((m & kTopBit) == 0) {
    m <<= 1;
    ++shift;
  }
  e.significand = m;
  e.exponent = -shift;
  return e;
}

Extended Multiply(const Extended& a, const Extended& b) {
  Extended r;
  if (a.significand == 0 || b.significand == 0) return r;
  r.negative = a.negative != b.negative;
  const U128 p = MultiplyWide(a.significand, b.significand);
  // Both significands have their top bit set, so the product's top bit is
  // bit 127 or bit 126. Keep 64 bits; `rest` holds the dropped bits aligned
  // to the top so that exactly one half compares equal to kTopBit.
  std::uint64_t sig, rest;
  int shift;
  if (p.hi & kTopBit) {
    sig = p.hi;
    rest = p.lo;
    shift = 64;
  } else {
    sig = (p.hi << 1) | (p.lo >> 63);
    rest = p.lo << 1;
    shift = 63;
  }
  if (rest > kTopBit || (rest == kTopBit && (sig & 1))) {
    ++sig;
    if (sig == 0) {  // rounded up to the next power of two
      sig = kTopBit;
      ++shift;
    }
  }
  r.significand = sig;
  r.exponent = a.exponent + b.exponent + shift;
  return r;
}

std::int64_t TruncToInt64(const Extended& value) {
  if (value.significand == 0 || value.exponent <= -64) return 0;
  std::uint64_t magnitude;
  if (value.exponent < 0) {
    magnitude = value.significand >> -value.exponent;
  } else {
    if (value.exponent > 0) {
      return value.negative ? std::numeric_limits<std::int64_t>::min()
                            : std::numeric_limits<std::int64_t>::max();
    }
    magnitude = value.significand;
  }
  if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    return value.negative ? std::numeric_limits<std::int64_t>::min()
                          : std::numeric_limits<std::int64_t>::max();
  }
  const auto m = static_cast<std::int64_t>(magnitude);
  return value.negative ? -m : m;
}

Extended ExtendedOneHundredth() {
  // Biased exponent 0x3FF8 is 2^-7 for a significand read as 1.xxx, that is
  // 2^-70 for the 64-bit integer significand.
  return Extended{false, 0xA3D70A3D70A3D70Aull, 0x3FF8 - 16383 - 63};
}

int PercentOf(std::int64_t part, std::int64_t whole) {
  if (whole == 0) return 0;
  // Part x 100 is exact in extended precision, and the rounding of the
  // extended quotient can never carry it across a whole number for operands
  // of this size, so integer division gives the same truncated result.
  return Saturate32(part * 100 / whole);
}

int GaugePercent(std::int32_t minValue, std::int32_t maxValue, std::int32_t progress) {
  return PercentOf(std::int64_t{progress} - minValue, std::int64_t{maxValue} - minValue);
}

std::int32_t KeepInRange(std::int32_t value, std::int32_t minValue, std::int32_t maxValue) {
  if (value < minValue) return minValue;
  if (value > maxValue) return maxValue;
  return value;
}

int ScaleByPercent(int percent, int size) {
  const Extended fraction = Multiply(ExtendedFromInt(percent), ExtendedOneHundredth());
  return Saturate32(TruncToInt64(Multiply(ExtendedFromInt(size), fraction)));
}

}  // namespace gauges::core
