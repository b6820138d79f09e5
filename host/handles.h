#pragma once
// Owners of the host's own kernel and hook handles; its GDI owners are the
// toolkit's (toolkit/gdi.h).

#include <windows.h>

#include "toolkit/owned.h"

namespace host {

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct UnhookHook {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};

using OwnedHandle = tk::Owned<HANDLE, CloseKernelHandle>;
using OwnedHook = tk::Owned<HHOOK, UnhookHook>;

}  // namespace host
