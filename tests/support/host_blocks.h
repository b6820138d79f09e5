#pragma once
// The GlobalAlloc blocks of this program, the host's strings among them:
// while a HostBlocks lives, the program's own imports of GlobalAlloc and
// GlobalFree go through a count of the blocks they hand out and take back,
// and an allocation can be made to fail as when the host's memory runs out.
// The plug-in's code is linked into the test programs, so its blocks are
// counted alike. Header-only: each test program that counts has its own.

#include <windows.h>

#include <cstddef>
#include <set>

#include "host/import_patch.h"

namespace tarvex::test {

class HostBlocks {
 public:
  HostBlocks() {
    State() = Counts{};
    Route(reinterpret_cast<void*>(&CountedAlloc), reinterpret_cast<void*>(&CountedFree));
  }
  ~HostBlocks() {
    Route(reinterpret_cast<void*>(RealAlloc()), reinterpret_cast<void*>(RealFree()));
    State() = Counts{};
  }
  HostBlocks(const HostBlocks&) = delete;
  HostBlocks& operator=(const HostBlocks&) = delete;

  // Blocks made since the count began and not freed yet.
  std::size_t Live() const { return State().live.size(); }
  // Allocations asked for since the count began, failed ones included.
  std::size_t Allocations() const { return State().allocations; }
  // The nth allocation from now (1 for the next) answers nil, once.
  void FailAllocation(std::size_t nth) { State().failAt = State().allocations + nth; }

 private:
  using AllocProc = HGLOBAL(WINAPI*)(UINT, SIZE_T);
  using FreeProc = HGLOBAL(WINAPI*)(HGLOBAL);

  struct Counts {
    std::set<const void*> live;
    std::size_t allocations = 0;
    std::size_t failAt = 0;  // 0: none fails
  };
  // Hook functions are plain functions: the count is reachable without an
  // object.
  static Counts& State() {
    static Counts counts;
    return counts;
  }

  // The system's own functions, reached without the patched imports.
  template <typename Proc>
  static Proc System(const char* name) {
    return reinterpret_cast<Proc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
  }
  static AllocProc RealAlloc() { return System<AllocProc>("GlobalAlloc"); }
  static FreeProc RealFree() { return System<FreeProc>("GlobalFree"); }

  static HGLOBAL WINAPI CountedAlloc(UINT flags, SIZE_T bytes) {
    Counts& counts = State();
    if (++counts.allocations == counts.failAt) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    HGLOBAL block = RealAlloc()(flags, bytes);
    if (block) counts.live.insert(block);
    return block;
  }

  static HGLOBAL WINAPI CountedFree(HGLOBAL block) {
    State().live.erase(block);  // blocks from before the count pass through
    return RealFree()(block);
  }

  static void Route(void* alloc, void* release) {
    host::PatchImport(GetModuleHandleW(nullptr), "GlobalAlloc", alloc);
    host::PatchImport(GetModuleHandleW(nullptr), "GlobalFree", release);
  }
};

}  // namespace tarvex::test
