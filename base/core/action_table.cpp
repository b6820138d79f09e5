#include "base/core/action_table.h"

#include <array>

namespace nb {
namespace {

constexpr std::uint8_t T = kTextParam;
constexpr std::uint8_t N = kNumberParam;

// The ranges and the progress of the create action travel as text.
constexpr std::array<std::uint8_t, 10> kCreateCodes{T, T, T, T, T, T, T, T, T, T};
constexpr std::array<std::uint8_t, 1> kNameOnly{T};
constexpr std::array<std::uint8_t, 2> kNameAndNumber{T, N};
constexpr std::array<std::uint8_t, 3> kNameAndTwoNumbers{T, N, N};
constexpr std::array<std::uint8_t, 3> kNameAndTwoTexts{T, T, T};
constexpr std::array<std::uint8_t, 2> kNameAndText{T, T};

// Descriptions are Windows-1251 bytes, written as escapes so that the source
// file's own encoding cannot change them.
constexpr std::array<ActionInfo, 8> kActions{{
    {1, "TarvexCreate", "012*",
     "\xD1\xEE\xE7\xE4\xE0\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2 Gauge.", kCreateCodes},
    {2, "TarvexDelete", "013*",
     "\xD3\xE4\xE0\xEB\xE8\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2 Gauge.", kNameOnly},
    {3, "TarvexSetProgress", "014*",
     "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xEF\xEE\xE7\xE8\xF6\xE8\xFE "
     "\xEF\xF0\xEE\xE3\xF0\xE5\xF1\xF1\xE0 \xE4\xEB\xFF \xEE\xE1\xFA\xE5\xEA\xF2\xE0 Gauge.",
     kNameAndNumber},
    {4, "TarvexSetValue", "015*",
     "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xEC\xE8\xED\xE8\xEC\xE0\xEB\xFC\xED\xEE\xE5 "
     "\xE8 \xEC\xE0\xEA\xF1\xE8\xEC\xE0\xEB\xFC\xED\xEE\xE5 \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5 "
     "\xE4\xEB\xFF \xEE\xE1\xFA\xE5\xEA\xF2\xE0 Gauge.",
     kNameAndTwoNumbers},
    {5, "TarvexSetColor", "016*",
     "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xF6\xE2\xE5\xF2 \xF4\xEE\xED\xE0 \xE8 "
     "\xF6\xE2\xE5\xF2 \xF7\xE0\xF1\xF2\xE5\xE9 \xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED"
     "\xE8\xEA\xE0 \xED\xE5 \xE2\xF5\xEE\xE4\xFF\xF9\xE8\xF5 \xE2 \xEE\xE1\xFA\xE5\xEA\xF2 Gauge.",
     kNameAndTwoTexts},
    {6, "TarvexSetProgressColor", "017*",
     "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xF6\xE2\xE5\xF2 \xEF\xF0\xEE\xE3\xF0\xE5\xF1"
     "\xF1\xE0 \xE4\xEB\xFF \xEE\xE1\xFA\xE5\xEA\xF2\xE0 \"Tarvex\".",
     kNameAndText},
    {7, "TarvexSetFont", "018*",
     "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xF8\xF0\xE8\xF4\xF2 \xE4\xEB\xFF "
     "\xEE\xE1\xFA\xE5\xEA\xF2\xE0 \"Tarvex\".",
     kNameAndText},
    {8, "TarvexSetVisible", "019*",
     "\xCF\xEE\xEA\xE0\xE7\xE0\xF2\xFC / \xD1\xEA\xF0\xFB\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2 "
     "\"Tarvex\".",
     kNameAndText},
}};

}  // namespace

std::span<const ActionInfo> ActionTable() { return kActions; }

const ActionInfo* FindAction(std::uint32_t number) {
  if (number == 0 || number > kActions.size()) return nullptr;
  return &kActions[number - 1];
}

}  // namespace nb
