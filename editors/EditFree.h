#pragma once
// TFormFree, the editor of TarvexSetColor: the object name and two colour
// fields, each with a colour chooser and a variable chooser.

#include "editors/EditorFrame.h"

namespace editors {

class TFormFree : public TEditorForm {
 public:
  explicit TFormFree(HWND parentWindow);
  void SpeedButton1Click();  // colour of LEdit2
  void SpeedButton2Click();  // variable for LEdit2
  void SpeedButton9Click();  // colour of LEdit3
  void SpeedButton4Click();  // variable for LEdit3

  tk::TLabeledEdit* LEdit2 = nullptr;
  tk::TLabeledEdit* LEdit3 = nullptr;
  tk::TSpeedButton* SpeedButton1 = nullptr;
  tk::TSpeedButton* SpeedButton2 = nullptr;
  tk::TSpeedButton* SpeedButton9 = nullptr;
  tk::TSpeedButton* SpeedButton4 = nullptr;
};

extern TFormFree* FormFree;

}  // namespace editors
