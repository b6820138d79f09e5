#pragma once
// The localisation file Tarvex.loc: its header, its key lines and the three
// lookups. The file is read afresh by every lookup through a reader that the
// caller supplies, so this part stays free of any platform.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nb::loc {

inline constexpr std::string_view kFileName = "Tarvex.loc";
inline constexpr std::string_view kInvalidFileMessage =
    "The Tarvex.loc file is invalidly modified.";
inline constexpr std::size_t kKeyLength = 4;
inline constexpr std::size_t kMaxTextLength = 255;

// The six lines the file must begin with.
const std::array<std::string, 6>& HeaderLines();

// The file's lines; a line ends at CR, LF or CR LF, and a final line ending
// starts no further line.
std::vector<std::string_view> SplitLines(std::string_view content);

// Whether the first six lines are the header, ignoring the case of A to Z.
// A file with fewer lines fails.
bool HeaderValid(std::string_view content);

// Whether the line's first four characters are the key, ignoring the case of
// A to Z only. A shorter line never matches.
bool LineMatchesKey(std::string_view line, std::string_view key);

// The lookups stop reading at the first Ctrl-Z.
bool KeyExistsIn(std::string_view content, std::string_view key);
// The text after the key on the first matching line, cut after 255
// characters; empty when no line matches.
std::string LookupIn(std::string_view content, std::string_view key);

// The whole content of the named file in the host's folder, or nothing when
// the file is missing or cannot be read.
using FileReader = std::function<std::optional<std::string>(std::string_view fileName)>;

bool LocKeyExists(std::string_view key, std::string_view fileName, const FileReader& read);
std::string LocLookup(std::string_view key, std::string_view fileName, const FileReader& read);
// The file's text for the key, else the built-in text. A key line with
// nothing after the key gives the empty text.
std::string LocText(std::string_view key, std::string_view builtIn, const FileReader& read);

}  // namespace nb::loc
