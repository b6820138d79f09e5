#include "toolkit/system_library.h"

#include <string>

namespace tk {
namespace {

// No "cannot find" or "bad image" box while a library is looked for: a
// library that is missing leaves its feature out, silently.
class QuietErrors {
 public:
  QuietErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;
  ~QuietErrors() { SetThreadErrorMode(previous_, nullptr); }

 private:
  DWORD previous_ = 0;
};

// The loader knows the LOAD_LIBRARY_SEARCH_* flags exactly where kernel32
// has AddDllDirectory (the documented test).
bool LoaderKnowsSearchFlags() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel != nullptr && GetProcAddress(kernel, "AddDllDirectory") != nullptr;
}

}  // namespace

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
  if (!LoaderKnowsSearchFlags()) return LoadSystemLibraryByPath(fileName);
  QuietErrors quiet;
  return LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibraryByPath(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  path += L'\\';
  path += fileName;
  QuietErrors quiet;
  // The library's own imports are then looked for in its folder, not in the
  // program's.
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace tk
