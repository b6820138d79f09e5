#pragma once
// Window handles cross the boundary as the host's 32-bit integers: the
// object's window that command 7 answers as decimal text, the host window
// given at registration. A handle has 32 significant bits on 64-bit Windows
// too and widens with its sign, as the system widens it.

#include <windows.h>

#include <cstdint>
#include <string>

namespace nb {

inline std::int32_t WindowNumber(HWND window) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window));
}

inline HWND WindowFromNumber(std::int32_t number) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(number));
}

// What the host writes for command 7.
inline std::string WindowNumberText(HWND window) { return std::to_string(WindowNumber(window)); }

}  // namespace nb
