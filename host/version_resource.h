#pragma once
// A module's version resource as the system's version API reads it.

#include <windows.h>

#include <optional>
#include <string>

namespace host {

struct VersionResource {
  std::string fileVersion;     // the fixed numbers, "a.b.c" (".d" too when d is not 0)
  std::string productVersion;  // the same for the product
  std::string fileVersionText;     // StringFileInfo "FileVersion" of the first translation
  std::string productVersionText;  // StringFileInfo "ProductVersion"
};

// Read from the module's file with GetFileVersionInfo and VerQueryValue;
// nothing when the file has no version resource.
std::optional<VersionResource> ReadVersionResource(HMODULE module);

}  // namespace host
