#include "gauge/core/geometry.h"

#include <gtest/gtest.h>

namespace gauges::core {

void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    int expected;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
               {2.4999, 2}, {2.5001, 3}, {77.8, 78}, {9.36, 9}, {-0.2, 0}};
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

TEST(PaintRect, FrameTakesOnePixelEachSide) {
  EXPECT_EQ(PaintRectFor(100, 100, true), (Rect{1, 1, 99, 99}));
  EXPECT_EQ(PaintRectFor(100, 100, false), (Rect{0, 0, 100, 100}));
  EXPECT_EQ(PaintRectFor(101, 20, true), (Rect{1, 1, 100, 19}));
}

TEST(HorizontalBar, LengthUsesExtendedArithmetic) {
  struct Case {
    int width, height;
    bool bordered;
    int percent;
    std::optional<Rect> expected;
  } cases[] = {
      {101, 20, true, 10, Rect{1, 1, 9, 19}},   // F = 9: columns 1..8
      {101, 20, true, 20, Rect{1, 1, 19, 19}},
      {101, 20, true, 25, Rect{1, 1, 25, 19}},
      {101, 20, true, 1, Rect{1, 1, 1, 19}},    // F = 1: an empty rectangle
      {101, 20, true, 0, std::nullopt},
      {101, 20, true, 100, Rect{1, 1, 100, 19}},
      {100, 20, false, 100, Rect{0, 0, 101, 21}},  // the whole control
      {100, 20, false, 50, Rect{0, 0, 50, 21}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HorizontalBarFill(PaintRectFor(c.width, c.height, c.bordered), c.percent), c.expected)
        << c.width << "x" << c.height << (c.bordered ? " bordered" : "") << " at " << c.percent;
  }
}

TEST(VerticalBar, FillsFromTheBottom) {
  struct Case {
    int width, height;
    bool bordered;
    int percent;
    Rect expected;
  } cases[] = {
      {20, 101, true, 100, Rect{1, 1, 19, 100}},    // whole inner area
      {20, 101, true, 10, Rect{1, 91, 19, 100}},    // rows 91..99
      {20, 101, true, 0, Rect{1, 100, 19, 100}},    // empty
      {20, 100, false, 100, Rect{0, 1, 21, 101}},   // top row left in BackColor
      {20, 100, false, 0, Rect{0, 101, 21, 101}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VerticalBarFill(PaintRectFor(c.width, c.height, c.bordered), c.percent), c.expected)
        << c.width << "x" << c.height << (c.bordered ? " bordered" : "") << " at " << c.percent;
  }
}

TEST(Pie, WedgeStartsClockwiseFromTwelve) {
  struct Case {
    int size;
    bool bordered;
    int percent;
    Rect box;
    bool wedge;
    Point start;
    Point end;
  } cases[] = {
      {100, true, 0, {1, 1, 99, 99}, false, {}, {}},
      {100, true, 10, {1, 1, 99, 99}, true, {78, 9}, {49, 0}},
      {100, true, 25, {1, 1, 99, 99}, true, {98, 49}, {49, 0}},
      {100, true, 50, {1, 1, 99, 99}, true, {49, 98}, {49, 0}},
      {100, true, 100, {1, 1, 99, 99}, true, {49, 0}, {49, 0}},  // radials coincide: whole disc
      {16, true, 1, {1, 1, 15, 15}, true, {7, 0}, {7, 0}},        // already the whole disc
      {100, false, 25, {0, 0, 100, 100}, true, {100, 50}, {50, 0}},
  };
  for (const Case& c : cases) {
    PieShape s = PieGeometry(PaintRectFor(c.size, c.size, c.bordered), c.bordered, c.percent);
    std::string name = std::to_string(c.size) + (c.bordered ? " bordered" : "") + " at " +
                       std::to_string(c.percent);
    EXPECT_EQ(s.box, c.box) << name;
    EXPECT_EQ(s.wedge, c.wedge) << name;
    if (c.wedge) {
      EXPECT_EQ(s.start, c.start) << name;
      EXPECT_EQ(s.end, c.end) << name;
    }
  }
}

TEST(Needle, DialBaseAndNeedleOfABorderedGauge) {
  NeedleShape s = NeedleGeometry(PaintRectFor(100, 100, true), true, 100, 0);
  EXPECT_EQ(s.dialBox, (Rect{1, 1, 99, 197}));
  EXPECT_EQ(s.dialStart, (Point{100, 98}));
  EXPECT_EQ(s.dialEnd, (Point{1, 98}));
  EXPECT_EQ(s.baseFrom, (Point{1, 99}));
  EXPECT_EQ(s.baseTo, (Point{100, 99}));
  EXPECT_FALSE(s.needle);

  NeedleShape open = NeedleGeometry(PaintRectFor(100, 100, false), false, 100, 0);
  EXPECT_EQ(open.dialBox, (Rect{0, 0, 100, 199}));
  EXPECT_EQ(open.dialStart, (Point{100, 99}));
  EXPECT_EQ(open.baseFrom, (Point{0, 100}));  // below the control
}

TEST(Needle, TurnsClockwiseFromLeftToRight) {
  struct Case {
    int width, height;
    bool bordered;
    int percent;
    Point pivot, tip;
  } cases[] = {
      {100, 100, true, 10, {50, 98}, {2, 68}},
      {100, 100, true, 25, {50, 98}, {15, 29}},
      {100, 100, true, 50, {50, 98}, {50, 0}},
      {100, 100, true, 100, {50, 98}, {100, 98}},
      {101, 60, true, 50, {50, 58}, {50, 0}},
      {100, 100, false, 50, {50, 99}, {50, 0}},
  };
  for (const Case& c : cases) {
    NeedleShape s = NeedleGeometry(PaintRectFor(c.width, c.height, c.bordered), c.bordered, c.width,
                                   c.percent);
    std::string name = std::to_string(c.width) + "x" + std::to_string(c.height) +
                       (c.bordered ? " bordered" : "") + " at " + std::to_string(c.percent);
    EXPECT_TRUE(s.needle) << name;
    EXPECT_EQ(s.pivot, c.pivot) << name;
    EXPECT_EQ(s.tip, c.tip) << name;
  }
}

TEST(Text, CentredOnThePaintRectSizeNotItsCorner) {
  struct Case {
    Rect paint;
    int textWidth, textHeight;
    Point expected;
  } cases[] = {
      {{1, 1, 99, 99}, 20, 13, {39, 43}},
      {{0, 0, 100, 100}, 20, 13, {40, 44}},
      {{1, 1, 15, 15}, 30, 13, {-7, 1}},   // wider than the area: halved toward zero
      {{1, 1, 15, 15}, 31, 20, {-8, -2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextPosition(c.paint, c.textWidth, c.textHeight), c.expected)
        << c.textWidth << "x" << c.textHeight;
  }
}

TEST(Text, PercentSign) {
  struct Case {
    int percent;
    const char* expected;
  } cases[] = {{0, "0%"}, {57, "57%"}, {100, "100%"}, {-3, "-3%"}};
  for (const Case& c : cases) EXPECT_EQ(PercentText(c.percent), c.expected);
}

}  // namespace
}  // namespace gauges::core
