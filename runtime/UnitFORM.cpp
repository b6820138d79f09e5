#include "runtime/UnitFORM.h"

#include "decor/FormClasses.h"

namespace runtime {

const tk::ComponentBinding<TImageForm> TImageForm::kComponents[] = {
    {"Gauge", &TImageForm::gauge_},
};

TImageForm::TImageForm(HWND parentWindow) : tk::TForm("TImageForm") {
  BindComponentTable(this, kComponents);
  SetParentWindow(parentWindow);
  LoadFromResource("FORM_IMAGEFORM", decor::FormClasses(), nullptr);
}

void TImageForm::Show() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_SHOW);
}

}  // namespace runtime
