#pragma once
// The colour-identifier table: the names that stored forms and action
// parameters may use instead of numbers.

#include <optional>
#include <span>
#include <string_view>

#include "toolkit/core/color.h"

namespace tk {

struct ColorIdentifier {
  const char* name;
  TColor value;
};

// The 52 identifiers in the order in which they are searched.
std::span<const ColorIdentifier> ColorIdentifiers();

// clRed -> 0x000000FF, clBtnFace -> 0xFF00000F; ASCII letter case is ignored.
std::optional<TColor> ColorFromName(std::string_view name);

// The first identifier in table order with that value, or nullptr.
const char* ColorName(TColor color);

}  // namespace tk
