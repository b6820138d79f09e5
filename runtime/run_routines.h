#pragma once
// The run routines of the actions, each taking its parameter strings in slot
// order and answering the Boolean the host receives. None of them throws.

#include <string>
#include <vector>

namespace runtime {

using Params = std::vector<std::string>;

bool TarvexCreate(const Params& p);
bool TarvexDelete(const Params& p);
bool TarvexSetProgress(const Params& p);
bool TarvexSetValue(const Params& p);
bool TarvexSetColor(const Params& p);
bool TarvexSetProgressColor(const Params& p);
bool TarvexSetFont(const Params& p);
bool TarvexSetVisible(const Params& p);

}  // namespace runtime
