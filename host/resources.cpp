#include "host/resources.h"

namespace host {
namespace {

BOOL CALLBACK CountOne(HWND, LPARAM counter) {
  ++*reinterpret_cast<DWORD*>(counter);
  return TRUE;
}

// A top-level window and all its descendants.
BOOL CALLBACK CountTree(HWND window, LPARAM counter) {
  ++*reinterpret_cast<DWORD*>(counter);
  EnumChildWindows(window, CountOne, counter);
  return TRUE;
}

DWORD CountGdiHandles() {
  // A handle value without its upper word names the table entry alone.
  DWORD count = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

DWORD CountThreadWindows() {
  DWORD count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

ResourceCounts CountResources() {
  ResourceCounts counts{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                        GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
  if (counts.gdi == 0) counts.gdi = CountGdiHandles();
  if (counts.user == 0) counts.user = CountThreadWindows();
  return counts;
}

}  // namespace host
