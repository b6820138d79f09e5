#pragma once
// Where each kind of gauge draws, in the coordinates of its bitmaps. Pure
// functions: the GDI layer draws exactly what they return.

#include <optional>
#include <string>

namespace gauges::core {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Rounded to the nearest integer, ties to even.
int RoundHalfEven(double value);

// The client rectangle, shrunk by the 1-pixel frame when bordered.
Rect PaintRectFor(int width, int height, bool bordered);

// The rectangles handed to FillRect for the ForeColor part of a bar; none
// when nothing is filled. (The right and bottom values are the bar's extents
// taken as coordinates, which is what gives the bars their exact lengths.)
std::optional<Rect> HorizontalBarFill(const Rect& paint, int percent);
Rect VerticalBarFill(const Rect& paint, int percent);

// Pie kind: the face ellipse's box, and the wedge (same box) between the
// start radial through `start` and the end radial through the top centre.
struct PieShape {
  Rect box;
  bool wedge = false;
  Point start;
  Point end;
};
PieShape PieGeometry(const Rect& paint, bool bordered, int percent);

// Needle kind: the half-dial Pie (box and its two radial points), the base
// line, and the needle from its pivot to its tip.
struct NeedleShape {
  Rect dialBox;
  Point dialStart, dialEnd;
  Point baseFrom, baseTo;
  bool needle = false;
  Point pivot, tip;
};
NeedleShape NeedleGeometry(const Rect& paint, bool bordered, int controlWidth, int percent);

// Top-left corner of the percentage text: centred on the paint rectangle's
// size but not offset by its corner; negative when the text is wider.
Point TextPosition(const Rect& paint, int textWidth, int textHeight);

// "57%": the percentage as the gauge shows it.
std::string PercentText(int percent);

}  // namespace gauges::core
