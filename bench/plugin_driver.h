#pragma once
// Drives the built plug-in as the host does, for the soak and the benchmark:
// loads the library, hands over an InterfaceAccessProc that knows a few
// object windows, and executes actions with GlobalAlloc'ed parameter blocks.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "plugin/boundary.h"
#include "toolkit/handles.h"

namespace harness {

// One action's parameter block, allocated once and reusable.
class ParamBlock {
 public:
  explicit ParamBlock(const std::vector<std::string>& texts);
  ParamBlock(const ParamBlock&) = delete;
  ParamBlock& operator=(const ParamBlock&) = delete;
  ~ParamBlock();
  nb::HostSlot* get() { return slots_.data(); }

 private:
  std::vector<nb::HostSlot> slots_;
};

class PluginDriver {
 public:
  explicit PluginDriver(const wchar_t* path);
  ~PluginDriver();
  bool Loaded() const { return exec_ != nullptr; }

  // A rectangle object: a child of the host window, answered by command 7.
  HWND AddObject(const std::string& name, int x, int y, int width, int height);
  HWND MainWindow() const { return main_; }

  bool Exec(int action, ParamBlock& block) { return exec_(action, block.get()) != 0; }
  void Message(int code) { message_(code); }

 private:
  static nb::HostBool NB_REGISTER InterfaceAccess(std::int32_t command, nb::HostSlot* slot);

  tk::Module module_;
  decltype(&nbExecAction) exec_ = nullptr;
  decltype(&nbMessage) message_ = nullptr;
  HWND main_ = nullptr;
};

// The process's GDI and USER object counts and its memory.
struct Resources {
  long gdi = 0;     // GDI objects
  long user = 0;    // windows of this process
  long memoryKb = 0;  // committed private memory (page-file usage)
};
Resources Measure();

}  // namespace harness
