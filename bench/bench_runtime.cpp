// Benchmark of the run-time actions, through nbExecAction as the host calls
// them:
// - per size (100x20, 300x300, 1920x1080), side by side in one run: a
//   TarvexSetProgress that changes the percentage (a repaint at once), the
//   host's own repaint of the gauge window (InvalidateRect + UpdateWindow),
//   and the floor: a plain window of that size whose WM_PAINT only blits a
//   ready picture; each as a ratio to the floor;
// - TarvexSetProgress on a 300x300 gauge against the platform's progress bar
//   of the same size (PBM_SETPOS and an immediate repaint);
// - a call that changes Progress without changing the percentage, against a
//   call for a missing gauge.
//   runtime_bench PLUGIN [ITERATIONS]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/plugin_driver.h"
#include "bench/bench_timing.h"
#include "toolkit/gdi.h"
#include "toolkit/message_pump.h"

namespace {

// Warmed up first by a tenth as many calls, untimed.
template <typename Step>
double MicrosecondsPerCall(long iterations, Step step) {
  return bench::MicrosecondsPer(iterations, step, iterations / 10 + 1);
}

// The floor: a window whose WM_PAINT copies a picture made beforehand.
class FloorWindow {
 public:
  FloorWindow(HWND parent, int width, int height)
      : width_(width),
        height_(height),
        picture_(nullptr),
        bitmap_(CreateCompatibleBitmap(tk::WindowDC(nullptr).get(), width, height)),
        selected_(picture_.get(), bitmap_.get()) {
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &FloorWindow::Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"TarvexBenchFloor";
      return RegisterClassW(&wc);
    }();
    (void)atom;
    tk::Brush brush(CreateSolidBrush(RGB(30, 120, 200)));
    RECT all{0, 0, width, height};
    FillRect(picture_.get(), &all, brush.get());
    window_ = CreateWindowExW(0, L"TarvexBenchFloor", L"", WS_CHILD, 0, 0, width, height, parent,
                              nullptr, GetModuleHandleW(nullptr), this);
  }
  FloorWindow(const FloorWindow&) = delete;
  FloorWindow& operator=(const FloorWindow&) = delete;
  ~FloorWindow() {
    DestroyWindow(window_);
  }
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FloorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        BitBlt(dc, 0, 0, self->width_, self->height_, self->picture_.get(), 0, 0, SRCCOPY);
        EndPaint(window, &ps);
        return 0;
      }
      default: return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  int width_, height_;
  tk::MemoryDC picture_;
  tk::Bitmap bitmap_;
  tk::SelectObjectGuard selected_;
  HWND window_ = nullptr;
};

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

struct SizeFigures {
  double setProgress = 1e30, hostRepaint = 1e30, floor = 1e30;
};

// The three measures at one size, interleaved over five rounds; the least
// disturbed round of each counts (other programs share the machine).
SizeFigures MeasureSize(harness::PluginDriver& host, int width, int height, long iterations) {
  SizeFigures best;
  const std::string name = "Bench" + std::to_string(width) + "x" + std::to_string(height);
  HWND object = host.AddObject(name, 0, 0, width, height);
  harness::ParamBlock create({name, "HorizontalBar", "0,0,255", "", "", "0", "100", "", "0", ""});
  if (!host.Exec(1, create)) {
    std::printf("create failed at %dx%d\n", width, height);
    return best;
  }
  HWND gaugeWindow = GetWindow(object, GW_CHILD);
  std::vector<std::unique_ptr<harness::ParamBlock>> percent;
  for (int p = 0; p <= 100; ++p)
    percent.push_back(std::make_unique<harness::ParamBlock>(std::vector<std::string>{name, std::to_string(p)}));
  FloorWindow floor(host.MainWindow(), width, height);
  tk::PumpPending();
  for (int round = 0; round < 5; ++round) {
    ShowWindow(floor.Handle(), SW_HIDE);
    tk::PumpPending();
    // Every call moves to the next whole percentage, so every call repaints.
    best.setProgress = std::min(best.setProgress, MicrosecondsPerCall(iterations, [&](long i) {
      host.Exec(3, *percent[i % 101]);
    }));
    best.hostRepaint = std::min(best.hostRepaint, MicrosecondsPerCall(iterations, [&](long) { Repaint(gaugeWindow); }));
    SetWindowPos(floor.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    tk::PumpPending();
    best.floor = std::min(best.floor, MicrosecondsPerCall(iterations, [&](long) { Repaint(floor.Handle()); }));
  }
  harness::ParamBlock remove({name});
  host.Exec(2, remove);
  DestroyWindow(object);
  tk::PumpPending();
  return best;
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

  // Room for the largest gauge, with the whole of it on the screen if the
  // screen is large enough (make bench gives it one).
  RECT frame{0, 0, 1920, 1080};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  SetWindowPos(host.MainWindow(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  std::printf("screen %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::printf("%-10s %14s %14s %12s %16s %16s\n", "size", "SetProgress", "host repaint", "floor",
              "SetProgress/floor", "repaint/floor");
  const struct {
    int width, height;
    long divisor;  // fewer calls for the large size
  } sizes[] = {{100, 20, 1}, {300, 300, 1}, {1920, 1080, 10}};
  for (const auto& s : sizes) {
    const SizeFigures f = MeasureSize(host, s.width, s.height, std::max(5L, iterations / s.divisor));
    std::printf("%4dx%-5d %11.1f us %11.1f us %9.1f us %16.2f %16.2f\n", s.width, s.height, f.setProgress,
                f.hostRepaint, f.floor, f.setProgress / f.floor, f.hostRepaint / f.floor);
  }

  // The host window back to its usual size: the progress bar repaints its
  // parent's background, whose cost grows with the parent.
  SetWindowPos(host.MainWindow(), nullptr, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
  host.AddObject("Bench", 0, 0, 300, 300);
  HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 320, 0, 300, 300,
                             host.MainWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(bar, PBM_SETRANGE32, 0, 100);
  tk::PumpPending();

  harness::ParamBlock create({"Bench", "HorizontalBar", "0,0,255", "", "", "0", "100", "", "0", ""});
  if (!host.Exec(1, create)) {
    std::printf("create failed\n");
    return 1;
  }
  std::vector<std::unique_ptr<harness::ParamBlock>> percent;
  for (int p = 0; p <= 100; ++p)
    percent.push_back(std::make_unique<harness::ParamBlock>(
        std::vector<std::string>{"Bench", std::to_string(p)}));
  tk::PumpPending();

  double gauge = MicrosecondsPerCall(iterations, [&](long i) { host.Exec(3, *percent[i % 101]); });
  // Wine's progress bar repaints slowly (hundreds of ms on this display):
  // a few calls tell enough.
  double platform = MicrosecondsPerCall(std::min(iterations, 50L), [&](long i) {
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
