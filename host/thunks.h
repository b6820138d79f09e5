#pragma once
// The host's side of the register convention, written in assembly so that it
// follows the convention literally rather than through compiler attributes:
// first three 32-bit arguments in EAX, EDX, ECX; further ones pushed in
// declaration order and removed by the callee; a Boolean in AL. The 64-bit
// build has one calling convention and calls a 64-bit plug-in directly.

#include <cstdint>

extern "C" {

#if defined(__i386__)
// One call of a routine of the plug-in. Layout is shared with thunks.cpp.
struct RegisterCall {
  void* target;                 // 0
  std::uint32_t eax, edx, ecx;  // 4, 8, 12
  const std::uint32_t* stack;   // 16: the fourth argument first
  std::uint32_t stackCount;     // 20
  std::uint32_t result;         // 24: EAX on return
  std::int32_t stackError;      // 28: ESP after return minus ESP before the pushes
  std::uint32_t clobbered;      // 32: bit 0 EBX, 1 ESI, 2 EDI not preserved
  std::uint32_t scratch;        // 36
};

void tvx_call_register(RegisterCall* call);

// Entry points handed to the plug-in; only their addresses are used.
void tvx_AddActionProc();
void tvx_InterfaceAccessProc();
void tvx_ScriptProcessorProc();
#else
// On x64 a plug-in calls the host's entry points directly, with the
// declarations of its boundary header (the stack arguments of AddActionProc
// in reverse, as on i686).
void tvx_AddActionProc(std::int32_t number, const char* name, const char* description,
                       std::int32_t count, std::int32_t highIndex, const std::uint8_t* typeCodes);
std::uint8_t tvx_InterfaceAccessProc(std::int32_t command, char** slot);
void tvx_ScriptProcessorProc();
#endif

// What the entry points forward to (plain C calls).
void tvx_OnAddAction(std::int32_t number, const char* name, const char* description,
                     const std::uint8_t* typeCodes, std::int32_t highIndex, std::int32_t count);
std::uint32_t tvx_OnInterfaceAccess(std::int32_t command, char** slot);
void tvx_OnScriptProcessor();
}

namespace host {

// Receives the plug-in's callbacks; one is installed at a time.
class CallbackSink {
 public:
  virtual ~CallbackSink() = default;
  virtual void OnAddAction(std::int32_t number, const char* name, const char* description,
                           const std::uint8_t* typeCodes, std::int32_t highIndex,
                           std::int32_t count) = 0;
  virtual bool OnInterfaceAccess(std::int32_t command, char** slot) = 0;
  virtual void OnScriptProcessor() {}
};

// Returns the previous sink.
CallbackSink* SetCallbackSink(CallbackSink* sink);

struct CallOutcome {
  std::uint32_t eax = 0;
  std::int32_t stackError = 0;
  std::uint32_t clobbered = 0;
  std::uint8_t Al() const { return static_cast<std::uint8_t>(eax); }
};

#if defined(__i386__)
// Calls target with args in the register convention. Registers that carry no
// argument get junk, so a routine that reads one is caught.
CallOutcome CallRegister(void* target, const std::uint32_t* args, std::uint32_t count);
#endif

}  // namespace host
