#include "editors/EditFormNumber.h"

#include "editors/core/number_field.h"
#include "base/PlugInUtils.h"
#include "toolkit/edits.h"
#include "toolkit/label.h"

namespace editors {

TFormNumber* FormNumber = nullptr;

namespace {
constexpr tk::HandlerBinding<TFormNumber> kHandlers[] = {
    {"Kn1Click", &TFormNumber::Kn1Click},
    {"Kn2Click", &TFormNumber::Kn2Click},
};
const tk::ComponentBinding<TFormNumber> kComponents[] = {
    {"Label1", &TFormNumber::Label1},
    {"Label2", &TFormNumber::Label2},
    {"SpinEdit1", &TFormNumber::SpinEdit1},
    {"SpinEdit2", &TFormNumber::SpinEdit2},
};
}  // namespace

TFormNumber::TFormNumber(HWND parentWindow) : TEditorForm("TFormNumber") {
  BindTables(this, kHandlers, kComponents);
  LoadEditor("FORM_FORMNUMBER", parentWindow);
}

void TFormNumber::Kn2Click() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit1); }

void TFormNumber::SetUpNumber(tk::TLabel& caption, const LocalisedText& text, tk::TSpinEdit& field,
                              nb::HostSlot slot) {
  caption.SetVisible(true);
  Localise(caption, text);
  field.SetMaxLength(kNumberFieldLength);
  field.SetMinValue(kNumberFieldMin);
  field.SetMaxValue(kNumberFieldMax);
  field.SetIntegerReader(&ReadNumberText);
  // A nil slot shows 0; any stored text is shown as it stands, so that a
  // host variable or a number outside the range survives until the author
  // changes the field.
  if (slot != nullptr) field.SetText(nb::ReadHostString(slot));
  else field.SetValue(0);
  field.SetVisible(true);
}

}  // namespace editors
