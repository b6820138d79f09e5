#pragma once
// Text of the plug-in (Windows-1251 bytes) for a UTF-8 console.

#include <string>
#include <string_view>

namespace host::text {

std::string Cp1251ToUtf8(std::string_view bytes);

// Lowercases the letters A to Z only, as the host compares names.
std::string FoldAscii(std::string_view text);

}  // namespace host::text
