#pragma once
// The gradient panel's colour table: 256 pixels running from one colour to the
// other, bent by Shift and Rotation. Pure arithmetic, no GDI.

#include <array>
#include <cstdint>

#include "toolkit/core/color.h"

namespace decor {

// One pixel as a 32-bit DIB stores it: blue in the lowest byte, then green,
// then red; the top byte is unused and always 0.
using Pixel = std::uint32_t;

constexpr Pixel PixelOf(int red, int green, int blue) {
  return static_cast<Pixel>((blue & 0xFF) | ((green & 0xFF) << 8) | ((red & 0xFF) << 16));
}
// A plain RGB colour ($00BBGGRR, no system colour) as a pixel.
constexpr Pixel PixelOfRgb(tk::TColor rgb) {
  return PixelOf(tk::RedOf(rgb), tk::GreenOf(rgb), tk::BlueOf(rgb));
}
constexpr int PixelRed(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }
constexpr int PixelGreen(Pixel p) { return static_cast<int>((p >> 8) & 0xFF); }
constexpr int PixelBlue(Pixel p) { return static_cast<int>(p & 0xFF); }

// Entry 0 holds the first colour and entry 255 the second, when not rotated.
using TGradientColors = std::array<Pixel, 256>;

// Shift and Rotation are percentages; anything outside is clamped, never rejected.
constexpr int kPercentMin = -100;
constexpr int kPercentMax = 100;
constexpr int ClampPercent(int value) {
  return value < kPercentMin ? kPercentMin : value > kPercentMax ? kPercentMax : value;
}

// The two ends of the gradient in drawing order: Reverse swaps them.
struct GradientEnds {
  tk::TColor first;   // plain RGB
  tk::TColor second;  // plain RGB
};
constexpr GradientEnds OrderedEnds(tk::TColor begin, tk::TColor end, bool reverse) {
  return reverse ? GradientEnds{end, begin} : GradientEnds{begin, end};
}

// first and second are plain RGB values. A positive shift moves the first
// colour toward the second by shift per cent, a negative one the second
// toward the first; rotation moves the ramp's peak (see the .cpp).
TGradientColors BuildGradientColors(tk::TColor first, tk::TColor second, int shift, int rotation);

}  // namespace decor
