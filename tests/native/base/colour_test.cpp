#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "base/core/encodings.h"
#include "toolkit/core/color_names.h"

namespace {

using nb::FormatColourTriple;
using nb::FormatColourValue;
using nb::ParseColourTriple;
using nb::ParseColourValue;

struct TripleCase {
  const char* text;
  std::optional<tk::TColor> colour;
};

TEST(ParseColourTriple, ReadsRedGreenBlueLowBytes) {
  const TripleCase cases[] = {
      {"255,0,0", 0x0000FF},
      {"0,0,255", 0xFF0000},
      {"255,128,0", 0x0080FF},
      {"256,0,0", 0x000000},
      {"-1,0,0", 0x0000FF},
      {"10,20,30", 0x1E140A},
      {"10 20 30", 0x1E140A},
      {"10, 20, 30", 0x1E140A},
      {"10,20,30,40", 0x1E140A},
      {"$FF,0,0", 0x0000FF},
      {"0x10,x20,$30", 0x302010},
      {"-2147483648,0,0", 0x000000},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColourTriple(c.text), c.colour) << "[" << c.text << "]";
}

TEST(ParseColourTriple, RejectsShortOrNonNumericTriples) {
  const char* invalid[] = {"10,20", "", "255", "a,b,c", "10,20,x", "x,20,30", "10,,30", "1.5,2,3"};
  for (const char* text : invalid)
    EXPECT_EQ(ParseColourTriple(text), std::nullopt) << "[" << text << "]";
}

TEST(FormatColourTriple, WritesDecimalComponentsWithoutBlanks) {
  const struct {
    tk::TColor colour;
    const char* text;
  } cases[] = {
      {0x0080FF, "255,128,0"},
      {0x000000, "0,0,0"},
      {0xFFFFFF, "255,255,255"},
      {0x563412, "18,52,86"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatColourTriple(c.colour), c.text);
    EXPECT_EQ(ParseColourTriple(c.text), c.colour) << c.text;
  }
}

TEST(ColourIdentifiers, FiftyTwoUniqueNamesInSearchOrder) {
  const auto table = tk::ColorIdentifiers();
  ASSERT_EQ(table.size(), 52u);
  const char* order[] = {
      "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal", "clGray",
      "clSilver", "clRed", "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite",
      "clMoneyGreen", "clSkyBlue", "clCream", "clMedGray", "clActiveBorder", "clActiveCaption",
      "clAppWorkSpace", "clBackground", "clBtnFace", "clBtnHighlight", "clBtnShadow", "clBtnText",
      "clCaptionText", "clDefault", "clGradientActiveCaption", "clGradientInactiveCaption",
      "clGrayText", "clHighlight", "clHighlightText", "clHotLight", "clInactiveBorder",
      "clInactiveCaption", "clInactiveCaptionText", "clInfoBk", "clInfoText", "clMenu",
      "clMenuBar", "clMenuHighlight", "clMenuText", "clNone", "clScrollBar", "cl3DDkShadow",
      "cl3DLight", "clWindow", "clWindowFrame", "clWindowText"};
  for (std::size_t i = 0; i < table.size(); ++i) EXPECT_STREQ(table[i].name, order[i]) << i;
  std::set<tk::TColor> values;
  for (const auto& e : table) values.insert(e.value);
  EXPECT_EQ(values.size(), table.size()) << "each value names one identifier";
}

struct ValueCase {
  const char* text;
  tk::TColor value;
};

TEST(ColourValue, IdentifiersAndTheirValues) {
  const ValueCase cases[] = {
      {"clBlack", 0x00000000},         {"clMaroon", 0x00000080},        {"clGreen", 0x00008000},
      {"clOlive", 0x00008080},         {"clNavy", 0x00800000},          {"clPurple", 0x00800080},
      {"clTeal", 0x00808000},          {"clGray", 0x00808080},          {"clSilver", 0x00C0C0C0},
      {"clRed", 0x000000FF},           {"clLime", 0x0000FF00},          {"clYellow", 0x0000FFFF},
      {"clBlue", 0x00FF0000},          {"clFuchsia", 0x00FF00FF},       {"clAqua", 0x00FFFF00},
      {"clWhite", 0x00FFFFFF},         {"clMoneyGreen", 0x00C0DCC0},    {"clSkyBlue", 0x00F0CAA6},
      {"clCream", 0x00F0FBFF},         {"clMedGray", 0x00A4A0A0},
      {"clScrollBar", tk::SystemColor(0)},   {"clBackground", tk::SystemColor(1)},
      {"clActiveCaption", tk::SystemColor(2)}, {"clInactiveCaption", tk::SystemColor(3)},
      {"clMenu", tk::SystemColor(4)},        {"clWindow", tk::SystemColor(5)},
      {"clWindowFrame", tk::SystemColor(6)}, {"clMenuText", tk::SystemColor(7)},
      {"clWindowText", tk::SystemColor(8)},  {"clCaptionText", tk::SystemColor(9)},
      {"clActiveBorder", tk::SystemColor(10)}, {"clInactiveBorder", tk::SystemColor(11)},
      {"clAppWorkSpace", tk::SystemColor(12)}, {"clHighlight", tk::SystemColor(13)},
      {"clHighlightText", tk::SystemColor(14)}, {"clBtnFace", tk::SystemColor(15)},
      {"clBtnShadow", tk::SystemColor(16)},  {"clGrayText", tk::SystemColor(17)},
      {"clBtnText", tk::SystemColor(18)},    {"clInactiveCaptionText", tk::SystemColor(19)},
      {"clBtnHighlight", tk::SystemColor(20)}, {"cl3DDkShadow", tk::SystemColor(21)},
      {"cl3DLight", tk::SystemColor(22)},    {"clInfoText", tk::SystemColor(23)},
      {"clInfoBk", tk::SystemColor(24)},     {"clHotLight", tk::SystemColor(26)},
      {"clGradientActiveCaption", tk::SystemColor(27)},
      {"clGradientInactiveCaption", tk::SystemColor(28)},
      {"clMenuHighlight", tk::SystemColor(29)}, {"clMenuBar", tk::SystemColor(30)},
      {"clNone", 0x1FFFFFFF},          {"clDefault", 0x20000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseColourValue(c.text), c.value) << c.text;
    EXPECT_EQ(FormatColourValue(c.value), c.text) << c.text;
  }
}

TEST(ColourValue, ReadsIdentifiersIgnoringAsciiCaseOrIntegerText) {
  const struct {
    const char* text;
    std::optional<tk::TColor> value;
  } cases[] = {
      {"clred", 0x0000FF},
      {"CLRED", 0x0000FF},
      {"$000000FF", 0x0000FF},
      {"255", 0x0000FF},
      {"$FF000005", tk::clWindow},
      {"-1", -1},
      {"clRedd", std::nullopt},
      {"", std::nullopt},
      {"red", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseColourValue(c.text), c.value) << "[" << c.text << "]";
}

TEST(ColourValue, WritesUnnamedValuesAsEightHexDigits) {
  const ValueCase cases[] = {
      {"$00563412", 0x00563412},
      {"$00000001", 0x00000001},
      {"$FF000019", tk::SystemColor(25)},  // index 25 has no identifier
      {"$FFFFFFFF", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatColourValue(c.value), c.text);
    EXPECT_EQ(ParseColourValue(c.text), c.value) << c.text;
  }
}

}  // namespace
