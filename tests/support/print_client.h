#pragma once
// Reads back what a window paints: its client area as WM_PRINTCLIENT draws it,
// in a 32-bit DIB section.

#include <windows.h>

#include <memory>

#include "toolkit/dib.h"

namespace tarvex::test {

inline std::unique_ptr<tk::DibSection> PrintClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  auto dib = std::make_unique<tk::DibSection>(client.right, client.bottom);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib->dc()), PRF_CLIENT);
  return dib;
}

}  // namespace tarvex::test
