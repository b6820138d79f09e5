#pragma once
// Common controls 6.0 for the plug-in's own windows: the module carries a
// manifest (resource 2) and activates it while its dialogs exist, so that
// the host's own choice does not decide how the dialogs look. The context is
// made once and kept for the module's life.

#include <windows.h>

namespace tk {

class VisualStylesScope {
 public:
  VisualStylesScope();
  VisualStylesScope(const VisualStylesScope&) = delete;
  VisualStylesScope& operator=(const VisualStylesScope&) = delete;
  ~VisualStylesScope();
  bool Active() const { return cookie_ != 0; }

 private:
  ULONG_PTR cookie_ = 0;
};

}  // namespace tk
