#pragma once
// TImageForm: the borderless form that carries one gauge, built from the
// stored values of its form resource ImageForm.

#include <windows.h>

#include "gauge/Gauges.h"
#include "toolkit/container.h"
#include "toolkit/core/font.h"

namespace runtime {

// The stored values of the form resource ImageForm and of its Gauge child.
struct ImageFormResource {
  bool borderNone;
  bool alphaBlend;
  int alphaBlendValue;
  bool transparentColor;
  tk::TColor transparentColorValue;
  tk::TColor color;
  int left, top, clientWidth, clientHeight;
  tk::FontRecord font;      // height in pixels at fontPixelsPerInch
  int fontPixelsPerInch;
  bool visible;
  struct {
    int left, top, width, height;
    tk::Align align;
    gauges::TBorderStyle borderStyle;
    gauges::TGaugeKind kind;
    int maxValue;
    int progress;
  } gauge;
};
const ImageFormResource& ImageForm();

// The screen's pixels per inch (font sizes in points are measured in them).
int ScreenPixelsPerInch();

class TImageForm : public tk::Container {
 public:
  TImageForm();
  ~TImageForm() override;

  gauges::TGauge Gauge;

  // Creates the form's window as a hidden child of parent, at the stored
  // bounds. The layered settings (alpha, colour key) of the resource apply
  // to top-level forms only; a child keeps them off so its gauge shows.
  void CreateAsChildOf(HWND parent);

  void Show();
  // Closing a form without a close handler only hides it.
  void Close();
};

}  // namespace runtime
