#include "decor/core/gradient_colors.h"

#include "toolkit/core/font.h"

namespace decor {
namespace {

// One channel of the table. Every division truncates toward zero, as C++'s
// integer division does; the shift uses MulDivRounded's rounding (halves away from 0).
void BuildChannel(int c1, int c2, int shift, int peak, int (&out)[256]) {
  if (shift > 0) {
    c1 += tk::MulDivRounded(c2 - c1, shift, 100);
  } else if (shift < 0) {
    c2 += tk::MulDivRounded(c2 - c1, shift, 100);
  }
  const int d = c2 - c1;
  if (peak == 0) {
    for (int i = 0; i < 256; ++i) out[i] = c1 + (i * d) / 255;
  } else if (peak > 0) {
    // Rises from c1 to c2 at entry m, then falls back to c1 at entry 255.
    const int m = 255 - peak;
    for (int i = 0; i < m; ++i) out[i] = c1 + (i * d) / m;
    for (int i = m; i < 256; ++i) out[i] = c1 + ((255 - i) * d) / peak;
  } else {
    // Falls from c2 to c1 at entry n, then rises back to c2 at entry 255.
    const int n = -peak;
    for (int i = 0; i <= n; ++i) out[i] = c2 - (i * d) / n;
    for (int i = n + 1; i < 256; ++i) out[i] = c2 - ((255 - i) * d) / (255 - n);
  }
}

}  // namespace

TGradientColors BuildGradientColors(tk::TColor first, tk::TColor second, int shift, int rotation) {
  shift = ClampPercent(shift);
  const int peak = tk::MulDivRounded(255, ClampPercent(rotation), 100);  // -255..255
  int red[256], green[256], blue[256];
  BuildChannel(tk::RedOf(first), tk::RedOf(second), shift, peak, red);
  BuildChannel(tk::GreenOf(first), tk::GreenOf(second), shift, peak, green);
  BuildChannel(tk::BlueOf(first), tk::BlueOf(second), shift, peak, blue);
  TGradientColors colors{};
  for (int i = 0; i < 256; ++i) colors[i] = PixelOf(red[i], green[i], blue[i]);
  return colors;
}

}  // namespace decor
