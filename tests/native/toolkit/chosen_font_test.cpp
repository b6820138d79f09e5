#include "toolkit/core/chosen_font.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(ChosenFont, TheDialogsFontBecomesARecordWithExactlyItsStyles) {
  struct Case {
    const char* what;
    LogFontFields chosen;
    TColor color;
    FontRecord expected;
  };
  const Case cases[] = {
      {"bold italic Cyrillic Arial",
       {-13, 700, true, false, false, 204, "Arial"}, 0x0000FF,
       {"Arial", 0x0000FF, -13, fsBold | fsItalic, 204}},
      {"heavier than bold is bold", {-16, 900, false, false, false, 0, "Arial Black"}, 0,
       {"Arial Black", 0, -16, fsBold, 0}},
      {"semi-bold is not bold", {-16, 600, false, true, true, 1, "Segoe UI"}, 0xFFFFFF,
       {"Segoe UI", 0xFFFFFF, -16, fsUnderline | fsStrikeOut, 1}},
      {"a face with inner blanks and a cell height", {20, 400, false, false, false, 0, "MS Sans Serif"}, 0x102030,
       {"MS Sans Serif", 0x102030, 20, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FontRecord record = FontFromChosen(c.chosen, c.color);
    EXPECT_EQ(record, c.expected);
    // And back: the dialog is preset with what it gave (weights normalised).
    LogFontFields back = ChosenFromFont(record);
    EXPECT_EQ(back.height, c.chosen.height);
    EXPECT_EQ(back.weight, c.chosen.weight >= 700 ? 700 : 400);
    EXPECT_EQ(back.italic, c.chosen.italic);
    EXPECT_EQ(back.underline, c.chosen.underline);
    EXPECT_EQ(back.strikeOut, c.chosen.strikeOut);
    EXPECT_EQ(back.charset, c.chosen.charset);
    EXPECT_EQ(back.faceName, c.chosen.faceName);
  }
}

TEST(ChosenFont, SizeInPointsFollowsTheHeight) {
  FontRecord record = FontFromChosen({-16, 400, false, false, false, 1, "Arial"}, 0);
  EXPECT_EQ(record.Size(96), 12);
  EXPECT_EQ(record.Size(120), 10);
}

}  // namespace
}  // namespace tk
