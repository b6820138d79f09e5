#pragma once
// What the dialog steps do to a plug-in's dialog and to the system's colour
// and font dialogs: find a component by name through the toolkit's
// automation message, then type, pick, tick and click as a person would.
// Every action answers with an empty string when it was done, otherwise
// with what stood in its way.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/core/steps.h"

namespace host {

struct Component {
  std::string name;
  HWND window = nullptr;  // nullptr: a windowless component
  RECT bounds{};          // in the form's client coordinates; all 0 when hidden
};

// nullopt and the reason when the form has no component of that name.
std::optional<Component> FindComponent(HWND form, const std::string& name, std::string& error);

bool IsShown(const Component& component);
// Empty when a person could act on it now, else why not.
std::string WhyNotUsable(const Component& component);

// Replaces an edit field's text character by character (WM_CHAR to the
// focused edit); the bytes are characters of the system's ANSI code page.
std::string TypeInto(const Component& field, const std::string& bytes);
// Selects the item of a drop-down list whose text is exactly that, then
// tells the list's parent (CBN_SELCHANGE), as a pick with the mouse does.
std::string PickItem(const Component& list, const std::string& item);
// BM_CLICK on a check box.
std::string TickBox(const Component& box);
// A button by BM_CLICK; anything else by a button press and release at its
// centre on the window that paints it there.
std::string Click(HWND form, const Component& component);

// F4 or Shift+F4 in a windowed field, as a person presses it: the field
// takes the focus and is posted the key's down and up. With shift, the
// thread's keyboard state shows Shift held (as GetKeyState reads it) until
// HoldShift(false).
std::string PressKey(const Component& field, bool shift);
void HoldShift(bool held);

// The text a windowed component shows, compared with the expected bytes
// read in the ANSI code page or as Windows-1251; empty when they agree.
std::string CompareField(const Component& field, const std::string& expected);
// nullopt and the reason when the component is not a check box.
std::optional<bool> IsTicked(const Component& box, std::string& error);

// The thread's open system colour or font dialog, or nullptr.
HWND OpenColourDialog();
HWND OpenFontDialog();
// Fill the system dialog as a person would, then confirm it (posted).
std::string ChooseColourIn(HWND dialog, std::uint32_t rgb);
std::string ChooseFontIn(HWND dialog, const script::FontChoice& choice);
// IDCANCEL to a system dialog (posted).
void CancelSystemDialog(HWND dialog);
// Every system dialog of the thread other than the message boxes.
std::vector<HWND> OpenSystemDialogs(HMODULE plugin);

}  // namespace host
