#include "toolkit/stored_resource.h"

#include <windows.h>

#include "toolkit/window.h"

namespace tk {

std::optional<std::string_view> StoredResource(const std::string& name) {
  HRSRC info = FindResourceA(ModuleInstance(), name.c_str(), MAKEINTRESOURCEA(10));
  HGLOBAL data = info ? LoadResource(ModuleInstance(), info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), SizeofResource(ModuleInstance(), info));
}

}  // namespace tk
