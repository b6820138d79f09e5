#include "host/core/action_check.h"

#include "host/core/param_check.h"
#include "host/core/syntax.h"
#include "host/core/text.h"
#include "base/core/action_table.h"
#include "base/core/encodings.h"
#include "base/core/words.h"
#include "gauge/core/arithmetic.h"
#include "runtime/core/number_params.h"
#include "toolkit/core/ascii.h"

namespace host {

// One exec line: its action and its parameters after substitution.
struct ActionChecker::Call {
  const nb::ActionInfo& action;
  int line;
  std::vector<std::string> params;
  std::vector<bool> known;  // false: the text still holds a [variable]
  const std::string& At(std::size_t slot) const { return params[slot]; }
  bool Known(std::size_t slot) const { return known[slot]; }
};

namespace {

bool HasVariable(const std::string& text) {
  std::size_t open = text.find('[');
  return open != std::string::npos && text.find(']', open) != std::string::npos;
}

std::string Ordinal(std::size_t n) {
  static const char* words[] = {"first", "second", "third", "fourth", "fifth",
                                "sixth", "seventh", "eighth", "ninth", "tenth"};
  return n >= 1 && n <= 10 ? words[n - 1] : "#" + std::to_string(n);
}

std::string JoinNames(const std::vector<ParamInfo>& params) {
  std::string out;
  for (std::size_t i = 0; i < params.size(); ++i) out += (i ? ", " : "") + std::string(params[i].name);
  return out;
}

const nb::ActionInfo* FindAction(const std::string& word) {
  if (std::optional<std::int32_t> number = script::ParseInteger(word)) {
    return *number > 0 ? nb::FindAction(static_cast<std::uint32_t>(*number)) : nullptr;
  }
  for (const nb::ActionInfo& action : nb::ActionTable())
    if (tk::SameTextAscii(action.name, word)) return &action;
  return nullptr;
}

// The range slots of TarvexCreate and TarvexSetValue.
std::size_t RangeSlot(std::uint32_t action) { return action == 1 ? 5 : 1; }

// The range as the action reads it, when both texts are known.
std::optional<runtime::RangeParams> ReadRange(const std::vector<std::string>& params,
                                              const std::vector<bool>& known, std::uint32_t action) {
  if (action != 1 && action != 4) return std::nullopt;
  std::size_t lo = RangeSlot(action);
  if (!known[lo] || !known[lo + 1]) return std::nullopt;
  return action == 1 ? runtime::ReadCreateRange(params[lo], params[lo + 1])
                     : runtime::ReadSetValueRange(params[lo], params[lo + 1]);
}

// "the minimum 5 is above the maximum 0 (the maximum is empty, which gives
// 0, not 100 as in TarvexCreate): a crossed range, so the action answers
// False", naming where a default made the range cross.
std::string Crossing(const std::vector<ParamInfo>& info, const std::vector<std::string>& params,
                     std::uint32_t action, const runtime::RangeParams& range) {
  std::size_t lo = RangeSlot(action);
  std::vector<std::string> why;
  if (!range.minimum.read) {
    why.push_back(WhyDefault(info[lo], params[lo]) + ", which gives " + std::to_string(range.minimum.value));
  }
  if (!range.maximum.read) {
    std::string said = WhyDefault(info[lo + 1], params[lo + 1]) + ", which gives " +
                       std::to_string(range.maximum.value);
    if (action == 4) said += ", not " + std::to_string(runtime::kCreateMaximumDefault) + " as in TarvexCreate";
    why.push_back(said);
  }
  std::string out = "the minimum " + std::to_string(range.minimum.value) + " is above the maximum " +
                    std::to_string(range.maximum.value);
  for (std::size_t i = 0; i < why.size(); ++i) out += (i ? "; " : " (") + why[i];
  if (!why.empty()) out += ")";
  out += ": a crossed range, so the action answers False";
  return out + (action == 1 ? " (the kind and colours are set; the range, font, progress and flags are not)"
                            : " and changes nothing");
}

// Where a progress lands in a known range, and what the checker says of it.
std::string OutsideRange(std::int32_t progress, std::int32_t minimum, std::int32_t maximum) {
  if (progress < minimum) {
    return "the progress " + std::to_string(progress) + " lies below the minimum " + std::to_string(minimum);
  }
  if (progress > maximum) {
    return "the progress " + std::to_string(progress) + " lies above the maximum " + std::to_string(maximum);
  }
  return {};
}

}  // namespace

std::string ActionChecker::FoldName(const std::string& name) { return text::FoldAscii(name); }

void ActionChecker::Forget(const std::string& object, int line) {
  if (gauges_.erase(object)) deleted_[object] = line;
}

std::vector<std::string> ActionChecker::Feed(const script::Line& line, const Lookup& lookup) {
  const std::string& command = line.Command();
  auto arg = [&](std::size_t i) { return i < line.tokens.size() ? line.tokens[i].text : std::string(); };
  if (command == "object") {
    objects_.insert(FoldName(arg(1)));
  } else if (command == "destroy-object") {
    objects_.erase(FoldName(arg(1)));
    Forget(FoldName(arg(1)), line.number);
  } else if (command == "destroy-plugin-window") {
    Forget(FoldName(arg(1)), line.number);
  } else if (command == "answer7") {
    if (line.tokens.size() > 2 && line.tokens[2].IsWord("default")) {
      answers_.erase(FoldName(arg(1)));
    } else {
      answers_[FoldName(arg(1))] = arg(2);
    }
  } else if (command == "unregister-interface") {
    noInterface_ = line.number;
  } else if (command == "register-interface" || command == "load") {
    // load makes the start-up calls again, the interface's among them.
    noInterface_.reset();
  } else if (command == "set") {
    variables_[FoldName(arg(1))] = arg(2);
  } else if ((command == "message" && arg(1) == "2") || command == "unload") {
    // Code 2 closes every gauge, and so does unloading the plug-in.
    for (const auto& [name, gauge] : gauges_) deleted_[name] = line.number;
    gauges_.clear();
  } else if (command == "exec") {
    return Exec(line, lookup);
  }
  return {};
}

namespace {

// Feeds the lines of a script or block to the checker in order, blocks
// after their opening line, and hands each line's warnings to sink. Loops
// widen what is known first unless widen is off (the trial run of a loop:
// one widening per level keeps nested loops linear).
template <typename Sink>
void Walk(ActionChecker& checker, const std::vector<script::Line>& lines, bool widen, const Sink& sink) {
  for (const script::Line& line : lines) {
    sink(line, checker.Feed(line));
    if (line.Command() == "repeat" && line.tokens.size() > 3) checker.Unknown(line.tokens[3].text);
    if (widen && (line.Command() == "repeat" || line.Command() == "bench")) checker.EnterLoop(line.block);
    Walk(checker, line.block, widen, sink);
  }
}

}  // namespace

void ActionChecker::EnterLoop(const std::vector<script::Line>& block) {
  ActionChecker once = *this;
  Walk(once, block, false, [](const script::Line&, const std::vector<std::string>&) {});
  for (auto& [name, gauge] : gauges_) {
    auto after = once.gauges_.find(name);
    if (after == once.gauges_.end()) continue;
    if (gauge.range != after->second.range) gauge.range.reset();
    if (gauge.progress != after->second.progress) gauge.progress.reset();
    if (gauge.visible != after->second.visible) gauge.visible.reset();
  }
  for (auto& [name, value] : variables_) {
    auto after = once.variables_.find(name);
    if (after != once.variables_.end() && after->second != value) value.reset();
  }
}

std::vector<std::string> ActionChecker::Exec(const script::Line& line, const Lookup& lookup) {
  std::vector<std::string> out;
  const nb::ActionInfo* action = FindAction(line.tokens.at(1).text);
  if (!action) {
    // The plug-in answers a number it has no action for with False.
    const bool number = script::ParseInteger(line.tokens.at(1).text).has_value();
    out.push_back("no Tarvex action is named " + Quoted(line.tokens.at(1).text) +
                  "; the actions are TarvexCreate, TarvexDelete, TarvexSetProgress, TarvexSetValue, "
                  "TarvexSetColor, TarvexSetProgressColor, TarvexSetFont, TarvexSetVisible" +
                  (number ? ": the action answers False" : ""));
    return out;
  }
  const std::vector<ParamInfo>& info = ActionParams(action->number);
  std::string name(action->name);

  Lookup own = [this](const std::string& variable) -> std::optional<std::string> {
    auto found = variables_.find(FoldName(variable));
    return found == variables_.end() ? std::nullopt : found->second;
  };
  const Lookup& find = lookup ? lookup : own;
  Call call{*action, line.number, {}, {}};
  for (std::size_t i = 2; i < line.tokens.size(); ++i) {
    std::string value = line.tokens[i].IsNil() ? std::string() : script::Substitute(line.tokens[i].text, find);
    call.known.push_back(!HasVariable(value));
    call.params.push_back(std::move(value));
  }

  std::size_t count = info.size();
  if (call.params.size() != count) {
    std::string said = name + " takes " + std::to_string(count) + (count == 1 ? " parameter (" : " parameters (") +
                       JoinNames(info) + "), this line gives " + std::to_string(call.params.size());
    if (call.params.size() > count) {
      out.push_back(said + ": from the " + Ordinal(count + 1) + " on they are ignored");
    } else {
      out.push_back(said + ": the missing ones count as empty text");
    }
  }
  call.params.resize(count);
  call.known.resize(count, true);

  // A crossed range says once why each of its numbers is what it is.
  std::optional<runtime::RangeParams> range = ReadRange(call.params, call.known, action->number);
  const bool crossed = range && range->Crossed();
  std::vector<std::string> found;
  for (std::size_t i = 0; i < count; ++i) {
    if (!call.known[i]) continue;
    if (crossed && (i == RangeSlot(action->number) || i == RangeSlot(action->number) + 1)) continue;
    CheckParamText(info[i], call.params[i], found);
  }
  if (crossed && (action->number == 4 || !call.known[0])) {
    found.push_back(Crossing(info, call.params, action->number, *range));
  }
  std::vector<std::string> effects;
  if (call.known[0]) {
    std::string object = FoldName(call.At(0));
    if (call.At(0).empty()) {
      effects.push_back(action->number == 1
                            ? "the object name is empty: the host has no such object, so the action answers True but "
                              "shows nothing"
                            : "the object name is empty: no gauge has it, so the action answers False");
    } else if (action->number == 1) {
      Create(call, effects);
    } else if (auto gauge = gauges_.find(object); gauge == gauges_.end()) {
      auto gone = deleted_.find(object);
      effects.push_back("no gauge named " + Quoted(call.At(0)) +
                        (gone != deleted_.end() ? " is left (it was removed on line " + std::to_string(gone->second) + ")"
                                                : " was created before this line (TarvexCreate)") +
                        ": the action answers False");
    } else if (action->number == 2) {
      Forget(object, line.number);
    } else {
      Change(call, gauge->second, effects);
    }
  }
  for (std::string& f : found) out.push_back(name + ": " + f);
  for (std::string& f : effects) out.push_back(name + ": " + f);
  return out;
}

// TarvexCreate: any gauge of the name goes first; then the host's answer
// for the object's window decides whether a gauge opens, and the
// parameters what it starts with.
void ActionChecker::Create(const Call& call, std::vector<std::string>& out) {
  const std::string object = FoldName(call.At(0));
  Forget(object, call.line);
  if (noInterface_) {
    out.push_back("the plug-in has not been given the host's interface (unregister-interface on line " +
                  std::to_string(*noInterface_) + "), so it cannot ask for the object's window: the action answers "
                  "False");
    return;
  }
  if (auto scripted = answers_.find(object); scripted != answers_.end()) {
    std::optional<std::int32_t> handle = nb::ParseIntegerText(scripted->second);
    if (!handle) {
      out.push_back("the host's answer for the object's window, " + Quoted(scripted->second) +
                    " (answer7), is no number: the action answers False");
      return;
    }
    if (*handle == 0) {
      out.push_back("the host answers 0 for the object's window (answer7): the action answers True but shows "
                    "nothing");
    } else {
      // A script cannot know the handle of a window.
      out.push_back("the host's answer for the object's window, " + Quoted(scripted->second) +
                    " (answer7), is a number that names no window: the action answers False");
    }
    return;
  } else if (!objects_.count(object)) {
    out.push_back("the host has no object named " + Quoted(call.At(0)) +
                  " (no object line made one): the action answers True but shows nothing");
    return;
  }

  Gauge gauge{call.line, {}, {}, {}};
  std::optional<runtime::RangeParams> range = ReadRange(call.params, call.known, 1);
  if (range && range->Crossed()) {
    out.push_back(Crossing(ActionParams(1), call.params, 1, *range));
  } else {
    if (range) gauge.range = Range{range->minimum.value, range->maximum.value};
    if (gauge.range && call.Known(8)) {
      const std::int32_t given = runtime::ReadCreateProgress(call.At(8)).value;
      const std::int32_t kept = gauges::core::KeepInRange(given, gauge.range->minimum, gauge.range->maximum);
      if (kept != given) {
        out.push_back(OutsideRange(given, gauge.range->minimum, gauge.range->maximum) +
                      ": it is kept inside the range, so " + std::to_string(kept) + " is used");
      }
      gauge.progress = kept;
    }
    // A new gauge is shown until its flags hide it.
    if (gauge.range && call.Known(9)) gauge.visible = nb::ReadFlagPair(call.At(9)).visible.value_or(true);
  }
  gauges_[object] = gauge;
  deleted_.erase(object);
}

// Actions 3 to 8 on a gauge the checker follows.
void ActionChecker::Change(const Call& call, Gauge& gauge, std::vector<std::string>& out) {
  switch (call.action.number) {
    case 3: {
      if (!call.Known(1) || !gauge.range) {
        gauge.progress.reset();
        return;
      }
      const std::int32_t given = runtime::ReadSetProgress(call.At(1)).value;
      const std::int32_t kept = gauges::core::KeepInRange(given, gauge.range->minimum, gauge.range->maximum);
      std::string outside = OutsideRange(given, gauge.range->minimum, gauge.range->maximum);
      if (gauge.progress == kept) {
        out.push_back((outside.empty() ? "the progress is already " + std::to_string(kept)
                                       : outside + ", so it is kept at " + std::to_string(kept) + ", where it already is") +
                      ": the action changes nothing");
      } else if (!outside.empty()) {
        out.push_back(outside + ": it is kept inside the range, so " + std::to_string(kept) + " is used");
      }
      gauge.progress = kept;
      return;
    }
    case 4: {
      std::optional<runtime::RangeParams> range = ReadRange(call.params, call.known, 4);
      if (!range) {
        gauge.range.reset();
        gauge.progress.reset();
        return;
      }
      if (range->Crossed()) return;  // said with the parameters
      const Range wanted{range->minimum.value, range->maximum.value};
      if (gauge.range == wanted) {
        // The progress already lies inside the range it keeps.
        out.push_back("the range is already " + std::to_string(wanted.minimum) + " to " +
                      std::to_string(wanted.maximum) + ": the action changes nothing");
      }
      gauge.range = wanted;
      if (gauge.progress) gauge.progress = gauges::core::KeepInRange(*gauge.progress, wanted.minimum, wanted.maximum);
      return;
    }
    case 7:
      if (call.Known(1) && call.At(1).empty()) out.push_back("the font is empty: the action changes nothing");
      return;
    case 8: {
      std::optional<bool> shown = call.Known(1) ? nb::ParseVisibilityWord(call.At(1)) : std::nullopt;
      if (!call.Known(1)) gauge.visible.reset();
      if (!shown) return;
      if (gauge.visible == shown) {
        out.push_back(std::string("the gauge is already ") + (*shown ? "shown" : "hidden") +
                      ": the action changes nothing");
      }
      gauge.visible = shown;
      return;
    }
    default: return;
  }
}

std::vector<std::string> CheckScriptActions(const script::Script& script, const std::string& fileName) {
  ActionChecker checker;
  std::vector<std::string> out;
  Walk(checker, script.lines, true, [&](const script::Line& line, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
      out.push_back(fileName + ":" + std::to_string(line.number) + ": warning: " + warning);
    }
  });
  return out;
}

}  // namespace host
