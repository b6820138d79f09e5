#include "toolkit/screen_dpi.h"

#include "toolkit/font_handle.h"
#include "toolkit/system_library.h"

namespace tk {

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  // user32 is loaded: the toolkit imports it.
  static const auto perWindow =
      LibraryFunction<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  if (perWindow && window && IsWindow(window)) {
    const UINT dpi = perWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenPixelsPerInch();
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto forDpi =
      LibraryFunction<AdjustForDpiFn>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
  if (forDpi && forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace tk
