#pragma once
// GaugeList: the one owner of every gauge window, in order of opening,
// present from the first opened window until every window is closed.

#include <windows.h>

#include <string_view>

#include "runtime/NeoImageForm.h"

namespace runtime {

// A new gauge window inside parent, named name, fitted and shown, appended
// to GaugeList (which is created when absent). Throws when the window cannot
// be made.
TNeoImageForm& OpenGaugeWindow(std::string_view name, HWND parent);

// Index of the first window whose name equals name ignoring ASCII case, or -1.
int FindGauge(std::string_view name);

// Closes (when named) and destroys the first window of that name; false
// when there is none. Never throws.
bool DeleteGauge(std::string_view name);

// Hides every window in order, then destroys them all with the list.
void CloseAllGauges();

// The window at an index that FindGauge gave.
TNeoImageForm& GaugeAt(int index);

// For tests: whether the list exists, and how many windows it holds.
bool GaugeListPresent();
int GaugeCount();

}  // namespace runtime
