// With the shipped English Tarvex.loc beside the host program, every
// localised caption of the editors is the file's text for its key, in the
// system's code page, shown whole in the font it is drawn with, and so is
// every field's accessible name. The file is
// read from the folder of the running program, so the test runs a copy of
// itself in a folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "tests/support/accessible_client.h"
#include "tests/win/editors/editor_fixture.h"
#include "toolkit/buttons.h"
#include "toolkit/com_ref.h"
#include "toolkit/edits.h"
#include "toolkit/font_handle.h"
#include "toolkit/gdi.h"
#include "toolkit/label.h"
#include "toolkit/text.h"
#include "toolkit/win_control.h"

namespace editors::test {
namespace {

using tarvex::test::ClientObjectOf;
using tarvex::test::NameOf;
using tarvex::test::RoleOf;

constexpr char kChildVariable[] = "TARVEX_EDITORS_LOC_CHILD";

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

std::string ThisProgram() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Key -> text of the file's key lines.
std::map<std::string, std::string> KeyLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::map<std::string, std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 4 && line[3] == '*') lines.emplace(line.substr(0, 4), line.substr(4));
  }
  return lines;
}

// The caption of a label, or of a labelled edit's label.
tk::CodedText CaptionOf(tk::TForm& form, const std::string& name) {
  if (name.rfind("LEdit", 0) == 0) return form.Get<tk::TLabeledEdit>(name).EditLabel().CaptionText();
  if (name.rfind("CheckBox", 0) == 0) return form.Get<tk::TCheckBox>(name).CaptionText();
  return form.Get<tk::TLabel>(name).CaptionText();
}

// A check box's caption on one line in the box's font (a label measures its
// own, TLabel::TextSize).
SIZE CheckBoxTextSize(const tk::TCheckBox& box, const tk::CodedText& caption) {
  tk::MemoryDC dc(nullptr);
  tk::SharedFont font = tk::FontTable::Shared().Get(box.Font());
  tk::SelectObjectGuard selected(dc.get(), font.get());
  const std::wstring text = tk::Widen(caption.bytes, caption.codePage);
  RECT r{};
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_NOPREFIX | DT_CALCRECT | DT_SINGLELINE);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// A caption shows whole: a one-line label ends inside its parent (it sizes
// itself to its text, so its parent is what cuts it), a wrapped label's
// lines fit its height, a check box's text fits beside its box.
void ExpectShownWhole(tk::TForm& form, const std::string& name, const tk::CodedText& caption) {
  if (name.rfind("CheckBox", 0) == 0) {
    auto& box = form.Get<tk::TCheckBox>(name);
    const int room = box.Width() - GetSystemMetrics(SM_CXMENUCHECK) - GetSystemMetrics(SM_CXEDGE);
    EXPECT_LE(CheckBoxTextSize(box, caption).cx, room) << "the check box's text is cut";
    RECT parent{};
    GetClientRect(GetParent(box.Handle()), &parent);
    EXPECT_LE(box.Left() + box.Width(), parent.right);
    return;
  }
  tk::TLabel& label =
      name.rfind("LEdit", 0) == 0 ? form.Get<tk::TLabeledEdit>(name).EditLabel() : form.Get<tk::TLabel>(name);
  const SIZE size = label.TextSize();
  if (label.WordWrap()) {
    EXPECT_LE(size.cy, label.Height()) << "the wrapped text is cut";
    return;
  }
  EXPECT_LE(label.Left() + size.cx, label.Parent()->ClientWidth())
      << "the label's text runs " << label.Left() + size.cx - label.Parent()->ClientWidth()
      << " pixels past its group";
}

void CheckCaptions() {
  const auto texts = KeyLines(FolderOf(ThisProgram()) + "Tarvex.loc");
  ASSERT_EQ(texts.size(), 20u);
  const struct {
    int action;
    const char* component;
    const char* key;
  } captions[] = {
      {1, "LEdit1", "001*"}, {1, "Label1", "002*"}, {1, "LEdit2", "003*"}, {1, "LEdit3", "004*"},
      {1, "LEdit4", "005*"}, {1, "Label2", "006*"}, {1, "Label3", "007*"}, {1, "LEdit5", "008*"},
      {1, "Label4", "009*"}, {1, "CheckBox1", "010*"}, {1, "CheckBox2", "011*"}, {1, "LabelInfo", "012*"},
      {2, "LEdit1", "001*"}, {2, "LabelInfo", "013*"},
      {3, "Label1", "009*"}, {3, "LabelInfo", "014*"},
      {4, "Label1", "006*"}, {4, "Label2", "007*"}, {4, "LabelInfo", "015*"},
      {5, "LEdit2", "004*"}, {5, "LEdit3", "005*"}, {5, "LabelInfo", "016*"},
      {6, "LEdit2", "003*"}, {6, "LabelInfo", "017*"},
      {7, "LEdit2", "008*"}, {7, "LabelInfo", "018*"},
      {8, "LEdit1", "001*"}, {8, "Label1", "000*"}, {8, "LabelInfo", "019*"},
  };
  for (const auto& c : captions) {
    SCOPED_TRACE(std::to_string(c.action) + " " + c.component);
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EditRun run = RunEdit(c.action, slots, [&](tk::TForm& form) {
      const tk::CodedText caption = CaptionOf(form, c.component);
      EXPECT_EQ(caption.bytes, texts.at(c.key));
      EXPECT_EQ(caption.codePage, tk::kAnsiCodePage);
      ExpectShownWhole(form, c.component, caption);
    });
    EXPECT_TRUE(run.opened);
  }
}

