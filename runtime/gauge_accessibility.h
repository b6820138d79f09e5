#pragma once
// What assistive technology reads of a gauge window: a progress bar named
// after the host object, whose value is the percentage as the gauge writes
// it (also while its text is hidden), invisible while the gauge is hidden,
// at the gauge's place on the screen; and the events that tell a screen
// reader when the shown percentage changes and when the gauge is shown or
// hidden.

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/UnitFORM.h"
#include "toolkit/accessible.h"

namespace runtime {

class GaugeAccessibility final : tk::AccessibleSource {
 public:
  // Listens to the form's gauge; objectName lives as long as this.
  GaugeAccessibility(TImageForm& form, const std::string& objectName);
  GaugeAccessibility(const GaugeAccessibility&) = delete;
  GaugeAccessibility& operator=(const GaugeAccessibility&) = delete;
  ~GaugeAccessibility();

  // The answer to WM_GETOBJECT; empty to leave it to the default handling.
  std::optional<LRESULT> OnGetObject(WPARAM wParam, LPARAM lParam);
  // The window is going: clients that kept the object get an error from
  // now on, and no event is raised any more.
  void Disconnect();

 private:
  std::optional<std::wstring> AccessibleName() const override;
  std::optional<long> AccessibleRole() const override;
  std::optional<std::wstring> AccessibleValue() const override;
  long AccessibleState(long standard) const override;
  std::optional<RECT> AccessibleLocation() const override;

  void PercentChanged() const;
  void VisibleChanged() const;

  TImageForm& form_;
  const std::string& objectName_;
  tk::AccessibleServer server_{*this};
};

}  // namespace runtime
