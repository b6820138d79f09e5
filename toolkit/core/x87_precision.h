#pragma once
// The x87 unit's precision control. Another compiler's host may leave it at
// 53 bits when it calls the plug-in; the tests and the host simulator play
// such a host with this. Header-only.

#include <cstdint>

namespace tk {

// Sets the x87 precision to 53 significant bits, or to 64 for any other value.
inline void SetX87Precision(int bits) {
  constexpr std::uint16_t kPrecisionMask = 0x0300;
  std::uint16_t cw = 0;
  asm volatile("fnstcw %0" : "=m"(cw));
  cw = static_cast<std::uint16_t>((cw & ~kPrecisionMask) | (bits == 53 ? 0x0200 : 0x0300));
  asm volatile("fldcw %0" : : "m"(cw));
}

}  // namespace tk
