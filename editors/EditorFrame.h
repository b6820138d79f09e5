#pragma once
// TEditorForm: what every editor dialog shares. The frame's components (the
// object-name field LEdit1 with its chooser Kn1, and the footer's
// LabelCommand, GradientLabel and LabelInfo), the four kinds of chooser
// button, the localised captions and the footer's texts. Each dialog class
// derives from it, binds its own handlers and components by table and loads
// its stored description.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/core/editor_texts.h"
#include "editors/field_access.h"
#include "base/HostAccess.h"
#include "base/host_types.h"
#include "toolkit/common_dialogs.h"
#include "toolkit/core/coded_text.h"
#include "toolkit/form.h"

namespace decor {
class TGradient;
class TLinkLabel;
}  // namespace decor
namespace tk {
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TLabeledEdit;
class TSpeedButton;
class TSpinEdit;
}  // namespace tk

namespace editors {

class TEditorForm : public tk::TForm {
 public:
  // Published handlers of the frame: the object chooser and the hidden
  // variable chooser of LEdit1.
  void Kn1Click();
  void SpeedVariableClick();

  // The fill's first step in every editor: LEdit1's caption and the slot's
  // text.
  void FillObjectName(nb::HostSlot slot, const LocalisedText& caption = captions::kObjectName);
  // Steps 6 and 7: the action's name on its band and the localised
  // description.
  void ShowAction(const EditorInfo& editor);

  // Localised captions: the built-in text first, then the localisation
  // file's text for the key when it has one.
  void Localise(tk::TLabel& label, const LocalisedText& text) const;
  void Localise(tk::TLabeledEdit& edit, const LocalisedText& text) const;
  void Localise(tk::TCheckBox& box, const LocalisedText& text) const;

  tk::TLabeledEdit* LEdit1 = nullptr;
  tk::TLabel* LabelCommand = nullptr;
  decor::TGradient* GradientLabel = nullptr;
  tk::TLabel* LabelInfo = nullptr;
  decor::TLinkLabel* LinkLabel1 = nullptr;
  tk::TLabel* lbl1 = nullptr;  // the credit line

 protected:
  explicit TEditorForm(std::string className);
  // Loads the stored description FORM_<ROOT NAME>, owned by parentWindow.
  void LoadEditor(const char* resourceName, HWND parentWindow);
  void ScalingChanged() override;
  // The band under the action's name as wide as the name.
  void FitNameBand();

  // Chooser buttons. Host: command 8 or 14 on the field; nothing without
  // the host's callback; a false answer, or one that leaves no block in the
  // slot, leaves the field.
  void ChooseFromHost(nb::HostCommand command, tk::TEdit& field);
  // The system colour dialog; a confirmed colour becomes the field's colour
  // triple. The dialog comes back on top either way.
  // Answers whether a colour was chosen (ColorDialog1.Color()).
  bool ChooseColour(tk::TEdit& field);
  // The system font dialog; a confirmed font goes to fontLabel and its font
  // text to the field, and the dialog comes back on top. Cancel does nothing.
  // Answers whether a font was chosen (FontDialog1.Font).
  bool ChooseFont(tk::TEdit& field, tk::TLabel& fontLabel);

  tk::TColorDialog ColorDialog1;
  tk::TFontDialog FontDialog1;

 private:
  // Localised text: the built-in Windows-1251 text, or the localisation
  // file's (in the system's ANSI code page) when the file has the key.
  tk::CodedText LocalisedCaption(std::string_view key, const tk::CodedText& builtIn) const;

  // Names and chooser keys of the fields, while their windows exist.
  std::vector<std::unique_ptr<FieldAccess>> fieldAccess_;
  // The localisation file as the dialog opened: read once per opening, so
  // a change to it shows the next time a dialog opens.
  std::optional<std::string> locFile_;
};

}  // namespace editors
