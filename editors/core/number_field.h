#pragma once
// The editors' number fields: a whole number from 0 to 1999999999, at most 10
// typed characters, read as the run time reads integer text.

#include <cstdint>
#include <optional>
#include <string_view>

namespace editors {

inline constexpr int kNumberFieldMin = 0;
inline constexpr int kNumberFieldMax = 1999999999;
inline constexpr int kNumberFieldLength = 10;

// Leading blanks, a sign, decimal digits or $/0x hexadecimal; nothing when
// the text is no such number (the field then reads as its minimum).
std::optional<std::int64_t> ReadNumberText(std::string_view text);

}  // namespace editors
