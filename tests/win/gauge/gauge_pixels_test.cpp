#include <string>

#include <gtest/gtest.h>

#include "tests/win/gauge/gauge_fixture.h"

namespace gauges::test {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr tk::TColor kFore = tk::Rgb(200, 30, 40);
constexpr tk::TColor kBack = tk::Rgb(10, 220, 90);
constexpr tk::TColor kOutside = tk::Rgb(60, 70, 250);
const COLORREF fore = tk::ColorToRGB(kFore), back = tk::ColorToRGB(kBack),
               outside = tk::ColorToRGB(kOutside);

void Configure(TGauge& g, TGaugeKind kind, TBorderStyle border, int percent) {
  g.SetKind(kind);
  g.SetBorderStyle(border);
  g.SetForeColor(kFore);
  g.SetBackColor(kBack);
  g.SetColor(kOutside);
  g.SetShowText(false);
  g.SetProgress(percent);
}

std::string Where(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

TEST(GaugePixels, HorizontalBarLengths) {
  struct Case {
    int percent;
    int filledColumns;  // from column 1
  } cases[] = {{0, 0}, {1, 0}, {10, 8}, {20, 18}, {25, 24}, {50, 49}, {100, 99}};
  for (const Case& c : cases) {
    GaugeOnWindow w(101, 12);
    Configure(w.gauge, gkHorizontalBar, bsSingle, c.percent);
    auto dib = w.Print();
    for (int x = 1; x <= 99; ++x) {
      COLORREF expected = x <= c.filledColumns ? fore : back;
      ASSERT_EQ(dib->At(x, 6), expected) << c.percent << "% column " << x;
    }
  }
}

TEST(GaugePixels, VerticalBarAtFull) {
  {
    GaugeOnWindow w(12, 40);
    Configure(w.gauge, gkVerticalBar, bsNone, 100);
    auto dib = w.Print();
    for (int x = 0; x < 12; ++x) {
      EXPECT_EQ(dib->At(x, 0), back) << "top row is left in BackColor " << Where(x, 0);
      for (int y = 1; y < 40; ++y) ASSERT_EQ(dib->At(x, y), fore) << Where(x, y);
    }
  }
  {
    GaugeOnWindow w(12, 40);
    Configure(w.gauge, gkVerticalBar, bsSingle, 100);
    auto dib = w.Print();
    for (int y = 1; y < 39; ++y)
      for (int x = 1; x < 11; ++x) ASSERT_EQ(dib->At(x, y), fore) << Where(x, y);
  }
}

TEST(GaugePixels, VerticalBarFillsFromTheBottom) {
  GaugeOnWindow w(12, 101);
  Configure(w.gauge, gkVerticalBar, bsSingle, 10);
  auto dib = w.Print();
  for (int y = 1; y <= 99; ++y) EXPECT_EQ(dib->At(6, y), y >= 91 ? fore : back) << Where(6, y);
}

TEST(GaugePixels, SingleBorderIsABlackFrameForEveryKindButTheNeedlesBase) {
  // The needle is shown at 50 %: at 100 % the needle of an even-width gauge
  // runs on to the right frame column (see NeedleAtFullReachesTheRightEdge).
  for (TGaugeKind kind : {gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle}) {
    GaugeOnWindow w(60, 40);
    Configure(w.gauge, kind, bsSingle, kind == gkNeedle ? 50 : 100);
    w.gauge.SetShowText(true);
    auto dib = w.Print();
    for (int x = 0; x < 60; ++x) {
      EXPECT_EQ(dib->At(x, 0), kBlack) << "kind " << kind << " " << Where(x, 0);
      COLORREF bottom = kind == gkNeedle && x >= 1 ? fore : kBlack;
      EXPECT_EQ(dib->At(x, 39), bottom) << "kind " << kind << " " << Where(x, 39);
    }
    for (int y = 0; y < 40; ++y) {
      EXPECT_EQ(dib->At(0, y), kBlack) << "kind " << kind << " " << Where(0, y);
      EXPECT_EQ(dib->At(59, y), y == 39 && kind == gkNeedle ? fore : kBlack)
          << "kind " << kind << " " << Where(59, y);
    }
  }
}

TEST(GaugePixels, NoBorderUsesEveryPixel) {
  GaugeOnWindow w(30, 20);
  Configure(w.gauge, gkText, bsNone, 0);
  auto dib = w.Print();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(dib->At(x, y), back) << Where(x, y);
}

TEST(GaugePixels, GaugeDrawsAtItsPlaceInTheWindow) {
  GaugeOnWindow w(30, 20, 15, 7);
  Configure(w.gauge, gkText, bsSingle, 0);
  auto dib = w.Print();
  EXPECT_EQ(dib->At(15, 7), kBlack);
  EXPECT_EQ(dib->At(16, 8), back);
  EXPECT_EQ(dib->At(44, 26), kBlack);
  EXPECT_NE(dib->At(14, 7), kBlack);  // the window's own background
  EXPECT_NE(dib->At(45, 27), kBlack);
}

TEST(GaugePixels, PieFillsClockwiseFromTwelve) {
  // Points well inside each quarter of the disc of a bordered 100x100 pie,
  // and one outside it.
  const POINT upperRight{70, 25}, lowerRight{75, 70}, lowerLeft{25, 75}, upperLeft{30, 25};
  struct Case {
    int percent;
    COLORREF ur, lr, ll, ul;
  } cases[] = {
      {0, back, back, back, back},
      {25, fore, back, back, back},
      {50, fore, fore, back, back},
      {100, fore, fore, fore, fore},
  };
  for (const Case& c : cases) {
    GaugeOnWindow w(100, 100);
    Configure(w.gauge, gkPie, bsSingle, c.percent);
    auto dib = w.Print();
    EXPECT_EQ(dib->At(upperRight.x, upperRight.y), c.ur) << c.percent << "% upper right";
    EXPECT_EQ(dib->At(lowerRight.x, lowerRight.y), c.lr) << c.percent << "% lower right";
    EXPECT_EQ(dib->At(lowerLeft.x, lowerLeft.y), c.ll) << c.percent << "% lower left";
    EXPECT_EQ(dib->At(upperLeft.x, upperLeft.y), c.ul) << c.percent << "% upper left";
    EXPECT_EQ(dib->At(5, 5), outside) << c.percent << "% corner outside the disc";
    EXPECT_EQ(dib->At(94, 94), outside) << c.percent << "% corner outside the disc";
  }
}

TEST(GaugePixels, SmallPieAtOnePercentIsAWholeDisc) {
  GaugeOnWindow w(16, 16);
  Configure(w.gauge, gkPie, bsSingle, 1);
  auto dib = w.Print();
  const POINT inside[] = {{7, 7}, {4, 8}, {11, 8}, {8, 4}, {8, 11}, {5, 5}, {10, 10}, {10, 5}, {5, 10}};
  for (POINT p : inside) EXPECT_EQ(dib->At(p.x, p.y), fore) << Where(p.x, p.y);
  EXPECT_EQ(dib->At(1, 1), outside);
}

TEST(GaugePixels, NeedleAndItsDial) {
  struct Case {
    int percent;
    bool needleUp;
  } cases[] = {{0, false}, {50, true}};
  for (const Case& c : cases) {
    GaugeOnWindow w(100, 100);
    Configure(w.gauge, gkNeedle, bsSingle, c.percent);
    auto dib = w.Print();
    for (int y = 5; y <= 90; y += 5)
      EXPECT_EQ(dib->At(50, y), c.needleUp ? fore : back) << c.percent << "% " << Where(50, y);
    EXPECT_EQ(dib->At(50, 0), kBlack) << "the tip's end point is not drawn";
    EXPECT_EQ(dib->At(30, 60), back) << "dial face";
    EXPECT_EQ(dib->At(4, 4), outside) << "outside the dial";
    EXPECT_EQ(dib->At(95, 4), outside) << "outside the dial";
    for (int x = 1; x < 100; ++x) EXPECT_EQ(dib->At(x, 99), fore) << "base line " << Where(x, 99);
    EXPECT_EQ(dib->At(0, 99), kBlack);
  }
}

TEST(GaugePixels, NeedleAtFullReachesTheRightEdge) {
  GaugeOnWindow w(100, 100);
  Configure(w.gauge, gkNeedle, bsSingle, 100);
  auto dib = w.Print();
  EXPECT_EQ(dib->At(50, 50), back) << "no upright needle";
  EXPECT_EQ(dib->At(99, 98), fore) << "tip at (100, 98): the last drawn pixel is column 99";
  EXPECT_EQ(dib->At(99, 97), kBlack);
}

// Every pixel of `text` is either the pixel of `plain` or its exact inverse.
int CountInverted(const Dib& plain, const Dib& text, int x0, int x1, int y0, int y1, bool* other) {
  int inverted = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      COLORREF p = plain.At(x, y), t = text.At(x, y);
      if (t == p) continue;
      if (t == Inverse(p)) {
        ++inverted;
      } else {
        *other = true;
      }
    }
  }
  return inverted;
}

