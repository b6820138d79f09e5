#include "runtime/core/encodings.h"

#include <cstdio>

namespace runtime {

namespace {

bool IsBlank(char c) {
  auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
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
  auto skipBlanks = [&] {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
  };
  skipBlanks();
  while (pos < text.size()) {
    if (text[pos] == '"') {
      items.push_back(QuotedItem(text, pos));
    } else {
      std::size_t start = pos;
      while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != delimiter) ++pos;
      items.emplace_back(text.substr(start, pos - start));
    }
    skipBlanks();
    if (pos < text.size() && text[pos] == delimiter) {
      if (pos + 1 == text.size()) items.emplace_back();
      ++pos;
      skipBlanks();
    }
  }
  return items;
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
    int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
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

const std::vector<ColourIdentifier>& ColourIdentifiers() {
  using tk::SystemColor;
  static const std::vector<ColourIdentifier> table = {
      {"clBlack", 0x000000},
      {"clMaroon", 0x000080},
      {"clGreen", 0x008000},
      {"clOlive", 0x008080},
      {"clNavy", 0x800000},
      {"clPurple", 0x800080},
      {"clTeal", 0x808000},
      {"clGray", 0x808080},
      {"clSilver", 0xC0C0C0},
      {"clRed", 0x0000FF},
      {"clLime", 0x00FF00},
      {"clYellow", 0x00FFFF},
      {"clBlue", 0xFF0000},
      {"clFuchsia", 0xFF00FF},
      {"clAqua", 0xFFFF00},
      {"clWhite", 0xFFFFFF},
      {"clMoneyGreen", 0xC0DCC0},
      {"clSkyBlue", 0xF0CAA6},
      {"clCream", 0xF0FBFF},
      {"clMedGray", 0xA4A0A0},
      {"clActiveBorder", SystemColor(10)},
      {"clActiveCaption", SystemColor(2)},
      {"clAppWorkSpace", SystemColor(12)},
      {"clBackground", SystemColor(1)},
      {"clBtnFace", SystemColor(15)},
      {"clBtnHighlight", SystemColor(20)},
      {"clBtnShadow", SystemColor(16)},
      {"clBtnText", SystemColor(18)},
      {"clCaptionText", SystemColor(9)},
      {"clDefault", tk::clDefault},
      {"clGradientActiveCaption", SystemColor(27)},
      {"clGradientInactiveCaption", SystemColor(28)},
      {"clGrayText", SystemColor(17)},
      {"clHighlight", SystemColor(13)},
      {"clHighlightText", SystemColor(14)},
      {"clHotLight", SystemColor(26)},
      {"clInactiveBorder", SystemColor(11)},
      {"clInactiveCaption", SystemColor(3)},
      {"clInactiveCaptionText", SystemColor(19)},
      {"clInfoBk", SystemColor(24)},
      {"clInfoText", SystemColor(23)},
      {"clMenu", SystemColor(4)},
      {"clMenuBar", SystemColor(30)},
      {"clMenuHighlight", SystemColor(29)},
      {"clMenuText", SystemColor(7)},
      {"clNone", tk::clNone},
      {"clScrollBar", SystemColor(0)},
      {"cl3DDkShadow", SystemColor(21)},
      {"cl3DLight", SystemColor(22)},
      {"clWindow", SystemColor(5)},
      {"clWindowFrame", SystemColor(6)},
      {"clWindowText", SystemColor(8)},
  };
  return table;
}

std::optional<tk::TColor> ParseColourValue(std::string_view text) {
  for (const ColourIdentifier& entry : ColourIdentifiers())
    if (SameTextAscii(text, entry.name)) return entry.value;
  return ParseIntegerText(text);
}

std::string FormatColourValue(tk::TColor colour) {
  for (const ColourIdentifier& entry : ColourIdentifiers())
    if (entry.value == colour) return entry.name;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%.8X", static_cast<unsigned>(colour));
  return buffer;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

}  // namespace runtime
