#include "gauge/GaugeDraw.h"

#include "toolkit/font_handle.h"

namespace gauges {

namespace {

RECT ToRECT(const core::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void Fill(HDC dc, const core::Rect& r, tk::TColor color) {
  tk::Brush brush = tk::SolidBrush(color);
  const RECT rect = ToRECT(r);
  FillRect(dc, &rect, brush.get());
}

}  // namespace

void BlackenOutside(HDC dc, int width, int height, const core::Rect& paint) {
  const RECT strips[] = {
      {0, 0, width, paint.top},                       // above
      {0, paint.bottom, width, height},               // below
      {0, paint.top, paint.left, paint.bottom},       // left
      {paint.right, paint.top, width, paint.bottom},  // right
  };
  for (const RECT& r : strips)
    if (r.right > r.left && r.bottom > r.top) PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, BLACKNESS);
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
  tk::Pen pen = tk::SolidPen(look.foreColor);
  tk::Brush face = tk::SolidBrush(look.backColor);
  tk::SelectObjectGuard penSelection(dc, pen.get());
  {
    tk::SelectObjectGuard brushSelection(dc, face.get());
    Ellipse(dc, shape.box.left, shape.box.top, shape.box.right, shape.box.bottom);
  }
  if (!shape.wedge) return;
  tk::Brush fill = tk::SolidBrush(look.foreColor);
  tk::SelectObjectGuard brushSelection(dc, fill.get());
  Pie(dc, shape.box.left, shape.box.top, shape.box.right, shape.box.bottom, shape.start.x,
      shape.start.y, shape.end.x, shape.end.y);
}

void DrawNeedle(HDC dc, const core::Rect& paint, const GaugeLook& look) {
  const core::NeedleShape shape = core::NeedleGeometry(paint, look.bordered, look.width, look.percent);
  Fill(dc, paint, look.color);
  tk::Pen pen = tk::SolidPen(look.foreColor);
  tk::Brush face = tk::SolidBrush(look.backColor);
  tk::SelectObjectGuard penSelection(dc, pen.get());
  tk::SelectObjectGuard brushSelection(dc, face.get());
  Pie(dc, shape.dialBox.left, shape.dialBox.top, shape.dialBox.right, shape.dialBox.bottom,
      shape.dialStart.x, shape.dialStart.y, shape.dialEnd.x, shape.dialEnd.y);
  MoveToEx(dc, shape.baseFrom.x, shape.baseFrom.y, nullptr);
  LineTo(dc, shape.baseTo.x, shape.baseTo.y);
  if (!shape.needle) return;
  MoveToEx(dc, shape.pivot.x, shape.pivot.y, nullptr);
  LineTo(dc, shape.tip.x, shape.tip.y);
}

tk::Font CreateFontFor(const tk::FontRecord& font) {
  return tk::CreateFontHandle(font, NONANTIALIASED_QUALITY);
}

}  // namespace gauges
