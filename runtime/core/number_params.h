#pragma once
// The numbers the run routines take from their integer parameters, one
// reading for the run routines and the host simulator's script checker:
// empty or unreadable text gives the parameter's default, and the defaults
// differ between the actions (TarvexCreate's maximum is 100, TarvexSetValue's
// is 0).

#include <cstdint>
#include <string_view>

namespace runtime {

inline constexpr std::int32_t kCreateMinimumDefault = 0;
inline constexpr std::int32_t kCreateMaximumDefault = 100;
inline constexpr std::int32_t kCreateProgressDefault = 0;
inline constexpr std::int32_t kSetProgressDefault = 0;
inline constexpr std::int32_t kSetValueMinimumDefault = 0;
inline constexpr std::int32_t kSetValueMaximumDefault = 0;

struct NumberParam {
  std::int32_t value = 0;
  bool read = false;  // false: the text was empty or unreadable, value is the default
};

// Integer text, or whenUnread when the text is empty or unreadable.
NumberParam ReadNumberParam(std::string_view text, std::int32_t whenUnread);

struct RangeParams {
  NumberParam minimum;
  NumberParam maximum;
  // A crossed pair is refused as a whole: the action answers False.
  bool Crossed() const { return minimum.value > maximum.value; }
};

// TarvexCreate's minimum and maximum (slots 5 and 6) and progress (slot 8).
RangeParams ReadCreateRange(std::string_view minimum, std::string_view maximum);
NumberParam ReadCreateProgress(std::string_view text);
// TarvexSetValue's minimum and maximum (slots 1 and 2).
RangeParams ReadSetValueRange(std::string_view minimum, std::string_view maximum);
// TarvexSetProgress's progress (slot 1).
NumberParam ReadSetProgress(std::string_view text);

}  // namespace runtime
