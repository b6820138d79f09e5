// Calls the exports the way the host does, from hand-written assembly, so a
// wrong attribute in the boundary header cannot cancel itself out: arguments
// in EAX, EDX, ECX, the rest pushed in declaration order and removed by the
// callee, a Boolean read from AL.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/PlugInUtils.h"
#include "plugin/boundary.h"
#include "base/core/action_table.h"
#include "tests/support/host_blocks.h"

extern "C" {
// Returns EAX after the call; *imbalance is how far ESP ended up from where a
// callee that removed exactly its stack arguments leaves it.
std::uint32_t CallRegister(const void* routine, std::uint32_t eax, std::uint32_t edx,
                           std::uint32_t ecx, const std::uint32_t* stack, std::uint32_t count,
                           std::int32_t* imbalance);
// AddActionProc as the host writes it: hands registers and the three stack
// words to RecordAddAction, then removes them.
void RecordingAddAction();
void RecordAddAction(std::uint32_t number, const char* name, const char* description,
                     std::uint32_t firstPushed, std::uint32_t secondPushed,
                     std::uint32_t thirdPushed);
}

asm(R"(
  .text
  .globl _CallRegister
_CallRegister:
  push %ebp
  mov %esp, %ebp
  push %ebx
  push %esi
  push %edi
  mov 24(%ebp), %esi
  mov 28(%ebp), %ecx
  xor %ebx, %ebx
1:
  cmp %ecx, %ebx
  jae 2f
  pushl (%esi,%ebx,4)
  inc %ebx
  jmp 1b
2:
  lea (%esp,%ecx,4), %edi
  mov 12(%ebp), %eax
  mov 16(%ebp), %edx
  mov 20(%ebp), %ecx
  call *8(%ebp)
  mov %esp, %ecx
  sub %edi, %ecx
  mov 32(%ebp), %edx
  mov %ecx, (%edx)
  lea -12(%ebp), %esp
  pop %edi
  pop %esi
  pop %ebx
  pop %ebp
  ret

  .globl _RecordingAddAction
_RecordingAddAction:
  pushl 4(%esp)
  pushl 12(%esp)
  pushl 20(%esp)
  push %ecx
  push %edx
  push %eax
  call _RecordAddAction
  add $24, %esp
  ret $12
)");

namespace {

struct Registered {
  std::uint32_t number;
  std::string name, description;
  std::vector<std::uint8_t> codes;
  std::int32_t highIndex, count;
};
std::vector<Registered> registered;

}  // namespace

extern "C" void RecordAddAction(std::uint32_t number, const char* name, const char* description,
                                std::uint32_t firstPushed, std::uint32_t secondPushed,
                                std::uint32_t thirdPushed) {
  // The host's order: the type codes, then the highest index, then the count.
  const auto* codes = reinterpret_cast<const std::uint8_t*>(firstPushed);
  const auto count = static_cast<std::int32_t>(thirdPushed);
  registered.push_back({number, name, description,
                        std::vector<std::uint8_t>(codes, codes + (count > 0 ? count : 0)),
                        static_cast<std::int32_t>(secondPushed), count});
}

namespace {

std::uint32_t Word(const void* p) { return reinterpret_cast<std::uint32_t>(p); }

// One call of an export through the host's convention; the stack must balance.
std::uint32_t Call(const void* routine, std::uint32_t eax = 0, std::uint32_t edx = 0,
                   std::uint32_t ecx = 0, std::vector<std::uint32_t> stack = {}) {
  std::int32_t imbalance = -1;
  const std::uint32_t result = CallRegister(routine, eax, edx, ecx, stack.data(),
                                            static_cast<std::uint32_t>(stack.size()), &imbalance);
  EXPECT_EQ(imbalance, 0) << "the callee left the stack unbalanced";
  return result;
}

template <typename F>
const void* Export(F* routine) {
  return reinterpret_cast<const void*>(routine);
}

TEST(RegisterExport, AddsTheEightActionsThroughTheHostsCallback) {
  registered.clear();
  Call(Export(nbRegisterPlugIn), Word(reinterpret_cast<void*>(RecordingAddAction)), 22, 33,
       {44});
  const auto table = nb::ActionTable();
  ASSERT_EQ(registered.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].name);
    EXPECT_EQ(registered[i].number, i + 1);
    EXPECT_EQ(registered[i].name, table[i].name);
    EXPECT_EQ(registered[i].description, table[i].description);
    EXPECT_EQ(registered[i].count, static_cast<std::int32_t>(table[i].typeCodes.size()));
    EXPECT_EQ(registered[i].highIndex, registered[i].count - 1);
    EXPECT_EQ(registered[i].codes,
              std::vector<std::uint8_t>(table[i].typeCodes.begin(), table[i].typeCodes.end()));
  }
  const auto& held = nb::Held();
  EXPECT_EQ(reinterpret_cast<void*>(held.addAction), reinterpret_cast<void*>(RecordingAddAction));
  EXPECT_EQ(held.registerArg2, 22);
  EXPECT_EQ(held.registerArg3, 33);
  EXPECT_EQ(held.registerArg4, 44);
}

