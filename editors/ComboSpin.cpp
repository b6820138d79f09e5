#include "editors/ComboSpin.h"

#include "toolkit/label.h"
#include "toolkit/lists.h"

namespace editors {

TFormComboSpin4* FormComboSpin4 = nullptr;

namespace {
constexpr tk::HandlerBinding<TFormComboSpin4> kHandlers[] = {
    {"Kn1Click", &TFormComboSpin4::Kn1Click},
    {"SpeedVariableClick", &TFormComboSpin4::SpeedVariableClick},
};
const tk::ComponentBinding<TFormComboSpin4> kComponents[] = {
    {"Label1", &TFormComboSpin4::Label1},
    {"ComboBox1", &TFormComboSpin4::ComboBox1},
};
}  // namespace

TFormComboSpin4::TFormComboSpin4(HWND parentWindow) : TEditorForm("TFormComboSpin4") {
  BindTables(this, kHandlers, kComponents);
  LoadEditor("FORM_FORMCOMBOSPIN4", parentWindow);
}

}  // namespace editors
