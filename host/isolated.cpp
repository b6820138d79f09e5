#include "host/isolated.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/handles.h"

namespace host {
namespace {

// Quotes one argument so that CommandLineToArgvW gives it back unchanged.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

std::wstring MakeFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    std::wstring folder = std::wstring(temp) + L"tarvex-host-" + std::to_wstring(GetCurrentProcessId()) +
                          L"-" + std::to_wstring(GetTickCount() + attempt);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
  }
  return {};
}

// Deletes the folder and the files in it; the copy may hold its file for a
// moment after it exits.
void RemoveFolder(const std::wstring& folder) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    WIN32_FIND_DATAW found{};
    if (const tk::FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found)); search) {
      do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
          std::wstring path = folder + L"\\" + name;
          SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(path.c_str());
        }
      } while (FindNextFileW(search.get(), &found));
    }
    if (RemoveDirectoryW(folder.c_str())) return;
    Sleep(20);
  }
  std::fwprintf(stderr, L"cannot delete the temporary folder %ls\n", folder.c_str());
}

OwnedHandle InheritableCopy(DWORD which) {
  HANDLE original = GetStdHandle(which);
  HANDLE copy = nullptr;
  if (!original || original == INVALID_HANDLE_VALUE ||
      !DuplicateHandle(GetCurrentProcess(), original, GetCurrentProcess(), &copy, 0, TRUE,
                       DUPLICATE_SAME_ACCESS)) {
    return OwnedHandle();
  }
  return OwnedHandle(copy);
}

}  // namespace

int RunIsolated() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder = MakeFolder();
  if (folder.empty()) {
    std::fprintf(stderr, "cannot make a temporary folder for --isolated\n");
    return 2;
  }
  std::wstring copy = folder + L"\\tarvex-host.exe";
  if (!CopyFileW(self, copy.c_str(), TRUE)) {
    std::fprintf(stderr, "cannot copy the host for --isolated\n");
    RemoveFolder(folder);
    return 2;
  }
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring commandLine = Quote(copy);
  for (int i = 1; i < argc; ++i) {
    if (std::wstring(argv[i]) != L"--isolated") commandLine += L" " + Quote(argv[i]);
  }
  LocalFree(argv);

  OwnedHandle in = InheritableCopy(STD_INPUT_HANDLE), out = InheritableCopy(STD_OUTPUT_HANDLE),
              err = InheritableCopy(STD_ERROR_HANDLE);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.get();
  startup.hStdOutput = out.get();
  startup.hStdError = err.get();
  PROCESS_INFORMATION process{};
  std::fflush(stdout);
  std::fflush(stderr);
  if (!CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start the copy of the host (error %lu)\n", GetLastError());
    RemoveFolder(folder);
    return 2;
  }
  OwnedHandle processHandle(process.hProcess), threadHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  processHandle.Reset();
  threadHandle.Reset();
  RemoveFolder(folder);
  return static_cast<int>(status);
}

}  // namespace host
