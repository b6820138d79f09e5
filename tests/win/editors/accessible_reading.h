#pragma once
// What a screen reader reads of a window: its client object through
// AccessibleObjectFromWindow, as another program would ask for it.

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "toolkit/com_ref.h"

namespace editors::test {

tk::ComRef<IAccessible> ClientObject(HWND window);
// The object's own name; "<none>" when it answers none, "<error XXXXXXXX>"
// when the call fails.
std::wstring NameOf(IAccessible* object);
// The object's own role; -1 when it answers none.
long RoleOf(IAccessible* object);

}  // namespace editors::test
