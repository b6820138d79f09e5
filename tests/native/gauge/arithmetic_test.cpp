#include "gauge/core/arithmetic.h"

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "toolkit/core/x87_precision.h"

namespace gauges::core {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(ScaleByPercent, ExtendedHundredthMakesSomeBarsOneShort) {
  struct Case {
    int percent, size, expected;
  } cases[] = {
      {10, 100, 9}, {20, 100, 19}, {5, 100, 4},   {5, 20, 0},     {25, 100, 25},
      {50, 98, 49}, {1, 100, 1},   {0, 100, 0},   {50, 100, 50},  {30, 100, 29},
      {100, 0, 0},  {100, 1, 1},   {100, 15, 15}, {100, 99, 99},  {100, 100, 100},
      {100, 101, 101}, {100, 300, 300}, {100, 65535, 65535}, {100, kMax, kMax},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleByPercent(c.percent, c.size), c.expected)
        << "ScaleByPercent(" << c.percent << ", " << c.size << ")";
  }
}

TEST(ScaleByPercent, FullPercentGivesTheWholeSizeForEverySize) {
  for (int n = 0; n <= 5000; ++n) ASSERT_EQ(ScaleByPercent(100, n), n) << "size " << n;
}

TEST(ScaleByPercent, TruncatesTowardZeroForNegativeOperands) {
  EXPECT_EQ(ScaleByPercent(-10, 100), -9);
  EXPECT_EQ(ScaleByPercent(10, -100), -9);
  EXPECT_EQ(ScaleByPercent(-100, -7), 7);
}

TEST(ExtendedMultiply, RoundsToNearestTiesToEven) {
  struct Case {
    const char* name;
    Extended a, b, expected;
  } cases[] = {
      {"exact", {false, 0x8000000000000000ull, 0}, {false, 0xC000000000000000ull, -1},
       {false, 0xC000000000000000ull, 62}},
      {"tie rounds odd up", {false, 0x8000000000000001ull, 0}, {false, 0xC000000000000000ull, 0},
       {false, 0xC000000000000002ull, 63}},
      {"tie keeps even", {false, 0x8000000000000003ull, 0}, {false, 0xC000000000000000ull, 0},
       {false, 0xC000000000000004ull, 63}},
      {"carry into next power of two", {false, 0xFFFFFFFFFFFFFFFEull, 0},
       {false, 0x8000000000000001ull, 0}, {false, 0x8000000000000000ull, 64}},
      {"sign", {true, 0x8000000000000000ull, 0}, {false, 0x8000000000000000ull, 0},
       {true, 0x8000000000000000ull, 63}},
  };
  for (const Case& c : cases) {
    Extended r = Multiply(c.a, c.b);
    EXPECT_EQ(r.negative, c.expected.negative) << c.name;
    EXPECT_EQ(r.significand, c.expected.significand) << c.name;
    EXPECT_EQ(r.exponent, c.expected.exponent) << c.name;
  }
  EXPECT_EQ(Multiply(ExtendedFromInt(0), ExtendedOneHundredth()).significand, 0u);
}

TEST(ExtendedMultiply, IntegersRoundTrip) {
  const std::int64_t values[] = {0, 1, -1, 7, 100, -100, kMax, kMin,
                                 std::numeric_limits<std::int64_t>::max()};
  for (std::int64_t v : values) EXPECT_EQ(TruncToInt64(ExtendedFromInt(v)), v) << v;
}

#if defined(__x86_64__) && LDBL_MANT_DIG == 64
// On x86-64 the compiler's long double is the x87 extended format in full
// precision: the integer emulation must agree with the hardware bit for bit.
// The hardware reckons in full precision even where the program runs with the
// x87 unit at 53 bits (--fpu=53).
TEST(ScaleByPercent, AgreesWithHardwareExtendedPrecision) {
  tk::ScopedX87Precision full(64);
  const unsigned char bytes[10] = {0x0A, 0xD7, 0xA3, 0x70, 0x3D, 0x0A, 0xD7, 0xA3, 0xF8, 0x3F};
  long double hundredth = 0;
  std::memcpy(&hundredth, bytes, sizeof bytes);
  for (int p = -5; p <= 105; ++p) {
    for (int size = -50; size <= 4000; ++size) {
      volatile long double fraction = static_cast<long double>(p) * hundredth;
      volatile long double product = static_cast<long double>(size) * fraction;
      ASSERT_EQ(ScaleByPercent(p, size), static_cast<long long>(product))
          << "ScaleByPercent(" << p << ", " << size << ")";
    }
  }
}
#endif

TEST(Percent, WholePercentOfTheRange) {
  struct Case {
    std::int32_t min, max, progress;
    int expected;
  } cases[] = {
      {0, 100, 0, 0},        {0, 100, 57, 57},      {0, 100, 100, 100},
      {0, 3, 1, 33},         {0, 3, 2, 66},         {0, 1000, 9, 0},
      {0, 1000, 10, 1},      {0, 1000, 999, 99},    {-100, 100, 0, 50},
      {-50, -10, -30, 50},   {5, 5, 5, 0},          {0, 0, 0, 0},
      {0, 1000000, 999999, 99},
      // Spans past 32 bits are measured in 64 bits.
      {-2000000000, 2000000000, 0, 50},
      {kMin, kMax, kMin, 0}, {kMin, kMax, kMax, 100}, {kMin, kMax, 0, 50},
      // A range loaded upside down (MinValue above MaxValue).
      {200, 100, 200, 0},    {200, 100, 100, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GaugePercent(c.min, c.max, c.progress), c.expected)
        << c.min << ".." << c.max << " at " << c.progress;
  }
}

TEST(Percent, PercentOfTruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(PercentOf(1, 3), 33);
  EXPECT_EQ(PercentOf(-1, 3), -33);
  EXPECT_EQ(PercentOf(7, 0), 0);
  EXPECT_EQ(PercentOf(std::int64_t{kMax} - kMin, -1), kMin);
}

}  // namespace
}  // namespace gauges::core
