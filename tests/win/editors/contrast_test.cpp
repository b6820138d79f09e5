// The editors under a contrast theme: an open Create editor draws its
// decoration and its preview gauge in the theme's colours when the theme is
// turned on, and its own again when it is turned off, without reopening;
// every editor writes back the bytes it was given, theme on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/EditFormFiga.h"
#include "host/contrast_theme.h"
#include "tests/support/print_client.h"
#include "tests/win/editors/editor_fixture.h"

namespace editors::test {
namespace {

using host::ContrastPalette;
using host::ContrastTheme;

// Inside the preview's fill (a horizontal bar at 60 %), and inside the band
// above the picture column.
constexpr POINT kPreviewFill{380, 117};
constexpr POINT kColumnBand{40, 40};

bool Pending(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

TEST(EditorContrast, AnOpenEditorFollowsTheTheme) {
  for (ContrastPalette palette : {ContrastPalette::WhiteOnBlack, ContrastPalette::BlackOnWhite}) {
    SCOPED_TRACE(palette == ContrastPalette::WhiteOnBlack ? "white on black" : "black on white");
    Slots slots({"R", "HorizontalBar", "220,40,40", "255,230,200", "240,240,240", "0", "10", "Arial|clBlack|12|fsBold|0",
                 "6", "False|False"});
    EditRun run = RunEdit(1, slots, [&](tk::TForm& form) {
      const HWND dialog = form.Handle();
      auto authors = tarvex::test::PrintClient(dialog);
      const COLORREF fill = authors->At(kPreviewFill.x, kPreviewFill.y);
      const COLORREF band = authors->At(kColumnBand.x, kColumnBand.y);
      EXPECT_EQ(fill, RGB(220, 40, 40));

      UpdateWindow(dialog);
      ContrastTheme theme(GetModuleHandleW(nullptr), palette);
      EXPECT_TRUE(Pending(dialog)) << "the dialog is to be drawn again";
      auto themed = tarvex::test::PrintClient(dialog);
      EXPECT_EQ(themed->At(kPreviewFill.x, kPreviewFill.y), theme.Color(COLOR_HIGHLIGHT));
      EXPECT_EQ(themed->At(kColumnBand.x, kColumnBand.y), theme.Color(COLOR_BTNFACE));
      // The whole preview (pictures elsewhere may hold any colour).
      const RECT preview = BoundsOf(form, "Gauge1");
      for (int y = preview.top; y < preview.bottom; ++y)
        for (int x = preview.left; x < preview.right; ++x) {
          const COLORREF c = themed->At(x, y);
          ASSERT_TRUE(c != RGB(220, 40, 40) && c != RGB(255, 230, 200) && c != RGB(240, 240, 240))
              << "an author's colour at " << x << ", " << y;
        }

      UpdateWindow(dialog);
      theme.TurnOff();
      EXPECT_TRUE(Pending(dialog)) << "the dialog is to be drawn again";
      auto after = tarvex::test::PrintClient(dialog);
      EXPECT_EQ(after->At(kPreviewFill.x, kPreviewFill.y), fill);
      EXPECT_EQ(after->At(kColumnBand.x, kColumnBand.y), band);
      theme.TurnOn();  // and on again for the end of the dialog
    });
    EXPECT_TRUE(run.opened);
  }
}

TEST(EditorContrast, EveryEditorWritesBackWhatItWasGivenThemeOn) {
  const struct {
    int action;
    std::vector<const char*> texts;
  } editors[] = {
      {1, {"Rect[N]", "Pie", "220,40,40", "255,230,200", "[Back]", "0", "[Max]", "Arial|clBlack|12|fsBold|0", "90",
           "False|True"}},
      {2, {"Rect[N]"}},
      {3, {"Rect[N]", "[Count]"}},
      {4, {"Rect[N]", "-5", "[Max]"}},
      {5, {"Rect[N]", "10,20,30", "[Outside]"}},
      {6, {"Rect[N]", "200,100,0"}},
      {7, {"Rect[N]", "Tahoma|clRed|9||0"}},
      {8, {"Rect[N]", "Hide"}},
  };
  ContrastTheme theme(GetModuleHandleW(nullptr), ContrastPalette::WhiteOnBlack);
  for (const auto& editor : editors) {
    SCOPED_TRACE("action " + std::to_string(editor.action));
    Slots slots(editor.texts);
    EditRun run = RunEdit(editor.action, slots, nullptr, Ending::Ok);
    EXPECT_TRUE(run.result);
    for (std::size_t i = 0; i < editor.texts.size(); ++i)
      EXPECT_STREQ(slots[i], editor.texts[i]) << "slot " << i;
  }
}

}  // namespace
}  // namespace editors::test
