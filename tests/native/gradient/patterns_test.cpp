#include "decor/core/gradient_patterns.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace decor {
namespace {

// A table whose entry i is the pixel value i, so that a pattern shows the
// index of every pixel.
TGradientColors IndexTable() {
  TGradientColors t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<Pixel>(i);
  return t;
}

constexpr Pixel kUnwritten = 0xDEADBEEF;

struct Pattern {
  explicit Pattern(TGradientStyle style, const TGradientColors& colors = IndexTable())
      : size(kPatternGenerators[style].size),
        pixels(static_cast<std::size_t>(size.width) * size.height, kUnwritten) {
    kPatternGenerators[style].fill(colors, View());
  }
  PixelView View() { return PixelView{pixels.data(), size.width, size.height}; }
  Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * size.width + x]; }
  PatternSize size;
  std::vector<Pixel> pixels;
};

TEST(PatternGenerators, EveryStyleHasItsFixedSize) {
  struct Case {
    TGradientStyle style;
    int width, height;
  } cases[] = {
      {gsRadialC, 362, 362},  {gsRadialT, 362, 181},    {gsRadialB, 362, 181},
      {gsRadialL, 181, 362},  {gsRadialR, 181, 362},    {gsRadialTL, 181, 181},
      {gsRadialTR, 181, 181}, {gsRadialBL, 181, 181},   {gsRadialBR, 181, 181},
      {gsLinearH, 256, 1},    {gsLinearV, 1, 256},      {gsReflectedH, 1, 512},
      {gsReflectedV, 512, 1}, {gsDiagonalLF, 128, 129}, {gsDiagonalLB, 128, 129},
      {gsDiagonalRF, 256, 256}, {gsDiagonalRB, 256, 256}, {gsArrowL, 129, 256},
      {gsArrowR, 129, 256},   {gsArrowU, 256, 129},     {gsArrowD, 256, 129},
      {gsDiamond, 256, 256},  {gsButterfly, 256, 256},  {gsRadialRect, 512, 512},
  };
  ASSERT_EQ(std::size(cases), kPatternGenerators.size() - 1);
  for (const Case& c : cases) {
    EXPECT_EQ(kPatternGenerators[c.style].size, (PatternSize{c.width, c.height})) << kGradientStyleNames[c.style];
    EXPECT_NE(kPatternGenerators[c.style].fill, nullptr) << kGradientStyleNames[c.style];
  }
  EXPECT_EQ(kPatternGenerators[gsCustom].fill, nullptr) << "a handler draws gsCustom";
}

TEST(PatternGenerators, EveryPixelIsWrittenWithAnIndexOfTheTable) {
  for (int s = gsRadialC; s < kGradientStyleCount; ++s) {
    Pattern p(static_cast<TGradientStyle>(s));
    for (int y = 0; y < p.size.height; ++y)
      for (int x = 0; x < p.size.width; ++x)
        ASSERT_LE(p.At(x, y), 255u) << kGradientStyleNames[s] << " pixel (" << x << ", " << y << ")";
  }
}

TEST(PatternGenerators, EqualColoursFillEveryStyleUniformly) {
  TGradientColors uniform;
  uniform.fill(PixelOf(10, 20, 30));
  for (int s = gsRadialC; s < kGradientStyleCount; ++s) {
    Pattern p(static_cast<TGradientStyle>(s), uniform);
    for (Pixel px : p.pixels) ASSERT_EQ(px, PixelOf(10, 20, 30)) << kGradientStyleNames[s];
  }
}

