#include "base/Localisation.h"

#include <windows.h>

#include <vector>

#include "base/core/loc_rules.h"
#include "toolkit/handles.h"

namespace nb {
namespace {

std::optional<std::string> ReadFromHostFolder(std::string_view fileName) {
  return ReadWholeFile(HostFolder() + std::string(fileName));
}

}  // namespace

std::string HostFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      std::string folder(path.data(), length);
      return folder.substr(0, folder.find_last_of("\\/:") + 1);
    }
    path.resize(path.size() * 2);
  }
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  const tk::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) return content;
    content.append(buffer, read);
  }
}

std::string LocText(std::string_view key, std::string_view builtIn) {
  return loc::LocText(key, builtIn, ReadFromHostFolder);
}

void CheckLocHeader() {
  const auto content = ReadFromHostFolder(loc::kFileName);
  if (!content || loc::HeaderValid(*content)) return;
  const HWND owner = GetActiveWindow();
  const UINT modality = owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL;
  MessageBoxA(owner, std::string(loc::kInvalidFileMessage).c_str(), "Tarvex2",
              MB_OK | MB_ICONWARNING | modality);
}

}  // namespace nb
