#pragma once
// The gradient panel's pattern generators: each style renders the colour
// table into a small pattern of fixed size, which the control then stretches
// over its rectangle. Pure arithmetic over a plain pixel buffer.

#include <array>
#include <cstdint>

#include "decor/core/gradient_colors.h"
#include "decor/core/gradient_style.h"

namespace decor {

// A top-down pixel buffer of width x height pixels, rows without padding
// (a 32-bit DIB's rows never need any).
struct PixelView {
  Pixel* bits;
  int width;
  int height;
  Pixel& At(int x, int y) const { return bits[static_cast<long>(y) * width + x]; }
};

struct PatternSize {
  int width;
  int height;
  bool operator==(const PatternSize&) const = default;
};

// Writes every pixel of a buffer of the generator's size.
using PatternFill = void (*)(const TGradientColors& colors, const PixelView& pattern);

struct PatternGenerator {
  PatternSize size;
  PatternFill fill;  // null for gsCustom, which a handler draws
};

// Indexed by the style's ordinal; the gsCustom entry is empty.
extern const std::array<PatternGenerator, kGradientStyleCount> kPatternGenerators;

// gsCustom without a handler: 2 x 2, first colour at (0, 0) and (1, 1),
// second at (1, 0) and (0, 1).
constexpr PatternSize kCustomDefaultSize{2, 2};
void FillCustomDefault(Pixel first, Pixel second, const PixelView& pattern);

// The square root of v >= 0 taken to the nearest integer, exactly, whatever
// the floating-point unit's precision.
int RoundedSqrt(int v);

}  // namespace decor
