#pragma once
// Two small modal prompts for interactive use: a line of text, and a choice
// from a list. Both answer nullopt when cancelled.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace host {

std::optional<std::string> PromptLine(HWND owner, const std::wstring& title, const std::string& initial);
std::optional<std::string> PromptChoice(HWND owner, const std::wstring& title,
                                        const std::vector<std::string>& items, const std::string& current);

}  // namespace host
