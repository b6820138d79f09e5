#include "host/host_strings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>

#include "plugin/host_block.h"

namespace host {
namespace {

// The blocks of the run. Hook functions are plain functions, so the count
// they keep has to be reachable without an object.
struct BlockCount {
  std::set<const void*> live;
  std::set<const void*> freed;  // freed since last handed out: a second free is a fault
  std::vector<std::string> problems;
};

BlockCount& Blocks() {
  static BlockCount count;
  return count;
}

void NoteAllocated(const void* block) {
  if (!block) return;
  Blocks().live.insert(block);
  Blocks().freed.erase(block);
}

std::string Address(const void* block) {
  char text[16];
  std::snprintf(text, sizeof text, "%p", block);
  return text;
}

HGLOBAL WINAPI TrackedGlobalAlloc(UINT flags, SIZE_T bytes) {
  HGLOBAL block = GlobalAlloc(flags, bytes);
  NoteAllocated(block);
  return block;
}

HGLOBAL WINAPI TrackedGlobalFree(HGLOBAL block) {
  BlockCount& count = Blocks();
  if (block && count.freed.count(block)) {
    count.problems.push_back("the plug-in freed the block at " + Address(block) + " again");
    return block;  // GlobalFree's answer for a failure; the heap never sees it
  }
  if (block) {
    count.live.erase(block);
    count.freed.insert(block);
  }
  return GlobalFree(block);  // blocks from before the tracking began pass through
}

// Points the module's imports of `name` at `replacement`.
void PatchImport(HMODULE module, const char* name, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return;
  for (auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); desc->Name; ++desc) {
    if (!desc->OriginalFirstThunk) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
      DWORD old = 0;
      if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old)) continue;
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
    }
  }
}

}  // namespace

char* NewHostString(std::string_view text) {
  char* block = nb::NewGlobalString(text);
  if (block) NoteAllocated(block);
  return block;
}

void FreeSlot(char*& slot) {
  if (slot && IsLiveBlock(slot)) {
    Blocks().live.erase(slot);
    Blocks().freed.insert(slot);
    GlobalFree(slot);
  }
  slot = nullptr;
}

bool IsLiveBlock(const void* block) { return block && Blocks().live.count(block) != 0; }

void TrackPluginBlocks(HMODULE plugin) {
  if (!plugin) return;
  PatchImport(plugin, "GlobalAlloc", reinterpret_cast<void*>(&TrackedGlobalAlloc));
  PatchImport(plugin, "GlobalFree", reinterpret_cast<void*>(&TrackedGlobalFree));
}

std::vector<std::string> TakeBlockProblems() { return std::exchange(Blocks().problems, {}); }

std::string ReadSlot(const char* slot) { return slot ? std::string(slot) : std::string(); }
ParamBlock::ParamBlock(std::vector<std::optional<std::string>> values, std::size_t minimumSlots)
    : size_(std::max(values.size(), minimumSlots)),
      values_(std::move(values)),
      slots_(size_ + kGuardSlots, nullptr),
      handedOver_() {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (values_[i]) slots_[i] = NewHostString(*values_[i]);
  }
  handedOver_ = slots_;
}

ParamBlock::~ParamBlock() {
  for (char*& slot : slots_) FreeSlot(slot);
}

std::vector<std::string> ParamBlock::Changes() const {
  std::vector<std::string> changes;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    std::string name = (i < size_ ? "slot " : "guard slot ") + std::to_string(i);
    if (slots_[i] != handedOver_[i]) {
      changes.push_back(name + " was replaced");
    } else if (i < values_.size() && values_[i] && ReadSlot(slots_[i]) != *values_[i]) {
      changes.push_back(name + " was written: \"" + *values_[i] + "\" became \"" +
                        ReadSlot(slots_[i]) + "\"");
    }
  }
  return changes;
}

std::vector<std::string> ParamBlock::ForeignSlots() const {
  std::vector<std::string> foreign;
  for (std::size_t i = 0; i < size_; ++i) {
    if (slots_[i] && !IsLiveBlock(slots_[i])) {
      foreign.push_back("slot " + std::to_string(i) + " holds no GlobalAlloc block");
    }
  }
  return foreign;
}

}  // namespace host
