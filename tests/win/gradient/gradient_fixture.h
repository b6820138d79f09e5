#pragma once
// A window carrying one gradient panel, and a 32-bit DIB to print it into.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "decor/Gradient.h"
#include "toolkit/container.h"
#include "toolkit/dib.h"
#include "toolkit/gdi.h"
#include "tests/support/print_client.h"

namespace decor::test {

// The parent's colour: whatever shows of it is "not painted by the panel".
constexpr COLORREF kParent = RGB(0, 128, 0);

class HostWindow : public tk::Container {
 public:
  HostWindow(int width, int height, HWND parent = nullptr) {
    SetColor(static_cast<tk::TColor>(kParent));
    CreateHandle(0, parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, parent, 0, 0, width, height);
  }
};

using Dib = tk::DibSection;

// A panel of the given size at (left, top), with a margin of the parent
// around it.
struct GradientOnWindow {
  GradientOnWindow(int width, int height, int left = 0, int top = 0)
      : host(left + width + 10, top + height + 10), gradient(&host) {
    gradient.SetBounds(left, top, width, height);
    ValidateRect(host.Handle(), nullptr);
  }
  // The window's client area as WM_PRINTCLIENT draws it.
  std::unique_ptr<Dib> Print() { return tarvex::test::PrintClient(host.Handle()); }
  HostWindow host;
  TGradient gradient;
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
