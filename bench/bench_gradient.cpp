// Prints what the gradient panel costs: rendering each style's pattern once,
// and painting (one stretch of the pattern) at several sizes and shapes, so
// that the ratio of a rebuild to a paint shows why paints never rebuild.
#include <windows.h>

#include <cstdio>
#include <string_view>

#include "decor/Gradient.h"
#include "bench/bench_timing.h"
#include "toolkit/gdi.h"

int main() {
  using namespace decor;
  TGradient gradient;

  std::printf("RebuildPattern per style (microseconds per rebuild)\n");
  const int rebuilds = 40;
  for (int s = gsCustom; s < kGradientStyleCount; ++s) {
    gradient.SetStyle(static_cast<TGradientStyle>(s));
    const double us = bench::MicrosecondsPer(rebuilds, [&](int) { gradient.RebuildPattern(); });
    const std::string_view name = kGradientStyleNames[s];
    std::printf("  %-13.*s %4d x %-4d %9.1f\n", static_cast<int>(name.size()), name.data(),
                gradient.Pattern().Width(), gradient.Pattern().Height(), us);
  }

  tk::WindowDC screen(nullptr);
  tk::MemoryDC target(screen.get());
  tk::Bitmap surface(CreateCompatibleBitmap(screen.get(), 800, 600));
  tk::SelectObjectGuard select(target.get(), surface.get());

  gradient.SetStyle(gsRadialC);
  const double rebuild = bench::MicrosecondsPer(rebuilds, [&](int) { gradient.RebuildPattern(); });
  std::printf("\nPaint of gsRadialC (microseconds per paint; rebuild %.1f)\n", rebuild);
  const struct {
    TShapeType shape;
    int border;
    const char* name;
  } shapes[] = {{stRectangle, 0, "stRectangle"}, {stRectangle, 1, "stRectangle, border 1"},
                {stRoundRect, 1, "stRoundRect, border 1"}, {stCircle, 0, "stCircle"}};
  const struct {
    int width, height;
  } sizes[] = {{145, 25}, {329, 2}, {362, 362}, {800, 600}};
  const int paints = 200;
  for (const auto& sh : shapes) {
    gradient.SetShape(sh.shape);
    gradient.SetBorderWidth(sh.border);
    for (const auto& size : sizes) {
      gradient.SetBounds(0, 0, size.width, size.height);
      const unsigned before = gradient.RebuildCount();
      const double us = bench::MicrosecondsPer(paints, [&](int) { gradient.Paint(target.get()); });
      std::printf("  %-22s %4d x %-4d %8.1f   rebuild/paint %6.1f   rebuilds during paints %u\n",
                  sh.name, size.width, size.height, us, rebuild / us,
                  gradient.RebuildCount() - before);
    }
  }
  return 0;
}
