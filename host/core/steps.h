#pragma once
// The steps of an edit block: lines after an `edit` that act inside the
// plug-in's open dialog, up to `end`. Their shapes are checked with the rest
// of the script; the font dialog's choice is read here so that the check and
// the run read it alike.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/script.h"

namespace host::script {

// A step that only a dialog knows (type, click, ok, ...): an edit line
// followed by one of these opens a block of steps.
bool IsDialogOnlyStep(std::string_view word);
// Any command allowed among the steps, also those the script knows outside
// a dialog (screenshot, answer, wait, echo).
bool IsDialogStep(std::string_view word);
// The steps that end the dialog: ok, cancel, close.
bool IsEndingStep(std::string_view word);

// nullopt when the step has fitting arguments; otherwise what is wrong
// (with a usage line when there are too few or too many).
std::optional<std::string> CheckStep(const Line& line);

// The usage line of a step; empty for anything else.
std::string UsageOf(std::string_view command);

// font-dialog ok "FACE" SIZE [bold] [italic] [underline] [strikeout] [colour RRGGBB]
struct FontChoice {
  std::string face;
  std::int32_t size = 0;
  bool bold = false, italic = false, underline = false, strikeout = false;
  std::optional<std::uint32_t> colour;  // 0x00RRGGBB
};
// args: the tokens after "ok". nullopt and a message when they do not fit.
std::optional<FontChoice> ParseFontChoice(const std::vector<Token>& args, std::string& error);

// colour-dialog ok RED GREEN BLUE, each 0 to 255; args after "ok".
std::optional<std::uint32_t> ParseColourChoice(const std::vector<Token>& args, std::string& error);

}  // namespace host::script
