#pragma once
// Drives a modal window that the plug-in runs on this thread: while a call
// into the plug-in is under way, a thread timer looks for the plug-in's new
// top-level window and closes it by its OK or Cancel button or by its frame;
// a window that nobody was asked to close is closed after a while, so that
// no script hangs.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "host/thread_ticker.h"

namespace host {

enum class CloseWith { Nothing, Ok, Cancel, Frame };

class ModalDriver {
 public:
  // screenshotPath: when not empty, the window is saved there as a PNG
  // before it is closed, with its frame or its client area only.
  ModalDriver(CloseWith how, HMODULE plugin, std::string screenshotPath = {}, bool withFrame = true);
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;
  ~ModalDriver();

  struct Report {
    bool sawWindow = false;
    std::vector<std::string> problems;
  };
  // Stops watching; checkLeftovers also reports new top-level windows of the
  // plug-in's module that still exist.
  Report Finish(bool checkLeftovers = false);

 private:
  friend class ThreadTicker<ModalDriver>;
  void Tick();
  void Act(HWND window);
  std::vector<HWND> NewWindows() const;

  CloseWith how_;
  HMODULE plugin_;
  std::string screenshotPath_;
  bool withFrame_ = true;
  std::set<HWND> before_;
  std::set<HWND> acted_;
  HWND current_ = nullptr;
  DWORD actedAt_ = 0;
  DWORD appearedAt_ = 0;
  int escalations_ = 0;
  ThreadTicker<ModalDriver> ticker_;
  Report report_;
  bool finished_ = false;
};

std::vector<HWND> ThreadTopLevelWindows();
// The button child of window whose caption, without its & marks, is that
// text; nullptr when there is none.
HWND FindButtonByCaption(HWND window, const wchar_t* caption);
std::string WindowText(HWND window);

}  // namespace host
