#pragma once
// The gradient panel's pattern: a top-down 32-bit DIB section that owns its
// pixels, so generators write straight into it and paints stretch it.

#include <windows.h>

#include "decor/core/gradient_patterns.h"
#include "toolkit/gdi.h"

namespace decor {

class GradientPattern {
 public:
  GradientPattern() = default;
  GradientPattern(const GradientPattern&) = delete;
  GradientPattern& operator=(const GradientPattern&) = delete;

  // Makes the pattern width x height pixels (contents undefined when the size
  // changes). False, leaving the pattern empty, for a non-positive size or
  // when the bitmap cannot be made.
  bool SetSize(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return bits_ == nullptr; }
  HBITMAP Handle() const { return bitmap_.get(); }
  // The pixels, top row first; GDI drawing into Handle() must be flushed
  // (GdiFlush) before they are read.
  PixelView Pixels() const { return PixelView{bits_, width_, height_}; }

 private:
  tk::Bitmap bitmap_;
  Pixel* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace decor
