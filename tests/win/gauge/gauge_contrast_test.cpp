// Under a contrast theme a gauge draws with the system's colours of the
// platform's progress bar, none of the author's, its text in the theme's
// text colours on the background and on the fill; when the theme is turned
// off the same gauge draws its author's picture again.
#include <cstdio>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "host/contrast_theme.h"
#include "tests/win/gauge/gauge_fixture.h"

namespace gauges::test {
namespace {

using host::ContrastPalette;
using host::ContrastTheme;

constexpr tk::TColor kFore = tk::Rgb(200, 30, 40);
constexpr tk::TColor kBack = tk::Rgb(10, 220, 90);
constexpr tk::TColor kOutside = tk::Rgb(60, 70, 250);

constexpr int kWidth = 146, kHeight = 82;

void Configure(TGauge& g, TGaugeKind kind, int percent, bool text) {
  g.SetKind(kind);
  g.SetForeColor(kFore);
  g.SetBackColor(kBack);
  g.SetColor(kOutside);
  g.SetProgress(percent);
  tk::FontRecord font;
  font.name = "Tahoma";
  font.height = -16;
  font.style = tk::fsBold;
  g.SetFont(font);
  g.SetShowText(text);
}

std::set<COLORREF> ColoursOf(const Dib& dib) {
  std::set<COLORREF> colours;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) colours.insert(dib.At(x, y));
  return colours;
}

std::string Hex(COLORREF c) {
  char text[8];
  std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
  return text;
}

const char* KindName(TGaugeKind kind) {
  static const char* names[] = {"Text", "HorizontalBar", "VerticalBar", "Pie", "Needle"};
  return names[kind];
}

TEST(GaugeContrast, SystemColoursWhileTheThemeIsOnAndTheAuthorsAfter) {
  // Text on the pie only where all of it lies on the wedge (at 100 %): on
  // the wedge's edge a glyph pixel may take the other side's text colour.
  struct Case {
    TGaugeKind kind;
    int percent;
    bool text;
    bool fills;  // the highlight is seen
  } cases[] = {
      {gkText, 50, true, false},        {gkHorizontalBar, 50, true, true}, {gkVerticalBar, 50, true, true},
      {gkPie, 100, true, true},         {gkPie, 30, false, true},          {gkNeedle, 50, true, false},
      {gkHorizontalBar, 0, true, false},
  };
  for (ContrastPalette palette : {ContrastPalette::WhiteOnBlack, ContrastPalette::BlackOnWhite}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(KindName(c.kind)) + " at " + std::to_string(c.percent) + "%" +
                   (palette == ContrastPalette::WhiteOnBlack ? ", white on black" : ", black on white"));
      GaugeOnWindow w(kWidth, kHeight);
      Configure(w.gauge, c.kind, c.percent, c.text);
      auto authors = w.Print();
      {
        ContrastTheme theme(GetModuleHandleW(nullptr), palette);
        const COLORREF window = theme.Color(COLOR_WINDOW), text = theme.Color(COLOR_WINDOWTEXT);
        const COLORREF highlight = theme.Color(COLOR_HIGHLIGHT), onHighlight = theme.Color(COLOR_HIGHLIGHTTEXT);
        auto themed = w.Print();
        const std::set<COLORREF> seen = ColoursOf(*themed);
        for (COLORREF colour : seen)
          EXPECT_TRUE(colour == window || colour == text || colour == highlight || colour == onHighlight)
              << "a colour not of the theme: " << Hex(colour);
        EXPECT_EQ(themed->At(0, 0), text) << "the frame";
        EXPECT_TRUE(seen.count(window)) << "the background";
        EXPECT_EQ(seen.count(highlight) != 0, c.fills) << "the fill";
      }
      auto after = w.Print();
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
          ASSERT_EQ(after->At(x, y), authors->At(x, y)) << "theme off: the author's picture at " << x << ", " << y;
      EXPECT_EQ(w.gauge.ForeColor(), kFore);
      EXPECT_EQ(w.gauge.BackColor(), kBack);
    }
  }
}

TEST(GaugeContrast, TextTakesTheThemesTextColourOnEachSideOfTheFill) {
  // A bar half filled (columns 1 to 72), the text across the fill's end.
  for (ContrastPalette palette : {ContrastPalette::WhiteOnBlack, ContrastPalette::BlackOnWhite}) {
    GaugeOnWindow w(kWidth, kHeight);
    Configure(w.gauge, gkHorizontalBar, 50, true);
    ContrastTheme theme(GetModuleHandleW(nullptr), palette);
    const COLORREF window = theme.Color(COLOR_WINDOW), text = theme.Color(COLOR_WINDOWTEXT);
    const COLORREF highlight = theme.Color(COLOR_HIGHLIGHT), onHighlight = theme.Color(COLOR_HIGHLIGHTTEXT);
    auto themed = w.Print();
    int onFill = 0, onBack = 0;
    for (int y = 1; y < kHeight - 1; ++y) {
      for (int x = 1; x < kWidth - 1; ++x) {
        const COLORREF c = themed->At(x, y);
        if (x < 70) {
          ASSERT_TRUE(c == highlight || c == onHighlight) << "over the fill at " << x << ", " << y << ": " << Hex(c);
          onFill += c == onHighlight;
        } else if (x > 75) {
          ASSERT_TRUE(c == window || c == text) << "over the background at " << x << ", " << y << ": " << Hex(c);
          onBack += c == text;
        }
      }
    }
    EXPECT_GT(onFill, 20) << "glyph pixels over the fill";
    EXPECT_GT(onBack, 20) << "glyph pixels over the background";
  }
}

}  // namespace
}  // namespace gauges::test
