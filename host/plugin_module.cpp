#include "host/plugin_module.h"

#include <fstream>
#include <utility>

#include "host/core/library_file.h"
#include "host/host_strings.h"
#include "host/thunks.h"

namespace host {
namespace {

struct ExportInfo {
  const char* name;
  std::uint32_t arguments;
};

constexpr ExportInfo kExports[] = {
    {"nbRegisterPlugIn", 4},          {"nbInitPlugIn", 4}, {"nbRegisterInterfaceAccess", 1},
    {"nbRegisterScriptProcessor", 1}, {"nbEditAction", 2}, {"nbExecAction", 2},
    {"nbMessage", 1},                 {"nbAbout", 0},
};

const ExportInfo& Info(Export which) { return kExports[static_cast<int>(which)]; }

}  // namespace

const char* ExportName(Export which) { return Info(which).name; }

namespace {

// Why LoadLibrary failed, in words; the file itself was already looked at.
std::string LoadFailure(DWORD error) {
  switch (error) {
    case ERROR_MOD_NOT_FOUND:
      return "a library that it needs is missing (a plug-in built with -static needs none)";
    case ERROR_BAD_EXE_FORMAT:
      return sizeof(void*) == 8 ? "it is not a valid 64-bit Windows library" : "it is not a valid 32-bit Windows library";
    case ERROR_DLL_INIT_FAILED:
      return "its start-up code failed";
    case ERROR_ACCESS_DENIED:
      return "the file may not be read";
    default: break;
  }
  char text[256] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.')) --length;
  std::string words(text, length);
  return (words.empty() ? "Windows error" : words) + " (error " + std::to_string(error) + ")";
}

}  // namespace

std::string PluginModule::Load(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return "cannot load the plug-in " + path + ": there is no such file";
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    return "cannot load the plug-in " + path + ": it is a folder, not a file";
  }
  std::ifstream file(path, std::ios::binary);
  std::string head(4096, '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(file.gcount()));
  if (!file && !file.eof()) return "cannot load the plug-in " + path + ": the file cannot be read";
  if (std::string problem = LibraryFileProblem(head, sizeof(void*) == 8 ? HostWidth::Bits64 : HostWidth::Bits32);
      !problem.empty()) {
    return "cannot load the plug-in " + path + ": the file " + problem;
  }
  path_ = path;
  module_ = LoadLibraryA(path.c_str());
  if (!module_) return "cannot load the plug-in " + path + ": " + LoadFailure(GetLastError());
  TrackPluginBlocks(module_);
  std::string missing;
  for (int i = 0; i < 8; ++i) {
    entries_[i] = reinterpret_cast<void*>(GetProcAddress(module_, kExports[i].name));
    if (!entries_[i]) missing += std::string(missing.empty() ? "" : ", ") + kExports[i].name;
  }
  if (!missing.empty()) return "the plug-in " + path + " does not export " + missing;
  return {};
}

HMODULE PluginModule::Unload() {
  HMODULE freed = std::exchange(module_, nullptr);
  if (freed) FreeLibrary(freed);
  for (void*& entry : entries_) entry = nullptr;
  return freed;
}

#if defined(__i386__)

PluginModule::Result PluginModule::Call(Export which, std::vector<std::uintptr_t> args) {
  const ExportInfo& info = Info(which);
  args.resize(info.arguments);
  std::vector<std::uint32_t> words(args.begin(), args.end());
  CallOutcome outcome = CallRegister(entries_[static_cast<int>(which)], words.data(), info.arguments);
  Result result{outcome.eax, {}};
  std::uint32_t stackBytes = info.arguments > 3 ? 4 * (info.arguments - 3) : 0;
  if (outcome.stackError != 0) {
    result.problems.push_back(std::string(info.name) + " removed " +
                              std::to_string(static_cast<std::int32_t>(stackBytes) + outcome.stackError) +
                              " bytes of arguments from the stack instead of " + std::to_string(stackBytes));
  }
  const char* registers[] = {"EBX", "ESI", "EDI"};
  for (int bit = 0; bit < 3; ++bit) {
    if (outcome.clobbered & (1u << bit)) {
      result.problems.push_back(std::string(info.name) + " did not preserve " + registers[bit]);
    }
  }
  return result;
}

#else

namespace {

// The exports' declarations on x64; integers travel in the low half of a word.
using Slots = char**;
template <typename R, typename... A>
R Invoke(void* entry, A... args) {
  return reinterpret_cast<R (*)(A...)>(entry)(args...);
}
std::int32_t Int(std::uintptr_t word) { return static_cast<std::int32_t>(word); }
void* Ptr(std::uintptr_t word) { return reinterpret_cast<void*>(word); }
Slots SlotsAt(std::uintptr_t word) { return reinterpret_cast<Slots>(word); }

}  // namespace

PluginModule::Result PluginModule::Call(Export which, std::vector<std::uintptr_t> a) {
  a.resize(Info(which).arguments);
  void* entry = entries_[static_cast<int>(which)];
  Result result;
  switch (which) {
    case Export::RegisterPlugIn:
      Invoke<void>(entry, Ptr(a[0]), Int(a[1]), Int(a[2]), Int(a[3]));
      break;
    case Export::InitPlugIn:
      Invoke<void>(entry, Int(a[0]), SlotsAt(a[1]), SlotsAt(a[2]), SlotsAt(a[3]));
      break;
    case Export::RegisterInterfaceAccess:
    case Export::RegisterScriptProcessor:
      Invoke<void>(entry, Ptr(a[0]));
      break;
    case Export::EditAction:
    case Export::ExecAction:
      result.eax = Invoke<std::uint8_t>(entry, Int(a[0]), SlotsAt(a[1]));
      break;
    case Export::Message:
      Invoke<void>(entry, Int(a[0]));
      break;
    case Export::About:
      Invoke<void>(entry);
      break;
  }
  return result;
}

#endif

}  // namespace host
