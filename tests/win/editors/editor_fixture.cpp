#include "tests/win/editors/editor_fixture.h"

#include <gtest/gtest.h>

#include <exception>

#include "plugin/boundary.h"
#include "base/PlugInUtils.h"
#include "toolkit/buttons.h"

namespace editors::test {
namespace {

struct Pending {
  std::function<void(tk::TForm&)> inside;
  Ending ending = Ending::Cancel;
  bool opened = false;
  UINT_PTR timer = 0;
};
Pending* pending = nullptr;

BOOL CALLBACK FindModalForm(HWND hwnd, LPARAM found) {
  tk::TForm* form = tk::TForm::FromDescendant(hwnd);
  if (form == nullptr || !form->InModalLoop() || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<tk::TForm**>(found) = form;
  return FALSE;
}

// This thread's dialog in its modal loop, the topmost when one is nested in
// another. Not the active window: another program on the same display (tests
// run side by side) may take the activation, and then there is none here.
tk::TForm* ModalForm() {
  tk::TForm* found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindModalForm, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
  if (pending == nullptr) return;
  tk::TForm* form = ModalForm();
  if (form == nullptr) return;
  KillTimer(nullptr, pending->timer);
  pending->opened = true;
  Pending& p = *pending;
  try {
    if (p.inside) p.inside(*form);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "inside the dialog: " << e.what();
  }
  switch (p.ending) {
    case Ending::Ok: form->SetModalResult(tk::mrOk); break;
    case Ending::Cancel: form->SetModalResult(tk::mrCancel); break;
    case Ending::CloseBox: PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
  }
}

}  // namespace

Slots::Slots(std::vector<const char*> texts) {
  for (const char* text : texts) {
    nb::HostSlot slot = nullptr;
    if (text != nullptr) nb::AssignHostString(&slot, text);
    slots_.push_back(slot);
  }
}

Slots::~Slots() {
  for (nb::HostSlot& slot : slots_) nb::FreeHostString(&slot);
}

EditRun RunEdit(int action, Slots& slots, const std::function<void(tk::TForm&)>& inside,
                Ending ending) {
  Pending p{inside, ending, false, 0};
  pending = &p;
  p.timer = SetTimer(nullptr, 0, 10, &OnTick);
  EditRun run;
  run.result = nbEditAction(action, slots.data()) != 0;
  KillTimer(nullptr, p.timer);
  pending = nullptr;
  run.opened = p.opened;
  return run;
}

RECT BoundsOf(tk::TForm& form, const char* name) {
  RECT r{};
  SendMessageW(form.Handle(), tk::FindComponentMessage(), reinterpret_cast<WPARAM>(name),
               reinterpret_cast<LPARAM>(&r));
  return r;
}

}  // namespace editors::test
