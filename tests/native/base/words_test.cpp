#include <gtest/gtest.h>

#include <optional>

#include "base/core/encodings.h"
#include "base/core/words.h"
#include "toolkit/core/ascii.h"

namespace {

struct RunTimeFlagCase {
  const char* text;
  std::optional<bool> showText;
  std::optional<bool> visible;
};

TEST(FlagPair, RunTimeAcceptsOnlyExactTrue) {
  const RunTimeFlagCase cases[] = {
      {"", true, true},
      {"True|True", false, false},
      {"True|False", false, true},
      {"False|True", true, false},
      {"False|False", true, true},
      {"true|true", true, true},
      {"TRUE|TRUE", true, true},
      {"True", false, std::nullopt},
      {"False", true, std::nullopt},
      {"True|", false, true},  // trailing delimiter gives an empty second word
      {"|True", true, false},
      {" True | True ", false, false},
      {"True True", false, false},
      {"   ", std::nullopt, std::nullopt},
      {"yes|no|True", true, true},
  };
  for (const auto& c : cases) {
    auto r = nb::ReadFlagPair(c.text);
    EXPECT_EQ(r.showText, c.showText) << "[" << c.text << "]";
    EXPECT_EQ(r.visible, c.visible) << "[" << c.text << "]";
  }
}

TEST(FlagPair, EditorReadingIgnoresAsciiCase) {
  const struct {
    const char* text;
    nb::FlagPairTicks ticks;
  } cases[] = {
      {"", {false, false}},
      {"True|True", {true, true}},
      {"true|true", {true, true}},
      {"TRUE|false", {true, false}},
      {"False|True", {false, true}},
      {"True", {true, false}},
      {"|tRuE", {false, true}},
      {"yes|no", {false, false}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(nb::ReadFlagPairForEditor(c.text), c.ticks) << "[" << c.text << "]";
}

TEST(FlagPair, WriterGivesTheFourWordPairs) {
  EXPECT_EQ(nb::FormatFlagPair(true, true), "True|True");
  EXPECT_EQ(nb::FormatFlagPair(true, false), "True|False");
  EXPECT_EQ(nb::FormatFlagPair(false, true), "False|True");
  EXPECT_EQ(nb::FormatFlagPair(false, false), "False|False");
}

TEST(VisibilityWord, OnlyShowAndHideExactly) {
  const struct {
    const char* text;
    std::optional<bool> visible;
  } cases[] = {
      {"Show", true}, {"Hide", false}, {"show", std::nullopt}, {"HIDE", std::nullopt},
      {"", std::nullopt}, {"Show ", std::nullopt}, {"Shown", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(nb::ParseVisibilityWord(c.text), c.visible) << "[" << c.text << "]";
}

TEST(ObjectName, FoldsAsciiLettersOnly) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"Rect1", "RECT1", true},
      {"rect1", "Rect1", true},
      {"Rect1", "Rect2", false},
      {"Rect1", "Rect1 ", false},
      {"", "", true},
      {"\xC0\xE1\xE2", "\xC0\xE1\xE2", true},   // CP1251, same bytes
      {"\xC0\xE1\xE2", "\xE0\xE1\xE2", false},  // capital and small Cyrillic A
      {"\xC0", "\xE0", false},
      {"[", "{", false},  // 0x5B and 0x7B differ by 32 but are no letters
      {"@", "`", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tk::SameTextAscii(c.a, c.b), c.same) << "[" << c.a << "] [" << c.b << "]";
}

}  // namespace
