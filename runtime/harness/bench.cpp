// Benchmark: TarvexSetProgress through nbExecAction on a 300x300 gauge,
// against the platform's progress bar of the same size in the same process
// (PBM_SETPOS and an immediate repaint); and a call that changes Progress
// without changing the percentage, against a call for a missing gauge.
//   runtime_bench PLUGIN [ITERATIONS]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "runtime/harness/plugin_driver.h"
#include "tests/support/bench_timing.h"

namespace {

// Warmed up first by a tenth as many calls, untimed.
template <typename Step>
double MicrosecondsPerCall(long iterations, Step step) {
  return bench::MicrosecondsPer(iterations, step, iterations / 10 + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures reach a pipe at once
  if (argc < 2) return 2;
  long iterations = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 2000;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  harness::PluginDriver host(argv[1]);
  if (!host.Loaded()) {
    std::printf("plug-in not loaded\n");
    return 2;
  }
  host.AddObject("Bench", 0, 0, 300, 300);
  HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 320, 0, 300, 300,
                             host.MainWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(bar, PBM_SETRANGE32, 0, 100);
  harness::Pump();

  harness::ParamBlock create({"Bench", "HorizontalBar", "0,0,255", "", "", "0", "100", "", "0", ""});
  if (!host.Exec(1, create)) {
    std::printf("create failed\n");
    return 1;
  }
  std::vector<std::unique_ptr<harness::ParamBlock>> percent;
  for (int p = 0; p <= 100; ++p)
    percent.push_back(std::make_unique<harness::ParamBlock>(
        std::vector<std::string>{"Bench", std::to_string(p)}));
  harness::Pump();

  // Every call moves to the next whole percentage, so every call repaints.
  double gauge = MicrosecondsPerCall(iterations, [&](long i) { host.Exec(3, *percent[i % 101]); });
  double platform = MicrosecondsPerCall(iterations, [&](long i) {
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(i % 101), 0);
    UpdateWindow(bar);
  });

  harness::ParamBlock wide({"Bench", "0", "1000000"});
  host.Exec(4, wide);
  harness::ParamBlock one({"Bench", "1"}), two({"Bench", "2"}), missing({"Missing", "1"});
  double still = MicrosecondsPerCall(iterations * 10, [&](long i) { host.Exec(3, i % 2 ? one : two); });
  double miss = MicrosecondsPerCall(iterations * 10, [&](long) { host.Exec(3, missing); });

  std::printf("TarvexSetProgress, percentage changing (300x300): %9.2f us/call\n", gauge);
  std::printf("progress bar PBM_SETPOS + UpdateWindow (300x300): %9.2f us/call\n", platform);
  std::printf("  ratio gauge / progress bar:                      %9.2f (goal <= 1)\n", gauge / platform);
  std::printf("TarvexSetProgress, percentage unchanged:           %9.2f us/call\n", still);
  std::printf("TarvexSetProgress, no such gauge:                  %9.2f us/call\n", miss);
  std::printf("  ratio unchanged / missing:                       %9.2f (goal <= 2)\n", still / miss);
  DestroyWindow(bar);
  return 0;
}
