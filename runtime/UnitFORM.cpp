#include "runtime/UnitFORM.h"

#include "decor/FormClasses.h"

namespace runtime {

TImageForm::TImageForm(HWND parentWindow) : tk::TForm("TImageForm") {
  SetParentWindow(parentWindow);
  LoadFromResource("FORM_IMAGEFORM", decor::FormClasses(), nullptr);
}

void TImageForm::BindComponents() { Gauge = &Get<gauges::TGauge>("Gauge"); }

void TImageForm::Show() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_SHOW);
}

}  // namespace runtime
