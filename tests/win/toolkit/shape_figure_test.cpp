// The shape figure in pixels: each outline where it belongs in a control
// wider than high, the square ones centred.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/support/host_window.h"
#include "toolkit/graphics.h"

namespace {

// The smallest rectangle holding every pixel that differs from the window's
// own colour (left, top inclusive; right, bottom exclusive).
RECT PaintedBox(const tk::DibSection& dib, COLORREF background) {
  RECT box{dib.width(), dib.height(), 0, 0};
  for (int y = 0; y < dib.height(); ++y)
    for (int x = 0; x < dib.width(); ++x)
      if (dib.At(x, y) != background) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

TEST(ShapeFigure, EachShapeFillsItsBoxAndSquareOnesAreCentred) {
  struct Case {
    tk::TShapeType shape;
    RECT box;
  } cases[] = {
      {tk::stRectangle, {0, 0, 101, 40}},   {tk::stSquare, {30, 0, 70, 40}},
      {tk::stRoundRect, {0, 0, 101, 40}},   {tk::stRoundSquare, {30, 0, 70, 40}},
      {tk::stEllipse, {0, 0, 101, 40}},     {tk::stCircle, {30, 0, 70, 40}},
  };
  for (const Case& c : cases) {
    tarvex::test::ControlOnWindow<tk::TShape> w(101, 40);
    w.control.SetShape(c.shape);
    auto dib = w.Print();
    const RECT box = PaintedBox(*dib, GetSysColor(COLOR_BTNFACE));
    const char* name = tk::kShapeTypeNames[c.shape].data();
    EXPECT_EQ(box.left, c.box.left) << name;
    EXPECT_EQ(box.top, c.box.top) << name;
    EXPECT_EQ(box.right, c.box.right) << name;
    EXPECT_EQ(box.bottom, c.box.bottom) << name;
  }
}

}  // namespace
