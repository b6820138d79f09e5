#include "host/plugin_module.h"

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

std::string PluginModule::Load(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    return "cannot load the plug-in " + path + " (error " + std::to_string(GetLastError()) + ")";
  }
  std::string missing;
  for (int i = 0; i < 8; ++i) {
    entries_[i] = reinterpret_cast<void*>(GetProcAddress(module_, kExports[i].name));
    if (!entries_[i]) missing += std::string(missing.empty() ? "" : ", ") + kExports[i].name;
  }
  if (!missing.empty()) return "the plug-in " + path + " does not export " + missing;
  return {};
}

PluginModule::Result PluginModule::Call(Export which, std::vector<std::uint32_t> args) {
  const ExportInfo& info = Info(which);
  args.resize(info.arguments);
  CallOutcome outcome = CallRegister(entries_[static_cast<int>(which)], args.data(), info.arguments);
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

}  // namespace host
