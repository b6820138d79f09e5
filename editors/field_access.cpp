#include "editors/field_access.h"


#include <string>

#include "toolkit/edits.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"
#include "toolkit/text.h"

namespace editors {
namespace {

constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

bool KeyDown(int key) { return GetKeyState(key) < 0; }

bool Shown(const tk::TSpeedButton* button) { return button != nullptr && button->Visible() && button->Enabled(); }

}  // namespace

FieldAccess::FieldAccess(tk::WinControl& field, const tk::TLabel& caption, std::array<tk::TSpeedButton*, 2> choosers,
                         tk::TSpeedButton* variable)
    : field_(&field), caption_(caption), choosers_(choosers), variable_(variable) {
  filter_ = field.AddMessageFilter([this](UINT m, WPARAM w, LPARAM l, const tk::WinControl::Next& next) {
    return OnMessage(m, w, l, next);
  });
}

FieldAccess::~FieldAccess() { Detach(); }

std::optional<std::wstring> FieldAccess::AccessibleName() const { return tk::Widen(caption_.CaptionText()); }

void FieldAccess::Detach() {
  // A client that kept the object past the window reaches nothing of it.
  server_.Disconnect();
  if (field_ == nullptr) return;
  field_->RemoveMessageFilter(filter_);
  field_ = nullptr;
}

tk::TSpeedButton* FieldAccess::ChooserFor(bool shift) const {
  if (shift) return Shown(variable_) ? variable_ : nullptr;
  for (tk::TSpeedButton* button : choosers_)
    if (Shown(button)) return button;
  return nullptr;
}

bool FieldAccess::OnChooserKey(LPARAM keyData) {
  // Ctrl and Alt combinations stay the system's.
  if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
  tk::TSpeedButton* button = ChooserFor(KeyDown(VK_SHIFT));
  if (button == nullptr) return false;
  // A held key opens the chooser once.
  if ((keyData & kRepeatBit) == 0) button->Click();
  return true;
}

LRESULT FieldAccess::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, const tk::WinControl::Next& next) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_F4 && OnChooserKey(lParam)) return 0;
      break;
    case WM_GETOBJECT:
      if (auto answer = server_.OnGetObject(field_->Handle(), wParam, lParam)) return *answer;
      break;
    case WM_NCDESTROY: {
      Detach();
      return next(message, wParam, lParam);
    }
    default: break;
  }
  return next(message, wParam, lParam);
}

std::vector<std::unique_ptr<FieldAccess>> AttachFieldAccess(tk::TForm& form, std::span<const EditorField> fields) {
  auto button = [&form](std::string_view name) -> tk::TSpeedButton* {
    return name.empty() ? nullptr : &form.Get<tk::TSpeedButton>(name);
  };
  std::vector<std::unique_ptr<FieldAccess>> attached;
  for (const EditorField& f : fields) {
    tk::WinControl& field = form.Get<tk::WinControl>(f.field);
    const tk::TLabel& caption = f.caption == f.field ? form.Get<tk::TLabeledEdit>(f.field).EditLabel()
                                                     : form.Get<tk::TLabel>(f.caption);
    attached.push_back(std::make_unique<FieldAccess>(
        field, caption, std::array{button(f.choosers[0]), button(f.choosers[1])}, button(f.variable)));
  }
  return attached;
}

}  // namespace editors
