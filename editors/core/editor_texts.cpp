#include "editors/core/editor_texts.h"

#include <array>

namespace editors {
namespace {

// Windows-1251 bytes written as escapes so that the source file's own
// encoding cannot change them; the English gloss is beside each.
constexpr std::array<EditorInfo, 8> kEditors{{
    // Create a Gauge object in the rectangle.
    {1, "TarvexCreate",
     {"012*", "\xD1\xEE\xE7\xE4\xE0\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2 Gauge \xE2 "
              "\xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA\xE5."}},
    // Delete the Gauge object.
    {2, "TarvexDelete", {"013*", "\xD3\xE4\xE0\xEB\xE8\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2 Gauge."}},
    // Set the progress position of the Tarvex object.
    {3, "TarvexSetProgress",
     {"014*", "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xEF\xEE\xE7\xE8\xF6\xE8\xFE "
              "\xEF\xF0\xEE\xE3\xF0\xE5\xF1\xF1\xE0 \xE4\xEB\xFF \xEE\xE1\xFA\xE5\xEA\xF2\xE0 Tarvex."}},
    // Set the minimum and maximum value of the Gauge object.
    {4, "TarvexSetValue",
     {"015*", "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xEC\xE8\xED\xE8\xEC\xE0\xEB\xFC\xED\xEE\xE5 "
              "\xE8 \xEC\xE0\xEA\xF1\xE8\xEC\xE0\xEB\xFC\xED\xEE\xE5 \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5 "
              "\xE4\xEB\xFF \xEE\xE1\xFA\xE5\xEA\xF2\xE0 Gauge."}},
    // Set the background colour and the colour of the parts of the rectangle
    // outside the "Tarvex" object.
    {5, "TarvexSetColor",
     {"016*", "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xF6\xE2\xE5\xF2 \xF4\xEE\xED\xE0 \xE8 "
              "\xF6\xE2\xE5\xF2 \xF7\xE0\xF1\xF2\xE5\xE9 \xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED"
              "\xE8\xEA\xE0 \xED\xE5 \xE2\xF5\xEE\xE4\xFF\xF9\xE8\xF5 \xE2 \xEE\xE1\xFA\xE5\xEA\xF2 "
              "\"Tarvex\"."}},
    // Set the progress colour of the Gauge object.
    {6, "TarvexSetProgressColor",
     {"017*", "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xF6\xE2\xE5\xF2 \xEF\xF0\xEE\xE3\xF0\xE5\xF1"
              "\xF1\xE0 \xE4\xEB\xFF \xEE\xE1\xFA\xE5\xEA\xF2\xE0 Gauge."}},
    // Set the font of the Gauge object.
    {7, "TarvexSetFont",
     {"018*", "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC \xF8\xF0\xE8\xF4\xF2 \xE4\xEB\xFF "
              "\xEE\xE1\xFA\xE5\xEA\xF2\xE0 Gauge."}},
    // Show / Hide the Gauge object.
    {8, "TarvexSetVisible",
     {"019*", "\xCF\xEE\xEA\xE0\xE7\xE0\xF2\xFC / \xD1\xEA\xF0\xFB\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2 Gauge."}},
}};

constexpr int kPixelsPerCharacter = 15;

}  // namespace

std::span<const EditorInfo> EditorTable() { return kEditors; }

const EditorInfo* FindEditor(int action) {
  if (action < 1 || action > static_cast<int>(kEditors.size())) return nullptr;
  return &kEditors[static_cast<std::size_t>(action - 1)];
}

int NameBandWidth(std::string_view name) { return kPixelsPerCharacter * static_cast<int>(name.size()); }

namespace captions {
// Choose the rectangle:
const LocalisedText kObjectName{
    "001*", "\xC2\xFB\xE1\xEE\xF0 \xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA\xE0:"};
// Progress value:
const LocalisedText kProgress{"009*", "\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5 \xEF\xF0\xEE\xE3\xF0\xE5\xF1\xF1\xE0:"};
// Min value: / Max value:
const LocalisedText kMinimum{"006*", "Min \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5:"};
const LocalisedText kMaximum{"007*", "Max \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5:"};
// Background colour:
const LocalisedText kBackColour{"004*", "\xD6\xE2\xE5\xF2 \xF4\xEE\xED\xE0:"};
// Colour of the parts of the rectangle outside the object:
const LocalisedText kOutsideColour{
    "005*", "\xD6\xE2\xE5\xF2 \xF7\xE0\xF1\xF2\xE5\xE9 \xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED"
            "\xE8\xEA\xE0 \xED\xE5 \xE2\xF5\xEE\xE4\xFF\xF9\xE8\xF5 \xE2 \xEE\xE1\xFA\xE5\xEA\xF2:"};
// Progress colour:
const LocalisedText kProgressColour{"003*", "\xD6\xE2\xE5\xF2 \xEF\xF0\xEE\xE3\xF0\xE5\xF1\xF1\xE0:"};
// Font:
const LocalisedText kFont{"008*", "\xD8\xF0\xE8\xF4\xF2:"};
const LocalisedText kShowHide{"000*", "Show \\ Hide:"};
}  // namespace captions

namespace figa_captions {
// Rectangle:
const LocalisedText kObjectName{"001*", "\xCF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA:"};
// Gauge type:
const LocalisedText kKind{"002*", "\xD2\xE8\xEF Gauge:"};
// Progress colour:
const LocalisedText kProgressColour{"003*", "\xD6\xE2\xE5\xF2 \xEF\xF0\xEE\xE3\xF0\xE5\xF1\xF1\xE0:"};
// Background colour:
const LocalisedText kBackColour{"004*", "\xD6\xE2\xE5\xF2 \xF4\xEE\xED\xE0:"};
// Underlay colour:
const LocalisedText kUnderlayColour{"005*", "\xD6\xE2\xE5\xF2 \xEF\xEE\xE4\xEB\xEE\xE6\xEA\xE8:"};
// Min. value: / Max. value:
const LocalisedText kMinimum{"006*", "Min. \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5:"};
const LocalisedText kMaximum{"007*", "Max. \xE7\xED\xE0\xF7\xE5\xED\xE8\xE5:"};
// Text font:
const LocalisedText kFont{"008*", "\xD8\xF0\xE8\xF4\xF2 \xF2\xE5\xEA\xF1\xF2\xE0:"};
// Progress value:
const LocalisedText kProgress{"009*", "\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5 \xEF\xF0\xEE\xE3\xF0\xE5\xF1\xF1\xE0:"};
// Hide text / Hide object
const LocalisedText kHideText{"010*", "\xD1\xEA\xF0\xFB\xF2\xFC \xF2\xE5\xEA\xF1\xF2"};
const LocalisedText kHideGauge{"011*", "\xD1\xEA\xF0\xFB\xF2\xFC \xEE\xE1\xFA\xE5\xEA\xF2"};
}  // namespace figa_captions

}  // namespace editors
