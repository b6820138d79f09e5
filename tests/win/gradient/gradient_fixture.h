#pragma once
// A window carrying one gradient panel, and a 32-bit DIB to print it into.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "decor/Gradient.h"
#include "toolkit/dib.h"
#include "toolkit/gdi.h"
#include "tests/support/host_window.h"

namespace decor::test {

// The parent's colour: whatever shows of it is "not painted by the panel".
constexpr COLORREF kParent = RGB(0, 128, 0);

class HostWindow : public tarvex::test::HostWindow {
 public:
  HostWindow(int width, int height, HWND parent = nullptr)
      : tarvex::test::HostWindow(width, height, parent, static_cast<tk::TColor>(kParent)) {}
};

using Dib = tk::DibSection;

// A panel with a margin of the parent's colour around it.
struct GradientOnWindow : tarvex::test::ControlOnWindow<TGradient, HostWindow> {
  using ControlOnWindow::ControlOnWindow;
  TGradient& gradient = control;
};

inline std::string Where(int x, int y) {
  std::string where = "(";
  where += std::to_string(x);
  where += ", ";
  where += std::to_string(y);
  where += ")";
  return where;
}

inline COLORREF Rgb(tk::TColor c) { return tk::ColorToRGB(c); }

}  // namespace decor::test
