#include "gauge/Gauges.h"

#include "gauge/BltBitmap.h"
#include "gauge/GaugeDraw.h"
#include "gauge/core/arithmetic.h"
#include "gauge/core/geometry.h"
#include "gauge/core/range_message.h"

namespace gauges {

TGauge::TGauge(tk::Container* parent) : tk::Control(nullptr) {
  SetOpaque(true);
  SetBounds(0, 0, 100, 100);
  SetParent(parent);
}

void TGauge::SetKind(TGaugeKind value) {
  if (value == kind_) return;
  kind_ = value;
  Changed();
}

void TGauge::SetShowText(bool value) {
  if (value == showText_) return;
  showText_ = value;
  Changed();
}

void TGauge::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Changed();
}

void TGauge::SetForeColor(tk::TColor value) {
  if (value == foreColor_) return;
  foreColor_ = value;
  Changed();
}

void TGauge::SetBackColor(tk::TColor value) {
  if (value == backColor_) return;
  backColor_ = value;
  Changed();
}

void TGauge::SetMinValue(std::int32_t value) {
  if (value == minValue_) return;
  if (value > maxValue_ && !loading_) throw tk::EInvalidOperation(core::MinValueRangeMessage(maxValue_));
  minValue_ = value;
  if (progress_ < value) progress_ = value;
  Changed();
}

void TGauge::SetMaxValue(std::int32_t value) {
  if (value == maxValue_) return;
  if (value < minValue_ && !loading_) throw tk::EInvalidOperation(core::MaxValueRangeMessage(minValue_));
  maxValue_ = value;
  if (progress_ > value) progress_ = value;
  Changed();
}

void TGauge::SetProgress(std::int32_t value) {
  std::int32_t clamped = value;
  if (clamped < minValue_) {
    clamped = minValue_;
  } else if (clamped > maxValue_) {
    clamped = maxValue_;
  }
  if (clamped == progress_) return;
  const int before = Percent();
  progress_ = clamped;
  if (Percent() != before) Changed();
}

void TGauge::Changed() {
  if (!loading_) Repaint();
}

void TGauge::EndLoading() {
  loading_ = false;
  Invalidate();
}

int TGauge::Percent() const { return core::GaugePercent(minValue_, maxValue_, progress_); }

void TGauge::Paint(HDC dc) {
  ++paintCount_;
  const int width = Width(), height = Height();
  if (width <= 0 || height <= 0) return;  // empty bitmaps: nothing reaches the screen

  GaugeLook look;
  look.width = width;
  look.height = height;
  look.bordered = borderStyle_ == bsSingle;
  look.percent = Percent();
  look.foreColor = foreColor_;
  look.backColor = backColor_;
  look.color = Color();

  OffscreenBitmap image(width, height);  // GaugeImage
  if (!image.Valid()) return;
  ClearToBlack(image, width, height);
  const core::Rect paint = core::PaintRectFor(width, height, look.bordered);
  {
    TBltBitmap overlay;  // KindOverlay
    overlay.MakeLike(image);
    if (!overlay.Valid()) return;
    ClearToBlack(overlay, width, height);
    switch (kind_) {
      case gkText: DrawPlain(overlay.Canvas(), paint, look); break;
      case gkHorizontalBar: DrawHorizontalBar(overlay.Canvas(), paint, look); break;
      case gkVerticalBar: DrawVerticalBar(overlay.Canvas(), paint, look); break;
      case gkPie: DrawPie(overlay.Canvas(), paint, look); break;
      case gkNeedle: DrawNeedle(overlay.Canvas(), paint, look); break;
    }
    XorOnto(image, overlay, width, height);
  }
  if (showText_) DrawPercentText(image, paint, look, Font());
  StretchBlt(dc, 0, 0, width, height, image.Canvas(), 0, 0, width, height, SRCCOPY);
}

}  // namespace gauges
