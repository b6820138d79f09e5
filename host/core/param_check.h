#pragma once
// The script checker's reading of single parameter texts: for each action,
// its parameters in slot order with the format each is read in, and the
// warnings for a text that the plug-in will read only in part or not at all.
// Every text is read with the plug-in's own readers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

enum class Reads { Object, Kind, Triple, Integer, Font, Flags, Visibility };

struct ParamInfo {
  const char* name;
  Reads reads;
  const char* otherwise;   // what the action does when it cannot read the text
  std::int32_t whenUnread;  // an integer parameter's default
};

// The parameters of action 1 to 8, slot 0 first.
const std::vector<ParamInfo>& ActionParams(std::uint32_t number);

// The warnings for one parameter's text.
void CheckParamText(const ParamInfo& p, const std::string& text, std::vector<std::string>& out);

// Why an integer parameter gives its default, for a text that is empty or
// no integer: "the maximum is empty", "the maximum \"zz\" is not a whole
// number".
std::string WhyDefault(const ParamInfo& p, const std::string& text);

// Text as a script writes it, in double quotes.
std::string Quoted(std::string_view text);

}  // namespace host
