#pragma once
// A window carrying one gauge, and a 32-bit DIB to print it into.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "gauge/Gauges.h"
#include "toolkit/container.h"
#include "toolkit/dib.h"
#include "toolkit/gdi.h"
#include "tests/support/print_client.h"

namespace gauges::test {

class HostWindow : public tk::Container {
 public:
  HostWindow(int width, int height) {
    CreateHandle(0, WS_POPUP, nullptr, 0, 0, width, height);
  }
};

using Dib = tk::DibSection;

// A gauge of the given size at (left, top) in its own window.
struct GaugeOnWindow {
  GaugeOnWindow(int width, int height, int left = 0, int top = 0)
      : host(left + width + 10, top + height + 10), gauge(&host) {
    gauge.SetBounds(left, top, width, height);
    ValidateRect(host.Handle(), nullptr);
  }
  // The window's client area as WM_PRINTCLIENT draws it.
  std::unique_ptr<Dib> Print() { return tarvex::test::PrintClient(host.Handle()); }
  HostWindow host;
  TGauge gauge;
};

inline COLORREF Inverse(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }

}  // namespace gauges::test
