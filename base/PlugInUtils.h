#pragma once
// Host strings and the values that the host hands over.

#include <span>
#include <string>
#include <string_view>

#include "base/host_types.h"

namespace nb {

// One slot to replace and its new text; a null slot is passed over.
struct SlotText {
  HostSlot* slot;
  std::string_view text;
};

// Replaces the slots' strings, all or none: every new block (a GlobalAlloc'ed
// copy of its text up to the first NUL) is made before any slot changes;
// then each slot takes its block and the old one is freed. When a block
// cannot be made, those made are freed, every slot keeps what it held and
// the answer is false.
bool ReplaceHostStrings(std::span<const SlotText> writes);
// The same for one slot.
bool AssignHostString(HostSlot* slot, std::string_view text);
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
