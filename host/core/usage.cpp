#include "host/core/usage.h"

namespace host::script {

std::string UsageFromSignature(const std::string& command, const std::string& signature) {
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
