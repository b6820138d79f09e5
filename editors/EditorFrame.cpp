#include "editors/EditorFrame.h"

#include <span>
#include <string_view>

#include "decor/FormClasses.h"
#include "decor/Gradient.h"
#include "decor/LinkLabel.h"
#include "base/Localisation.h"
#include "base/PlugInUtils.h"
#include "base/core/author.h"
#include "base/core/encodings.h"
#include "base/core/font_spec.h"
#include "base/core/loc_rules.h"
#include "base/core/version.h"
#include "toolkit/buttons.h"
#include "toolkit/edits.h"
#include "toolkit/font_handle.h"
#include "toolkit/label.h"

namespace editors {
namespace {

constexpr std::string_view kLocFile = "Tarvex.loc";

const tk::ComponentBinding<TEditorForm> kFrameComponents[] = {
    {"LEdit1", &TEditorForm::LEdit1},
    {"LabelCommand", &TEditorForm::LabelCommand},
    {"GradientLabel", &TEditorForm::GradientLabel},
    {"LabelInfo", &TEditorForm::LabelInfo},
    {"LinkLabel1", &TEditorForm::LinkLabel1},
    {"lbl1", &TEditorForm::lbl1},
};

tk::CodedText BuiltIn(const LocalisedText& text) {
  return tk::CodedText{std::string(text.builtIn), tk::kCyrillicCodePage};
}

}  // namespace

tk::CodedText TEditorForm::LocalisedCaption(std::string_view key, const tk::CodedText& builtIn) const {
  if (!locFile_ || !nb::loc::KeyExistsIn(*locFile_, key)) return builtIn;
  return tk::CodedText{nb::loc::LookupIn(*locFile_, key), tk::kAnsiCodePage};
}

TEditorForm::TEditorForm(std::string className)
    : tk::TForm(std::move(className)), locFile_(nb::ReadWholeFile(nb::HostFolder() + std::string(kLocFile))) {
  BindComponentTable(this, kFrameComponents);
  FollowScreenScaling();
}

void TEditorForm::LoadEditor(const char* resourceName, HWND parentWindow) {
  // Before any window is made: a dialog without a field table fails here.
  const std::span<const EditorField> fields = EditorFields(ClassName());
  LoadFromResource(resourceName, decor::FormClasses(), parentWindow);
  // The font dialog's first font is in the design's pixels too: on a scaled
  // screen it keeps its size in points (scaling its pixels would round to
  // another size).
  FontDialog1.Font.SetSize(FontDialog1.Font.Size(tk::kDesignDpi), Scaling().Dpi());
  LinkLabel1->SetHyperLink(std::string(nb::author::WebSiteWithoutScheme()));
  lbl1->SetCaption(std::string(nb::product::kCreditLine));
  fieldAccess_ = AttachFieldAccess(*this, fields);
}

void TEditorForm::Kn1Click() { ChooseFromHost(nb::HostCommand::ChooseObject, *LEdit1); }

void TEditorForm::SpeedVariableClick() { ChooseFromHost(nb::HostCommand::ChooseVariable, *LEdit1); }

void TEditorForm::FillObjectName(nb::HostSlot slot, const LocalisedText& caption) {
  Localise(*LEdit1, caption);
  LEdit1->SetText(nb::ReadHostString(slot));
}

void TEditorForm::ShowAction(const EditorInfo& editor) {
  LabelCommand->SetCaption(std::string(editor.name));
  FitNameBand();
  Localise(*LabelInfo, editor.info);
}

void TEditorForm::FitNameBand() {
  GradientLabel->SetWidth(Scaling().Length(NameBandWidth(LabelCommand->Caption())));
}

void TEditorForm::ScalingChanged() {
  // Before the action is shown the band keeps its stored width.
  if (!LabelCommand->Caption().empty()) FitNameBand();
}

void TEditorForm::ChooseFromHost(nb::HostCommand command, tk::TEdit& field) {
  std::optional<nb::HostAnswer> answer = nb::AskHost(command, field.Text());
  // A true answer with the slot left nil brings no text: the field keeps its
  // own rather than being emptied.
  if (answer && answer->accepted && answer->leftBlock) field.SetText(answer->text);
}

bool TEditorForm::ChooseColour(tk::TEdit& field) {
  const bool chosen = ColorDialog1.Execute(Handle());
  if (chosen) field.SetText(nb::FormatColourTriple(ColorDialog1.Color()));
  BringWindowToTop(Handle());
  return chosen;
}

bool TEditorForm::ChooseFont(tk::TEdit& field, tk::TLabel& fontLabel) {
  if (!FontDialog1.Execute(Handle())) return false;
  fontLabel.SetFont(FontDialog1.Font);
  const tk::FontRecord& font = fontLabel.Font();
  field.SetText(nb::FormatFontSpec(font.name, font.color, font.Size(tk::ScreenPixelsPerInch()),
                                   font.style, font.charset));
  BringWindowToTop(Handle());
  return true;
}

void TEditorForm::Localise(tk::TLabel& label, const LocalisedText& text) const {
  label.SetCaption(LocalisedCaption(text.key, BuiltIn(text)));
}

void TEditorForm::Localise(tk::TCheckBox& box, const LocalisedText& text) const {
  box.SetCaption(LocalisedCaption(text.key, BuiltIn(text)));
}

void TEditorForm::Localise(tk::TLabeledEdit& edit, const LocalisedText& text) const {
  Localise(edit.EditLabel(), text);
  edit.PlaceLabel();
}

}  // namespace editors
