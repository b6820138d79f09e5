#pragma once
// A native track bar, optionally framed by a border in its surface's colour.

#include <functional>

#include "toolkit/win_control.h"

namespace tk {

class Container;

enum class TrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public WinControl {
 public:
  explicit TTrackBar(const ParentSite& site);
  void SetOrientation(TrackBarOrientation orientation);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int value);
  void SetMax(int value);
  int Position() const;
  // Moves the thumb without raising OnChange.
  void SetPosition(int value);
  void SetFrequency(int value);
  // A border of that many pixels around the native track bar, inside the
  // component's bounds, in the colour of the surface that carries it.
  void SetBorderWidth(int width);

  std::function<void()> OnChange;
  LRESULT Scroll(WORD code) override;

 private:
  LRESULT BorderFilter(UINT message, WPARAM wParam, LPARAM lParam, const Next& next);
  void PaintBorder(HDC dc);
  Container& surface_;
  int min_ = 0, max_ = 10;
  int border_ = 0;
  int last_ = 0;
};

}  // namespace tk
