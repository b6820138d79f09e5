#pragma once
// Runs the steps of an edit block while the plug-in's modal dialog is open:
// from a thread timer, as the modal driver closes dialogs, one step per
// tick, so that what a step posted has been handled before the next one.
// A step that fails is reported on its own line and the dialog is
// cancelled (a system dialog over it first), so that nothing hangs; a dialog
// still open after the last step is cancelled and reported too.

#include <windows.h>

#include <set>
#include <string>

#include "host/core/script.h"
#include "host/reporter.h"
#include "host/session.h"
#include "host/thread_ticker.h"

namespace host {

class DialogSteps {
 public:
  // edit: the edit line, whose block holds the steps. Starts watching.
  DialogSteps(Session& session, Reporter& out, const script::Line& edit);
  DialogSteps(const DialogSteps&) = delete;
  DialogSteps& operator=(const DialogSteps&) = delete;
  ~DialogSteps();

  // After the plug-in's call has returned: stops watching and reports the
  // steps that never ran.
  void Finish();

 private:
  enum class Outcome { Done, NotYet, Failed };
  struct Result {
    Outcome outcome = Outcome::Done;
    std::string message;
  };

  friend class ThreadTicker<DialogSteps>;
  void Tick();
  HWND FindDialog() const;
  void RunNext(DWORD now);
  Result Run(const script::Line& step);
  Result OnEditor(const script::Line& step);
  Result OnSystemDialog(const script::Line& step);
  Result End(const script::Line& step);
  void FailStep(int line, const std::string& message);
  void Cancel();
  void Insist(DWORD now);
  void ReleaseShift();

  Session& session_;
  Reporter& out_;
  const script::Line& edit_;
  std::set<HWND> before_;
  HWND dialog_ = nullptr;
  std::size_t next_ = 0;
  DWORD stepSince_ = 0;
  DWORD waitUntil_ = 0;
  bool waiting_ = false;
  int endedOn_ = 0;      // line of the ok, cancel or close step
  DWORD endedAt_ = 0;
  bool cancelling_ = false;
  DWORD cancelledAt_ = 0;
  int insisted_ = 0;
  bool closed_ = false;  // the dialog is gone
  bool busy_ = false;
  bool shiftHeld_ = false;  // by a key step, until the next tick
  bool finished_ = false;
  ThreadTicker<DialogSteps> ticker_;
};

}  // namespace host
