#pragma once
// Asking the host through InterfaceAccessProc: a copy of a text goes into a
// slot of our own, the host may put another text there, and the slot's block
// is freed on every path.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nb {

enum class HostCommand : std::int32_t {
  ObjectWindow = 7,    // slot: object name; answer: its window handle in decimal
  ChooseObject = 8,    // the host's object chooser
  ChooseVariable = 14  // the host's variable chooser
};

struct HostAnswer {
  bool accepted = false;   // what the host returned
  bool leftBlock = false;  // whether the host left a block in the slot
  std::string text;        // the slot's text after the call; empty for nil
};

// Nothing when the host has not handed over InterfaceAccessProc, or when no
// block for the question could be had (the host is then not asked).
std::optional<HostAnswer> AskHost(HostCommand command, std::string_view text);

}  // namespace nb
