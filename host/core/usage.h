#pragma once
// The usage line of a script command that has no hand-written one, shown
// when a line has too few or too many arguments.

#include <string>

namespace host::script {

// "destroy-plugin-window TEXT": the command followed by its argument pattern
// (n -> N, s -> TEXT, q -> TEXT|nil, h -> RRGGBB, * -> ..., optional in []).
std::string UsageFromSignature(const std::string& command, const std::string& signature);

}  // namespace host::script
