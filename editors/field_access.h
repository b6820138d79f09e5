#pragma once
// What assistive technology and the keyboard get from an editor's input
// field: the caption of its group as its accessible name, and F4 / Shift+F4
// for its chooser buttons. Each field window is subclassed for as long as
// its FieldAccess lives; the form keeps them until its windows go.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editors/core/editor_fields.h"
#include "toolkit/accessible.h"
#include "toolkit/win_control.h"

namespace tk {
class TForm;
class TLabel;
class TSpeedButton;
}  // namespace tk

namespace editors {

class FieldAccess final : public tk::AccessibleSource {
 public:
  // choosers: for F4, the first shown wins; variable: for Shift+F4. Any may
  // be null.
  FieldAccess(tk::WinControl& field, const tk::TLabel& caption, std::array<tk::TSpeedButton*, 2> choosers,
              tk::TSpeedButton* variable);
  FieldAccess(const FieldAccess&) = delete;
  FieldAccess& operator=(const FieldAccess&) = delete;
  ~FieldAccess();

  // The caption as the author reads it, in the code page it is shown in.
  std::optional<std::wstring> AccessibleName() const override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, const tk::WinControl::Next& next);
  // True when the key opened a chooser.
  bool OnChooserKey(LPARAM keyData);
  tk::TSpeedButton* ChooserFor(bool shift) const;
  void Detach();

  tk::WinControl* field_;  // null once detached
  int filter_ = 0;
  const tk::TLabel& caption_;
  std::array<tk::TSpeedButton*, 2> choosers_;
  tk::TSpeedButton* variable_;
  tk::AccessibleServer server_{*this};
};

// One FieldAccess for each field of the table, looked up in the loaded form.
std::vector<std::unique_ptr<FieldAccess>> AttachFieldAccess(tk::TForm& form,
                                                            std::span<const EditorField> fields);

}  // namespace editors
