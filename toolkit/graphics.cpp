#include "toolkit/graphics.h"

#include <algorithm>

#include "toolkit/contrast.h"

namespace tk {

TImage::TImage(Container* parent) : Control(parent) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (picture_.Empty()) return;
  // A picture shown at its own size grows with the layout.
  const LayoutScale scale = Scaling();
  RECT dest{0, 0, scale.Length(picture_.Width()), scale.Length(picture_.Height())};
  if (stretch_) {
    dest = RECT{0, 0, Width(), Height()};
  } else if (center_) {
    OffsetRect(&dest, (Width() - dest.right) / 2, (Height() - dest.bottom) / 2);
  }
  picture_.Draw(dc, dest, transparent_);
}

void TImage::Click() {
  if (OnClick) OnClick();
}

TShape::TShape(Container* parent) : Control(parent) { SetBounds(0, 0, 65, 65); }

void TShape::SetShape(TShapeType kind) {
  kind_ = kind;
  Invalidate();
}
void TShape::SetPenColor(TColor color) {
  penColor_ = color;
  Invalidate();
}
void TShape::SetPenWidth(int width) {
  penWidth_ = std::max(0, width);
  Invalidate();
}
void TShape::SetPenClear(bool clear) {
  penClear_ = clear;
  Invalidate();
}
void TShape::SetBrushColor(TColor color) {
  brushColor_ = color;
  Invalidate();
}
void TShape::SetBrushClear(bool clear) {
  brushClear_ = clear;
  Invalidate();
}

void TShape::Paint(HDC dc) {
  // Under a contrast theme a figure is a face outlined in the face's text.
  const COLORREF penColor = ColorToRGB(DrawnColor(penColor_, ColorRole::FaceText));
  const COLORREF brushColor = ColorToRGB(DrawnColor(brushColor_, ColorRole::Face));
  Pen pen(penClear_ ? CreatePen(PS_NULL, 0, 0) : CreatePen(PS_INSIDEFRAME, penWidth_, penColor));
  Brush brush(brushClear_ ? static_cast<HBRUSH>(nullptr) : CreateSolidBrush(brushColor));
  SelectObjectGuard selectPen(dc, pen.get());
  SelectObjectGuard selectBrush(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
  const ShapeBox box = ShapeBoxIn(kind_, 0, 0, Width(), Height());
  const int x = static_cast<int>(box.x), y = static_cast<int>(box.y);
  const int right = static_cast<int>(box.x + box.width), bottom = static_cast<int>(box.y + box.height);
  const int corner = static_cast<int>(box.corner);
  if (IsRounded(kind_)) {
    RoundRect(dc, x, y, right, bottom, corner, corner);
  } else if (IsElliptic(kind_)) {
    Ellipse(dc, x, y, right, bottom);
  } else {
    Rectangle(dc, x, y, right, bottom);
  }
}

}  // namespace tk