// What a screen reader hears for each field: the same English caption.
void CheckFieldNames() {
  const auto texts = KeyLines(FolderOf(ThisProgram()) + "Tarvex.loc");
  tk::ComApartment apartment;
  ASSERT_TRUE(apartment.Ready());
  const struct {
    int action;
    const char* field;
    const char* key;
  } fields[] = {
      {1, "LEdit1", "001*"}, {1, "ComboBox1", "002*"}, {1, "LEdit2", "003*"}, {1, "LEdit3", "004*"},
      {1, "LEdit4", "005*"}, {1, "SpinEdit1", "006*"}, {1, "SpinEdit2", "007*"}, {1, "LEdit5", "008*"},
      {1, "SpinEdit3", "009*"},
      {2, "LEdit1", "001*"},
      {3, "LEdit1", "001*"}, {3, "SpinEdit1", "009*"},
      {4, "LEdit1", "001*"}, {4, "SpinEdit1", "006*"}, {4, "SpinEdit2", "007*"},
      {5, "LEdit1", "001*"}, {5, "LEdit2", "004*"}, {5, "LEdit3", "005*"},
      {6, "LEdit1", "001*"}, {6, "LEdit2", "003*"},
      {7, "LEdit1", "001*"}, {7, "LEdit2", "008*"},
      {8, "LEdit1", "001*"}, {8, "ComboBox1", "000*"},
  };
  for (int action = 1; action <= 8; ++action) {
    Slots slots({"Rect1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EditRun run = RunEdit(action, slots, [&](tk::TForm& form) {
      for (const auto& f : fields) {
        if (f.action != action) continue;
        SCOPED_TRACE(std::to_string(action) + " " + f.field + " " + f.key);
        auto object = ClientObjectOf(form.Get<tk::WinControl>(f.field).Handle());
        ASSERT_TRUE(object);
        EXPECT_EQ(NameOf(object.get()), tk::Widen(texts.at(f.key)));
      }
    });
    EXPECT_TRUE(run.opened) << action;
  }
}

// A dialog reads the file once as it opens: a change shows at the next opening.
void CheckChangesShowAtTheNextOpening() {
  const std::string loc = FolderOf(ThisProgram()) + "Tarvex.loc";
  std::string kept;
  {
    std::ifstream in(loc, std::ios::binary);
    kept.assign(std::istreambuf_iterator<char>(in), {});
  }
  auto write = [&](const std::string& text) { std::ofstream(loc, std::ios::binary | std::ios::trunc) << text; };
  auto objectCaptionAtOpen = [] {
    std::string caption;
    Slots slots({"Rect1"});
    RunEdit(2, slots, [&](tk::TForm& form) { caption = CaptionOf(form, "LEdit1").bytes; });
    return caption;
  };
  write("001*Changed:\r\n");
  EXPECT_EQ(objectCaptionAtOpen(), "Changed:");
  write("001*Again:\r\n");
  EXPECT_EQ(objectCaptionAtOpen(), "Again:");
  DeleteFileA(loc.c_str());
  EXPECT_NE(objectCaptionAtOpen(), "Again:") << "the built-in caption";
  write(kept);
}

TEST(EnglishCaptions, ComeFromTheShippedLocalisationFile) {
  if (std::getenv(kChildVariable) != nullptr) {
    CheckCaptions();
    CheckFieldNames();
    CheckChangesShowAtTheNextOpening();
    return;
  }

  // <root>\build\win\tests\ holds this program; the shipped file is in
  // <root>\plugin\loc\en\.
  const std::string here = FolderOf(ThisProgram());
  const std::string shipped = here + "..\\..\\..\\plugin\\loc\\en\\Tarvex.loc";
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "tarvex-editors-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string program = folder + "win_editors.exe";
  const std::string loc = folder + "Tarvex.loc";
  ASSERT_TRUE(CopyFileA(ThisProgram().c_str(), program.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(shipped.c_str(), loc.c_str(), FALSE)) << shipped;

  SetEnvironmentVariableA(kChildVariable, "1");
  std::string command = "\"" + program + "\" --gtest_filter=EnglishCaptions.*";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      folder.c_str(), &startup, &process);
  SetEnvironmentVariableA(kChildVariable, nullptr);
  DWORD exitCode = 1;
  if (started) {
    WaitForSingleObject(process.hProcess, 120000);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  DeleteFileA(program.c_str());
  DeleteFileA(loc.c_str());
  RemoveDirectoryA(folder.c_str());
  ASSERT_TRUE(started);
  EXPECT_EQ(exitCode, 0u) << "the captions differ from the file's or are cut (see the output above)";
}

}  // namespace
}  // namespace editors::test
