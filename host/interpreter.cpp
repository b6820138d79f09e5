#include "host/interpreter.h"

#include <windows.h>

#include <cstdio>
#include <utility>

#include "host/core/syntax.h"
#include "host/core/text.h"

namespace host {

void ConsoleReporter::Fail(const std::string& message) {
  ++failures_;
  std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stderr);
}

void ConsoleReporter::Print(const std::string& line) {
  std::fprintf(stdout, "%s\n", line.c_str());
  std::fflush(stdout);
}

Interpreter::Interpreter(std::string fileName) : fileName_(std::move(fileName)) {
  AddPluginCommands(commands_);
  AddWindowCommands(commands_);
  AddGeneralCommands(commands_);
  AddPixelCommands(commands_);
}

std::string Interpreter::Location() const { return fileName_ + ":" + std::to_string(line_); }

void Interpreter::Fail(const std::string& message) {
  ++failures_;
  std::fflush(stdout);
  std::fprintf(stderr, "%s: %s\n", Location().c_str(), message.c_str());
  std::fflush(stderr);
  if (collect_) collect_->push_back(message);
}

void Interpreter::Warn(const std::string& message) {
  if (!warned_.insert({line_, message}).second) return;
  std::fflush(stdout);
  std::fprintf(stderr, "%s: warning: %s\n", Location().c_str(), message.c_str());
  std::fflush(stderr);
  if (collect_) collect_->push_back("warning: " + message);
}

void Interpreter::Follow(const script::Line& line, Session& session) {
  if (line.Command() == "warnings") warnings_ = line.tokens[1].text == "on";
  auto lookup = [&](const std::string& name) -> std::optional<std::string> {
    auto found = session.variables.find(text::FoldAscii(name));
    if (found == session.variables.end()) return std::nullopt;
    return found->second;
  };
  std::vector<std::string> warnings = checker_.Feed(line, lookup);
  if (warnings_) {
    for (const std::string& warning : warnings) Warn(warning);
  }
}

void Interpreter::FailAt(int line, const std::string& message) {
  int under = std::exchange(line_, line);
  Fail(message);
  line_ = under;
}

void Interpreter::Print(const std::string& line) {
  std::fprintf(stdout, "%s\n", line.c_str());
  std::fflush(stdout);
}

int Interpreter::Run(const script::Script& script, Session& session) {
  std::vector<script::Error> errors = script::CheckScript(script);
  for (const script::Error& error : errors) {
    line_ = error.line;
    Fail(error.message);
  }
  if (!errors.empty()) return 2;
  if (script.lines.empty() || script.lines.front().Command() != "no-auto-start") {
    line_ = script.lines.empty() ? 0 : script.lines.front().number;
    session.StartUp();
  }
  RunLines(script.lines, session);
  return failures_ == 0 ? 0 : 1;
}

void Interpreter::RunLines(const std::vector<script::Line>& lines, Session& session) {
  for (const script::Line& line : lines) {
    line_ = line.number;
    Follow(line, session);
    if (line.Command() == "repeat" || line.Command() == "bench") {
      RunBlock(line, session);
      continue;
    }
    if (line.Command() == "warnings") continue;
    auto handler = commands_.find(line.Command());
    if (handler == commands_.end()) {
      Fail("the host has no handler for \"" + line.Command() + "\"");
      continue;
    }
    CommandContext context{session, *this};
    try {
      handler->second(context, line);
    } catch (const std::exception& e) {
      Fail(std::string("the command failed: ") + e.what());
    }
  }
}

void Interpreter::RunBlock(const script::Line& line, Session& session) {
  bool bench = line.Command() == "bench";
  std::int32_t times = script::ParseInteger(line.tokens[bench ? 2 : 1].text).value_or(0);
  LARGE_INTEGER frequency{}, start{}, end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  // repeat N as NAME: [NAME] counts 0 to N-1 in the block, and has its old
  // value again after it.
  std::string counter = !bench && line.tokens.size() > 3 ? text::FoldAscii(line.tokens[3].text) : std::string();
  std::optional<std::string> before;
  if (!counter.empty() && session.variables.count(counter)) before = session.variables[counter];
  for (std::int32_t i = 0; i < times; ++i) {
    if (!counter.empty()) session.variables[counter] = std::to_string(i);
    RunLines(line.block, session);
  }
  if (!counter.empty()) {
    if (before) {
      session.variables[counter] = *before;
    } else {
      session.variables.erase(counter);
    }
  }
  QueryPerformanceCounter(&end);
  line_ = line.number;
  if (bench && times > 0) {
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    char text[160];
    std::snprintf(text, sizeof text, "bench %s: %d iterations, %.3f ms each, %.1f ms in all",
                  line.tokens[1].text.c_str(), times, 1000.0 * seconds / times, 1000.0 * seconds);
    Print(text);
  }
}

std::vector<std::string> Interpreter::RunLine(const std::string& text, Session& session) {
  std::vector<std::string> failures;
  collect_ = &failures;
  script::Script script = script::Parse(text);
  std::vector<script::Error> errors = script::CheckScript(script);
  for (const script::Error& error : errors) {
    line_ = error.line;
    Fail(error.message);
  }
  if (errors.empty()) RunLines(script.lines, session);
  collect_ = nullptr;
  return failures;
}

}  // namespace host
