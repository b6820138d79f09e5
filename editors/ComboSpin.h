#pragma once
// TFormComboSpin4, the editor of TarvexSetVisible: the object name and a
// list of "Show" and "Hide".

#include "editors/EditorFrame.h"

namespace editors {

class TFormComboSpin4 : public TEditorForm {
 public:
  explicit TFormComboSpin4(HWND parentWindow);

  tk::TLabel* Label1 = nullptr;
  tk::TComboBox* ComboBox1 = nullptr;
};

extern TFormComboSpin4* FormComboSpin4;

}  // namespace editors
