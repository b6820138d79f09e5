// An edit with dialog steps: nbEditAction runs while the steps act inside
// the dialog it opens.
#include "host/commands.h"
#include "host/dialog_steps.h"

namespace host {

void EditWithSteps(CommandContext& c, const script::Line& line, std::int32_t action,
                   std::vector<std::optional<std::string>> params) {
  DialogSteps steps(c.session, c.out, line);
  c.session.Edit(action, std::move(params), true);
  steps.Finish();
}

}  // namespace host
