#pragma once
// Windowless pictures and figures: TImage, TShape, TSpeedButton.

#include <functional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/core/shape_type.h"
#include "toolkit/picture.h"

namespace tk {

class TImage : public Control {
 public:
  explicit TImage(Container* parent = nullptr);
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  std::function<void()> OnClick;
  void Paint(HDC dc) override;
  void Click() override;

 private:
  Picture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

class TShape : public Control {
 public:
  explicit TShape(Container* parent = nullptr);
  TShapeType Shape() const { return kind_; }
  void SetShape(TShapeType kind);
  void SetPenColor(TColor color);
  void SetPenWidth(int width);
  void SetPenClear(bool clear);
  void SetBrushColor(TColor color);
  void SetBrushClear(bool clear);
  void Paint(HDC dc) override;

 private:
  TShapeType kind_ = stRectangle;
  TColor penColor_ = clBlack;
  int penWidth_ = 1;
  bool penClear_ = false;
  TColor brushColor_ = clWhite;
  bool brushClear_ = false;
};

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
