#pragma once
// The gauge's picture as it was first composed, kept here only to show that
// the paint of today gives the same bytes: a black screen-compatible image;
// the kind drawn on a second black bitmap and combined onto the image by
// exclusive-or over the whole size; the text drawn in white on a third black
// bitmap (clipped to the paint rectangle by ETO_CLIPPED and a clip region)
// and combined the same way; one copy to the target.

#include <windows.h>

#include "gauge/Gauges.h"

namespace gauges::test {

void ReferencePaint(const TGauge& gauge, HDC dc);

}  // namespace gauges::test
