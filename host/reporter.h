#pragma once
// Where the host's output goes: failures (which make the exit status
// non-zero) and plain lines. Text is UTF-8.

#include <string>

namespace host {

class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void Fail(const std::string& message) = 0;
  virtual void Print(const std::string& line) = 0;
  // A failure that belongs to another line than the one under way (a step
  // of a block); reporters without lines report it as any other.
  virtual void FailAt(int /*line*/, const std::string& message) { Fail(message); }
};

// Prints to the console: lines to stdout, failures to stderr.
class ConsoleReporter : public Reporter {
 public:
  void Fail(const std::string& message) override;
  void Print(const std::string& line) override;
  int Failures() const { return failures_; }

 private:
  int failures_ = 0;
};

}  // namespace host
