#pragma once

#include "host/objects_window.h"
#include "host/plugin_module.h"

namespace host {

// Shows the host window with a menu to add objects, run script lines and
// open the about box; returns when the window is closed.
int RunInteractive(PluginModule& plugin, ObjectsWindow& window);

}  // namespace host
