#pragma once
// The names of the RCDATA resources stored in this program (form
// descriptions, fragments, pictures), for tests that go through all of them.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "toolkit/window.h"

namespace tarvex::test {

namespace stored_resources_detail {

struct Search {
  std::vector<std::string> prefixes;
  std::vector<std::string> names;
};

inline BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR raw) {
  auto* search = reinterpret_cast<Search*>(raw);
  if (IS_INTRESOURCE(name)) return TRUE;
  for (const std::string& prefix : search->prefixes) {
    if (std::string(name).rfind(prefix, 0) == 0) {
      search->names.push_back(name);
      break;
    }
  }
  return TRUE;
}

}  // namespace stored_resources_detail

// The named RCDATA resources that begin with one of the prefixes, in the
// order Windows lists them.
inline std::vector<std::string> StoredResourceNames(std::initializer_list<const char*> prefixes) {
  stored_resources_detail::Search search{{prefixes.begin(), prefixes.end()}, {}};
  EnumResourceNamesA(tk::ModuleInstance(), MAKEINTRESOURCEA(10), &stored_resources_detail::CollectName,
                     reinterpret_cast<LONG_PTR>(&search));
  return search.names;
}

}  // namespace tarvex::test
