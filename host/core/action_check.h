#pragma once
// The script checker: for each action call of a script, every parameter that
// the plug-in will run but partly ignore, and every call that will answer
// False or change nothing, worked out with the plug-in's own parameter
// readers and defaults so that the checker and the run time cannot disagree.
// It follows the script's objects, gauges (their range, progress and
// visibility) and variables line by line and runs nothing.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/core/script.h"

namespace host {

class ActionChecker {
 public:
  using Lookup = std::function<std::optional<std::string>(const std::string&)>;

  // The warnings for one script line, and what the line changes (objects,
  // gauges, variables). lookup: the host's variables for [Name]; without one
  // the checker uses the values of the script's own set lines. A parameter
  // that still holds a [Name] after substitution is not judged.
  std::vector<std::string> Feed(const script::Line& line, const Lookup& lookup = {});

  // A repeat ... as NAME block: NAME has no single value while it runs.
  void Unknown(const std::string& name) { variables_[FoldName(name)] = std::nullopt; }

  // Before the lines of a block that may run more than once (repeat,
  // bench): what is known at its start stays known only where one run of
  // the block leaves it as it was, since a second run starts from there.
  void EnterLoop(const std::vector<script::Line>& block);

 private:
  struct Range {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool operator==(const Range&) const = default;
  };
  // What the checker knows of one gauge; an empty value is not known.
  struct Gauge {
    int line = 0;  // of its TarvexCreate
    std::optional<Range> range;
    std::optional<std::int32_t> progress;
    std::optional<bool> visible;
  };
  struct Call;

  static std::string FoldName(const std::string& name);
  std::vector<std::string> Exec(const script::Line& line, const Lookup& lookup);
  void Create(const Call& call, std::vector<std::string>& out);
  void Change(const Call& call, Gauge& gauge, std::vector<std::string>& out);
  void Forget(const std::string& object, int line);

  std::set<std::string> objects_;                // folded names of the host's objects
  std::map<std::string, std::string> answers_;   // folded name -> scripted command-7 answer
  std::optional<int> noInterface_;               // the unregister-interface line in force
  std::map<std::string, Gauge> gauges_;          // folded name -> what is known of its gauge
  std::map<std::string, int> deleted_;           // folded name -> line that removed it
  std::map<std::string, std::optional<std::string>> variables_;  // set lines
};

// Every warning of a whole script, as FILE:LINE: warning: message lines.
std::vector<std::string> CheckScriptActions(const script::Script& script, const std::string& fileName);

}  // namespace host
