#pragma once
// The drawing steps of the gauge's kinds. Each draws, inside the paint
// rectangle of a surface whose logical coordinates are the control's, what
// the portable geometry returns.

#include <windows.h>

#include "gauge/core/geometry.h"
#include "toolkit/core/color.h"
#include "toolkit/core/font.h"
#include "toolkit/gdi.h"

namespace gauges {

struct GaugeLook {
  int width = 0;  // the control's
  int height = 0;
  bool bordered = true;
  int percent = 0;
  tk::TColor foreColor = tk::clBlack;
  tk::TColor backColor = tk::clWhite;
  tk::TColor color = tk::clWindow;  // outside the pie's and the dial's figure
};

// Blackens every pixel of (0, 0, width, height) outside the paint rectangle.
void BlackenOutside(HDC dc, int width, int height, const core::Rect& paint);

void DrawPlain(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawHorizontalBar(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawVerticalBar(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawPie(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawNeedle(HDC dc, const core::Rect& paint, const GaugeLook& look);

// A GDI font for a font record. Glyphs are drawn without anti-aliasing, so
// that every text pixel is either untouched or exactly inverted by the
// exclusive-or composition.
tk::Font CreateFontFor(const tk::FontRecord& font);

}  // namespace gauges
