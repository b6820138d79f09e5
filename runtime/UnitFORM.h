#pragma once
// TImageForm: the borderless form that carries one gauge, loaded from its
// stored form ImageForm.

#include <windows.h>

#include "gauge/Gauges.h"
#include "toolkit/font_handle.h"
#include "toolkit/form.h"

namespace runtime {

using tk::ScreenPixelsPerInch;

class TImageForm : public tk::TForm {
 public:
  // Loads the stored form. Its window is a hidden child of parentWindow at
  // the stored bounds (a child is never layered, so its gauge shows); with
  // no parent it is a hidden top-level window.
  explicit TImageForm(HWND parentWindow);

  gauges::TGauge* Gauge() const { return gauge_; }

  void Show();

 private:
  static const tk::ComponentBinding<TImageForm> kComponents[];

  gauges::TGauge* gauge_ = nullptr;
};

}  // namespace runtime
