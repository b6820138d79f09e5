#include "gauge/GaugeKinds.h"

#include <iterator>

namespace gauges {
namespace {

// Indexed by ordinal: gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle.
constexpr KindRoutines kRoutines[] = {
    {DrawPlain, nullptr},
    {DrawHorizontalBar, ClipToHorizontalBarFill},
    {DrawVerticalBar, ClipToVerticalBarFill},
    {DrawPie, ClipToPieWedge},
    {DrawNeedle, nullptr},
};
static_assert(std::size(kRoutines) == tk::kGaugeKindCount, "routines for every gauge kind");

}  // namespace

KindRoutines RoutinesOf(tk::TGaugeKind kind) { return kind < tk::kGaugeKindCount ? kRoutines[kind] : KindRoutines{}; }

}  // namespace gauges
