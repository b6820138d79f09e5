// The gauge kinds' one table: each kind's ordinal, script word and stored
// name agree with what scripts, stored descriptions and the Create editor's
// list have always used, and the words are read with their letter case.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "toolkit/core/gauge_kind.h"

namespace tk {
namespace {

TEST(GaugeKinds, OrdinalWordAndStoredNameAgreeInListOrder) {
  const struct {
    TGaugeKind kind;
    int ordinal;
    std::string_view word, stored;
  } expected[] = {
      {gkHorizontalBar, 1, "HorizontalBar", "gkHorizontalBar"},
      {gkNeedle, 4, "Needle", "gkNeedle"},
      {gkPie, 3, "Pie", "gkPie"},
      {gkText, 0, "Text", "gkText"},
      {gkVerticalBar, 2, "VerticalBar", "gkVerticalBar"},
  };
  ASSERT_EQ(std::size(expected), kGaugeKinds.size());
  for (std::size_t i = 0; i < kGaugeKinds.size(); ++i) {
    const auto& e = expected[i];
    SCOPED_TRACE(std::string(e.word));
    EXPECT_EQ(kGaugeKinds[i].kind, e.kind) << "list position " << i;
    EXPECT_EQ(static_cast<int>(e.kind), e.ordinal);
    EXPECT_EQ(kGaugeKinds[i].word, e.word);
    EXPECT_EQ(kGaugeKinds[i].stored, e.stored);
    EXPECT_EQ(kGaugeKindStoredNames[e.ordinal], e.stored);
    EXPECT_EQ(GaugeKindOf(e.kind).word, e.word);
    EXPECT_EQ(GaugeKindFromWord(e.word), e.kind);
  }
}

TEST(GaugeKinds, WordsAreReadExactly) {
  for (std::string_view text : {"pie", "PIE", "Pie ", " Pie", "", "gkPie", "horizontalbar", "[Kind]"})
    EXPECT_EQ(GaugeKindFromWord(text), std::nullopt) << "[" << text << "]";
}

}  // namespace
}  // namespace tk
