#pragma once
// The gauge's percentage text: drawn in white on black on a small scratch
// surface kept by the process, and combined by exclusive-or onto the
// picture within the text's box only, so that each glyph pixel shows the
// inverse of what lies beneath it. The fonts are kept between paints too.

#include <windows.h>

#include <cstddef>
#include <vector>

#include "gauge/GaugeDraw.h"
#include "gauge/core/geometry.h"
#include "toolkit/core/font.h"
#include "toolkit/gdi.h"

namespace gauges {

// The last few gauge fonts asked for, kept by their description (the colour
// plays no part), each with how far its glyphs may reach beyond the text's
// cell.
class GaugeFonts {
 public:
  struct Kept {
    HFONT handle = nullptr;
    int reachX = 0;  // maximum character width and overhang
    int reachY = 0;
  };
  static constexpr std::size_t kKept = 4;

  static GaugeFonts& Shared();
  // The font of a record; measured on dc when it is made.
  Kept Get(const tk::FontRecord& font, HDC dc);
  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    tk::FontRecord key;
    tk::Font font;
    Kept kept;
  };
  std::vector<Entry> entries_;  // most recently used first
};

// What the glyphs are combined with. Normally white: each glyph pixel shows
// the inverse of the picture. Under a contrast theme the masks turn the
// window colour into the window's text colour, and, within the part that
// fillClip narrows a clip to, the highlight into the highlight's text colour.
struct TextInk {
  COLORREF mask = RGB(255, 255, 255);
  COLORREF fillMask = RGB(255, 255, 255);
  FillClip fillClip = nullptr;
};

// The ink of a contrast theme for a kind filled where fillClip says (none:
// nothing is filled in the highlight).
TextInk ContrastInk(FillClip fillClip);

// Draws the percentage clipped to the paint rectangle and combines it onto
// dc (whose logical coordinates are the control's) by exclusive-or, within
// `area` only.
void DrawPercentText(HDC dc, const RECT& area, const core::Rect& paint, const GaugeLook& look,
                     const tk::FontRecord& font, const TextInk& ink = {});

}  // namespace gauges
