#pragma once
// The gauge's percentage arithmetic. The bar lengths depend on the exact
// 80-bit extended results, so the extended multiply is carried out here in
// integers: the answers do not depend on the FPU, its precision mode or the
// compiler.

#include <cstdint>

namespace gauges::core {

// An extended-precision value: sign, 64-bit significand (top bit set unless
// the value is zero) and binary exponent; the value is significand x 2^exponent.
struct Extended {
  bool negative = false;
  std::uint64_t significand = 0;
  int exponent = 0;
};

// Exact: every 64-bit integer fits the significand.
Extended ExtendedFromInt(std::int64_t value);
// The product rounded to 64 significant bits, to nearest, ties to even.
Extended Multiply(const Extended& a, const Extended& b);
// Truncated toward zero, saturated to the 64-bit range.
std::int64_t TruncToInt64(const Extended& value);

// 0.01 as the nearest extended value, slightly below 0.01
// (bytes 0A D7 A3 70 3D 0A D7 A3 F8 3F).
Extended ExtendedOneHundredth();

// Part x 100 / Whole truncated toward zero; 0 when Whole is 0. Saturated to
// the 32-bit range (only a range loaded with MinValue above MaxValue can
// leave it).
int PercentOf(std::int64_t part, std::int64_t whole);

// Percent of Progress in MinValue..MaxValue. The differences are formed in
// 64 bits, so spans that do not fit 32 bits still give a true percentage.
int GaugePercent(std::int32_t minValue, std::int32_t maxValue, std::int32_t progress);

// The progress a gauge keeps when given value: held inside
// minValue..maxValue (minValue <= maxValue).
std::int32_t KeepInRange(std::int32_t value, std::int32_t minValue, std::int32_t maxValue);

// Size x (P x 0.01) in extended precision, truncated toward zero; sometimes
// one less than Size x P / 100 because 0.01 is held slightly low.
int ScaleByPercent(int percent, int size);

}  // namespace gauges::core
