#pragma once
// Comparing the host's ANSI text the way its names are matched.

#include <string_view>

namespace tk {

// Equal ignoring the case of the ASCII letters only; every other byte must
// match exactly, whatever the locale.
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace tk
