#include "decor/About.h"

namespace about {

// The about box comes with the dialog toolkit; until then nothing is shown.
void ShowAboutBox() {}

}  // namespace about
