#include "base/core/action_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Russian text as the host expects it: Windows-1251. Only what the
// descriptions use: ASCII and the Cyrillic letters.
std::string ToCp1251(std::u8string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned c = utf8[i];
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    const unsigned code = ((c & 0x1F) << 6) | (static_cast<unsigned>(utf8[i + 1]) & 0x3F);
    i += 2;
    if (code >= 0x410 && code <= 0x44F) out += static_cast<char>(0xC0 + (code - 0x410));
    else if (code == 0x401) out += '\xA8';
    else if (code == 0x451) out += '\xB8';
    else ADD_FAILURE() << "no Windows-1251 letter for U+" << std::hex << code;
  }
  return out;
}

struct ExpectedAction {
  const char* name;
  const char* key;
  std::u8string_view description;
  const char* typeCodes;  // digits, one per parameter
};

const ExpectedAction kExpected[] = {
    {"TarvexCreate", "012*", u8"Создать объект Gauge.", "1111111111"},
    {"TarvexDelete", "013*", u8"Удалить объект Gauge.", "1"},
    {"TarvexSetProgress", "014*", u8"Установить позицию прогресса для объекта Gauge.", "13"},
    {"TarvexSetValue", "015*",
     u8"Установить минимальное и максимальное значение для объекта Gauge.", "133"},
    {"TarvexSetColor", "016*",
     u8"Установить цвет фона и цвет частей прямоугольника не входящих в объект Gauge.", "111"},
    {"TarvexSetProgressColor", "017*", u8"Установить цвет прогресса для объекта \"Tarvex\".",
     "11"},
    {"TarvexSetFont", "018*", u8"Установить шрифт для объекта \"Tarvex\".", "11"},
    {"TarvexSetVisible", "019*", u8"Показать / Скрыть объект \"Tarvex\".", "11"},
};

std::string CodesAsDigits(const nb::ActionInfo& action) {
  std::string digits;
  for (auto code : action.typeCodes) digits += static_cast<char>('0' + code);
  return digits;
}

TEST(ActionTable, HoldsTheEightActionsInOrderByteForByte) {
  const auto table = nb::ActionTable();
  ASSERT_EQ(table.size(), std::size(kExpected));
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    const auto& action = table[i];
    EXPECT_EQ(action.number, i + 1);
    EXPECT_EQ(action.name, kExpected[i].name);
    EXPECT_EQ(action.descriptionKey, kExpected[i].key);
    EXPECT_EQ(action.description, ToCp1251(kExpected[i].description));
    EXPECT_EQ(CodesAsDigits(action), kExpected[i].typeCodes);
    EXPECT_EQ(action.Count(), static_cast<std::int32_t>(action.typeCodes.size()));
  }
}

TEST(ActionTable, NamesAndDescriptionsCanBeHandedOverAsCStrings) {
  for (const auto& action : nb::ActionTable()) {
    SCOPED_TRACE(action.name);
    EXPECT_EQ(action.name.data()[action.name.size()], '\0');
    EXPECT_EQ(action.description.data()[action.description.size()], '\0');
  }
}

TEST(ActionTable, FindsOnlyNumbersOneToEight) {
  struct Case {
    std::uint32_t number;
    bool found;
  };
  const Case cases[] = {{0, false}, {1, true}, {5, true}, {8, true}, {9, false},
                        {0xFFFFFFFFu, false},  // -1 from the host, taken as unsigned
                        {0x80000001u, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    const auto* action = nb::FindAction(c.number);
    ASSERT_EQ(action != nullptr, c.found);
    if (action) {
      EXPECT_EQ(action->number, c.number);
    }
  }
}

}  // namespace
