#include "tests/win/editors/host_blocks.h"

#include <windows.h>

#include <set>

#include "host/import_patch.h"

namespace editors::test {
namespace {

using AllocProc = HGLOBAL(WINAPI*)(UINT, SIZE_T);
using FreeProc = HGLOBAL(WINAPI*)(HGLOBAL);

// The system's own functions, reached without the patched imports.
template <typename Proc>
Proc System(const char* name) {
  return reinterpret_cast<Proc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}
AllocProc RealAlloc() { return System<AllocProc>("GlobalAlloc"); }
FreeProc RealFree() { return System<FreeProc>("GlobalFree"); }

// Hook functions are plain functions: the count is reachable without an
// object.
std::set<const void*>& LiveBlocks() {
  static std::set<const void*> live;
  return live;
}

HGLOBAL WINAPI CountedAlloc(UINT flags, SIZE_T bytes) {
  HGLOBAL block = RealAlloc()(flags, bytes);
  if (block) LiveBlocks().insert(block);
  return block;
}

HGLOBAL WINAPI CountedFree(HGLOBAL block) {
  LiveBlocks().erase(block);  // blocks from before the count pass through
  return RealFree()(block);
}

void Route(void* alloc, void* release) {
  host::PatchImport(GetModuleHandleW(nullptr), "GlobalAlloc", alloc);
  host::PatchImport(GetModuleHandleW(nullptr), "GlobalFree", release);
}

}  // namespace

HostBlocks::HostBlocks() {
  LiveBlocks().clear();
  Route(reinterpret_cast<void*>(&CountedAlloc), reinterpret_cast<void*>(&CountedFree));
}

HostBlocks::~HostBlocks() {
  Route(reinterpret_cast<void*>(RealAlloc()), reinterpret_cast<void*>(RealFree()));
  LiveBlocks().clear();
}

std::size_t HostBlocks::Live() const { return LiveBlocks().size(); }

}  // namespace editors::test
