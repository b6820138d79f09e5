#pragma once
// Calls its owner's Tick() from a thread timer while a call into the plug-in
// runs a modal loop. A thread timer carries no context, so one owner of each
// type ticks at a time.

#include <windows.h>

namespace host {

template <class Owner>
class ThreadTicker {
 public:
  ThreadTicker() = default;
  ThreadTicker(const ThreadTicker&) = delete;
  ThreadTicker& operator=(const ThreadTicker&) = delete;
  ~ThreadTicker() { Stop(); }

  void Start(Owner& owner, UINT intervalMs) {
    owner_ = &owner;
    Active() = owner_;
    timer_ = SetTimer(nullptr, 0, intervalMs, &TimerProc);
  }
  void Stop() {
    if (timer_) KillTimer(nullptr, timer_);
    timer_ = 0;
    if (owner_ && Active() == owner_) Active() = nullptr;
  }

 private:
  static Owner*& Active() {
    static Owner* active = nullptr;
    return active;
  }
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (Owner* owner = Active()) owner->Tick();
  }

  Owner* owner_ = nullptr;
  UINT_PTR timer_ = 0;
};

}  // namespace host
