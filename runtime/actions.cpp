#include "runtime/actions.h"

#include "runtime/GaugeList.h"
#include "runtime/run_routines.h"

namespace runtime {

namespace {
// Parameters per action; slots the caller did not give read as empty text.
constexpr std::size_t kParamCounts[] = {10, 1, 2, 3, 3, 2, 2, 2};
}  // namespace

bool RunAction(int action, const std::vector<std::string>& given) {
  if (action < 1 || action > 8) return false;
  const std::size_t needed = kParamCounts[action - 1];
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
