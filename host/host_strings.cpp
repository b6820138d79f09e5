#include "host/host_strings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>

#include "host/import_patch.h"
#include "base/host_block.h"

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
