#pragma once
// The gauge's kinds, written once: the ordinal the control keeps, the word a
// script gives the create action (read with its case) and the name a stored
// form description gives the Kind property. The gauge control, the run time,
// the editors, the form loader and the script checker all read this table;
// the drawing routine of each kind sits with the control (gauge/), in a
// table keyed by the same ordinal. Here, below both the gauge and the
// parameter words, so that both can include it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tk {

enum TGaugeKind : std::uint8_t { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
inline constexpr std::size_t kGaugeKindCount = gkNeedle + 1;

struct GaugeKindEntry {
  TGaugeKind kind;
  std::string_view word;    // the create action's kind parameter: "Pie"
  std::string_view stored;  // a stored description's Kind = gkPie
};

// In the order of the Create editor's list, which is also the order in which
// a script's word is compared.
inline constexpr std::array<GaugeKindEntry, kGaugeKindCount> kGaugeKinds{{
    {gkHorizontalBar, "HorizontalBar", "gkHorizontalBar"},
    {gkNeedle, "Needle", "gkNeedle"},
    {gkPie, "Pie", "gkPie"},
    {gkText, "Text", "gkText"},
    {gkVerticalBar, "VerticalBar", "gkVerticalBar"},
}};

// Every ordinal has exactly one entry.
consteval bool EveryKindOnce() {
  std::array<int, kGaugeKindCount> seen{};
  for (const GaugeKindEntry& e : kGaugeKinds) {
    if (e.kind >= kGaugeKindCount) return false;
    ++seen[e.kind];
  }
  for (int n : seen)
    if (n != 1) return false;
  return true;
}
static_assert(EveryKindOnce(), "each gauge kind has one entry");

constexpr const GaugeKindEntry& GaugeKindOf(TGaugeKind kind) {
  for (const GaugeKindEntry& e : kGaugeKinds)
    if (e.kind == kind) return e;
  return kGaugeKinds[0];  // not reached: every ordinal has an entry
}

// The stored names indexed by ordinal (the loader's enumeration setters take
// names so).
consteval std::array<std::string_view, kGaugeKindCount> GaugeKindStoredNames() {
  std::array<std::string_view, kGaugeKindCount> names{};
  for (const GaugeKindEntry& e : kGaugeKinds) names[e.kind] = e.stored;
  return names;
}
inline constexpr std::array<std::string_view, kGaugeKindCount> kGaugeKindStoredNames = GaugeKindStoredNames();

// The kind whose word is exactly text (letter case counts); none otherwise.
constexpr std::optional<TGaugeKind> GaugeKindFromWord(std::string_view text) {
  for (const GaugeKindEntry& e : kGaugeKinds)
    if (text == e.word) return e.kind;
  return std::nullopt;
}

}  // namespace tk
