#pragma once
// TDublForm, the editor of TarvexSetProgressColor and TarvexSetFont: the
// object name and one field with a colour chooser (SpeedButton1) or a font
// chooser (SpeedButton7) and a variable chooser.

#include "editors/EditorFrame.h"

namespace editors {

class TDublForm : public TEditorForm {
 public:
  explicit TDublForm(HWND parentWindow);
  void SpeedButton1Click();  // colour of LEdit2
  void SpeedButton2Click();  // variable for LEdit2
  void SpeedButton7Click();  // font of LEdit2

  tk::TLabeledEdit* LEdit2 = nullptr;
  tk::TSpeedButton* SpeedButton1 = nullptr;
  tk::TSpeedButton* SpeedButton2 = nullptr;
  tk::TSpeedButton* SpeedButton7 = nullptr;
  tk::TLabel* LabelFont = nullptr;
};

extern TDublForm* DublForm;

}  // namespace editors
