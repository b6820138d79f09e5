// Prints how long the gauge takes to paint and to take a Progress write.
#include <windows.h>

#include <cstdio>

#include "gauge/Gauges.h"
#include "bench/bench_timing.h"
#include "tests/support/host_window.h"
#include "toolkit/gdi.h"

int main() {
  using namespace gauges;
  tarvex::test::HostWindow window(320, 320);
  TGauge gauge(&window);
  gauge.SetBounds(0, 0, 300, 300);
  gauge.SetProgress(57);
  // Shown: a hidden window's surface lets nothing through, and a repaint
  // there composes nothing.
  ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);

  tk::MemoryDC target(nullptr);
  tk::WindowDC screen(nullptr);
  tk::Bitmap surface(CreateCompatibleBitmap(screen.get(), 300, 300));
  tk::SelectObjectGuard select(target.get(), surface.get());

  std::printf("gauge 300x300, Paint into a memory DC (composed in the shared paint buffer, one copy)\n");
  const int paints = 300;
  for (const tk::GaugeKindEntry& k : tk::kGaugeKinds) {
    gauge.SetKind(k.kind);
    gauge.SetShowText(true);
    const double withText = bench::MicrosecondsPer(paints, [&](int) { gauge.Paint(target.get()); });
    gauge.SetShowText(false);
    const double without = bench::MicrosecondsPer(paints, [&](int) { gauge.Paint(target.get()); });
    std::printf("  %-16.*s %8.1f us per paint with text, %8.1f us without\n", static_cast<int>(k.stored.size()),
                k.stored.data(), withText, without);
  }

  gauge.SetKind(gkHorizontalBar);
  gauge.SetShowText(true);
  gauge.SetMaxValue(1000000);
  gauge.SetProgress(0);
  const unsigned before = gauge.PaintCount();
  const int changing = 200;
  const double changed = bench::MicrosecondsPer(changing, [&](int i) {
    gauge.SetProgress((i % 2 == 0) ? 500000 : 0);  // 50 % and back: repaints at once on the window
  });
  const int quiet = 1000000;
  const double unchanged = bench::MicrosecondsPer(quiet, [&](int i) {
    gauge.SetProgress(i % 9000);  // stays below 1 %: stored, no repaint
  });
  std::printf("Progress write that changes Percent (repaint at once): %8.2f us\n", changed);
  std::printf("Progress write that keeps Percent (no repaint):        %8.4f us\n", unchanged);
  std::printf("ratio: %.0f\n", changed / unchanged);
  std::printf("repaints during the writes: %u (expected %d)\n", gauge.PaintCount() - before, changing);
  return 0;
}
