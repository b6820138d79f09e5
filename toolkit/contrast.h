#pragma once
// High contrast: while the system's contrast theme is on, the dialogs'
// decoration and the gauges draw in the theme's system colours instead of
// their stored ones. The stored colours themselves never change, so they
// come back as they were when the theme is turned off.

#include <windows.h>

#include <cstdint>

#include "toolkit/core/color.h"

namespace tk {

// Whether the system's high-contrast flag is on now. Asked of the system at
// each call (a cheap query): a gauge window is a child of the host's window
// and hears neither WM_SETTINGCHANGE nor WM_SYSCOLORCHANGE, but every window
// is repainted when a theme changes, so a paint always sees the current flag.
bool HighContrast();

// What a stored colour stands for, which decides its system colour under
// high contrast.
enum class ColorRole : std::uint8_t {
  Face,        // panels, bands, shapes, the background of a dialog
  FaceText,    // labels, rules and outlines on a face
  Window,      // an edit's or a gauge's background
  WindowText,  // text and outlines on a window background
  Highlight,   // a gauge's filled part
  HighlightText,
  Link,
};

// The system colour of a role (a TColor that resolves when drawn).
TColor RoleColor(ColorRole role);

// The colour to draw now: the stored one, or its role's system colour while
// high contrast is on.
inline TColor DrawnColor(TColor stored, ColorRole role) { return HighContrast() ? RoleColor(role) : stored; }

}  // namespace tk
