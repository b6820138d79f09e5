#pragma once
// A dialog's layout is drawn in pixels of a 96-pixels-per-inch screen. On a
// denser screen (in a host that declares itself aware of it) the layout grows
// by DPI / 96, so that the dialog keeps its physical size and its texts stay
// readable. At 96 nothing changes.

#include <array>
#include <string_view>

#include "toolkit/core/form_description.h"

namespace tk {

constexpr int kDesignDpi = 96;

class LayoutScale {
 public:
  constexpr LayoutScale() = default;
  // Resolutions below the design's (and nonsense) keep the design's pixels.
  constexpr explicit LayoutScale(int dpi) : dpi_(dpi > kDesignDpi ? dpi : kDesignDpi) {}

  constexpr int Dpi() const { return dpi_; }
  constexpr bool IsIdentity() const { return dpi_ == kDesignDpi; }
  bool operator==(const LayoutScale&) const = default;

  // A length or a coordinate: rounded to nearest, halves away from zero.
  int Length(int designPixels) const;
  // The scaled size of a span that starts at `start` (in the same
  // coordinates): the distance between its two scaled edges, so that spans
  // that meet still meet and spans that line up still line up. Lines of one
  // or two pixels keep their thickness, as the system's own frames do.
  int Extent(int start, int length) const;

 private:
  int dpi_ = kDesignDpi;
};

namespace form {

// The properties that ScaleLayout rewrites on a component: its place, its
// lengths, and its faces (the bitmap face's).
inline constexpr std::array<std::string_view, 4> kScaledPlace = {"Left", "Top", "Width", "Height"};
inline constexpr std::array<std::string_view, 3> kScaledLengths = {"Font.Height", "EditLabel.Font.Height",
                                                                   "ItemHeight"};
inline constexpr std::array<std::string_view, 2> kScaledFaces = {"Font.Name", "EditLabel.Font.Name"};

// Rewrites a parsed description for the scale: the form's client size, every
// component's Left, Top, Width and Height by its edges in the form's
// coordinates, and its font and item heights. Line thicknesses (pens,
// border widths) are kept. A value that is no integer is left for applying
// it to report. MS Sans Serif, a bitmap face that stops growing at about
// 20 pixels, becomes its outline twin Microsoft Sans Serif, as in the
// system's own dialogs.
void ScaleLayout(ObjectNode& root, const LayoutScale& scale);

}  // namespace form
}  // namespace tk
