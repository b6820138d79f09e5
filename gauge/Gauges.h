#pragma once
// TGauge: a windowless control that shows a value as a whole percentage of a
// range, as text, a horizontal or vertical bar, a pie or a half dial.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "toolkit/control.h"
#include "toolkit/core/errors.h"
#include "toolkit/core/gauge_kind.h"

namespace gauges {

// The kinds are one table below the control (toolkit/core/gauge_kind.h).
using tk::TGaugeKind;
using enum tk::TGaugeKind;
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

class TGauge : public tk::Control {
 public:
  explicit TGauge(tk::Container* parent = nullptr);

  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  tk::TColor ForeColor() const { return foreColor_; }
  void SetForeColor(tk::TColor value);
  tk::TColor BackColor() const { return backColor_; }
  void SetBackColor(tk::TColor value);

  std::int32_t MinValue() const { return minValue_; }
  // Throws tk::EInvalidOperation when value > MaxValue (outside loading).
  void SetMinValue(std::int32_t value);
  std::int32_t MaxValue() const { return maxValue_; }
  // Throws tk::EInvalidOperation when value < MinValue (outside loading).
  void SetMaxValue(std::int32_t value);
  std::int32_t Progress() const { return progress_; }
  // Clamps into the range; repaints only when Percent changes.
  void SetProgress(std::int32_t value);

  int Percent() const;

  // Told after the percentage it shows changed, whichever write changed it,
  // and after it was shown or hidden; never while loading.
  std::function<void()> OnPercentChange;
  std::function<void()> OnVisibleChange;

  // While loading from a stored description the range checks are skipped
  // and nothing is painted (the form's window may exist but shows nothing
  // yet); the end of loading asks for one paint of the stored state.
  void BeginLoading() { loading_ = true; }
  void EndLoading();

  // Number of paints so far (for tests and benchmarks of the repaint rules).
  unsigned PaintCount() const { return paintCount_; }

  // Composes the picture off-screen (in the process's paint buffer, or in
  // place when dc is that buffer) and copies the part inside dc's clip box
  // to dc in one blit.
  void Paint(HDC dc) override;

 protected:
  void VisibleChanged() override;

 private:
  // Draws the picture straight onto dc, within its clip box.
  void Compose(HDC dc) const;
  // A stored value changed: repaint at once, unless loading.
  void Changed();
  // Tells OnPercentChange when Percent differs from the one before a write.
  void PercentWritten(int before);

  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 100;
  std::int32_t progress_ = 0;
  TGaugeKind kind_ = gkHorizontalBar;
  bool showText_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  tk::TColor foreColor_ = tk::clBlack;
  tk::TColor backColor_ = tk::clWhite;
  bool loading_ = false;
  unsigned paintCount_ = 0;
};

}  // namespace gauges
