#pragma once
// Script commands: each is a handler that reads its already checked line and
// acts on the session, reporting failures through the context.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/core/script.h"
#include "host/modal_driver.h"
#include "host/session.h"

namespace host {

struct CommandContext {
  Session& session;
  Reporter& out;
};

using CommandHandler = void (*)(CommandContext&, const script::Line&);
using CommandTable = std::map<std::string, CommandHandler, std::less<>>;

void AddPluginCommands(CommandTable& table);   // calls and checks of the exports
void AddWindowCommands(CommandTable& table);   // objects, plug-in windows, pictures, resources
void AddGeneralCommands(CommandTable& table);  // files, message boxes, time, output
void AddPixelCommands(CommandTable& table);    // counts of a capture's pixels in a box

// An edit whose block holds dialog steps (commands_editor.cpp).
void EditWithSteps(CommandContext& c, const script::Line& line, std::int32_t action,
                   std::vector<std::optional<std::string>> params);

// Argument helpers; the syntax check has already vouched for the shapes.
std::int32_t IntArg(const script::Line& line, std::size_t index);
const std::string& TextArg(const script::Line& line, std::size_t index);
std::optional<std::string> TextOrNilArg(const script::Line& line, std::size_t index);
CloseWith CloseWithArg(const script::Line& line, std::size_t index);

// Bytes for a message: quoted, with \xNN for control and non-ASCII bytes.
std::string Shown(const std::string& bytes);
std::string Shown(const std::optional<std::string>& bytes);

}  // namespace host