// Where each style puts chosen indices: its ends, its seams and a point of
// each formula.
TEST(PatternGenerators, IndexOfChosenPixels) {
  struct Case {
    TGradientStyle style;
    int x, y;
    Pixel index;
  } cases[] = {
      // Radial: N(v) of the squared distance, 255 in the far corners.
      {gsRadialC, 180, 180, 0}, {gsRadialC, 181, 181, 0}, {gsRadialC, 0, 0, 255},
      {gsRadialC, 361, 361, 255}, {gsRadialC, 0, 180, 180}, {gsRadialC, 180, 0, 180},
      {gsRadialC, 177, 176, 5},  // N(9 + 16)
      {gsRadialC, 184, 185, 5},  // mirrored: columns 181 + 3, rows 181 + 4
      {gsRadialC, 179, 178, 2},  // N(1 + 4) = 2.236 -> 2
      {gsRadialC, 178, 178, 3},  // N(4 + 4) = 2.828 -> 3
      {gsRadialT, 180, 0, 0}, {gsRadialT, 181, 0, 0}, {gsRadialT, 0, 180, 255},
      {gsRadialT, 361, 180, 255}, {gsRadialT, 180, 180, 180}, {gsRadialT, 0, 0, 180},
      {gsRadialB, 180, 180, 0}, {gsRadialB, 181, 180, 0}, {gsRadialB, 0, 0, 255},
      {gsRadialB, 361, 0, 255}, {gsRadialB, 180, 0, 180},
      {gsRadialL, 0, 180, 0}, {gsRadialL, 0, 181, 0}, {gsRadialL, 180, 0, 255},
      {gsRadialL, 180, 361, 255}, {gsRadialL, 180, 180, 180},
      {gsRadialR, 180, 180, 0}, {gsRadialR, 180, 181, 0}, {gsRadialR, 0, 0, 255},
      {gsRadialR, 0, 361, 255}, {gsRadialR, 0, 180, 180},
      {gsRadialTL, 0, 0, 0}, {gsRadialTL, 180, 180, 255}, {gsRadialTL, 3, 4, 5},
      {gsRadialTR, 180, 0, 0}, {gsRadialTR, 0, 180, 255}, {gsRadialTR, 177, 4, 5},
      {gsRadialBL, 0, 180, 0}, {gsRadialBL, 180, 0, 255}, {gsRadialBL, 3, 176, 5},
      {gsRadialBR, 180, 180, 0}, {gsRadialBR, 0, 0, 255}, {gsRadialBR, 177, 176, 5},
      // Linear and reflected.
      {gsLinearH, 0, 0, 0}, {gsLinearH, 255, 0, 255}, {gsLinearH, 77, 0, 77},
      {gsLinearV, 0, 0, 0}, {gsLinearV, 0, 255, 255}, {gsLinearV, 0, 77, 77},
      {gsReflectedH, 0, 0, 255}, {gsReflectedH, 0, 255, 0}, {gsReflectedH, 0, 256, 0},
      {gsReflectedH, 0, 511, 255}, {gsReflectedH, 0, 300, 44},
      {gsReflectedV, 0, 0, 255}, {gsReflectedV, 255, 0, 0}, {gsReflectedV, 256, 0, 0},
      {gsReflectedV, 511, 0, 255}, {gsReflectedV, 300, 0, 44},
      // Diagonals.
      {gsDiagonalLF, 0, 0, 0}, {gsDiagonalLF, 127, 128, 255}, {gsDiagonalLF, 10, 20, 30},
      {gsDiagonalLB, 127, 0, 0}, {gsDiagonalLB, 0, 128, 255}, {gsDiagonalLB, 10, 20, 137},
      {gsDiagonalRF, 0, 255, 0}, {gsDiagonalRF, 255, 0, 0}, {gsDiagonalRF, 0, 0, 255},
      {gsDiagonalRF, 255, 255, 255}, {gsDiagonalRF, 100, 100, 55}, {gsDiagonalRF, 200, 100, 45},
      {gsDiagonalRB, 0, 0, 0}, {gsDiagonalRB, 200, 200, 0}, {gsDiagonalRB, 255, 0, 255},
      {gsDiagonalRB, 0, 255, 255}, {gsDiagonalRB, 30, 10, 20}, {gsDiagonalRB, 10, 30, 20},
      // Arrows: the two halves meet in the middle.
      {gsArrowL, 128, 127, 0}, {gsArrowL, 128, 128, 0}, {gsArrowL, 0, 0, 255},
      {gsArrowL, 0, 255, 255}, {gsArrowL, 10, 20, 225}, {gsArrowL, 10, 200, 190},
      {gsArrowR, 0, 127, 0}, {gsArrowR, 0, 128, 0}, {gsArrowR, 128, 0, 255},
      {gsArrowR, 128, 255, 255}, {gsArrowR, 10, 20, 117}, {gsArrowR, 10, 200, 82},
      {gsArrowU, 127, 128, 0}, {gsArrowU, 128, 128, 0}, {gsArrowU, 0, 0, 255},
      {gsArrowU, 255, 0, 255}, {gsArrowU, 20, 10, 225}, {gsArrowU, 200, 10, 190},
      {gsArrowD, 127, 0, 0}, {gsArrowD, 128, 0, 0}, {gsArrowD, 0, 128, 255},
      {gsArrowD, 255, 128, 255}, {gsArrowD, 20, 10, 117}, {gsArrowD, 200, 10, 82},
      // Diamond: index 1 on the four middle pixels, 255 in the corners.
      {gsDiamond, 127, 127, 1}, {gsDiamond, 128, 127, 1}, {gsDiamond, 127, 128, 1},
      {gsDiamond, 128, 128, 1}, {gsDiamond, 0, 0, 255}, {gsDiamond, 255, 0, 255},
      {gsDiamond, 0, 255, 255}, {gsDiamond, 255, 255, 255},
      // Butterfly: left middle 0, right middle 1, top and bottom middles 255.
      {gsButterfly, 0, 128, 0}, {gsButterfly, 255, 127, 1}, {gsButterfly, 128, 0, 255},
      {gsButterfly, 128, 255, 255}, {gsButterfly, 0, 0, 128}, {gsButterfly, 255, 0, 128},
      {gsButterfly, 0, 255, 127}, {gsButterfly, 255, 255, 128}, {gsButterfly, 127, 127, 128},
      {gsButterfly, 128, 128, 128},
      // Distance to the nearest edge.
      {gsRadialRect, 0, 300, 0}, {gsRadialRect, 511, 300, 0}, {gsRadialRect, 300, 0, 0},
      {gsRadialRect, 300, 511, 0}, {gsRadialRect, 255, 255, 255}, {gsRadialRect, 256, 256, 255},
      {gsRadialRect, 20, 400, 20}, {gsRadialRect, 500, 300, 11},
  };
  for (const Case& c : cases) {
    Pattern p(c.style);
    EXPECT_EQ(p.At(c.x, c.y), c.index) << kGradientStyleNames[c.style] << " pixel (" << c.x << ", " << c.y << ")";
  }
}

