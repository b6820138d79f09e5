// The host's assembly thunks against callees whose register and stack use is
// known: assembly recorders, and routines compiled with the plug-in's own
// convention macro.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/thunks.h"
#include "plugin/boundary.h"

extern "C" {
struct TestRecord {
  std::uint32_t eax, edx, ecx;
  std::uint32_t stack[4];  // stack[0] is the word nearest the return address
  std::uint32_t result;
};
TestRecord tvx_test_record;
void tvx_test_recorder0();        // removes no stack arguments
void tvx_test_recorder1();        // removes one
void tvx_test_recorder3();        // removes three
void tvx_test_clobbers_ebx();     // removes none, changes EBX
void tvx_test_clobbers_esi_edi(); // removes none, changes ESI and EDI
}

asm(R"(
    .intel_syntax noprefix
    .macro RECORDER name, pops
    .globl _\name
_\name:
    mov [_tvx_test_record], eax
    mov [_tvx_test_record+4], edx
    mov [_tvx_test_record+8], ecx
    mov eax, [esp+4]
    mov [_tvx_test_record+12], eax
    mov eax, [esp+8]
    mov [_tvx_test_record+16], eax
    mov eax, [esp+12]
    mov [_tvx_test_record+20], eax
    mov eax, [esp+16]
    mov [_tvx_test_record+24], eax
    mov eax, [_tvx_test_record+28]
    ret \pops
    .endm
    RECORDER tvx_test_recorder0, 0
    RECORDER tvx_test_recorder1, 4
    RECORDER tvx_test_recorder3, 12
    .globl _tvx_test_clobbers_ebx
_tvx_test_clobbers_ebx:
    mov ebx, 1
    ret
    .globl _tvx_test_clobbers_esi_edi
_tvx_test_clobbers_esi_edi:
    mov esi, 1
    mov edi, 2
    ret
    .att_syntax prefix
)");

namespace host {
namespace {

void* Code(void (*f)()) { return reinterpret_cast<void*>(f); }
std::uint32_t Word(const void* p) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p)); }

constexpr std::uint32_t kJunkEax = 0xEEEE0001u, kJunkEdx = 0xEEEE0002u, kJunkEcx = 0xEEEE0003u;

TEST(Thunks, FirstThreeInRegistersTheRestPushedInDeclarationOrder) {
  struct Case {
    const char* name;
    void (*callee)();
    std::vector<std::uint32_t> args;
    std::uint32_t eax, edx, ecx;
    std::vector<std::uint32_t> stackFromTop;  // nearest the return address first
  } cases[] = {
      {"none", tvx_test_recorder0, {}, kJunkEax, kJunkEdx, kJunkEcx, {}},
      {"one", tvx_test_recorder0, {0x11}, 0x11, kJunkEdx, kJunkEcx, {}},
      {"three", tvx_test_recorder0, {0x11, 0x22, 0x33}, 0x11, 0x22, 0x33, {}},
      {"four", tvx_test_recorder1, {0x11, 0x22, 0x33, 0x44}, 0x11, 0x22, 0x33, {0x44}},
      // The fourth argument is pushed first, so the last one is on top.
      {"six", tvx_test_recorder3, {1, 2, 3, 4, 5, 6}, 1, 2, 3, {6, 5, 4}},
  };
  for (const Case& c : cases) {
    tvx_test_record = TestRecord{};
    tvx_test_record.result = 0xABCD0001u;
    CallOutcome outcome = CallRegister(Code(c.callee), c.args.data(), static_cast<std::uint32_t>(c.args.size()));
    EXPECT_EQ(tvx_test_record.eax, c.eax) << c.name;
    EXPECT_EQ(tvx_test_record.edx, c.edx) << c.name;
    EXPECT_EQ(tvx_test_record.ecx, c.ecx) << c.name;
    for (std::size_t i = 0; i < c.stackFromTop.size(); ++i) {
      EXPECT_EQ(tvx_test_record.stack[i], c.stackFromTop[i]) << c.name << " stack word " << i;
    }
    EXPECT_EQ(outcome.eax, 0xABCD0001u) << c.name;
    EXPECT_EQ(outcome.Al(), 1) << c.name;
    EXPECT_EQ(outcome.stackError, 0) << c.name;
    EXPECT_EQ(outcome.clobbered, 0u) << c.name;
  }
}

