#pragma once
// The system's accessibility library (oleacc), which the plug-in does not
// import: it is loaded from the system folder at the first request of a
// client (WM_GETOBJECT), and its few functions are reached through one
// table. Raising events needs none of it (NotifyWinEvent is user32's).

#include <windows.h>
#include <oleacc.h>

namespace tk {

struct OleaccFunctions {
  HMODULE module;
  decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
  decltype(&LresultFromObject) lresultFromObject;
};

// The table, loaded at the first call; null when the library or one of its
// functions cannot be had (asked once per process): windows then answer
// clients as plain windows do. Once loaded the library stays for the life of
// the process, also past an unload of the plug-in: a client may still hold a
// standard object that it made.
const OleaccFunctions* Oleacc();

}  // namespace tk
