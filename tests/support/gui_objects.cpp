#include "tests/support/gui_objects.h"

#include <windows.h>

namespace tarvex::test {

namespace {

long CountGdiHandles() {
  // A handle value without its upper word names the table entry alone.
  long count = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}

BOOL CALLBACK CountOne(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  EnumChildWindows(window, CountOne, counter);
  return TRUE;
}

long CountThreadWindows() {
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

GuiObjects CountGuiObjects() {
  GuiObjects counts{static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)),
                    static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))};
  if (counts.gdi == 0) counts.gdi = CountGdiHandles();
  if (counts.user == 0) counts.user = CountThreadWindows();
  return counts;
}

}  // namespace tarvex::test
