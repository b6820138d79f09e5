#include "base/PlugInUtils.h"

#include "base/host_block.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace nb {
namespace {

// Everything the host has handed over; nil until delivered.
constinit HeldValues held{};

}  // namespace

bool ReplaceHostStrings(std::span<const SlotText> writes) {
  // Every copy is made before any old block goes, so a text that lives in
  // one of those blocks is still intact when it is copied.
  std::vector<char*> blocks(writes.size(), nullptr);
  for (std::size_t i = 0; i < writes.size(); ++i) {
    if (writes[i].slot == nullptr) continue;
    std::string_view text = writes[i].text;
    blocks[i] = NewGlobalString(text.substr(0, text.find('\0')));
    if (blocks[i] == nullptr) {
      for (char* made : blocks)
        if (made != nullptr) GlobalFree(made);
      return false;
    }
  }
  for (std::size_t i = 0; i < writes.size(); ++i) {
    if (writes[i].slot == nullptr) continue;
    FreeHostString(writes[i].slot);
    *writes[i].slot = blocks[i];
  }
  return true;
}

bool AssignHostString(HostSlot* slot, std::string_view text) {
  const SlotText write{slot, text};
  return ReplaceHostStrings({&write, 1});
}

void FreeHostString(HostSlot* slot) {
  if (slot == nullptr) return;
  if (*slot != nullptr) GlobalFree(*slot);
  *slot = nullptr;
}

std::string ReadHostString(const HostSlot slot) { return slot == nullptr ? std::string() : std::string(slot); }

HeldValues& Held() { return held; }

}  // namespace nb
