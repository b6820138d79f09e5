#pragma once
// Where the gradient panel puts its picture: the target rectangle of the
// stretched pattern, the shape's clip and the border outline.

#include <cstdint>

namespace decor {

enum TShapeType : std::uint8_t {
  stRectangle,
  stSquare,
  stRoundRect,
  stRoundSquare,
  stEllipse,
  stCircle,
};

struct ShapeTarget {
  int x, y, width, height;
  int corner;  // width and height of the rounded corners' ellipses
  bool operator==(const ShapeTarget&) const = default;
};

// The rectangle (x, y, x + width, y + height) that the pattern, the clip and
// the border share, for a control of the given size and border width.
// Square shapes are centred; the border pen's centre runs along its outline.
ShapeTarget ShapeTargetOf(TShapeType shape, int controlWidth, int controlHeight, int borderWidth);

// Rectangle and square are outlined as rectangles; the rounded ones with
// ShapeTarget::corner; ellipse and circle as ellipses.
constexpr bool IsRounded(TShapeType s) { return s == stRoundRect || s == stRoundSquare; }
constexpr bool IsElliptic(TShapeType s) { return s == stEllipse || s == stCircle; }
constexpr bool IsSquare(TShapeType s) {
  return s == stSquare || s == stRoundSquare || s == stCircle;
}

}  // namespace decor
