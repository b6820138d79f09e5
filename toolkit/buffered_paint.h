#pragma once
// Off-screen composition in one place: draw into the process's paint buffer,
// then copy to the target in one BitBlt, so nothing half-drawn is ever seen
// and no bitmap is made per paint.

#include <windows.h>

#include <type_traits>
#include <utility>

#include "toolkit/paint_buffer.h"

namespace tk {

// draw(HDC) paints `area` of the target, in the target's logical
// coordinates; the surface it gets is clipped to the part being composed
// (the area within the target's clip box, or a band of it).
template <typename Draw>
void PaintBuffered(HDC target, const RECT& area, Draw&& draw) {
  PaintBufferedArea(
      target, area, [](void* context, HDC dc) { (*static_cast<std::remove_reference_t<Draw>*>(context))(dc); },
      const_cast<void*>(static_cast<const void*>(&draw)));
}

template <typename Draw>
void PaintBuffered(HDC target, int width, int height, Draw&& draw) {
  if (width <= 0 || height <= 0) return;
  PaintBuffered(target, RECT{0, 0, width, height}, std::forward<Draw>(draw));
}

}  // namespace tk
