#pragma once
// TFormNumber, the editor of TarvexSetProgress and TarvexSetValue: the
// object name and one or two number fields.

#include "editors/EditorFrame.h"

namespace editors {

class TFormNumber : public TEditorForm {
 public:
  explicit TFormNumber(HWND parentWindow);
  // The variable chooser of LEdit1 (hidden).
  void Kn2Click();

  // A number field: caption shown and localised, range 0 to 1999999999, at
  // most 10 characters, filled from the slot (see NumberFieldFill).
  void SetUpNumber(tk::TLabel& caption, const LocalisedText& text, tk::TSpinEdit& field,
                   nb::HostSlot slot);

  tk::TLabel* Label1 = nullptr;
  tk::TLabel* Label2 = nullptr;
  tk::TSpinEdit* SpinEdit1 = nullptr;
  tk::TSpinEdit* SpinEdit2 = nullptr;
};

extern TFormNumber* FormNumber;

}  // namespace editors
