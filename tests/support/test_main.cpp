// Test main shared by every test program. --fpu=53 runs the whole program with
// the x87 unit in 53-bit precision, as a host built by another compiler may
// leave it. A 64-bit Windows test program first keeps the low 4 GB of its
// address space unused, so a pointer cut to 32 bits fails its test.
#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

#include "toolkit/core/x87_precision.h"
#if defined(_WIN32)
#include <windows.h>

#include "toolkit/high_memory.h"

namespace {

// A crash outside a test body (in a window procedure the system calls) ends
// the program with a line rather than waiting in Wine's debugger.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::fflush(stdout);
  std::fprintf(stderr, "the test program stopped: exception 0x%08lX at %p\n",
               info->ExceptionRecord->ExceptionCode, info->ExceptionRecord->ExceptionAddress);
  std::fflush(stderr);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
  tk::ReserveLowAddressSpace();
#endif
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--fpu=53") == 0) tk::SetX87Precision(53);
    if (std::strcmp(argv[i], "--fpu=64") == 0) tk::SetX87Precision(64);
  }
  return RUN_ALL_TESTS();
}
