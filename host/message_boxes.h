#pragma once
// Records every message box shown on this thread and dismisses it at once,
// so that a script never waits for a person.

#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "host/handles.h"

namespace host {

// True for a system message box: a #32770 dialog with the message text
// control (id 0xFFFF) that no module of the plug-in created.
bool IsMessageBox(HWND window, HMODULE plugin);

class MessageBoxCatcher {
 public:
  // onMessage receives the box's text (ANSI bytes) as it opens.
  MessageBoxCatcher(HMODULE plugin, std::function<void(const std::string&)> onMessage);
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
  ~MessageBoxCatcher();

 private:
  static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
  void OnActivate(HWND window);

  HMODULE plugin_;
  std::function<void(const std::string&)> onMessage_;
  std::set<HWND> handled_;
  OwnedHook hook_;
};

}  // namespace host
