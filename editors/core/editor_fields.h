#pragma once
// The input fields of each editor dialog, for assistive technology and the
// keyboard: the label whose caption names a field, and the chooser buttons
// that F4 and Shift+F4 press for it. Names are the components' names in the
// dialogs' stored descriptions.

#include <array>
#include <span>
#include <string_view>

namespace editors {

struct EditorField {
  std::string_view field;    // the windowed input: "LEdit2", "SpinEdit1", "ComboBox1"
  std::string_view caption;  // the label of its group; a labelled edit's own label when equal to field
  // F4: the first of these that is shown (the object, colour or font chooser).
  std::array<std::string_view, 2> choosers{};
  // Shift+F4: the variable chooser, when it is shown.
  std::string_view variable{};
};

// The fields of the dialog class ("TFormFiga"). Every editor dialog has a
// table here, read before its description is loaded: a class without one
// throws std::logic_error naming it, rather than opening with fields that
// have no names and no chooser keys.
std::span<const EditorField> EditorFields(std::string_view dialogClass);

}  // namespace editors
