#include "editors/field_access.h"

#include <commctrl.h>

#include <string>

#include "toolkit/edits.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"
#include "toolkit/text.h"

namespace editors {
namespace {

constexpr UINT_PTR kFieldSubclass = 0x7461;  // apart from the toolkit's own subclasses
constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

bool KeyDown(int key) { return GetKeyState(key) < 0; }

bool Shown(const tk::TSpeedButton* button) { return button != nullptr && button->Visible() && button->Enabled(); }

}  // namespace

FieldAccess::FieldAccess(HWND field, const tk::TLabel& caption, std::array<tk::TSpeedButton*, 2> choosers,
                         tk::TSpeedButton* variable)
    : field_(field), caption_(caption), choosers_(choosers), variable_(variable) {
  SetWindowSubclass(field_, &FieldAccess::FieldProc, kFieldSubclass, reinterpret_cast<DWORD_PTR>(this));
}

FieldAccess::~FieldAccess() { Detach(); }

std::optional<std::wstring> FieldAccess::AccessibleName() const { return tk::Widen(caption_.CaptionText()); }

void FieldAccess::Detach() {
  // A client that kept the object past the window reaches nothing of it.
  server_.Disconnect();
  if (field_ == nullptr) return;
  RemoveWindowSubclass(field_, &FieldAccess::FieldProc, kFieldSubclass);
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

LRESULT CALLBACK FieldAccess::FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
  auto* self = reinterpret_cast<FieldAccess*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_F4 && self->OnChooserKey(lParam)) return 0;
      break;
    case WM_GETOBJECT:
      if (auto answer = self->server_.OnGetObject(hwnd, wParam, lParam)) return *answer;
      break;
    case WM_NCDESTROY:
      self->Detach();
      break;
    default: break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
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
        field.Handle(), caption, std::array{button(f.choosers[0]), button(f.choosers[1])}, button(f.variable)));
  }
  return attached;
}

}  // namespace editors
