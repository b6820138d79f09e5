// Soak: create / set progress / set colour / delete, many times over, through
// nbExecAction, with a screen reader's client attached to each gauge (it
// keeps the gauge's accessible object, reads it, and reads it again after
// the delete) and listening for value changes, and with the process's GDI
// and USER objects and its memory measured along the way. Fails when they
// grow from the first checkpoint to the last.
//   runtime_soak PLUGIN [CYCLES]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/gauge_reader.h"
#include "bench/plugin_driver.h"
#include "tests/support/win_events.h"
#include "toolkit/com_ref.h"
#include "toolkit/message_pump.h"

int wmain(int argc, wchar_t** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures reach a pipe at once
  if (argc < 2) return 2;
  long cycles = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 100000;
  tk::ComApartment apartment;  // as a screen reader's client needs
  harness::PluginDriver host(argv[1]);
  if (!host.Loaded()) {
    std::printf("plug-in not loaded\n");
    return 2;
  }
  HWND object = host.AddObject("Rect1", 10, 10, 200, 120);
  tarvex::test::WinEventCounter listener(nullptr);  // every window's events
  // Measured over as many takes as the soak makes, up to 10,000: its error
  // is multiplied by the cycles.
  const int takes = static_cast<int>(std::clamp(cycles, 2000L, 10000L));
  const double platformKb = harness::PlatformKeptPerTakeKb(takes);
  std::printf("the platform keeps %.3f KB per accessible object a client takes; allowed for\n",
              platformKb);

  harness::ParamBlock create({"Rect1", "HorizontalBar", "0,0,255", "255,255,255", "255,255,255",
                              "0", "1000", "Arial|clBlack|10|fsBold |0", "0", "False|False"});
  harness::ParamBlock progress[] = {harness::ParamBlock({"Rect1", "250"}),
                                    harness::ParamBlock({"Rect1", "750"})};
  const wchar_t* shown[] = {L"25%", L"75%"};
  harness::ParamBlock colour[] = {harness::ParamBlock({"Rect1", "255,0,0", "0,255,0"}),
                                  harness::ParamBlock({"Rect1", "0,0,0", "255,255,255"})};
  harness::ParamBlock remove({"Rect1"});

  // The first cycles fill the caches of the font and paint machinery.
  const long warmup = std::min(cycles, std::max(200L, cycles / 100));
  harness::Resources first{}, last{};
  long failures = 0;
  std::printf("%10s %8s %8s %12s\n", "cycle", "GDI", "USER", "memory KB");
  for (long i = 1; i <= cycles; ++i) {
    bool ok = host.Exec(1, create);
    harness::GaugeReader reader(object);
    ok = ok && reader.Reads(L"Rect1", L"0%") && host.Exec(3, progress[i % 2]) &&
         reader.Reads(L"Rect1", shown[i % 2]);
    // The event reaches the listener while its gauge is there (Wine drops
    // an event whose window is gone by then).
    tk::PumpPending();
    ok = ok && host.Exec(5, colour[i % 2]) && host.Exec(2, remove) && reader.Disconnected();
    if (!ok) ++failures;
    if (i == warmup || i % (cycles / 10 > 0 ? cycles / 10 : 1) == 0 || i == cycles) {
      tk::PumpPending();
      harness::Resources now = harness::Measure();
      if (i == warmup) first = now;
      last = now;
      std::printf("%10ld %8ld %8ld %12ld\n", i, now.gdi, now.user, now.memoryKb);
    }
  }
  // One object taken per cycle: what the platform keeps of it is not the
  // plug-in's.
  long memoryGrowth = last.memoryKb - first.memoryKb -
                      static_cast<long>(platformKb * static_cast<double>(cycles - warmup));
  const long events = listener.Count(EVENT_OBJECT_VALUECHANGE);
  std::printf("cycles %ld, failed cycles %ld, value-change events %ld%s; from cycle %ld to the end: "
              "GDI %+ld, USER %+ld, memory %+ld KB (besides the platform's)\n",
              cycles, failures, events,
              listener.Hooked() ? "" : " (no event hook)", warmup, last.gdi - first.gdi,
              last.user - first.user, memoryGrowth);
  // Flat: no object left behind, and memory within the allocator's noise.
  bool flat = last.gdi == first.gdi && last.user == first.user && memoryGrowth <= 1024;
  // One shown percentage changes per cycle (0% to 25% or 75%): one event.
  bool announced = !listener.Hooked() || events == cycles;
  return failures == 0 && flat && announced ? 0 : 1;
}
