#include "toolkit/control.h"

#include "toolkit/container.h"
#include "toolkit/gdi.h"

namespace tk {

Control::Control(Container* parent) { SetParent(parent); }

Control::~Control() {
  if (Container* old = parent_) {
    parent_ = nullptr;
    old->RemoveControl(this);
  }
}

void Control::SetParent(Container* parent) {
  if (parent == parent_) return;
  if (Container* old = parent_) {
    Invalidate();
    parent_ = nullptr;
    old->RemoveControl(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    color_.Follow(parent_->Color());
    font_.Follow(parent_->Font());
    if (align_ == Align::alClient) parent_->Realign();
    Invalidate();
  }
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Resized();
  Invalidate();
}

void Control::SetAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (visible_) {
    Repaint();
  } else {
    Invalidate();
  }
  VisibleChanged();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

void Control::SetColor(TColor color) {
  if (color_.Set(color)) Repaint();
}

void Control::SetParentColor(bool value) {
  if (value == color_.fromParent) return;
  color_.fromParent = value;
  ParentColorChanged();
}

void Control::ParentColorChanged() {
  if (parent_ && color_.Follow(parent_->Color())) Repaint();
}

LayoutScale Control::Scaling() const { return parent_ ? parent_->Scaling() : LayoutScale{}; }

void Control::SetFont(const FontRecord& font) {
  if (font_.Set(font)) Repaint();
}

void Control::SetParentFont(bool value) {
  if (value == font_.fromParent) return;
  font_.fromParent = value;
  ParentFontChanged();
}

void Control::ParentFontChanged() {
  if (parent_ && font_.Follow(parent_->Font())) Repaint();
}

void Control::Repaint() {
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  if (!opaque_) {
    // What lies beneath shows through: let the parent compose the area.
    if (!SurfaceShown()) return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, FALSE);
    UpdateWindow(parent_->Handle());
    return;
  }
  WindowDC dc(parent_->Handle());
  if (!dc.get()) return;
  SavedDC saved(dc.get());
  IntersectClipRect(dc.get(), left_, top_, left_ + width_, top_ + height_);
  SetViewportOrgEx(dc.get(), left_, top_, nullptr);
  Paint(dc.get());
}

// A window that is not on the screen is painted whole when it is shown:
// invalidating parts of it before then only costs (a form being built from
// its description sets every control's bounds, colour and font).
bool Control::SurfaceShown() const {
  return parent_ && parent_->HandleAllocated() && IsWindowVisible(parent_->Handle());
}

void Control::Invalidate() {
  if (!SurfaceShown()) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, FALSE);
}

}  // namespace tk
