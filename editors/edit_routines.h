#pragma once
// The design-time edit routines of the eight actions, by action number.

#include "base/host_types.h"

namespace editors {

// params is the host's parameter block. Answers true when the author
// confirmed and every slot of the action was replaced.
bool EditAction(int action, nb::HostSlot* params);

}  // namespace editors
