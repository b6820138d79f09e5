#pragma once
// TNeoImageForm: a gauge window inside a host object, known by the object's
// name, answering the host's plug-in window message.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "runtime/UnitFORM.h"
#include "runtime/gauge_accessibility.h"

namespace runtime {

// The host's request message to plug-in windows; the code is in LParam.
constexpr UINT WM_NEOBOOK_PLUGIN = WM_USER + 250;
enum HostRequest : LPARAM {
  hrResize = 4,
  hrPaint = 5,
  hrQuery = 6,
  hrDisable = 7,
  hrEnable = 8,
};

class TNeoImageForm : public TImageForm {
 public:
  // A hidden gauge window inside parentWindow (the host object's window).
  explicit TNeoImageForm(HWND parentWindow) : TImageForm(parentWindow) {}
  // The plug-in's own destruction is no vanishing.
  ~TNeoImageForm() override { OnVanished = nullptr; }

  // The host object's name, as the actions give it.
  const std::string& ObjectName() const { return objectName_; }
  void SetObjectName(std::string_view name) { objectName_ = name; }

  // Called when the window was destroyed by someone else (the host destroyed
  // it or the object's window that holds it), after the last message. The
  // callee may delete the form; nothing of it is touched afterwards.
  std::function<void(TNeoImageForm&)> OnVanished;

  // Places the window at (0, 0) over the parent's whole client area, on top
  // of its siblings, and shows it.
  void FitToParent();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void HandleDestroyed() override;

 private:
  LRESULT OnHostRequest(WPARAM wParam, LPARAM lParam);
  void PaintInto(HDC dc);

  std::string objectName_;
  // A member: it disconnects before the base class destroys the window.
  GaugeAccessibility accessibility_{*this, objectName_};
};

}  // namespace runtime
