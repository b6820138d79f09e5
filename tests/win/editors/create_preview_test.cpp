// The Create editor's preview: what the slots give it at open and how the
// kinds list, the boxes and the track bar move it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editors/EditFormFiga.h"
#include "gauge/Gauges.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/buttons.h"
#include "toolkit/lists.h"
#include "toolkit/track_bar.h"

namespace editors::test {
namespace {

using gauges::TGaugeKind;

struct Preview {
  TGaugeKind kind;
  RECT bounds;
  std::optional<tk::TColor> fore, back, color;  // nothing: not checked
  bool showText, visible;
};

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

void ExpectPreview(const gauges::TGauge& g, const Preview& p) {
  EXPECT_EQ(g.Kind(), p.kind);
  const RECT b = g.BoundsRect();
  EXPECT_TRUE(EqualRect(&b, &p.bounds)) << b.left << "," << b.top << " " << b.right - b.left << "x"
                                        << b.bottom - b.top;
  if (p.fore) {
    EXPECT_EQ(g.ForeColor(), *p.fore);
  }
  if (p.back) {
    EXPECT_EQ(g.BackColor(), *p.back);
  }
  if (p.color) {
    EXPECT_EQ(g.Color(), *p.color);
  }
  EXPECT_EQ(g.ShowText(), p.showText);
  EXPECT_EQ(g.Visible(), p.visible);
  EXPECT_EQ(g.Progress(), 6);
  EXPECT_EQ(g.MinValue(), 0);
  EXPECT_EQ(g.MaxValue(), 10);
}

TEST(CreatePreview, OpensFromTheSlots) {
  const tk::TColor red = 0x0000FF, white = 0xFFFFFF, black = 0;
  const struct {
    const char* what;
    std::vector<const char*> slots;
    Preview preview;
  } cases[] = {
      {"all nil", {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
       {gauges::gkVerticalBar, At(373, 60, 130, 130), black, white, white, true, true}},
      {"red horizontal bar", {"R", "HorizontalBar", "255,0,0", "", "", "0", "100", "", "0", "False|False"},
       {gauges::gkHorizontalBar, At(373, 105, 130, 25), red, std::nullopt, std::nullopt, true, true}},
      {"text at 66, 300 modulo 256", {"R", "Text", "300,0,0", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "True"},
       {gauges::gkText, At(373, 66, 130, 130), tk::TColor{44}, white, white, false, true}},
      {"two items keep the design colour", {"R", "pie", "255,0", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "TRUE|true"},
       {gauges::gkVerticalBar, At(373, 60, 130, 130), std::nullopt, white, white, false, false}},
      {"vertical bar", {"R", "VerticalBar", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "False|True"},
       {gauges::gkVerticalBar, At(424, 60, 25, 130), black, white, white, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Slots slots(c.slots);
    EditRun run = RunEdit(1, slots, [&](tk::TForm&) { ExpectPreview(*FormFiga->Gauge1, c.preview); });
    EXPECT_TRUE(run.opened);
  }
}

TEST(CreatePreview, FollowsTheListTheBoxesAndTheTrackBar) {
  Slots slots({"R", "Text", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
  EditRun run = RunEdit(1, slots, [&](tk::TForm&) {
    TFormFiga& f = *FormFiga;
    EXPECT_EQ(f.Gauge1->Top(), 66);
    f.ComboBox1->SetItemIndex(3);  // "Text" again: now at 60
    f.ComboBox1Select();
    EXPECT_EQ(f.Gauge1->Top(), 60);
    f.ComboBox1->SetItemIndex(1);
    f.ComboBox1Select();
    EXPECT_EQ(f.Gauge1->Kind(), gauges::gkNeedle);
    EXPECT_EQ(f.Gauge1->Top(), 96);
    f.CheckBox1->SetChecked(true);
    f.CheckBox1Click();
    EXPECT_FALSE(f.Gauge1->ShowText());
    f.CheckBox2->SetChecked(true);
    f.CheckBox2Click();
    EXPECT_FALSE(f.Gauge1->Visible());
    f.TrackBar1->SetPosition(9);
    f.TrackBar1Change();
    EXPECT_EQ(f.Gauge1->Progress(), 9);
  });
  EXPECT_TRUE(run.opened);
}

}  // namespace
}  // namespace editors::test
