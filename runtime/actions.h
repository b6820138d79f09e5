#pragma once
// The run routines of the eight actions, by action number.

#include <string>
#include <vector>

namespace runtime {

// params holds the action's parameter strings in slot order (nil slots as
// empty strings). Answers the routine's result; false for unknown numbers.
bool RunAction(int action, const std::vector<std::string>& params);

// Closes every gauge window and forgets the list (host message code 2).
void CloseAllGauges();

}  // namespace runtime
