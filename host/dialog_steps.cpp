#include "host/dialog_steps.h"

#include <algorithm>
#include <string_view>

#include "host/commands.h"
#include "host/dialog_controls.h"
#include "host/message_boxes.h"
#include "host/modal_driver.h"
#include "host/pictures.h"

namespace host {
namespace {

using script::Line;

constexpr UINT kTickMs = 20;
constexpr DWORD kPatienceMs = 5000;  // for a step that waits (a system dialog to open, ...)
constexpr DWORD kGraceMs = 5000;     // after ok, cancel or close, before insisting

bool Is(const Line& step, const char* word) { return step.Command() == word; }

std::string Join(const Line& line, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < line.tokens.size(); ++i) text += (i > from ? " " : "") + line.tokens[i].text;
  return text;
}

}  // namespace

DialogSteps::DialogSteps(Session& session, Reporter& out, const Line& edit)
    : session_(session), out_(out), edit_(edit) {
  for (HWND window : ThreadTopLevelWindows()) before_.insert(window);
  ticker_.Start(*this, kTickMs);
}

DialogSteps::~DialogSteps() { Finish(); }

void DialogSteps::Tick() {
  // A step that runs a modal loop would tick again inside itself; every
  // step posts what may open one, so a nested tick has nothing to do.
  if (busy_ || finished_ || closed_) return;
  busy_ = true;
  // The key that a step posted with Shift held has been handled by now.
  ReleaseShift();
  DWORD now = GetTickCount();
  if (!dialog_) {
    dialog_ = FindDialog();
    stepSince_ = now;
  } else if (!IsWindow(dialog_) || !IsWindowVisible(dialog_)) {
    closed_ = true;
    if (next_ < edit_.block.size() && !cancelling_) {
      FailStep(edit_.block[next_].number, "the dialog closed before this step");
    }
  } else if (cancelling_ || endedOn_) {
    Insist(now);
  } else if (next_ >= edit_.block.size()) {
    FailStep(edit_.number, "the dialog was still open after the last step; it was cancelled");
  } else {
    RunNext(now);
  }
  busy_ = false;
}

// The plug-in's new window: a toolkit form (its class begins with Tarvex)
// before any other, so that a stray window of the plug-in is not taken for it.
HWND DialogSteps::FindDialog() const {
  HWND other = nullptr;
  for (HWND window : ThreadTopLevelWindows()) {
    if (before_.count(window) || !IsWindowVisible(window) || IsMessageBox(window, session_.Plugin().Module())) {
      continue;
    }
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name).starts_with(L"Tarvex")) return window;
    if (!other) other = window;
  }
  return other;
}

void DialogSteps::RunNext(DWORD now) {
  const Line& step = edit_.block[next_];
  if (Is(step, "wait")) {
    if (!waiting_) {
      waiting_ = true;
      waitUntil_ = now + static_cast<DWORD>(std::max(IntArg(step, 1), 0));
    }
    if (static_cast<LONG>(now - waitUntil_) < 0) return;
    waiting_ = false;
    ++next_;
    stepSince_ = now;
    return;
  }
  Result result = Run(step);
  if (result.outcome == Outcome::NotYet && now - stepSince_ < kPatienceMs) return;
  if (result.outcome != Outcome::Done) {
    FailStep(step.number, result.message);
    return;
  }
  if (script::IsEndingStep(step.Command())) {
    endedOn_ = step.number;
    endedAt_ = now;
  }
  ++next_;
  stepSince_ = now;
}

DialogSteps::Result DialogSteps::Run(const Line& step) {
  if (Is(step, "answer")) {
    session_.answers[IntArg(step, 1)] = ScriptedAnswer{step.tokens[2].text == "true", TextArg(step, 3)};
    return {};
  }
  if (Is(step, "echo")) {
    out_.Print(Join(step, 1));
    return {};
  }
  if (Is(step, "screenshot")) {
    bool client = step.tokens.size() > 2 && step.tokens[2].text == "client";
    std::string error = SavePng(Screenshot(dialog_, !client), TextArg(step, 1));
    if (!error.empty()) return {Outcome::Failed, error};
    return {};
  }
  if (Is(step, "colour-dialog") || Is(step, "font-dialog")) return OnSystemDialog(step);
  // Checks read the dialog as it is; actions wait until a person could act,
  // that is until no system dialog holds the editor disabled.
  bool check = step.Command().starts_with("expect-");
  if (!check && !IsWindowEnabled(dialog_)) {
    return {Outcome::NotYet, "the dialog is disabled: another window is open over it"};
  }
  if (script::IsEndingStep(step.Command())) return End(step);
  return OnEditor(step);
}

