#include "decor/core/gradient_patterns.h"

#include <algorithm>
#include <cmath>

namespace decor {

int RoundedSqrt(int v) {
  if (v <= 0) return 0;
  // The double estimate only seeds the search; the integer checks make the
  // floor exact, so the x87 precision cannot change the answer.
  int r = static_cast<int>(std::sqrt(static_cast<double>(v)));
  while (static_cast<long long>(r) * r > v) --r;
  while (static_cast<long long>(r + 1) * (r + 1) <= v) ++r;
  // sqrt(v) >= r + 1/2 exactly when v > r^2 + r (no integer lies between);
  // a square root of an integer is never exactly halfway.
  return v - r * r > r ? r + 1 : r;
}

namespace {

// ---- Radial styles: a quarter of 181 x 181 pixels, mirrored as needed. ----

constexpr int kRadius = 180;        // the last column (row) of a quarter
constexpr int kMirror = 2 * kRadius + 1;  // column x and column 361 - x match

struct RadialShape {
  bool fromColumn180;  // x term is (180 - x)^2, else x^2
  bool fromRow180;     // y term is (180 - y)^2, else y^2
  bool mirrorX;  // the pattern is 362 wide: column 361 - x repeats column x
  bool mirrorY;
};

void FillRadial(const TGradientColors& colors, const PixelView& p, RadialShape s) {
  int squares[kRadius + 1];
  for (int i = 0; i <= kRadius; ++i) squares[i] = i * i;
  for (int y = 0; y <= kRadius; ++y) {
    const int dy = squares[s.fromRow180 ? kRadius - y : y];
    for (int x = 0; x <= kRadius; ++x) {
      const Pixel c = colors[RoundedSqrt(squares[s.fromColumn180 ? kRadius - x : x] + dy)];
      p.At(x, y) = c;
      if (s.mirrorX) p.At(kMirror - x, y) = c;
      if (s.mirrorY) p.At(x, kMirror - y) = c;
      if (s.mirrorX && s.mirrorY) p.At(kMirror - x, kMirror - y) = c;
    }
  }
}

template <RadialShape S>
void Radial(const TGradientColors& colors, const PixelView& p) {
  FillRadial(colors, p, S);
}

// ---- Every other style: the index is a formula of (x, y). ----

template <typename Index>
void FillIndexed(const TGradientColors& colors, const PixelView& p, Index index) {
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.At(x, y) = colors[index(x, y)];
}

void LinearH(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int) { return x; });
}
void LinearV(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int, int y) { return y; });
}
// Entry 0 on the two middle rows (columns), entry 255 at both edges.
int Reflected(int v) { return v <= 255 ? 255 - v : 255 - (511 - v); }
void ReflectedH(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int, int y) { return Reflected(y); });
}
void ReflectedV(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int) { return Reflected(x); });
}
void DiagonalLF(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return x + y; });
}
void DiagonalLB(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return y - x + 127; });
}
void DiagonalRF(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return x + y < 255 ? 255 - (x + y) : x + y - 255; });
}
void DiagonalRB(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return y < x ? x - y : y - x; });
}
void ArrowL(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return y < 128 ? 255 - x - y : y - x; });
}
void ArrowR(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return y < 128 ? x - y + 127 : x + y - 128; });
}
void ArrowU(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return x < 128 ? 255 - x - y : x - y; });
}
void ArrowD(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return x < 128 ? y - x + 127 : x + y - 128; });
}
void Diamond(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) {
    if (y < 128) return x < 128 ? 255 - x - y : x - y;
    return x < 128 ? y - x : x + y - 255;
  });
}
void Butterfly(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) {
    if (y < 128) return x < 128 ? x - y + 128 : 383 - x - y;
    return x < 128 ? x + y - 128 : y - x + 128;
  });
}
void RadialRect(const TGradientColors& c, const PixelView& p) {
  FillIndexed(c, p, [](int x, int y) { return std::min({x, y, 511 - x, 511 - y}); });
}

}  // namespace

const std::array<PatternGenerator, kGradientStyleCount> kPatternGenerators{{
    {{0, 0}, nullptr},  // gsCustom
    {{362, 362}, Radial<RadialShape{true, true, true, true}>},      // gsRadialC
    {{362, 181}, Radial<RadialShape{true, false, true, false}>},    // gsRadialT
    {{362, 181}, Radial<RadialShape{true, true, true, false}>},     // gsRadialB
    {{181, 362}, Radial<RadialShape{false, true, false, true}>},    // gsRadialL
    {{181, 362}, Radial<RadialShape{true, true, false, true}>},     // gsRadialR
    {{181, 181}, Radial<RadialShape{false, false, false, false}>},  // gsRadialTL
    {{181, 181}, Radial<RadialShape{true, false, false, false}>},   // gsRadialTR
    {{181, 181}, Radial<RadialShape{false, true, false, false}>},   // gsRadialBL
    {{181, 181}, Radial<RadialShape{true, true, false, false}>},    // gsRadialBR
    {{256, 1}, LinearH},
    {{1, 256}, LinearV},
    {{1, 512}, ReflectedH},
    {{512, 1}, ReflectedV},
    {{128, 129}, DiagonalLF},
    {{128, 129}, DiagonalLB},
    {{256, 256}, DiagonalRF},
    {{256, 256}, DiagonalRB},
    {{129, 256}, ArrowL},
    {{129, 256}, ArrowR},
    {{256, 129}, ArrowU},
    {{256, 129}, ArrowD},
    {{256, 256}, Diamond},
    {{256, 256}, Butterfly},
    {{512, 512}, RadialRect},
}};

void FillCustomDefault(Pixel first, Pixel second, const PixelView& pattern) {
  pattern.At(0, 0) = first;
  pattern.At(1, 1) = first;
  pattern.At(1, 0) = second;
  pattern.At(0, 1) = second;
}

}  // namespace decor
