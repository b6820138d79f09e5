// The Create editor's kinds list and its reading and writing of the flag
// pair.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editors/core/create_editor.h"

namespace editors {
namespace {

TEST(KindRows, ExactNamesOnlyAndTheTextKindsTwoTops) {
  ASSERT_NE(FindKindRow("Text"), nullptr);
  EXPECT_EQ(PreviewTop(*FindKindRow("Text"), true), 66);
  EXPECT_EQ(PreviewTop(*FindKindRow("Text"), false), 60);
  EXPECT_EQ(PreviewTop(*FindKindRow("Needle"), true), 96);
  EXPECT_EQ(FindKindRow("VerticalBar")->left, 424);
  for (const char* text : {"pie", "PIE", "", " Pie", "[Kind]"}) EXPECT_EQ(FindKindRow(text), nullptr) << text;
}

// Stored slot, author's clicks -> ticks at open and the pair written back
// with the boxes as they were opened (or toggled where clicked).
TEST(FlagPair, ReadTickAndWriteBack) {
  const struct {
    std::optional<std::string> slot;
    bool clickText, clickGauge;
    bool tickText, tickGauge;  // at open
    std::string written;       // after the clicks
  } cases[] = {
      {std::nullopt, false, false, false, false, "False|False"},
      {"TRUE|true", false, false, true, true, "True|True"},
      {"True", false, false, true, false, "True|False"},
      {"", false, false, false, false, "False|False"},
      {"false|FALSE", false, false, false, false, "False|False"},
      {"[HideText]|True", false, false, false, true, "[HideText]|True"},
      {"[HideText]|[HideGauge]", true, false, false, false, "True|[HideGauge]"},
      {"yes|no", false, true, false, false, "yes|True"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot.value_or("nil"));
    FlagTexts texts = ReadFlagTexts(c.slot ? std::optional<std::string_view>(*c.slot) : std::nullopt);
    const bool text = FlagTicks(texts.hideText), gauge = FlagTicks(texts.hideGauge);
    EXPECT_EQ(text, c.tickText);
    EXPECT_EQ(gauge, c.tickGauge);
    const std::string written = FlagToWrite(texts.hideText, c.clickText ? !text : text, c.clickText) + "|" +
                                FlagToWrite(texts.hideGauge, c.clickGauge ? !gauge : gauge, c.clickGauge);
    EXPECT_EQ(written, c.written);
  }
}

}  // namespace
}  // namespace editors
