// Test main shared by every test program. --fpu=53 runs the whole program with
// the x87 unit in 53-bit precision, as a host built by another compiler may
// leave it. A 64-bit Windows test program first keeps the low 4 GB of its
// address space unused, so a pointer cut to 32 bits fails its test.
#include <cstring>

#include <gtest/gtest.h>

#include "toolkit/core/x87_precision.h"
#if defined(_WIN32)
#include "toolkit/high_memory.h"
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
  tk::ReserveLowAddressSpace();
#endif
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--fpu=53") == 0) tk::SetX87Precision(53);
    if (std::strcmp(argv[i], "--fpu=64") == 0) tk::SetX87Precision(64);
  }
  return RUN_ALL_TESTS();
}
