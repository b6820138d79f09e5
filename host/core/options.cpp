#include "host/core/options.h"

namespace host {

const char* const kUsage =
    "usage: tarvex-host --plugin PATH [--script FILE | --list] [--isolated]\n"
    "  --script FILE  run a script; exit status 0 when every line ran and every expect held\n"
    "  --list         print the registered actions and the identity strings\n"
    "  --isolated     run from a private copy of the host in a fresh temporary folder\n"
    "  without --script or --list the host window opens for interactive use\n";

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  bool list = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      into = args[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h" || arg == "/?") {
      options.mode = Mode::Help;
      return options;
    } else if (arg == "--plugin") {
      if (!value(options.plugin)) return std::nullopt;
    } else if (arg == "--script") {
      if (!value(options.script)) return std::nullopt;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--isolated") {
      options.isolated = true;
    } else {
      error = "unknown argument \"" + arg + "\"";
      return std::nullopt;
    }
  }
  if (options.plugin.empty()) {
    error = "--plugin PATH is required";
    return std::nullopt;
  }
  if (list && !options.script.empty()) {
    error = "--list and --script exclude each other";
    return std::nullopt;
  }
  options.mode = list ? Mode::List : options.script.empty() ? Mode::Interactive : Mode::Script;
  return options;
}

}  // namespace host
