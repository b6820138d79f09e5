#include "decor/core/gradient_colors.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

namespace decor {
namespace {

constexpr tk::TColor kWhite = tk::clWhite;
constexpr tk::TColor kBlack = tk::clBlack;

// Grey level of an entry, checking that the three channels agree.
int Grey(const TGradientColors& t, int i) {
  const Pixel p = t[i];
  EXPECT_EQ(PixelRed(p), PixelGreen(p)) << "entry " << i;
  EXPECT_EQ(PixelRed(p), PixelBlue(p)) << "entry " << i;
  return PixelRed(p);
}

TEST(GradientColors, EntriesAreStoredAsBlueGreenRedUnused) {
  const TGradientColors t = BuildGradientColors(tk::Rgb(0x11, 0x22, 0x33), tk::Rgb(0x11, 0x22, 0x33), 0, 0);
  unsigned char bytes[4];
  std::memcpy(bytes, &t[0], 4);
  EXPECT_EQ(bytes[0], 0x33);
  EXPECT_EQ(bytes[1], 0x22);
  EXPECT_EQ(bytes[2], 0x11);
  EXPECT_EQ(bytes[3], 0x00);
}

TEST(GradientColors, WhiteToBlackRampFallsByOnePerEntry) {
  const TGradientColors t = BuildGradientColors(kWhite, kBlack, 0, 0);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(Grey(t, i), 255 - i) << "entry " << i;
}

// The figures of white to black with a shift or a rotation; every division
// truncates toward zero (floor division would give 2 for entry 126 of
// Rotation 50, and 63 for entry 128 of Shift 50).
TEST(GradientColors, ShiftAndRotationFiguresOfWhiteToBlack) {
  struct Case {
    const char* what;
    int shift, rotation, entry, grey;
  } cases[] = {
      {"shift 50 moves the first colour half way", 50, 0, 0, 127},
      {"shift 50, d = -127", 50, 0, 128, 64},
      {"shift 50 keeps the second colour", 50, 0, 255, 0},
      {"shift -50 moves the second colour half way", -50, 0, 255, 128},
      {"shift -50 keeps the first colour", -50, 0, 0, 255},
      {"rotation 50 starts at the first colour", 0, 50, 0, 255},
      {"rotation 50 rising part", 0, 50, 126, 3},
      {"rotation 50 peak at 127", 0, 50, 127, 0},
      {"rotation 50 falling part", 0, 50, 191, 128},
      {"rotation 50 ends at the first colour", 0, 50, 255, 255},
      {"rotation -50 starts at the second colour", 0, -50, 0, 0},
      {"rotation -50 falling part", 0, -50, 64, 127},
      {"rotation -50 reaches the first colour at 128", 0, -50, 128, 255},
      {"rotation -50 rising part", 0, -50, 129, 252},
      {"rotation -50 ends at the second colour", 0, -50, 255, 0},
      {"rotation 1 (peak 3) reaches the second colour at 252", 0, 1, 252, 0},
      {"rotation 1 falls back in three steps", 0, 1, 254, 170},
  };
  for (const Case& c : cases) {
    const TGradientColors t = BuildGradientColors(kWhite, kBlack, c.shift, c.rotation);
    EXPECT_EQ(Grey(t, c.entry), c.grey) << c.what;
  }
}

TEST(GradientColors, FullShiftOrRotationMakesWholeRuns) {
  const tk::TColor first = tk::Rgb(200, 10, 90), second = tk::Rgb(20, 250, 90);
  struct Case {
    const char* what;
    int shift, rotation;
    tk::TColor at0, at255;
    bool uniform;
  } cases[] = {
      {"shift 100: all second colour", 100, 0, second, second, true},
      {"shift -100: all first colour", -100, 0, first, first, true},
      {"rotation 100 runs from second to first", 0, 100, second, first, false},
      {"rotation -100 runs from second to first", 0, -100, second, first, false},
  };
  for (const Case& c : cases) {
    const TGradientColors t = BuildGradientColors(first, second, c.shift, c.rotation);
    EXPECT_EQ(t[0], PixelOfRgb(c.at0)) << c.what;
    EXPECT_EQ(t[255], PixelOfRgb(c.at255)) << c.what;
    if (c.uniform) {
      for (int i = 0; i < 256; ++i) ASSERT_EQ(t[i], t[0]) << c.what << ", entry " << i;
    }
  }
}

TEST(GradientColors, OutOfRangePercentagesAreClamped) {
  struct Case {
    int written, stored;
  } cases[] = {{120, 100}, {-120, -100}, {100, 100}, {-100, -100}, {0, 0}, {37, 37}, {1000000, 100}};
  for (const Case& c : cases) {
    EXPECT_EQ(ClampPercent(c.written), c.stored) << c.written;
    EXPECT_EQ(BuildGradientColors(kWhite, kBlack, c.written, 0),
              BuildGradientColors(kWhite, kBlack, c.stored, 0))
        << "shift " << c.written;
    EXPECT_EQ(BuildGradientColors(kWhite, kBlack, 0, c.written),
              BuildGradientColors(kWhite, kBlack, 0, c.stored))
        << "rotation " << c.written;
  }
}

TEST(GradientColors, EqualColoursGiveOneColourForAnyShiftAndRotation) {
  const tk::TColor c = tk::Rgb(12, 200, 77);
  for (int shift : {-100, -33, 0, 50, 100})
    for (int rotation : {-100, -50, -1, 0, 1, 50, 100}) {
      const TGradientColors t = BuildGradientColors(c, c, shift, rotation);
      for (int i = 0; i < 256; ++i)
        ASSERT_EQ(t[i], PixelOfRgb(c)) << "shift " << shift << " rotation " << rotation << " entry " << i;
    }
}

// Whatever the shift and rotation, every channel stays between its two ends.
TEST(GradientColors, EveryEntryLiesBetweenTheEnds) {
  const struct {
    tk::TColor first, second;
  } pairs[] = {{kWhite, kBlack}, {kBlack, kWhite}, {tk::Rgb(255, 0, 128), tk::Rgb(0, 255, 129)}};
  for (const auto& pair : pairs)
    for (int shift = -100; shift <= 100; shift += 25)
      for (int rotation = -100; rotation <= 100; ++rotation) {
        const TGradientColors t = BuildGradientColors(pair.first, pair.second, shift, rotation);
        for (int i = 0; i < 256; ++i) {
          const int channels[3][3] = {
              {PixelRed(t[i]), tk::RedOf(pair.first), tk::RedOf(pair.second)},
              {PixelGreen(t[i]), tk::GreenOf(pair.first), tk::GreenOf(pair.second)},
              {PixelBlue(t[i]), tk::BlueOf(pair.first), tk::BlueOf(pair.second)}};
          bool inside = (t[i] >> 24) == 0;
          for (const auto& ch : channels)
            inside = inside && ch[0] >= std::min(ch[1], ch[2]) && ch[0] <= std::max(ch[1], ch[2]);
          ASSERT_TRUE(inside) << "shift " << shift << " rotation " << rotation << " entry " << i
                              << " is " << std::hex << t[i];
        }
      }
}

TEST(GradientColors, ChannelsRunIndependently) {
  // Red rises, green falls, blue stays.
  const TGradientColors t = BuildGradientColors(tk::Rgb(0, 255, 40), tk::Rgb(255, 0, 40), 0, 0);
  EXPECT_EQ(t[0], PixelOf(0, 255, 40));
  EXPECT_EQ(t[100], PixelOf(100, 155, 40));
  EXPECT_EQ(t[255], PixelOf(255, 0, 40));
}

TEST(GradientColors, ReverseSwapsTheEnds) {
  const tk::TColor a = tk::Rgb(1, 2, 3), b = tk::Rgb(4, 5, 6);
  EXPECT_EQ(OrderedEnds(a, b, false).first, a);
  EXPECT_EQ(OrderedEnds(a, b, false).second, b);
  EXPECT_EQ(OrderedEnds(a, b, true).first, b);
  EXPECT_EQ(OrderedEnds(a, b, true).second, a);
}

}  // namespace
}  // namespace decor
