#include "base/PlugInUtils.h"

#include "base/host_block.h"

#include <windows.h>

#include <cstring>

namespace nb {
namespace {

// Everything the host has handed over; nil until delivered.
constinit HeldValues held{};

}  // namespace

void AssignHostString(HostSlot* slot, std::string_view text) {
  if (slot == nullptr) return;
  text = text.substr(0, text.find('\0'));
  // The copy is made before the old block goes, so a text that lives in that
  // block is still intact when it is copied.
  char* block = NewGlobalString(text);
  FreeHostString(slot);
  *slot = block;
}

void FreeHostString(HostSlot* slot) {
  if (slot == nullptr) return;
  if (*slot != nullptr) GlobalFree(*slot);
  *slot = nullptr;
}

std::string ReadHostString(const HostSlot slot) { return slot == nullptr ? std::string() : std::string(slot); }

HeldValues& Held() { return held; }

}  // namespace nb
