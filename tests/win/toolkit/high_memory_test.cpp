// The 64-bit test programs start with the low 4 GB of their address space
// kept unused (tests/support/test_main.cpp), so that a pointer cut to 32 bits
// anywhere in the code under test fails its test. This checks that promise:
// were any of these allocators still answering below 4 GB, truncations would
// pass unnoticed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

#if defined(_WIN64)
constexpr std::uintptr_t kFourGb = std::uintptr_t{1} << 32;

TEST(HighMemory, EveryAllocatorAnswersAbove4GB) {
  struct Case {
    const char* what;
    std::function<void*()> allocate;
  } cases[] = {
      {"operator new, small", [] { return static_cast<void*>(new char[24]); }},
      {"operator new, large", [] { return static_cast<void*>(new char[1 << 20]); }},
      {"malloc", [] { return std::malloc(100); }},
      {"HeapAlloc", [] { return HeapAlloc(GetProcessHeap(), 0, 100); }},
      {"GlobalAlloc (the host's strings)", [] { return static_cast<void*>(GlobalAlloc(GMEM_FIXED, 100)); }},
      {"LocalAlloc", [] { return static_cast<void*>(LocalAlloc(LMEM_FIXED, 100)); }},
      {"VirtualAlloc", [] { return VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE); }},
      {"a new heap", [] { return HeapAlloc(HeapCreate(0, 0, 0), 0, 100); }},
  };
  for (const Case& c : cases) {
    for (int i = 0; i < 100; ++i) {
      // Freed blocks would come back: each is kept to the end of the program.
      const auto address = reinterpret_cast<std::uintptr_t>(c.allocate());
      ASSERT_GE(address, kFourGb) << c.what << ", allocation " << i;
    }
  }
}
#endif

}  // namespace
