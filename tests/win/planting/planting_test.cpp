// A library planted beside the program that loads the plug-in: an
// oleacc.dll in the folder of the host (or of a compiled publication, in a
// downloads folder) must never run, under Windows' search order, while a
// screen reader reads the plug-in's gauges through the system's own
// library. The host simulator, the plug-in and the planted library are
// copied into a folder of their own; this program reads the gauge from
// outside, as a screen reader does.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/handles.h"
#include "tests/support/accessible_client.h"
#include "toolkit/com_ref.h"
#include "toolkit/system_library.h"

namespace {

using host::OwnedHandle;

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// A file of the build, by the path the build gave (a Unix path under Wine).
std::wstring BuildFile(const char* path) {
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(Wide(path).c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::wstring(full, length) : Wide(path);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

// A fresh folder of its own, with everything in it deleted at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    for (unsigned attempt = 0; attempt < 1000 && path_.empty(); ++attempt) {
      std::wstring folder = std::wstring(temp) + L"tarvex-planting-" + std::to_wstring(GetCurrentProcessId()) +
                            L"-" + std::to_wstring(GetTickCount() + attempt);
      if (CreateDirectoryW(folder.c_str(), nullptr)) path_ = folder;
    }
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    if (path_.empty()) return;
    // A program that just ended may hold its file for a moment.
    for (int attempt = 0; attempt < 50; ++attempt) {
      WIN32_FIND_DATAW found{};
      HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
      if (search != INVALID_HANDLE_VALUE) {
        do {
          const std::wstring name = found.cFileName;
          if (name != L"." && name != L"..") DeleteFileW((path_ + L"\\" + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
      }
      if (RemoveDirectoryW(path_.c_str())) return;
      Sleep(20);
    }
  }
  bool Made() const { return !path_.empty(); }
  std::wstring operator/(const wchar_t* name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Wine's load order for one library in the programs of one file name, for
// as long as the override lives: Wine's per-program form of
// WINEDLLOVERRIDES (which a program started from here would not get: Wine
// reads it from the environment it was itself started with). "native,builtin"
// is Windows' search order, a file in the program's folder first; "" means
// no such library at all.
class DllOverride {
 public:
  DllOverride(const std::wstring& program, const wchar_t* library, const wchar_t* order)
      : key_(L"Software\\Wine\\AppDefaults\\" + program) {
    const std::wstring subkey = key_ + L"\\DllOverrides";
    const DWORD bytes = static_cast<DWORD>((wcslen(order) + 1) * sizeof(wchar_t));
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, subkey.c_str(), library, REG_SZ, order, bytes), ERROR_SUCCESS);
  }
  DllOverride(const DllOverride&) = delete;
  DllOverride& operator=(const DllOverride&) = delete;
  ~DllOverride() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

 private:
  std::wstring key_;
};

// A program started in its own folder.
struct Started {
  OwnedHandle process;
  DWORD id = 0;
};

Started Start(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  Started started;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Folder(program).c_str(), &startup, &info)) {
    ADD_FAILURE() << "cannot start the program (error " << GetLastError() << ")";
    return started;
  }
  CloseHandle(info.hThread);
  started.process = OwnedHandle(info.hProcess);
  started.id = info.dwProcessId;
  return started;
}

// A name of this run's own for a copied program, so that its load order
// touches no other program.
std::wstring OwnName(const wchar_t* stem) {
  return std::wstring(stem) + L"-" + std::to_wstring(GetCurrentProcessId()) + L".exe";
}

bool IsPluginWindow(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return std::wstring(name) == L"Tarvex2.Window";
}

struct GaugeSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindGaugeIn(HWND window, LPARAM search) {
  auto& s = *reinterpret_cast<GaugeSearch*>(search);
  // The gauge window is the plug-in's window inside a host object.
  if (IsPluginWindow(window) && !IsPluginWindow(GetParent(window))) {
    s.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindGaugeOf(HWND window, LPARAM search) {
  auto& s = *reinterpret_cast<GaugeSearch*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == s.process) EnumChildWindows(window, &FindGaugeIn, search);
  return s.found == nullptr;
}

// The gauge window of the running host once it is there; null when the host
// ends first or a minute passes.
HWND WaitForGauge(const Started& host) {
  for (int i = 0; i < 600; ++i) {
    GaugeSearch search{host.id, nullptr};
    EnumWindows(&FindGaugeOf, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (WaitForSingleObject(host.process.get(), 100) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

void Copy(const char* from, const std::wstring& to) {
  ASSERT_TRUE(CopyFileW(BuildFile(from).c_str(), to.c_str(), FALSE)) << from << " (error " << GetLastError() << ")";
}

// The planted library's trace: the file its start-up code leaves.
std::wstring TraceOf(const std::wstring& library) { return library + L".ran"; }

TEST(PlantedLibrary, RunsInAProgramThatImportsTheLibraryBesideIt) {
  // The control: with Windows' search order, the planted library is what a
  // program importing oleacc gets, and its start-up code leaves its trace.
  ScratchFolder folder;
  ASSERT_TRUE(folder.Made());
  const std::wstring probeName = OwnName(L"planted-probe");
  Copy(TARVEX_PLANTED_MARKER, folder / L"oleacc.dll");
  Copy(TARVEX_PLANTED_PROBE, folder / probeName.c_str());
  DllOverride searchOrder(probeName, L"oleacc", L"native,builtin");
  Started probe = Start(folder / probeName.c_str(), L"");
  ASSERT_TRUE(probe.process);
  ASSERT_EQ(WaitForSingleObject(probe.process.get(), 60000), WAIT_OBJECT_0);
  EXPECT_TRUE(Exists(TraceOf(folder / L"oleacc.dll")));
}

TEST(PlantedLibrary, NeverRunsBesideTheHostWhileAScreenReaderReadsTheGauge) {
  const struct {
    const char* what;
    const wchar_t* order;
    long role;
    const wchar_t* value;  // nullptr: not read
  } cases[] = {
      {"Windows' search order for oleacc: the system's library answers", L"native,builtin",
       ROLE_SYSTEM_PROGRESSBAR, L"60%"},
      // Without the library the gauge is a plain window: the reader makes
      // the standard object itself, and no error is shown.
      {"no oleacc at all in the host", L"", ROLE_SYSTEM_CLIENT, nullptr},
  };
  tk::ComApartment apartment;
  ASSERT_TRUE(apartment.Ready());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    ASSERT_TRUE(folder.Made());
    const std::wstring hostName = OwnName(L"tarvex-host");
    Copy(TARVEX_HOST, folder / hostName.c_str());
    Copy(TARVEX_PLUGIN, folder / L"Tarvex2.nbp");
    Copy(TARVEX_PLANTED_MARKER, folder / L"oleacc.dll");
    DllOverride searchOrder(hostName, L"oleacc", c.order);
    Started host = Start(folder / hostName.c_str(), L"--plugin \"" + (folder / L"Tarvex2.nbp") + L"\" --script \"" +
                                                        BuildFile(TARVEX_PLANTING_SCRIPT) + L"\"");
    ASSERT_TRUE(host.process);
    HWND gauge = WaitForGauge(host);
    EXPECT_NE(gauge, nullptr) << "the host made no gauge";
    if (gauge) {
      tk::ComRef<IAccessible> object = tarvex::test::ClientObjectOf(gauge);
      ASSERT_TRUE(object);
      EXPECT_EQ(tarvex::test::RoleOf(object.get()), c.role);
      if (c.value) {
        EXPECT_EQ(tarvex::test::ValueOf(object.get()), c.value);
        EXPECT_EQ(tarvex::test::NameOf(object.get()), L"Rect1");
      }
    }
    TerminateProcess(host.process.get(), 0);
    WaitForSingleObject(host.process.get(), 10000);
    EXPECT_FALSE(Exists(TraceOf(folder / L"oleacc.dll"))) << "the planted library ran in the host";
  }
}

TEST(SystemLibrary, IsTakenFromTheSystemFolderOnly) {
  // A library of the same name beside this program: both ways of loading
  // pass it by and take the system's (or none), and it never runs.
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring beside = Folder(self) + L"\\tarvex_planted_marker.dll";
  Copy(TARVEX_PLANTED_MARKER, beside);
  DeleteFileW(TraceOf(beside).c_str());
  wchar_t system[MAX_PATH] = {};
  const std::wstring systemFolder(system, GetSystemDirectoryW(system, MAX_PATH));

  const struct {
    const char* what;
    HMODULE (*load)(const wchar_t*);
  } loaders[] = {{"by the search flag", &tk::LoadSystemLibrary}, {"by the full path", &tk::LoadSystemLibraryByPath}};
  for (const auto& loader : loaders) {
    SCOPED_TRACE(loader.what);
    EXPECT_EQ(loader.load(L"tarvex_planted_marker.dll"), nullptr);
    EXPECT_FALSE(Exists(TraceOf(beside)));
    HMODULE oleacc = loader.load(L"oleacc.dll");
    ASSERT_NE(oleacc, nullptr);
    wchar_t path[MAX_PATH] = {};
    const std::wstring loaded(path, GetModuleFileNameW(oleacc, path, MAX_PATH));
    EXPECT_EQ(_wcsicmp(Folder(loaded).c_str(), systemFolder.c_str()), 0) << loaded;
    EXPECT_NE(GetProcAddress(oleacc, "LresultFromObject"), nullptr);
    FreeLibrary(oleacc);
  }

  // The control: a bare name searches this program's folder first.
  HMODULE planted = LoadLibraryW(L"tarvex_planted_marker.dll");
  EXPECT_NE(planted, nullptr);
  EXPECT_TRUE(Exists(TraceOf(beside)));
  if (planted) FreeLibrary(planted);
  DeleteFileW(beside.c_str());
  DeleteFileW(TraceOf(beside).c_str());
}

}  // namespace
