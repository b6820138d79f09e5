#pragma once
// The drawing steps of the gauge's kinds and of its percentage text. Each
// works on a bitmap's surface inside the paint rectangle and draws what the
// portable geometry returns.

#include <windows.h>

#include "gauge/BltBitmap.h"
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

void DrawPlain(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawHorizontalBar(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawVerticalBar(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawPie(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawNeedle(HDC dc, const core::Rect& paint, const GaugeLook& look);

// A GDI font for a font record. Glyphs are drawn without anti-aliasing, so
// that every text pixel is either untouched or exactly inverted by the
// exclusive-or composition.
tk::Font CreateFontFor(const tk::FontRecord& font);

// Draws the percentage in white on a black overlay of the target's size,
// clipped to the paint rectangle, and combines it onto the target by
// exclusive-or: the text shows the inverse of whatever lies beneath it.
void DrawPercentText(OffscreenBitmap& target, const core::Rect& paint, const GaugeLook& look,
                     const tk::FontRecord& font);

}  // namespace gauges
