#include "base/HostAccess.h"

#include "base/PlugInUtils.h"

namespace nb {
namespace {

// A host-string slot of our own whose block goes with it, whichever block the
// host left there.
class LocalHostSlot {
 public:
  LocalHostSlot() = default;
  LocalHostSlot(const LocalHostSlot&) = delete;
  LocalHostSlot& operator=(const LocalHostSlot&) = delete;
  ~LocalHostSlot() { FreeHostString(&slot_); }
  HostSlot* get() { return &slot_; }

 private:
  HostSlot slot_ = nullptr;
};

}  // namespace

std::optional<HostAnswer> AskHost(HostCommand command, std::string_view text) {
  InterfaceAccessProc ask = Held().interfaceAccess;
  if (ask == nullptr) return std::nullopt;
  LocalHostSlot slot;
  // Without the question's block the host is not asked: a nil slot would
  // ask it about the empty text instead.
  if (!AssignHostString(slot.get(), text)) return std::nullopt;
  HostAnswer answer;
  answer.accepted = ask(static_cast<std::int32_t>(command), slot.get()) != 0;
  answer.leftBlock = *slot.get() != nullptr;
  answer.text = ReadHostString(*slot.get());
  return answer;
}

}  // namespace nb
