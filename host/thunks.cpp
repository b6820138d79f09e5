#include "host/thunks.h"

#if defined(__i386__)
// Leading underscores: the i686 Windows names of C symbols.
asm(R"(
    .intel_syntax noprefix
    .text

    .globl _tvx_call_register
_tvx_call_register:
    push ebp
    mov ebp, esp
    push ebx
    push esi
    push edi
    sub esp, 4
    mov ebx, [ebp+8]
    mov eax, [ebx]
    mov [ebp-16], eax                  # the target
    and esp, -16
    mov [ebx+36], esp                  # ESP that the callee must give back
    mov ecx, [ebx+20]
    mov esi, [ebx+16]
    xor edx, edx
1:  cmp edx, ecx
    jae 2f
    push dword ptr [esi+edx*4]         # declaration order: the fourth argument first
    inc edx
    jmp 1b
2:  mov eax, [ebx+4]
    mov edx, [ebx+8]
    mov ecx, [ebx+12]
    mov ebx, 0xB0B0B0B0                # the callee must preserve these
    mov esi, 0x51515151
    mov edi, 0xD1D1D1D1
    call dword ptr [ebp-16]
    xor ecx, ecx
    cmp ebx, 0xB0B0B0B0
    je 3f
    or ecx, 1
3:  cmp esi, 0x51515151
    je 4f
    or ecx, 2
4:  cmp edi, 0xD1D1D1D1
    je 5f
    or ecx, 4
5:  mov ebx, [ebp+8]
    mov [ebx+24], eax
    mov [ebx+32], ecx
    mov eax, esp
    sub eax, [ebx+36]
    mov [ebx+28], eax
    lea esp, [ebp-12]
    pop edi
    pop esi
    pop ebx
    pop ebp
    ret

    # AddActionProc: number EAX, name EDX, description ECX; on the stack,
    # pushed in this order, type codes, high index, count; removes 12 bytes.
    .globl _tvx_AddActionProc
_tvx_AddActionProc:
    push ebp
    mov ebp, esp
    and esp, -16
    sub esp, 8
    push dword ptr [ebp+8]             # count, pushed last
    push dword ptr [ebp+12]            # high index
    push dword ptr [ebp+16]            # type codes, pushed first
    push ecx
    push edx
    push eax
    call _tvx_OnAddAction
    mov esp, ebp
    pop ebp
    ret 12

    # InterfaceAccessProc: command EAX, slot address EDX; Boolean in AL. The
    # rest of EAX is junk on purpose: only AL carries the answer.
    .globl _tvx_InterfaceAccessProc
_tvx_InterfaceAccessProc:
    push ebp
    mov ebp, esp
    and esp, -16
    push edx
    push eax
    call _tvx_OnInterfaceAccess
    movzx eax, al
    or eax, 0x5A5A5A00
    mov esp, ebp
    pop ebp
    ret

    # ScriptProcessorProc is only stored by the plug-in; a call is recorded.
    .globl _tvx_ScriptProcessorProc
_tvx_ScriptProcessorProc:
    push ebp
    mov ebp, esp
    and esp, -16
    call _tvx_OnScriptProcessor
    mov esp, ebp
    pop ebp
    ret

    .att_syntax prefix
)");

#else

extern "C" {

void tvx_AddActionProc(std::int32_t number, const char* name, const char* description,
                       std::int32_t count, std::int32_t highIndex, const std::uint8_t* typeCodes) {
  tvx_OnAddAction(number, name, description, typeCodes, highIndex, count);
}

std::uint8_t tvx_InterfaceAccessProc(std::int32_t command, char** slot) {
  return static_cast<std::uint8_t>(tvx_OnInterfaceAccess(command, slot));
}

void tvx_ScriptProcessorProc() { tvx_OnScriptProcessor(); }
}

#endif
