#include "gauge/core/geometry.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "gauge/core/arithmetic.h"

namespace gauges::core {

int RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  double r = below;
  if (fraction > 0.5) {
    r = below + 1;
  } else if (fraction == 0.5) {
    r = std::fmod(below, 2.0) == 0 ? below : below + 1;
  }
  return static_cast<int>(r);
}

Rect PaintRectFor(int width, int height, bool bordered) {
  if (bordered) return Rect{1, 1, width - 1, height - 1};
  return Rect{0, 0, width, height};
}

std::optional<Rect> HorizontalBarFill(const Rect& paint, int percent) {
  const int w = paint.right - paint.left + 1;
  const int h = paint.bottom - paint.top + 1;
  int f = ScaleByPercent(percent, w);
  if (f > w) f = w;
  if (f < 1) return std::nullopt;
  return Rect{paint.left, paint.top, f, h};
}

Rect VerticalBarFill(const Rect& paint, int percent) {
  const int w = paint.right - paint.left + 1;
  const int h = paint.bottom - paint.top + 1;
  int f = ScaleByPercent(percent, h);
  if (f >= h) f = h - 1;
  return Rect{paint.left, h - f, w, h};
}

PieShape PieGeometry(const Rect& paint, bool bordered, int percent) {
  int w = paint.right - paint.left;
  int h = paint.bottom - paint.top;
  if (bordered) {
    ++w;
    ++h;
  }
  PieShape shape;
  shape.box = Rect{paint.left, paint.top, w, h};
  if (percent > 0) {
    const int mx = w / 2, my = h / 2;
    const double a = (percent / 50.0 + 0.5) * std::numbers::pi;
    shape.wedge = true;
    shape.start = Point{RoundHalfEven(mx * (1 - std::cos(a))), RoundHalfEven(my * (1 - std::sin(a)))};
    shape.end = Point{mx, 0};
  }
  return shape;
}

NeedleShape NeedleGeometry(const Rect& paint, bool bordered, int controlWidth, int percent) {
  const int x = paint.left, y = paint.top;
  int w = paint.right - paint.left;
  int h = paint.bottom - paint.top;
  if (bordered) {
    ++w;
    ++h;
  }
  const int b = paint.bottom;
  NeedleShape shape;
  shape.dialBox = Rect{x, y, w, 2 * h - 1};
  shape.dialStart = Point{x + w, b - 1};
  shape.dialEnd = Point{x, b - 1};
  shape.baseFrom = Point{x, b};
  shape.baseTo = Point{x + w, b};
  if (percent > 0) {
    // The pivot's column comes from the control's width, not the dial's.
    const int m = controlWidth / 2;
    const double a = (percent / 100.0) * std::numbers::pi;
    shape.needle = true;
    shape.pivot = Point{m, b - 1};
    shape.tip = Point{RoundHalfEven(m * (1 - std::cos(a))), RoundHalfEven((b - 1) * (1 - std::sin(a)))};
  }
  return shape;
}

Point TextPosition(const Rect& paint, int textWidth, int textHeight) {
  return Point{(paint.right - paint.left + 1 - textWidth) / 2,
               (paint.bottom - paint.top + 1 - textHeight) / 2};
}

std::string PercentText(int percent) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d%%", percent);
  return buffer;
}

}  // namespace gauges::core
