#pragma once
// Off-screen bitmaps for the gauge's composition: a screen-compatible bitmap
// with its own drawing surface and a copy mode for block copies.

#include <windows.h>

#include <optional>

#include "toolkit/gdi.h"

namespace gauges {

class OffscreenBitmap {
 public:
  OffscreenBitmap();
  OffscreenBitmap(int width, int height);
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;
  virtual ~OffscreenBitmap() = default;

  // A new bitmap compatible with the screen; the old one is freed.
  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  // False when the bitmap could not be made (empty size or no GDI memory).
  bool Valid() const { return dc_.get() && bitmap_; }
  HDC Canvas() const { return dc_.get(); }

  // Raster operation of CopyRect, as for StretchBlt.
  DWORD CopyMode = SRCCOPY;
  // 1:1 (or stretched) block copy from source onto this bitmap with CopyMode.
  void CopyRect(const RECT& dest, HDC source, const RECT& sourceRect);

 private:
  tk::MemoryDC dc_;
  tk::Bitmap bitmap_;
  std::optional<tk::SelectObjectGuard> selection_;  // declared last: deselects first
  int width_ = 0;
  int height_ = 0;
};

// The gauge's overlays.
class TBltBitmap : public OffscreenBitmap {
 public:
  // Takes the template's width and height and fills all of it with the
  // system colour clWindowFrame.
  void MakeLike(const OffscreenBitmap& templateBitmap);
};

// Blackens (0, 0, width, height) with BLACKNESS, then resets the copy mode to
// SRCCOPY.
void ClearToBlack(OffscreenBitmap& bitmap, int width, int height);

// Combines source onto target by exclusive-or at (0, 0), then resets the
// target's copy mode to SRCCOPY.
void XorOnto(OffscreenBitmap& target, const OffscreenBitmap& source, int width, int height);

}  // namespace gauges
