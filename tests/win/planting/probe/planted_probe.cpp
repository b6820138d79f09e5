// A program that imports the accessibility library, as the plug-in once
// did: started beside a planted oleacc.dll with Windows' search order, it
// shows that the planted library then runs (the control of the planting
// test).
#include <windows.h>
#include <oleacc.h>

int main() {
  void* object = nullptr;
  // No window: the call fails, but the import is bound at start-up.
  CreateStdAccessibleObject(nullptr, OBJID_CLIENT, IID_IUnknown, &object);
  return 0;
}
