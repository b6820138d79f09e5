#pragma once
// The host simulator's command line.

#include <optional>
#include <string>
#include <vector>

namespace host {

enum class Mode { Interactive, Script, List, Help };

struct Options {
  Mode mode = Mode::Interactive;
  std::string plugin;
  std::string script;
  bool isolated = false;
};

// args without the program name; nullopt and a message for a bad command line.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace host
