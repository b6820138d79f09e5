#pragma once
// What the editor dialogs show besides the slots: each action's name and
// description, and the built-in captions of their fields with the keys that
// the localisation file may replace them by. Built-in texts are
// Windows-1251 bytes.

#include <span>
#include <string_view>

namespace editors {

struct LocalisedText {
  std::string_view key;      // "001*"
  std::string_view builtIn;  // Windows-1251
};

struct EditorInfo {
  int action;             // 1..8
  std::string_view name;  // window caption and LabelCommand
  LocalisedText info;     // LabelInfo
};

// The eight editors in the order of their action numbers.
std::span<const EditorInfo> EditorTable();
// The editor of an action number; null outside 1..8.
const EditorInfo* FindEditor(int action);

// GradientLabel, the band behind the action name: 15 pixels per character.
int NameBandWidth(std::string_view name);

// Built-in field captions of the editors of actions 2 to 8.
namespace captions {
extern const LocalisedText kObjectName;     // LEdit1, actions 2 to 8
extern const LocalisedText kProgress;       // action 3
extern const LocalisedText kMinimum;        // action 4
extern const LocalisedText kMaximum;        // action 4
extern const LocalisedText kBackColour;     // action 5, first colour
extern const LocalisedText kOutsideColour;  // action 5, second colour
extern const LocalisedText kProgressColour; // action 6
extern const LocalisedText kFont;           // action 7
extern const LocalisedText kShowHide;       // action 8
}  // namespace captions

// Built-in field captions of the Create editor (TFormFiga).
namespace figa_captions {
extern const LocalisedText kObjectName;
extern const LocalisedText kKind;
extern const LocalisedText kProgressColour;
extern const LocalisedText kBackColour;
extern const LocalisedText kUnderlayColour;
extern const LocalisedText kMinimum;
extern const LocalisedText kMaximum;
extern const LocalisedText kFont;
extern const LocalisedText kProgress;
extern const LocalisedText kHideText;
extern const LocalisedText kHideGauge;
}  // namespace figa_captions

}  // namespace editors
