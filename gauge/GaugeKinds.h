#pragma once
// The routines of each gauge kind, keyed by the kind's ordinal (the kinds'
// names are in toolkit/core/gauge_kind.h).

#include <windows.h>

#include "gauge/GaugeDraw.h"
#include "toolkit/core/gauge_kind.h"

namespace gauges {

using KindRoutine = void (*)(HDC dc, const core::Rect& paint, const GaugeLook& look);

struct KindRoutines {
  // Draws the kind inside the paint rectangle.
  KindRoutine draw = nullptr;
  // Clips to the kind's fill, over which the percentage takes another ink
  // under a contrast theme; null for a kind without one.
  FillClip fillClip = nullptr;
};

// The kind's routines; none for an ordinal outside the kinds' table.
KindRoutines RoutinesOf(tk::TGaugeKind kind);

}  // namespace gauges
