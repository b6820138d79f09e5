#pragma once
// Host strings: NUL-terminated ANSI text in GMEM_FIXED blocks, reached
// through pointer slots; and parameter blocks of such slots.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

char* NewHostString(std::string_view text);
// Frees the slot's block (when it is a live one) and sets the slot to nil.
void FreeSlot(char*& slot);
// A block that GlobalAlloc handed out and that is not freed yet.
bool IsLiveBlock(const void* block);
std::string ReadSlot(const char* slot);

// Which blocks are live is known from the allocations themselves, never by
// asking the heap about memory that may have been freed (Wine reports such
// questions as heap corruption). The host's own blocks are counted by
// NewHostString and FreeSlot; the plug-in's GlobalAlloc and GlobalFree
// imports are routed through the same count by TrackPluginBlocks.
void TrackPluginBlocks(HMODULE plugin);
// The plug-in's GlobalFree calls on blocks that were already freed, since
// the last call; such a call is not passed on to the heap.
std::vector<std::string> TakeBlockProblems();

// The slots of one action instance. Values are text or nil; the block has at
// least minimumSlots slots (nil beyond the values) and a few nil guard slots
// after them, so that writes past the end show up.
class ParamBlock {
 public:
  ParamBlock(std::vector<std::optional<std::string>> values, std::size_t minimumSlots);
  ParamBlock(const ParamBlock&) = delete;
  ParamBlock& operator=(const ParamBlock&) = delete;
  ~ParamBlock();

  char** Slots() { return slots_.data(); }
  std::size_t Size() const { return size_; }
  const char* Slot(std::size_t index) const { return slots_[index]; }

  // Every slot that no longer holds the block and bytes handed over, and
  // every guard slot that was written.
  std::vector<std::string> Changes() const;
  // Slots that hold something other than nil or a live GlobalAlloc block.
  std::vector<std::string> ForeignSlots() const;

 private:
  static constexpr std::size_t kGuardSlots = 4;
  std::size_t size_;
  std::vector<std::optional<std::string>> values_;
  std::vector<char*> slots_;
  std::vector<char*> handedOver_;
};

}  // namespace host
