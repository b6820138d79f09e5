#include "decor/core/gradient_shape.h"

#include <climits>
#include <ostream>

#include <gtest/gtest.h>

namespace decor {

void PrintTo(const ShapeTarget& t, std::ostream* os) {
  *os << "(" << t.x << ", " << t.y << ", " << t.width << " x " << t.height << ", corner " << t.corner << ")";
}

namespace {

TEST(ShapeTarget, RectangleSquareAndCircleTargets) {
  struct Case {
    const char* what;
    TShapeType shape;
    int width, height, border;
    ShapeTarget expected;
  } cases[] = {
      {"plain rectangle covers the control", stRectangle, 100, 40, 0, {0, 0, 100, 40, 10}},
      {"a 1-pixel border keeps the whole control", stRectangle, 100, 40, 1, {0, 0, 100, 40, 10}},
      {"round rect 145 x 25 with border 1: corners 6", stRoundRect, 145, 25, 1, {0, 0, 145, 25, 6}},
      {"border 2 moves in by one pixel", stRectangle, 100, 40, 2, {1, 1, 99, 39, 9}},
      {"border 3 moves in by one pixel (halves truncate)", stEllipse, 100, 40, 3, {1, 1, 98, 38, 9}},
      {"circle centred across", stCircle, 100, 50, 0, {25, 0, 50, 50, 12}},
      {"circle with border 1 still at X = 25", stCircle, 100, 50, 1, {25, 0, 50, 50, 12}},
      {"square centred down", stSquare, 40, 100, 0, {0, 30, 40, 40, 10}},
      {"odd difference truncates", stRoundSquare, 101, 50, 0, {25, 0, 50, 50, 12}},
      {"square with border 3", stSquare, 100, 40, 3, {31, 1, 38, 38, 9}},
      {"ellipse keeps the rectangle", stEllipse, 100, 50, 0, {0, 0, 100, 50, 12}},
      {"empty control", stCircle, 0, 0, 0, {0, 0, 0, 0, 0}},
      {"a negative border counts as none", stRectangle, 10, 10, -5, {0, 0, 10, 10, 2}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShapeTargetOf(c.shape, c.width, c.height, c.border), c.expected) << c.what;
}

TEST(ShapeTarget, HugeBorderDoesNotOverflow) {
  const ShapeTarget t = ShapeTargetOf(stCircle, 100, 100, INT_MAX);
  EXPECT_EQ(t.x, INT_MAX / 2);
  EXPECT_EQ(t.width, 100 - INT_MAX + 1);
  EXPECT_LT(t.width, 0) << "nothing is left to paint";
}

}  // namespace
}  // namespace decor
