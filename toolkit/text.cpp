#include "toolkit/text.h"

#include <windows.h>

namespace tk {

std::wstring Widen(std::string_view bytes, unsigned codePage) {
  if (bytes.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring Widen(std::string_view ansi) { return Widen(ansi, CP_ACP); }
std::string Narrow(std::wstring_view wide) { return Narrow(wide, CP_ACP); }

}  // namespace tk
