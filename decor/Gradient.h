#pragma once
// TGradient: a windowless control that fills its rectangle, or a square,
// rounded or elliptic shape inside it, with a two-colour gradient, optionally
// outlined by a border. The gradient is rendered once into a small pattern
// that every paint stretches over the control (one colour is simply filled);
// only colours, style, shift, rotation and reverse render it again.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "decor/GradientPattern.h"
#include "decor/core/gradient_colors.h"
#include "decor/core/gradient_patterns.h"
#include "decor/core/gradient_shape.h"
#include "toolkit/control.h"

namespace decor {

class TGradient;

using TGradientShift = std::int8_t;     // -100..100
using TGradientRotation = std::int8_t;  // -100..100
using TGradientNotifyEvent = std::function<void(TGradient& sender)>;
// Draws the gsCustom pattern: size it (SetSize) and fill every pixel.
using TCustomGradientEvent =
    std::function<void(TGradient& sender, const TGradientColors& colors, GradientPattern& pattern)>;

class TGradient : public tk::Control {
 public:
  explicit TGradient(tk::Container* parent = nullptr);
  ~TGradient() override;

  tk::TColor ColorBegin() const { return colorBegin_; }
  void SetColorBegin(tk::TColor value);
  tk::TColor ColorEnd() const { return colorEnd_; }
  void SetColorEnd(tk::TColor value);
  // True: the colours follow the system's active-caption colours.
  bool UseSysColors() const { return useSysColors_; }
  void SetUseSysColors(bool value);
  TGradientStyle Style() const { return style_; }
  void SetStyle(TGradientStyle value);
  // Clamped to -100..100.
  int Shift() const { return shift_; }
  void SetShift(int value);
  int Rotation() const { return rotation_; }
  void SetRotation(int value);
  bool Reverse() const { return reverse_; }
  void SetReverse(bool value);
  // Opaque only as a rectangle: around other shapes the parent shows.
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value);
  tk::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(tk::TColor value);
  // Pen width in pixels, 0 for none; negative widths count as 0.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);

  TCustomGradientEvent OnCustom;
  TGradientNotifyEvent OnMouseEnter;
  TGradientNotifyEvent OnMouseLeave;

  // Property writes between these rebuild the pattern once, at the last
  // EndUpdate. An EndUpdate without a BeginUpdate is ignored.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // While a stored form is loaded no rebuild happens; Loaded rebuilds once.
  void BeginLoading() { loading_ = true; }
  void Loaded();
  bool Loading() const { return loading_; }

  // Renders the pattern from the current properties and asks for a repaint;
  // deferred (PatternValid stays false) while loading or inside an update.
  void RebuildPattern();
  // Takes the active-caption colours of the system and sets UseSysColors.
  virtual void LoadSystemColors();

  bool PatternValid() const { return patternValid_; }
  // Empty when the gradient has one colour only (see SolidColor).
  const GradientPattern& Pattern() const { return pattern_; }
  bool Solid() const { return solid_; }
  COLORREF SolidColor() const { return solidColor_; }
  // How many times the pattern has been rendered (for tests and benchmarks).
  unsigned RebuildCount() const { return rebuildCount_; }

  void Paint(HDC dc) override;
  // Nothing is drawn while the pattern is invalid: the area keeps its pixels.
  bool HasPicture() const override { return patternValid_; }
  void MouseEnter() override;
  void MouseLeave() override;
  void SettingsChanged() override;

 protected:
  // A control made from a stored description starts loading: its first
  // pattern is rendered once its stored values are in (Loaded), not the
  // default one first.
  struct StartLoading {};
  explicit TGradient(StartLoading, tk::Container* parent = nullptr);

 private:
  void RenderPattern();
  // flat: one colour in place of the pattern.
  void StretchPattern(HDC dc, const ShapeTarget& target, std::optional<COLORREF> flat) const;
  void PaintShape(HDC dc, const ShapeTarget& target, std::optional<COLORREF> flat) const;
  void PaintBorder(HDC dc, const ShapeTarget& target) const;

  tk::TColor colorBegin_ = tk::clWhite;
  tk::TColor colorEnd_ = tk::clBtnFace;
  bool useSysColors_ = false;
  TGradientStyle style_ = gsRadialC;
  TGradientShift shift_ = 0;
  TGradientRotation rotation_ = 0;
  TShapeType shape_ = stRectangle;
  bool reverse_ = false;
  GradientPattern pattern_;
  // A one-colour table needs no pattern: paints fill with solidColor_.
  bool solid_ = false;
  COLORREF solidColor_ = 0;
  tk::TColor borderColor_ = tk::clActiveBorder;
  int borderWidth_ = 0;
  int updateCount_ = 0;
  bool patternValid_ = false;
  bool loading_ = false;
  unsigned rebuildCount_ = 0;
};

}  // namespace decor
