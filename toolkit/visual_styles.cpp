#include "toolkit/visual_styles.h"

#include <commctrl.h>

#include "toolkit/window.h"

namespace tk {

VisualStylesScope::VisualStylesScope() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path;
  request.hModule = ModuleInstance();
  request.lpResourceName = MAKEINTRESOURCEW(2);
  context_ = CreateActCtxW(&request);
  // Without the context the dialogs still work, in the classic look.
  if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) cookie_ = 0;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                   ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
}

VisualStylesScope::~VisualStylesScope() {
  if (cookie_) DeactivateActCtx(0, cookie_);
  if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
}

}  // namespace tk
