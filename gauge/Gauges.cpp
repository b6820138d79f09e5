#include "gauge/Gauges.h"

#include "gauge/GaugeDraw.h"
#include "gauge/GaugeKinds.h"
#include "gauge/GaugeText.h"
#include "gauge/core/arithmetic.h"
#include "gauge/core/geometry.h"
#include "gauge/core/range_message.h"
#include "toolkit/buffered_paint.h"
#include "toolkit/contrast.h"

namespace gauges {

TGauge::TGauge(tk::Container* parent) : tk::Control(nullptr) {
  SetOpaque(true);
  // Its own colour is clWindow; it still follows a parent's until set.
  SetColor(tk::clWindow);
  SetParentColor(true);
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
  const int before = Percent();
  minValue_ = value;
  if (progress_ < value) progress_ = value;
  Changed();
  PercentWritten(before);
}

void TGauge::SetMaxValue(std::int32_t value) {
  if (value == maxValue_) return;
  if (value < minValue_ && !loading_) throw tk::EInvalidOperation(core::MaxValueRangeMessage(minValue_));
  const int before = Percent();
  maxValue_ = value;
  if (progress_ > value) progress_ = value;
  Changed();
  PercentWritten(before);
}

void TGauge::SetProgress(std::int32_t value) {
  const std::int32_t clamped = core::KeepInRange(value, minValue_, maxValue_);
  if (clamped == progress_) return;
  const int before = Percent();
  progress_ = clamped;
  if (Percent() == before) return;
  Changed();
  PercentWritten(before);
}

void TGauge::Changed() {
  if (!loading_) Repaint();
}

void TGauge::PercentWritten(int before) {
  if (!loading_ && OnPercentChange && Percent() != before) OnPercentChange();
}

void TGauge::VisibleChanged() {
  if (!loading_ && OnVisibleChange) OnVisibleChange();
}

void TGauge::EndLoading() {
  loading_ = false;
  Invalidate();
}

int TGauge::Percent() const { return core::GaugePercent(minValue_, maxValue_, progress_); }

void TGauge::Paint(HDC dc) {
  ++paintCount_;
  const int width = Width(), height = Height();
  if (width <= 0 || height <= 0) return;  // nothing reaches the screen
  if (tk::PaintBuffer::Shared().Holds(dc)) {
    Compose(dc);  // the form is being composed off-screen already
    return;
  }
  tk::PaintBuffered(dc, RECT{0, 0, width, height}, [this](HDC surface) { Compose(surface); });
}

void TGauge::Compose(HDC dc) const {
  RECT area{0, 0, Width(), Height()}, clip{};
  const int clipKind = GetClipBox(dc, &clip);
  if (clipKind == NULLREGION) return;
  if (clipKind != ERROR && !IntersectRect(&area, &area, &clip)) return;

  GaugeLook look;
  look.width = Width();
  look.height = Height();
  look.bordered = borderStyle_ == bsSingle;
  look.percent = Percent();
  look.foreColor = foreColor_;
  look.backColor = backColor_;
  look.color = Color();
  // A contrast theme is followed at each paint: the author's colours stay
  // stored, and come back when the theme is turned off.
  if (tk::HighContrast()) look = ContrastLook(look);
  const core::Rect paint = core::PaintRectFor(look.width, look.height, look.bordered);

  // Every kind fills the paint rectangle first, which is what black XOR
  // (black + kind) leaves there; so only the frame around it is blackened.
  DrawFrame(dc, look, paint);
  const KindRoutines routines = RoutinesOf(kind_);
  if (routines.draw) routines.draw(dc, paint, look);
  if (showText_)
    DrawPercentText(dc, area, paint, look, Font(), look.contrast ? ContrastInk(routines.fillClip) : TextInk{});
}

}  // namespace gauges
