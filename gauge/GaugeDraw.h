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
  // The system's colours of a contrast theme: the frame and the figures'
  // outlines in the window's text colour instead of black and ForeColor.
  bool contrast = false;
};

// The look of a gauge under a contrast theme: the colours of the platform's
// own progress bar in place of the author's.
GaugeLook ContrastLook(GaugeLook look);

// Blackens every pixel of the control outside the paint rectangle (under a
// contrast theme: paints it in the window's text colour).
void DrawFrame(HDC dc, const GaugeLook& look, const core::Rect& paint);

void DrawPlain(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawHorizontalBar(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawVerticalBar(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawPie(HDC dc, const core::Rect& paint, const GaugeLook& look);
void DrawNeedle(HDC dc, const core::Rect& paint, const GaugeLook& look);

// Narrow dc's clip to the part that each kind fills in ForeColor (the
// percentage text takes another colour there under a contrast theme).
void ClipToHorizontalBarFill(HDC dc, const core::Rect& paint, const GaugeLook& look);
void ClipToVerticalBarFill(HDC dc, const core::Rect& paint, const GaugeLook& look);
void ClipToPieWedge(HDC dc, const core::Rect& paint, const GaugeLook& look);
using FillClip = void (*)(HDC dc, const core::Rect& paint, const GaugeLook& look);

// A GDI font for a font record. Glyphs are drawn without anti-aliasing, so
// that every text pixel is either untouched or exactly inverted by the
// exclusive-or composition.
tk::Font CreateFontFor(const tk::FontRecord& font);

}  // namespace gauges
