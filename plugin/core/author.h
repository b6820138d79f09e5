#pragma once
// The author's addresses: the localisation file's header, the about box and
// its link labels all show these, so they live here only.

#include <string_view>

namespace nb::author {

inline constexpr std::string_view kWebSite = "http://www.talvik.ru";
inline constexpr std::string_view kEMail = "kv2719@talvik.ru";

}  // namespace nb::author
