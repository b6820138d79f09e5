#pragma once
// Runs script lines against a session: checks the whole script first, then
// runs it line by line, printing each failure as FILE:LINE: message and
// going on, so that every failure of a run is seen.

#include <string>
#include <vector>

#include "host/commands.h"
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
  void Print(const std::string& line) override;
  int Failures() const { return failures_; }
  // Where a crash is reported: the line under way.
  std::string Location() const;

 private:
  void RunLines(const std::vector<script::Line>& lines, Session& session);
  void RunBlock(const script::Line& line, Session& session);

  std::string fileName_;
  CommandTable commands_;
  int line_ = 0;
  int failures_ = 0;
  std::vector<std::string>* collect_ = nullptr;
};

}  // namespace host