TEST(PatternGenerators, DiamondNeverUsesEntryZero) {
  Pattern p(gsDiamond);
  for (Pixel px : p.pixels) ASSERT_NE(px, 0u);
}

// The radial styles compute one quarter and copy it across their middles:
// column 361 - x repeats column x, row 361 - y repeats row y.
TEST(PatternGenerators, RadialStylesAreMirrorImages) {
  struct Case {
    TGradientStyle style;
    bool mirrorX, mirrorY;
  } cases[] = {{gsRadialC, true, true}, {gsRadialT, true, false}, {gsRadialB, true, false},
               {gsRadialL, false, true}, {gsRadialR, false, true}};
  for (const Case& c : cases) {
    Pattern p(c.style);
    for (int y = 0; y < p.size.height; ++y)
      for (int x = 0; x < p.size.width; ++x) {
        const int mx = c.mirrorX ? 361 - x : x;
        const int my = c.mirrorY ? 361 - y : y;
        ASSERT_EQ(p.At(x, y), p.At(mx, my)) << kGradientStyleNames[c.style] << " (" << x << ", " << y << ")";
      }
  }
}

TEST(PatternGenerators, CustomDefaultIsFourQuadrants) {
  const Pixel first = PixelOf(255, 0, 0), second = PixelOf(0, 0, 255);
  std::vector<Pixel> pixels(4, kUnwritten);
  FillCustomDefault(first, second, PixelView{pixels.data(), kCustomDefaultSize.width, kCustomDefaultSize.height});
  EXPECT_EQ(kCustomDefaultSize, (PatternSize{2, 2}));
  EXPECT_EQ(pixels, (std::vector<Pixel>{first, second, second, first}));
}

TEST(RoundedSqrt, TakesTheNearestInteger) {
  struct Case {
    int v, root;
  } cases[] = {{0, 0},     {1, 1},     {2, 1},         {3, 2},         {6, 2},
               {7, 3},     {12, 3},    {13, 4},        {32400, 180},   {32580, 180},
               {32581, 181}, {64800, 255}, {65024, 255}, {65280, 255}, {65281, 256},
               {2147395600, 46340}, {2147483647, 46341}};
  for (const Case& c : cases) EXPECT_EQ(RoundedSqrt(c.v), c.root) << "N(" << c.v << ")";
}

}  // namespace
}  // namespace decor