TEST(RegisterExport, WithoutACallbackRegistersNothingAndSurvives) {
  registered.clear();
  Call(Export(nbRegisterPlugIn), 0, 5, 6, {7});
  EXPECT_TRUE(registered.empty());
  EXPECT_EQ(nb::Held().addAction, nullptr);
  EXPECT_EQ(nb::Held().registerArg4, 7);
}

TEST(InitExport, ReplacesTheThreeIdentityStrings) {
  // Every block is counted, so an old block is known to be freed without
  // asking the allocator about memory that is no longer held.
  tarvex::test::HostBlocks blocks;
  nb::HostSlot name = nullptr;
  nb::HostSlot author = static_cast<char*>(GlobalAlloc(GMEM_FIXED, 4));
  nb::HostSlot description = nullptr;
  for (int call = 0; call < 2; ++call) {
    Call(Export(nbInitPlugIn), 99, Word(&name), Word(&author), {Word(&description)});
    ASSERT_NE(name, nullptr);
    ASSERT_NE(author, nullptr);
    ASSERT_NE(description, nullptr);
    EXPECT_STREQ(name, "Tarvex 2.0");
    EXPECT_STREQ(author, "Oren Talvik");
    EXPECT_STREQ(description, "The use of a Gauge in VisualNeo.");
    EXPECT_EQ(GlobalSize(description), sizeof "The use of a Gauge in VisualNeo.");
    EXPECT_EQ(blocks.Live(), 3u) << "each old block is freed, call " << call;
  }
  EXPECT_EQ(nb::Held().initArg1, 99);
  nb::FreeHostString(&name);
  nb::FreeHostString(&author);
  nb::FreeHostString(&description);
  EXPECT_EQ(blocks.Live(), 0u);
}

TEST(CallbackExports, StoreWhatTheHostHandsOver) {
  int access = 0, script = 0;
  Call(Export(nbRegisterInterfaceAccess), Word(&access));
  Call(Export(nbRegisterScriptProcessor), Word(&script));
  EXPECT_EQ(reinterpret_cast<void*>(nb::Held().interfaceAccess), &access);
  EXPECT_EQ(nb::Held().scriptProcessor, &script);
  Call(Export(nbRegisterInterfaceAccess), 0);
  EXPECT_EQ(nb::Held().interfaceAccess, nullptr);
}

TEST(ActionExports, RefuseNumbersOutsideOneToEightWithoutTouchingTheBlock) {
  // Slots that would fault if the plug-in read or followed them.
  nb::HostSlot block[10];
  for (auto& slot : block) slot = reinterpret_cast<char*>(1);
  const std::uint32_t numbers[] = {0, 9, 10, 0xFFFFFFFFu, 0x80000000u, 0x80000001u};
  for (const void* routine : {Export(nbExecAction), Export(nbEditAction)}) {
    for (const auto number : numbers) {
      SCOPED_TRACE(number);
      // Garbage in the upper bytes of EAX: the host reads AL only.
      const std::uint32_t result = Call(routine, number, Word(block));
      EXPECT_EQ(result & 0xFF, 0u);
      for (const auto slot : block) EXPECT_EQ(slot, reinterpret_cast<char*>(1));
    }
  }
}

TEST(MessageExport, IgnoresCodesOtherThanTwo) {
  for (const std::uint32_t code : {0u, 1u, 2u, 2u, 3u, 0xFFFFFFFFu}) Call(Export(nbMessage), code);
}

}  // namespace
