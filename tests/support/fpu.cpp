#include "tests/support/fpu.h"

#include <cstdint>

namespace tarvex::test {

namespace {
std::uint16_t ReadControlWord() {
  std::uint16_t cw = 0;
  asm volatile("fnstcw %0" : "=m"(cw));
  return cw;
}
void WriteControlWord(std::uint16_t cw) { asm volatile("fldcw %0" : : "m"(cw)); }
constexpr std::uint16_t kPrecisionMask = 0x0300;
}  // namespace

void SetX87Precision(int bits) {
  std::uint16_t cw = ReadControlWord() & ~kPrecisionMask;
  cw |= bits == 53 ? 0x0200 : 0x0300;
  WriteControlWord(cw);
}

int X87Precision() {
  switch (ReadControlWord() & kPrecisionMask) {
    case 0x0300: return 64;
    case 0x0200: return 53;
    default: return 24;
  }
}

}  // namespace tarvex::test
