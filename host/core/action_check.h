#pragma once
// The script checker: for each action call of a script, every parameter that
// the plug-in will run but partly ignore, read with the plug-in's own
// parameter readers so that the checker and the run time cannot disagree.
// It follows the script's objects, gauges and variables line by line and
// runs nothing.

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

 private:
  static std::string FoldName(const std::string& name);
  std::vector<std::string> Exec(const script::Line& line, const Lookup& lookup);

  std::set<std::string> objects_;               // folded names of the host's objects
  std::set<std::string> answered_;              // objects with a scripted command-7 answer
  std::map<std::string, int> gauges_;           // folded name -> line of its TarvexCreate
  std::map<std::string, int> deleted_;          // folded name -> line that removed it
  std::map<std::string, std::optional<std::string>> variables_;  // set lines
};

// Every warning of a whole script, as FILE:LINE: warning: message lines.
std::vector<std::string> CheckScriptActions(const script::Script& script, const std::string& fileName);

}  // namespace host
