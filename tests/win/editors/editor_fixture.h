#pragma once
// Runs an edit routine as the host does and acts inside its open dialog: a
// thread timer fires inside the dialog's modal loop, hands the open form to
// the test, and then ends the dialog the way the test asks.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/host_types.h"
#include "toolkit/form.h"

namespace editors::test {

enum class Ending { Ok, Cancel, CloseBox };

// Host slots as the host holds them: GlobalAlloc'ed blocks or nil.
class Slots {
 public:
  // nullptr stands for a nil slot.
  explicit Slots(std::vector<const char*> texts);
  ~Slots();
  Slots(const Slots&) = delete;
  Slots& operator=(const Slots&) = delete;
  nb::HostSlot* data() { return slots_.data(); }
  nb::HostSlot operator[](std::size_t i) const { return slots_[i]; }

 private:
  std::vector<nb::HostSlot> slots_;
};

struct EditRun {
  bool result = false;
  bool opened = false;
};

// Calls the edit routine of the action through the export, as the host
// does (also from inside another dialog); inside(form) runs once the dialog
// is open, then the dialog ends as asked.
EditRun RunEdit(int action, Slots& slots, const std::function<void(tk::TForm&)>& inside,
                Ending ending = Ending::Cancel);

// The component's bounds in the form's client area, by the automation
// message; all zero when hidden.
RECT BoundsOf(tk::TForm& form, const char* name);

}  // namespace editors::test
