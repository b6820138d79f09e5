#pragma once
// The exported entry points through which the host drives the plug-in. Only
// the exports file defines them; the layers below never call them.

#include <cstdint>

#include "base/host_types.h"

extern "C" {
void NB_REGISTER nbRegisterPlugIn(nb::AddActionProc addAction, std::int32_t arg2,
                                  std::int32_t arg3, std::int32_t arg4);
void NB_REGISTER nbInitPlugIn(std::int32_t arg1, nb::HostSlot* name, nb::HostSlot* author,
                              nb::HostSlot* description);
void NB_REGISTER nbRegisterInterfaceAccess(nb::InterfaceAccessProc proc);
void NB_REGISTER nbRegisterScriptProcessor(nb::ScriptProcessorProc proc);
nb::HostBool NB_REGISTER nbEditAction(std::int32_t action, nb::HostSlot* params);
nb::HostBool NB_REGISTER nbExecAction(std::int32_t action, nb::HostSlot* params);
void NB_REGISTER nbMessage(std::int32_t code);
void NB_REGISTER nbAbout();
}
