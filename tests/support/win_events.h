#pragma once
// Counts the accessibility events that this process raises for the client
// area of one window (or of every window, given none), as a screen reader would receive them: through an
// out-of-context hook, delivered while the thread takes its messages.

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

#include "toolkit/message_pump.h"

namespace tarvex::test {

class WinEventCounter {
 public:
  explicit WinEventCounter(HWND hwnd)
      : hwnd_(hwnd),
        hook_(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &WinEventCounter::Hook,
                              GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
    Active().push_back(this);
  }
  WinEventCounter(const WinEventCounter&) = delete;
  WinEventCounter& operator=(const WinEventCounter&) = delete;
  ~WinEventCounter() {
    if (hook_) UnhookWinEvent(hook_);
    auto& active = Active();
    active.erase(std::remove(active.begin(), active.end(), this), active.end());
  }

  bool Hooked() const { return hook_ != nullptr; }
  // How many events of that kind arrived, after taking the pending messages.
  int Count(DWORD event) {
    tk::PumpPending();
    return counts_[event];
  }
  void Reset() {
    tk::PumpPending();
    counts_.clear();
  }

 private:
  static std::vector<WinEventCounter*>& Active() {
    static thread_local std::vector<WinEventCounter*> active;
    return active;
  }
  static void CALLBACK Hook(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                            DWORD) {
    if (object != OBJID_CLIENT || child != CHILDID_SELF) return;
    for (WinEventCounter* counter : Active())
      if (!counter->hwnd_ || counter->hwnd_ == hwnd) ++counter->counts_[event];
  }

  HWND hwnd_;
  HWINEVENTHOOK hook_;
  std::map<DWORD, int> counts_;
};

}  // namespace tarvex::test
