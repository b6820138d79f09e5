#include "toolkit/speed_button.h"

#include <utility>

#include "toolkit/gdi.h"

namespace tk {

TSpeedButton::TSpeedButton(Container* parent) : Control(parent) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  bool pressed = down_ && hot_;
  if (!flat_) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else if (Enabled() && (hot_ || down_)) {
    DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  if (glyph_.Empty()) return;
  // The glyph grows with the layout.
  const LayoutScale scale = Scaling();
  const int width = scale.Length(glyph_.Width()), height = scale.Length(glyph_.Height());
  int x = (Width() - width) / 2 + (pressed ? 1 : 0);
  int y = (Height() - height) / 2 + (pressed ? 1 : 0);
  RECT dest{x, y, x + width, y + height};
  glyph_.Draw(dc, dest, true);
}

void TSpeedButton::MouseDown(int, int) {
  down_ = true;
  Invalidate();
}

void TSpeedButton::MouseUp(int, int) {
  down_ = false;
  Invalidate();
}

void TSpeedButton::MouseEnter() {
  hot_ = true;
  Invalidate();
}

void TSpeedButton::MouseLeave() {
  hot_ = false;
  Invalidate();
}

void TSpeedButton::Click() {
  if (OnClick) OnClick();
}

}  // namespace tk
