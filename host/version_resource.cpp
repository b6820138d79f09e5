#include "host/version_resource.h"

#include <cstdio>
#include <vector>

namespace host {
namespace {

std::string Numbers(DWORD high, DWORD low) {
  char text[32];
  unsigned a = HIWORD(high), b = LOWORD(high), c = HIWORD(low), d = LOWORD(low);
  if (d != 0) {
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a, b, c, d);
  } else {
    std::snprintf(text, sizeof text, "%u.%u.%u", a, b, c);
  }
  return text;
}

std::string Text(std::vector<char>& block, const char* translation, const char* name) {
  std::string path = std::string("\\StringFileInfo\\") + translation + "\\" + name;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr || length == 0) {
    return {};
  }
  return std::string(value);
}

}  // namespace

std::optional<VersionResource> ReadVersionResource(HMODULE module) {
  char path[MAX_PATH] = {};
  DWORD pathLength = GetModuleFileNameA(module, path, MAX_PATH);
  if (pathLength == 0 || pathLength >= MAX_PATH) return std::nullopt;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path, 0, size, block.data())) return std::nullopt;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != VS_FFI_SIGNATURE) {
    return std::nullopt;
  }
  VersionResource result;
  result.fileVersion = Numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
  result.productVersion = Numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS);

  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                     &length) &&
      translations != nullptr && length >= sizeof(Translation)) {
    char key[9];
    std::snprintf(key, sizeof key, "%04x%04x", translations[0].language, translations[0].codePage);
    result.fileVersionText = Text(block, key, "FileVersion");
    result.productVersionText = Text(block, key, "ProductVersion");
  }
  return result;
}

}  // namespace host
