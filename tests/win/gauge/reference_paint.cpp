#include "tests/win/gauge/reference_paint.h"

#include <string>

#include "gauge/GaugeDraw.h"
#include "gauge/core/geometry.h"
#include "toolkit/gdi.h"

namespace gauges::test {

namespace {

// A screen-compatible bitmap of its own with its own memory DC.
class Image {
 public:
  Image(int width, int height) : width_(width), height_(height), dc_(nullptr), bitmap_(Make(width, height)),
                                  selection_(dc_.get(), bitmap_.get()) {}
  bool Valid() const { return dc_.get() && bitmap_; }
  HDC dc() const { return dc_.get(); }
  // StretchBlt with BLACKNESS onto itself over the whole size.
  void ClearToBlack() { StretchBlt(dc(), 0, 0, width_, height_, dc(), 0, 0, width_, height_, BLACKNESS); }
  // TBltBitmap.MakeLike: clWindowFrame all over.
  void FillWindowFrame() {
    tk::Brush brush = tk::SolidBrush(tk::clWindowFrame);
    RECT all{0, 0, width_, height_};
    FillRect(dc(), &all, brush.get());
  }
  void XorFrom(const Image& source) {
    StretchBlt(dc(), 0, 0, width_, height_, source.dc(), 0, 0, width_, height_, SRCINVERT);
  }

 private:
  static HBITMAP Make(int width, int height) {
    tk::WindowDC screen(nullptr);
    return CreateCompatibleBitmap(screen.get(), width, height);
  }
  int width_, height_;
  tk::MemoryDC dc_;
  tk::Bitmap bitmap_;
  tk::SelectObjectGuard selection_;
};

}  // namespace

void ReferencePaint(const TGauge& gauge, HDC dc) {
  const int width = gauge.Width(), height = gauge.Height();
  if (width <= 0 || height <= 0) return;
  GaugeLook look;
  look.width = width;
  look.height = height;
  look.bordered = gauge.BorderStyle() == bsSingle;
  look.percent = gauge.Percent();
  look.foreColor = gauge.ForeColor();
  look.backColor = gauge.BackColor();
  look.color = gauge.Color();

  Image image(width, height);
  if (!image.Valid()) return;
  image.ClearToBlack();
  const core::Rect paint = core::PaintRectFor(width, height, look.bordered);
  {
    Image overlay(width, height);
    if (!overlay.Valid()) return;
    overlay.FillWindowFrame();
    overlay.ClearToBlack();
    switch (gauge.Kind()) {
      case gkText: DrawPlain(overlay.dc(), paint, look); break;
      case gkHorizontalBar: DrawHorizontalBar(overlay.dc(), paint, look); break;
      case gkVerticalBar: DrawVerticalBar(overlay.dc(), paint, look); break;
      case gkPie: DrawPie(overlay.dc(), paint, look); break;
      case gkNeedle: DrawNeedle(overlay.dc(), paint, look); break;
    }
    image.XorFrom(overlay);
  }
  if (gauge.ShowText()) {
    const std::string text = core::PercentText(look.percent);
    Image overlay(width, height);
    if (!overlay.Valid()) return;
    overlay.FillWindowFrame();
    overlay.ClearToBlack();
    HDC o = overlay.dc();
    tk::Font font = CreateFontFor(gauge.Font());
    tk::SelectObjectGuard fontSelection(o, font.get());
    SetBkMode(o, TRANSPARENT);
    SetTextColor(o, RGB(255, 255, 255));
    SIZE extent{};
    GetTextExtentPoint32A(o, text.c_str(), static_cast<int>(text.size()), &extent);
    const core::Point at = core::TextPosition(paint, extent.cx, extent.cy);
    const RECT clip{paint.left, paint.top, paint.right, paint.bottom};
    // An empty paint rectangle (a bordered gauge 1 pixel wide or high) clips
    // all of the text; Wine would order its corners and draw on the frame.
    if (clip.right > clip.left && clip.bottom > clip.top) {
      tk::Region region(CreateRectRgn(clip.left, clip.top, clip.right, clip.bottom));
      SelectClipRgn(o, region.get());
      ExtTextOutA(o, at.x, at.y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
      SelectClipRgn(o, nullptr);
    }
    image.XorFrom(overlay);
  }
  StretchBlt(dc, 0, 0, width, height, image.dc(), 0, 0, width, height, SRCCOPY);
}

}  // namespace gauges::test
