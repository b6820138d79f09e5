#include "toolkit/contrast.h"

namespace tk {

bool HighContrast() {
  HIGHCONTRASTW state{};
  state.cbSize = sizeof state;
  // The plug-in's own import: tests and the simulator switch the flag there.
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0)) return false;
  return (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

TColor RoleColor(ColorRole role) {
  switch (role) {
    case ColorRole::Face: return SystemColor(COLOR_BTNFACE);
    case ColorRole::FaceText: return SystemColor(COLOR_BTNTEXT);
    case ColorRole::Window: return SystemColor(COLOR_WINDOW);
    case ColorRole::WindowText: return SystemColor(COLOR_WINDOWTEXT);
    case ColorRole::Highlight: return SystemColor(COLOR_HIGHLIGHT);
    case ColorRole::HighlightText: return SystemColor(COLOR_HIGHLIGHTTEXT);
    case ColorRole::Link: return SystemColor(COLOR_HOTLIGHT);
  }
  return SystemColor(COLOR_WINDOWTEXT);
}

}  // namespace tk
