#pragma once
// How many GDI and USER objects the process holds now, for leak checks.
// Windows answers through GetGuiResources; Wine answers 0 there, so then
// every GDI handle slot is asked for its object type and the thread's windows
// stand in for USER objects. Header-only: the host simulator and the tests
// count with it too.

#include <windows.h>

namespace tk {

struct GuiObjects {
  long gdi = 0;
  long user = 0;
};

namespace gui_objects_detail {

inline long CountGdiHandles() {
  // A handle value without its upper word names the table entry alone.
  long count = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}

inline BOOL CALLBACK CountOne(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

// A top-level window and all its descendants.
inline BOOL CALLBACK CountTree(HWND window, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  EnumChildWindows(window, CountOne, counter);
  return TRUE;
}

inline long CountThreadWindows() {
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace gui_objects_detail

inline GuiObjects CountGuiObjects() {
  GuiObjects counts{static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)),
                    static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))};
  if (counts.gdi == 0) counts.gdi = gui_objects_detail::CountGdiHandles();
  if (counts.user == 0) counts.user = gui_objects_detail::CountThreadWindows();
  return counts;
}

}  // namespace tk
