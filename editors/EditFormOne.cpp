#include "editors/EditFormOne.h"

namespace editors {

TFormOne* FormOne = nullptr;

namespace {
constexpr tk::HandlerBinding<TFormOne> kHandlers[] = {
    {"Kn1Click", &TFormOne::Kn1Click},
    {"SpeedVariableClick", &TFormOne::SpeedVariableClick},
};
}  // namespace

TFormOne::TFormOne(HWND parentWindow) : TEditorForm("TFormOne") {
  BindHandlerTable(this, kHandlers);
  LoadEditor("FORM_FORMONE", parentWindow);
}

}  // namespace editors
