#include <gtest/gtest.h>

#include <string>

#include "base/core/font_spec.h"

namespace {

using nb::ApplyFontSpec;
using nb::FontSpecResult;
using nb::FormatFontSpec;

constexpr int kScreenPpi = 96;

tk::FontRecord BaseFont() {
  tk::FontRecord f;
  f.name = "MS Sans Serif";
  f.color = tk::clWindowText;
  f.height = -11;
  f.style = 0;
  f.charset = tk::DEFAULT_CHARSET_VALUE;
  return f;
}

tk::FontRecord With(std::string name, tk::TColor colour, int points, std::uint8_t style,
                    std::uint8_t charset, int ppi = kScreenPpi) {
  tk::FontRecord f = BaseFont();
  f.name = std::move(name);
  f.color = colour;
  f.SetSize(points, ppi);
  f.style = style;
  f.charset = charset;
  return f;
}

struct SpecCase {
  const char* fontText;
  FontSpecResult result;
  tk::FontRecord font;  // expected, starting from BaseFont()
};

TEST(ApplyFontSpec, SetsFieldsUntilTheFirstBadOne) {
  tk::FontRecord nameAndColour = BaseFont();
  nameAndColour.name = "Arial";
  nameAndColour.color = tk::clRed;
  tk::FontRecord nameOnly = BaseFont();
  nameOnly.name = "Arial";
  tk::FontRecord allButCharset = With("Arial", tk::clRed, 12, tk::fsBold, tk::DEFAULT_CHARSET_VALUE);

  const SpecCase cases[] = {
      {"Arial|clRed|12|fsBold fsItalic |204", FontSpecResult::Applied,
       With("Arial", tk::clRed, 12, tk::fsBold | tk::fsItalic, 204)},
      {"Arial|clBlack|10|fsBold fsItalic |204", FontSpecResult::Applied,
       With("Arial", tk::clBlack, 10, tk::fsBold | tk::fsItalic, 204)},
      {"Times New Roman|clBlack|10||204", FontSpecResult::Applied,
       With("Times New Roman", tk::clBlack, 10, 0, 204)},
      {" Times New Roman | clBlack | 10 |  | 204 ", FontSpecResult::Applied,
       With("Times New Roman", tk::clBlack, 10, 0, 204)},
      {"\tMS  Sans Serif\t|clBlack|8|fsBold|0", FontSpecResult::Applied,
       With("MS  Sans Serif", tk::clBlack, 8, tk::fsBold, 0)},
      {"Arial|$000000FF|8||0", FontSpecResult::Applied, With("Arial", tk::clRed, 8, 0, 0)},
      {"Arial|clred|8||0", FontSpecResult::Applied, With("Arial", tk::clRed, 8, 0, 0)},
      {"Arial|clRed|8| fsUnderline\tfsStrikeOut  |$1CC", FontSpecResult::Applied,
       With("Arial", tk::clRed, 8, tk::fsUnderline | tk::fsStrikeOut, 0xCC)},
      {"Arial|clRed|8|fsUnderlinefsStrikeOut fsItalicX fsItalic|0", FontSpecResult::Applied,
       With("Arial", tk::clRed, 8, tk::fsItalic, 0)},
      {"Arial|clRed|8|fsbold FSITALIC|0|extra|items", FontSpecResult::Applied,
       With("Arial", tk::clRed, 8, 0, 0)},
      {"Arial|clRed|12", FontSpecResult::TooFewFields, BaseFont()},
      {"", FontSpecResult::TooFewFields, BaseFont()},
      {"Arial|clRed|big|fsBold|0", FontSpecResult::BadSize, nameAndColour},
      {"Arial|red|12|fsBold|0", FontSpecResult::BadColour, nameOnly},
      {"Arial|clRed|12|fsBold|cyrillic", FontSpecResult::BadCharset, allButCharset},
      {"Arial|clRed|12|fsBold|", FontSpecResult::BadCharset, allButCharset},
      {"Arial|cl Red|12|fsBold|0", FontSpecResult::BadColour, nameOnly},
  };
  for (const auto& c : cases) {
    tk::FontRecord font = BaseFont();
    EXPECT_EQ(ApplyFontSpec(c.fontText, font, kScreenPpi), c.result) << c.fontText;
    EXPECT_EQ(font, c.font) << c.fontText;
  }
}

// The style field replaces the font's styles: a bold font is made regular
// by a font text without styles.
TEST(ApplyFontSpec, StyleFieldSetsExactlyItsStyles) {
  const struct {
    const char* styles;
    std::uint8_t result;
  } cases[] = {
      {"", 0},
      {"fsItalic", tk::fsItalic},
      {"fsItalic fsBold ", tk::fsBold | tk::fsItalic},
      {"fsStrikeOut", tk::fsStrikeOut},
      {"bold", 0},
  };
  for (const auto& c : cases) {
    tk::FontRecord font = BaseFont();
    font.style = tk::fsBold | tk::fsUnderline;
    const std::string fontText = std::string("Arial|clBlack|10|") + c.styles + "|0";
    ASSERT_EQ(ApplyFontSpec(fontText, font, kScreenPpi), FontSpecResult::Applied) << fontText;
    EXPECT_EQ(font.style, c.result) << fontText;
  }
  tk::FontRecord stopped = BaseFont();
  stopped.style = tk::fsBold;
  ASSERT_EQ(ApplyFontSpec("Arial|clBlack|big||0", stopped, kScreenPpi), FontSpecResult::BadSize);
  EXPECT_EQ(stopped.style, tk::fsBold) << "a font text stopped before its styles leaves them";
}

TEST(ApplyFontSpec, SizeInPointsFollowsTheScreenResolution) {
  const struct {
    int ppi;
    const char* fontText;
    int height;
  } cases[] = {
      {96, "A|0|8||0", -11},   {120, "A|0|8||0", -13}, {96, "A|0|12||0", -16},
      {144, "A|0|10||0", -20}, {96, "A|0|-12||0", 16}, {96, "A|0|0||0", 0},
  };
  for (const auto& c : cases) {
    tk::FontRecord font = BaseFont();
    ApplyFontSpec(c.fontText, font, c.ppi);
    EXPECT_EQ(font.height, c.height) << c.fontText << " at " << c.ppi;
  }
}

TEST(FormatFontSpec, JoinsTheFiveFields) {
  const struct {
    const char* face;
    tk::TColor colour;
    int points;
    std::uint8_t styles;
    int charset;
    const char* fontText;
  } cases[] = {
      {"Arial", tk::clRed, 12, tk::fsBold | tk::fsItalic, 204, "Arial|clRed|12|fsBold fsItalic |204"},
      {"Arial", tk::clBlack, 10, tk::fsBold | tk::fsItalic, 204, "Arial|clBlack|10|fsBold fsItalic |204"},
      {"Times New Roman", 0x563412, 9, 0, 0, "Times New Roman|$00563412|9||0"},
      {"X", tk::clWindowText, 8, tk::fsStrikeOut | tk::fsUnderline | tk::fsBold | tk::fsItalic, 1,
       "X|clWindowText|8|fsBold fsItalic fsUnderline fsStrikeOut |1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFontSpec(c.face, c.colour, c.points, c.styles, c.charset), c.fontText);
}

TEST(FontSpec, WrittenSpecReadsBackToTheSameFont) {
  for (const char* face : {"Courier", "Times New Roman", "\xC0\xF0\xE8\xE0\xEB Cyr"}) {
    for (std::uint8_t styles : {0, tk::fsItalic | tk::fsStrikeOut, 15}) {
      tk::FontRecord written = With(face, 0x00123456, 14, styles, 238);
      std::string fontText = FormatFontSpec(written.name, written.color, written.Size(kScreenPpi),
                                        written.style, written.charset);
      tk::FontRecord read = BaseFont();
      read.style = tk::fsBold;
      ASSERT_EQ(ApplyFontSpec(fontText, read, kScreenPpi), FontSpecResult::Applied) << fontText;
      EXPECT_EQ(read, written) << fontText;
    }
  }
}

}  // namespace
