#include "host/core/usage.h"

#include <map>

namespace host::script {
namespace {

const std::map<std::string, std::string, std::less<>>& Lines() {
  static const std::map<std::string, std::string, std::less<>> lines = {
      {"expect-actions", "expect-actions COUNT"},
      {"expect-action", "expect-action NUMBER \"Name\" \"description\" \"type codes\""},
      {"expect-identity", "expect-identity \"name\" \"author\" \"description\""},
      {"set", "set NAME \"value\""},
      {"object", "object NAME X Y WIDTH HEIGHT"},
      {"move", "move NAME X Y"},
      {"resize", "resize NAME WIDTH HEIGHT"},
      {"destroy-object", "destroy-object NAME"},
      {"answer7", "answer7 OBJECT \"answer\" | answer7 OBJECT default"},
      {"answer", "answer 8|14 true|false \"text\""},
      {"exec", "exec ACTION \"parameter\" ... (ACTION: a name such as TarvexCreate, or its number)"},
      {"edit", "edit ACTION \"parameter\" ... (then dialog steps and end, or nothing)"},
      {"expect-param", "expect-param SLOT \"text\"|nil"},
      {"expect-slot", "expect-slot SLOT \"text\"|nil"},
      {"expect", "expect true|false"},
      {"expect-interface-call", "expect-interface-call COMMAND \"slot text\"|nil"},
      {"message", "message CODE"},
      {"post", "post OBJECT CODE"},
      {"expect-reply", "expect-reply NUMBER"},
      {"capture", "capture OBJECT"},
      {"expect-pixel", "expect-pixel X Y RRGGBB"},
      {"save-capture", "save-capture \"file.png\""},
      {"expect-plugin-windows", "expect-plugin-windows OBJECT COUNT"},
      {"expect-plugin-window", "expect-plugin-window OBJECT visible|hidden|enabled|disabled | "
                               "expect-plugin-window OBJECT size WIDTH HEIGHT"},
      {"expect-gauge", "expect-gauge OBJECT shown|hidden"},
      {"expect-gdi-flat", "expect-gdi-flat [TOLERANCE]"},
      {"about", "about close-with ok|frame [screenshot \"file.png\"]"},
      {"dialog", "dialog close-with ok|cancel|frame"},
      {"loc-file", "loc-file <<END (lines) END | loc-file none"},
      {"loc-file-raw", "loc-file-raw \"bytes\""},
      {"expect-messages", "expect-messages COUNT"},
      {"expect-message", "expect-message \"text\""},
      {"wait", "wait MILLISECONDS"},
      {"screenshot", "screenshot \"file.png\""},
      {"fpu", "fpu 53|64"},
      {"repeat", "repeat COUNT [as NAME] ... end"},
      {"bench", "bench \"label\" COUNT ... end"},
      {"warnings", "warnings on|off"},
  };
  return lines;
}

}  // namespace

std::string UsageLine(const std::string& command, const std::string& signature) {
  auto found = Lines().find(command);
  if (found != Lines().end()) return found->second;
  std::string line = command;
  std::size_t start = 0;
  while (start < signature.size()) {
    std::size_t end = signature.find(' ', start);
    std::string element = signature.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? signature.size() : end + 1;
    bool optional = !element.empty() && element.back() == '?';
    if (optional) element.pop_back();
    std::string shown = element == "n"   ? "N"
                        : element == "s" ? "TEXT"
                        : element == "q" ? "TEXT|nil"
                        : element == "h" ? "RRGGBB"
                        : element == "*" ? "..."
                                         : element;
    line += " " + (optional ? "[" + shown + "]" : shown);
  }
  return line;
}

}  // namespace host::script
