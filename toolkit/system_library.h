#pragma once
// Libraries that are not among Windows' known DLLs are loaded by the
// plug-in itself, at their first need and from the system folder only: a
// statically imported or bare-named one would be searched for first in the
// folder of the program that loaded the plug-in (a compiled publication in a
// downloads folder), where any file of that name would run inside it.

#include <windows.h>

namespace tk {

// The system's library of that file name (a bare name such as
// L"oleacc.dll"), taken from the system folder and nowhere else; null, with
// no error shown, when it is not there. The caller holds one reference.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// The same through the system folder's full path: the way of systems whose
// loader does not know LOAD_LIBRARY_SEARCH_SYSTEM32 (Windows 7 before its
// loader update); LoadSystemLibrary takes it there by itself.
HMODULE LoadSystemLibraryByPath(const wchar_t* fileName);

// A function of a loaded library, as the caller's own type (from the
// library's header or written out where older headers lack it); null when
// this system's library does not have it.
template <typename Fn>
Fn LibraryFunction(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace tk
