#pragma once
// Why a file cannot be loaded as a plug-in, told from its first bytes, so
// that a newcomer reads "a 64-bit library" rather than an error number.

#include <string>
#include <string_view>

namespace host {

// Empty when the bytes begin like a 32-bit x86 Windows library; otherwise
// what the file is instead, as the end of a sentence ("is empty", "is a
// 64-bit library ..."). head: the first few kilobytes of the file.
std::string LibraryFileProblem(std::string_view head);

}  // namespace host