TEST(GaugePixels, TextInvertsWhatLiesBeneathOnBothSidesOfTheFill) {
  GaugeOnWindow w(101, 40);
  Configure(w.gauge, gkHorizontalBar, bsSingle, 50);  // filled columns 1..49
  tk::FontRecord font;
  font.name = "Tahoma";
  font.height = -24;
  font.style = tk::fsBold;
  w.gauge.SetFont(font);
  auto plain = w.Print();
  w.gauge.SetShowText(true);
  auto text = w.Print();
  bool other = false;
  const int overFill = CountInverted(*plain, *text, 1, 50, 1, 39, &other);
  const int overBack = CountInverted(*plain, *text, 50, 100, 1, 39, &other);
  EXPECT_GT(overFill, 0) << "glyph pixels over the ForeColor part";
  EXPECT_GT(overBack, 0) << "glyph pixels over the BackColor part";
  EXPECT_FALSE(other) << "a text pixel that is neither the picture nor its inverse";
}

TEST(GaugePixels, FontColourAndEnabledNeverChangeThePicture) {
  GaugeOnWindow w(80, 30);
  Configure(w.gauge, gkHorizontalBar, bsSingle, 40);
  w.gauge.SetShowText(true);
  auto before = w.Print();
  tk::FontRecord font = w.gauge.Font();
  font.color = tk::clRed;
  w.gauge.SetFont(font);
  w.gauge.SetEnabled(false);
  auto after = w.Print();
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_EQ(after->At(x, y), before->At(x, y)) << Where(x, y);
}

