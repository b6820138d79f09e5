#pragma once
// The one conversion between the plug-in's ANSI strings and the UTF-16 that
// windows show: the system's ANSI code page, as the host uses it.

#include <string>
#include <string_view>

namespace tk {

std::wstring Widen(std::string_view ansi);
std::string Narrow(std::wstring_view wide);

}  // namespace tk
