// The Create editor as the author works in it: the tab order, a drag of the
// track bar, and the font chooser's font in the preview; the font chooser's
// first font.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/EditDuibl.h"
#include "editors/EditFormFiga.h"
#include "gauge/Gauges.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/edits.h"
#include "toolkit/label.h"
#include "toolkit/track_bar.h"

namespace editors::test {
namespace {

std::vector<const char*> TenSlots(const char* kind, const char* font) {
  return {"R", kind, nullptr, nullptr, nullptr, nullptr, nullptr, font, nullptr, nullptr};
}

HWND Window(tk::TForm& form, const char* name) {
  return reinterpret_cast<HWND>(
      SendMessageW(form.Handle(), tk::FindComponentMessage(), reinterpret_cast<WPARAM>(name), 0));
}

TEST(CreateEditorDialog, TabGoesThroughTheFieldsInTheListedOrder) {
  Slots slots(TenSlots(nullptr, nullptr));
  EditRun run = RunEdit(1, slots, [](tk::TForm& form) {
    const char* order[] = {"LEdit1",    "ButtonOK50", "ButtonCancel50", "SpinEdit2", "ComboBox1",
                           "LEdit2",    "LEdit3",     "SpinEdit1",      "LEdit4",    "LEdit5",
                           "TrackBar1", "SpinEdit3",  "CheckBox1",      "CheckBox2"};
    const std::size_t n = std::size(order);
    for (std::size_t i = 0; i < n; ++i) {
      HWND next = GetNextDlgTabItem(form.Handle(), Window(form, order[i]), FALSE);
      EXPECT_EQ(next, Window(form, order[(i + 1) % n])) << "after " << order[i];
    }
  });
  EXPECT_TRUE(run.opened);
}

// Each step of a drag draws the preview once, at once, and leaves nothing of
// the dialog to erase and redraw later: no flicker while dragging.
TEST(CreateEditorDialog, ADragOfTheTrackBarDrawsThePreviewOnce) {
  Slots slots(TenSlots("VerticalBar", nullptr));
  RunEdit(1, slots, [](tk::TForm& form) {
    TFormFiga& f = dynamic_cast<TFormFiga&>(form);
    HWND bar = f.TrackBar1->Handle();
    for (int position : {5, 4, 3, 2, 1, 0, 10}) {
      UpdateWindow(form.Handle());
      const unsigned paints = f.Gauge1->PaintCount();
      SendMessageW(bar, TBM_SETPOS, TRUE, position);
      SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                   reinterpret_cast<LPARAM>(bar));
      EXPECT_EQ(f.Gauge1->Progress(), position);
      EXPECT_EQ(f.Gauge1->PaintCount(), paints + 1) << position;
      EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE)) << position;
    }
  });
}

// Confirms the system font dialog with its own font once it is open.
void CALLBACK ConfirmFontDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowA("#32770", nullptr);
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// The run time sets exactly the styles of a font spec, so the preview takes
// exactly the chosen font's: a bold underlined preview becomes regular when
// the dialog's regular font is chosen.
TEST(CreateEditorDialog, TheFontChooserGivesThePreviewExactlyTheChosenStyles) {
  Slots slots(TenSlots("Text", "Arial|clRed|12|fsBold fsUnderline |204"));
  RunEdit(1, slots, [](tk::TForm& form) {
    TFormFiga& f = dynamic_cast<TFormFiga&>(form);
    EXPECT_EQ(f.Gauge1->Font().style, tk::fsBold | tk::fsUnderline);
    SetTimer(nullptr, 0, 20, &ConfirmFontDialog);
    f.SpeedButton7Click();
    EXPECT_EQ(f.LabelFont->Font().style, 0);
    EXPECT_EQ(f.Gauge1->Font().style, 0);
    EXPECT_EQ(f.Gauge1->Font().name, f.LabelFont->Font().name);
    // The field has the font text of a font without style words.
    EXPECT_NE(f.LEdit5->Text().find("||"), std::string::npos) << f.LEdit5->Text();
  });
}

// The font chooser opens with a font of its own, given in the design's
// pixels (11 in the Create editor, 13 in the SetFont editor). On a scaled
// screen it keeps its size in points, as the rest of the dialog keeps its
// size on the screen.
TEST(FontChooserFirstFont, KeepsItsSizeInPointsOnEveryScreen) {
  const struct {
    int action;
    std::vector<const char*> slots;
    const char* points;
  } cases[] = {
      {1, TenSlots("Text", nullptr), "8"},
      {7, {"Rect1", nullptr}, "10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    Slots slots(c.slots);
    std::string spec;
    EditRun run = RunEdit(c.action, slots, [&](tk::TForm& form) {
      SetTimer(nullptr, 0, 20, &ConfirmFontDialog);
      if (auto* create = dynamic_cast<TFormFiga*>(&form)) {
        create->SpeedButton7Click();
        spec = create->LEdit5->Text();
      } else {
        auto& setFont = dynamic_cast<TDublForm&>(form);
        setFont.SpeedButton7Click();
        spec = setFont.LEdit2->Text();
      }
    });
    EXPECT_TRUE(run.opened);
    // Name|colour|size|styles|charset
    const std::size_t size = spec.find('|', spec.find('|') + 1) + 1;
    EXPECT_EQ(spec.substr(size, spec.find('|', size) - size), c.points) << spec;
  }
}

}  // namespace
}  // namespace editors::test
