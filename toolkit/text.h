#pragma once
// The one conversion between the plug-in's byte strings and the UTF-16 that
// windows show: by default the system's ANSI code page, as the host uses it.

#include <string>
#include <string_view>

#include "toolkit/core/coded_text.h"

namespace tk {

std::wstring Widen(std::string_view ansi);
std::string Narrow(std::wstring_view wide);
// The same in a stated code page (kAnsiCodePage, kCyrillicCodePage, ...).
std::wstring Widen(std::string_view bytes, unsigned codePage);
std::string Narrow(std::wstring_view wide, unsigned codePage);
inline std::wstring Widen(const CodedText& text) { return Widen(text.bytes, text.codePage); }

}  // namespace tk
