#include "bench/plugin_driver.h"

#include <psapi.h>

#include <cstring>

#include "base/host_block.h"
#include "base/window_number.h"
#include "toolkit/gui_objects.h"
#include "toolkit/message_pump.h"

namespace harness {

namespace {

std::map<std::string, std::string>& Objects() {
  static std::map<std::string, std::string> objects;
  return objects;
}


// GetProcAddress answers a generic function pointer; the exports' own types
// come from the boundary header.
template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

ParamBlock::ParamBlock(const std::vector<std::string>& texts) {
  for (const auto& text : texts) slots_.push_back(nb::NewGlobalString(text));
}

ParamBlock::~ParamBlock() {
  for (nb::HostSlot slot : slots_) GlobalFree(slot);
}

PluginDriver::PluginDriver(const wchar_t* path) : module_(LoadLibraryW(path)) {
  if (!module_) return;
  auto reg = Export<decltype(&nbRegisterInterfaceAccess)>(module_.get(), "nbRegisterInterfaceAccess");
  exec_ = Export<decltype(&nbExecAction)>(module_.get(), "nbExecAction");
  message_ = Export<decltype(&nbMessage)>(module_.get(), "nbMessage");
  if (!reg || !exec_ || !message_) {
    exec_ = nullptr;
    return;
  }
  reg(&InterfaceAccess);
  main_ = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  tk::PumpPending();
}

PluginDriver::~PluginDriver() {
  if (message_) message_(2);
  if (main_) DestroyWindow(main_);
}

HWND PluginDriver::AddObject(const std::string& name, int x, int y, int width, int height) {
  HWND object = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                main_, nullptr, GetModuleHandleW(nullptr), nullptr);
  Objects()[name] = nb::WindowNumberText(object);
  return object;
}

nb::HostBool NB_REGISTER PluginDriver::InterfaceAccess(std::int32_t command, nb::HostSlot* slot) {
  if (command != 7 || !slot) return 0;
  auto it = Objects().find(*slot ? std::string(*slot) : std::string());
  std::string answer = it == Objects().end() ? "0" : it->second;
  if (*slot) GlobalFree(*slot);
  *slot = nb::NewGlobalString(answer);
  return 1;
}

Resources Measure() {
  Resources r;
  const tk::GuiObjects objects = tk::CountGuiObjects();
  r.gdi = objects.gdi;
  r.user = objects.user;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
    r.memoryKb = static_cast<long>(counters.PagefileUsage / 1024);
  return r;
}

}  // namespace harness
