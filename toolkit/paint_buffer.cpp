#include "toolkit/paint_buffer.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace tk {

PaintBuffer::~PaintBuffer() {
  // The bitmap leaves the DC, so that both can go.
  if (dc_ && original_) SelectObject(dc_->get(), original_);
}

PaintBuffer& PaintBuffer::Shared() {
  static PaintBuffer shared;
  return shared;
}

HDC PaintBuffer::dc() {
  if (!dc_ || !dc_->get()) dc_.emplace(nullptr);
  return dc_->get();
}

namespace {

int ScreenBitsPerPixel(HDC screen) {
  return screen ? GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) : 0;
}

// The display's depth as last seen; 0 until first asked.
int& KnownDisplayBits() {
  static int bits = 0;
  return bits;
}

}  // namespace

int PaintBuffer::DisplayBitsPerPixel() {
  int& bits = KnownDisplayBits();
  if (bits == 0) {
    WindowDC screen(nullptr);
    bits = ScreenBitsPerPixel(screen.get());
  }
  return bits;
}

void PaintBuffer::DisplayChanged(int bitsPerPixel) {
  if (bitsPerPixel > 0) KnownDisplayBits() = bitsPerPixel;
}

bool PaintBuffer::Reserve(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  // A bitmap made for another depth would be converted at every copy (and
  // lose colours when the display gained depth): made anew, as large.
  const bool sameDepth = bitmap_ && bitsPerPixel_ == DisplayBitsPerPixel();
  if (sameDepth && width <= width_ && height <= height_) return true;
  if (!dc()) return false;
  int newWidth = std::max(width, width_), newHeight = std::max(height, height_);
  // Growing in both directions must not pass the bound: then only what is asked.
  if (static_cast<long long>(newWidth) * newHeight > kMaxPixels) {
    newWidth = width;
    newHeight = height;
  }
  WindowDC screen(nullptr);
  const int bits = ScreenBitsPerPixel(screen.get());
  DisplayChanged(bits);  // seen anew while the screen is at hand
  Bitmap made(CreateCompatibleBitmap(screen.get(), newWidth, newHeight));
  if (!made) return false;
  HGDIOBJ previous = SelectObject(dc_->get(), made.get());
  if (!previous || previous == HGDI_ERROR) return false;
  if (!original_) original_ = previous;
  bitmap_ = std::move(made);  // the old bitmap, now deselected, goes
  width_ = newWidth;
  height_ = newHeight;
  bitsPerPixel_ = bits;
  return true;
}

PaintBufferUse::PaintBufferUse(PaintBuffer& buffer, int width, int height)
    : buffer_(buffer), held_(!buffer.busy_ && buffer.Reserve(width, height)) {
  if (held_) buffer_.busy_ = true;
}

PaintBufferUse::~PaintBufferUse() {
  if (held_) buffer_.busy_ = false;
}

namespace {

// The memory DC that source bitmaps are selected into, kept for the process.
struct KeptSourceDC {
  MemoryDC dc{nullptr};
  bool busy = false;
};

KeptSourceDC& TheKeptSourceDC() {
  static KeptSourceDC kept;
  return kept;
}

}  // namespace

SourceDC::SourceDC(HBITMAP bitmap) {
  KeptSourceDC& kept = TheKeptSourceDC();
  if (!kept.busy && kept.dc.get()) {
    dc_ = kept.dc.get();
    kept_ = true;
    kept.busy = true;
  } else {
    own_.emplace(nullptr);
    dc_ = own_->get();
  }
  if (!dc_ || !bitmap) return;
  HGDIOBJ previous = SelectObject(dc_, bitmap);
  if (previous && previous != HGDI_ERROR) previous_ = previous;
}

SourceDC::~SourceDC() {
  // The bitmap leaves the DC before its owner may delete it.
  if (previous_) SelectObject(dc_, previous_);
  if (kept_) TheKeptSourceDC().busy = false;
}

namespace {

// A screen-compatible bitmap in a memory DC of its own, for one paint.
struct OwnSurface {
  OwnSurface(int width, int rows)
      : dc(nullptr), bitmap(CompatibleBitmap(width, rows)), selection(dc.get(), bitmap.get()) {}
  static HBITMAP CompatibleBitmap(int width, int rows) {
    WindowDC screen(nullptr);
    return CreateCompatibleBitmap(screen.get(), width, rows);
  }
  bool Valid() const { return dc.get() && bitmap; }

  MemoryDC dc;
  Bitmap bitmap;
  SelectObjectGuard selection;  // declared last: deselects first
};

// A surface for one composition of bands of `width` x up to `rows`: the
// shared buffer, or, when that is busy (a composition inside a composition)
// or cannot grow, a bitmap of this paint's own. Halves the band until one
// can be made; none at all leaves Dc() null.
class BandSurface {
 public:
  BandSurface(int width, int rows) {
    for (rows_ = rows; rows_ >= 1; rows_ /= 2) {
      if (!PaintBuffer::Shared().Busy()) {
        shared_.emplace(PaintBuffer::Shared(), width, rows_);
        if (*shared_) {
          dc_ = shared_->dc();
          return;
        }
        shared_.reset();
      }
      own_ = std::make_unique<OwnSurface>(width, rows_);
      if (own_->Valid()) {
        dc_ = own_->dc.get();
        return;
      }
      own_.reset();
    }
  }
  HDC Dc() const { return dc_; }
  int Rows() const { return rows_; }

 private:
  std::optional<PaintBufferUse> shared_;
  std::unique_ptr<OwnSurface> own_;
  HDC dc_ = nullptr;
  int rows_ = 0;
};

}  // namespace

void PaintBufferedArea(HDC target, const RECT& area, PaintCallback draw, void* context) {
  RECT clip{};
  const int clipKind = GetClipBox(target, &clip);
  if (clipKind == NULLREGION) return;
  RECT visible = area;
  if (clipKind != ERROR && !IntersectRect(&visible, &area, &clip)) return;
  if (IsRectEmpty(&visible)) return;
  const int width = visible.right - visible.left, height = visible.bottom - visible.top;
  const long maxRows = std::max(1L, PaintBuffer::kMaxPixels / width);
  BandSurface surface(width, static_cast<int>(std::min<long>(height, maxRows)));
  if (!surface.Dc()) {
    // No memory for any surface: drawn straight on the target rather than not at all.
    SavedDC saved(target);
    IntersectClipRect(target, visible.left, visible.top, visible.right, visible.bottom);
    draw(context, target);
    return;
  }
  HDC dc = surface.Dc();
  for (int top = visible.top; top < visible.bottom; top += surface.Rows()) {
    const int rows = std::min<int>(surface.Rows(), visible.bottom - top);
    {
      SavedDC saved(dc);
      SetViewportOrgEx(dc, -visible.left, -top, nullptr);
      IntersectClipRect(dc, visible.left, top, visible.right, top + rows);
      draw(context, dc);
    }
    BitBlt(target, visible.left, top, width, rows, dc, 0, 0, SRCCOPY);
  }
}

}  // namespace tk
