#pragma once
// Keeps the lowest 4 GB of a 64-bit process's address space from everything
// it allocates afterwards, so that every new pointer has bits above the low
// 32: a pointer kept in a 32-bit integer (a window long, a handle cast, a
// format string) then fails at once instead of working by luck. The 64-bit
// test programs and the 64-bit simulator call it first thing; in a 32-bit
// process it does nothing.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace tk {

struct HighMemoryReport {
  std::uint64_t reservedBytes = 0;  // free address space below 4 GB now reserved
  bool heapHigh = false;            // the process heap now answers above 4 GB
  bool mallocHigh = false;          // and so does the C run-time's heap
};

inline HighMemoryReport ReserveLowAddressSpace() {
  HighMemoryReport report;
#if defined(_WIN64)
  constexpr std::uintptr_t kLimit = std::uintptr_t{1} << 32;
  constexpr std::uintptr_t kGranule = 0x10000;  // reservations start on 64 KB
  std::uintptr_t at = kGranule;
  MEMORY_BASIC_INFORMATION info;
  while (at < kLimit && VirtualQuery(reinterpret_cast<void*>(at), &info, sizeof info) == sizeof info) {
    const auto base = reinterpret_cast<std::uintptr_t>(info.BaseAddress);
    const std::uintptr_t end = base + info.RegionSize;
    if (info.State == MEM_FREE) {
      const std::uintptr_t start = (base + kGranule - 1) & ~(kGranule - 1);
      const std::uintptr_t top = end < kLimit ? end : kLimit;
      if (top > start &&
          VirtualAlloc(reinterpret_cast<void*>(start), top - start, MEM_RESERVE, PAGE_NOACCESS)) {
        report.reservedBytes += top - start;
      }
    }
    if (end <= at) break;
    at = end;
  }
  // Heaps made before this call still have room below 4 GB: fill it with
  // blocks of each size class that are never freed, until the heap must
  // grow, now high.
  constexpr int kMostBlocks = 1 << 21;
  for (std::size_t size : {16, 32, 64, 128, 256, 1024, 4096, 65536}) {
    report.heapHigh = false;
    for (int i = 0; i < kMostBlocks; ++i) {
      void* block = HeapAlloc(GetProcessHeap(), 0, size);
      if (!block) break;
      if (reinterpret_cast<std::uintptr_t>(block) >= kLimit) {
        HeapFree(GetProcessHeap(), 0, block);
        report.heapHigh = true;
        break;
      }
    }
    report.mallocHigh = false;
    for (int i = 0; i < kMostBlocks; ++i) {
      void* block = std::malloc(size);
      if (!block) break;
      if (reinterpret_cast<std::uintptr_t>(block) >= kLimit) {
        std::free(block);
        report.mallocHigh = true;
        break;
      }
    }
  }
#endif
  return report;
}

}  // namespace tk
