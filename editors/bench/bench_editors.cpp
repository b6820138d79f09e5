// Prints how long each editor takes, through the built plug-in as
// the host calls it: from the call of nbEditAction to the dialog's first
// paint, and to the call's return after the dialog was closed (close box) at
// once after that paint. Goal: under 150 ms for both.
//   bench_editors PLUGIN [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/host_block.h"
#include "base/host_types.h"
#include "tests/support/bench_timing.h"

namespace {

using EditActionProc = nb::HostBool(NB_REGISTER*)(std::int32_t action, nb::HostSlot* params);

constexpr double kGoalMs = 150.0;

struct Timing {
  double start = 0;
  double painted = 0;  // the first paint of the dialog was dispatched
  HWND dialog = nullptr;
  bool paintSeen = false;
};
Timing timing;

bool IsEditorWindow(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  char name[64] = {};
  GetClassNameA(root, name, sizeof name);
  return std::string(name).rfind("Tarvex", 0) == 0;
}

// Sees every message the modal loop takes from the queue: the first WM_PAINT
// of the dialog, then the next message, by which that paint has run.
LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (timing.paintSeen && timing.painted == 0) {
      timing.painted = bench::Seconds();
      PostMessageW(timing.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (!timing.paintSeen && msg.message == WM_PAINT && msg.hwnd && IsEditorWindow(msg.hwnd)) {
      timing.paintSeen = true;
      timing.dialog = GetAncestor(msg.hwnd, GA_ROOT);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

nb::HostSlot Block(const char* text) { return text ? nb::NewGlobalString(text) : nullptr; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_editors PLUGIN [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  HMODULE plugin = LoadLibraryA(argv[1]);
  auto edit = plugin ? reinterpret_cast<EditActionProc>(reinterpret_cast<void*>(GetProcAddress(plugin, "nbEditAction"))) : nullptr;
  if (edit == nullptr) {
    std::fprintf(stderr, "cannot load %s\n", argv[1]);
    return 2;
  }
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &OnGetMessage, nullptr, GetCurrentThreadId());

  const struct {
    int action;
    const char* name;
    std::vector<const char*> slots;
  } editors[] = {
      {1, "TarvexCreate", {"Rect1", "Pie", "255,0,0", "255,255,255", "", "0", "100", "Arial|clBlack|12||0", "50", "False|False"}},
      {2, "TarvexDelete", {"Rect1"}},
      {3, "TarvexSetProgress", {"Rect1", "50"}},
      {4, "TarvexSetValue", {"Rect1", "0", "100"}},
      {5, "TarvexSetColor", {"Rect1", "255,0,0", "0,0,255"}},
      {6, "TarvexSetProgressColor", {"Rect1", "0,128,0"}},
      {7, "TarvexSetFont", {"Rect1", "Arial|clBlack|12||0"}},
      {8, "TarvexSetVisible", {"Rect1", "Show"}},
  };
  std::printf("nbEditAction to the dialog's first paint and to its close, ms (median of %d; goal %.0f)\n",
              runs, kGoalMs);
  std::printf("  %-24s %12s %12s %14s\n", "editor", "first paint", "closed", "closed / goal");
  bool allOpened = true;
  for (const auto& e : editors) {
    std::vector<double> painted, closed;
    for (int i = 0; i < runs + 1; ++i) {  // the first run only warms up
      std::vector<nb::HostSlot> slots;
      for (const char* text : e.slots) slots.push_back(Block(text));
      timing = Timing{};
      timing.start = bench::Seconds();
      edit(e.action, slots.data());
      const double end = bench::Seconds();
      for (nb::HostSlot slot : slots)
        if (slot) GlobalFree(slot);
      if (timing.painted == 0) {
        allOpened = false;
        continue;
      }
      if (i == 0) continue;
      painted.push_back((timing.painted - timing.start) * 1e3);
      closed.push_back((end - timing.start) * 1e3);
    }
    if (painted.empty()) {
      std::printf("  %-24s no dialog painted\n", e.name);
      continue;
    }
    const double closedMs = Median(closed);
    std::printf("  %-24s %12.1f %12.1f %14.2f\n", e.name, Median(painted), closedMs, closedMs / kGoalMs);
  }
  UnhookWindowsHookEx(hook);
  return allOpened ? 0 : 1;
}
