#pragma once
// TFormOne, the editor of TarvexDelete: the object name only.

#include "editors/EditorFrame.h"

namespace editors {

class TFormOne : public TEditorForm {
 public:
  explicit TFormOne(HWND parentWindow);
};

// The open TFormOne; null while none is open.
extern TFormOne* FormOne;

}  // namespace editors
