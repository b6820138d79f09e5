#pragma once
// A window carrying one gauge, and a 32-bit DIB to print it into.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "gauge/Gauges.h"
#include "toolkit/dib.h"
#include "toolkit/gdi.h"
#include "tests/support/host_window.h"

namespace gauges::test {

using tarvex::test::HostWindow;

using Dib = tk::DibSection;

struct GaugeOnWindow : tarvex::test::ControlOnWindow<TGauge> {
  using ControlOnWindow::ControlOnWindow;
  TGauge& gauge = control;
};

inline COLORREF Inverse(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }

}  // namespace gauges::test
