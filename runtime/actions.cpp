#include "runtime/actions.h"

#include "base/core/action_table.h"
#include "runtime/GaugeList.h"
#include "runtime/run_routines.h"

namespace runtime {

bool RunAction(int action, const std::vector<std::string>& given) {
  if (action < 1) return false;
  const nb::ActionInfo* info = nb::FindAction(static_cast<std::uint32_t>(action));
  if (info == nullptr) return false;
  // Slots the caller did not give read as empty text.
  const std::size_t needed = info->typeCodes.size();
  if (given.size() < needed) {
    std::vector<std::string> padded = given;
    padded.resize(needed);
    return RunAction(action, padded);
  }
  const std::vector<std::string>& params = given;
  switch (action) {
    case 1: return TarvexCreate(params);
    case 2: return TarvexDelete(params);
    case 3: return TarvexSetProgress(params);
    case 4: return TarvexSetValue(params);
    case 5: return TarvexSetColor(params);
    case 6: return TarvexSetProgressColor(params);
    case 7: return TarvexSetFont(params);
    case 8: return TarvexSetVisible(params);
    default: return false;
  }
}

}  // namespace runtime
