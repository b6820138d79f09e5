#include "base/core/encodings.h"

#include <cstdio>

#include "toolkit/core/ascii.h"
#include "toolkit/core/color_names.h"

namespace nb {

namespace {

bool IsBlank(char c) {
  auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

// Reads a quoted item starting at the opening quote; pos ends after the
// closing quote, or at the end of the text when the quote is never closed.
std::string QuotedItem(std::string_view text, std::size_t& pos) {
  std::string item;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        item += '"';
        pos += 2;
        continue;
      }
      ++pos;
      return item;
    }
    item += text[pos++];
  }
  return item;
}

}  // namespace

std::vector<std::string> SplitDelimited(std::string_view text, char delimiter) {
  std::vector<std::string> items;
  std::size_t pos = 0;
  SkipBlanks(text, pos);
  while (pos < text.size()) {
    if (text[pos] == '"') {
      items.push_back(QuotedItem(text, pos));
    } else {
      std::size_t start = pos;
      while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != delimiter) ++pos;
      items.emplace_back(text.substr(start, pos - start));
    }
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == delimiter) {
      if (pos + 1 == text.size()) items.emplace_back();
      ++pos;
      SkipBlanks(text, pos);
    }
  }
  return items;
}

std::vector<std::string> SplitFields(std::string_view text, char delimiter) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  SkipBlanks(text, pos);
  if (pos == text.size()) return fields;
  while (true) {
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == '"') {
      fields.push_back(QuotedItem(text, pos));
      while (pos < text.size() && text[pos] != delimiter) ++pos;
    } else {
      std::size_t start = pos;
      while (pos < text.size() && text[pos] != delimiter) ++pos;
      std::size_t end = pos;
      while (end > start && IsBlank(text[end - 1])) --end;
      fields.emplace_back(text.substr(start, end - start));
    }
    if (pos == text.size()) return fields;
    ++pos;  // over the delimiter: another field follows, perhaps empty
  }
}

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  std::string_view rest = text.substr(pos);
  bool hex = false;
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    hex = true;
    rest.remove_prefix(1);
  } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
    hex = true;
    rest.remove_prefix(2);
  }
  if (rest.empty()) return std::nullopt;

  std::uint64_t value = 0;
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (char c : rest) {
    int digit = hex ? tk::HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  // Two's complement wrap: hexadecimal text may name the sign bit.
  auto bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

std::optional<tk::TColor> ParseColourTriple(std::string_view text) {
  std::vector<std::string> items = SplitDelimited(text, ',');
  if (items.size() < 3) return std::nullopt;
  auto blue = ParseIntegerText(items[2]);
  auto green = ParseIntegerText(items[1]);
  auto red = ParseIntegerText(items[0]);
  if (!blue || !green || !red) return std::nullopt;
  return tk::Rgb(*red & 0xFF, *green & 0xFF, *blue & 0xFF);
}

std::string FormatColourTriple(tk::TColor colour) {
  return std::to_string(tk::RedOf(colour)) + "," + std::to_string(tk::GreenOf(colour)) + "," +
         std::to_string(tk::BlueOf(colour));
}

std::optional<tk::TColor> ParseColourValue(std::string_view text) {
  if (auto colour = tk::ColorFromName(text)) return colour;
  return ParseIntegerText(text);
}

std::string FormatColourValue(tk::TColor colour) {
  if (const char* name = tk::ColorName(colour)) return name;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%.8X", static_cast<unsigned>(colour));
  return buffer;
}

}  // namespace nb
