#pragma once
// The eight script actions the plug-in registers with the host, in the order
// of their numbers.

#include <cstdint>
#include <span>
#include <string_view>

namespace nb {

// Parameter type codes as the host knows them.
inline constexpr std::uint8_t kTextParam = 1;
inline constexpr std::uint8_t kNumberParam = 3;

struct ActionInfo {
  std::uint32_t number;          // 1..8, how the host names the action later
  std::string_view name;         // NUL-terminated in static storage
  std::string_view descriptionKey;
  std::string_view description;  // built-in, Windows-1251 bytes, NUL-terminated
  std::span<const std::uint8_t> typeCodes;  // one per parameter, in slot order

  std::int32_t Count() const { return static_cast<std::int32_t>(typeCodes.size()); }
};

std::span<const ActionInfo> ActionTable();

// The action with this number, or null for any number outside 1..8.
const ActionInfo* FindAction(std::uint32_t number);

}  // namespace nb
