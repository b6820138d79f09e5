#include "runtime/GaugeList.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "toolkit/core/ascii.h"

namespace runtime {

namespace {

using GaugeWindows = std::vector<std::unique_ptr<TNeoImageForm>>;

// GaugeList itself: absent (null) until the first window opens.
std::unique_ptr<GaugeWindows> gaugeList;

// A window destroyed behind the plug-in's back leaves the list at once, so
// that no action, DeleteGauge or CloseAllGauges meets its dead handle; its
// object goes with it.
void ForgetVanished(TNeoImageForm& window) {
  if (!gaugeList) return;
  auto at = std::find_if(gaugeList->begin(), gaugeList->end(),
                         [&](const auto& entry) { return entry.get() == &window; });
  if (at == gaugeList->end()) return;
  std::unique_ptr<TNeoImageForm> gone = std::move(*at);
  gaugeList->erase(at);
}

}  // namespace

TNeoImageForm& OpenGaugeWindow(std::string_view name, HWND parent) {
  auto window = std::make_unique<TNeoImageForm>(parent);
  window->OnVanished = ForgetVanished;
  window->SetObjectName(name);
  window->FitToParent();
  window->Show();
  if (!gaugeList) gaugeList = std::make_unique<GaugeWindows>();
  gaugeList->push_back(std::move(window));
  return *gaugeList->back();
}

int FindGauge(std::string_view name) {
  if (!gaugeList) return -1;
  for (std::size_t i = 0; i < gaugeList->size(); ++i)
    if (tk::SameTextAscii((*gaugeList)[i]->ObjectName(), name)) return static_cast<int>(i);
  return -1;
}

bool DeleteGauge(std::string_view name) {
  try {
    int index = FindGauge(name);
    if (index < 0) return false;
    auto at = gaugeList->begin() + index;
    if (!(*at)->ObjectName().empty()) (*at)->Close();
    gaugeList->erase(at);
    return true;
  } catch (...) {
    return false;
  }
}

void CloseAllGauges() {
  if (!gaugeList) return;
  const std::size_t count = gaugeList->size();
  // A window that the host destroys meanwhile leaves the list: never index
  // past its end.
  for (std::size_t i = 0; i < count && i < gaugeList->size(); ++i) (*gaugeList)[i]->Close();
  gaugeList.reset();
}

TNeoImageForm& GaugeAt(int index) { return *gaugeList->at(static_cast<std::size_t>(index)); }

bool GaugeListPresent() { return gaugeList != nullptr; }
int GaugeCount() { return gaugeList ? static_cast<int>(gaugeList->size()) : 0; }

}  // namespace runtime
