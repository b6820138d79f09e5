#pragma once
// The host's calling convention and the types that cross the boundary:
// host strings, Booleans and the host's callbacks.
//
// The host calls with the register convention of 32-bit Delphi: the first
// three 32-bit arguments in EAX, EDX, ECX; further arguments pushed in
// declaration order and removed by the callee; a Boolean in AL. GCC's
// regparm(3) with stdcall gives the same registers and callee clean-up, but it
// pushes stack arguments right to left, so a routine with more than one stack
// argument declares them here in reverse.
//
// On x64 there is one calling convention and no host to match: the 64-bit
// build, made for testing, calls the same declarations directly.

#include <cstdint>

#if defined(__i386__)
#define NB_REGISTER __attribute__((regparm(3), stdcall))
#else
#define NB_REGISTER
#endif

namespace nb {

using HostBool = std::uint8_t;  // read and written in AL only
using HostSlot = char*;         // a GlobalAlloc'ed, NUL-terminated ANSI string, or nil

// AddActionProc(number, name, description; typeCodes, highIndex, count):
// the host's declaration order of the stack arguments is typeCodes, highIndex,
// count, so GCC sees them reversed.
using AddActionProc = void(NB_REGISTER*)(std::int32_t number, const char* name,
                                         const char* description, std::int32_t count,
                                         std::int32_t highIndex, const std::uint8_t* typeCodes);
using InterfaceAccessProc = HostBool(NB_REGISTER*)(std::int32_t command, HostSlot* slot);
using ScriptProcessorProc = void*;  // stored, never called

}  // namespace nb
