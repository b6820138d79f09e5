#pragma once
// Comparing the host's ANSI text the way its names are matched.

#include <string_view>

namespace tk {

// Equal ignoring the case of the ASCII letters only; every other byte must
// match exactly, whatever the locale.
bool SameTextAscii(std::string_view a, std::string_view b);

// The value of a hexadecimal digit (either case), or -1.
constexpr int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace tk
