// The host simulator is a Windows program, so the build of the portable
// subsystems does not carry its portable code; these tests compile it here.
#include "host/core/options.cpp"
#include "host/core/png.cpp"
#include "host/core/script.cpp"
#include "host/core/steps.cpp"
#include "host/core/syntax.cpp"
#include "host/core/text.cpp"
#include "host/core/library_file.cpp"
#include "host/core/usage.cpp"
#include "host/core/action_check.cpp"
#include "host/core/param_check.cpp"
