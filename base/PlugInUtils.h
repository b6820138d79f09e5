#pragma once
// Host strings and the values that the host hands over.

#include <string>
#include <string_view>

#include "base/host_types.h"

namespace nb {

// Replaces the slot's string: frees the old block, stores a new GlobalAlloc'ed
// copy of text up to its first NUL. A failed allocation leaves the slot nil.
void AssignHostString(HostSlot* slot, std::string_view text);
// Frees the slot's block and sets the slot to nil.
void FreeHostString(HostSlot* slot);
// The slot's text; nil reads as empty.
std::string ReadHostString(const HostSlot slot);

// Values held from the host, nil until delivered, overwritten by each later
// delivery, kept until the library is unloaded.
struct HeldValues {
  AddActionProc addAction = nullptr;
  std::int32_t registerArg2 = 0, registerArg3 = 0, registerArg4 = 0;
  std::int32_t initArg1 = 0;
  ScriptProcessorProc scriptProcessor = nullptr;
  InterfaceAccessProc interfaceAccess = nullptr;
};
HeldValues& Held();

}  // namespace nb
