// The frame's elements stand at their design positions in every editor: the picture column, the object-name group's band, field and
// object chooser, the footer with the name band and both buttons, and the
// button that Enter presses.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win/editors/editor_fixture.h"

namespace editors::test {
namespace {

struct Dialog {
  int action;
  const char* name;
  const char* group;  // the object-name group
  int groupTop;
  const char* footer;
  const char* ok;
  const char* cancel;
  int bandLeft;         // GradientLabel in the footer
  bool cancelIsDefault;  // Enter presses Cancel (Cancel comes first)
};

// The frame's measures that the Create editor has of its own.
struct Frame {
  int clientHeight, footerTop, shapeHeight, bannerTop;
  int groupBand, groupEdit, objectChooserLeft, cancelTop;
};
const Frame kPropertyFrame{336, 199, 320, 10, 329, 325, 399, 103};
const Frame kCreateFrame{476, 344, 460, 150, 200, 135, 185, 102};

const Dialog kDialogs[] = {
    {1, "TarvexCreate", "Panel1", 8, "pnl1", "ButtonOK50", "ButtonCancel50", 3, false},
    {2, "TarvexDelete", "Panel1", 42, "pnl1", "ButtonOK50", "ButtonCancel50", 3, false},
    {3, "TarvexSetProgress", "pnl1", 42, "pnl3", "btnOK", "btnCancel", 3, false},
    {5, "TarvexSetColor", "Panel1", 8, "pnl1", "ButtonOK50", "ButtonCancel50", 3, false},
    {6, "TarvexSetProgressColor", "Panel1", 42, "pnl1", "ButtonOK50", "ButtonCancel50", 3, true},
    {8, "TarvexSetVisible", "Panel1", 42, "pnl1", "ButtonOK50", "ButtonCancel50", 2, false},
};

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
         "," + std::to_string(r.bottom) + ")";
}

TEST(FrameLayout, EveryElementAtItsDesignPosition) {
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    const Frame& f = d.action == 1 ? kCreateFrame : kPropertyFrame;
    EditRun run = RunEdit(d.action, slots, [&](tk::TForm& form) {
      RECT client{};
      GetClientRect(form.Handle(), &client);
      EXPECT_EQ(client.right, 524);
      EXPECT_EQ(client.bottom, f.clientHeight);
      const int band = 15 * static_cast<int>(std::string(d.name).size());
      const std::string group = d.group;
      const struct {
        std::string component;
        RECT expected;
      } elements[] = {
          {"Shape1", At(8, 8, 80, f.shapeHeight)},
          {"Image2", At(10, f.bannerTop, 76, 316)},
          {group + "Band", At(91, d.groupTop, f.groupBand, 20)},
          {"LEdit1", At(96, d.groupTop + 20, f.groupEdit, 23)},
          {"Kn1", At(91 + f.objectChooserLeft, d.groupTop + 20, 26, 24)},
          {d.footer, At(91, f.footerTop, 430, 134)},
          {"GradientLabel", At(91 + d.bandLeft, f.footerTop, band, 25)},
          {"LabelInfo", At(91 + 9, f.footerTop + 26, 415, 64)},
          {d.ok, At(91 + 272, f.footerTop + 103, 75, 25)},
          {d.cancel, At(91 + 353, f.footerTop + f.cancelTop, 75, 25)},
      };
      for (const auto& e : elements) {
        const RECT found = BoundsOf(form, e.component.c_str());
        EXPECT_TRUE(EqualRect(&found, &e.expected))
            << e.component << ": " << Show(found) << " instead of " << Show(e.expected);
      }
      // Enter presses the first default button of the footer.
      HWND expected = reinterpret_cast<HWND>(SendMessageW(
          form.Handle(), tk::FindComponentMessage(),
          reinterpret_cast<WPARAM>(d.cancelIsDefault ? d.cancel : d.ok), 0));
      LRESULT def = SendMessageW(form.Handle(), DM_GETDEFID, 0, 0);
      EXPECT_EQ(HIWORD(def), DC_HASDEFID);
      EXPECT_EQ(LOWORD(def), GetDlgCtrlID(expected));
    });
    EXPECT_TRUE(run.opened);
    EXPECT_FALSE(run.result);
  }
}

}  // namespace
}  // namespace editors::test
