// Every form description in the source tree (<subsystem>/forms/*.tfm) reads,
// names its handlers as plain names, and asks only for pictures and glyphs
// that a resource script of the tree provides.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/source_descriptions.h"
#include "toolkit/core/form_description.h"

namespace tk::form {
namespace {

using tarvex::test::kFormSubsystems;
using tarvex::test::ReadSourceFile;
using tarvex::test::SourceRoot;
namespace fs = std::filesystem;

// The first word of every line of the subsystems' resource scripts.
std::set<std::string> ResourceNames() {
  std::set<std::string> names;
  for (const char* sub : kFormSubsystems) {
    fs::path dir = SourceRoot() / sub;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() != ".rc") continue;
      std::istringstream lines(ReadSourceFile(entry.path()));
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

TEST(StoredDescriptions, EveryFragmentIsStoredUnderItsName) {
  std::set<std::string> resources = ResourceNames();
  for (const char* sub : kFormSubsystems) {
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
  std::vector<fs::path> files = tarvex::test::SourceDescriptions();
  ASSERT_FALSE(files.empty()) << "no descriptions under " << SourceRoot();
  std::set<std::string> resources = ResourceNames();
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    ObjectNode root;
    try {
      root = tarvex::test::ParseSourceDescription(file);
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
