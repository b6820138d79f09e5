// The editors' built-in texts are the Windows-1251 bytes of the Russian
// captions and descriptions, and every key is one of the twenty in use.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "editors/core/editor_texts.h"
#include "editors/core/number_field.h"

namespace editors {
namespace {

// Windows-1251 to UTF-8 for ASCII and the Cyrillic letters А..я, enough for
// these texts; any other byte shows as '?'.
std::string Utf8FromCp1251(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c >= 0xC0) {
      const unsigned code = 0x410 + (c - 0xC0);
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += '?';
    }
  }
  return out;
}

TEST(EditorTexts, TheEightEditorsInActionOrder) {
  const struct {
    std::string_view name, key, info;
  } expected[] = {
      {"TarvexCreate", "012*", "Создать объект Gauge в прямоугольнике."},
      {"TarvexDelete", "013*", "Удалить объект Gauge."},
      {"TarvexSetProgress", "014*", "Установить позицию прогресса для объекта Tarvex."},
      {"TarvexSetValue", "015*", "Установить минимальное и максимальное значение для объекта Gauge."},
      {"TarvexSetColor", "016*",
       "Установить цвет фона и цвет частей прямоугольника не входящих в объект \"Tarvex\"."},
      {"TarvexSetProgressColor", "017*", "Установить цвет прогресса для объекта Gauge."},
      {"TarvexSetFont", "018*", "Установить шрифт для объекта Gauge."},
      {"TarvexSetVisible", "019*", "Показать / Скрыть объект Gauge."},
  };
  ASSERT_EQ(EditorTable().size(), std::size(expected));
  for (int action = 1; action <= 8; ++action) {
    SCOPED_TRACE(action);
    const EditorInfo* editor = FindEditor(action);
    ASSERT_NE(editor, nullptr);
    const auto& e = expected[action - 1];
    EXPECT_EQ(editor->action, action);
    EXPECT_EQ(editor->name, e.name);
    EXPECT_EQ(editor->info.key, e.key);
    EXPECT_EQ(Utf8FromCp1251(editor->info.builtIn), e.info);
  }
  EXPECT_EQ(FindEditor(0), nullptr);
  EXPECT_EQ(FindEditor(9), nullptr);
}

TEST(EditorTexts, FieldCaptions) {
  const struct {
    const LocalisedText& text;
    std::string_view key, caption;
  } expected[] = {
      {captions::kObjectName, "001*", "Выбор прямоугольника:"},
      {captions::kProgress, "009*", "Значение прогресса:"},
      {captions::kMinimum, "006*", "Min значение:"},
      {captions::kMaximum, "007*", "Max значение:"},
      {captions::kBackColour, "004*", "Цвет фона:"},
      {captions::kOutsideColour, "005*", "Цвет частей прямоугольника не входящих в объект:"},
      {captions::kProgressColour, "003*", "Цвет прогресса:"},
      {captions::kFont, "008*", "Шрифт:"},
      {captions::kShowHide, "000*", "Show \\ Hide:"},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(e.text.key, e.key);
    EXPECT_EQ(Utf8FromCp1251(e.text.builtIn), e.caption);
  }
}

TEST(EditorTexts, NameBandIsFifteenPixelsPerCharacter) {
  EXPECT_EQ(NameBandWidth("TarvexCreate"), 180);
  EXPECT_EQ(NameBandWidth("TarvexSetProgressColor"), 330);
}

TEST(NumberField, ReadsIntegerTextAsTheRunTimeDoes) {
  const struct {
    const char* text;
    std::optional<std::int64_t> value;
  } cases[] = {
      {"0", 0},          {"1999999999", 1999999999}, {"  42", 42},   {"+7", 7},
      {"-5", -5},        {"$FF", 255},               {"0x10", 16},   {"$FFFFFFFF", -1},
      {"", std::nullopt}, {"abc", std::nullopt},      {"[Count]", std::nullopt},
      {"12 ", std::nullopt}, {"9999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadNumberText(c.text), c.value);
  }
}

}  // namespace
}  // namespace editors