TEST(Thunks, ACalleeThatRemovesTheWrongAmountIsMeasuredAndSurvived) {
  struct Case {
    const char* name;
    void (*callee)();
    std::uint32_t args;
    std::int32_t stackError;
  } cases[] = {
      {"removes one it was not given", tvx_test_recorder1, 3, +4},
      {"removes three of four", tvx_test_recorder3, 7, -4},
      {"removes none of one", tvx_test_recorder0, 4, -4},
  };
  std::uint32_t args[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  for (const Case& c : cases) {
    CallOutcome outcome = CallRegister(Code(c.callee), args, c.args);
    EXPECT_EQ(outcome.stackError, c.stackError) << c.name;
  }
}

TEST(Thunks, RegistersTheCalleeMustKeepAreChecked) {
  EXPECT_EQ(CallRegister(Code(tvx_test_clobbers_ebx), nullptr, 0).clobbered, 1u);
  EXPECT_EQ(CallRegister(Code(tvx_test_clobbers_esi_edi), nullptr, 0).clobbered, 6u);
}

// Routines built as the plug-in builds its exports.
struct Seen {
  std::vector<std::int32_t> args;
};
Seen& LastSeen() {
  static Seen seen;
  return seen;
}
void NB_REGISTER FourArguments(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  LastSeen().args = {a, b, c, d};
}
nb::HostBool NB_REGISTER TwoArguments(std::int32_t a, nb::HostSlot*) {
  LastSeen().args = {a};
  return 1;
}

TEST(Thunks, MatchTheConventionMacroOfThePlugIn) {
  std::uint32_t four[] = {10, 20, 30, 40};
  CallOutcome outcome = CallRegister(reinterpret_cast<void*>(&FourArguments), four, 4);
  EXPECT_EQ(LastSeen().args, (std::vector<std::int32_t>{10, 20, 30, 40}));
  EXPECT_EQ(outcome.stackError, 0);
  std::uint32_t two[] = {7, 0};
  outcome = CallRegister(reinterpret_cast<void*>(&TwoArguments), two, 2);
  EXPECT_EQ(LastSeen().args, (std::vector<std::int32_t>{7}));
  EXPECT_EQ(outcome.Al(), 1);
  EXPECT_EQ(outcome.stackError, 0);
}

class RecordingSink : public CallbackSink {
 public:
  RecordingSink() : previous_(SetCallbackSink(this)) {}
  ~RecordingSink() override { SetCallbackSink(previous_); }
  void OnAddAction(std::int32_t number, const char* name, const char* description, const std::uint8_t* codes,
                   std::int32_t highIndex, std::int32_t count) override {
    added.push_back({number, name, description, std::string(reinterpret_cast<const char*>(codes),
                                                            static_cast<std::size_t>(count)),
                     highIndex, count});
  }
  bool OnInterfaceAccess(std::int32_t command, char** slot) override {
    accessed.push_back({command, slot});
    return answer;
  }
  struct Added {
    std::int32_t number;
    std::string name, description, codes;
    std::int32_t highIndex, count;
  };
  std::vector<Added> added;
  std::vector<std::pair<std::int32_t, char**>> accessed;
  bool answer = false;

 private:
  CallbackSink* previous_;
};

TEST(HostEntryPoints, AddActionProcTakesTheHostsArgumentOrder) {
  RecordingSink sink;
  const std::uint8_t codes[] = {1, 3, 3};
  // Called literally: type codes pushed first, then high index, then count.
  std::uint32_t args[] = {4, Word("Name"), Word("Text"), Word(codes), 2, 3};
  CallOutcome outcome = CallRegister(Code(tvx_AddActionProc), args, 6);
  EXPECT_EQ(outcome.stackError, 0);  // removed its 12 bytes
  EXPECT_EQ(outcome.clobbered, 0u);
  // Called as the plug-in calls it, through the boundary header's type.
  auto add = reinterpret_cast<nb::AddActionProc>(&tvx_AddActionProc);
  add(5, "Other", "More", 2, 1, codes);
  ASSERT_EQ(sink.added.size(), 2u);
  for (const auto& [added, number, name, description, codeBytes] :
       {std::tuple{sink.added[0], 4, "Name", "Text", std::string("\x01\x03\x03")},
        std::tuple{sink.added[1], 5, "Other", "More", std::string("\x01\x03")}}) {
    EXPECT_EQ(added.number, number);
    EXPECT_EQ(added.name, name);
    EXPECT_EQ(added.description, description);
    EXPECT_EQ(added.codes, codeBytes);
    EXPECT_EQ(added.highIndex, added.count - 1);
  }
}

TEST(HostEntryPoints, InterfaceAccessProcAnswersInAlOnly) {
  RecordingSink sink;
  char* slot = nullptr;
  for (bool answer : {true, false}) {
    sink.answer = answer;
    std::uint32_t args[] = {7, Word(&slot)};
    CallOutcome outcome = CallRegister(Code(tvx_InterfaceAccessProc), args, 2);
    EXPECT_EQ(outcome.Al(), answer ? 1 : 0);
    EXPECT_NE(outcome.eax & 0xFFFFFF00u, 0u);  // the rest of EAX carries nothing
    EXPECT_EQ(outcome.stackError, 0);
    auto access = reinterpret_cast<nb::InterfaceAccessProc>(&tvx_InterfaceAccessProc);
    EXPECT_EQ(access(14, &slot), answer ? 1 : 0);
  }
  ASSERT_EQ(sink.accessed.size(), 4u);
  EXPECT_EQ(sink.accessed[0], std::make_pair(7, &slot));
  EXPECT_EQ(sink.accessed[1], std::make_pair(14, &slot));
}

}  // namespace
}  // namespace host
