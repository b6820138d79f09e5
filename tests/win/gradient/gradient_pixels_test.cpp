#include <set>

#include <gtest/gtest.h>

#include "tests/win/gradient/gradient_fixture.h"

namespace decor::test {
namespace {

constexpr tk::TColor kFill = tk::Rgb(200, 100, 50);
constexpr tk::TColor kBorder = tk::Rgb(0, 0, 255);

int GreyAt(const Dib& dib, int x, int y) {
  const COLORREF c = dib.At(x, y);
  EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << Where(x, y);
  return GetRValue(c);
}

// Every pixel of the window outside the panel's rectangle is the parent's.
void ExpectNothingOutside(const Dib& dib, const RECT& panel, const char* what) {
  for (int y = 0; y < dib.height(); ++y)
    for (int x = 0; x < dib.width(); ++x)
      if (!PtInRect(&panel, POINT{x, y})) {
        ASSERT_EQ(dib.At(x, y), kParent) << what << " " << Where(x, y);
      }
}

TEST(GradientPixels, LinearHRunsFromSkyBlueToButtonFace) {
  GradientOnWindow w(329, 8);
  w.gradient.SetStyle(gsLinearH);
  w.gradient.SetColorBegin(tk::clSkyBlue);
  auto dib = w.Print();
  for (int y = 0; y < 8; ++y) {
    EXPECT_EQ(dib->At(0, y), Rgb(tk::clSkyBlue)) << "left edge " << Where(0, y);
    EXPECT_EQ(dib->At(328, y), GetSysColor(COLOR_BTNFACE)) << "right edge " << Where(328, y);
  }
}

// 256 pattern columns over 329 pixels: some are repeated, none is blended.
TEST(GradientPixels, StretchIsNearestNeighbour) {
  GradientOnWindow w(329, 2);
  w.gradient.SetStyle(gsLinearH);
  w.gradient.SetColorBegin(tk::clWhite);
  w.gradient.SetColorEnd(tk::clBlack);
  auto dib = w.Print();
  std::set<int> levels;
  int previous = 256;
  for (int x = 0; x < 329; ++x) {
    const int grey = GreyAt(*dib, x, 0);
    EXPECT_EQ(dib->At(x, 1), dib->At(x, 0)) << "both rows alike at column " << x;
    EXPECT_LE(grey, previous) << "column " << x;
    previous = grey;
    levels.insert(grey);
  }
  EXPECT_EQ(levels.size(), 256u) << "every pattern column appears";
  EXPECT_EQ(GreyAt(*dib, 0, 0), 255);
  EXPECT_EQ(GreyAt(*dib, 328, 0), 0);
}

TEST(GradientPixels, NarrowControlsKeepTheirGradientDirection) {
  const struct {
    TGradientStyle style;
    int width, height;
    bool alongX;  // the grey falls with x, else with y
  } cases[] = {{gsLinearH, 256, 2, true}, {gsLinearV, 2, 256, false}};
  for (const auto& c : cases) {
    GradientOnWindow w(c.width, c.height);
    w.gradient.SetStyle(c.style);
    w.gradient.SetColorBegin(tk::clWhite);
    w.gradient.SetColorEnd(tk::clBlack);
    auto dib = w.Print();
    for (int x = 0; x < c.width; ++x)
      for (int y = 0; y < c.height; ++y) ASSERT_EQ(GreyAt(*dib, x, y), 255 - (c.alongX ? x : y)) << Where(x, y);
  }
}

TEST(GradientPixels, ReverseSwapsTheEndsOfEveryStyleFamily) {
  const tk::TColor first = tk::Rgb(250, 0, 0), second = tk::Rgb(0, 0, 250);
  struct Case {
    TGradientStyle style;
    // Where the two colours lie in a panel larger than every pattern, so
    // that the stretch repeats pattern pixels and drops none.
    int firstX, firstY;
    int secondX, secondY;
  } cases[] = {{gsLinearH, 0, 300, 599, 300},  {gsLinearV, 300, 0, 300, 599},
               {gsRadialTL, 0, 0, 599, 599},   {gsRadialRect, 0, 300, 300, 300},
               {gsDiagonalLF, 0, 0, 599, 599}, {gsArrowR, 0, 300, 599, 0}};
  for (const Case& c : cases) {
    for (bool reverse : {false, true}) {
      GradientOnWindow w(600, 600);
      w.gradient.SetStyle(c.style);
      w.gradient.SetColorBegin(first);
      w.gradient.SetColorEnd(second);
      w.gradient.SetReverse(reverse);
      auto dib = w.Print();
      EXPECT_EQ(dib->At(c.firstX, c.firstY), Rgb(reverse ? second : first))
          << "style " << int(c.style) << " reverse " << reverse;
      EXPECT_EQ(dib->At(c.secondX, c.secondY), Rgb(reverse ? first : second))
          << "style " << int(c.style) << " reverse " << reverse;
    }
  }
}

TEST(GradientPixels, EqualColoursFillUniformlyInEveryStyle) {
  for (int s = gsCustom; s < kGradientStyleCount; ++s) {
    GradientOnWindow w(37, 23);
    w.gradient.SetStyle(static_cast<TGradientStyle>(s));
    w.gradient.SetColorBegin(kFill);
    w.gradient.SetColorEnd(kFill);
    auto dib = w.Print();
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 37; ++x) ASSERT_EQ(dib->At(x, y), Rgb(kFill)) << "style " << s << " " << Where(x, y);
  }
}

// A one-colour table is filled without a pattern bitmap; a panel that gains a
// second colour (or whose shift folds two colours into one) switches between
// the fill and the stretched pattern with every rebuild.
TEST(GradientPixels, OneColourTablesFillAndTwoColourTablesStretch) {
  struct Case {
    const char* what;
    tk::TColor begin, end;
    int shift;
    bool reverse;
    bool solid;
    COLORREF left, right;  // at both ends of a linear-horizontal panel
  } cases[] = {
      {"equal colours", kFill, kFill, 0, false, true, Rgb(kFill), Rgb(kFill)},
      {"equal colours, shifted and reversed", kFill, kFill, -60, true, true, Rgb(kFill), Rgb(kFill)},
      {"two colours", tk::clWhite, tk::clBlack, 0, false, false, RGB(255, 255, 255), RGB(0, 0, 0)},
      {"two colours reversed", tk::clWhite, tk::clBlack, 0, true, false, RGB(0, 0, 0), RGB(255, 255, 255)},
      {"shift folds the first colour into the second", tk::clWhite, tk::clBlack, 100, false, true, RGB(0, 0, 0),
       RGB(0, 0, 0)},
  };
  GradientOnWindow w(300, 10, 4, 4);
  w.gradient.SetStyle(gsLinearH);
  for (int round = 0; round < 2; ++round)  // every change of kind, both ways
    for (const Case& c : cases) {
      w.gradient.BeginUpdate();
      w.gradient.SetColorBegin(c.begin);
      w.gradient.SetColorEnd(c.end);
      w.gradient.SetShift(c.shift);
      w.gradient.SetReverse(c.reverse);
      w.gradient.EndUpdate();
      EXPECT_EQ(w.gradient.Solid(), c.solid) << c.what;
      EXPECT_EQ(w.gradient.Pattern().Empty(), c.solid) << c.what << ": a bitmap only for two colours";
      auto dib = w.Print();
      EXPECT_EQ(dib->At(4, 8), c.left) << c.what;
      EXPECT_EQ(dib->At(4 + 299, 8), c.right) << c.what;
      ExpectNothingOutside(*dib, RECT{4, 4, 304, 14}, c.what);
    }
}

TEST(GradientPixels, CustomWithoutHandlerShowsFourQuadrants) {
  const tk::TColor first = tk::Rgb(255, 0, 0), second = tk::Rgb(0, 0, 255);
  GradientOnWindow w(40, 20);
  w.gradient.SetStyle(gsCustom);
  w.gradient.SetColorBegin(first);
  w.gradient.SetColorEnd(second);
  w.gradient.SetShift(50);  // the quadrants take the unshifted colours
  auto dib = w.Print();
  struct Case {
    int x, y;
    tk::TColor expected;
  } cases[] = {{0, 0, first},    {19, 9, first},  {20, 0, second}, {39, 9, second},
               {0, 10, second},  {19, 19, second}, {20, 10, first}, {39, 19, first}};
  for (const Case& c : cases) EXPECT_EQ(dib->At(c.x, c.y), Rgb(c.expected)) << Where(c.x, c.y);
}

TEST(GradientPixels, CustomHandlerDrawsThePattern) {
  GradientOnWindow w(30, 30);
  tk::TColor seenFirst = 0, seenLast = 0;
  TGradient* seenSender = nullptr;
  w.gradient.OnCustom = [&](TGradient& sender, const TGradientColors& colors, GradientPattern& pattern) {
    seenSender = &sender;
    seenFirst = static_cast<tk::TColor>(colors[0]);
    seenLast = static_cast<tk::TColor>(colors[255]);
    ASSERT_TRUE(pattern.SetSize(1, 2));
    pattern.Pixels().At(0, 0) = colors[0];
    pattern.Pixels().At(0, 1) = colors[255];
  };
  w.gradient.SetColorBegin(tk::clWhite);
  w.gradient.SetColorEnd(tk::clBlack);
  w.gradient.SetStyle(gsCustom);
  EXPECT_EQ(seenSender, &w.gradient);
  EXPECT_EQ(seenFirst, static_cast<tk::TColor>(PixelOf(255, 255, 255)));
  EXPECT_EQ(seenLast, static_cast<tk::TColor>(PixelOf(0, 0, 0)));
  auto dib = w.Print();
  EXPECT_EQ(dib->At(15, 0), RGB(255, 255, 255));
  EXPECT_EQ(dib->At(15, 14), RGB(255, 255, 255));
  EXPECT_EQ(dib->At(15, 15), RGB(0, 0, 0));
  EXPECT_EQ(dib->At(15, 29), RGB(0, 0, 0));
}

TEST(GradientPixels, RoundRectWithBorderShowsTheParentOutsideTheCorners) {
  GradientOnWindow w(145, 25, 10, 10);
  w.gradient.SetShape(stRoundRect);
  w.gradient.SetBorderWidth(1);
  w.gradient.SetBorderColor(kBorder);
  w.gradient.SetColorBegin(kFill);
  w.gradient.SetColorEnd(kFill);
  auto dib = w.Print();
  const int l = 10, t = 10;
  struct Case {
    const char* what;
    int x, y;  // in the panel
    COLORREF expected;
  } cases[] = {
      {"top left corner", 0, 0, kParent},        {"top right corner", 144, 0, kParent},
      {"bottom left corner", 0, 24, kParent},    {"bottom right corner", 144, 24, kParent},
      {"top edge", 72, 0, Rgb(kBorder)},          {"bottom edge", 72, 24, Rgb(kBorder)},
      {"left edge", 0, 12, Rgb(kBorder)},         {"right edge", 144, 12, Rgb(kBorder)},
      {"inside the top edge", 72, 1, Rgb(kFill)}, {"inside the right edge", 143, 12, Rgb(kFill)},
      {"centre", 72, 12, Rgb(kFill)},
  };
  for (const Case& c : cases) EXPECT_EQ(dib->At(l + c.x, t + c.y), c.expected) << c.what;
  ExpectNothingOutside(*dib, RECT{l, t, l + 145, t + 25}, "round rect");
}

TEST(GradientPixels, CircleIsCentredInAWideControl) {
  GradientOnWindow w(100, 50, 10, 10);
  w.gradient.SetShape(stCircle);
  w.gradient.SetColorBegin(kFill);
  w.gradient.SetColorEnd(kFill);
  auto dib = w.Print();
  int first = -1, last = -1;
  for (int x = 0; x < 100; ++x)
    if (dib->At(10 + x, 10 + 25) == Rgb(kFill)) {
      if (first < 0) first = x;
      last = x;
    }
  // The platform's elliptic region leaves out the right and bottom edges of
  // its rectangle (25, 0, 75, 50).
  EXPECT_EQ(first, 25) << "the circle starts at X = 25";
  EXPECT_EQ(last, 73);
  EXPECT_EQ(dib->At(10 + 50, 10 + 0), Rgb(kFill)) << "touches the top";
  EXPECT_EQ(dib->At(10 + 50, 10 + 48), Rgb(kFill)) << "reaches the bottom";
  EXPECT_EQ(dib->At(10 + 30, 10 + 3), kParent) << "the parent shows around it";
  ExpectNothingOutside(*dib, RECT{10, 10, 110, 60}, "circle");
}

// Whatever the shape and border, the panel paints only inside its rectangle,
// also when it sits away from the window's corner.
TEST(GradientPixels, EveryShapeStaysInsideItsRectangle) {
  for (int shape = stRectangle; shape <= stCircle; ++shape)
    for (int border : {0, 1, 4}) {
      GradientOnWindow w(60, 30, 7, 5);
      w.gradient.SetShape(static_cast<TShapeType>(shape));
      w.gradient.SetBorderWidth(border);
      w.gradient.SetBorderColor(kBorder);
      w.gradient.SetColorBegin(kFill);
      auto dib = w.Print();
      const std::string what = "shape " + std::to_string(shape) + " border " + std::to_string(border);
      ExpectNothingOutside(*dib, RECT{7, 5, 67, 35}, what.c_str());
      EXPECT_NE(dib->At(7 + 30, 5 + 15), kParent) << what << ": the centre is painted";
    }
}

// The shape's clip follows the drawing surface's viewport and window origins,
// the way a parent hands its DC to a control.
TEST(GradientPixels, ShapeClipFollowsTheSurfaceOrigins) {
  Dib dib(130, 70);
  dib.Fill(kParent);
  SetViewportOrgEx(dib.dc(), 7, 3, nullptr);
  SetWindowOrgEx(dib.dc(), -4, -2, nullptr);  // logical (0, 0) lies at device (11, 5)
  TGradient g;
  g.SetBounds(0, 0, 100, 50);
  g.SetShape(stCircle);
  g.SetColorBegin(kFill);
  g.SetColorEnd(kFill);
  g.Paint(dib.dc());
  int first = -1, last = -1;
  for (int x = 0; x < 130; ++x)
    if (dib.At(x, 5 + 25) == Rgb(kFill)) {
      if (first < 0) first = x;
      last = x;
    }
  EXPECT_EQ(first, 11 + 25);
  EXPECT_EQ(last, 11 + 73);
  EXPECT_EQ(dib.At(11 + 50, 5 + 48), Rgb(kFill)) << "reaches the bottom";
  ExpectNothingOutside(dib, RECT{11 + 25, 5, 11 + 75, 55}, "circle on a moved surface");
}

TEST(GradientPixels, BorderIsTheOutermostRingOfARectangle) {
  GradientOnWindow w(20, 10, 3, 3);
  w.gradient.SetBorderWidth(1);
  w.gradient.SetBorderColor(kBorder);
  w.gradient.SetColorBegin(kFill);
  w.gradient.SetColorEnd(kFill);
  auto dib = w.Print();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool ring = x == 0 || y == 0 || x == 19 || y == 9;
      ASSERT_EQ(dib->At(3 + x, 3 + y), Rgb(ring ? kBorder : kFill)) << Where(x, y);
    }
}

}  // namespace
}  // namespace decor::test
