#include "toolkit/visual_styles.h"

#include <commctrl.h>

#include "toolkit/window.h"

namespace tk {
namespace {

// The module's manifest as an activation context, made at the first dialog
// and kept until the module goes: making it reads the manifest and looks up
// the assembly on disk, about a millisecond at every open otherwise.
class ModuleContext {
 public:
  ModuleContext() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path;
    request.hModule = ModuleInstance();
    request.lpResourceName = MAKEINTRESOURCEW(2);
    context_ = CreateActCtxW(&request);
  }
  ModuleContext(const ModuleContext&) = delete;
  ModuleContext& operator=(const ModuleContext&) = delete;
  ~ModuleContext() {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }
  HANDLE get() const { return context_; }

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

HANDLE ModuleActCtx() {
  static const ModuleContext context;
  return context.get();
}

}  // namespace

VisualStylesScope::VisualStylesScope() {
  const HANDLE context = ModuleActCtx();
  // Without the context the dialogs still work, in the classic look.
  if (context != INVALID_HANDLE_VALUE && !ActivateActCtx(context, &cookie_)) cookie_ = 0;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                   ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
}

VisualStylesScope::~VisualStylesScope() {
  if (cookie_) DeactivateActCtx(0, cookie_);
}

}  // namespace tk
