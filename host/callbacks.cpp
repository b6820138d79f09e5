// The C side of the callback entry points and the generic call.
#include "host/thunks.h"

namespace host {
namespace {

CallbackSink*& Sink() {
  static CallbackSink* sink = nullptr;
  return sink;
}

}  // namespace

CallbackSink* SetCallbackSink(CallbackSink* sink) {
  CallbackSink* previous = Sink();
  Sink() = sink;
  return previous;
}

#if defined(__i386__)
CallOutcome CallRegister(void* target, const std::uint32_t* args, std::uint32_t count) {
  constexpr std::uint32_t kJunk[3] = {0xEEEE0001u, 0xEEEE0002u, 0xEEEE0003u};
  RegisterCall call{};
  call.target = target;
  call.eax = count > 0 ? args[0] : kJunk[0];
  call.edx = count > 1 ? args[1] : kJunk[1];
  call.ecx = count > 2 ? args[2] : kJunk[2];
  call.stack = count > 3 ? args + 3 : nullptr;
  call.stackCount = count > 3 ? count - 3 : 0;
  tvx_call_register(&call);
  return CallOutcome{call.result, call.stackError, call.clobbered};
}
#endif

}  // namespace host

extern "C" {

void tvx_OnAddAction(std::int32_t number, const char* name, const char* description,
                     const std::uint8_t* typeCodes, std::int32_t highIndex, std::int32_t count) {
  if (host::CallbackSink* sink = host::Sink()) {
    sink->OnAddAction(number, name, description, typeCodes, highIndex, count);
  }
}

std::uint32_t tvx_OnInterfaceAccess(std::int32_t command, char** slot) {
  host::CallbackSink* sink = host::Sink();
  return sink && sink->OnInterfaceAccess(command, slot) ? 1 : 0;
}

void tvx_OnScriptProcessor() {
  if (host::CallbackSink* sink = host::Sink()) sink->OnScriptProcessor();
}
}
