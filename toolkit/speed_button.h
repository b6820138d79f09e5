#pragma once
// TSpeedButton: a windowless button that shows a glyph.

#include <functional>

#include "toolkit/control.h"
#include "toolkit/picture.h"

namespace tk {

// A flat button with a glyph: no frame until the mouse is over it.
class TSpeedButton : public Control {
 public:
  explicit TSpeedButton(Container* parent = nullptr);
  void SetGlyph(Picture glyph);
  const Picture& Glyph() const { return glyph_; }
  void SetFlat(bool value);

  std::function<void()> OnClick;

  void Paint(HDC dc) override;
  void MouseDown(int x, int y) override;
  void MouseUp(int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Click() override;

 private:
  Picture glyph_;
  bool flat_ = false;
  bool hot_ = false;
  bool down_ = false;
};

}  // namespace tk