DialogSteps::Result DialogSteps::OnEditor(const Line& step) {
  std::string error;
  std::optional<Component> component = FindComponent(dialog_, TextArg(step, 1), error);
  if (!component) return {Outcome::Failed, error};
  if (Is(step, "type")) error = TypeInto(*component, TextArg(step, 2));
  if (Is(step, "pick")) error = PickItem(*component, TextArg(step, 2));
  if (Is(step, "tick")) error = TickBox(*component);
  if (Is(step, "click")) error = Click(dialog_, *component);
  if (Is(step, "key")) {
    bool shift = step.tokens[2].text == "shift+F4";
    error = PressKey(*component, shift);
    shiftHeld_ = shift && error.empty();
  }
  if (Is(step, "expect-field")) error = CompareField(*component, TextArg(step, 2));
  if (Is(step, "expect-visible")) {
    bool expected = step.tokens[2].text == "true";
    if (IsShown(*component) != expected) {
      error = "\"" + component->name + "\" is " + (expected ? "hidden" : "visible") + ", expected " +
              (expected ? "visible" : "hidden");
    }
  }
  if (Is(step, "expect-ticked")) {
    bool expected = step.tokens[2].text == "true";
    std::optional<bool> ticked = IsTicked(*component, error);
    if (ticked && *ticked != expected) {
      error = "\"" + component->name + "\" is " + (*ticked ? "ticked" : "not ticked") + ", expected " +
              (expected ? "ticked" : "not ticked");
    }
  }
  if (!error.empty()) return {Outcome::Failed, error};
  return {};
}

DialogSteps::Result DialogSteps::OnSystemDialog(const Line& step) {
  bool colour = Is(step, "colour-dialog");
  HWND dialog = colour ? OpenColourDialog() : OpenFontDialog();
  if (!dialog) return {Outcome::NotYet, std::string("no system ") + (colour ? "colour" : "font") + " dialog is open"};
  if (step.tokens[1].text == "cancel") {
    CancelSystemDialog(dialog);
    return {};
  }
  std::vector<script::Token> choice(step.tokens.begin() + 2, step.tokens.end());
  std::string error;
  if (colour) {
    if (auto rgb = script::ParseColourChoice(choice, error)) error = ChooseColourIn(dialog, *rgb);
  } else {
    if (auto font = script::ParseFontChoice(choice, error)) error = ChooseFontIn(dialog, *font);
  }
  if (!error.empty()) return {Outcome::Failed, error};
  return {};
}

DialogSteps::Result DialogSteps::End(const Line& step) {
  if (Is(step, "close")) {
    PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box does
    return {};
  }
  const wchar_t* caption = Is(step, "ok") ? L"OK" : L"Cancel";
  HWND button = FindButtonByCaption(dialog_, caption);
  if (!button) return {Outcome::Failed, "the dialog has no " + step.Command() + " button (caption " +
                                            (Is(step, "ok") ? "\"OK\")" : "\"Cancel\")")};
  if (!IsWindowVisible(button) || !IsWindowEnabled(button)) {
    return {Outcome::Failed, "the dialog's " + std::string(Is(step, "ok") ? "OK" : "Cancel") + " button is " +
                                 (IsWindowVisible(button) ? "disabled" : "hidden")};
  }
  PostMessageW(button, BM_CLICK, 0, 0);
  return {};
}

void DialogSteps::FailStep(int line, const std::string& message) {
  out_.FailAt(line, message);
  if (!closed_) Cancel();
}

// Cancels a system dialog over the editor first, then the editor.
void DialogSteps::Cancel() {
  if (cancelling_) return;
  cancelling_ = true;
  cancelledAt_ = GetTickCount();
  for (HWND dialog : OpenSystemDialogs(session_.Plugin().Module())) {
    if (dialog != dialog_) CancelSystemDialog(dialog);
  }
  HWND button = FindButtonByCaption(dialog_, L"Cancel");
  if (button) {
    PostMessageW(button, BM_CLICK, 0, 0);
  } else {
    PostMessageW(dialog_, WM_CLOSE, 0, 0);
  }
}

// The dialog was asked to end and has not: after a grace period it is sent
// WM_CLOSE, then destroyed, as the modal driver does.
void DialogSteps::Insist(DWORD now) {
  if (cancelling_) {
    for (HWND dialog : OpenSystemDialogs(session_.Plugin().Module())) {
      if (dialog != dialog_) CancelSystemDialog(dialog);
    }
  }
  DWORD since = now - (cancelling_ ? cancelledAt_ : endedAt_);
  if (since < kGraceMs * static_cast<DWORD>(insisted_ + 1)) return;
  std::string title;  // built by appending: GCC 12 warns falsely on "\"" + text
  title.append(1, '"').append(WindowText(dialog_)).append(1, '"');
  int line = endedOn_ && !cancelling_ ? endedOn_ : edit_.number;
  if (insisted_ == 0) {
    out_.FailAt(line, "the dialog " + title + " was still open after being asked to end; sent WM_CLOSE");
    PostMessageW(dialog_, WM_CLOSE, 0, 0);
  } else {
    out_.FailAt(line, "the dialog " + title + " ignored WM_CLOSE and was destroyed");
    DestroyWindow(dialog_);
  }
  ++insisted_;
}

void DialogSteps::ReleaseShift() {
  if (!shiftHeld_) return;
  HoldShift(false);
  shiftHeld_ = false;
}

void DialogSteps::Finish() {
  if (finished_) return;
  finished_ = true;
  ticker_.Stop();
  ReleaseShift();
  if (!dialog_) {
    out_.FailAt(edit_.number, "nbEditAction showed no dialog; its steps did not run");
  } else if (!closed_ && next_ < edit_.block.size() && !cancelling_) {
    out_.FailAt(edit_.block[next_].number, "the dialog closed before this step");
  }
}

}  // namespace host
