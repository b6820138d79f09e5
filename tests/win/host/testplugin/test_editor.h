#pragma once
// The test plug-in's editor: a small plain Win32 dialog that answers the
// toolkit's automation message for its named controls, so that the host's
// dialog steps can be tried without the plug-in's own code.

#include "plugin/boundary.h"

namespace testplugin {

// Slots: 0 Field, 1 Choice, 2 Check ("True"/"False"), 3 ColourField,
// 4 FontField. On OK every slot is replaced; true then.
bool RunTestEditor(nb::HostSlot* params, nb::InterfaceAccessProc access, void* instance);

}  // namespace testplugin
