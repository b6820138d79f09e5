#pragma once
// The product's name, version and author, in one place: the plug-in's
// identity, the about box, the editors' credit line, the version resources of
// the plug-in and the simulator, and the release archive's name all come from
// here. cmake/version_info.cmake reads the three #define lines by name, so
// they stay plain one-line definitions.

#include <string_view>

#define TARVEX_VERSION_MAJOR 2
#define TARVEX_VERSION_MINOR 0
#define TARVEX_AUTHOR "Oren Talvik"

#define TARVEX_STRINGIFY_(x) #x
#define TARVEX_STRINGIFY(x) TARVEX_STRINGIFY_(x)
#define TARVEX_VERSION_TEXT TARVEX_STRINGIFY(TARVEX_VERSION_MAJOR) "." TARVEX_STRINGIFY(TARVEX_VERSION_MINOR)
#define TARVEX_NAME "Tarvex " TARVEX_VERSION_TEXT

namespace nb::product {

inline constexpr std::string_view kVersion = TARVEX_VERSION_TEXT;  // "2.0"
inline constexpr std::string_view kName = TARVEX_NAME;              // "Tarvex 2.0", as the host lists it
inline constexpr std::string_view kAuthor = TARVEX_AUTHOR;

// The about box's two version texts and the editors' credit line.
inline constexpr std::string_view kAboutVersion = "Version " TARVEX_VERSION_TEXT;
inline constexpr std::string_view kAboutTitle = TARVEX_NAME "   ";
inline constexpr std::string_view kCreditLine = TARVEX_NAME " free plug-in";

}  // namespace nb::product