TEST(GaugePixels, TextIsClippedToThePaintRect) {
  // 100% in a large font on small bordered gauges: the text is wider and
  // taller than the area, yet the frame stays black; underline and
  // strike-out lines too (ETO_CLIPPED alone leaves them unclipped under
  // Wine), and also where the paint rectangle is empty.
  tk::FontRecord plain, lined;
  plain.name = lined.name = "Tahoma";
  plain.height = -40;
  lined.height = -30;
  lined.style = tk::fsUnderline | tk::fsStrikeOut;
  tk::FontRecord lined11 = lined;
  lined11.height = -11;
  struct Case {
    const char* name;
    int width, height;
    tk::FontRecord font;
    bool textInside;
  } cases[] = {
      {"plain 30x20", 30, 20, plain, true},           {"underline, strike-out 30x20", 30, 20, lined, true},
      {"underline, strike-out 60x12", 60, 12, lined, true}, {"underline, strike-out 1x14", 1, 14, lined11, false},
      {"underline, strike-out 14x1", 14, 1, lined11, false},
  };
  for (const Case& c : cases) {
    GaugeOnWindow w(c.width, c.height);
    Configure(w.gauge, gkText, bsSingle, 100);
    w.gauge.SetBackColor(tk::clBlack);
    w.gauge.SetFont(c.font);
    w.gauge.SetShowText(true);
    auto dib = w.Print();
    int white = 0;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        bool frame = x == 0 || y == 0 || x == c.width - 1 || y == c.height - 1;
        if (frame) {
          EXPECT_EQ(dib->At(x, y), kBlack) << c.name << " " << Where(x, y);
        } else if (dib->At(x, y) == RGB(255, 255, 255)) {
          ++white;
        }
      }
    }
    EXPECT_EQ(white > 0, c.textInside) << c.name;
  }
}

