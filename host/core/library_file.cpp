#include "host/core/library_file.h"

#include <cstdint>

namespace host {
namespace {

std::uint32_t Read(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

}  // namespace

std::string LibraryFileProblem(std::string_view head, HostWidth host) {
  if (head.empty()) return "is empty";
  if (head.size() < 64 || head.substr(0, 2) != "MZ") {
    return "is not a Windows library (a plug-in is a 32-bit DLL, usually named *.nbp)";
  }
  std::uint32_t pe = Read(head, 0x3C, 4);
  if (pe > head.size() || head.size() - pe < 24 || head.substr(pe, 4) != std::string_view("PE\0\0", 4)) {
    return "is an old DOS program or a damaged file, not a 32-bit Windows library";
  }
  std::uint32_t machine = Read(head, pe + 4, 2);
  std::uint32_t characteristics = Read(head, pe + 22, 2);
  if (host == HostWidth::Bits64) {
    if (machine == 0x14C) {
      return "is a 32-bit library; this is the simulator's 64-bit test build, which loads only 64-bit "
             "(x64) plug-ins (the 32-bit dist/tarvex-host.exe loads this one)";
    }
    if (machine != 0x8664) return "is built for another processor, not a 64-bit (x64) library";
  } else {
    if (machine == 0x8664 || machine == 0xAA64) {
      return "is a 64-bit library; the host is a 32-bit program and loads only 32-bit (x86) plug-ins";
    }
    if (machine != 0x14C) return "is built for another processor, not a 32-bit (x86) library";
  }
  if ((characteristics & 0x2000) == 0) return "is a program, not a library (a plug-in is a DLL)";
  return {};
}

}  // namespace host
