#pragma once
// How many GDI and USER objects the process holds now. Windows answers
// through GetGuiResources; Wine answers 0 there, so then every GDI handle
// slot is asked for its object type and the thread's windows stand in for
// USER objects.

namespace tarvex::test {

struct GuiObjects {
  long gdi = 0;
  long user = 0;
};

GuiObjects CountGuiObjects();

}  // namespace tarvex::test
