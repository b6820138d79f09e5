#include "toolkit/oleacc_library.h"

#include <optional>

#include "toolkit/system_library.h"

namespace tk {
namespace {

// The table's own types come from the library's header.
template <typename Fn>
bool Resolve(HMODULE module, const char* name, Fn& out) {
  out = LibraryFunction<Fn>(module, name);
  return out != nullptr;
}

std::optional<OleaccFunctions> Load() {
  HMODULE module = LoadSystemLibrary(L"oleacc.dll");
  if (module == nullptr) return std::nullopt;
  OleaccFunctions table{module, nullptr, nullptr};
  if (!Resolve(module, "CreateStdAccessibleObject", table.createStdAccessibleObject) ||
      !Resolve(module, "LresultFromObject", table.lresultFromObject)) {
    FreeLibrary(module);  // nothing of it was used
    return std::nullopt;
  }
  // Pinned: no FreeLibrary, ours or anyone's, takes it away while objects
  // it made may still be held.
  HMODULE pinned = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(module), &pinned);
  return table;
}

}  // namespace

const OleaccFunctions* Oleacc() {
  // Windows are asked on the host's one user-interface thread; the static's
  // own guard covers any other.
  static const std::optional<OleaccFunctions> table = Load();
  return table ? &*table : nullptr;
}

}  // namespace tk
