// The Create editor's preview as drawn in the open dialog: the fill colour
// from slot 2, black for a nil slot, hidden by the hide-gauge flag, the
// track bar moving the fill, each kind at its place, the hide-text flag.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "editors/EditFormFiga.h"
#include "tests/support/print_client.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/track_bar.h"

namespace editors::test {
namespace {

COLORREF PixelOf(tk::TForm& form, int x, int y) {
  auto picture = tarvex::test::PrintClient(form.Handle());
  return picture->At(x, y);
}

TEST(CreatePreviewPixels, DrawnFromTheSlotsAndTheTrackBar) {
  // Inside the fill of a bar at 60 %: the horizontal bar (373, 105, 130 x 25)
  // fills its left part, the vertical bar (373, 60, 130 x 130) its lower part.
  const POINT horizontalFill{380, 117}, verticalFill{438, 180}, verticalEmpty{438, 70};
  const struct {
    const char* what;
    std::vector<const char*> slots;
    POINT at;
    COLORREF expected;
  } cases[] = {
      {"red fill", {"R", "HorizontalBar", "255,0,0", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
       horizontalFill, RGB(255, 0, 0)},
      {"nil fill is black", {"R", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
       verticalFill, RGB(0, 0, 0)},
      {"nil background is white", {"R", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
       verticalEmpty, RGB(255, 255, 255)},
      {"hidden", {"R", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "False|True"},
       verticalFill, GetSysColor(COLOR_BTNFACE)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Slots slots(c.slots);
    EditRun run = RunEdit(1, slots, [&](tk::TForm& form) {
      EXPECT_EQ(PixelOf(form, c.at.x, c.at.y), c.expected);
    });
    EXPECT_TRUE(run.opened);
  }

  Slots slots({"R", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
  EditRun run = RunEdit(1, slots, [&](tk::TForm& form) {
    FormFiga->TrackBar1->SetPosition(0);
    FormFiga->TrackBar1Change();
    EXPECT_EQ(PixelOf(form, verticalFill.x, verticalFill.y), RGB(255, 255, 255));
    FormFiga->TrackBar1->SetPosition(10);
    FormFiga->TrackBar1Change();
    EXPECT_EQ(PixelOf(form, verticalEmpty.x, verticalEmpty.y), RGB(0, 0, 0));
  });
  EXPECT_TRUE(run.opened);
}

// Where each kind's picture lies, and whether its percentage shows: the
// preview's three colours (fill red, background green, underlay blue) and
// their inverses (the text) are looked for in the area around the preview.
TEST(CreatePreviewPixels, EachKindAtItsPlaceWithOrWithoutText) {
  const RECT area{356, 56, 520, 198};
  const struct {
    const char* kind;
    RECT expected;
  } kinds[] = {
      {"HorizontalBar", {373, 105, 503, 130}}, {"Needle", {373, 96, 503, 136}},
      {"Pie", {373, 60, 503, 190}},            {"Text", {373, 66, 503, 196}},  // 66 when set at open
      {"VerticalBar", {424, 60, 449, 190}},
  };
  const COLORREF own[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
  const COLORREF inverse[] = {RGB(0, 255, 255), RGB(255, 0, 255), RGB(255, 255, 0)};
  auto isOneOf = [](COLORREF c, const COLORREF(&set)[3]) {
    return c == set[0] || c == set[1] || c == set[2];
  };
  for (const auto& k : kinds) {
    for (const char* flags : {"False|False", "True|False"}) {
      SCOPED_TRACE(std::string(k.kind) + " " + flags);
      Slots slots({"R", k.kind, "255,0,0", "0,255,0", "0,0,255", nullptr, nullptr, nullptr, nullptr, flags});
      EditRun run = RunEdit(1, slots, [&](tk::TForm& form) {
        auto picture = tarvex::test::PrintClient(form.Handle());
        RECT found{area.right, area.bottom, area.left, area.top};
        int inverted = 0;
        for (int y = area.top; y < area.bottom; ++y) {
          for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = picture->At(x, y);
            const bool text = isOneOf(c, inverse);
            if (!text && !isOneOf(c, own)) continue;
            inverted += text ? 1 : 0;
            found = RECT{std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                         std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
          }
        }
        EXPECT_TRUE(EqualRect(&found, &k.expected))
            << found.left << "," << found.top << " to " << found.right << "," << found.bottom;
        if (std::string(flags) == "False|False") {
          EXPECT_GT(inverted, 0) << "the percentage should show";
        } else {
          EXPECT_EQ(inverted, 0) << "the hide-text box should hide the percentage";
        }
      });
      EXPECT_TRUE(run.opened);
    }
  }
}

}  // namespace
}  // namespace editors::test
