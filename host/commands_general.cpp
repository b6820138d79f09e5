// Commands about the localisation file, message boxes, time and output.
#include <windows.h>

#include <cstdio>
#include <string>

#include "host/commands.h"
#include "host/core/text.h"
#include "toolkit/core/x87_precision.h"
#include "toolkit/message_pump.h"

namespace host {
namespace {

using script::Line;

// The localisation file lives beside the host's executable.
std::wstring LocFilePath() {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"Tarvex.loc";
}

void WriteLocFile(CommandContext& c, const std::string& bytes) {
  std::FILE* file = _wfopen(LocFilePath().c_str(), L"wb");
  if (!file) {
    c.out.Fail("cannot write Tarvex.loc beside the host");
    return;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !ok) c.out.Fail("cannot write Tarvex.loc beside the host");
}

void LocFile(CommandContext& c, const Line& line) {
  if (!line.hasBody) {  // loc-file none
    if (!DeleteFileW(LocFilePath().c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
      c.out.Fail("cannot delete Tarvex.loc beside the host");
    }
    return;
  }
  std::string bytes;
  for (std::size_t i = 0; i < line.body.size(); ++i) {
    if (i > 0) bytes += "\r\n";
    bytes += line.body[i];
  }
  WriteLocFile(c, bytes);
}

void LocFileRaw(CommandContext& c, const Line& line) { WriteLocFile(c, TextArg(line, 1)); }

void ExpectMessages(CommandContext& c, const Line& line) {
  std::size_t expected = static_cast<std::size_t>(IntArg(line, 1));
  const std::vector<std::string>& messages = c.session.messages;
  if (messages.size() != expected) {
    std::string seen;
    for (const std::string& m : messages) seen.append(" ").append(Shown(m));
    c.out.Fail("expected " + std::to_string(expected) + " message boxes, found " +
               std::to_string(messages.size()) + (seen.empty() ? std::string() : std::string(":") + text::Cp1251ToUtf8(seen)));
  }
}

void ExpectMessage(CommandContext& c, const Line& line) {
  for (const std::string& m : c.session.messages) {
    if (m == TextArg(line, 1)) return;
  }
  c.out.Fail("no message box said " + Shown(TextArg(line, 1)));
}

void ClearMessages(CommandContext& c, const Line&) { c.session.messages.clear(); }

void Wait(CommandContext&, const Line& line) {
  DWORD start = GetTickCount();
  DWORD total = static_cast<DWORD>(std::max(IntArg(line, 1), 0));
  for (DWORD elapsed = 0; elapsed < total; elapsed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, total - elapsed, QS_ALLINPUT);
    tk::PumpPending();
  }
  tk::PumpPending();
}

void Pump(CommandContext&, const Line&) { tk::PumpPending(); }

// Another compiler's host may leave the x87 unit in 53-bit precision when it
// calls the plug-in; `fpu 53` plays such a host for the rest of the run.
void Fpu(CommandContext&, const Line& line) { tk::SetX87Precision(TextArg(line, 1) == "53" ? 53 : 64); }

// `contrast white-on-black|black-on-white|off`: a contrast theme for the
// plug-in, as Windows turns one on (Wine has none of its own).
void Contrast(CommandContext& c, const Line& line) {
  const std::string which = TextArg(line, 1);
  c.session.contrast.reset();
  if (which == "off") return;
  if (which != "white-on-black" && which != "black-on-white") {
    c.out.Fail("contrast: white-on-black, black-on-white or off");
    return;
  }
  c.session.contrast = std::make_unique<ContrastTheme>(
      c.session.Plugin().Module(),
      which == "white-on-black" ? ContrastPalette::WhiteOnBlack : ContrastPalette::BlackOnWhite);
  tk::PumpPending();
}

void Echo(CommandContext& c, const Line& line) {
  std::string text;
  for (std::size_t i = 1; i < line.tokens.size(); ++i) text += (i > 1 ? " " : "") + line.tokens[i].text;
  c.out.Print(text);
}

}  // namespace

void AddGeneralCommands(CommandTable& table) {
  table.insert({
      {"loc-file", LocFile},
      {"loc-file-raw", LocFileRaw},
      {"expect-messages", ExpectMessages},
      {"expect-message", ExpectMessage},
      {"clear-messages", ClearMessages},
      {"wait", Wait},
      {"pump", Pump},
      {"echo", Echo},
      {"fpu", Fpu},
      {"contrast", Contrast},
  });
}

}  // namespace host
