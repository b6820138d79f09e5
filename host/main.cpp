// tarvex-host: plays the host's side for a plug-in, from a script, for a
// listing, or interactively.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/core/action_check.h"
#include "host/core/options.h"
#include "host/core/syntax.h"
#include "host/interactive.h"
#include "host/interpreter.h"
#include "host/isolated.h"
#include "host/wine_settings.h"
#include "toolkit/com_ref.h"
#include "toolkit/high_memory.h"

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

// Empty when the script was read, else why not.
std::string ReadScript(const std::string& path, std::string& text) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return "cannot read the script: there is no such file";
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "cannot read the script: it is a folder, not a file";
  std::ifstream file(path, std::ios::binary);
  if (!file) return "cannot read the script: the file cannot be opened";
  std::ostringstream content;
  content << file.rdbuf();
  text = content.str();
  return {};
}

int RunScript(const host::Options& options, host::PluginModule& plugin, host::ObjectsWindow& window) {
  std::string text;
  if (std::string error = ReadScript(options.script, text); !error.empty()) {
    std::fprintf(stderr, "%s:0: %s\n", options.script.c_str(), error.c_str());
    return 2;
  }
  host::Interpreter interpreter(options.script);
  interpreter.SetWarnings(options.warnings);
  host::Session session(plugin, window, interpreter, true);
  window.Show();
  CrashLocation() = &interpreter;
  int status = interpreter.Run(host::script::Parse(text), session);
  CrashLocation() = nullptr;
  return status;
}

// --check: the script's syntax, then its action calls; runs nothing.
int RunCheck(const host::Options& options) {
  std::string text;
  if (std::string error = ReadScript(options.script, text); !error.empty()) {
    std::fprintf(stderr, "%s:0: %s\n", options.script.c_str(), error.c_str());
    return 2;
  }
  host::script::Script script = host::script::Parse(text);
  std::vector<host::script::Error> errors = host::script::CheckScript(script);
  for (const host::script::Error& error : errors) {
    std::fprintf(stderr, "%s:%d: %s\n", options.script.c_str(), error.line, error.message.c_str());
  }
  if (!errors.empty()) return 2;
  std::vector<std::string> warnings = host::CheckScriptActions(script, options.script);
  for (const std::string& warning : warnings) std::fprintf(stderr, "%s\n", warning.c_str());
  return warnings.empty() ? 0 : 1;
}

int RunList(host::PluginModule& plugin, host::ObjectsWindow& window) {
  host::ConsoleReporter out;
  host::Session session(plugin, window, out, true);
  session.StartUp();
  for (const std::string& line : session.Listing()) out.Print(line);
  return out.Failures() == 0 ? 0 : 1;
}

// As a host that scales its own windows declares in its manifest: each
// monitor's resolution where the system knows it, else the screen's.
void DeclareDpiAware() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  using PerMonitorFn = BOOL(WINAPI*)(HANDLE);
  if (auto perMonitor = reinterpret_cast<PerMonitorFn>(
          reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")))) {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    if (perMonitor(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
  }
  SetProcessDPIAware();
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
  if (options->mode == host::Mode::Check) return RunCheck(*options);
  if (options->isolated) return host::RunIsolated();
  if (options->dpiAware) DeclareDpiAware();

  // The 64-bit build tests the plug-in's code: with the low 4 GB kept
  // unused, a pointer the plug-in cuts to 32 bits fails at once.
  tk::ReserveLowAddressSpace();
  // Like the host's own run-time, which holds ActiveX objects, the thread
  // lives in a COM apartment: a screen reader in another program then
  // reaches the plug-in's accessible objects.
  tk::ComApartment apartment;
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
