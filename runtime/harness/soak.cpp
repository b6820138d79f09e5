// Soak: create / set progress / set colour / delete, many times over, through
// nbExecAction, with the process's GDI and USER objects and its memory
// measured along the way. Fails when they grow from the first checkpoint to
// the last.
//   runtime_soak PLUGIN [CYCLES]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/harness/plugin_driver.h"
#include "toolkit/message_pump.h"

int wmain(int argc, wchar_t** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures reach a pipe at once
  if (argc < 2) return 2;
  long cycles = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 100000;
  harness::PluginDriver host(argv[1]);
  if (!host.Loaded()) {
    std::printf("plug-in not loaded\n");
    return 2;
  }
  host.AddObject("Rect1", 10, 10, 200, 120);

  harness::ParamBlock create({"Rect1", "HorizontalBar", "0,0,255", "255,255,255", "255,255,255",
                              "0", "1000", "Arial|clBlack|10|fsBold |0", "0", "False|False"});
  harness::ParamBlock progress[] = {harness::ParamBlock({"Rect1", "250"}),
                                    harness::ParamBlock({"Rect1", "750"})};
  harness::ParamBlock colour[] = {harness::ParamBlock({"Rect1", "255,0,0", "0,255,0"}),
                                  harness::ParamBlock({"Rect1", "0,0,0", "255,255,255"})};
  harness::ParamBlock remove({"Rect1"});

  // The first cycles fill the caches of the font and paint machinery.
  const long warmup = std::min(cycles, std::max(200L, cycles / 100));
  harness::Resources first{}, last{};
  long failures = 0;
  std::printf("%10s %8s %8s %12s\n", "cycle", "GDI", "USER", "memory KB");
  for (long i = 1; i <= cycles; ++i) {
    bool ok = host.Exec(1, create) && host.Exec(3, progress[i % 2]) && host.Exec(5, colour[i % 2]) &&
              host.Exec(2, remove);
    if (!ok) ++failures;
    if (i % 64 == 0) tk::PumpPending();
    if (i == warmup || i % (cycles / 10 > 0 ? cycles / 10 : 1) == 0 || i == cycles) {
      tk::PumpPending();
      harness::Resources now = harness::Measure();
      if (i == warmup) first = now;
      last = now;
      std::printf("%10ld %8ld %8ld %12ld\n", i, now.gdi, now.user, now.memoryKb);
    }
  }
  long memoryGrowth = last.memoryKb - first.memoryKb;
  std::printf("cycles %ld, failed cycles %ld; from cycle %ld to the end: GDI %+ld, USER %+ld, "
              "memory %+ld KB\n",
              cycles, failures, warmup, last.gdi - first.gdi, last.user - first.user, memoryGrowth);
  // Flat: no object left behind, and memory within the allocator's noise.
  bool flat = last.gdi == first.gdi && last.user == first.user && memoryGrowth <= 1024;
  return failures == 0 && flat ? 0 : 1;
}
