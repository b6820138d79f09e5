#pragma once
// Where the gradient panel puts its picture: the target rectangle of the
// stretched pattern, the shape's clip and the border outline.

#include "toolkit/core/shape_type.h"

namespace decor {

using tk::TShapeType;
using enum tk::TShapeType;

struct ShapeTarget {
  int x, y, width, height;
  int corner;  // width and height of the rounded corners' ellipses
  bool operator==(const ShapeTarget&) const = default;
};

// The rectangle (x, y, x + width, y + height) that the pattern, the clip and
// the border share, for a control of the given size and border width.
// Square shapes are centred; the border pen's centre runs along its outline.
ShapeTarget ShapeTargetOf(TShapeType shape, int controlWidth, int controlHeight, int borderWidth);

}  // namespace decor
