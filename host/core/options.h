#pragma once
// The host simulator's command line.

#include <optional>
#include <string>
#include <vector>

namespace host {

enum class Mode { Interactive, Script, List, Check, Help };

struct Options {
  Mode mode = Mode::Interactive;
  std::string plugin;
  std::string script;
  bool isolated = false;
  bool dpiAware = false;  // --dpi-aware: the process declares itself aware of each monitor's resolution
  bool warnings = false;  // --warnings: as if the script began with `warnings on`
};

// args without the program name; nullopt and a message for a bad command line.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace host
