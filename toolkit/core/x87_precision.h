#pragma once
// The x87 unit's precision control. Another compiler's host may leave it at
// 53 bits when it calls the plug-in; the tests and the host simulator play
// such a host with this. Header-only.

#include <cstdint>

namespace tk {

inline std::uint16_t X87ControlWord() {
  std::uint16_t cw = 0;
  asm volatile("fnstcw %0" : "=m"(cw));
  return cw;
}

inline void SetX87ControlWord(std::uint16_t cw) { asm volatile("fldcw %0" : : "m"(cw)); }

// Sets the x87 precision to 53 significant bits, or to 64 for any other value.
inline void SetX87Precision(int bits) {
  constexpr std::uint16_t kPrecisionMask = 0x0300;
  SetX87ControlWord(static_cast<std::uint16_t>((X87ControlWord() & ~kPrecisionMask) |
                                               (bits == 53 ? 0x0200 : 0x0300)));
}

// A precision for one scope; the previous control word comes back after it.
class ScopedX87Precision {
 public:
  explicit ScopedX87Precision(int bits) : saved_(X87ControlWord()) { SetX87Precision(bits); }
  ~ScopedX87Precision() { SetX87ControlWord(saved_); }
  ScopedX87Precision(const ScopedX87Precision&) = delete;
  ScopedX87Precision& operator=(const ScopedX87Precision&) = delete;

 private:
  std::uint16_t saved_;
};

}  // namespace tk
