#include "host/host_strings.h"

#include <algorithm>
#include <cstring>

namespace host {

char* NewHostString(std::string_view text) {
  auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, text.size() + 1));
  if (!block) return nullptr;
  std::memcpy(block, text.data(), text.size());
  block[text.size()] = '\0';
  return block;
}

void FreeSlot(char*& slot) {
  if (slot && IsLiveBlock(slot)) GlobalFree(slot);
  slot = nullptr;
}

bool IsLiveBlock(const void* block) {
  return block && GlobalSize(const_cast<void*>(block)) != 0;
}

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
