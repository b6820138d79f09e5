#include "decor/Gradient.h"

#include <algorithm>

#include "toolkit/contrast.h"
#include "toolkit/gdi.h"
#include "toolkit/paint_buffer.h"

namespace decor {

TGradient::TGradient(tk::Container* parent) : TGradient(StartLoading{}, parent) {
  loading_ = false;
  RebuildPattern();  // a new control already holds its gsRadialC pattern
}

TGradient::TGradient(StartLoading, tk::Container* parent) : tk::Control(parent) {
  SetOpaque(true);
  SetBounds(Left(), Top(), 100, 100);
  loading_ = true;
}

TGradient::~TGradient() = default;

// ---- Properties ----

void TGradient::SetColorBegin(tk::TColor value) {
  if (value == colorBegin_) return;
  colorBegin_ = value;
  useSysColors_ = false;
  RebuildPattern();
}

void TGradient::SetColorEnd(tk::TColor value) {
  if (value == colorEnd_) return;
  colorEnd_ = value;
  useSysColors_ = false;
  RebuildPattern();
}

void TGradient::SetUseSysColors(bool value) {
  if (value == useSysColors_) return;
  useSysColors_ = value;
  if (value) LoadSystemColors();  // false keeps the caption colours in place
}

void TGradient::SetStyle(TGradientStyle value) {
  if (value == style_) return;
  style_ = value;
  RebuildPattern();
}

void TGradient::SetShift(int value) {
  const auto clamped = static_cast<TGradientShift>(ClampPercent(value));
  if (clamped == shift_) return;
  shift_ = clamped;
  RebuildPattern();
}

void TGradient::SetRotation(int value) {
  const auto clamped = static_cast<TGradientRotation>(ClampPercent(value));
  if (clamped == rotation_) return;
  rotation_ = clamped;
  RebuildPattern();
}

void TGradient::SetReverse(bool value) {
  if (value == reverse_) return;
  reverse_ = value;
  RebuildPattern();
}

void TGradient::SetShape(TShapeType value) {
  if (value == shape_) return;
  shape_ = value;
  SetOpaque(value == stRectangle);
  Invalidate();
}

void TGradient::SetBorderColor(tk::TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  Invalidate();
}

void TGradient::SetBorderWidth(int value) {
  value = std::max(value, 0);
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Invalidate();
}

// ---- Updates, loading, system colours ----

void TGradient::BeginUpdate() { ++updateCount_; }

void TGradient::EndUpdate() {
  if (updateCount_ == 0) return;  // unbalanced: ignored rather than locking rebuilds for good
  --updateCount_;
  if (updateCount_ == 0 && !patternValid_) RebuildPattern();
}

void TGradient::Loaded() {
  loading_ = false;
  RebuildPattern();
}

void TGradient::LoadSystemColors() {
  BeginUpdate();
  SetColorBegin(static_cast<tk::TColor>(GetSysColor(COLOR_ACTIVECAPTION)));
  SetColorEnd(static_cast<tk::TColor>(GetSysColor(COLOR_GRADIENTACTIVECAPTION)));
  useSysColors_ = true;  // the writes above cleared it
  EndUpdate();
}

void TGradient::SettingsChanged() {
  tk::Control::SettingsChanged();
  if (useSysColors_) LoadSystemColors();
}

void TGradient::MouseEnter() {
  tk::Control::MouseEnter();
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TGradient::MouseLeave() {
  tk::Control::MouseLeave();
  if (OnMouseLeave) OnMouseLeave(*this);
}

// ---- The pattern ----

void TGradient::RebuildPattern() {
  patternValid_ = false;
  if (loading_ || updateCount_ != 0) return;
  RenderPattern();
  // The control is opaque where it paints: no erase, no flicker.
  Invalidate();
}

void TGradient::RenderPattern() {
  const GradientEnds ends = OrderedEnds(static_cast<tk::TColor>(tk::ColorToRGB(colorBegin_)),
                                        static_cast<tk::TColor>(tk::ColorToRGB(colorEnd_)), reverse_);
  const TGradientColors colors = BuildGradientColors(ends.first, ends.second, shift_, rotation_);
  solid_ = false;
  if (style_ == gsCustom) {
    if (OnCustom) {
      OnCustom(*this, colors, pattern_);
    } else {
      // Unshifted ends, in four quadrants.
      if (!pattern_.SetSize(kCustomDefaultSize.width, kCustomDefaultSize.height)) return;
      FillCustomDefault(PixelOfRgb(ends.first), PixelOfRgb(ends.second), pattern_.Pixels());
    }
  } else {
    if (style_ >= kGradientStyleCount) return;
    // Every generator only copies table entries, so a one-colour table paints
    // one colour whatever the style: a fill, without a bitmap of its own.
    if (std::all_of(colors.begin(), colors.end(), [&](Pixel p) { return p == colors[0]; })) {
      pattern_.SetSize(0, 0);
      solidColor_ = RGB(PixelRed(colors[0]), PixelGreen(colors[0]), PixelBlue(colors[0]));
      solid_ = true;
      patternValid_ = true;
      ++rebuildCount_;
      return;
    }
    const PatternGenerator& generator = kPatternGenerators[style_];
    if (!pattern_.SetSize(generator.size.width, generator.size.height)) return;
    generator.fill(colors, pattern_.Pixels());
  }
  patternValid_ = true;
  ++rebuildCount_;
}

// ---- Painting ----

void TGradient::Paint(HDC dc) {
  if (!patternValid_) return;
  tk::SavedDC saved(dc);
  const ShapeTarget target = ShapeTargetOf(shape_, Width(), Height(), borderWidth_);
  // Under a contrast theme no gradient: a band is the theme's face, a rule
  // (at most two pixels thick) a line in the face's text colour.
  std::optional<COLORREF> flat;
  if (tk::HighContrast()) {
    const bool rule = Width() <= 2 || Height() <= 2;
    flat = tk::ColorToRGB(tk::RoleColor(rule ? tk::ColorRole::FaceText : tk::ColorRole::Face));
  }
  if (shape_ == stRectangle) {
    StretchPattern(dc, target, flat);
  } else {
    PaintShape(dc, target, flat);
  }
  if (borderWidth_ > 0) PaintBorder(dc, target);
}

void TGradient::StretchPattern(HDC dc, const ShapeTarget& t, std::optional<COLORREF> flat) const {
  if (t.width <= 0 || t.height <= 0) return;
  if (flat || solid_) {
    // The DC's own brush: a paint makes no brush either (Paint restores the DC).
    tk::FillSolid(dc, RECT{t.x, t.y, t.x + t.width, t.y + t.height}, flat.value_or(solidColor_));
    return;
  }
  if (pattern_.Empty()) return;
  // The process's kept source DC: a paint makes no DC of its own.
  tk::SourceDC source(pattern_.Handle());
  if (!source.get()) return;
  // Nearest neighbour: pattern rows and columns are dropped or repeated.
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, t.x, t.y, t.width, t.height, source.get(), 0, 0, pattern_.Width(),
             pattern_.Height(), SRCCOPY);
}

void TGradient::PaintShape(HDC dc, const ShapeTarget& t, std::optional<COLORREF> flat) const {
  const int right = t.x + t.width, bottom = t.y + t.height;
  tk::Region region(IsRounded(shape_)   ? CreateRoundRectRgn(t.x, t.y, right, bottom, t.corner, t.corner)
                    : IsElliptic(shape_) ? CreateEllipticRgn(t.x, t.y, right, bottom)
                                         : CreateRectRgn(t.x, t.y, right, bottom));
  if (!region) return;
  // Clip regions are in device units: the control's corner lies at the
  // viewport origin, shifted by whatever window origin the surface has.
  POINT viewport{}, window{};
  GetViewportOrgEx(dc, &viewport);
  GetWindowOrgEx(dc, &window);
  OffsetRgn(region.get(), viewport.x - window.x, viewport.y - window.y);
  tk::SavedDC clipped(dc);
  // Within the clip the surface already has (the control's own rectangle).
  if (ExtSelectClipRgn(dc, region.get(), RGN_AND) == ERROR) return;
  StretchPattern(dc, t, flat);
}

void TGradient::PaintBorder(HDC dc, const ShapeTarget& t) const {
  tk::Pen pen = tk::SolidPen(tk::DrawnColor(borderColor_, tk::ColorRole::FaceText), borderWidth_);
  if (!pen) return;
  tk::SelectObjectGuard selectPen(dc, pen.get());
  tk::SelectObjectGuard selectBrush(dc, GetStockObject(NULL_BRUSH));
  const int right = t.x + t.width, bottom = t.y + t.height;
  if (IsRounded(shape_)) {
    RoundRect(dc, t.x, t.y, right, bottom, t.corner, t.corner);
  } else if (IsElliptic(shape_)) {
    Ellipse(dc, t.x, t.y, right, bottom);
  } else {
    Rectangle(dc, t.x, t.y, right, bottom);
  }
}

}  // namespace decor
