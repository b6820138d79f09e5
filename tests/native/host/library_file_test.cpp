#include <gtest/gtest.h>

#include <string>

#include "host/core/library_file.h"

namespace host {
namespace {

// The first bytes of a PE file: MZ, the PE header's offset at 0x3C, then
// "PE\0\0", the machine and, 18 bytes on, the characteristics.
std::string Head(unsigned machine, unsigned characteristics) {
  std::string head(0x100, '\0');
  head[0] = 'M';
  head[1] = 'Z';
  head[0x3C] = static_cast<char>(0x80);
  head.replace(0x80, 4, std::string("PE\0\0", 4));
  head[0x84] = static_cast<char>(machine & 0xFF);
  head[0x85] = static_cast<char>(machine >> 8);
  head[0x96] = static_cast<char>(characteristics & 0xFF);
  head[0x97] = static_cast<char>(characteristics >> 8);
  return head;
}

TEST(LibraryFile, TellsWhatTheFileIsInstead) {
  struct Case {
    std::string head;
    const char* problem;  // a part of it; empty: no problem
    HostWidth host = HostWidth::Bits32;
  } cases[] = {
      {Head(0x14C, 0x2102), ""},
      {"", "is empty"},
      {"#!/bin/sh\necho this is no library, but long enough to have a header of sixty-four bytes",
       "is not a Windows library"},
      {Head(0x8664, 0x2022), "is a 64-bit library; the host is a 32-bit program"},
      {Head(0x14C, 0x0102), "is a program, not a library"},
      {Head(0x1C0, 0x2102), "another processor"},
      {Head(0x14C, 0x2102).substr(0, 0x82), "not a 32-bit Windows library"},
      // The 64-bit test build of the simulator takes x64 libraries only.
      {Head(0x8664, 0x2022), "", HostWidth::Bits64},
      {Head(0x14C, 0x2102), "is a 32-bit library; this is the simulator's 64-bit test build", HostWidth::Bits64},
      {Head(0xAA64, 0x2022), "another processor, not a 64-bit (x64) library", HostWidth::Bits64},
      {Head(0x8664, 0x0022), "is a program, not a library", HostWidth::Bits64},
  };
  for (const Case& c : cases) {
    std::string problem = LibraryFileProblem(c.head, c.host);
    if (*c.problem == '\0') {
      EXPECT_EQ(problem, "");
    } else {
      EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
    }
  }
}

}  // namespace
}  // namespace host
