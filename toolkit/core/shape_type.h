#pragma once
// The six outlines that a shape figure and the gradient panel share, the
// names stored forms give them, and where each one sits in its box.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace tk {

enum TShapeType : std::uint8_t {
  stRectangle,
  stSquare,
  stRoundRect,
  stRoundSquare,
  stEllipse,
  stCircle,
};

// Indexed by the shape's ordinal.
inline constexpr std::array<std::string_view, stCircle + 1> kShapeTypeNames{
    "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"};

// Rectangle and square are outlined as rectangles; the rounded ones with
// ShapeBox::corner; ellipse and circle as ellipses.
constexpr bool IsRounded(TShapeType s) { return s == stRoundRect || s == stRoundSquare; }
constexpr bool IsElliptic(TShapeType s) { return s == stEllipse || s == stCircle; }
constexpr bool IsSquare(TShapeType s) { return s == stSquare || s == stRoundSquare || s == stCircle; }

// 64-bit so that callers can pass sums that would overflow an int.
struct ShapeBox {
  long long x, y, width, height;
  long long corner;  // width and height of the rounded corners' ellipses
};

// The box the shape takes in (x, y, width, height): square shapes take a
// square of the smaller side, centred (halves truncated toward zero).
// Corners are a quarter of the smaller side.
constexpr ShapeBox ShapeBoxIn(TShapeType shape, long long x, long long y, long long width,
                              long long height) {
  const long long side = std::min(width, height);
  if (IsSquare(shape)) {
    x += (width - side) / 2;
    y += (height - side) / 2;
    width = height = side;
  }
  return ShapeBox{x, y, width, height, side / 4};
}

}  // namespace tk
