#pragma once
// Owners of the host's own kernel and hook handles: the plug-in's owners
// (toolkit/handles.h), as are its GDI owners (toolkit/gdi.h).

#include "toolkit/handles.h"

namespace host {

using OwnedHandle = tk::KernelHandle;
using OwnedHook = tk::Hook;

}  // namespace host
