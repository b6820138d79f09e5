#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/core/encodings.h"

namespace {

using nb::ParseIntegerText;
using nb::SplitDelimited;
using nb::SplitFields;
using Items = std::vector<std::string>;

struct SplitCase {
  const char* text;
  char delimiter;
  Items items;
};

TEST(SplitDelimited, BlanksAndDelimitersSeparateItems) {
  const SplitCase cases[] = {
      {"255,0,0", ',', {"255", "0", "0"}},
      {"255 0 0", ',', {"255", "0", "0"}},
      {"255, 0, 0", ',', {"255", "0", "0"}},
      {"  255 ,\t0 ,0  ", ',', {"255", "0", "0"}},
      {"", ',', {}},
      {"   ", ',', {}},
      {"1,,2", ',', {"1", "", "2"}},
      {"1,", ',', {"1", ""}},
      {"1, ", ',', {"1"}},  // the trailing empty item needs the delimiter last
      {",", ',', {"", ""}},
      {",1", ',', {"", "1"}},
      {"Arial|clRed|12|fsBold fsItalic |204", '|',
       {"Arial", "clRed", "12", "fsBold", "fsItalic", "204"}},
      {"True|False", '|', {"True", "False"}},
      {"True", '|', {"True"}},
      {"a,b", '|', {"a,b"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitDelimited(c.text, c.delimiter), c.items) << "text [" << c.text << "]";
}

TEST(SplitDelimited, QuotedItemsKeepBlanksAndDelimiters) {
  const SplitCase cases[] = {
      {"\"Times New Roman\"|x", '|', {"Times New Roman", "x"}},
      {"\"a|b\"|c", '|', {"a|b", "c"}},
      {"\"say \"\"hi\"\"\",x", ',', {"say \"hi\"", "x"}},
      {"\"\"", ',', {""}},
      {"\"open", ',', {"open"}},  // never closed: runs to the end
      {"\"ab\"cd,e", ',', {"ab", "cd", "e"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitDelimited(c.text, c.delimiter), c.items) << "text [" << c.text << "]";
}

// The font spec's fields: only the delimiter separates; blanks are trimmed
// at both ends of each field and kept inside.
TEST(SplitFields, OnlyTheDelimiterSeparatesAndEndsAreTrimmed) {
  const SplitCase cases[] = {
      {"Times New Roman|clBlack|10||204", '|', {"Times New Roman", "clBlack", "10", "", "204"}},
      {"  Times New Roman \t| clBlack |10| fsBold fsItalic |204 ", '|',
       {"Times New Roman", "clBlack", "10", "fsBold fsItalic", "204"}},
      {"Times\tNew  Roman|x", '|', {"Times\tNew  Roman", "x"}},
      {"", '|', {}},
      {" \t ", '|', {}},
      {"a", '|', {"a"}},
      {"a|", '|', {"a", ""}},
      {"a| ", '|', {"a", ""}},
      {"|", '|', {"", ""}},
      {" | |", '|', {"", "", ""}},
      {"\"a|b\" |c", '|', {"a|b", "c"}},
      {" \"Times New Roman\" x|c", '|', {"Times New Roman", "c"}},
      {"\"say \"\"hi\"\"\"|c", '|', {"say \"hi\"", "c"}},
      {"a,b|c", '|', {"a,b", "c"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitFields(c.text, c.delimiter), c.items) << "text [" << c.text << "]";
}

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> value;
};

TEST(ParseIntegerText, DecimalWithinSigned32Bits) {
  const IntegerCase cases[] = {
      {"0", 0},
      {"250", 250},
      {"+7", 7},
      {"-7", -7},
      {"   42", 42},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"1999999999", 1999999999},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIntegerText(c.text), c.value) << "[" << c.text << "]";
}

TEST(ParseIntegerText, HexadecimalOverAll32Bits) {
  const IntegerCase cases[] = {
      {"$FF", 255},
      {"$ff", 255},
      {"xFF", 255},
      {"XfF", 255},
      {"0x10", 16},
      {"0X10", 16},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},
      {"$000000FF", 255},
      {"$0000000001", 1},  // leading zeros do not count towards the width
      {"$100000000", std::nullopt},
      {"-$1", -1},
      {"-$FFFFFFFF", 1},
      {"  $10", 16},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIntegerText(c.text), c.value) << "[" << c.text << "]";
}

TEST(ParseIntegerText, RejectsEverythingElse) {
  const char* invalid[] = {
      "",     " ",    "abc",  "12a", "12 ",  " 1 2", "+",   "-",    "$",    "0x",  "x",
      "$G",   "- 5",  "+-5",  "1.5", "1e3",  "\t5",  "0x$1", "00x5", "5-",   "\x31\xB2", "$ 1",
  };
  for (const char* text : invalid) EXPECT_EQ(ParseIntegerText(text), std::nullopt) << "[" << text << "]";
}

}  // namespace
