#pragma once
// The form descriptions of the source tree (<subsystem>/forms/*.tfm) read as
// the loader reads them, with their fragments from forms/fragments/ beside
// them, for the portable tests that go through all of them.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/form_description.h"

namespace tarvex::test {

namespace fs = std::filesystem;

// The subsystems that may store descriptions.
inline constexpr const char* kFormSubsystems[] = {"toolkit", "gauge", "plugin", "runtime", "decor", "editors"};

inline fs::path SourceRoot() { return fs::path(TARVEX_SOURCE_ROOT); }

inline std::string ReadSourceFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The descriptions of one subsystem, or of all when subsystem is empty.
inline std::vector<fs::path> SourceDescriptions(std::string_view subsystem = {}) {
  std::vector<fs::path> found;
  for (const char* sub : kFormSubsystems) {
    if (!subsystem.empty() && subsystem != sub) continue;
    fs::path dir = SourceRoot() / sub / "forms";
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.path().extension() == ".tfm") found.push_back(entry.path());
  }
  return found;
}

// The fragments of a description's subsystem: <subsystem>/forms/fragments/<Name>.tfm.
inline tk::form::FragmentSource FragmentsBeside(const fs::path& description) {
  fs::path dir = description.parent_path() / "fragments";
  return [dir](std::string_view name) -> std::optional<std::string> {
    fs::path file = dir / (std::string(name) + ".tfm");
    if (!fs::is_regular_file(file)) return std::nullopt;
    return ReadSourceFile(file);
  };
}

inline tk::form::ObjectNode ParseSourceDescription(const fs::path& description) {
  return tk::form::ParseDescription(ReadSourceFile(description), FragmentsBeside(description));
}

}  // namespace tarvex::test
