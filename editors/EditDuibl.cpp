#include "editors/EditDuibl.h"

#include "toolkit/edits.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"

namespace editors {

TDublForm* DublForm = nullptr;

namespace {
constexpr tk::HandlerBinding<TDublForm> kHandlers[] = {
    {"Kn1Click", &TDublForm::Kn1Click},
    {"SpeedVariableClick", &TDublForm::SpeedVariableClick},
    {"SpeedButton1Click", &TDublForm::SpeedButton1Click},
    {"SpeedButton2Click", &TDublForm::SpeedButton2Click},
    {"SpeedButton7Click", &TDublForm::SpeedButton7Click},
};
const tk::ComponentBinding<TDublForm> kComponents[] = {
    {"LEdit2", &TDublForm::LEdit2},
    {"SpeedButton1", &TDublForm::SpeedButton1},
    {"SpeedButton2", &TDublForm::SpeedButton2},
    {"SpeedButton7", &TDublForm::SpeedButton7},
    {"LabelFont", &TDublForm::LabelFont},
};
// The font dialog's first font in this dialog.
constexpr int kFirstFontHeight = -13;
}  // namespace

TDublForm::TDublForm(HWND parentWindow) : TEditorForm("TDublForm") {
  BindTables(this, kHandlers, kComponents);
  FontDialog1.Font.height = kFirstFontHeight;
  LoadEditor("FORM_DUBLFORM", parentWindow);
}

void TDublForm::SpeedButton1Click() { ChooseColour(*LEdit2); }
void TDublForm::SpeedButton2Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit2); }
void TDublForm::SpeedButton7Click() { ChooseFont(*LEdit2, *LabelFont); }

}  // namespace editors
