#include "gauge/GaugeDraw.h"

#include "toolkit/contrast.h"
#include "toolkit/font_handle.h"

namespace gauges {

namespace {

RECT ToRECT(const core::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The DC's own brush: painting makes no brush per rectangle.
void Fill(HDC dc, const core::Rect& r, tk::TColor color) { tk::FillSolid(dc, ToRECT(r), tk::ColorToRGB(color)); }

// The pie's and the dial's outlines: ForeColor, or the text colour of a
// contrast theme.
COLORREF OutlineOf(const GaugeLook& look) {
  return tk::ColorToRGB(look.contrast ? tk::RoleColor(tk::ColorRole::WindowText) : look.foreColor);
}

}  // namespace

GaugeLook ContrastLook(GaugeLook look) {
  look.foreColor = tk::RoleColor(tk::ColorRole::Highlight);
  look.backColor = tk::RoleColor(tk::ColorRole::Window);
  look.color = tk::RoleColor(tk::ColorRole::Window);
  look.contrast = true;
  return look;
}

void DrawFrame(HDC dc, const GaugeLook& look, const core::Rect& paint) {
  const int width = look.width, height = look.height;
  const RECT strips[] = {
      {0, 0, width, paint.top},                       // above
      {0, paint.bottom, width, height},               // below
      {0, paint.top, paint.left, paint.bottom},       // left
      {paint.right, paint.top, width, paint.bottom},  // right
  };
  const COLORREF frame = tk::ColorToRGB(tk::RoleColor(tk::ColorRole::WindowText));
  for (const RECT& r : strips) {
    if (r.right <= r.left || r.bottom <= r.top) continue;
    if (look.contrast) {
      tk::FillSolid(dc, r, frame);
    } else {
      PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, BLACKNESS);
    }
  }
}

void DrawPlain(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  Fill(dc, paint, look.backColor);
}

void DrawHorizontalBar(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  Fill(dc, paint, look.backColor);
  if (auto bar = core::HorizontalBarFill(paint, look.percent)) Fill(dc, *bar, look.foreColor);
}

void DrawVerticalBar(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  Fill(dc, paint, look.backColor);
  Fill(dc, core::VerticalBarFill(paint, look.percent), look.foreColor);
}

void DrawPie(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  const core::PieShape shape = core::PieGeometry(paint, look.bordered, look.percent);
  Fill(dc, paint, look.color);
  tk::DCPenSelection pen(dc, OutlineOf(look));
  {
    tk::DCBrushSelection face(dc, tk::ColorToRGB(look.backColor));
    Ellipse(dc, shape.box.left, shape.box.top, shape.box.right, shape.box.bottom);
  }
  if (!shape.wedge) return;
  tk::DCBrushSelection fill(dc, tk::ColorToRGB(look.foreColor));
  Pie(dc, shape.box.left, shape.box.top, shape.box.right, shape.box.bottom, shape.start.x,
      shape.start.y, shape.end.x, shape.end.y);
}

void DrawNeedle(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  const core::NeedleShape shape = core::NeedleGeometry(paint, look.bordered, look.width, look.percent);
  Fill(dc, paint, look.color);
  tk::DCPenSelection pen(dc, OutlineOf(look));
  tk::DCBrushSelection face(dc, tk::ColorToRGB(look.backColor));
  Pie(dc, shape.dialBox.left, shape.dialBox.top, shape.dialBox.right, shape.dialBox.bottom,
      shape.dialStart.x, shape.dialStart.y, shape.dialEnd.x, shape.dialEnd.y);
  MoveToEx(dc, shape.baseFrom.x, shape.baseFrom.y, nullptr);
  LineTo(dc, shape.baseTo.x, shape.baseTo.y);
  if (!shape.needle) return;
  MoveToEx(dc, shape.pivot.x, shape.pivot.y, nullptr);
  LineTo(dc, shape.tip.x, shape.tip.y);
}

void ClipToHorizontalBarFill(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  const auto bar = core::HorizontalBarFill(paint, look.percent);
  if (!bar) {
    IntersectClipRect(dc, 0, 0, 0, 0);
    return;
  }
  IntersectClipRect(dc, bar->left, bar->top, bar->right, bar->bottom);
}

void ClipToVerticalBarFill(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  const core::Rect bar = core::VerticalBarFill(paint, look.percent);
  IntersectClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
}

void ClipToPieWedge(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  const core::PieShape shape = core::PieGeometry(paint, look.bordered, look.percent);
  if (!shape.wedge) {
    IntersectClipRect(dc, 0, 0, 0, 0);
    return;
  }
  // The wedge as a path: the same figure the fill was drawn with.
  BeginPath(dc);
  Pie(dc, shape.box.left, shape.box.top, shape.box.right, shape.box.bottom, shape.start.x, shape.start.y,
      shape.end.x, shape.end.y);
  EndPath(dc);
  SelectClipPath(dc, RGN_AND);
}

tk::Font CreateFontFor(const tk::FontRecord& font) {
  return tk::CreateFontHandle(font, NONANTIALIASED_QUALITY);
}

}  // namespace gauges
