#pragma once
// Why a file cannot be loaded as a plug-in, told from its first bytes, so
// that a newcomer reads "a 64-bit library" rather than an error number.

#include <string>
#include <string_view>

namespace host {

// The simulator's own width: the shipped 32-bit program, or the 64-bit build
// that tests the plug-in's code on machines without 32-bit execution.
enum class HostWidth { Bits32, Bits64 };

// Empty when the bytes begin like a Windows library of the host's width;
// otherwise what the file is instead, as the end of a sentence ("is empty",
// "is a 64-bit library ..."). head: the first few kilobytes of the file.
std::string LibraryFileProblem(std::string_view head, HostWidth host = HostWidth::Bits32);

}  // namespace host
