#pragma once
// A plug-in library loaded by path, and its eight exports called through the
// register-convention thunk. Every call is checked for the convention: the
// callee removes exactly its stack arguments and keeps EBX, ESI and EDI.
// The 64-bit build calls a 64-bit plug-in directly.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace host {

enum class Export {
  RegisterPlugIn,
  InitPlugIn,
  RegisterInterfaceAccess,
  RegisterScriptProcessor,
  EditAction,
  ExecAction,
  Message,
  About,
};

const char* ExportName(Export which);

class PluginModule {
 public:
  PluginModule() = default;
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  // Empty on success, else why the library cannot be used.
  std::string Load(const std::string& path);
  HMODULE Module() const { return module_; }
  // Frees the library, as a host does that unloads its plug-ins; no export
  // may be called until Load again. The freed module's handle, by which its
  // window classes were registered, or null when none was loaded.
  HMODULE Unload();
  // The path of the last Load.
  const std::string& Path() const { return path_; }

  struct Result {
    std::uint32_t eax = 0;
    std::vector<std::string> problems;  // breaches of the convention
    std::uint8_t Al() const { return static_cast<std::uint8_t>(eax); }
  };
  // args: the export's arguments in declaration order, all of them, each a
  // pointer or a 32-bit integer held in a machine word.
  Result Call(Export which, std::vector<std::uintptr_t> args);

 private:
  HMODULE module_ = nullptr;  // unloaded only when asked: plug-in windows may outlive a script
  std::string path_;
  void* entries_[8] = {};
};

}  // namespace host
