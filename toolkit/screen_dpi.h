#pragma once
// The resolution the system draws a window at, which decides how far a
// dialog's layout grows (toolkit/core/layout_scale.h).

#include <windows.h>

namespace tk {

// The pixels per inch of the window's monitor where the system knows it per
// window (Windows 10 1607 and later), else the screen's. A host that does
// not declare itself aware of the resolution is told 96 either way, and the
// system stretches its windows instead.
int WindowDpi(HWND window);

// The window rectangle around a client rectangle, with the frame the system
// draws at dpi where it can say so (Windows 10 1607 and later), else at the
// screen's.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

}  // namespace tk
