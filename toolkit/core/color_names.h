#pragma once
// The colour identifiers that stored forms may use instead of numbers.

#include <optional>
#include <string_view>

#include "toolkit/core/color.h"

namespace tk {

// clRed -> 0x000000FF, clBtnFace -> 0xFF00000F; ASCII letter case is ignored.
std::optional<TColor> ColorFromName(std::string_view name);

}  // namespace tk
