// The edit routines of the eight actions. Each opens its dialog over the
// active window, fills it from the slots, shows it modally and, only after
// OK, replaces every slot of the action, or none.
#include "editors/edit_routines.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/ComboSpin.h"
#include "editors/EditDuibl.h"
#include "editors/EditFormFiga.h"
#include "editors/EditFormNumber.h"
#include "editors/EditFormOne.h"
#include "editors/EditFree.h"
#include "editors/core/editor_texts.h"
#include "base/PlugInUtils.h"
#include "toolkit/edits.h"
#include "toolkit/label.h"
#include "toolkit/lists.h"
#include "toolkit/speed_button.h"
#include "toolkit/visual_styles.h"

namespace editors {
namespace {

using SlotTexts = std::vector<std::string>;

// The class's module-level variable names the open dialog, and only while it
// is open.
template <typename Form>
class HeldWhileOpen {
 public:
  HeldWhileOpen(Form*& variable, Form* form) : variable_(variable) { variable_ = form; }
  HeldWhileOpen(const HeldWhileOpen&) = delete;
  HeldWhileOpen& operator=(const HeldWhileOpen&) = delete;
  ~HeldWhileOpen() { variable_ = nullptr; }

 private:
  Form*& variable_;
};

// The common routine. fill(form) fills the fields after the object name;
// start(form) runs after the action's name and description are shown;
// read(form) gives the texts of the action's slots after OK, in slot order.
// The dialog is freed on every path; the slots are written only after every
// text has been read, and all of them or none.
template <typename Form, typename Fill, typename Read, typename Start = void (*)(Form&)>
bool RunEditor(int action, Form*& variable, nb::HostSlot* slots, Fill fill, Read read,
               const LocalisedText& objectName = captions::kObjectName, Start start = [](Form&) {}) {
  // One dialog of a class at a time: a host that asks for another edit of
  // the class from inside the open one (from a chooser) is refused, and its
  // slots stay as they are.
  if (variable != nullptr) return false;
  const EditorInfo& editor = *FindEditor(action);
  tk::VisualStylesScope styles;
  auto form = std::make_unique<Form>(GetActiveWindow());
  HeldWhileOpen<Form> held(variable, form.get());
  form->SetCaption(std::string(editor.name));
  form->FillObjectName(slots[0], objectName);
  fill(*form);
  form->ShowAction(editor);
  start(*form);
  if (form->ShowModal() != tk::mrOk) return false;
  const SlotTexts texts = read(*form);
  std::vector<nb::SlotText> writes;
  writes.reserve(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) writes.push_back({&slots[i], texts[i]});
  // All slots or none: when the host's memory runs out, the edit answers
  // False and the host keeps the action as it was.
  return nb::ReplaceHostStrings(writes);
}

// A number field's text for its slot: what it was given while the author
// left it alone (a host variable, -5), else its value in decimal.
std::string NumberText(const tk::TSpinEdit& field) {
  return field.ChangedByAuthor() ? std::to_string(field.Value()) : field.Text();
}

// A text field: its localised caption and the slot's text as it stands.
void FillTextField(const TEditorForm& form, tk::TLabeledEdit& field, const LocalisedText& caption,
                   nb::HostSlot slot) {
  form.Localise(field, caption);
  field.SetText(nb::ReadHostString(slot));
}

bool EditCreate(nb::HostSlot* slots) {
  return RunEditor(
      1, FormFiga, slots, [&](TFormFiga& f) { f.Fill(slots); }, [](TFormFiga& f) { return f.SlotTexts(); },
      figa_captions::kObjectName, [](TFormFiga& f) { f.StartPreview(); });
}

bool EditDelete(nb::HostSlot* slots) {
  return RunEditor(
      2, FormOne, slots, [](TFormOne&) {},
      [](TFormOne& f) { return SlotTexts{f.LEdit1->Text()}; });
}

bool EditSetProgress(nb::HostSlot* slots) {
  return RunEditor(
      3, FormNumber, slots,
      [&](TFormNumber& f) { f.SetUpNumber(*f.Label1, captions::kProgress, *f.SpinEdit1, slots[1]); },
      [](TFormNumber& f) { return SlotTexts{f.LEdit1->Text(), NumberText(*f.SpinEdit1)}; });
}

bool EditSetValue(nb::HostSlot* slots) {
  return RunEditor(
      4, FormNumber, slots,
      [&](TFormNumber& f) {
        f.SetUpNumber(*f.Label1, captions::kMinimum, *f.SpinEdit1, slots[1]);
        f.SetUpNumber(*f.Label2, captions::kMaximum, *f.SpinEdit2, slots[2]);
      },
      [](TFormNumber& f) {
        return SlotTexts{f.LEdit1->Text(), NumberText(*f.SpinEdit1), NumberText(*f.SpinEdit2)};
      });
}

bool EditSetColor(nb::HostSlot* slots) {
  return RunEditor(
      5, FormFree, slots,
      [&](TFormFree& f) {
        f.SpeedButton1->SetVisible(true);
        f.SpeedButton2->SetVisible(true);
        FillTextField(f, *f.LEdit2, captions::kBackColour, slots[1]);
        f.SpeedButton9->SetVisible(true);
        f.SpeedButton4->SetVisible(true);
        FillTextField(f, *f.LEdit3, captions::kOutsideColour, slots[2]);
      },
      [](TFormFree& f) { return SlotTexts{f.LEdit1->Text(), f.LEdit2->Text(), f.LEdit3->Text()}; });
}

// Actions 6 and 7 share the dialog; the chooser beside LEdit2 and its
// caption differ.
bool EditDubl(int action, tk::TSpeedButton* TDublForm::*chooser, const LocalisedText& caption,
              nb::HostSlot* slots) {
  return RunEditor(
      action, DublForm, slots,
      [&](TDublForm& f) {
        (f.*chooser)->SetVisible(true);
        f.SpeedButton2->SetVisible(true);
        FillTextField(f, *f.LEdit2, caption, slots[1]);
      },
      [](TDublForm& f) { return SlotTexts{f.LEdit1->Text(), f.LEdit2->Text()}; });
}

bool EditSetVisible(nb::HostSlot* slots) {
  return RunEditor(
      8, FormComboSpin4, slots,
      [&](TFormComboSpin4& f) {
        f.Localise(*f.Label1, captions::kShowHide);
        f.ComboBox1->AddItem("Show");
        f.ComboBox1->AddItem("Hide");
        const std::string word = nb::ReadHostString(slots[1]);
        if (word == "Show") {
          f.ComboBox1->SetItemIndex(0);
        } else if (word == "Hide") {
          f.ComboBox1->SetItemIndex(1);
        } else if (!word.empty()) {
          // Any other word (a host variable, "show") stays as an entry of
          // its own, selected, and is written back unless the author picks.
          f.ComboBox1->SetExtraItem(word);
        }
      },
      [](TFormComboSpin4& f) { return SlotTexts{f.LEdit1->Text(), f.ComboBox1->Text()}; });
}

}  // namespace

bool EditAction(int action, nb::HostSlot* params) {
  try {
    switch (action) {
      case 1: return EditCreate(params);
      case 2: return EditDelete(params);
      case 3: return EditSetProgress(params);
      case 4: return EditSetValue(params);
      case 5: return EditSetColor(params);
      case 6: return EditDubl(6, &TDublForm::SpeedButton1, captions::kProgressColour, params);
      case 7: return EditDubl(7, &TDublForm::SpeedButton7, captions::kFont, params);
      case 8: return EditSetVisible(params);
      default: return false;
    }
  } catch (...) {
    // The dialog is gone and no slot was written.
    return false;
  }
}

}  // namespace editors
