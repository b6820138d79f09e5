#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/contrast_theme.h"
#include "toolkit/gui_objects.h"
#include "gauge/GaugeText.h"
#include "tests/win/gauge/gauge_fixture.h"

namespace gauges::test {
namespace {

struct DcObjects {
  HGDIOBJ pen, brush, font, bitmap;
  bool operator==(const DcObjects&) const = default;
};

DcObjects Current(HDC dc) {
  return DcObjects{GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                   GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BITMAP)};
}

long GdiCount() { return tk::CountGuiObjects().gdi; }

TEST(GaugeResources, PaintLeavesTheDcAsItFoundItAndFreesEveryObject) {
  struct Case {
    TGaugeKind kind;
    TBorderStyle border;
    bool showText;
    int progress;
  } cases[] = {
      {gkText, bsSingle, true, 0},          {gkText, bsNone, false, 30},
      {gkHorizontalBar, bsSingle, true, 10}, {gkVerticalBar, bsNone, true, 100},
      {gkPie, bsSingle, true, 0},           {gkPie, bsSingle, true, 25},
      {gkPie, bsNone, false, 100},          {gkNeedle, bsSingle, true, 0},
      {gkNeedle, bsNone, true, 60},
  };
  Dib target(120, 90);
  {
    const long before = GdiCount();
    tk::Brush held = tk::SolidBrush(tk::clRed);
    ASSERT_NE(GdiCount(), before) << "the GDI counter must see one held object";
  }
  // Also under a contrast theme, whose text is clipped to the fill.
  for (bool contrast : {false, true}) {
    std::optional<host::ContrastTheme> theme;
    if (contrast) theme.emplace(GetModuleHandleW(nullptr), host::ContrastPalette::WhiteOnBlack);
    for (const Case& c : cases) {
      TGauge g;
      g.SetBounds(0, 0, 120, 90);
      g.SetKind(c.kind);
      g.SetBorderStyle(c.border);
      g.SetShowText(c.showText);
      g.SetProgress(c.progress);
      g.Paint(target.dc());  // first paint: lets the system set up fonts and caches
      const DcObjects before = Current(target.dc());
      const long gdiBefore = GdiCount();
      for (int i = 0; i < 3; ++i) g.Paint(target.dc());
      const std::string name = "kind " + std::to_string(c.kind) + " at " + std::to_string(c.progress) +
                               (contrast ? ", contrast theme" : "");
      EXPECT_EQ(Current(target.dc()), before) << name;
      EXPECT_EQ(GdiCount(), gdiBefore) << name;
    }
  }
}

TEST(GaugeResources, EmptyGaugeDrawsNothing) {
  struct Case {
    int width, height;
  } cases[] = {{0, 0}, {0, 50}, {50, 0}};
  for (const Case& c : cases) {
    Dib target(60, 60);
    target.Fill(RGB(1, 2, 3));
    TGauge g;
    g.SetBounds(0, 0, c.width, c.height);
    const long gdiBefore = GdiCount();
    g.Paint(target.dc());
    EXPECT_EQ(GdiCount(), gdiBefore);
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        ASSERT_EQ(target.At(x, y), RGB(1, 2, 3)) << c.width << "x" << c.height;
  }
}

// Gauges hold nothing between paints: 1,000 of them, painted and idle, hold
// no GDI object beyond the process's paint buffer, text surface and a few
// fonts, all made by the first paint.
TEST(GaugeResources, IdleGaugesHoldNoObjects) {
  HostWindow host(400, 300);
  ShowWindow(host.Handle(), SW_SHOWNOACTIVATE);
  tk::FontRecord fonts[6];
  for (int i = 0; i < 6; ++i) fonts[i].height = -9 - i;
  {
    TGauge warm(&host);
    warm.SetBounds(0, 0, 400, 300);
    warm.Repaint();
  }
  const long base = GdiCount();
  std::vector<std::unique_ptr<TGauge>> gauges;
  for (int i = 0; i < 1000; ++i) {
    auto g = std::make_unique<TGauge>(&host);
    g->SetBounds(i % 200, i % 150, 20 + i % 180, 10 + i % 140);
    g->SetKind(static_cast<TGaugeKind>(i % tk::kGaugeKindCount));
    g->SetProgress(i % 101);
    gauges.push_back(std::move(g));
  }
  EXPECT_EQ(GdiCount(), base) << "1,000 gauges painted with one font";
  for (int i = 0; i < 1000; ++i) gauges[i]->SetFont(fonts[i % 6]);
  EXPECT_LE(GdiCount(), base + static_cast<long>(GaugeFonts::kKept))
      << "six fonts in turn: only the last few are kept";
  EXPECT_LE(GaugeFonts::Shared().Count(), GaugeFonts::kKept);
  UpdateWindow(host.Handle());  // the form composes every gauge once more
  EXPECT_LE(GdiCount(), base + static_cast<long>(GaugeFonts::kKept));
}

}  // namespace
}  // namespace gauges::test
