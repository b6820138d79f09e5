#pragma once
// The process's GDI and USER object counts, for leak checks.

#include <windows.h>

namespace host {

struct ResourceCounts {
  DWORD gdi = 0;
  DWORD user = 0;
};

// GetGuiResources where the system answers it; where it answers 0 (Wine),
// the live GDI handles are counted one by one and the thread's windows stand
// in for the USER objects.
ResourceCounts CountResources();

}  // namespace host
