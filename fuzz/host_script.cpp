// The simulator's script reader and its --check on any bytes, as an author
// may type them: no crash, and every line of the parsed script, every error
// and every warning names a line that the file has.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/action_check.h"
#include "host/core/script.h"
#include "host/core/syntax.h"

namespace {

// Lines as an editor counts them: a final line end starts no further line; a
// UTF-8 byte-order mark is no line.
int LineCount(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const auto ends = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

void CheckLine(int line, int lines) {
  if (line < 1 || line > lines) std::abort();
}

void CheckLines(const std::vector<host::script::Line>& block, int lines) {
  for (const host::script::Line& line : block) {
    CheckLine(line.number, lines);
    if (line.tokens.empty()) std::abort();  // Command() reads the first token
    CheckLines(line.block, lines);
  }
}

// "FILE:LINE: warning: ..."
int WarningLine(const std::string& warning, std::string_view file) {
  if (warning.compare(0, file.size() + 1, std::string(file) + ":") != 0) std::abort();
  std::size_t pos = file.size() + 1;
  int line = 0;
  for (; pos < warning.size() && warning[pos] >= '0' && warning[pos] <= '9'; ++pos) {
    line = line * 10 + (warning[pos] - '0');
    if (line > 1000000) std::abort();
  }
  if (warning.compare(pos, 11, ": warning: ") != 0) std::abort();
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int lines = LineCount(text);
  const host::script::Script script = host::script::Parse(text);
  CheckLines(script.lines, lines);
  const std::vector<host::script::Error> errors = host::script::CheckScript(script);
  for (const host::script::Error& error : errors) {
    CheckLine(error.line, lines);
    if (error.message.empty()) std::abort();
  }
  // --check judges the action calls only of a script without errors.
  if (!errors.empty()) return 0;
  const std::string file = "fuzz.tvs";
  for (const std::string& warning : host::CheckScriptActions(script, file)) {
    CheckLine(WarningLine(warning, file), lines);
  }
  return 0;
}
