#include "decor/core/gradient_shape.h"

#include <algorithm>
#include <climits>

namespace decor {
namespace {

int ToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

ShapeTarget ShapeTargetOf(TShapeType shape, int controlWidth, int controlHeight, int borderWidth) {
  // 64-bit so that a huge border width cannot overflow; halves truncate
  // toward zero like the rest of the control's arithmetic.
  const long long b = std::max(borderWidth, 0);
  const long long grow = b > 0 ? 1 : 0;
  long long x = b / 2, y = b / 2;
  long long w = controlWidth - b + grow;
  long long h = controlHeight - b + grow;
  const long long s = std::min(w, h);
  if (IsSquare(shape)) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = h = s;
  }
  return ShapeTarget{ToInt(x), ToInt(y), ToInt(w), ToInt(h), ToInt(s / 4)};
}

}  // namespace decor
