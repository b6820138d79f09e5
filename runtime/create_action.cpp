// TarvexCreate: removes any gauge of the object's name, asks the host for
// the object's window, opens a gauge window inside it and configures the
// gauge from the ten parameters, in a fixed order.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/HostAccess.h"
#include "base/window_number.h"
#include "base/core/encodings.h"
#include "base/core/words.h"
#include "runtime/GaugeList.h"
#include "runtime/core/number_params.h"
#include "runtime/gauge_settings.h"
#include "runtime/run_routines.h"
#include "toolkit/core/gauge_kind.h"

namespace runtime {

namespace {

// The window handle of the named object as the host tells it through
// command 7, or nothing when the host cannot be asked or its answer is not
// integer text.
std::optional<std::int32_t> AskObjectWindow(const std::string& name) {
  std::optional<nb::HostAnswer> answer = nb::AskHost(nb::HostCommand::ObjectWindow, name);
  if (!answer) return std::nullopt;
  return nb::ParseIntegerText(answer->text);
}

// False when the range pair is crossed: the configuration stops there.
bool Configure(gauges::TGauge& gauge, const Params& p) {
  if (auto kind = tk::GaugeKindFromWord(p.at(1))) gauge.SetKind(*kind);
  ApplyColourTriple(gauge, &gauges::TGauge::SetForeColor, p.at(2), tk::clBlack);
  ApplyColourTriple(gauge, &gauges::TGauge::SetBackColor, p.at(3), tk::clWhite);
  ApplyColourTriple(gauge, &gauges::TGauge::SetColor, p.at(4), tk::clWhite);
  const RangeParams range = ReadCreateRange(p.at(5), p.at(6));
  if (!ApplyRange(gauge, range.minimum.value, range.maximum.value)) return false;
  ApplyFontText(gauge, p.at(7));
  gauge.SetProgress(ReadCreateProgress(p.at(8)).value);
  nb::FlagPairReading flags = nb::ReadFlagPair(p.at(9));
  if (flags.showText) gauge.SetShowText(*flags.showText);
  if (flags.visible) gauge.SetVisible(*flags.visible);
  return true;
}

}  // namespace

bool TarvexCreate(const Params& p) {
  try {
    const std::string& name = p.at(0);
    DeleteGauge(name);
    std::optional<std::int32_t> handle = AskObjectWindow(name);
    if (!handle) return false;
    if (*handle == 0) return true;
    // A number that names no window opens nothing.
    if (!IsWindow(nb::WindowFromNumber(*handle))) return false;
    OpenGaugeWindow(name, nb::WindowFromNumber(*handle));
    int index = FindGauge(name);
    if (index < 0 || GaugeAt(index).ObjectName().empty()) return true;
    return Configure(*GaugeAt(index).Gauge(), p);
  } catch (...) {
    return false;
  }
}

}  // namespace runtime
