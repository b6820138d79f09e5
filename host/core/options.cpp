#include "host/core/options.h"

namespace host {

const char* const kUsage =
    "usage: tarvex-host --plugin PATH [--script FILE [--warnings] | --list] [--isolated] [--dpi-aware]\n"
    "       tarvex-host --check FILE\n"
    "  --script FILE  run a script; exit status 0 when every line ran and every expect held\n"
    "  --warnings     while the script runs, warn about action parameters that the plug-in\n"
    "                 will partly ignore (as the script command `warnings on` does)\n"
    "  --list         print the registered actions and the identity strings\n"
    "  --isolated     run from a private copy of the host in a fresh temporary folder\n"
    "  --dpi-aware    play a host that scales its own windows on a scaled screen: the\n"
    "                 plug-in's dialogs grow with the screen instead of being stretched\n"
    "  --check FILE   run nothing: warn, line by line, about every action call whose\n"
    "                 parameters the plug-in will partly ignore; exit status 1 when it warned\n"
    "  without --script, --list or --check the host window opens for interactive use\n";

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  bool list = false;
  std::string check;
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
    } else if (arg == "--check") {
      if (!value(check)) return std::nullopt;
    } else if (arg == "--warnings") {
      options.warnings = true;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--isolated") {
      options.isolated = true;
    } else if (arg == "--dpi-aware") {
      options.dpiAware = true;
    } else {
      error = "unknown argument \"" + arg + "\"";
      return std::nullopt;
    }
  }
  if (!check.empty()) {
    if (list || !options.script.empty()) {
      error = "--check runs nothing, so it goes without --script and --list";
      return std::nullopt;
    }
    options.mode = Mode::Check;
    options.script = check;
    return options;
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
