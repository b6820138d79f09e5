#pragma once
// One usage line per script command, shown when a line has too few or too
// many arguments.

#include <string>

namespace host::script {

// "object NAME X Y W H"; for a command without a line of its own, one made
// from its argument pattern (n -> N, s -> TEXT, q -> TEXT|nil, h -> RRGGBB).
std::string UsageLine(const std::string& command, const std::string& signature);

}  // namespace host::script
