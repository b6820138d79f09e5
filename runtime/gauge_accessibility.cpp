#include "runtime/gauge_accessibility.h"

#include "gauge/core/geometry.h"
#include "toolkit/text.h"

namespace runtime {

GaugeAccessibility::GaugeAccessibility(TImageForm& form, const std::string& objectName)
    : form_(form), objectName_(objectName) {
  if (gauges::TGauge* gauge = form_.Gauge()) {
    gauge->OnPercentChange = [this] { PercentChanged(); };
    gauge->OnVisibleChange = [this] { VisibleChanged(); };
  }
}

GaugeAccessibility::~GaugeAccessibility() { Disconnect(); }

std::optional<LRESULT> GaugeAccessibility::OnGetObject(WPARAM wParam, LPARAM lParam) {
  return server_.OnGetObject(form_.Handle(), wParam, lParam);
}

void GaugeAccessibility::Disconnect() {
  server_.Disconnect();
  if (gauges::TGauge* gauge = form_.Gauge()) {
    gauge->OnPercentChange = nullptr;
    gauge->OnVisibleChange = nullptr;
  }
}

std::optional<std::wstring> GaugeAccessibility::AccessibleName() const {
  return tk::Widen(objectName_);  // the host's text, in the system's code page
}

std::optional<long> GaugeAccessibility::AccessibleRole() const { return ROLE_SYSTEM_PROGRESSBAR; }

std::optional<std::wstring> GaugeAccessibility::AccessibleValue() const {
  const gauges::TGauge* gauge = form_.Gauge();
  if (!gauge) return std::nullopt;
  return tk::Widen(gauges::core::PercentText(gauge->Percent()));
}

long GaugeAccessibility::AccessibleState(long standard) const {
  long state = standard | STATE_SYSTEM_READONLY;
  const gauges::TGauge* gauge = form_.Gauge();
  if (gauge && !gauge->Visible()) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

std::optional<RECT> GaugeAccessibility::AccessibleLocation() const {
  const gauges::TGauge* gauge = form_.Gauge();
  if (!gauge || !form_.HandleAllocated()) return std::nullopt;
  RECT bounds = gauge->BoundsRect();
  MapWindowPoints(form_.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

void GaugeAccessibility::PercentChanged() const {
  tk::NotifyClientEvent(EVENT_OBJECT_VALUECHANGE, form_.Handle());
}

void GaugeAccessibility::VisibleChanged() const {
  const gauges::TGauge* gauge = form_.Gauge();
  tk::NotifyClientEvent(gauge && gauge->Visible() ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, form_.Handle());
}

}  // namespace runtime
