#pragma once
// Localised texts from Tarvex.loc in the folder of the host's executable.
// Every call reads the file afresh.

#include <optional>
#include <string>
#include <string_view>

namespace nb {

// The file's text for the key, else the built-in text.
std::string LocText(std::string_view key, std::string_view builtIn);

// Shows the one message when Tarvex.loc exists and its header differs.
void CheckLocHeader();

// The folder of the running program with its trailing separator.
std::string HostFolder();
// The file's bytes; nothing when it is missing, a folder, or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace nb
