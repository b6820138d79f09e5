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
  const tk::ShapeBox box =
      tk::ShapeBoxIn(shape, b / 2, b / 2, controlWidth - b + grow, controlHeight - b + grow);
  return ShapeTarget{ToInt(box.x), ToInt(box.y), ToInt(box.width), ToInt(box.height), ToInt(box.corner)};
}

}  // namespace decor
