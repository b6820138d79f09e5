// tarvex-host: plays the host's side for a plug-in, from a script, for a
// listing, or interactively.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/core/options.h"
#include "host/interactive.h"
#include "host/interpreter.h"
#include "host/isolated.h"
#include "host/wine_settings.h"

namespace {

const host::Interpreter*& CrashLocation() {
  static const host::Interpreter* running = nullptr;  // read by the crash filter only
  return running;
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  const host::Interpreter* running = CrashLocation();
  std::fflush(stdout);
  std::fprintf(stderr, "%s: the host stopped: exception 0x%08lX at %p\n",
               running ? running->Location().c_str() : "tarvex-host",
               info->ExceptionRecord->ExceptionCode, info->ExceptionRecord->ExceptionAddress);
  std::fflush(stderr);
  return EXCEPTION_EXECUTE_HANDLER;
}

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  text = content.str();
  return true;
}

int RunScript(const host::Options& options, host::PluginModule& plugin, host::ObjectsWindow& window) {
  std::string text;
  if (!ReadFile(options.script, text)) {
    std::fprintf(stderr, "%s:0: cannot read the script\n", options.script.c_str());
    return 2;
  }
  host::Interpreter interpreter(options.script);
  host::Session session(plugin, window, interpreter, true);
  window.Show();
  CrashLocation() = &interpreter;
  int status = interpreter.Run(host::script::Parse(text), session);
  CrashLocation() = nullptr;
  return status;
}

int RunList(host::PluginModule& plugin, host::ObjectsWindow& window) {
  host::ConsoleReporter out;
  host::Session session(plugin, window, out, true);
  session.StartUp();
  for (const std::string& line : session.Listing()) out.Print(line);
  return out.Failures() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
  if (GetConsoleWindow()) SetConsoleOutputCP(CP_UTF8);
  host::PreferUnmanagedWindowsUnderWine();

  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  std::optional<host::Options> options = host::ParseOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "tarvex-host: %s\n%s", error.c_str(), host::kUsage);
    return 2;
  }
  if (options->mode == host::Mode::Help) {
    std::fputs(host::kUsage, stdout);
    return 0;
  }
  if (options->isolated) return host::RunIsolated();

  host::PluginModule plugin;
  std::string loadError = plugin.Load(options->plugin);
  if (!loadError.empty()) {
    std::fprintf(stderr, "%s: %s\n", options->script.empty() ? "tarvex-host" : (options->script + ":0").c_str(),
                 loadError.c_str());
    return 1;
  }
  try {
    host::ObjectsWindow window(640, 480);
    switch (options->mode) {
      case host::Mode::Script: return RunScript(*options, plugin, window);
      case host::Mode::List: return RunList(plugin, window);
      default: return host::RunInteractive(plugin, window);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvex-host: %s\n", e.what());
    return 1;
  }
}
