#pragma once
// Off-screen composition in one place: draw into a compatible bitmap, then
// copy it to the target in one StretchBlt-free BitBlt, so nothing half-drawn
// is ever seen.

#include <windows.h>

#include <utility>

#include "toolkit/gdi.h"

namespace tk {

template <typename Draw>
void PaintBuffered(HDC target, int width, int height, Draw&& draw) {
  if (width <= 0 || height <= 0) return;
  MemoryDC memory(target);
  Bitmap bitmap(CreateCompatibleBitmap(target, width, height));
  if (!memory.get() || !bitmap) {
    draw(target);  // out of memory: draw directly rather than not at all
    return;
  }
  SelectObjectGuard select(memory.get(), bitmap.get());
  std::forward<Draw>(draw)(memory.get());
  BitBlt(target, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace tk
