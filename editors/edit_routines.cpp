#include "editors/edit_routines.h"

namespace editors {

// The editor dialogs are not built yet: nothing is edited, no slot changes.
bool EditAction(int, nb::HostSlot*) { return false; }

}  // namespace editors
