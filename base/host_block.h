#pragma once
// A host string's block: a GlobalAlloc'ed (GMEM_FIXED) copy of a text with its
// NUL, as the host and the plug-in hand texts to each other. Header-only: the
// host simulator, the soak's driver and the test plug-ins, which link none of
// the plug-in, make their blocks with it too.

#include <windows.h>

#include <cstring>
#include <string_view>

namespace nb {

// The new block, or nullptr when no memory could be had.
inline char* NewGlobalString(std::string_view text) {
  auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, text.size() + 1));
  if (block == nullptr) return nullptr;
  std::memcpy(block, text.data(), text.size());
  block[text.size()] = '\0';
  return block;
}

}  // namespace nb
