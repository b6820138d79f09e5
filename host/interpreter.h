#pragma once
// Runs script lines against a session: checks the whole script first, then
// runs it line by line, printing each failure as FILE:LINE: message and
// going on, so that every failure of a run is seen.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/commands.h"
#include "host/core/action_check.h"
#include "host/core/script.h"
#include "host/reporter.h"
#include "host/session.h"

namespace host {

class Interpreter : public Reporter {
 public:
  explicit Interpreter(std::string fileName);

  // The exit status: 0 when every line ran and every expect held, 1 after
  // failures, 2 when the script has bad lines (then nothing runs).
  int Run(const script::Script& script, Session& session);
  // One line typed by a person; the failures it caused.
  std::vector<std::string> RunLine(const std::string& text, Session& session);

  void Fail(const std::string& message) override;
  // A parameter that the plug-in will partly ignore, once per line; no failure.
  void Warn(const std::string& message);
  // What `warnings on` does, from the command line.
  void SetWarnings(bool on) { warnings_ = on; }
  void Print(const std::string& line) override;
  void FailAt(int line, const std::string& message) override;
  int Failures() const { return failures_; }
  // Where a crash is reported: the line under way.
  std::string Location() const;

 private:
  void RunLines(const std::vector<script::Line>& lines, Session& session);
  void RunBlock(const script::Line& line, Session& session);
  void Follow(const script::Line& line, Session& session);

  std::string fileName_;
  CommandTable commands_;
  int line_ = 0;
  int failures_ = 0;
  std::vector<std::string>* collect_ = nullptr;
  // Follows every line, so that `warnings on` knows the objects and gauges
  // made before it.
  ActionChecker checker_;
  bool warnings_ = false;
  std::set<std::pair<int, std::string>> warned_;  // a loop warns once per line
};

}  // namespace host
