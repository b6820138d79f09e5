#pragma once
// A window to put windowless controls on in tests and benchmarks, and one
// control on its own window, read back as it paints.

#include <windows.h>

#include <memory>

#include "tests/support/print_client.h"
#include "toolkit/container.h"
#include "toolkit/dib.h"

namespace tarvex::test {

// A hidden popup, or a visible child of another window.
class HostWindow : public tk::Container {
 public:
  HostWindow(int width, int height, HWND parent = nullptr, tk::TColor color = tk::clBtnFace) {
    SetColor(color);
    CreateHandle(0, parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, parent, 0, 0, width, height);
  }
};

// A control of the given size at (left, top), with a margin of the window
// around it, and nothing left to repaint.
template <class ControlType, class Host = HostWindow>
struct ControlOnWindow {
  ControlOnWindow(int width, int height, int left = 0, int top = 0)
      : host(left + width + 10, top + height + 10), control(&host) {
    control.SetBounds(left, top, width, height);
    ValidateRect(host.Handle(), nullptr);
  }
  // The window's client area as WM_PRINTCLIENT draws it.
  std::unique_ptr<tk::DibSection> Print() { return PrintClient(host.Handle()); }
  Host host;
  ControlType control;
};

}  // namespace tarvex::test
