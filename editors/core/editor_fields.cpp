#include "editors/core/editor_fields.h"

#include <stdexcept>
#include <string>

namespace editors {
namespace {

constexpr EditorField kObjectName{"LEdit1", "LEdit1", {"Kn1"}, "SpeedVariable"};

constexpr EditorField kFiga[] = {
    kObjectName,
    {"ComboBox1", "Label1"},
    {"LEdit2", "LEdit2", {"SpeedButton2"}, "SpeedButton1"},
    {"LEdit3", "LEdit3", {"SpeedButton4"}, "SpeedButton3"},
    {"LEdit4", "LEdit4", {"SpeedButton5"}, "SpeedButton6"},
    {"SpinEdit1", "Label2"},
    {"SpinEdit2", "Label3"},
    {"LEdit5", "LEdit5", {"SpeedButton7"}, "SpeedButton8"},
    {"SpinEdit3", "Label4"},
};
constexpr EditorField kOne[] = {kObjectName};
constexpr EditorField kNumber[] = {
    {"LEdit1", "LEdit1", {"Kn1"}, "Kn2"},
    {"SpinEdit1", "Label1"},
    {"SpinEdit2", "Label2"},
};
constexpr EditorField kFree[] = {
    kObjectName,
    {"LEdit2", "LEdit2", {"SpeedButton1"}, "SpeedButton2"},
    {"LEdit3", "LEdit3", {"SpeedButton9"}, "SpeedButton4"},
};
// The colour and the font chooser share a place; each action shows one.
constexpr EditorField kDubl[] = {
    kObjectName,
    {"LEdit2", "LEdit2", {"SpeedButton1", "SpeedButton7"}, "SpeedButton2"},
};
constexpr EditorField kComboSpin[] = {
    kObjectName,
    {"ComboBox1", "Label1"},
};

struct DialogFields {
  std::string_view dialogClass;
  std::span<const EditorField> fields;
};

constexpr DialogFields kDialogs[] = {
    {"TFormFiga", kFiga}, {"TFormOne", kOne},     {"TFormNumber", kNumber},
    {"TFormFree", kFree}, {"TDublForm", kDubl},   {"TFormComboSpin4", kComboSpin},
};

}  // namespace

std::span<const EditorField> EditorFields(std::string_view dialogClass) {
  for (const DialogFields& dialog : kDialogs)
    if (dialog.dialogClass == dialogClass) return dialog.fields;
  throw std::logic_error("the editor dialog " + std::string(dialogClass) + " has no field table");
}

}  // namespace editors