// A gauge far larger than any bitmap that could hold it (30000 x 30000)
// still shows the part that its surface lets through.
TEST(GaugePixels, HugeGaugeShowsItsVisiblePart) {
  const int size = 30000;
  TGauge g;
  g.SetBounds(0, 0, size, size);
  Configure(g, gkHorizontalBar, bsSingle, 50);  // filled columns 1..14998
  struct Case {
    const char* name;
    POINT origin;  // of the surface, in the gauge's coordinates
    struct Probe {
      int x, y;  // in the gauge's coordinates
      COLORREF colour;
    } probes[4];
  } cases[] = {
      {"top left", {0, 0}, {{0, 0, kBlack}, {1, 1, fore}, {199, 99, fore}, {150, 0, kBlack}}},
      {"bottom right", {size - 200, size - 100}, {{size - 1, size - 1, kBlack}, {size - 2, size - 2, back},
                                                 {size - 200, size - 50, back}, {size - 100, size - 1, kBlack}}},
      {"fill's edge", {14900, 15000}, {{14998, 15050, fore}, {14999, 15050, back}, {14900, 15000, fore},
                                       {15099, 15099, back}}},
  };
  for (const Case& c : cases) {
    Dib dib(200, 100);
    dib.Fill(RGB(1, 2, 3));
    {
      tk::SavedDC saved(dib.dc());
      SetViewportOrgEx(dib.dc(), -c.origin.x, -c.origin.y, nullptr);
      g.Paint(dib.dc());
    }
    for (const auto& p : c.probes)
      EXPECT_EQ(dib.At(p.x - c.origin.x, p.y - c.origin.y), p.colour) << c.name << " " << Where(p.x, p.y);
  }
  // On a window: a repaint reaches the screen.
  GaugeOnWindow w(300, 200);
  w.gauge.SetBounds(0, 0, size, size);
  Configure(w.gauge, gkHorizontalBar, bsSingle, 50);
  ShowWindow(w.host.Handle(), SW_SHOWNOACTIVATE);
  w.gauge.Repaint();
  Dib screen(300, 200);
  tk::WindowDC window(w.host.Handle());
  BitBlt(screen.dc(), 0, 0, 300, 200, window.get(), 0, 0, SRCCOPY);
  EXPECT_EQ(screen.At(0, 0), kBlack);
  EXPECT_EQ(screen.At(150, 100), fore);
  EXPECT_EQ(screen.At(299, 199), fore);
}

TEST(GaugePixels, NewGaugeShowsZeroPercentInBlackOnWhite) {
  GaugeOnWindow w(100, 100);
  w.gauge.SetColor(tk::clWindow);
  auto dib = w.Print();
  int black = 0;
  for (int y = 1; y < 99; ++y) {
    for (int x = 1; x < 99; ++x) {
      COLORREF c = dib->At(x, y);
      ASSERT_TRUE(c == RGB(255, 255, 255) || c == kBlack) << Where(x, y);
      if (c == kBlack) {
        ++black;
        EXPECT_TRUE(x > 30 && x < 70 && y > 35 && y < 65) << "text near the centre " << Where(x, y);
      }
    }
  }
  EXPECT_GT(black, 0);
}

}  // namespace
}  // namespace gauges::test
