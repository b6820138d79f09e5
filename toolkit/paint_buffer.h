#pragma once
// Off-screen surfaces kept between paints. Painting runs on one thread, so
// one surface serves every form and gauge of the process: it grows to the
// largest area composed so far (never beyond a bound: larger areas are
// composed in bands) and is kept, so that a paint creates no bitmap. It is
// made anew in the screen's format when the display's colour depth changes.

#include <windows.h>

#include <optional>

#include "toolkit/gdi.h"

namespace tk {

class PaintBuffer {
 public:
  // At most this many pixels (16 MB at 32 bits per pixel); larger areas are
  // composed in bands of whole rows.
  static constexpr long kMaxPixels = 4L * 1024 * 1024;

  PaintBuffer() = default;
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  ~PaintBuffer();

  // The surface on which forms and controls are composed.
  static PaintBuffer& Shared();

  // Its memory DC (made on first use; nullptr when it cannot be made). Its
  // bitmap is screen-compatible and at least as large as the last Reserve.
  HDC dc();
  bool Holds(HDC dc) const { return dc && dc_ && dc == dc_->get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Grows the bitmap to at least width x height (it never shrinks), and
  // makes it anew, as large as before, when the display's colour depth is
  // no longer the one it was made for; false when it cannot, the old bitmap
  // is then kept.
  bool Reserve(int width, int height);
  // The display's colour depth that the bitmap was made for; 0 before one is.
  int BitsPerPixel() const { return bitsPerPixel_; }

  // The display's colour depth in bits per pixel, as last seen: asked of the
  // screen once, then told by DisplayChanged (a top-level window's
  // WM_DISPLAYCHANGE) and seen again whenever a buffer grows.
  static int DisplayBitsPerPixel();
  static void DisplayChanged(int bitsPerPixel);

  // In use by one composition: a nested one must find another surface.
  bool Busy() const { return busy_; }

 private:
  friend class PaintBufferUse;

  std::optional<MemoryDC> dc_;
  Bitmap bitmap_;  // declared after the DC: goes first, once deselected
  HGDIOBJ original_ = nullptr;  // the DC's own 1x1 bitmap, put back before the DC goes
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  bool busy_ = false;
};

// Holds a buffer, grown to width x height, for one composition; not held
// (false) when the buffer is busy or cannot grow.
class PaintBufferUse {
 public:
  PaintBufferUse(PaintBuffer& buffer, int width, int height);
  PaintBufferUse(const PaintBufferUse&) = delete;
  PaintBufferUse& operator=(const PaintBufferUse&) = delete;
  ~PaintBufferUse();
  explicit operator bool() const { return held_; }
  HDC dc() const { return held_ ? buffer_.dc_->get() : nullptr; }

 private:
  PaintBuffer& buffer_;
  bool held_ = false;
};

// A bitmap to copy from (BitBlt, StretchBlt source), selected for as long
// as this lives into a memory DC that the process keeps, so that a paint
// makes no DC. A nested use, while the kept DC holds another bitmap, gets a
// DC of its own. get() is nullptr when the bitmap cannot be selected.
class SourceDC {
 public:
  explicit SourceDC(HBITMAP bitmap);
  SourceDC(const SourceDC&) = delete;
  SourceDC& operator=(const SourceDC&) = delete;
  ~SourceDC();
  HDC get() const { return previous_ ? dc_ : nullptr; }
  // Whether the process's kept DC serves this use (for tests).
  bool Kept() const { return kept_; }

 private:
  std::optional<MemoryDC> own_;  // only for a nested use
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  bool kept_ = false;
};

// Composes `area` (in target's logical coordinates) off-screen and copies it
// to target: draw(dc) receives a surface whose logical coordinates are the
// target's, clipped to the part composed. Only the part of area inside the
// target's clip box is composed, in one copy (a band of rows at a time when
// it exceeds PaintBuffer::kMaxPixels).
using PaintCallback = void (*)(void* context, HDC dc);
void PaintBufferedArea(HDC target, const RECT& area, PaintCallback draw, void* context);

}  // namespace tk
