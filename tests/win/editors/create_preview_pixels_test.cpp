// The Create editor's preview as drawn in the open dialog: the fill colour
// from slot 2, black for a nil slot, hidden by the hide-gauge flag, and the
// track bar moving the fill.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "editors/EditFormFiga.h"
#include "tests/support/print_client.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/lists.h"

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

}  // namespace
}  // namespace editors::test
