#include "editors/EditFree.h"

#include "toolkit/edits.h"
#include "toolkit/speed_button.h"

namespace editors {

TFormFree* FormFree = nullptr;

namespace {
constexpr tk::HandlerBinding<TFormFree> kHandlers[] = {
    {"Kn1Click", &TFormFree::Kn1Click},
    {"SpeedVariableClick", &TFormFree::SpeedVariableClick},
    {"SpeedButton1Click", &TFormFree::SpeedButton1Click},
    {"SpeedButton2Click", &TFormFree::SpeedButton2Click},
    {"SpeedButton9Click", &TFormFree::SpeedButton9Click},
    {"SpeedButton4Click", &TFormFree::SpeedButton4Click},
};
const tk::ComponentBinding<TFormFree> kComponents[] = {
    {"LEdit2", &TFormFree::LEdit2},
    {"LEdit3", &TFormFree::LEdit3},
    {"SpeedButton1", &TFormFree::SpeedButton1},
    {"SpeedButton2", &TFormFree::SpeedButton2},
    {"SpeedButton9", &TFormFree::SpeedButton9},
    {"SpeedButton4", &TFormFree::SpeedButton4},
};
}  // namespace

TFormFree::TFormFree(HWND parentWindow) : TEditorForm("TFormFree") {
  BindTables(this, kHandlers, kComponents);
  LoadEditor("FORM_FORMFREE", parentWindow);
}

void TFormFree::SpeedButton1Click() { ChooseColour(*LEdit2); }
void TFormFree::SpeedButton2Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit2); }
void TFormFree::SpeedButton9Click() { ChooseColour(*LEdit3); }
void TFormFree::SpeedButton4Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit3); }

}  // namespace editors
