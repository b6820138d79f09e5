// Every form description in the source tree (<subsystem>/forms/*.tfm) reads,
// names its handlers as plain names, and asks only for pictures and glyphs
// that a resource script of the tree provides.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "toolkit/core/form_description.h"

namespace tk::form {
namespace {

namespace fs = std::filesystem;

fs::path SourceRoot() { return fs::path(__FILE__).parent_path().parent_path().parent_path().parent_path(); }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> Descriptions() {
  std::vector<fs::path> found;
  for (const char* sub : {"toolkit", "gauge", "plugin", "runtime", "decor", "editors"}) {
    fs::path dir = SourceRoot() / sub / "forms";
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.path().extension() == ".tfm") found.push_back(entry.path());
  }
  return found;
}

// The first word of every line of the subsystems' resource scripts.
std::set<std::string> ResourceNames() {
  std::set<std::string> names;
  for (const char* sub : {"toolkit", "gauge", "plugin", "runtime", "decor", "editors"}) {
    fs::path dir = SourceRoot() / sub;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() != ".rc") continue;
      std::istringstream lines(ReadFile(entry.path()));
      std::string line;
      while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string first;
        if (words >> first) names.insert(first);
      }
    }
  }
  return names;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The fragments of a description's subsystem: <subsystem>/forms/fragments/<Name>.tfm.
FragmentSource FragmentsBeside(const fs::path& description) {
  fs::path dir = description.parent_path() / "fragments";
  return [dir](std::string_view name) -> std::optional<std::string> {
    fs::path file = dir / (std::string(name) + ".tfm");
    if (!fs::is_regular_file(file)) return std::nullopt;
    return ReadFile(file);
  };
}

TEST(StoredDescriptions, EveryFragmentIsStoredUnderItsName) {
  std::set<std::string> resources = ResourceNames();
  for (const char* sub : {"toolkit", "gauge", "plugin", "runtime", "decor", "editors"}) {
    fs::path dir = SourceRoot() / sub / "forms" / "fragments";
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() != ".tfm") continue;
      EXPECT_TRUE(resources.count("FRAGMENT_" + Upper(entry.path().stem().string())))
          << entry.path() << " is stored as FRAGMENT_<NAME>";
    }
  }
}

TEST(StoredDescriptions, EveryDescriptionReadsAndFindsItsResources) {
  std::vector<fs::path> files = Descriptions();
  ASSERT_FALSE(files.empty()) << "no descriptions under " << SourceRoot();
  std::set<std::string> resources = ResourceNames();
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    ObjectNode root;
    try {
      root = ParseDescription(ReadFile(file), FragmentsBeside(file));
    } catch (const DescriptionError& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    EXPECT_TRUE(resources.count("FORM_" + Upper(root.name))) << "stored as FORM_<root name>";
    ForEachObject(root, [&](const ObjectNode& node) {
      for (const Property& p : node.properties) {
        if (p.name.rfind("On", 0) == 0) {
          EXPECT_EQ(p.value.kind, Value::Kind::Identifier) << node.name << "." << p.name;
        }
        if (p.name == "Picture.Jpeg" || p.name == "Picture.Bitmap" || p.name == "Glyph" ||
            p.name == "Icon") {
          EXPECT_TRUE(resources.count(p.value.AsString()))
              << node.name << "." << p.name << " = " << p.value.text;
        }
      }
    });
  }
}

}  // namespace
}  // namespace tk::form
