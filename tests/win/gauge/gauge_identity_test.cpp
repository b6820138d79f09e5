// The gauge's paint gives, byte for byte, the picture of the first
// composition (reference_paint.h) over a table of kinds, borders, text,
// percentages, fonts, colours and sizes; directly onto a surface, through a
// form's buffered composition, and for a part of the gauge only.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/win/gauge/gauge_fixture.h"
#include "tests/win/gauge/reference_paint.h"
#include "toolkit/buffered_paint.h"

namespace gauges::test {
namespace {

constexpr COLORREF kUntouched = RGB(0x12, 0x34, 0x56);

struct Colours {
  const char* name;
  tk::TColor fore, back, outside;
};
const Colours kDefaults{"defaults", tk::clBlack, tk::clWhite, tk::clWindow};
const Colours kSystem{"system", tk::SystemColor(COLOR_HIGHLIGHT), tk::clWindow, tk::clBtnFace};
const Colours kForeIsBack{"fore=back", tk::Rgb(200, 30, 40), tk::Rgb(200, 30, 40), tk::Rgb(10, 220, 90)};

struct FontCase {
  const char* name;
  tk::FontRecord font;
};
tk::FontRecord MakeFont(const char* face, int height, std::uint8_t style) {
  tk::FontRecord f;
  f.name = face;
  f.height = height;
  f.style = style;
  return f;
}
const FontCase kBaseFont{"base", tk::FontRecord{}};
const FontCase kBold{"Tahoma bold 24", MakeFont("Tahoma", -24, tk::fsBold)};
const FontCase kItalic{"Times italic 17", MakeFont("Times New Roman", -17, tk::fsItalic)};
const FontCase kUnderStrike{"Courier underline strike-out 40",
                            MakeFont("Courier New", -40, tk::fsUnderline | tk::fsStrikeOut)};
const FontCase kAllStyles{"Arial all styles 9",
                          MakeFont("Arial", -9, tk::fsBold | tk::fsItalic | tk::fsUnderline | tk::fsStrikeOut)};

struct Size {
  int width, height;
};

struct Sweep {
  std::vector<Size> sizes;
  std::vector<int> percents;
  std::vector<FontCase> fonts;  // each with the text shown; the text hidden is one more case
  std::vector<Colours> colours;
};

void Configure(TGauge& g, TGaugeKind kind, TBorderStyle border, bool text, int percent,
               const FontCase& font, const Colours& colours, Size size) {
  g.SetBounds(0, 0, size.width, size.height);
  g.SetKind(kind);
  g.SetBorderStyle(border);
  g.SetShowText(text);
  g.SetProgress(percent);
  g.SetFont(font.font);
  g.SetForeColor(colours.fore);
  g.SetBackColor(colours.back);
  g.SetColor(colours.outside);
}

std::string Name(TGaugeKind kind, TBorderStyle border, bool text, int percent, const FontCase& font,
                 const Colours& colours, Size size) {
  return "kind " + std::to_string(kind) + (border == bsSingle ? " bordered" : " borderless") +
         (text ? std::string(" text ") + font.name : std::string(" no text")) + " " +
         std::to_string(percent) + "% " + colours.name + " " + std::to_string(size.width) + "x" +
         std::to_string(size.height);
}

// First differing pixel, or -1.
long FirstDifference(const Dib& a, const Dib& b) {
  const std::size_t count = static_cast<std::size_t>(a.width()) * a.height();
  const std::uint32_t* pa = a.Bits();
  const std::uint32_t* pb = b.Bits();
  if (std::memcmp(pa, pb, count * 4) == 0) return -1;
  for (std::size_t i = 0; i < count; ++i)
    if (pa[i] != pb[i]) return static_cast<long>(i);
  return -1;
}

// Runs every case of the sweep; answers the number of cases.
int RunSweep(const Sweep& sweep) {
  int cases = 0, failures = 0;
  for (Size size : sweep.sizes) {
    Dib expected(size.width, size.height), actual(size.width, size.height);
    if (!expected.Valid() || !actual.Valid()) {
      ADD_FAILURE() << "no DIB of " << size.width << "x" << size.height;
      continue;
    }
    for (const tk::GaugeKindEntry& entry : tk::kGaugeKinds) {
      const TGaugeKind kind = entry.kind;
      for (TBorderStyle border : {bsSingle, bsNone}) {
        for (int percent : sweep.percents) {
          for (const Colours& colours : sweep.colours) {
            for (std::size_t f = 0; f <= sweep.fonts.size(); ++f) {
              const bool text = f < sweep.fonts.size();
              const FontCase& font = text ? sweep.fonts[f] : kBaseFont;
              TGauge g;
              Configure(g, kind, border, text, percent, font, colours, size);
              expected.Fill(kUntouched);
              actual.Fill(kUntouched);
              ReferencePaint(g, expected.dc());
              g.Paint(actual.dc());
              ++cases;
              const long at = FirstDifference(expected, actual);
              if (at >= 0 && ++failures <= 20) {
                ADD_FAILURE() << Name(kind, border, text, percent, font, colours, size)
                              << ": first difference at (" << at % size.width << ", " << at / size.width
                              << ") expected 0x" << std::hex << expected.Bits()[at] << " got 0x"
                              << actual.Bits()[at];
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0) << "of " << cases << " cases";
  return cases;
}

TEST(GaugeIdentity, SameBytesAsTheFirstComposition) {
  Sweep sweep;
  sweep.sizes = {{1, 1}, {1, 9}, {9, 1}, {2, 2}, {3, 7}, {7, 3}, {16, 16}, {30, 20}, {100, 20}, {101, 12}, {60, 90}, {300, 300}};
  sweep.percents = {0, 1, 33, 50, 100};
  sweep.fonts = {kBaseFont, kItalic, kUnderStrike};
  sweep.colours = {kDefaults, kSystem, kForeIsBack};
  RunSweep(sweep);
}

TEST(GaugeIdentity, SameBytesAtFullScreenSize) {
  Sweep sweep;
  sweep.sizes = {{1920, 1080}};
  sweep.percents = {57};
  sweep.fonts = {kBold};
  sweep.colours = {kSystem};
  RunSweep(sweep);
}

// Every size, percentage, font and colour set: minutes, so only under the
// label long (ctest -R win_gauge_full_sweep).
TEST(GaugeIdentityFull, DISABLED_EverySizeFontAndColour) {
  Sweep sweep;
  sweep.sizes = {{1, 1},   {1, 9},   {9, 1},   {2, 2},   {3, 7},    {7, 3},    {16, 16},  {30, 20},    {100, 20},
                 {101, 12}, {60, 200}, {300, 300}, {640, 48}, {48, 640}, {1920, 1080}};
  sweep.percents = {0, 1, 5, 10, 25, 33, 50, 57, 66, 99, 100};
  sweep.fonts = {kBaseFont, kBold, kItalic, kUnderStrike, kAllStyles};
  sweep.colours = {kDefaults, kSystem, kForeIsBack};
  const int cases = RunSweep(sweep);
  std::printf("%d cases\n", cases);
}

// A form composing its picture in the shared buffer: the gauge draws in
// place there, gives the same bytes, and only the part asked for.
TEST(GaugeIdentity, SameBytesInsideAFormsComposition) {
  struct Case {
    Size size;
    TGaugeKind kind;
    RECT part;  // of the window's client area, or empty for all of it
  } cases[] = {
      {{300, 300}, gkHorizontalBar, {}},        {{300, 300}, gkPie, {}},
      {{100, 20}, gkNeedle, {}},                {{300, 300}, gkNeedle, {40, 100, 250, 299}},
      {{300, 300}, gkText, {140, 140, 160, 160}}, {{60, 90}, gkVerticalBar, {0, 0, 70, 5}},
  };
  for (const Case& c : cases) {
    GaugeOnWindow w(c.size.width, c.size.height, 5, 3);
    Configure(w.gauge, c.kind, bsSingle, true, 57, kBold, kSystem, c.size);
    w.gauge.SetBounds(5, 3, c.size.width, c.size.height);
    const int clientWidth = c.size.width + 15, clientHeight = c.size.height + 13;
    Dib expected(clientWidth, clientHeight), actual(clientWidth, clientHeight);
    // The reference: the whole window as its own paint-to-a-DC draws it,
    // with the gauge's rectangle replaced by the first composition.
    w.host.PaintTo(expected.dc());
    {
      tk::SavedDC saved(expected.dc());
      SetViewportOrgEx(expected.dc(), 5, 3, nullptr);
      ReferencePaint(w.gauge, expected.dc());
    }
    RECT part = c.part;
    if (IsRectEmpty(&part)) part = RECT{0, 0, clientWidth, clientHeight};
    actual.Fill(kUntouched);
    tk::PaintBuffered(actual.dc(), part, [&](HDC surface) { w.host.PaintTo(surface); });
    const std::string name = Name(c.kind, bsSingle, true, 57, kBold, kSystem, c.size) + " part (" +
                             std::to_string(part.left) + ", " + std::to_string(part.top) + ", " +
                             std::to_string(part.right) + ", " + std::to_string(part.bottom) + ")";
    int wrong = 0;
    for (int y = 0; y < clientHeight; ++y) {
      for (int x = 0; x < clientWidth; ++x) {
        const bool inside = x >= part.left && x < part.right && y >= part.top && y < part.bottom;
        const COLORREF want = inside ? expected.At(x, y) : kUntouched;
        if (actual.At(x, y) != want && ++wrong <= 3)
          ADD_FAILURE() << name << " at (" << x << ", " << y << ")";
      }
    }
    EXPECT_EQ(wrong, 0) << name;
  }
}

// Only the part of the gauge inside the target's clip box is composed and
// copied; it is the same as that part of the whole picture.
TEST(GaugeIdentity, PartInsideTheClipBox) {
  const Size size{300, 200};
  TGauge g;
  Configure(g, gkPie, bsSingle, true, 66, kUnderStrike, kDefaults, size);
  Dib expected(size.width, size.height), actual(size.width, size.height);
  ReferencePaint(g, expected.dc());
  actual.Fill(kUntouched);
  const RECT part{130, 70, 190, 140};
  {
    tk::SavedDC saved(actual.dc());
    IntersectClipRect(actual.dc(), part.left, part.top, part.right, part.bottom);
    g.Paint(actual.dc());
  }
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const bool inside = x >= part.left && x < part.right && y >= part.top && y < part.bottom;
      ASSERT_EQ(actual.At(x, y), inside ? expected.At(x, y) : kUntouched) << "(" << x << ", " << y << ")";
    }
  }
}

}  // namespace
}  // namespace gauges::test
