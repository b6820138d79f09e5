#pragma once
// The author's addresses as the about box and the editors' link labels show
// them. (The localisation file's header keeps the first release's addresses.)

#include <string_view>

namespace nb::author {

inline constexpr std::string_view kWebSite = "http://www.talvik.ru";
inline constexpr std::string_view kEMail = "kv2719@talvik.ru";

// The site as the link labels show it: their link kind supplies the scheme.
inline constexpr std::string_view WebSiteWithoutScheme() {
  constexpr std::string_view kScheme = "http://";
  return kWebSite.starts_with(kScheme) ? kWebSite.substr(kScheme.size()) : kWebSite;
}

}  // namespace nb::author
