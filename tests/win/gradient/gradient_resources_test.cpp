#include <string>

#include <gtest/gtest.h>

#include "toolkit/gui_objects.h"
#include "tests/win/gradient/gradient_fixture.h"

namespace decor::test {
namespace {

struct DcState {
  HGDIOBJ pen, brush, bitmap;
  int stretchMode;
  POINT viewport;
  RECT clipBox;
  bool operator==(const DcState& o) const {
    return pen == o.pen && brush == o.brush && bitmap == o.bitmap && stretchMode == o.stretchMode &&
           viewport.x == o.viewport.x && viewport.y == o.viewport.y && EqualRect(&clipBox, &o.clipBox);
  }
};

DcState Current(HDC dc) {
  DcState s{GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
            GetCurrentObject(dc, OBJ_BITMAP), GetStretchBltMode(dc), {}, {}};
  GetViewportOrgEx(dc, &s.viewport);
  GetClipBox(dc, &s.clipBox);
  return s;
}

long GdiCount() { return tk::CountGuiObjects().gdi; }

// Every shape with and without a border leaves the DC as it found it (clip
// included) and frees every object it made.
TEST(GradientResources, PaintRestoresTheDcAndFreesEveryObject) {
  Dib target(120, 90);
  SetStretchBltMode(target.dc(), HALFTONE);
  SetViewportOrgEx(target.dc(), 7, 3, nullptr);
  IntersectClipRect(target.dc(), 0, 0, 100, 80);
  for (int shape = stRectangle; shape <= stCircle; ++shape)
    for (int border : {0, 2}) {
      TGradient g;
      g.SetBounds(0, 0, 100, 80);
      g.SetShape(static_cast<TShapeType>(shape));
      g.SetBorderWidth(border);
      g.Paint(target.dc());  // first paint: lets the system set up its caches
      const DcState before = Current(target.dc());
      const long gdiBefore = GdiCount();
      for (int i = 0; i < 3; ++i) g.Paint(target.dc());
      const std::string name = "shape " + std::to_string(shape) + " border " + std::to_string(border);
      EXPECT_EQ(Current(target.dc()), before) << name;
      EXPECT_EQ(GdiCount(), gdiBefore) << name;
    }
}

TEST(GradientResources, RebuildsReuseOrReplaceThePatternWithoutLeaking) {
  TGradient g;
  g.SetStyle(gsLinearH);
  const long gdiBefore = GdiCount();
  for (int s = gsCustom; s < kGradientStyleCount; ++s) g.SetStyle(static_cast<TGradientStyle>(s));
  g.SetStyle(gsLinearH);
  EXPECT_EQ(GdiCount(), gdiBefore);
}

}  // namespace
}  // namespace decor::test
