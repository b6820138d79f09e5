#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/gui_objects.h"
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

long GdiCount() { return tarvex::test::CountGuiObjects().gdi; }

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
    const std::string name = "kind " + std::to_string(c.kind) + " at " + std::to_string(c.progress);
    EXPECT_EQ(Current(target.dc()), before) << name;
    EXPECT_EQ(GdiCount(), gdiBefore) << name;
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

}  // namespace
}  // namespace gauges::test
