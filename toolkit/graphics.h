#pragma once
// Windowless pictures and figures: TImage, TShape.

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

}  // namespace tk
